#pragma once
// The "Windows Files" and "System Files" pages: the two lists that Build
// FileList logs and Analyze FileList compares with the log; on 64-bit
// Windows a third, the 32-bit System directory's.
#include "shell/Page.h"

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

// The log section of the 32-bit System directory, beside "Windows\System".
inline constexpr const char* kSystemWow64Section = "Windows\\SysWOW64";

// Only on 64-bit Windows: the 32-bit System directory (SysWOW64), which
// 32-bit installers write to.
class SystemWow64FilesPage final : public NotebookPage {
public:
    static constexpr const char* kCaption = "System Files (32-bit)";
    using NotebookPage::NotebookPage;
    void Create() override;
    void Start() override;

    ui::Label Title;
    ui::FileListBox FileListBox5;
    ui::Memo Memo22;
    ui::Button Button56;  // Generate Report

    void Button56Click();
    void FileListBox5DblClick();
};

}  // namespace zarvik
