#include "ui/Form.h"

namespace ui {

void Form::CreateForm(std::string_view caption, const Options& o, HWND owner) {
    hideOnClose_ = o.hideOnClose;
    quitOnDestroy_ = o.quitOnDestroy;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (o.sizeable) style |= WS_THICKFRAME;
    if (o.minimizeBox) style |= WS_MINIMIZEBOX;
    if (o.maximizeBox) style |= WS_MAXIMIZEBOX;
    DWORD ex = WS_EX_CONTROLPARENT;
    if (o.toolWindow) ex |= WS_EX_TOOLWINDOW;
    RECT rc{0, 0, o.clientWidth, o.clientHeight};
    ::AdjustWindowRectEx(&rc, style, FALSE, ex);
    if (o.outerWidth > 0 && o.outerHeight > 0) rc = {0, 0, o.outerWidth, o.outerHeight};
    CreateOwn(owner, {CW_USEDEFAULT, CW_USEDEFAULT, rc.right - rc.left, rc.bottom - rc.top},
              caption, style, ex);
    CenterOnScreen();
}

void Form::CenterOnScreen() {
    RECT rc{};
    ::GetWindowRect(hwnd_, &rc);
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    ::SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - w) / 2,
                   work.top + (work.bottom - work.top - h) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ShowModeless() {
    if (::IsIconic(hwnd_)) ::ShowWindow(hwnd_, SW_RESTORE);
    ::ShowWindow(hwnd_, SW_SHOW);
    ::SetForegroundWindow(hwnd_);
    ::BringWindowToTop(hwnd_);
}

void Form::Close() { ::SendMessageA(hwnd_, WM_CLOSE, 0, 0); }

LRESULT Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CLOSE:
        if (hideOnClose_) {
            Hide();
            return 0;
        }
        ::DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        if (quitOnDestroy_) ::PostQuitMessage(0);
        return 0;
    default:
        return Window::HandleMessage(msg, wp, lp);
    }
}

int RunMessageLoop() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        HWND top = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (top && ::IsDialogMessageA(top, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

}  // namespace ui
