#pragma once
// Picture buttons: the toolbars' speed buttons and the tooltip that shows
// their hints.
#include <windows.h>

#include <functional>
#include <string_view>
#include <utility>

#include "ui/Window.h"

namespace ui {

// A tooltip window for one top-level window; tools are child controls whose
// window text is the tip.
class ToolTip {
public:
    ToolTip() = default;
    ToolTip(ToolTip&& other) noexcept : hwnd_(std::exchange(other.hwnd_, nullptr)) {}
    ToolTip& operator=(ToolTip&& other) noexcept;
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;
    // A second call replaces the window the first one made.
    void Create(HWND owner);
    void AddTool(HWND control, std::string_view text);
    HWND Handle() const { return hwnd_; }
    ~ToolTip();

private:
    void Destroy();

    HWND hwnd_ = nullptr;
};

// A 25 x 25 picture button (at 96 DPI): it draws its glyph at the button's
// DPI (grey when disabled), its window text is its hint, and the hint is its
// tooltip. Buttons with the same non-zero group stay down when pressed and
// raise the others.
class SpeedButton : public Window {
public:
    using Painter = std::function<void(HDC dc, const RECT& area, bool enabled, int dpi)>;
    void Create(HWND parent, const Rect& r, std::string_view hint, Painter glyph,
                ToolTip* tips, int group = 0);
    void Click();
    bool Down() const { return down_; }
    void SetDown(bool down);
    int Group() const { return group_; }
    Event OnClick;

protected:
    void OnCommand(WORD code) override;
    bool OnDrawItem(DRAWITEMSTRUCT* dis) override;

private:
    Painter glyph_;
    int group_ = 0;
    bool down_ = false;
};

}  // namespace ui
