#pragma once
// The base of the control layer: the owner of one HWND with typed accessors,
// and the one window procedure that dispatches messages to member functions
// and reflects child notifications to the child's wrapper.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace ui {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

// Where a command's exception ends up: set once by the application.
using ErrorSink = std::function<void(const std::string& message)>;
void SetErrorSink(ErrorSink sink);
// Runs an event handler; an exception it throws is shown through the error
// sink and does not unwind through the window procedure.
void RunCommand(const std::function<void()>& handler);

// A control's event: run through RunCommand, so its errors are shown.
using Event = std::function<void()>;

// A Window owns its window: the destructor destroys it if it still exists.
// When the system destroys it first (its parent went), the wrapper is told
// at WM_NCDESTROY and forgets the handle, so it never touches a handle the
// system may since have given to another window.
class Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const noexcept { return hwnd_; }
    // The wrapper of a window of ours; null for any other window, whatever
    // it keeps in GWLP_USERDATA.
    static Window* FromHandle(HWND hwnd) noexcept;

    std::string Text() const;
    void SetText(std::string_view text);
    // A text already ending in NUL, passed on without a copy (a file's worth).
    void SetText(const char* text);
    bool Visible() const;
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetBounds(const Rect& r);
    Rect Bounds() const;  // relative to the parent's client area
    Rect ClientArea() const;  // at 0, 0
    void SetFont(HFONT font);
    void SetFocus();
    // Places the window at a rectangle designed at 96 DPI, scaled to its
    // DPI, and keeps the design for a change of DPI (ui/Dpi.h).
    void Place(const Rect& designed);
    // The design of a window created at its scaled rectangle (ui::Lay).
    void KeepDesign(const Rect& designed);
    // The client area and the bounds at 96 DPI: what designed rectangles
    // inside the window are reckoned against.
    Rect DesignedClientArea() const;
    Rect DesignedBounds() const;
    // Paints the window now, as a long command must between its steps.
    void Repaint();
    // Turns the window's drawing off (many changes to come) or back on.
    void SetRedraw(bool on);
    // Marks the whole window for painting; `paintNow` paints it at once.
    void Invalidate(bool paintNow = false);

protected:
    // Windows of the program's own class (forms, pages, panels): registers the
    // class once and keeps `this` on the window from WM_NCCREATE on.
    void CreateOwn(HWND parent, const Rect& r, std::string_view text, DWORD style,
                   DWORD exStyle = 0);
    // Standard controls (BUTTON, LISTBOX...): `this` is kept in GWLP_USERDATA so
    // the parent can reflect notifications back to it.
    void CreateControl(const char* className, HWND parent, const Rect& r, std::string_view text,
                       DWORD style, DWORD exStyle = 0);

    // Messages for windows of our own class. The default handles reflection.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

    // Reflected to a control from its parent.
    virtual void OnCommand(WORD /*code*/) {}
    virtual bool OnNotify(NMHDR* /*hdr*/, LRESULT& /*result*/) { return false; }
    virtual HBRUSH OnCtlColor(HDC /*dc*/) { return nullptr; }
    virtual bool OnDrawItem(DRAWITEMSTRUCT* /*dis*/) { return false; }
    virtual void OnScroll(WORD /*code*/) {}
    // A right-click or the menu key on the control; the point is on the
    // screen, or -1, -1 from the keyboard. True when a menu was shown.
    virtual bool OnContextMenu(int /*x*/, int /*y*/) { return false; }

    // The window is now shown at `dpi` and has its designed rectangle at that
    // scale. By default a standard control takes the dialog font of `dpi`.
    virtual void OnDpiChanged(int dpi);

    // The window is gone (WM_NCDESTROY); the handle is already cleared.
    virtual void OnDestroyed() {}

    // A standard control's message after its class has handled it, for what
    // the control does not tell its parent (an edit's double-click). Must not throw.
    virtual void AfterControlMessage(UINT /*msg*/) noexcept {}
    // A standard control's message before its class sees it; true when the
    // wrapper answered it with `result` instead. Must not throw.
    virtual bool BeforeControlMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/,
                                      LRESULT& /*result*/) noexcept {
        return false;
    }
    // Keys a standard control takes for itself beyond its class's answer to
    // WM_GETDLGCODE (DLGC_WANTTAB: the Tab key types a tab).
    virtual LRESULT ExtraDialogCode() const noexcept { return 0; }

    HWND hwnd_ = nullptr;

private:
    Rect design_;
    bool designed_ = false;
    bool dialogFont_ = false;  // a standard control with the dialog font

    static LRESULT CALLBACK OwnWindowProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK ControlProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    friend LRESULT ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, bool& handled);
    friend void RescaleChildren(HWND top, int dpi);
    static BOOL CALLBACK Rescale(HWND child, LPARAM dpi);
};

// A window's drawing off for a scope (many changes to come), then the whole
// window painted again. Turning drawing back on marks a window visible, so
// one that was hidden is hidden again. The window must outlive the scope.
class RedrawOff {
public:
    explicit RedrawOff(HWND hwnd) noexcept;
    ~RedrawOff();
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    HWND hwnd_;
    bool visible_;
};

}  // namespace ui
