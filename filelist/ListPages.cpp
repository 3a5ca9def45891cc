#include "filelist/ListPages.h"

namespace zarvik {

namespace {

using Opens = ListPageDescriptor::Opens;

const ListPageDescriptor kWindowsFiles{
    "Windows Files",
    {"This list shows all the files contained in the Windows directory.", kDoubleClickToView},
    "Windows files:",
    Opens::SelectedFile};

const ListPageDescriptor kSystemFiles{
    "System Files",
    {"This list shows all the files in the System directory.", kDoubleClickToView},
    "System files:",
    Opens::SelectedFile};

const ListPageDescriptor kSystemWow64Files{
    "32-bit System Files",
    {"This list shows all the files in the 32-bit System directory of 64-bit Windows, "
     "where 32-bit programs keep their system files.",
     kDoubleClickToView},
    "32-bit System files:",
    Opens::SelectedFile};

}  // namespace

WindowsFilesPage::WindowsFilesPage(const PageContext& context, ui::TabSheet& sheet)
    : ListPage(context, sheet, kWindowsFiles) {}

void WindowsFilesPage::Start() { FileListBox3.SetDirectory(session_.WindowsPath()); }

SystemFilesPage::SystemFilesPage(const PageContext& context, ui::TabSheet& sheet)
    : ListPage(context, sheet, kSystemFiles) {}

void SystemFilesPage::Start() { FileListBox4.SetDirectory(session_.SystemPath()); }

SystemWow64FilesPage::SystemWow64FilesPage(const PageContext& context, ui::TabSheet& sheet)
    : ListPage(context, sheet, kSystemWow64Files) {}

void SystemWow64FilesPage::Start() { FileListBox5.SetDirectory(session_.SystemWow64Path()); }

}  // namespace zarvik
