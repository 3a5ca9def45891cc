// Analyze FileList and the Shared DLL check, driven through the real windows
// on temporary directories and the test prefix's registry. Every test that
// changes SharedDlls lives here, so parallel test programs never race on it.
#include <string>
#include <utility>
#include <vector>

#include "gui/FileListTestSupport.h"
#include "inspect/Unit5.h"
#include "platform/FileIO.h"
#include "platform/FileNames.h"
#include "platform/SystemFunction.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

class Analyze : public ProgramTest {
protected:
    void Build() {
        prompts.answers.push_back(true);
        Click(Main().SpeedButton1);
    }
    void Run() { Click(Main().SpeedButton2); }
    std::string Win(const std::string& name) const { return WindowsDir() + "\\" + name; }
    std::string Sys(const std::string& name) const { return SystemDir() + "\\" + name; }
    Lines Added() { return On<zarvik::FilesAddedPage>().ListBox4.Items(); }
    Lines Changed() { return On<zarvik::FilesChangedPage>().ListBox3.Items(); }
    Lines Deleted() { return On<zarvik::FilesDeletedPage>().ListBox2.Items(); }
    Lines Zero() { return On<zarvik::ZeroLengthFilesPage>().ListBox8.Items(); }
    // The log logs itself, since it lies in the Windows directory.
    Lines WithoutLog(Lines lines) {
        std::erase_if(lines, [&](const std::string& l) { return l.rfind(LogPath(), 0) == 0; });
        return lines;
    }
};

TEST_F(Analyze, AnEmptyLogListsEveryFileAsAddedWithItsSizeInK) {
    WriteFileOfSize(Win("NEW.TXT"), 999);
    MakeFileOfLength(Win("MID.DAT"), 1500000);
    MakeFileOfLength(Sys("HUGE.DAT"), 5000000000);
    Start();
    EXPECT_FALSE(Main().SpeedButton6.Enabled());
    Run();
    EXPECT_EQ(Added(), (Lines{Win("MID.DAT") + " = 1,500K", Win("NEW.TXT") + " = 1K",
                              Sys("HUGE.DAT") + " = 5,000,000K"}));
    EXPECT_EQ(Zero(), Lines{LogPath()});
    EXPECT_TRUE(Changed().empty());
    EXPECT_TRUE(Deleted().empty());
    EXPECT_TRUE(Main().SpeedButton6.Enabled());
    EXPECT_EQ(Main().StatusBar1.SimpleText(), "<------FileList Analyzed----->");
    EXPECT_FALSE(Main().Label14.Visible());
}

TEST_F(Analyze, ComparesSizesWithTheLogAndFindsDeletedFiles) {
    WriteFileOfSize(Win("SAME.TXT"), 2048);
    WriteFileOfSize(Win("GROWN.TXT"), 2048);
    WriteFileOfSize(Win("EMPTIED.TXT"), 500);
    WriteFileOfSize(Win("GONE.TXT"), 10);
    WriteFileOfSize(Sys("GONE.DLL"), 10);
    WriteFileOfSize(Sys("KEEP.DLL"), 10);
    Start();
    Build();
    const std::string logBefore = ReadFile(LogPath());
    WriteFileOfSize(Win("GROWN.TXT"), 3000);
    WriteFileOfSize(Win("EMPTIED.TXT"), 0);
    ::DeleteFileA(Win("GONE.TXT").c_str());
    ::DeleteFileA(Sys("GONE.DLL").c_str());
    WriteFileOfSize(Sys("ADDED.DLL"), 1000);
    On<zarvik::WindowsFilesPage>().FileListBox3.Update();
    On<zarvik::SystemFilesPage>().FileListBox4.Update();
    Run();

    EXPECT_EQ(WithoutLog(Changed()), (Lines{Win("EMPTIED.TXT") + " = 1K", Win("GROWN.TXT") + " = 3K"}));
    EXPECT_EQ(Added(), Lines{Sys("ADDED.DLL") + " = 1K"});
    EXPECT_EQ(Zero(), Lines{Win("EMPTIED.TXT")}) << "an emptied file is listed twice";
    EXPECT_EQ(Deleted(), (Lines{Win("GONE.TXT"), Sys("GONE.DLL")}));
    EXPECT_EQ(ReadFile(LogPath()), logBefore) << "the analysis never writes the log";

    // A second run gives the same lists: nothing accumulates.
    const Lines changed = Changed(), added = Added(), deleted = Deleted(), zero = Zero();
    Run();
    EXPECT_EQ(Changed(), changed);
    EXPECT_EQ(Added(), added);
    EXPECT_EQ(Deleted(), deleted);
    EXPECT_EQ(Zero(), zero);
}

