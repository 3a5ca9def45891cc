#pragma once
// The "Windows Files" and "System Files" pages: the two lists that Build
// FileList logs and Analyze FileList compares with the log.
#include "app/Page.h"

namespace zarvik {

class WindowsFilesPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "Windows Files";
    using NotebookPage::NotebookPage;
    void Create() override;
    void Start() override;

    ui::Label Title;
    ui::FileListBox FileListBox3;
    ui::Memo Memo1;
    ui::Button Button6;  // Generate Report

    void Button6Click();
    void FileListBox3DblClick();
};

class SystemFilesPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "System Files";
    using NotebookPage::NotebookPage;
    void Create() override;
    void Start() override;

    ui::Label Title;
    ui::FileListBox FileListBox4;
    ui::Memo Memo2;
    ui::Button Button7;  // Generate Report

    void Button7Click();
    void FileListBox4DblClick();
};

}  // namespace zarvik
