#pragma once
// Display settings (TForm6): the main window's border and alpha blending.
#include "display/DisplaySettings.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace zarvik {

class TForm6 : public ui::Form {
public:
    explicit TForm6(HWND mainWindow) : mainWindow_(mainWindow) {}
    void Create();

    ui::TrackBar TrackBar1;
    ui::Button Button1;  // Toggle Border
    ui::Button Button3;  // Toggle Alpha Blend
    ui::Button Button4;  // Close

    void Button1Click();
    void Button3Click();
    void Button4Click();
    void TrackBar1Change();

    // What this window last set on the main window.
    const DisplaySettings& Settings() const { return settings_; }

private:
    HWND MainWindow() const;
    void ApplyBlending();

    HWND mainWindow_;
    // The slider starts at 250 but the main window stays opaque until the
    // slider is moved, so the level starts at 255.
    DisplaySettings settings_;
};

}  // namespace zarvik
