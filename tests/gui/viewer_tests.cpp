// The File Viewer through the real windows: files on the disk, the lists of
// the main window, and its report.
#include <richedit.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "gui/FileListTestSupport.h"
#include "analysis/SharedDllPages.h"
#include "filelist/ListPages.h"
#include "filelist/ResultPages.h"
#include "inspect/Unit5.h"
#include "report/Unit2.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

const std::string kSample = std::string("Hello World\0\0RegOpenKeyExA\0KERNEL32.DLL\0", 40) +
                            "Software\\Classes\\Example\xFF" + "aeioua" + std::string(2, '\0');
const Lines kSampleStrings = {"Hello World", "RegOpenKeyExA", "KERNEL32.DLL",
                              "Software\\Classes\\Example", "**aeioua"};
const Lines kSampleFindings = {"Appears to use this file:KERNEL32.DLL",
                               "Appears to access Reg Key: Software\\Classes\\Example",
                               "This program appears capable of Registry access"};

class Viewer : public ProgramTest {
protected:
    void SetUp() override {
        Start();
        askedAtStart = prompts.asked.size();
        sample = root / "sample.bin";
        WriteFile(sample, kSample);
    }
    zarvik::TForm5& View() { return App().Form5(); }
    Lines Strings() { return View().Memo1.Lines(); }
    Lines Findings() { return View().Memo2.Lines(); }
    void Open(const std::string& path) {
        View().OpenInViewer(path);
        ui::PumpMessages();
    }
    void ExpectEmptyUnder(const std::string& path) {
        EXPECT_TRUE(View().Visible()) << path;
        EXPECT_EQ(View().Edit1.Text(), path);
        EXPECT_TRUE(Strings().empty()) << path;
        EXPECT_TRUE(Findings().empty()) << path;
    }
    bool NothingAsked() const { return prompts.asked.size() == askedAtStart; }
    std::string sample;
    size_t askedAtStart = 0;
};