// 64-bit Windows: a second System directory, a name outside the code page
// and sizes beyond 32 bits, logged exactly and found again.
TEST_F(Analyze, TheThirtyTwoBitSystemDirectoryWideNamesAndHugeSizesRoundTrip) {
    paths.systemWow64 = WindowsDir() + "\\SysWOW64";
    MakeDirectory(paths.systemWow64);
    const std::string wow = paths.systemWow64 + "\\";
    const std::wstring wide = platform::WidePath(WindowsDir()) + L"\\\u65E5\u672C\u8A9E.dll";
    HANDLE f = ::CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(f, std::string(3000, 'x').data(), 3000, &written, nullptr);
    ::CloseHandle(f);
    MakeFileOfLength(Sys("FOUR.DAT"), 4294967296);
    MakeFileOfLength(wow + "FIVE.DAT", 5000000000);
    WriteFileOfSize(wow + "GONE.DLL", 10);
    Start();
    Run();
    // A log without the 32-bit System directory's section leaves it out.
    EXPECT_EQ(Added(), (Lines{Win("<65E5><672C><8A9E>.dll = 3K"), Sys("FOUR.DAT = 4,294,967K")}));
    Build();
    const std::string log = ReadFile(LogPath());
    EXPECT_NE(log.find("<65E5><672C><8A9E>.dll=3000\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("FOUR.DAT=4294967296\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("[Windows\\SysWOW64]\r\nFIVE.DAT=5000000000\r\n"), std::string::npos) << log;
    EXPECT_EQ(WithoutLog(Zero()), Lines{});

    ::DeleteFileA((wow + "GONE.DLL").c_str());
    MakeFileOfLength(wow + "FIVE.DAT", 5000001000);
    Run();
    EXPECT_EQ(WithoutLog(Changed()), Lines{wow + "FIVE.DAT = 5,000,001K"});
    EXPECT_EQ(Added(), Lines{});
    EXPECT_EQ(Deleted(), Lines{wow + "GONE.DLL"}) << "the wide name is present";
}

// A Build that found the 32-bit System directory empty still logged it, so
// what is put there later is added; a log from before it was logged is not.
TEST_F(Analyze, FilesPutIntoADirectoryLoggedEmptyAreAdded) {
    paths.systemWow64 = WindowsDir() + "\\SysWOW64";
    MakeDirectory(paths.systemWow64);
    const std::string wow = paths.systemWow64 + "\\";
    Start();
    Build();
    WriteFileOfSize(wow + "NEW.DLL", 2000);
    Run();
    EXPECT_EQ(WithoutLog(Added()), Lines{wow + "NEW.DLL = 2K"});
    App().CurrentSession().LogFile().EraseSection("Windows\\SysWOW64 Times");
    Run();
    EXPECT_EQ(WithoutLog(Added()), Lines{});
}

// A replacement that keeps the byte count is found by its time; a log
// without times compares sizes alone.
TEST_F(Analyze, ASameSizeReplacementIsChangedByItsTimeWhenTheLogHasOne) {
    WriteFileOfSize(Sys("KERNEL.DLL"), 3000);
    WriteFileOfSize(Sys("OLDER.DLL"), 3000);
    Start();
    Build();
    for (const auto& [name, ticks] : {std::pair{"KERNEL.DLL", 1800LL}, {"OLDER.DLL", -1800LL}}) {
        HANDLE f = ::CreateFileA(Sys(name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ULARGE_INTEGER t{};
        ::GetFileTime(f, nullptr, nullptr, reinterpret_cast<FILETIME*>(&t));
        t.QuadPart += static_cast<uint64_t>(ticks * 10'000'000);  // half an hour
        ::SetFileTime(f, nullptr, nullptr, reinterpret_cast<FILETIME*>(&t));
        ::CloseHandle(f);
    }
    Run();
    EXPECT_EQ(WithoutLog(Changed()), (Lines{Sys("KERNEL.DLL") + " = 3K (same size, newer)",
                                            Sys("OLDER.DLL") + " = 3K (same size, older)"}));

    zarvik::LogStore& log = App().CurrentSession().LogFile();
    log.EraseSection("Windows\\System Times");
    Run();
    EXPECT_EQ(WithoutLog(Changed()), Lines{});
}

// Our two test libraries have the same size: a copy of one over the other,
// its time set back, is a same-size-same-time replacement.
TEST_F(Analyze, AVersionChangeIsListedWithBothVersionsAndADowngradeIsMarked) {
    const std::string older = ReadFile(ZARVIK_VERSION_OLDER_DLL), newer = ReadFile(ZARVIK_VERSION_NEWER_DLL);
    WriteFile(Sys("DOWN.DLL"), newer);
    WriteFile(Sys("UP.DLL"), older);
    WriteFile(Sys("DAMAGED.DLL"), newer.substr(0, 1000));
    Start();
    Build();
    zarvik::LogStore& log = App().CurrentSession().LogFile();
    EXPECT_EQ(log.ReadSectionKeys("Windows\\System Versions"), (Lines{"DOWN.DLL", "UP.DLL"}));
    EXPECT_EQ(log.ReadInteger("Windows\\System", "DAMAGED.DLL", 0), 1000);

    WriteFile(Sys("DOWN.DLL"), older + std::string(1000, '\0'));  // an overlay keeps the version
    WriteFile(Sys("UP.DLL"), newer);
    HANDLE f = ::CreateFileA(Sys("UP.DLL").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const int64_t logged = log.ReadInteger("Windows\\System Times", "UP.DLL", 0);
    ::SetFileTime(f, nullptr, nullptr, reinterpret_cast<const FILETIME*>(&logged));
    ::CloseHandle(f);
    Run();
    EXPECT_EQ(WithoutLog(Changed()), (Lines{Sys("DOWN.DLL") + " = 4K (version 6.0.8168.0, was 6.2.8073.0: older)",
                                            Sys("UP.DLL") + " = 3K (version 6.2.8073.0, was 6.0.8168.0)"}));

    log.EraseSection("Windows\\System Versions");
    Run();
    EXPECT_EQ(WithoutLog(Changed()), Lines{Sys("DOWN.DLL") + " = 4K"});
}

TEST_F(Analyze, NamesMatchAcrossLetterCase) {
    WriteFileOfSize(Win("WIN.INI"), 431);
    WriteFile(LogPath(), "[windows]\r\nwin.ini=431\r\n[WINDOWS\\SYSTEM]\r\nkernel.dll=5\r\n");
    WriteFileOfSize(Sys("Kernel.DLL"), 5);
    Start();
    Run();
    EXPECT_EQ(WithoutLog(Added()), Lines{});
    EXPECT_TRUE(Deleted().empty());
    EXPECT_TRUE(WithoutLog(Changed()).empty());
}

TEST_F(Analyze, LockedFilesFollowTheSizeMinusOne) {
    WriteFileOfSize(Win("LOCKEDTHEN.DAT"), 100);
    WriteFileOfSize(Win("LOCKEDNOW.DAT"), 100);
    WriteFileOfSize(Win("LOCKEDNEW.DAT"), 100);
    WriteFile(LogPath(), "[Windows]\r\nLOCKEDTHEN.DAT=-1\r\nLOCKEDNOW.DAT=500\r\n");
    Start();
    LockedFile a(Win("LOCKEDTHEN.DAT")), b(Win("LOCKEDNOW.DAT")), c(Win("LOCKEDNEW.DAT"));
    Run();
    EXPECT_EQ(WithoutLog(Changed()), Lines{Win("LOCKEDNOW.DAT") + " = 1K"});
    EXPECT_EQ(WithoutLog(Added()), Lines{Win("LOCKEDNEW.DAT") + " = 1K"});
    EXPECT_EQ(Deleted(), (Lines{Win("LOCKEDTHEN.DAT"), Win("LOCKEDNOW.DAT")}))
        << "a file nobody may read counts as absent";
}

TEST_F(Analyze, EntriesComeInWindowsSystemOptionalOrder) {
    const std::string d0 = root / "d0", d1 = root / "d1";
    MakeDirectory(d0);
    MakeDirectory(d1);
    WriteFile(LogPath(), "[Windows]\r\nW_GONE=1\r\n[Windows\\System]\r\nS_GONE=1\r\n"
                         "[Optional]\r\nCount=2\r\nDirectory0=" + d0 + "\r\nDirectory1=" + d1 +
                         "\r\n[Dir0]\r\n" + d0 + "\\D0_GONE=1\r\n[Dir1]\r\n" + d1 + "\\D1_GONE=1\r\n");
    for (const std::string& p : {Win("W.TXT"), Sys("S.TXT"), d0 + "\\A.TXT", d1 + "\\B.TXT"})
        WriteFileOfSize(p, 5);
    for (const std::string& p : {Win("WZ"), Sys("SZ"), d0 + "\\Z0", d1 + "\\Z1"}) WriteFileOfSize(p, 0);
    Start();
    Type(On<zarvik::FileBrowserPage>().Edit3, "*.ini");
    Run();
    EXPECT_EQ(WithoutLog(Added()), (Lines{Win("W.TXT") + " = 1K", Sys("S.TXT") + " = 1K",
                                          d0 + "\\A.TXT = 1K", d1 + "\\B.TXT = 1K"}));
    EXPECT_EQ(Deleted(), (Lines{Win("W_GONE"), Sys("S_GONE"), d0 + "\\D0_GONE", d1 + "\\D1_GONE"}));
    EXPECT_EQ(Zero(), (Lines{Win("WZ"), Sys("SZ"), d0 + "\\Z0", d1 + "\\Z1"}));
    // The browser is left on the last directory, its mask back from Edit3.
    EXPECT_EQ(On<zarvik::FileBrowserPage>().FileListBox1.Directory(), d1);
    EXPECT_EQ(On<zarvik::FileBrowserPage>().FileListBox1.Mask(), "*.ini");
    EXPECT_EQ(On<zarvik::FileBrowserPage>().DirectoryListBox2.Directory(), d1);
}

TEST_F(Analyze, AVanishedOptionalDirectoryListsAllItsFilesAsDeletedAndGoesOn) {
    const std::string gone = root / "gone", next = root / "next";
    MakeDirectory(gone);
    MakeDirectory(next);
    WriteFileOfSize(gone + "\\ONE.DLL", 5);
    WriteFileOfSize(gone + "\\TWO.DLL", 5);
    WriteFileOfSize(next + "\\N.TXT", 5);
    Start();
    On<zarvik::OptionalDirectoriesPage>().ListBox11.Add(gone);
    On<zarvik::OptionalDirectoriesPage>().ListBox11.Add(next);
    Click(On<zarvik::OptionalDirectoriesPage>().Button5);
    RemoveTree(gone);
    WriteFileOfSize(next + "\\NEW.TXT", 5);
    Run();
    EXPECT_EQ(Deleted(), (Lines{gone + "\\ONE.DLL", gone + "\\TWO.DLL"}));
    EXPECT_EQ(WithoutLog(Added()), Lines{next + "\\NEW.TXT = 1K"}) << "the next directory is analysed";
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_NE(prompts.Messages()[0].find(gone), std::string::npos);
    EXPECT_EQ(Main().StatusBar1.SimpleText(), "<------FileList Analyzed----->");
    EXPECT_FALSE(Main().Label14.Visible());
    EXPECT_EQ(On<zarvik::FileBrowserPage>().FileListBox1.Mask(), "*.*");
}

TEST_F(Analyze, ATreeReportsNewFilesAtAnyDepthGrownOnesAndGoneOnes) {
    const std::string t = root / "tree";
    for (const char* d : {"", "\\a", "\\a\\b", "\\old"}) MakeDirectory(t + d);
    WriteFileOfSize(t + "\\a\\b\\GROWN.TXT", 2000);
    WriteFileOfSize(t + "\\a\\GONE.TXT", 5);
    WriteFileOfSize(t + "\\old\\OLD.TXT", 5);
    Start();
    On<zarvik::OptionalDirectoriesPage>().ListBox11.Add(t + "\\*");
    Click(On<zarvik::OptionalDirectoriesPage>().Button5);
    WriteFileOfSize(t + "\\a\\b\\GROWN.TXT", 3500);
    WriteFileOfSize(t + "\\a\\b\\DEEP.NEW", 5);
    ::DeleteFileA((t + "\\a\\GONE.TXT").c_str());
    RemoveTree(t + "\\old");
    MakeDirectory(t + "\\new");
    WriteFileOfSize(t + "\\new\\N.TXT", 5);
    std::vector<std::string> deep{t + "\\long"};
    while (deep.back().size() <= MAX_PATH) deep.push_back(deep.back() + "\\" + std::string(60, 'd'));
    for (const std::string& d : deep) ::CreateDirectoryW(platform::ApiPath(d).c_str(), nullptr);
    const std::string distant = deep.back() + "\\FAR.TXT";
    platform::WriteWholeFile(distant, "12345");
    Run();
    ::DeleteFileW(platform::ApiPath(distant).c_str());
    for (auto d = deep.rbegin(); d != deep.rend(); ++d) ::RemoveDirectoryW(platform::ApiPath(*d).c_str());
    EXPECT_EQ(WithoutLog(Added()), (Lines{t + "\\a\\b\\DEEP.NEW = 1K", distant + " = 1K", t + "\\new\\N.TXT = 1K"}));
    EXPECT_EQ(Changed(), Lines{t + "\\a\\b\\GROWN.TXT = 3K"});
    EXPECT_EQ(Deleted(), (Lines{t + "\\a\\GONE.TXT", t + "\\old\\OLD.TXT"}));
}

TEST_F(Analyze, AFileThatTwoLoggedDirectoriesReachIsReportedOnce) {
    const std::string t = root / "tree";
    MakeDirectory(t);
    MakeDirectory(t + "\\a");
    Start();
    On<zarvik::OptionalDirectoriesPage>().ListBox11.Add(t + "\\*");
    On<zarvik::OptionalDirectoriesPage>().ListBox11.Add(t + "\\a");
    Click(On<zarvik::OptionalDirectoriesPage>().Button5);
    WriteFileOfSize(t + "\\a\\X.NEW", 5);
    Run();
    EXPECT_EQ(WithoutLog(Added()), Lines{t + "\\a\\X.NEW = 1K"});
}

TEST_F(Analyze, ALogWithoutTheSubdirectoriesKeyComparesTheDirectoryAlone) {
    const std::string d = root / "d";
    MakeDirectory(d);
    MakeDirectory(d + "\\sub");
    WriteFileOfSize(d + "\\TOP.TXT", 5);
    WriteFileOfSize(d + "\\sub\\BELOW.TXT", 5);
    WriteFile(LogPath(), "[Optional]\r\nCount=1\r\nDirectory0=" + d + "\r\n[Dir0]\r\n" + d + "\\OLD.TXT=5\r\n");
    Start();
    Run();
    EXPECT_EQ(WithoutLog(Added()), Lines{d + "\\TOP.TXT = 1K"});
    EXPECT_EQ(Deleted(), Lines{d + "\\OLD.TXT"});
}

TEST_F(Analyze, AMissingDirectoryKeyTestsTheKeysButComparesNoDirectory) {
    const std::string d = root / "d";
    MakeDirectory(d);
    WriteFileOfSize(d + "\\HERE.TXT", 5);
    WriteFile(LogPath(), "[Optional]\r\nCount=2\r\nDirectory1=\r\n[Dir0]\r\n" + d +
                             "\\GONE0=1\r\n" + d + "\\HERE.TXT=5\r\n[Dir1]\r\n" + d + "\\GONE1=1\r\n");
    Start();
    On<zarvik::FileBrowserPage>().FileListBox1.SetDirectory(d);
    Run();
    EXPECT_EQ(Deleted(), (Lines{d + "\\GONE0", d + "\\GONE1"}));
    EXPECT_EQ(WithoutLog(Added()), Lines{}) << "the browser's directory is not compared";
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(Analyze, EveryKeyOfALongSectionIsTestedForDeletion) {
    std::string log = "[Windows]\r\n";
    const int n = 100000;  // far more than 16384 bytes of names
    for (int i = 0; i < n; ++i) log += "A_LONG_NAME_OF_A_FILE_THAT_IS_GONE_" + std::to_string(i) + ".DLL=1\r\n";
    WriteFile(LogPath(), log);
    Start();
    Run();
    ASSERT_EQ(Deleted().size(), static_cast<size_t>(n));
    EXPECT_EQ(Deleted().back(), Win("A_LONG_NAME_OF_A_FILE_THAT_IS_GONE_99999.DLL"));
    EXPECT_FALSE(Main().ListBox5.Visible()) << "the scratch list stays hidden";
}

TEST_F(Analyze, ARootDirectoryMatchesItsDoubleBackslashKeys) {
    const std::string name = "zk_an_" + std::to_string(::GetCurrentProcessId()) + ".txt";
    WriteFileOfSize("C:\\" + name, 2000);
    Start();
    On<zarvik::OptionalDirectoriesPage>().ListBox11.Add("C:\\");
    Click(On<zarvik::OptionalDirectoriesPage>().Button5);
    WriteFileOfSize("C:\\" + name, 3500);
    Run();
    ::DeleteFileA(("C:\\" + name).c_str());
    EXPECT_EQ(WithoutLog(Changed()), Lines{"C:\\\\" + name + " = 3K"});
    for (const std::string& a : Added()) EXPECT_EQ(a.find(name), std::string::npos) << a;
}

TEST_F(Analyze, AnExternalListIsLeftByteForByteUnchanged) {
    TempDir other;
    const std::string external = other / "other.ini";
    const std::string text = "[windows]\r\nOLD.TXT=5\r\n\r\n; a comment\r\n[Optional]\r\nCount=0\r\n";
    WriteFile(external, text);
    WriteFileOfSize(Win("NEW.TXT"), 5);
    StartWithExternalList(external);
    Run();
    EXPECT_EQ(ReadFile(external), text);
    EXPECT_EQ(Deleted(), Lines{Win("OLD.TXT")});
    EXPECT_EQ(WithoutLog(Added()), Lines{Win("NEW.TXT") + " = 1K"});
}

TEST_F(Analyze, TheThousandsSeparatorComesFromTheUserLocale) {
    // Put back however the test ends: the prefix's locale outlives it.
    struct Separator {
        char saved[8] = {};
        Separator() { ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, saved, sizeof saved); }
        ~Separator() { ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, saved); }
    } separator;
    ASSERT_TRUE(::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, "."));
    MakeFileOfLength(Win("MID.DAT"), 1500000);
    Start();
    Run();
    EXPECT_EQ(WithoutLog(Added()), Lines{Win("MID.DAT") + " = 1.500K"});
}

// --- Shared DLLs -------------------------------------------------------------

constexpr const char* kSharedDlls = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";

// Saves the prefix's SharedDlls values and puts them back afterwards.
class SharedDlls : public Analyze {
protected:
    struct Value {
        std::string name;
        DWORD type;
        std::string data;
    };
    void SetUp() override {
        HKEY key;
        existed_ = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedDlls, 0, KEY_READ | KEY_WOW64_64KEY,
                                   &key) == ERROR_SUCCESS;
        if (!existed_) return;
        for (DWORD i = 0;; ++i) {
            char name[1024];
            BYTE data[4096];
            DWORD nameLen = sizeof name, dataLen = sizeof data, type = 0;
            if (::RegEnumValueA(key, i, name, &nameLen, nullptr, &type, data, &dataLen) != ERROR_SUCCESS)
                break;
            saved_.push_back({std::string(name, nameLen), type,
                              std::string(reinterpret_cast<char*>(data), dataLen)});
        }
        ::RegCloseKey(key);
    }
    void TearDown() override {
        Delete();
        if (!existed_) return;
        HKEY key = Create();
        for (const Value& v : saved_)
            ::RegSetValueExA(key, v.name.c_str(), 0, v.type,
                             reinterpret_cast<const BYTE*>(v.data.data()),
                             static_cast<DWORD>(v.data.size()));
        ::RegCloseKey(key);
    }
    static HKEY Create(REGSAM view = KEY_WOW64_64KEY) {
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSharedDlls, 0, nullptr, 0, KEY_ALL_ACCESS | view,
                          nullptr, &key, nullptr);
        return key;
    }
    static void Delete() {
        static auto* deleteKey = platform::SystemFunction<LONG WINAPI(HKEY, LPCSTR, REGSAM, DWORD)>(
            "advapi32.dll", "RegDeleteKeyExA");
        deleteKey(HKEY_LOCAL_MACHINE, kSharedDlls, KEY_WOW64_64KEY, 0);
    }
    // Leaves exactly these values in the key.
    static void Register(const Lines& names) {
        Delete();
        HKEY key = Create();
        for (const std::string& n : names) {
            DWORD count = 1;
            ::RegSetValueExA(key, n.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&count),
                             sizeof count);
        }
        ::RegCloseKey(key);
    }

