#pragma once
// How the main window looks: its border, alpha blending and blending level.
// The Display settings window keeps these and copies them onto the window.

namespace zarvik {

enum class BorderStyle { Single, None };

struct DisplaySettings {
    static constexpr int kMinLevel = 10;
    static constexpr int kMaxLevel = 255;

    BorderStyle border = BorderStyle::Single;  // with title bar, fixed size
    bool blending = false;
    int level = kMaxLevel;  // remembered while blending is off

    // Single becomes none; any other style becomes single.
    void ToggleBorder();
    void ToggleBlending() { blending = !blending; }
    // Kept within 10..255, so the window can never vanish entirely.
    void SetLevel(int position);
    // The opacity the window is drawn with: the level while blending is on,
    // fully opaque otherwise.
    int Opacity() const { return blending ? level : kMaxLevel; }
};

}  // namespace zarvik
