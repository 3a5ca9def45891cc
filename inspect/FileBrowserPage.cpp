#include "inspect/FileBrowserPage.h"

#include <windows.h>

#include "platform/FileIO.h"

namespace zarvik {

namespace {

char DriveOf(const std::string& directory) {
    return directory.empty() ? '\0' : static_cast<char>(directory[0] & ~0x20);
}

}  // namespace

void FileBrowserPage::Create() {
    const int h = Area().h;
    using P = FileBrowserPage;
    std::vector<ui::Row<P>> rows = {
        {Label12, kPageTitleRect, "File Browser", kPageTitle},
        {FileListBox1, {10, 40, 325, h - 85}, nullptr, &FileBrowserPage::FileListBox1DblClick},
        {DriveLabel, {345, 40, 60, 14}, "Drive"},
        {DriveComboBox1, {345, 56, 200, 21}, &P::DriveComboBox1Change},
        {DirectoryListBox2, {345, 82, 200, h - 127}, &P::DirectoryListBox2Change},
        {FilterLabel, {555, 40, 60, 14}, "Filter"},
        {FilterComboBox1, {555, 56, 215, 21},
         {{"All files (*.*)", "*.*"},
          {"COM", "*.com"},
          {"SYS", "*.sys"},
          {"BAT", "*.bat"},
          {"VXD", "*.vxd"},
          {"INI", "*.ini"},
          {"TMP", "*.tmp"},
          {"EXE", "*.exe"},
          {"DLL", "*.dll"}},
         &P::FilterComboBox1Change},
        {Edit3, {555, 86, 120, 21}, "*.*", {}, &P::Edit3Change},
        {Edit3Label, {680, 89, 80, 14}, "<---Filter"},
        {Memo13, {555, 116, 215, 80},
         {"Use this screen to quickly browse the contents of  directories on drives.",
          "Double click on a file to view it in text form."},
         {.readOnly = true}},
        {Button17, {555, 206, 130, 25}, "Generate Report", &P::Button17Click},
    };
    struct Quick {
        ui::Button& button;
        const char* caption;
        void (P::*click)();
    };
    const Quick quick[] = {
        {Button26, "COM", &P::Button26Click}, {Button25, "SYS", &P::Button25Click},
        {Button24, "BAT", &P::Button24Click}, {Button23, "LOG", &P::Button23Click},
        {Button22, "VXD", &P::Button22Click}, {Button21, "INI", &P::Button21Click},
        {Button20, "TMP", &P::Button20Click}, {Button19, "EXE", &P::Button19Click},
        {Button18, "DLL", &P::Button18Click}, {Button27, "*.*", &P::Button27Click},
    };
    int x = 10;
    for (const Quick& q : quick) {
        rows.push_back({q.button, {x, h - 38, 44, 25}, q.caption, q.click});
        x += 48;
    }
    ui::Lay(*this, Sheet(), rows);
}

void FileBrowserPage::Start() {
    FileListBox1.SetDirectory("C:\\");
    FileListBox1.SetMask(Edit3.Text());
    DirectoryListBox2.SetDirectory("C:\\");
    DriveComboBox1.SetDrive('C');
}

void FileBrowserPage::Edit3Change() { FileListBox1.SetMask(Edit3.Text()); }

void FileBrowserPage::FileListBox1DblClick() { viewer_.OpenSelectedFile(FileListBox1); }
void FileBrowserPage::Button18Click() { Edit3.SetText("*.dll"); }
void FileBrowserPage::Button19Click() { Edit3.SetText("*.exe"); }
void FileBrowserPage::Button20Click() { Edit3.SetText("*.tmp"); }
void FileBrowserPage::Button21Click() { Edit3.SetText("*.ini"); }
void FileBrowserPage::Button22Click() { Edit3.SetText("*.vxd"); }
void FileBrowserPage::Button23Click() { Edit3.SetText("*.log"); }
void FileBrowserPage::Button24Click() { Edit3.SetText("*.bat"); }
void FileBrowserPage::Button25Click() { Edit3.SetText("*.sys"); }
void FileBrowserPage::Button26Click() { Edit3.SetText("*.com"); }
void FileBrowserPage::Button27Click() { Edit3.SetText("*.*"); }

void FileBrowserPage::Button17Click() {
    const std::string heading =
        "Contents (" + FileListBox1.Mask() + ") of:" + DirectoryListBox2.Directory();
    reports_.AppendReportBlock(heading, FileListBox1.Items());
}

void FileBrowserPage::DirectoryListBox2Change() {
    FileListBox1.SetDirectory(DirectoryListBox2.Directory());
    RememberDirectory();
}

void FileBrowserPage::RememberDirectory() {
    const char drive = DriveOf(DirectoryListBox2.Directory());
    if (drive >= 'A' && drive <= 'Z')
        lastDirectory_[static_cast<size_t>(drive - 'A')] = DirectoryListBox2.Directory();
}

void FileBrowserPage::DriveComboBox1Change() {
    const char drive = DriveComboBox1.Drive();
    if (!drive) return;
    // Back to where the tree last was on that drive; a drive not visited yet
    // starts at the directory the system keeps for it, or its root.
    const char upper = static_cast<char>(drive & ~0x20);
    std::string directory;
    if (upper >= 'A' && upper <= 'Z') directory = lastDirectory_[static_cast<size_t>(upper - 'A')];
    // A folder removed since then is no reason to refuse the drive.
    if (!directory.empty() && platform::FileAttributes(directory) == INVALID_FILE_ATTRIBUTES)
        directory.clear();
    if (directory.empty()) {
        const char driveOnly[] = {drive, ':', '\0'};
        char full[MAX_PATH];
        const DWORD n = ::GetFullPathNameA(driveOnly, sizeof full, full, nullptr);
        directory = n > 0 && n < sizeof full ? std::string(full) : std::string(driveOnly) + "\\";
    }
    try {
        DirectoryListBox2.SetDirectory(directory);
    } catch (...) {
        // A drive without a medium: the selector goes back to where the tree is.
        DriveComboBox1.SetDrive(DriveOf(DirectoryListBox2.Directory()));
        throw;
    }
    DirectoryListBox2Change();
}

void FileBrowserPage::FilterComboBox1Change() { FileListBox1.SetMask(FilterComboBox1.Mask()); }

void FileBrowserPage::EndScan(bool moved) {
    FileListBox1.SetMask(Edit3.Text());
    // The folder tree follows the file list to the last scanned directory.
    if (!moved || FileListBox1.Directory() == DirectoryListBox2.Directory()) return;
    DirectoryListBox2.SetDirectory(FileListBox1.Directory());
    DriveComboBox1.SetDrive(DriveOf(DirectoryListBox2.Directory()));
    RememberDirectory();
}

}  // namespace zarvik
