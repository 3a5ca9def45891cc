#pragma once
// The View Window (TForm7): a plain window that shows a window snapshot.
#include <windows.h>

#include "ui/Form.h"

namespace zarvik {

class Prompts;

class TForm7 : public ui::Form {
public:
    TForm7(Prompts& prompts, HWND mainWindow) : prompts_(prompts), mainWindow_(mainWindow) {}
    void Create();

    // Shows the window, centred on the screen when it was hidden.
    void ShowView();
    // Draws `window` once at the top-left of the client area, unscaled and
    // clipped; the next repaint shows the empty background again.
    void Snapshot(HWND window);

private:
    Prompts& prompts_;
    HWND mainWindow_;
};

}  // namespace zarvik
