#pragma once
// The "View LogFile" page: the text of the log file as last loaded.
#include "app/Page.h"

namespace zarvik {

class LogViewPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "View LogFile";
    using NotebookPage::NotebookPage;
    void Create() override;

    ui::Label Title;
    ui::Memo Memo9;   // the log view
    ui::Memo Memo10;
    ui::Button Button4;   // Refresh
    ui::Button Button14;  // Generate Report

    // Reloads the view from LogFileName; on failure the view keeps its text.
    void ReloadLogView();
    void Button4Click();
    void Button14Click();
};

}  // namespace zarvik
