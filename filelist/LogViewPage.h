#pragma once
// The "View LogFile" page: the text of the log file as last loaded.
#include "shell/Page.h"

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
    // The memo itself is filled when the page is shown: an edit control
    // measures every line it is given (some 35 us a line under Wine), which
    // for a log of 40,000 entries would cost Build and start-up as much again
    // as the files themselves, for a view most runs never look at.
    void ReloadLogView();
    // The text as last loaded, whether or not the page has shown it yet.
    const std::vector<std::string>& ViewLines() const { return lines_; }
    void TabSheetEnter();
    void Button4Click();
    void Button14Click();

private:
    void ShowLines();

    std::vector<std::string> lines_;
    bool shown_ = true;  // Memo9 holds lines_
};

}  // namespace zarvik
