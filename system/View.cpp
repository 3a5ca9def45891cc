#include "system/View.h"

#include "app/Application.h"
#include "app/MainForm.h"
#include "app/ProductTexts.h"
#include "ui/Handles.h"
#include "ui/SystemFunction.h"

namespace zarvik {

namespace {

// Client and non-client area, children and owned windows; neither the
// visibility check nor the background erase.
constexpr LPARAM kPrintFlags = PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN | PRF_OWNED;

using PrintWindowFn = BOOL WINAPI(HWND, HDC, UINT);

}  // namespace

void TForm7::Create() { CreateForm("View Window", {.clientWidth = 456, .clientHeight = 268}); }

void TForm7::ShowView() {
    if (!Visible()) CenterOnScreen();
    ShowModeless();
}

void TForm7::Snapshot(HWND window) {
    ui::WindowDC dc(Handle());
    if (!dc.Get()) {
        app_.Dialogs().Tell(app_.Form1().Handle(), "Could not get device context", kProductTitle);
        return;
    }
    ::SetActiveWindow(window);
    // The print-window call has the window draw itself, content and all, even
    // when it belongs to another program; WM_PRINT through the default
    // procedure is what systems without it get.
    static PrintWindowFn* const printWindow =
        ui::SystemFunction<PrintWindowFn>("user32.dll", "PrintWindow");
    if (printWindow && printWindow(window, dc.Get(), 0)) return;
    ::DefWindowProcA(window, WM_PRINT, reinterpret_cast<WPARAM>(dc.Get()), kPrintFlags);
}

}  // namespace zarvik
