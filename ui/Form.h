#pragma once
// A top-level window: fixed or sizeable border, a client area of the designed
// size, centred on the screen, and a close box that either ends the program
// (the main window) or only hides the window.
#include <windows.h>

#include <string_view>

#include "ui/Window.h"

namespace ui {

class Form : public Window {
public:
    struct Options {
        int clientWidth = 400;
        int clientHeight = 300;
        // When set, the window's outer size (frame and caption included),
        // in place of the client size.
        int outerWidth = 0;
        int outerHeight = 0;
        bool sizeable = false;
        bool minimizeBox = true;
        bool maximizeBox = false;
        bool hideOnClose = true;  // false: closing destroys the window
        bool quitOnDestroy = false;
        bool toolWindow = false;
    };
    void CreateForm(std::string_view caption, const Options& options, HWND owner = nullptr);

    void ShowModeless();  // show, or bring to the front if already shown
    void Close();         // as the close box does
    void CenterOnScreen();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool hideOnClose_ = true;
    bool quitOnDestroy_ = false;
};

// Runs the message loop until WM_QUIT; Tab moves between the controls of
// whichever top-level window has the focus.
int RunMessageLoop();

// Handles all messages already queued for this thread (tests use it).
void PumpMessages();

}  // namespace ui
