#include "ui/SpeedButton.h"

#include <commctrl.h>

#include <string>

#include "ui/Dpi.h"

namespace ui {

void ToolTip::Create(HWND owner) {
    Destroy();
    hwnd_ = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                              WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                              ::GetModuleHandleA(nullptr), nullptr);
}

void ToolTip::AddTool(HWND control, std::string_view text) {
    if (!hwnd_) return;
    std::string s(text);
    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = ::GetParent(control);
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = s.data();
    ::SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

ToolTip::~ToolTip() { Destroy(); }

void ToolTip::Destroy() {
    // The owner's destruction may have taken the window already.
    if (hwnd_ && ::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

ToolTip& ToolTip::operator=(ToolTip&& other) noexcept {
    if (this != &other) {
        Destroy();
        hwnd_ = std::exchange(other.hwnd_, nullptr);
    }
    return *this;
}

void SpeedButton::Create(HWND parent, const Rect& r, std::string_view hint, Painter glyph,
                         ToolTip* tips, int group) {
    glyph_ = std::move(glyph);
    group_ = group;
    CreateControl("BUTTON", parent, r, hint, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
    if (tips) tips->AddTool(hwnd_, hint);
}

void SpeedButton::Click() {
    if (!Enabled()) return;
    if (group_) {
        // Raise the other buttons of the group among the siblings.
        for (HWND w = ::GetWindow(::GetParent(hwnd_), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
            auto* other = dynamic_cast<SpeedButton*>(FromHandle(w));
            if (other && other != this && other->group_ == group_) other->SetDown(false);
        }
        SetDown(true);
    }
    RunCommand(OnClick);
}

void SpeedButton::SetDown(bool down) {
    down_ = down;
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void SpeedButton::OnCommand(WORD code) {
    if (code == BN_CLICKED) Click();
}

bool SpeedButton::OnDrawItem(DRAWITEMSTRUCT* dis) {
    HDC dc = dis->hDC;
    RECT rc = dis->rcItem;
    const bool enabled = !(dis->itemState & ODS_DISABLED);
    const bool pressed = (dis->itemState & ODS_SELECTED) || down_;
    ::FillRect(dc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawEdge(dc, &rc, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const int dpi = DpiOf(hwnd_);
    RECT inner = rc;
    ::InflateRect(&inner, -Scale(4, dpi), -Scale(4, dpi));
    if (pressed) ::OffsetRect(&inner, 1, 1);
    if (glyph_) glyph_(dc, inner, enabled, dpi);
    return true;
}

}  // namespace ui
