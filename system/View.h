#pragma once
// The View Window (TForm7): a plain window that shows a window snapshot.
#include <windows.h>

#include "ui/Form.h"

namespace zarvik {

class Application;

class TForm7 : public ui::Form {
public:
    explicit TForm7(Application& app) : app_(app) {}
    void Create();

    // Shows the window, centred on the screen when it was hidden.
    void ShowView();
    // Draws `window` once at the top-left of the client area, unscaled and
    // clipped; the next repaint shows the empty background again.
    void Snapshot(HWND window);

private:
    Application& app_;
};

}  // namespace zarvik
