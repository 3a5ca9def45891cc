// The File Browser page: the one listing rule, the mask from Edit3, the
// quick buttons, the filter drop-down, the folder tree and the drive box.
#include <string>
#include <vector>

#include "gui/FileListTestSupport.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

class FileBrowser : public ProgramTest {
protected:
    void SetUp() override {
        dir = root / "browse";
        MakeDirectory(dir);
        for (const char* name : {"b.exe", "A.DLL", "c.dll", "readme.txt", "Boot.ini", "run.log",
                                 "x.com", "y.sys", "z.bat", "d.vxd", "e.tmp"})
            WriteFileOfSize(dir + "\\" + name, 1);
        WriteFileOfSize(dir + "\\HIDDEN.DLL", 1);
        ::SetFileAttributesA((dir + "\\HIDDEN.DLL").c_str(), FILE_ATTRIBUTE_HIDDEN);
        WriteFileOfSize(dir + "\\SYSTEM.DLL", 1);
        ::SetFileAttributesA((dir + "\\SYSTEM.DLL").c_str(), FILE_ATTRIBUTE_SYSTEM);
        MakeDirectory(dir + "\\folder.dll");
        MakeDirectory(dir + "\\inner");
        WriteFileOfSize(dir + "\\inner\\INSIDE.TXT", 1);
        Start();
        Browser().DirectoryListBox2.SetDirectory(dir);
        Browser().DirectoryListBox2Change();
    }
    zarvik::FileBrowserPage& Browser() { return On<zarvik::FileBrowserPage>(); }
    Lines Listed() { return Browser().FileListBox1.Items(); }
    std::string dir;
};

TEST_F(FileBrowser, ListsPlainFilesOnlySortedWithoutRegardToCase) {
    EXPECT_EQ(Listed(), (Lines{"A.DLL", "b.exe", "Boot.ini", "c.dll", "d.vxd", "e.tmp", "readme.txt",
                               "run.log", "x.com", "y.sys", "z.bat"}));
    EXPECT_EQ(Browser().FileListBox1.Names(), Listed());
}

TEST_F(FileBrowser, EachQuickButtonPutsItsMaskIntoEdit3) {
    struct Quick {
        ui::Button& button;
        const char* mask;
        Lines listed;
    } quick[] = {
        {Browser().Button26, "*.com", {"x.com"}},      {Browser().Button25, "*.sys", {"y.sys"}},
        {Browser().Button24, "*.bat", {"z.bat"}},      {Browser().Button23, "*.log", {"run.log"}},
        {Browser().Button22, "*.vxd", {"d.vxd"}},      {Browser().Button21, "*.ini", {"Boot.ini"}},
        {Browser().Button20, "*.tmp", {"e.tmp"}},      {Browser().Button19, "*.exe", {"b.exe"}},
        {Browser().Button18, "*.dll", {"A.DLL", "c.dll"}},
    };
    for (Quick& q : quick) {
        Click(q.button);
        EXPECT_EQ(Browser().Edit3.Text(), q.mask);
        EXPECT_EQ(Browser().FileListBox1.Mask(), q.mask);
        EXPECT_EQ(Listed(), q.listed) << q.mask;
    }
    Click(Browser().Button27);
    EXPECT_EQ(Browser().Edit3.Text(), "*.*");
    EXPECT_EQ(Listed().size(), 11u);
    const char* captions[] = {"COM", "SYS", "BAT", "LOG", "VXD", "INI", "TMP", "EXE", "DLL", "*.*"};
    zarvik::FileBrowserPage& b = Browser();
    ui::Button* buttons[] = {&b.Button26, &b.Button25, &b.Button24, &b.Button23, &b.Button22,
                             &b.Button21, &b.Button20, &b.Button19, &b.Button18, &b.Button27};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(buttons[i]->Text(), captions[i]);
}

