#pragma once
// The "Additional" page: the win.ini editor and the installed services.
#include <functional>

#include "shell/Page.h"

namespace zarvik {

class AdditionalPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Additional";
    using NotebookPage::NotebookPage;
    void Create() override;
    void Start() override;

    ui::Label WinIniLabel;
    ui::Memo Memo21;      // win.ini
    ui::Button Button53;  // Save
    ui::Label ServicesLabel;
    ui::ListBox ListBox9;  // the services
    ui::Button Button55;   // Generate Report

    // Handed over by the composition root: lists the registry again, the
    // services into ListBox9 among them.
    std::function<void()> RebuildRegistryLists;

    void TabSheet16Show();
    void Button53Click();  // Save
    void Button55Click();  // Generate Report

private:
    void LoadWinIni();
};

}  // namespace zarvik
