#pragma once
// The result pages that Build FileList and Commit empty or fill as well as
// Analyze FileList: Zero Length Files, Files Added, Files Deleted and Files
// Changed. (The analysis builds on this folder, so they live here.)
#include "shell/Page.h"

namespace zarvik {

class ZeroLengthFilesPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Zero Length Files";
    using NotebookPage::NotebookPage;
    void Create() override;

    ui::Label Title;
    ui::ListBox ListBox8;
    ui::Memo Memo3;
    ui::Button Button8;  // Generate Report

    void Button8Click();
};

class FilesAddedPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Files Added";
    using NotebookPage::NotebookPage;
    void Create() override;

    ui::Label Title;
    ui::ListBox ListBox4;
    ui::Memo Memo4;
    ui::Button Button9;  // Generate Report

    void Button9Click();
    void ListBox4DblClick();
};

class FilesDeletedPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Files Deleted";
    using NotebookPage::NotebookPage;
    void Create() override;

    ui::Label Title;
    ui::ListBox ListBox2;
    ui::Memo Memo5;
    ui::Button Button10;  // Generate Report

    void Button10Click();
};

class FilesChangedPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Files Changed";
    using NotebookPage::NotebookPage;
    void Create() override;

    ui::Label Title;
    ui::ListBox ListBox3;
    ui::Memo Memo6;
    ui::Button Button11;  // Generate Report

    void Button11Click();
    void ListBox3DblClick();
};

}  // namespace zarvik
