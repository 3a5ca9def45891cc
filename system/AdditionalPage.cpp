#include "system/AdditionalPage.h"

#include "app/Application.h"
#include "app/FileProbe.h"

namespace zarvik {

void AdditionalPage::Create() {
    const ui::Rect area = Area();
    const int w = area.w, h = area.h;
    ui::Lay(*this, Sheet(),
            {
                {WinIniLabel, {10, 8, 200, 16}, "Win.ini", {.bold = true}},
                {Memo21, {10, 26, 370, h - 68}, {"Win.ini could not be loaded"},
                 {.vScroll = true, .hScroll = true, .wordWrap = false}},
                {Button53, {10, h - 36, 100, 25}, "Save"},
                {ServicesLabel, {390, 8, 300, 16}, "CurrentControlSet\\Services", {.bold = true}},
                {ListBox9, {390, 26, w - 400, h - 68}, {.hScroll = true}},
                {Button55, {390, h - 36, 130, 25}, "Generate Report"},
            });
    Button53.SetEnabled(false);
}

void AdditionalPage::Start() { LoadWinIni(); }

void AdditionalPage::LoadWinIni() {
    const std::string path = app_.WindowsPath + "win.ini";
    if (!FilePresent(path)) return;
    Memo21.SetLines(ReadTextLines(path));
    Button53.SetEnabled(true);
}

}  // namespace zarvik
