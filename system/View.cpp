#include "system/View.h"

#include "shell/Prompts.h"
#include "shell/ProductTexts.h"
#include "ui/Handles.h"
#include "platform/SystemFunction.h"

namespace zarvik {

namespace {

// Client and non-client area, children and owned windows; neither the
// visibility check nor the background erase.
constexpr LPARAM kPrintFlags = PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN | PRF_OWNED;

using PrintWindowFn = BOOL WINAPI(HWND, HDC, UINT);

// How long a window's thread may take to answer before it counts as hung.
constexpr UINT kAnswerMs = 1000;

// Whether the window's thread takes messages: one that does not would never
// draw itself, and the snapshot would wait for it for ever.
bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerMs,
                                 &result) != 0;
}

// What the screen shows where the window is: all a hung window offers.
void CopyFromScreen(HWND window, HDC dc) {
    RECT rc{};
    if (!::GetWindowRect(window, &rc)) return;
    ui::WindowDC screen(nullptr);
    ::BitBlt(dc, 0, 0, rc.right - rc.left, rc.bottom - rc.top, screen.Get(), rc.left, rc.top,
             SRCCOPY);
}

}  // namespace

void TForm7::Create() { CreateForm("View Window", {.clientWidth = 456, .clientHeight = 268}); }

void TForm7::ShowView() {
    if (!Visible()) CenterOnScreen();
    ShowModeless();
}

void TForm7::Snapshot(HWND window) {
    ui::WindowDC dc(Handle());
    if (!dc.Get()) {
        prompts_.Tell(mainWindow_, "Could not get device context", kProductTitle);
        return;
    }
    if (!Answers(window)) {
        CopyFromScreen(window, dc.Get());
        return;
    }
    ::SetActiveWindow(window);
    // The print-window call has the window draw itself, content and all, even
    // when it belongs to another program; WM_PRINT through the default
    // procedure is what systems without it get.
    static PrintWindowFn* const printWindow =
        platform::SystemFunction<PrintWindowFn>("user32.dll", "PrintWindow");
    if (printWindow && printWindow(window, dc.Get(), 0)) return;
    ::DefWindowProcA(window, WM_PRINT, reinterpret_cast<WPARAM>(dc.Get()), kPrintFlags);
}

}  // namespace zarvik