TEST_F(Viewer, StartsHiddenWithItsControls) {
    EXPECT_FALSE(View().Visible());
    EXPECT_EQ(View().Text(), std::string(40, ' ') + "File Viewer");
    EXPECT_EQ(View().Button2.Text(), "Generate Report");
    EXPECT_EQ(View().Button1.Text(), "Close");
    EXPECT_TRUE(::GetWindowLongA(View().Edit1.Handle(), GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(::GetWindowLongA(View().Memo1.Handle(), GWL_STYLE) & LBS_EXTENDEDSEL);
    EXPECT_TRUE(::GetWindowLongA(View().Memo2.Handle(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(Viewer, OpeningAFileListsItsStringsThenTheFindings) {
    Open(sample);
    EXPECT_TRUE(View().Visible());
    EXPECT_EQ(View().Edit1.Text(), sample);
    EXPECT_EQ(Strings(), kSampleStrings);
    EXPECT_EQ(Findings(), kSampleFindings);

    const std::string other = root / "other.txt";
    WriteFile(other, std::string("Borland\0\0", 9));
    Open(other);
    EXPECT_EQ(Strings(), Lines{"Borland"}) << "the next file replaces the last";
    EXPECT_EQ(Findings(), Lines{"This program was written in Borland Delphi"});
    EXPECT_TRUE(NothingAsked());
}

TEST_F(Viewer, AFileThatCannotBeReadGivesEmptyListsAndNoMessage) {
    const std::string locked = root / "locked.bin";
    WriteFile(locked, kSample);
    LockedFile hold(locked);
    ASSERT_TRUE(hold.Held());
    for (const std::string& path : {root / "missing.dll", root.Path(), locked, std::string()}) {
        Open(sample);
        Open(path);
        ExpectEmptyUnder(path);
    }
    EXPECT_TRUE(NothingAsked());
}

TEST_F(Viewer, AFileAnotherProgramIsWritingStillOpens) {
    ui::FileHandle writer(::CreateFileA(sample.c_str(), GENERIC_WRITE | DELETE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    Open(sample);
    EXPECT_EQ(Strings(), kSampleStrings);
}

TEST_F(Viewer, ALargeListIsShownWhole) {
    std::string bytes;
    for (int i = 0; i < 40000; ++i) bytes += std::string("Hello World\0", 12);
    const std::string big = root / "big.bin";
    WriteFile(big, bytes + '\0');
    Open(big);
    const Lines strings = Strings();
    EXPECT_EQ(strings.size(), 40000u);
    EXPECT_EQ(strings.back(), "Hello World");
    EXPECT_EQ(::SendMessageA(View().Memo1.Handle(), LB_GETCOUNT, 0, 0), 40000);
    EXPECT_TRUE(Findings().empty());
}

// The keys a user presses in the strings: what they select, copy and delete
// are the lines shown, and the report and the window text follow.
TEST_F(Viewer, SelectedStringsAreCopiedAndDeletedByTheirKeys) {
    Open(sample);
    ui::LineView& view = View().Memo1;
    auto key = [&](WORD vk, bool control) {
        BYTE keys[256] = {};
        keys[VK_CONTROL] = control ? 0x80 : 0;
        ::SetKeyboardState(keys);
        ::SendMessageA(view.Handle(), WM_KEYDOWN, vk, 0);
        keys[VK_CONTROL] = 0;
        ::SetKeyboardState(keys);
    };
    ::SendMessageA(view.Handle(), LB_SELITEMRANGEEX, 1, 2);
    key('C', true);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HGLOBAL copied = ::GetClipboardData(CF_TEXT);
    EXPECT_STREQ(static_cast<const char*>(::GlobalLock(copied)), "RegOpenKeyExA\r\nKERNEL32.DLL");
    ::GlobalUnlock(copied);
    ::CloseClipboard();
    key(VK_DELETE, false);
    EXPECT_EQ(Strings(), (Lines{"Hello World", "Software\\Classes\\Example", "**aeioua"}));
    EXPECT_EQ(view.Text(), "Hello World\r\nSoftware\\Classes\\Example\r\n**aeioua");
    Click(View().Button2);
    EXPECT_EQ(App().Form2().RichEdit1.Lines().at(2), "   Software\\Classes\\Example");
    key('A', true);
    key(VK_DELETE, false);
    EXPECT_TRUE(Strings().empty());
}

TEST_F(Viewer, GenerateReportWritesTheHeadingDirectlyFollowedByThePathThenClose) {
    Open(sample);
    Click(View().Button2);
    zarvik::TForm2& tool = App().Form2();
    EXPECT_TRUE(tool.Visible());
    Lines expected{"List of Strings in file:" + sample};
    for (const std::string& s : kSampleStrings) expected.push_back("   " + s);
    expected.push_back(" ");
    EXPECT_EQ(tool.RichEdit1.Lines(), expected);
    const int start = tool.RichEdit1.ParagraphStart(0);
    const CHARFORMAT2A heading =
        tool.RichEdit1.RangeFormat(start, start + static_cast<int>(expected[0].size()));
    EXPECT_TRUE((heading.dwMask & CFM_BOLD) && (heading.dwEffects & CFE_BOLD));
    const CHARFORMAT2A entry = tool.RichEdit1.RangeFormat(tool.RichEdit1.ParagraphStart(1),
                                                          tool.RichEdit1.ParagraphStart(2));
    EXPECT_FALSE(entry.dwEffects & CFE_BOLD);

    Open(root / "missing.dll");
    Click(View().Button2);
    EXPECT_EQ(tool.RichEdit1.Lines().size(), expected.size() + 2) << "heading and closing line only";

    Click(View().Button1);
    EXPECT_FALSE(View().Visible());
    EXPECT_EQ(View().Edit1.Text(), root / "missing.dll") << "a hidden viewer keeps its content";
}

TEST_F(Viewer, AnExecutableOfTheSystemDirectoryShowsWhatItUses) {
    zarvik::Win32SystemPaths system;
    const std::string kernel32 = system.SystemDirectory() + "\\kernel32.dll";
    Open(kernel32);
    EXPECT_EQ(View().Edit1.Text(), kernel32);
    EXPECT_GT(Strings().size(), 100u);
    const Lines findings = Findings();
    auto has = [&](const std::string& start) {
        return std::any_of(findings.begin(), findings.end(),
                           [&](const std::string& f) { return f.rfind(start, 0) == 0; });
    };
    EXPECT_TRUE(has("Appears to use this file:"));
    EXPECT_TRUE(has("This program appears ")) << "at least one capability";
}

TEST_F(Viewer, DoubleClicksOnTheMainWindowsListsOpenTheirSelectedEntry) {
    WriteFile(WindowsDir() + "\\SAMPLE.BIN", kSample);
    ui::FileListBox& windowsFiles = On<zarvik::WindowsFilesPage>().FileListBox3;
    windowsFiles.Update();
    DoubleClickEntry(windowsFiles, -1);
    EXPECT_FALSE(View().Visible()) << "nothing without a selection";
    const LRESULT at = ::SendMessageA(windowsFiles.Handle(), LB_FINDSTRINGEXACT,
                                      static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("SAMPLE.BIN"));
    ASSERT_GE(at, 0);
    DoubleClickEntry(windowsFiles, static_cast<int>(at));
    EXPECT_EQ(View().Edit1.Text(), WindowsDir() + "\\SAMPLE.BIN");
    EXPECT_EQ(Strings(), kSampleStrings);

    ui::ListBox& added = On<zarvik::FilesAddedPage>().ListBox4;
    added.SetItems({sample + " = 1K"});
    DoubleClickEntry(added, 0);
    std::string lower = sample;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    EXPECT_EQ(View().Edit1.Text(), lower);
    EXPECT_EQ(Strings(), kSampleStrings);

    DoubleClickEntry(On<zarvik::SharedDllFilesPage>().ListBox1, 0);  // the placeholder line
    ExpectEmptyUnder(zarvik::kNoItemsYet);
}

}  // namespace
