#pragma once
// A top-level window: fixed or sizeable border, a client area of the designed
// size (at the display's scale), centred on the screen, and a close box that
// either ends the program (the main window) or only hides the window. Moved
// to a monitor of another scale, it lays its controls out again there.
#include <windows.h>

#include <string>
#include <string_view>

#include "ui/Window.h"

namespace ui {

// The system draws a caption from the left; a designed window centres its
// caption by leading blanks, as many as its designed width wants.
std::string CentredCaption(int blanks, std::string_view text);

class Form : public Window {
public:
    // Sizes in pixels at 96 DPI.
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
        // The main window under an ApplicationWindow: its minimise box
        // minimises the program, as the task-bar button would.
        bool minimizesOwner = false;
    };
    void CreateForm(std::string_view caption, const Options& options, HWND owner = nullptr);

    void ShowModeless();  // show, or bring to the front if already shown
    void Close();         // as the close box does
    void CenterOnScreen();
    // To a designed place on the screen, scaled as every designed size.
    void MoveTo(int x, int y);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool hideOnClose_ = true;
    bool quitOnDestroy_ = false;
    bool minimizesOwner_ = false;
};

// The program's own window, which carries the task-bar button and the
// Alt-Tab entry under the program's title, so that the main window, owned
// by it, keeps the caption it was designed with. It has no size: all that
// shows of it is the button. Activated (by the button or Alt-Tab), it
// passes on to the window last worked in; minimised, it hides what it owns,
// and restored, shows it again; closed, it closes the main window.
class ApplicationWindow final : public Window {
public:
    void Create(std::string_view title);
    void SetMainWindow(HWND main) { main_ = main; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    HWND main_ = nullptr;
};

// Runs the message loop until WM_QUIT; Tab moves between the controls of
// whichever top-level window has the focus.
int RunMessageLoop();

// Handles all messages already queued for this thread (tests use it).
void PumpMessages();

}  // namespace ui
