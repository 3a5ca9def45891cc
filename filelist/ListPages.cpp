#include "filelist/ListPages.h"


namespace zarvik {

namespace {

constexpr const char* kDoubleClick = "Double click on a file to view it in text form.";

}  // namespace

void WindowsFilesPage::Create() {
    const ListPageLayout at(Area());
    ui::Lay(*this, Sheet(),
            {
                {Title, at.title, "Windows Files", kPageTitle},
                {FileListBox3, at.list, nullptr, &WindowsFilesPage::FileListBox3DblClick},
                {Memo1, at.description,
                 {"This list shows all the files contained in the Windows directory.", kDoubleClick},
                 kDescription},
                {Button6, at.report, "Generate Report", &WindowsFilesPage::Button6Click},
            });
}

void WindowsFilesPage::Start() { FileListBox3.SetDirectory(session_.WindowsPath); }

void WindowsFilesPage::Button6Click() {
    reports_.AppendReportBlock("Windows files:", FileListBox3.Items());
}

void WindowsFilesPage::FileListBox3DblClick() { viewer_.OpenSelectedFile(FileListBox3); }

void SystemFilesPage::Create() {
    const ListPageLayout at(Area());
    ui::Lay(*this, Sheet(),
            {
                {Title, at.title, "System Files", kPageTitle},
                {FileListBox4, at.list, nullptr, &SystemFilesPage::FileListBox4DblClick},
                {Memo2, at.description,
                 {"This list shows all the files in the System directory.", kDoubleClick},
                 kDescription},
                {Button7, at.report, "Generate Report", &SystemFilesPage::Button7Click},
            });
}

void SystemFilesPage::Start() { FileListBox4.SetDirectory(session_.SystemPath); }

void SystemFilesPage::Button7Click() {
    reports_.AppendReportBlock("System files:", FileListBox4.Items());
}

void SystemFilesPage::FileListBox4DblClick() { viewer_.OpenSelectedFile(FileListBox4); }

void SystemWow64FilesPage::Create() {
    const ListPageLayout at(Area());
    ui::Lay(*this, Sheet(),
            {
                {Title, at.title, "32-bit System Files", kPageTitle},
                {FileListBox5, at.list, nullptr, &SystemWow64FilesPage::FileListBox5DblClick},
                {Memo22, at.description,
                 {"This list shows all the files in the 32-bit System directory of 64-bit Windows, "
                  "where 32-bit programs keep their system files.",
                  kDoubleClick},
                 kDescription},
                {Button56, at.report, "Generate Report", &SystemWow64FilesPage::Button56Click},
            });
}

void SystemWow64FilesPage::Start() { FileListBox5.SetDirectory(session_.SystemWow64Path); }

void SystemWow64FilesPage::Button56Click() {
    reports_.AppendReportBlock("32-bit System files:", FileListBox5.Items());
}

void SystemWow64FilesPage::FileListBox5DblClick() { viewer_.OpenSelectedFile(FileListBox5); }

}  // namespace zarvik
