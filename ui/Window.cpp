#include "ui/Window.h"

#include "platform/Win32Error.h"
#include "ui/Dpi.h"

#include <windowsx.h>

#include <stdexcept>
#include <unordered_set>
#include <utility>

namespace ui {

namespace {

constexpr const char* kOwnClass = "ZarvikWindow";

// The wrappers alive now. Any code may write a window's GWLP_USERDATA, so
// the value there is taken for a wrapper only when it is one of these and
// that wrapper owns the very window. Not the window's procedure: the tooltip
// and the up-down control put comctl32's subclass in front of ours. The
// control layer runs on one thread.
std::unordered_set<const Window*>& LiveWrappers() {
    static std::unordered_set<const Window*> wrappers;
    return wrappers;
}

ErrorSink& Sink() {
    static ErrorSink sink;
    return sink;
}

}  // namespace

void SetErrorSink(ErrorSink sink) { Sink() = std::move(sink); }

void RunCommand(const std::function<void()>& handler) {
    if (!handler) return;
    std::string message;
    try {
        handler();
        return;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown error";
    }
    if (Sink()) {
        Sink()(message);
    } else {
        ::MessageBoxA(nullptr, message.c_str(), nullptr, MB_OK | MB_ICONERROR);
    }
}

Window::Window() { LiveWrappers().insert(this); }

Window::~Window() {
    if (hwnd_ && ::IsWindow(hwnd_)) {
        // Detach first so no message reaches a half-destroyed object.
        ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        HWND h = std::exchange(hwnd_, nullptr);
        ::DestroyWindow(h);
    }
    LiveWrappers().erase(this);
}

Window* Window::FromHandle(HWND hwnd) noexcept {
    if (!hwnd) return nullptr;
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || !LiveWrappers().contains(self) || self->hwnd_ != hwnd) return nullptr;
    return self;
}

std::string Window::Text() const {
    int len = ::GetWindowTextLengthA(hwnd_);
    std::string s(static_cast<size_t>(len) + 1, '\0');
    int got = ::GetWindowTextA(hwnd_, s.data(), len + 1);
    s.resize(static_cast<size_t>(got < 0 ? 0 : got));
    return s;
}

void Window::SetText(std::string_view text) {
    std::string s(text);
    SetText(s.c_str());
}

void Window::SetText(const char* text) { ::SetWindowTextA(hwnd_, text); }

bool Window::Visible() const { return ::IsWindowVisible(hwnd_) != FALSE; }

void Window::SetVisible(bool visible) { ::ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

bool Window::Enabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }

