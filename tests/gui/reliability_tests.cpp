// Bad input and faults: damaged list files and reports, files the viewer
// cannot take in one piece, a log that refuses writes, a disk that is full.
#include <algorithm>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "gui/FileListTestSupport.h"
#include "shell/FileProbe.h"
#include "core/TextHelpers.h"
#include "gui/support/UnixTools.h"
#include "inspect/Unit5.h"
#include "report/Unit2.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

class Faults : public ProgramTest {
protected:
    std::string Win(const std::string& name) const { return WindowsDir() + "\\" + name; }
    std::string Sys(const std::string& name) const { return SystemDir() + "\\" + name; }
    zarvik::TForm2& Tool() { return App().Form2(); }
    Lines Added() { return On<zarvik::FilesAddedPage>().ListBox4.Items(); }
    Lines Changed() { return On<zarvik::FilesChangedPage>().ListBox3.Items(); }
    void Analyze() { Click(Main().SpeedButton2); }
};

// --- External list files that are not logs ---------------------------------

std::string Garbage(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

TEST_F(Faults, AnExternalListOfGarbageStartsAndAnalyzesWhatItCan) {
    struct Case {
        const char* name;
        std::string bytes;
        bool keptIsLogged;  // whether the one readable entry can be found
    };
    const std::string entry = "\r\n[Windows]\r\nKEPT.TXT=100\r\n";
    const std::vector<Case> cases = {
        // A damaged Count far beyond the sections there are must not walk them all.
        {"binary garbage ending in readable sections",
         Garbage(1 << 20, 7) + "\r\n[Optional]\r\nCount=2000000000\r\n" + entry, true},
        {"50 MB of one line", std::string(50'000'000, 'K') + "EPT.TXT=100", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir other;
        WriteFile(other / "list.ini", c.bytes);
        WriteFileOfSize(Win("KEPT.TXT"), 100);
        WriteFileOfSize(Sys("OTHER.DLL"), 10);
        StartWithExternalList(other / "list.ini");
        EXPECT_EQ(App().CurrentSession().LogFileName(), other / "list.ini");
        EXPECT_TRUE(prompts.Errors().empty());

        Analyze();
        EXPECT_EQ(Main().StatusBar1.SimpleText(), "<------FileList Analyzed----->");
        EXPECT_TRUE(prompts.Errors().empty());
        const Lines added = Added();
        EXPECT_NE(std::find(added.begin(), added.end(), Sys("OTHER.DLL") + " = 1K"), added.end());
        EXPECT_EQ(std::find(added.begin(), added.end(), Win("KEPT.TXT") + " = 1K") == added.end(),
                  c.keptIsLogged);
        EXPECT_TRUE(Changed().empty());
        EXPECT_EQ(ReadFile(other / "list.ini").size(), c.bytes.size()) << "left as it was";
        Stop();
        prompts.asked.clear();
    }
}

// --- Report files that are not whole reports --------------------------------

TEST_F(Faults, AReportThatIsNotWholeRtfOpensAsItsText) {
    Start();
    Tool().AppendLine("a report line");
    const std::string saved = root / "whole.zvk";
    prompts.files.push_back(saved);
    Click(Tool().SpeedButton2);
    const std::string rtf = ReadFile(saved);
    ASSERT_EQ(rtf.rfind("{\\rtf", 0), 0u);

    struct Case {
        const char* name;
        std::string bytes;
        Lines page;
    };
    const std::string cut = rtf.substr(0, rtf.size() / 2);
    const std::vector<Case> cases = {
        {"binary, not RTF", std::string("\x89PNG\r\n\xff\xfe\0data", 13), {"\x89PNG", "\xff\xfe" "data"}},
        {"RTF cut short", cut, zarvik::SplitLines(cut)},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Tool().ClearPage();
        Tool().AppendLine("before");
        const std::string file = root / "bad.zvk";
        WriteFile(file, c.bytes);
        prompts.files.push_back(file);
        Click(Tool().SpeedButton1);
        EXPECT_TRUE(prompts.Errors().empty());
        EXPECT_EQ(Tool().RichEdit1.Lines(), c.page);
    }
}

// --- Files the viewer cannot take whole ------------------------------------

TEST_F(Faults, TheViewerShowsAnEmptyFileAndA2GbFileUnderTheirPaths) {
    Start();
    zarvik::TForm5& view = App().Form5();
    const std::string empty = root / "empty.bin";
    WriteFile(empty, "");
    view.OpenInViewer(empty);
    EXPECT_EQ(view.Edit1.Text(), empty);
    EXPECT_TRUE(view.Memo1.Lines().empty());
    EXPECT_TRUE(view.Memo2.Lines().empty());

    // Sparse: 2 GB of holes with one string at the end, which is only found
    // when the whole file is read.
    const std::string huge = root / "huge.bin";
    {
        ui::FileHandle f(::CreateFileA(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(f);
        const std::string tail("Hello World\0\0", 13);
        LARGE_INTEGER at{};
        at.QuadPart = (2LL << 30) - static_cast<LONGLONG>(tail.size());
        ASSERT_TRUE(::SetFilePointerEx(f.Get(), at, nullptr, FILE_BEGIN));
        DWORD written = 0;
        ASSERT_TRUE(::WriteFile(f.Get(), tail.data(), static_cast<DWORD>(tail.size()), &written, nullptr));
        ASSERT_TRUE(::SetEndOfFile(f.Get()));
    }
    view.OpenInViewer(huge);
    EXPECT_EQ(view.Edit1.Text(), huge);
    EXPECT_EQ(view.Memo1.Lines(), Lines{"Hello World"});
    EXPECT_TRUE(prompts.Errors().empty());
}

// --- A log that refuses writes ---------------------------------------------

TEST_F(Faults, ALogThatRefusesWritesStopsEachCommandAndKeepsWhatItHeld) {
    const std::string log = "[Windows]\r\nOLD.TXT=5\r\n[Optional]\r\nCount=1\r\nDirectory0=C:\\T\r\n"
                            "[Dir0]\r\nC:\\T\\X=3\r\n";
    WriteFileOfSize(Win("A.TXT"), 100);
    const std::string extra = root / "extra";
    MakeDirectory(extra);
    WriteFileOfSize(extra + "\\E.TXT", 10);
    WriteFile(LogPath(), log);
    Start();  // makes the log writable again
    On<zarvik::OptionalDirectoriesPage>().DirectoryListBox1.SetDirectory(extra);
    On<zarvik::OptionalDirectoriesPage>().DirectoryListBox1Change();
    Click(On<zarvik::OptionalDirectoriesPage>().Button1);

    // A locked log during Build and Commit is in filelist_tests.
    struct Refusal {
        const char* name;
        bool locked;
        std::function<void()> run;
    };
    const std::vector<Refusal> refusals = {
        {"Build, read-only", false, [&] { prompts.answers.push_back(true); Click(Main().SpeedButton1); }},
        {"Commit, read-only", false, [&] { Click(On<zarvik::OptionalDirectoriesPage>().Button5); }},
        {"Clear, read-only", false, [&] { prompts.answers.push_back(true); Click(Main().SpeedButton5); }},
        {"Clear, locked", true, [&] { prompts.answers.push_back(true); Click(Main().SpeedButton5); }},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        prompts.asked.clear();
        {
            std::optional<LockedFile> lock;
            if (refusal.locked) {
                lock.emplace(LogPath());
                ASSERT_TRUE(lock->Held());
            } else {
                ::SetFileAttributesA(LogPath().c_str(), FILE_ATTRIBUTE_READONLY);
            }
            refusal.run();
        }
        ::SetFileAttributesA(LogPath().c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(prompts.Errors(), Lines{"Unable to write to " + LogPath()});
        EXPECT_EQ(ReadFile(LogPath()), log);
        EXPECT_FALSE(Main().Label14.Visible());
    }
}

// --- A full disk -----------------------------------------------------------

// A small tmpfs mounted over a directory of the test, so that a real write
// runs out of space. Skips where the host does not let the test mount.
class FullDisk : public Faults {
protected:
    void SetUp() override {
        if (!UnderWine()) GTEST_SKIP() << "mounts through the host's shell";
        mount_ = root / "full";
        MakeDirectory(mount_);
        hostMount_ = UnixPath(mount_);
        const auto out = RunHostShell("mount -t tmpfs -o size=64k tmpfs '" + hostMount_ +
                                      "' && echo MOUNTED");
        if (!out || out->find("MOUNTED") == std::string::npos) {
            hostMount_.clear();
            GTEST_SKIP() << "cannot mount a small tmpfs here: " << out.value_or("no shell");
        }
    }
    void TearDown() override {
        Stop();
        if (!hostMount_.empty()) RunHostShell("umount -l '" + hostMount_ + "'");
    }
    // Takes every free block, so that the next write that needs one fails.
    void Fill() {
        ui::FileHandle f(::CreateFileA((mount_ + "\\filler").c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(f);
        const std::string block(4096, 'f');
        DWORD written = 0;
        for (int i = 0; i < 64 && ::WriteFile(f.Get(), block.data(), 4096, &written, nullptr) &&
                        written == 4096;
             ++i) {
        }
        const std::string last(1, 'f');
        while (::WriteFile(f.Get(), last.data(), 1, &written, nullptr) && written == 1) {
        }
    }
    std::string mount_, hostMount_;
};

TEST_F(FullDisk, WhereNoFileCanBeMadeBesideItASaveWritesInPlaceAndSaysSo) {
    const std::string report = mount_ + "\\report.zvk";
    WriteFile(report, "old");
    RunHostShell("mount -o remount,nr_inodes=2 '" + hostMount_ + "'");  // no room for another
    Start();
    prompts.files.push_back(report);
    Click(Tool().SpeedButton2);
    EXPECT_EQ(prompts.Messages(), Lines{zarvik::InPlaceWriteText(report)});
}

TEST_F(FullDisk, ASaveThatRunsOutOfSpaceKeepsTheOldFileAndShowsTheError) {
    paths.windows = mount_ + "\\windows";
    paths.system = paths.windows + "\\system";
    MakeDirectory(paths.windows);
    MakeDirectory(paths.system);
    const std::string oldText = "old\r\ncontent\r\n";
    const std::string report = mount_ + "\\report.zvk", exported = mount_ + "\\copy.ini",
                      winIni = paths.windows + "\\win.ini";
    for (const std::string& f : {report, exported, winIni}) WriteFile(f, oldText);
    WriteFileOfSize(Win("A.TXT"), 100);
    WriteFile(LogPath(), "[Windows]\r\n" + std::string(8000, 'e') + "=1\r\n");  // what Export copies
    Start();
    ASSERT_TRUE(On<zarvik::AdditionalPage>().Button53.Enabled());
    Tool().AppendLine(std::string(8000, 'r'));
    Type(On<zarvik::AdditionalPage>().Memo21, std::string(8000, 'w'));
    Fill();

    struct Save {
        const char* name;
        std::string file;
        std::function<void()> run;
    };
    const std::vector<Save> saves = {
        {"report", report, [&] { prompts.files.push_back(report); Click(Tool().SpeedButton2); }},
        {"win.ini", winIni,
         [&] { prompts.answers.push_back(true); Click(On<zarvik::AdditionalPage>().Button53); }},
        {"export", exported, [&] { prompts.files.push_back(exported); Click(Main().SpeedButton7); }},
    };
    for (const Save& save : saves) {
        SCOPED_TRACE(save.name);
        prompts.asked.clear();
        save.run();
        ASSERT_EQ(prompts.Errors().size(), 1u);
        EXPECT_NE(prompts.Errors()[0].find(save.file), std::string::npos) << prompts.Errors()[0];
        EXPECT_EQ(ReadFile(save.file), oldText);
        EXPECT_FALSE(Exists(save.file + ".~zk")) << "nothing left beside it";
    }
}

}  // namespace
