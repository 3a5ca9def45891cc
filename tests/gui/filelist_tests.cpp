// Build FileList, Clear, Export, the log view and the optional directories,
// driven through the real windows on temporary directories.
#include <string>
#include <vector>

#include "core/TextHelpers.h"
#include "gui/FileListTestSupport.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

// The log lies in the Windows directory, so Build logs it too, with whatever
// size it had reached; these tests look at the other files' sizes (the
// times beside them change from run to run: one test reads them).
Lines WithoutSelf(Lines lines) {
    bool times = false;
    std::erase_if(lines, [&](const std::string& l) {
        if (l.rfind('[', 0) == 0) times = l.size() > 7 && l.compare(l.size() - 7, 7, " Times]") == 0;
        return times || l.rfind("Zarvik.ini=", 0) == 0;
    });
    return lines;
}

std::string WithoutSelf(const std::string& text) {
    std::string kept;
    for (const std::string& line : WithoutSelf(zarvik::SplitLines(text))) kept += line + "\r\n";
    return kept;
}

class BuildFileList : public ProgramTest {
protected:
    void Build() {
        prompts.answers.push_back(true);
        Click(Main().SpeedButton1);
    }
    std::string Win(const std::string& name) const { return WindowsDir() + "\\" + name; }
    std::string Sys(const std::string& name) const { return SystemDir() + "\\" + name; }
};

TEST_F(BuildFileList, NoLeavesLogListsAndStatusUnchanged) {
    WriteFileOfSize(Win("A.TXT"), 10);
    WriteFile(LogPath(), "[Windows]\r\nOLD.TXT=5\r\n");
    Start();
    prompts.answers.push_back(false);
    Click(Main().SpeedButton1);
    EXPECT_EQ(prompts.Questions().back(), "Do you wish to Build FileList now");
    EXPECT_EQ(prompts.asked.back().title, "Zarvik v1.1");
    EXPECT_EQ(ReadFile(LogPath()), "[Windows]\r\nOLD.TXT=5\r\n");
    EXPECT_EQ(On<zarvik::ZeroLengthFilesPage>().ListBox8.Items(), Lines{zarvik::kNoItemsYet});
    EXPECT_EQ(On<zarvik::FilesAddedPage>().ListBox4.Items(), Lines{zarvik::kNoItemsYet});
    EXPECT_EQ(Main().StatusBar1.SimpleText(), "");
}