private:
    bool existed_ = false;
    std::vector<Value> saved_;
};

TEST_F(SharedDlls, PresentFilesAreListedOnceMissingOnesOnBothPages) {
    WriteFileOfSize(Sys("SHARED.DLL"), 5);
    const std::string missing = Sys("REMOVED.DLL");
    Start();
    Register({Sys("SHARED.DLL"), missing, "relative.dll"});
    Run();
    Lines listed = On<zarvik::SharedDllFilesPage>().ListBox1.Items();
    std::sort(listed.begin(), listed.end());
    Lines expected{Sys("SHARED.DLL"), missing, "relative.dll"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);
    // Missing ones keep the registry's order and text.
    Lines missingExpected;
    for (const std::string& n : On<zarvik::SharedDllFilesPage>().ListBox1.Items())
        if (n != Sys("SHARED.DLL")) missingExpected.push_back(n);
    EXPECT_EQ(On<zarvik::MissingSharedDllFilesPage>().ListBox6.Items(), missingExpected);

    // Registered later: listed where the registry enumerates it.
    HKEY key = Create();
    DWORD one = 1;
    ::RegSetValueExA(key, "C:\\LATER.DLL", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4);
    ::RegCloseKey(key);
    Run();
    EXPECT_EQ(On<zarvik::SharedDllFilesPage>().ListBox1.Count(), 4);
    EXPECT_EQ(On<zarvik::MissingSharedDllFilesPage>().ListBox6.Count(), 3);
}