void Window::SetEnabled(bool enabled) { ::EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

void Window::SetBounds(const Rect& r) { ::MoveWindow(hwnd_, r.x, r.y, r.w, r.h, TRUE); }

Rect Window::ClientArea() const {
    RECT rc{};
    ::GetClientRect(hwnd_, &rc);
    return {0, 0, rc.right, rc.bottom};
}

Rect Window::Bounds() const {
    RECT rc{};
    ::GetWindowRect(hwnd_, &rc);
    HWND parent = ::GetParent(hwnd_);
    if (parent && (::GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD)) {
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
    }
    return {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

void Window::SetFont(HFONT font) {
    ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Window::SetFocus() { ::SetFocus(hwnd_); }

void Window::Place(const Rect& designed) {
    KeepDesign(designed);
    SetBounds(Scale(designed, DpiOf(hwnd_)));
}

void Window::KeepDesign(const Rect& designed) {
    design_ = designed;
    designed_ = true;
}

Rect Window::DesignedClientArea() const { return Unscale(ClientArea(), DpiOf(hwnd_)); }

Rect Window::DesignedBounds() const { return Unscale(Bounds(), DpiOf(hwnd_)); }

void Window::OnDpiChanged(int dpi) {
    if (dialogFont_) SetFont(DialogFont(dpi));
}

void RescaleChildren(HWND top, int dpi) {
    // Parents come before their children, so a notebook has its new size
    // and font when it lays out its pages.
    ::EnumChildWindows(top, &Window::Rescale, static_cast<LPARAM>(dpi));
}

BOOL CALLBACK Window::Rescale(HWND child, LPARAM dpi) {
    // GWLP_USERDATA is the application's: the system's controls leave it
    // empty (as ReflectToChild relies on too).
    if (Window* w = FromHandle(child)) {
        if (w->designed_) w->SetBounds(Scale(w->design_, static_cast<int>(dpi)));
        w->OnDpiChanged(static_cast<int>(dpi));
    }
    return TRUE;
}

void Window::Repaint() {
    ::RedrawWindow(hwnd_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
}

void Window::SetRedraw(bool on) { ::SendMessageA(hwnd_, WM_SETREDRAW, on ? TRUE : FALSE, 0); }

void Window::Invalidate(bool paintNow) {
    ::InvalidateRect(hwnd_, nullptr, TRUE);
    if (paintNow) ::UpdateWindow(hwnd_);
}

RedrawOff::RedrawOff(HWND hwnd) noexcept
    : hwnd_(hwnd), visible_((::GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0) {
    ::SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
}

RedrawOff::~RedrawOff() {
    ::SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    if (!visible_ && (::GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE)) ::ShowWindow(hwnd_, SW_HIDE);
    if (visible_) ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void Window::CreateOwn(HWND parent, const Rect& r, std::string_view text, DWORD style,
                       DWORD exStyle) {
    // The registration's error code is kept: GetLastError is long gone when
    // a later window asks.
    static const DWORD registration = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &Window::OwnWindowProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.hIcon = ::LoadIconA(wc.hInstance, MAKEINTRESOURCEA(1));
        wc.lpszClassName = kOwnClass;
        return ::RegisterClassExA(&wc) != 0 ? DWORD{ERROR_SUCCESS} : ::GetLastError();
    }();
    if (registration != ERROR_SUCCESS)
        throw platform::Win32Error("Unable to register the window class", registration);
    std::string caption(text);
    HWND h = ::CreateWindowExA(exStyle, kOwnClass, caption.c_str(), style, r.x, r.y, r.w, r.h,
                               parent, nullptr, ::GetModuleHandleA(nullptr), this);
    if (!h) throw platform::Win32Error("Unable to create window \"" + caption + "\"");
}

void Window::CreateControl(const char* className, HWND parent, const Rect& r,
                           std::string_view text, DWORD style, DWORD exStyle) {
    std::string caption(text);
    hwnd_ = ::CreateWindowExA(exStyle, className, caption.c_str(), style, r.x, r.y, r.w, r.h,
                              parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) throw platform::Win32Error(std::string("Unable to create control ") + className);
    ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // Told when the parent destroys the control, so the wrapper never keeps
    // a handle that the system may give to another window.
    ::SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::ControlProc));
    SetFont(DialogFont(DpiOf(parent)));
    dialogFont_ = true;
}

// Runs ahead of a standard control's class procedure. That procedure is
// asked of the class, not kept in the wrapper, so messages that come after
// the wrapper has let go still reach it. Plain subclassing rather than
// SetWindowSubclass or window properties: under Wine those cost a round
// trip to the window server on every message, which a list of 20,000
// entries pays 20,000 times.
LRESULT CALLBACK Window::ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    const auto base = reinterpret_cast<WNDPROC>(::GetClassLongPtrA(hwnd, GCLP_WNDPROC));
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
        if (Window* self = FromHandle(hwnd)) {
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            self->OnDestroyed();
        }
        return ::CallWindowProcA(base, hwnd, msg, wp, lp);
    }
    if (Window* self = FromHandle(hwnd)) {
        LRESULT answered = 0;
        if (self->BeforeControlMessage(msg, wp, lp, answered)) return answered;
    }
    LRESULT result = ::CallWindowProcA(base, hwnd, msg, wp, lp);
    // Asked again: handling the message may have destroyed the wrapper.
    if (Window* self = FromHandle(hwnd)) {
        if (msg == WM_GETDLGCODE) result |= self->ExtraDialogCode();
        self->AfterControlMessage(msg);
    }
    return result;
}

// Forwards a notification to the wrapper of the child that sent it.
LRESULT ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    handled = false;
    switch (msg) {
    case WM_COMMAND:
        if (lp) {
            if (Window* child = Window::FromHandle(reinterpret_cast<HWND>(lp))) {
                handled = true;
                child->OnCommand(HIWORD(wp));
            }
        }
        return 0;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lp);
        if (Window* child = Window::FromHandle(hdr->hwndFrom)) {
            LRESULT result = 0;
            handled = child->OnNotify(hdr, result);
            return result;
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (Window* child = Window::FromHandle(reinterpret_cast<HWND>(lp))) {
            if (HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wp))) {
                handled = true;
                return reinterpret_cast<LRESULT>(brush);
            }
        }
        return 0;
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        if (Window* child = Window::FromHandle(dis->hwndItem)) {
            handled = child->OnDrawItem(dis);
            return TRUE;
        }
        return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lp) {
            if (Window* child = Window::FromHandle(reinterpret_cast<HWND>(lp))) {
                handled = true;
                child->OnScroll(LOWORD(wp));
            }
        }
        return 0;
    case WM_CONTEXTMENU:
        if (Window* child = Window::FromHandle(reinterpret_cast<HWND>(wp))) {
            handled = child->OnContextMenu(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        }
        return 0;
    default:
        return 0;
    }
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    bool handled = false;
    LRESULT r = ReflectToChild(msg, wp, lp, handled);
    if (handled) return r;
    return ::DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::OwnWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        auto* self = static_cast<Window*>(cs->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    Window* self = FromHandle(hwnd);
    if (!self) return ::DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        LRESULT r = ::DefWindowProcA(hwnd, msg, wp, lp);
        self->hwnd_ = nullptr;
        self->OnDestroyed();
        return r;
    }
    LRESULT result = 0;
    bool ok = false;
    std::string message;
    try {
        result = self->HandleMessage(msg, wp, lp);
        ok = true;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown error";
    }
    if (!ok) {
        RunCommand([&] { throw std::runtime_error(message); });
    }
    return result;
}

}  // namespace ui