TEST_F(BuildFileList, LogsEveryNonEmptyListedFileAndListsEmptyOnes) {
    WriteFileOfSize(Win("b.txt"), 20);
    WriteFileOfSize(Win("A.TXT"), 100);
    WriteFileOfSize(Win("EMPTY.TXT"), 0);
    WriteFileOfSize(Win("HIDDEN.TXT"), 7);
    ::SetFileAttributesA(Win("HIDDEN.TXT").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteFileOfSize(Win("SYSFILE.TXT"), 7);
    ::SetFileAttributesA(Win("SYSFILE.TXT").c_str(), FILE_ATTRIBUTE_SYSTEM);
    WriteFileOfSize(Sys("KERNEL.DLL"), 5);
    WriteFileOfSize(Sys("ZERO.DLL"), 0);
    Start();
    Build();

    EXPECT_EQ(WithoutSelf(ReadFile(LogPath())),
              "[Windows]\r\nA.TXT=100\r\nb.txt=20\r\n[Windows\\System]\r\nKERNEL.DLL=5\r\n");
    EXPECT_EQ(On<zarvik::ZeroLengthFilesPage>().ListBox8.Items(),
              (Lines{Win("EMPTY.TXT"), Sys("ZERO.DLL")}));
    EXPECT_EQ(On<zarvik::FilesChangedPage>().ListBox3.Count(), 0);
    EXPECT_EQ(On<zarvik::FilesAddedPage>().ListBox4.Count(), 0);
    EXPECT_EQ(On<zarvik::FilesDeletedPage>().ListBox2.Count(), 0);
    EXPECT_EQ(On<zarvik::SharedDllFilesPage>().ListBox1.Items(), Lines{zarvik::kNoItemsYet})
        << "Shared DLL pages untouched";
    EXPECT_EQ(Main().StatusBar1.SimpleText(), "<------FileList Built----->");
    EXPECT_FALSE(Main().Label14.Visible());
    EXPECT_EQ(WithoutSelf(LogView()),
              (Lines{"[Windows]", "A.TXT=100", "b.txt=20", "[Windows\\System]", "KERNEL.DLL=5"}));
    // Each logged file's last-write time, in a section beside its size's.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExA(Sys("KERNEL.DLL").c_str(), GetFileExInfoStandard, &data);
    const ULARGE_INTEGER time{{data.ftLastWriteTime.dwLowDateTime, data.ftLastWriteTime.dwHighDateTime}};
    EXPECT_EQ(App().CurrentSession().LogFile().ReadInteger("Windows\\System Times", "KERNEL.DLL", 0),
              static_cast<int64_t>(time.QuadPart));
    EXPECT_EQ(App().CurrentSession().LogFile().ReadInteger("Windows\\System Times", "ZERO.DLL", 0), 0);
}

TEST_F(BuildFileList, AnEmptyWindowsDirectoryCreatesNoSection) {
    WriteFileOfSize(Sys("KERNEL.DLL"), 5);
    Start();
    Build();
    EXPECT_EQ(WithoutSelf(ReadFile(LogPath())), "[Windows\\System]\r\nKERNEL.DLL=5\r\n");
}

TEST_F(BuildFileList, TwoBuildsKeepOneEntryPerNameWithTheLatestSize) {
    WriteFileOfSize(Win("A.TXT"), 100);
    WriteFileOfSize(Win("B.TXT"), 200);
    WriteFileOfSize(Sys("C.DLL"), 300);
    Start();
    Build();
    WriteFileOfSize(Win("A.TXT"), 12345);
    WriteFileOfSize(Win("B.TXT"), 0);  // emptied: keeps its old entry
    Build();
    EXPECT_EQ(WithoutSelf(ReadFile(LogPath())),
              "[Windows]\r\nA.TXT=12345\r\nB.TXT=200\r\n[Windows\\System]\r\nC.DLL=300\r\n");
    EXPECT_EQ(On<zarvik::ZeroLengthFilesPage>().ListBox8.Items(), Lines{Win("B.TXT")})
        << "nothing accumulates";
}

TEST_F(BuildFileList, AFileHeldOpenWithoutSharingIsLoggedAsMinusOne) {
    WriteFileOfSize(Win("LOCKED.DAT"), 100);
    Start();
    LockedFile lock(Win("LOCKED.DAT"));
    ASSERT_TRUE(lock.Held());
    Build();
    EXPECT_EQ(WithoutSelf(ReadFile(LogPath())), "[Windows]\r\nLOCKED.DAT=-1\r\n");
    EXPECT_TRUE(prompts.Errors().empty());
}

TEST_F(BuildFileList, ARefusedWriteStopsAtThatFileAndStillHidesTheLabel) {
    WriteFileOfSize(Win("A.TXT"), 100);
    WriteFileOfSize(Win("B.TXT"), 200);
    Start();
    {
        LockedFile lock(LogPath());
        Build();
    }
    EXPECT_EQ(prompts.Errors(), Lines{"Unable to write to " + LogPath()});
    EXPECT_EQ(Main().StatusBar1.SimpleText(), Win("A.TXT")) << "keeps the path where it stopped";
    EXPECT_FALSE(Main().Label14.Visible());
    EXPECT_EQ(ReadFile(LogPath()), "");
}

class ClearAndExport : public BuildFileList {};

TEST_F(ClearAndExport, ClearErasesWindowsAndSystemOnlyAfterYes) {
    const std::string log =
        "[Windows]\r\nA.TXT=1\r\n[Optional]\r\nCount=1\r\nDirectory0=C:\\T\r\n[Windows\\System]\r\n"
        "B.DLL=2\r\n[Dir0]\r\nC:\\T\\X=3\r\n";
    WriteFile(LogPath(), log);
    Start();
    prompts.answers.push_back(false);
    Click(Main().SpeedButton5);
    EXPECT_EQ(prompts.Questions().back(), "Do you really want to Clear the FileList");
    EXPECT_EQ(ReadFile(LogPath()), log);

    Main().SetStatus("status");
    prompts.answers.push_back(true);
    Click(Main().SpeedButton5);
    EXPECT_EQ(ReadFile(LogPath()),
              "[Optional]\r\nCount=1\r\nDirectory0=C:\\T\r\n[Dir0]\r\nC:\\T\\X=3\r\n");
    EXPECT_EQ(LogView(),
              (Lines{"[Optional]", "Count=1", "Directory0=C:\\T", "[Dir0]", "C:\\T\\X=3"}));
    EXPECT_EQ(Main().StatusBar1.SimpleText(), "status");

    // Nothing left to clear: the file stays as it is and the view is reloaded.
    WriteFile(LogPath(), "[Dir0]\r\nX=1\r\n");
    prompts.answers.push_back(true);
    Click(Main().SpeedButton5);
    EXPECT_EQ(ReadFile(LogPath()), "[Dir0]\r\nX=1\r\n");
    // The view's page is on top now: it shows the new text at once.
    EXPECT_EQ(On<zarvik::LogViewPage>().Memo9.Lines(), (Lines{"[Dir0]", "X=1"}));
}

TEST_F(ClearAndExport, ExportWritesTheViewNotTheFile) {
    WriteFileOfSize(Win("A.TXT"), 100);
    Start();
    Build();
    TempDir out;
    prompts.files.push_back(out / "copy.ini");
    Click(Main().SpeedButton7);
    EXPECT_EQ(prompts.dialogs.back().filter, "Ini File|*.ini");
    EXPECT_EQ(prompts.dialogs.back().defaultExt, "");
    EXPECT_EQ(WithoutSelf(ReadFile(out / "copy.ini")), "[Windows]\r\nA.TXT=100\r\n");

    // Changed by another program: only Refresh shows it.
    WriteFile(LogPath(), "[Windows]\r\nZ.TXT=9\r\n");
    prompts.files.push_back(out / "copy.ini");
    Click(Main().SpeedButton7);
    EXPECT_EQ(WithoutSelf(ReadFile(out / "copy.ini")), "[Windows]\r\nA.TXT=100\r\n");
    Click(On<zarvik::LogViewPage>().Button4);
    EXPECT_EQ(LogView(), (Lines{"[Windows]", "Z.TXT=9"}));

    prompts.files.push_back(std::nullopt);
    Click(Main().SpeedButton7);
    EXPECT_EQ(WithoutSelf(ReadFile(out / "copy.ini")), "[Windows]\r\nA.TXT=100\r\n") << "cancel does nothing";
}

TEST_F(ClearAndExport, TheLogViewIsReadOnlyAndItsWindowTextIsTheLog) {
    WriteFile(LogPath(), "[Windows]\nA.TXT=1\r\n");
    Start();
    ::SendMessageA(On<zarvik::LogViewPage>().Memo9.Handle(), LB_SETSEL, TRUE, -1);
    ::SendMessageA(On<zarvik::LogViewPage>().Memo9.Handle(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(On<zarvik::LogViewPage>().Memo9.Text(), "[Windows]\r\nA.TXT=1");
}

class OptionalDirectories : public BuildFileList {
protected:
    // Moves the tree into `directory` by clicking down from the drive root.
    void Browse(const std::string& directory) {
        On<zarvik::OptionalDirectoriesPage>().DirectoryListBox1.SetDirectory(directory);
        On<zarvik::OptionalDirectoriesPage>().DirectoryListBox1Change();
    }
    void AddDir(const std::string& directory) {
        Browse(directory);
        Click(On<zarvik::OptionalDirectoriesPage>().Button1);
    }
    void Commit() { Click(On<zarvik::OptionalDirectoriesPage>().Button5); }
};

TEST_F(OptionalDirectories, AddRemoveAndClearAll) {
    MakeDirectory(root / "tools");
    MakeDirectory(root / "tools\\sub");
    Start();
    On<zarvik::OptionalDirectoriesPage>().DirectoryListBox1.SetDirectory(root / "tools");
    // The one subfolder.
    const int sub = On<zarvik::OptionalDirectoriesPage>().DirectoryListBox1.Count() - 1;
    ClickEntry(On<zarvik::OptionalDirectoriesPage>().DirectoryListBox1, sub);
    EXPECT_EQ(On<zarvik::OptionalDirectoriesPage>().DirectoryListBox1.Directory(), root / "tools\\sub");
    EXPECT_EQ(On<zarvik::OptionalDirectoriesPage>().Edit1.Text(), root / "tools\\sub");

    Click(On<zarvik::OptionalDirectoriesPage>().Button1);
    Click(On<zarvik::OptionalDirectoriesPage>().Button1);  // duplicates are allowed
    // A double click on the status line adds as well.
    NMHDR hdr{Main().StatusBar1.Handle(),
              static_cast<UINT_PTR>(::GetDlgCtrlID(Main().StatusBar1.Handle())),
              static_cast<UINT>(NM_DBLCLK)};
    ::SendMessageA(Main().Handle(), WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
    EXPECT_EQ(On<zarvik::OptionalDirectoriesPage>().ListBox11.Items(), Lines(3, root / "tools\\sub"));

    On<zarvik::OptionalDirectoriesPage>().ListBox11.SetItemIndex(-1);
    Click(On<zarvik::OptionalDirectoriesPage>().Button2);
    EXPECT_EQ(On<zarvik::OptionalDirectoriesPage>().ListBox11.Count(), 3)
        << "no selection: nothing removed";
    ClickEntry(On<zarvik::OptionalDirectoriesPage>().ListBox11, 1);
    Click(On<zarvik::OptionalDirectoriesPage>().Button2);
    EXPECT_EQ(On<zarvik::OptionalDirectoriesPage>().ListBox11.Count(), 2);
    Click(On<zarvik::OptionalDirectoriesPage>().Button3);
    EXPECT_EQ(On<zarvik::OptionalDirectoriesPage>().ListBox11.Count(), 0);
}

TEST_F(OptionalDirectories, CommitRewritesTheOptionalPartWithEveryDirectory) {
    const std::string a = root / "a", b = root / "b";
    MakeDirectory(a);
    MakeDirectory(b);
    WriteFileOfSize(a + "\\Y.EXE", 50);
    WriteFileOfSize(a + "\\x.dll", 40);
    WriteFileOfSize(a + "\\EMPTY.LOG", 0);
    WriteFileOfSize(a + "\\SECRET", 5);
    ::SetFileAttributesA((a + "\\SECRET").c_str(), FILE_ATTRIBUTE_HIDDEN);
    MakeDirectory(a + "\\SUBDIR");
    WriteFileOfSize(a + "\\SUBDIR\\DEEP.TXT", 5);
    WriteFileOfSize(b + "\\B.TXT", 1);
    WriteFileOfSize(Win("W.TXT"), 3);
    Start();
    Build();
    Type(On<zarvik::FileBrowserPage>().Edit3, "*.txt");
    AddDir(a);
    AddDir(b);
    AddDir(a);
    Commit();

    EXPECT_EQ(WithoutSelf(ReadFile(LogPath())),
              "[Windows]\r\nW.TXT=3\r\n"
              "[Optional]\r\nCount=3\r\nDirectory0=" + a + "\r\nDirectory1=" + b +
                  "\r\nDirectory2=" + a + "\r\n"
              "[Dir0]\r\n" + a + "\\x.dll=40\r\n" + a + "\\Y.EXE=50\r\n"
              "[Dir1]\r\n" + b + "\\B.TXT=1\r\n"
              "[Dir2]\r\n" + a + "\\x.dll=40\r\n" + a + "\\Y.EXE=50\r\n");
    EXPECT_EQ(On<zarvik::ZeroLengthFilesPage>().ListBox8.Items(), Lines(2, a + "\\EMPTY.LOG"))
        << "appended, not cleared";
    EXPECT_EQ(Main().StatusBar1.SimpleText(), "<------FileList Appended----->");
    EXPECT_FALSE(Main().Label14.Visible());
    EXPECT_EQ(WithoutSelf(LogView()).size(), 15u);
    // The browser shows the last scanned directory under the mask of Edit3.
    EXPECT_EQ(On<zarvik::FileBrowserPage>().FileListBox1.Directory(), a);
    EXPECT_EQ(On<zarvik::FileBrowserPage>().FileListBox1.Mask(), "*.txt");
    EXPECT_EQ(On<zarvik::FileBrowserPage>().FileListBox1.Count(), 0);
    EXPECT_EQ(On<zarvik::FileBrowserPage>().DirectoryListBox2.Directory(), a);
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(OptionalDirectories, CommitAfterEmptyingTheListKeepsOnlyCountZero) {
    WriteFile(LogPath(),
              "[Windows]\r\nW.TXT=3\r\n[Optional]\r\nCount=2\r\nDirectory0=C:\\A\r\nDirectory1=C:\\B\r\n"
              "[Dir0]\r\nC:\\A\\X=1\r\n[Dir1]\r\nC:\\B\\Y=2\r\n[Dir2]\r\nC:\\C\\Z=3\r\n");
    Start();
    Commit();
    EXPECT_EQ(ReadFile(LogPath()),
              "[Windows]\r\nW.TXT=3\r\n[Dir2]\r\nC:\\C\\Z=3\r\n[Optional]\r\nCount=0\r\n")
        << "Dir sections beyond the old Count stay";
}

TEST_F(OptionalDirectories, CommitErasesOnlyTheDirSectionsThereAreWhateverTheCount) {
    WriteFile(LogPath(), "[Optional]\r\nCount=2000000000\r\n[Dir1]\r\nC:\\B\\Y=2\r\n");
    Start();
    Commit();
    EXPECT_EQ(ReadFile(LogPath()), "[Optional]\r\nCount=0\r\n");
}

TEST_F(OptionalDirectories, AVanishedDirectoryIsSkippedAndNamedOnce) {
    const std::string a = root / "a", gone = root / "gone", c = root / "c";
    MakeDirectory(a);
    MakeDirectory(gone);
    MakeDirectory(c);
    WriteFileOfSize(a + "\\A.TXT", 10);
    WriteFileOfSize(c + "\\C.TXT", 30);
    Start();
    AddDir(a);
    AddDir(gone);
    AddDir(c);
    RemoveTree(gone);
    Commit();
    EXPECT_EQ(WithoutSelf(ReadFile(LogPath())),
              "[Optional]\r\nCount=3\r\nDirectory0=" + a + "\r\nDirectory1=" + gone +
                  "\r\nDirectory2=" + c + "\r\n[Dir0]\r\n" + a + "\\A.TXT=10\r\n[Dir2]\r\n" + c +
                  "\\C.TXT=30\r\n");
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_NE(prompts.Messages()[0].find(gone), std::string::npos);
    EXPECT_EQ(Main().StatusBar1.SimpleText(), "<------FileList Appended----->");
    EXPECT_FALSE(Main().Label14.Visible());
    EXPECT_EQ(On<zarvik::FileBrowserPage>().FileListBox1.Directory(), c);
}

TEST_F(OptionalDirectories, ARootDirectoryGivesKeysWithTwoBackslashes) {
    // The prefix's drive C: holds few files at its root; one of ours is enough.
    const std::string name = "zk_root_" + std::to_string(::GetCurrentProcessId()) + ".txt";
    WriteFileOfSize("C:\\" + name, 1234);
    Start();
    AddDir("C:\\");
    Commit();
    const std::string log = ReadFile(LogPath());
    ::DeleteFileA(("C:\\" + name).c_str());
    EXPECT_NE(log.find("Directory0=C:\\\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("\r\nC:\\\\" + name + "=1234\r\n"), std::string::npos) << log;
}

TEST_F(OptionalDirectories, ARefusedWriteStillHidesTheLabelAndRestoresTheMask) {
    const std::string a = root / "a";
    MakeDirectory(a);
    WriteFileOfSize(a + "\\A.TXT", 10);
    Start();
    Type(On<zarvik::FileBrowserPage>().Edit3, "*.ini");
    AddDir(a);
    {
        LockedFile lock(LogPath());
        Commit();
    }
    EXPECT_EQ(prompts.Errors(), Lines{"Unable to write to " + LogPath()});
    EXPECT_FALSE(Main().Label14.Visible());
    EXPECT_EQ(On<zarvik::FileBrowserPage>().FileListBox1.Mask(), "*.ini");
}

TEST_F(OptionalDirectories, AnExternalListDisablesCommitButNotTheList) {
    TempDir other;
    WriteFile(other / "x.ini", "[Windows]\r\n");
    StartWithExternalList(other / "x.ini");
    EXPECT_FALSE(On<zarvik::OptionalDirectoriesPage>().Button5.Enabled());
    Click(On<zarvik::OptionalDirectoriesPage>().Button1);
    EXPECT_EQ(On<zarvik::OptionalDirectoriesPage>().ListBox11.Count(), 1);
}

TEST_F(OptionalDirectories, ATreeIsLoggedWithTheFilesOfEveryFolderButHiddenOnes) {
    const std::string t = root / "tree";
    for (const char* d : {"", "\\sub", "\\sub\\deeper", "\\hid"}) MakeDirectory(t + d);
    WriteFileOfSize(t + "\\TOP.TXT", 1);
    WriteFileOfSize(t + "\\sub\\MID.TXT", 2);
    WriteFileOfSize(t + "\\sub\\deeper\\LOW.TXT", 3);
    WriteFileOfSize(t + "\\hid\\NO.TXT", 4);
    ::SetFileAttributesA((t + "\\hid").c_str(), FILE_ATTRIBUTE_HIDDEN);
    Start();
    On<zarvik::OptionalDirectoriesPage>().CheckBox2.SetChecked(true);
    AddDir(t);
    EXPECT_EQ(On<zarvik::OptionalDirectoriesPage>().ListBox11.Items(), Lines{t + "\\*"});
    Commit();
    EXPECT_EQ(WithoutSelf(ReadFile(LogPath())),
              "[Optional]\r\nCount=1\r\nDirectory0=" + t + "\r\nSubdirectories0=1\r\n[Dir0]\r\n" + t +
                  "\\TOP.TXT=1\r\n" + t + "\\sub\\MID.TXT=2\r\n" + t + "\\sub\\deeper\\LOW.TXT=3\r\n");
}

}  // namespace