TEST_F(SharedDlls, AnEmptyKeyAndAMissingKeyLeaveBothListsEmpty) {
    Start();
    Register({});
    Run();
    EXPECT_EQ(On<zarvik::SharedDllFilesPage>().ListBox1.Count(), 0);
    EXPECT_EQ(On<zarvik::MissingSharedDllFilesPage>().ListBox6.Count(), 0);

    Register({"C:\\X.DLL"});
    Run();
    EXPECT_EQ(On<zarvik::SharedDllFilesPage>().ListBox1.Count(), 1);
    Delete();
    Run();
    EXPECT_EQ(On<zarvik::SharedDllFilesPage>().ListBox1.Count(), 0)
        << "never the values of CurrentVersion";
    EXPECT_EQ(On<zarvik::MissingSharedDllFilesPage>().ListBox6.Count(), 0);
}

// The 32-bit view's names mean SysWOW64 where they say system32.
TEST_F(SharedDlls, EachViewsNamesAreCheckedAndOpenedWhereItsProgramsMeanThem) {
    char dir[MAX_PATH];
    const std::string name = std::string(dir, ::GetSystemDirectoryA(dir, MAX_PATH)) + "\\zkwow.dll";
    auto* wow64 = platform::SystemFunction<UINT WINAPI(LPSTR, UINT)>("kernel32.dll", "GetSystemWow64DirectoryA");
    const std::string file = std::string(dir, wow64(dir, MAX_PATH)) + "\\zkwow.dll";
    WriteFile(file, std::string("Hello World\0\0", 13));
    Start();
    Register({name});
    HKEY wow32 = Create(KEY_WOW64_32KEY);
    const DWORD one = 1;
    ::RegSetValueExA(wow32, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4);
    Run();
    ::RegDeleteValueA(wow32, name.c_str());
    ::RegCloseKey(wow32);
    ::DeleteFileA(file.c_str());
    ui::ListBox& listed = On<zarvik::SharedDllFilesPage>().ListBox1;
    EXPECT_EQ(listed.Items(), (Lines{name, name + " (32-bit)"}));
    EXPECT_EQ(On<zarvik::MissingSharedDllFilesPage>().ListBox6.Items(), Lines{name});
    DoubleClickEntry(listed, 1);
    EXPECT_EQ(App().Form5().Edit1.Text(), file);
}

}  // namespace
