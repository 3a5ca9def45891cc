#include "display/Display.h"

#include "ui/Layout.h"
#include "platform/SystemFunction.h"

namespace zarvik {

namespace {

// The main window's designed border: title bar, system menu, minimise box.
constexpr LONG kSingleBorder = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

BorderStyle BorderOf(HWND window) {
    const LONG style = ::GetWindowLongA(window, GWL_STYLE);
    const bool single = (style & WS_CAPTION) == WS_CAPTION && !(style & WS_THICKFRAME);
    return single ? BorderStyle::Single : BorderStyle::None;
}

void SetBorder(HWND window, BorderStyle border) {
    LONG style = ::GetWindowLongA(window, GWL_STYLE);
    if (border == BorderStyle::Single)
        style = (style | kSingleBorder) & ~(WS_THICKFRAME | WS_MAXIMIZEBOX);
    else
        style &= ~(kSingleBorder | WS_THICKFRAME | WS_MAXIMIZEBOX);
    ::SetWindowLongA(window, GWL_STYLE, style);
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void TForm6::Create() {
    CreateForm("Display settings ", {.clientWidth = 688, .clientHeight = 78});
    MoveTo(192, 394);
    using F = TForm6;
    ui::Lay(*this, *this,
            {
                {TrackBar1, {8, 6, 672, 32}, DisplaySettings::kMinLevel, DisplaySettings::kMaxLevel,
                 250, &F::TrackBar1Change},
                {Button1, {8, 45, 130, 25}, "Toggle Border", &F::Button1Click},
                {Button3, {146, 45, 130, 25}, "Toggle Alpha Blend", &F::Button3Click},
                {Button4, {550, 45, 130, 25}, "Close", &F::Button4Click},
            });
}

HWND TForm6::MainWindow() const { return mainWindow_; }

void TForm6::Button1Click() {
    settings_.border = BorderOf(MainWindow());
    settings_.ToggleBorder();
    SetBorder(MainWindow(), settings_.border);
}

void TForm6::Button3Click() {
    settings_.ToggleBlending();
    ApplyBlending();
}

void TForm6::TrackBar1Change() {
    settings_.SetLevel(TrackBar1.Position());
    if (settings_.blending) ApplyBlending();
}

void TForm6::Button4Click() { Hide(); }

void TForm6::ApplyBlending() {
    // Without layered windows the switch has no effect; a layered window
    // whose attributes were never set would not be drawn at all.
    auto* setLayered = platform::SystemFunction<decltype(::SetLayeredWindowAttributes)>(
        "user32.dll", "SetLayeredWindowAttributes");
    if (!setLayered) return;
    const HWND window = MainWindow();
    const LONG ex = ::GetWindowLongA(window, GWL_EXSTYLE);
    if (settings_.blending) {
        if (!(ex & WS_EX_LAYERED)) ::SetWindowLongA(window, GWL_EXSTYLE, ex | WS_EX_LAYERED);
        setLayered(window, 0, static_cast<BYTE>(settings_.Opacity()), LWA_ALPHA);
    } else if (ex & WS_EX_LAYERED) {
        ::SetWindowLongA(window, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
        ::RedrawWindow(window, nullptr, nullptr,
                       RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

}  // namespace zarvik
