#pragma once
// The "View LogFile" page: the text of the log file as last loaded.
#include "shell/Page.h"
#include "ui/LineView.h"

namespace zarvik {

class LogViewPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "View LogFile";
    using NotebookPage::NotebookPage;
    void Create() override;

    ui::Label Title;
    // The log view: only the lines on screen are drawn, so a log of a whole
    // tree (50 MB, a million lines) shows at once, where an edit control
    // measures every line it is given (some 35 us a line under Wine).
    ui::LineView Memo9;
    ui::Memo Memo10;
    ui::Button Button4;   // Refresh
    ui::Button Button14;  // Generate Report

    // Reloads the view from LogFileName; on failure the view keeps its text.
    void ReloadLogView();
    // The same from a log start-up is still choosing, before the session begins.
    void LoadLogView(const std::string& logFileName);
    // The text as last loaded.
    std::vector<std::string> ViewLines() const { return Memo9.Lines(); }
    void Button4Click();
    void Button14Click();
};

}  // namespace zarvik
