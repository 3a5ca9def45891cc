#pragma once
// The "Windows Files" and "System Files" pages: the two lists that Build
// FileList logs and Analyze FileList compares with the log; on 64-bit
// Windows a third, the 32-bit System directory's. Each is a list page
// (shell/ListPage.h) under its designed names.
#include "shell/ListPage.h"

namespace zarvik {

class WindowsFilesPage final : public ListPage<ui::FileListBox> {
public:
    static constexpr const char* kCaption = "Windows Files";
    WindowsFilesPage(const PageContext& context, ui::TabSheet& sheet);
    void Start() override;

    ui::FileListBox& FileListBox3 = Entries;
    ui::Memo& Memo1 = Description;
    ui::Button& Button6 = Report;  // Generate Report
};

class SystemFilesPage final : public ListPage<ui::FileListBox> {
public:
    static constexpr const char* kCaption = "System Files";
    SystemFilesPage(const PageContext& context, ui::TabSheet& sheet);
    void Start() override;

    ui::FileListBox& FileListBox4 = Entries;
    ui::Memo& Memo2 = Description;
    ui::Button& Button7 = Report;  // Generate Report
};

// Only on 64-bit Windows: the 32-bit System directory (SysWOW64), which
// 32-bit installers write to.
class SystemWow64FilesPage final : public ListPage<ui::FileListBox> {
public:
    static constexpr const char* kCaption = "System Files (32-bit)";
    SystemWow64FilesPage(const PageContext& context, ui::TabSheet& sheet);
    void Start() override;

    ui::FileListBox& FileListBox5 = Entries;
    ui::Memo& Memo22 = Description;
    ui::Button& Button56 = Report;  // Generate Report
};

}  // namespace zarvik