TEST_F(FileBrowser, TypingInEdit3RefiltersAtEveryChange) {
    Type(Browser().Edit3, "*.d");
    EXPECT_TRUE(Listed().empty());
    Type(Browser().Edit3, "*.dll;*.EXE");
    EXPECT_EQ(Listed(), (Lines{"A.DLL", "b.exe", "c.dll"}));
    Type(Browser().Edit3, "?.dll");
    EXPECT_EQ(Listed(), (Lines{"A.DLL", "c.dll"}));
    Type(Browser().Edit3, "");
    EXPECT_TRUE(Listed().empty()) << "an empty mask lists nothing";
}

TEST_F(FileBrowser, TheFilterDropDownSetsTheMaskButLeavesEdit3) {
    ui::FilterComboBox& filter = Browser().FilterComboBox1;
    const Lines descriptions{"All files (*.*)", "COM", "SYS", "BAT", "VXD", "INI", "TMP", "EXE", "DLL"};
    ASSERT_EQ(filter.Count(), 9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(filter.Item(i), descriptions[static_cast<size_t>(i)]);
    Type(Browser().Edit3, "*.txt");
    ChooseEntry(filter, 7);  // EXE
    EXPECT_EQ(Listed(), Lines{"b.exe"});
    EXPECT_EQ(Browser().Edit3.Text(), "*.txt");
    Click(Browser().Button21);
    EXPECT_EQ(Listed(), Lines{"Boot.ini"}) << "a quick button takes over again";
}

TEST_F(FileBrowser, ASingleClickOnTheTreeOpensTheFolder) {
    ui::DirectoryListBox& tree = Browser().DirectoryListBox2;
    int inner = -1;
    for (int i = 0; i < tree.Count(); ++i)
        if (tree.Item(i).find("inner") != std::string::npos) inner = i;
    ASSERT_GE(inner, 0);
    int clicks = 0;
    tree.OnClick = [&] { ++clicks; };  // a form's own handler must not break the navigation
    ClickEntry(tree, inner);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(tree.Directory(), dir + "\\inner");
    EXPECT_EQ(Browser().FileListBox1.Directory(), dir + "\\inner");
    EXPECT_EQ(Listed(), Lines{"INSIDE.TXT"});
}

TEST_F(FileBrowser, ChoosingADriveMovesTreeAndListToIt) {
    ui::DriveComboBox& drives = Browser().DriveComboBox1;
    int c = -1;
    for (int i = 0; i < drives.Count(); ++i)
        if (drives.Item(i) == "c:") c = i;
    ASSERT_GE(c, 0);
    ChooseEntry(drives, c);
    EXPECT_EQ(Browser().DirectoryListBox2.Directory().substr(0, 2), "C:");
    EXPECT_EQ(Browser().FileListBox1.Directory(), Browser().DirectoryListBox2.Directory());
    EXPECT_TRUE(prompts.Errors().empty());
}

TEST_F(FileBrowser, ChoosingADriveAgainReturnsToItsLastDirectory) {
    ui::DriveComboBox& drives = Browser().DriveComboBox1;
    ui::DirectoryListBox& tree = Browser().DirectoryListBox2;
    for (int i = 0; i < tree.Count(); ++i)
        if (tree.Item(i).find("inner") != std::string::npos) ClickEntry(tree, i);
    ASSERT_EQ(tree.Directory(), dir + "\\inner");
    auto choose = [&](char letter) {
        const std::string name = {static_cast<char>(letter | 0x20), ':'};
        for (int i = 0; i < drives.Count(); ++i)
            if (drives.Item(i) == name) {
                ChooseEntry(drives, i);
                return true;
            }
        return false;
    };
    const char home = static_cast<char>(dir[0] & ~0x20);
    ASSERT_TRUE(choose(home == 'Z' ? 'C' : 'Z'));
    ASSERT_NE(tree.Directory().substr(0, 1), std::string(1, home));
    ASSERT_TRUE(choose(home));
    EXPECT_EQ(tree.Directory(), dir + "\\inner");
    EXPECT_EQ(Browser().FileListBox1.Directory(), dir + "\\inner");
}

}  // namespace
