#include "system/AdditionalPage.h"

#include <exception>

#include "shell/FileProbe.h"
#include "shell/ProductTexts.h"

namespace zarvik {

void AdditionalPage::Create() {
    const ui::Rect area = Area();
    const int w = area.w, h = area.h;
    using P = AdditionalPage;
    ui::Lay(*this, Sheet(),
            {
                {WinIniLabel, {10, 8, 200, 16}, "Win.ini", {.bold = true}},
                {Memo21, {10, 26, 370, h - 68}, {"Win.ini could not be loaded"},
                 {.vScroll = true, .hScroll = true, .wordWrap = false}},
                {Button53, {10, h - 36, 100, 25}, "Save", &P::Button53Click},
                {ServicesLabel, {390, 8, 300, 16}, "CurrentControlSet\\Services", {.bold = true}},
                {ListBox9, {390, 26, w - 400, h - 68}, {.hScroll = true}},
                {Button55, {390, h - 36, 130, 25}, "Generate Report", &P::Button55Click},
            });
    Button53.SetEnabled(false);
    Sheet().OnEnter = [this] { TabSheet16Show(); };
}

void AdditionalPage::Start() { LoadWinIni(); }

void AdditionalPage::LoadWinIni() {
    const std::string path = session_.WindowsPath() + "win.ini";
    if (!FilePresent(path)) return;
    try {
        Memo21.SetLines(ReadTextLines(path));
    } catch (const std::exception&) {
        return;  // opened but not read: as if it could not be loaded
    }
    Button53.SetEnabled(true);
}

void AdditionalPage::TabSheet16Show() {
    if (rebuildRegistryLists_) rebuildRegistryLists_();
}

void AdditionalPage::Button53Click() {
    if (!prompts_.Ask(Owner(), "Do you want to save Win.ini", kProductTitle)) return;
    // Written beside it and moved into place: a failed save leaves the old
    // file whole, and the editor keeps its text.
    const std::string path = session_.WindowsPath() + "win.ini";
    if (WriteTextLines(path, Memo21.Lines()) == WriteMethod::InPlace)
        prompts_.Tell(Owner(), InPlaceWriteText(path), kProductTitle);
}

}  // namespace zarvik
