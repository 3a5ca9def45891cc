#pragma once
// The "Additional" page: the win.ini editor and the installed services.
#include <functional>
#include <utility>

#include "shell/Page.h"
#include "system/ServicesSource.h"

namespace zarvik {

class AdditionalPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Additional";
    // ListBox9 shows the services of `services`; `rebuildRegistryLists`
    // lists the registry again, the services among them.
    AdditionalPage(const PageContext& context, ui::TabSheet& sheet, ServicesSource& services,
                   std::function<void()> rebuildRegistryLists)
        : NotebookPage(context, sheet), rebuildRegistryLists_(std::move(rebuildRegistryLists)) {
        services.ShowIn(ListBox9);
    }
    void Create() override;
    void Start() override;

    ui::Label WinIniLabel;
    ui::Memo Memo21;      // win.ini
    ui::Button Button53;  // Save
    ui::Label ServicesLabel;
    ui::ListBox ListBox9;  // the services
    ui::Button Button55;   // Generate Report

    void TabSheet16Show();
    void Button53Click();  // Save
    void Button55Click();  // Generate Report

private:
    void LoadWinIni();
    const std::function<void()> rebuildRegistryLists_;
};

}  // namespace zarvik
