#include "ui/Form.h"

#include "ui/Dpi.h"

namespace ui {

std::string CentredCaption(int blanks, std::string_view text) {
    return std::string(static_cast<size_t>(blanks), ' ').append(text);
}

void Form::CreateForm(std::string_view caption, const Options& o, HWND owner) {
    hideOnClose_ = o.hideOnClose;
    quitOnDestroy_ = o.quitOnDestroy;
    minimizesOwner_ = o.minimizesOwner;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (o.sizeable) style |= WS_THICKFRAME;
    if (o.minimizeBox) style |= WS_MINIMIZEBOX;
    if (o.maximizeBox) style |= WS_MAXIMIZEBOX;
    DWORD ex = WS_EX_CONTROLPARENT;
    if (o.toolWindow) ex |= WS_EX_TOOLWINDOW;
    // The designed sizes at the scale of the display the window opens on.
    const int dpi = SystemDpi();
    SIZE size = OuterSize(Scale(o.clientWidth, dpi), Scale(o.clientHeight, dpi), style, ex, dpi);
    if (o.outerWidth > 0 && o.outerHeight > 0)
        size = {Scale(o.outerWidth, dpi), Scale(o.outerHeight, dpi)};
    CreateOwn(owner, {CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy}, caption, style, ex);
    CenterOnScreen();
}

void Form::MoveTo(int x, int y) {
    const int dpi = DpiOf(hwnd_);
    ::SetWindowPos(hwnd_, nullptr, Scale(x, dpi), Scale(y, dpi), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    case WM_DPICHANGED: {
        // Moved to a monitor of another scale: the size Windows suggests for
        // it there, then every control at its design's new scale.
        const auto* r = reinterpret_cast<const RECT*>(lp);
        ::SetWindowPos(hwnd_, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        RescaleChildren(hwnd_, HIWORD(wp));
        return 0;
    }
    case WM_SYSCOMMAND:
        if (minimizesOwner_ && (wp & 0xFFF0) == SC_MINIMIZE) {
            ::ShowWindow(::GetWindow(hwnd_, GW_OWNER), SW_MINIMIZE);
            return 0;
        }
        return Window::HandleMessage(msg, wp, lp);
    default:
        return Window::HandleMessage(msg, wp, lp);
    }
}

namespace {

// Sent to itself once an activation is over, to hand it on.
constexpr UINT kPassActivation = WM_APP + 1;

}  // namespace

void ApplicationWindow::Create(std::string_view title) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CreateOwn(nullptr, {(work.left + work.right) / 2, (work.top + work.bottom) / 2, 0, 0}, title,
              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS);
    ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

LRESULT ApplicationWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE && !::IsIconic(hwnd_))
            ::PostMessageA(hwnd_, kPassActivation, 0, 0);
        return ::DefWindowProcA(hwnd_, msg, wp, lp);
    case kPassActivation: {
        if (::GetActiveWindow() != hwnd_) return 0;
        // Down to the window last active, a message box of the main window
        // if one is open.
        HWND target = hwnd_;
        for (HWND next; (next = ::GetLastActivePopup(target)) != target && next;) target = next;
        if (target == hwnd_) target = main_;
        if (target && ::IsWindowVisible(target)) ::SetForegroundWindow(target);
        return 0;
    }
    case WM_SIZE:
        if (wp == SIZE_MINIMIZED) ::ShowOwnedPopups(hwnd_, FALSE);
        if (wp == SIZE_RESTORED) ::ShowOwnedPopups(hwnd_, TRUE);
        return 0;
    case WM_CLOSE:
        if (main_ && ::IsWindow(main_)) ::SendMessageA(main_, WM_CLOSE, 0, 0);
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
