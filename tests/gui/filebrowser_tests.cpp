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
        Main().DirectoryListBox2.SetDirectory(dir);
        Main().DirectoryListBox2Change();
    }
    Lines Listed() { return Main().FileListBox1.Items(); }
    std::string dir;
};

TEST_F(FileBrowser, ListsPlainFilesOnlySortedWithoutRegardToCase) {
    EXPECT_EQ(Listed(), (Lines{"A.DLL", "b.exe", "Boot.ini", "c.dll", "d.vxd", "e.tmp", "readme.txt",
                               "run.log", "x.com", "y.sys", "z.bat"}));
    EXPECT_EQ(Main().FileListBox1.Names(), Listed());
}

TEST_F(FileBrowser, EachQuickButtonPutsItsMaskIntoEdit3) {
    struct Quick {
        ui::Button& button;
        const char* mask;
        Lines listed;
    } quick[] = {
        {Main().Button26, "*.com", {"x.com"}},      {Main().Button25, "*.sys", {"y.sys"}},
        {Main().Button24, "*.bat", {"z.bat"}},      {Main().Button23, "*.log", {"run.log"}},
        {Main().Button22, "*.vxd", {"d.vxd"}},      {Main().Button21, "*.ini", {"Boot.ini"}},
        {Main().Button20, "*.tmp", {"e.tmp"}},      {Main().Button19, "*.exe", {"b.exe"}},
        {Main().Button18, "*.dll", {"A.DLL", "c.dll"}},
    };
    for (Quick& q : quick) {
        Click(q.button);
        EXPECT_EQ(Main().Edit3.Text(), q.mask);
        EXPECT_EQ(Main().FileListBox1.Mask(), q.mask);
        EXPECT_EQ(Listed(), q.listed) << q.mask;
    }
    Click(Main().Button27);
    EXPECT_EQ(Main().Edit3.Text(), "*.*");
    EXPECT_EQ(Listed().size(), 11u);
    const char* captions[] = {"COM", "SYS", "BAT", "LOG", "VXD", "INI", "TMP", "EXE", "DLL", "*.*"};
    ui::Button* buttons[] = {&Main().Button26, &Main().Button25, &Main().Button24, &Main().Button23,
                             &Main().Button22, &Main().Button21, &Main().Button20, &Main().Button19,
                             &Main().Button18, &Main().Button27};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(buttons[i]->Text(), captions[i]);
}

TEST_F(FileBrowser, TypingInEdit3RefiltersAtEveryChange) {
    Type(Main().Edit3, "*.d");
    EXPECT_TRUE(Listed().empty());
    Type(Main().Edit3, "*.dll;*.EXE");
    EXPECT_EQ(Listed(), (Lines{"A.DLL", "b.exe", "c.dll"}));
    Type(Main().Edit3, "?.dll");
    EXPECT_EQ(Listed(), (Lines{"A.DLL", "c.dll"}));
    Type(Main().Edit3, "");
    EXPECT_TRUE(Listed().empty()) << "an empty mask lists nothing";
}

TEST_F(FileBrowser, TheFilterDropDownSetsTheMaskButLeavesEdit3) {
    ui::FilterComboBox& filter = Main().FilterComboBox1;
    const Lines descriptions{"All files (*.*)", "COM", "SYS", "BAT", "VXD", "INI", "TMP", "EXE", "DLL"};
    ASSERT_EQ(filter.Count(), 9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(filter.Item(i), descriptions[static_cast<size_t>(i)]);
    Type(Main().Edit3, "*.txt");
    ChooseEntry(filter, 7);  // EXE
    EXPECT_EQ(Listed(), Lines{"b.exe"});
    EXPECT_EQ(Main().Edit3.Text(), "*.txt");
    Click(Main().Button21);
    EXPECT_EQ(Listed(), Lines{"Boot.ini"}) << "a quick button takes over again";
}

TEST_F(FileBrowser, ASingleClickOnTheTreeOpensTheFolder) {
    ui::DirectoryListBox& tree = Main().DirectoryListBox2;
    int inner = -1;
    for (int i = 0; i < tree.Count(); ++i)
        if (tree.Item(i).find("inner") != std::string::npos) inner = i;
    ASSERT_GE(inner, 0);
    ClickEntry(tree, inner);
    EXPECT_EQ(tree.Directory(), dir + "\\inner");
    EXPECT_EQ(Main().FileListBox1.Directory(), dir + "\\inner");
    EXPECT_EQ(Listed(), Lines{"INSIDE.TXT"});
}

TEST_F(FileBrowser, ChoosingADriveMovesTreeAndListToIt) {
    ui::DriveComboBox& drives = Main().DriveComboBox1;
    int c = -1;
    for (int i = 0; i < drives.Count(); ++i)
        if (drives.Item(i) == "c:") c = i;
    ASSERT_GE(c, 0);
    ChooseEntry(drives, c);
    EXPECT_EQ(Main().DirectoryListBox2.Directory().substr(0, 2), "C:");
    EXPECT_EQ(Main().FileListBox1.Directory(), Main().DirectoryListBox2.Directory());
    EXPECT_TRUE(prompts.Errors().empty());
}

}  // namespace
