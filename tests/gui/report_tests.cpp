// The Reporting Tool, the page reports and the change report, driven
// through the real windows.
#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui/support/Harness.h"
#include "gui/support/UnixTools.h"
#include "report/Unit2.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

const char* const kNote1 =
    "Please Note: these filesizes are approximate and won't always match the sizes quoted in "
    "explorer.";
const char* const kNote2 =
    "For the exact size you will need to examine the file. The size is divided by 1000 (Not 1024 "
    "since";
const char* const kNote3 =
    "the size seems to differ more from explorers size) They are only intended as a rough "
    "guideline.";

class Reporting : public ProgramTest {
protected:
    void SetUp() override { Start(); }

    zarvik::TForm2& Tool() { return App().Form2(); }
    ui::RichEdit& Page() { return Tool().RichEdit1; }
    Lines PageLines() { return Page().Lines(); }

    // Whether the whole paragraph is bold (false when it is mixed or plain).
    bool Bold(int paragraph) {
        const int start = Page().ParagraphStart(paragraph);
        const int length = static_cast<int>(PageLines()[static_cast<size_t>(paragraph)].size());
        const CHARFORMAT2A cf = Page().RangeFormat(start, start + std::max(length, 1));
        return (cf.dwMask & CFM_BOLD) && (cf.dwEffects & CFE_BOLD);
    }
    // Which paragraphs are bold, one flag each.
    std::vector<bool> BoldLines() {
        std::vector<bool> flags;
        for (size_t i = 0; i < PageLines().size(); ++i) flags.push_back(Bold(static_cast<int>(i)));
        return flags;
    }
    std::vector<int> TabStops(int paragraph) {
        const int start = Page().ParagraphStart(paragraph);
        const PARAFORMAT2 pf = Page().RangeParagraph(start, start);
        std::vector<int> points;
        for (int i = 0; i < pf.cTabCount; ++i) points.push_back(pf.rgxTabs[i] / 20);
        return points;
    }
    void FillList(ui::ListBox& list, const Lines& items) {
        list.Clear();
        for (const std::string& i : items) list.Add(i);
    }
    void EmptyResultLists() {
        for (ui::ListBox* l :
             {&On<zarvik::ZeroLengthFilesPage>().ListBox8, &On<zarvik::FilesAddedPage>().ListBox4,
              &On<zarvik::FilesDeletedPage>().ListBox2, &On<zarvik::FilesChangedPage>().ListBox3,
              &On<zarvik::SharedDllFilesPage>().ListBox1,
              &On<zarvik::MissingSharedDllFilesPage>().ListBox6})
            l->Clear();
        Main().SpeedButton6.SetEnabled(true);
    }
    // Skips the test unless the host's PDF printer is the default one, or
    // fails it when the test command set that printer up.
    void NeedPdfPrinter() {
        if (!UnderWine()) GTEST_SKIP() << "needs the host's CUPS, reached through Wine";
        const auto said = RunHostShell("sh '" ZARVIK_SCRIPTS "/printed-pdf.sh' mark");
        if (said && said->rfind("READY", 0) == 0) return;
        ASSERT_FALSE(PrinterSetUp()) << said.value_or("no shell");
        GTEST_SKIP() << said.value_or("no shell");
    }
    std::string PrintedPdf(const std::string& title) {
        return RunHostShell("sh '" ZARVIK_SCRIPTS "/printed-pdf.sh' wait '" + title + "'").value_or("");
    }
};

// --- The window as created ------------------------------------------------

TEST_F(Reporting, StartsHiddenAndEmptyWithItsDefaultsAndToolbar) {
    auto& t = Tool();
    EXPECT_FALSE(t.Visible());
    EXPECT_EQ(t.Text(), "Zarvik Reporting Tool");
    EXPECT_TRUE(PageLines().empty());
    EXPECT_FALSE(t.AutoClear());
    EXPECT_FALSE(App().Form3().Visible());
    EXPECT_EQ(App().Form3().Text(), "Find Text");

    const CHARFORMAT2A def = Page().DefaultFormat();
    EXPECT_STREQ(def.szFaceName, "MS Sans Serif");
    EXPECT_EQ(def.yHeight, 160);
    EXPECT_EQ(TabStops(0), (std::vector<int>{40, 205, 320, 400}));

    const std::vector<std::pair<ui::Window*, std::string>> hints = {
        {&t.SpeedButton5, "Cut"},          {&t.SpeedButton6, "Copy"},
        {&t.SpeedButton7, "Paste"},        {&t.SpeedButton9, "Set Font"},
        {&t.SpeedButton12, "Left Justify"}, {&t.SpeedButton10, "Center"},
        {&t.SpeedButton11, "Right Justify"}, {&t.Button1, "Tabs"},
        {&t.SpeedButton1, "Open Report"},  {&t.SpeedButton2, "Save Report"},
        {&t.SpeedButton8, "Clear Page"},   {&t.SpeedButton3, "Print Report"},
        {&t.CheckBox1, "AutoClear"},       {&t.SpeedButton4, "Exit Reporting Tool"}};
    int lastX = -1;
    for (const auto& [w, hint] : hints) {
        EXPECT_EQ(w->Text(), hint);
        EXPECT_GT(w->Bounds().x, lastX) << hint << " stands left to right";
        lastX = w->Bounds().x;
    }
    EXPECT_EQ(t.SpeedButton5.Bounds().w, 25);
    EXPECT_EQ(t.SpeedButton5.Bounds().h, 25);
    EXPECT_FALSE(t.SpeedButton12.Down() || t.SpeedButton10.Down() || t.SpeedButton11.Down());
}

TEST_F(Reporting, TheMainWindowsButtonShowsItAndExitOnlyHidesIt) {
    Click(Main().SpeedButton11);
    EXPECT_TRUE(Tool().Visible());
    FillList(On<zarvik::ZeroLengthFilesPage>().ListBox8, {"C:\\A.TXT"});
    Click(On<zarvik::ZeroLengthFilesPage>().Button8);
    Click(Tool().SpeedButton4);
    EXPECT_FALSE(Tool().Visible());
    Click(On<zarvik::ZeroLengthFilesPage>().Button8);
    EXPECT_TRUE(Tool().Visible());
    EXPECT_EQ(PageLines(), (Lines{"Zero length files:", "   C:\\A.TXT", " ", "Zero length files:",
                                  "   C:\\A.TXT", " "}));
}

WNDPROC richEditProc = nullptr;

// Windows' rich edit leaves the Tab key to the dialog manager; Wine's takes it.
LRESULT CALLBACK AsOnWindows(HWND h, UINT m, WPARAM w, LPARAM l) {
    const LRESULT r = ::CallWindowProcA(richEditProc, h, m, w, l);
    return m == WM_GETDLGCODE ? r & ~(DLGC_WANTTAB | DLGC_WANTMESSAGE | DLGC_WANTALLKEYS) : r;
}

TEST_F(Reporting, TheTabKeyTypesATabOnThePage) {
    Click(Main().SpeedButton11);
    Page().SetFocus();
    const auto swap = [&](WNDPROC p) { return ::SetClassLongPtrA(Page().Handle(), GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(p)); };
    richEditProc = reinterpret_cast<WNDPROC>(swap(&AsOnWindows));
    ::PostMessageA(Page().Handle(), WM_KEYDOWN, VK_TAB, 0);  // as the key arrives
    ::PostQuitMessage(0);
    ui::RunMessageLoop();
    swap(richEditProc);
    EXPECT_EQ(Page().Text(), "\t");
}

// --- Page reports ---------------------------------------------------------

TEST_F(Reporting, AutoClearOffAppendsAndOnReplacesWithoutAQuestion) {
    FillList(On<zarvik::FilesAddedPage>().ListBox4, {"C:\\NEW.DLL = 12K", "C:\\TWO.DLL = 1K"});
    FillList(On<zarvik::FilesDeletedPage>().ListBox2, {"C:\\GONE.DLL"});
    Click(On<zarvik::FilesAddedPage>().Button9);
    Click(On<zarvik::FilesDeletedPage>().Button10);
    EXPECT_EQ(PageLines(),
              (Lines{"Files added since log was created:", "   C:\\NEW.DLL = 12K",
                     "   C:\\TWO.DLL = 1K", " ", "Files deleted since log was created:",
                     "   C:\\GONE.DLL", " "}));
    EXPECT_EQ(BoldLines(), (std::vector<bool>{true, false, false, false, true, false, false}));
    EXPECT_TRUE(Tool().Visible());

    Click(Tool().CheckBox1);
    ASSERT_TRUE(Tool().AutoClear());
    Click(On<zarvik::FilesDeletedPage>().Button10);
    EXPECT_EQ(PageLines(), (Lines{"Files deleted since log was created:", "   C:\\GONE.DLL", " "}));
    EXPECT_EQ(BoldLines(), (std::vector<bool>{true, false, false}));
    EXPECT_TRUE(prompts.asked.size() == 1) << "only the start-up question was asked";
    EXPECT_EQ(On<zarvik::FilesDeletedPage>().ListBox2.Items(), Lines{"C:\\GONE.DLL"})
        << "the list is only read";
}

TEST_F(Reporting, AnEmptyListGivesItsHeadingAndTheOneSpaceLine) {
    On<zarvik::SharedDllFilesPage>().ListBox1.Clear();
    Page().SetPlainText("x\r\n");  // an empty last paragraph: the heading goes on it
    Click(On<zarvik::SharedDllFilesPage>().Button12);
    EXPECT_EQ(PageLines(), (Lines{"x", "SharedDLL files:", " "}));
    EXPECT_EQ(BoldLines(), (std::vector<bool>{false, true, false}));
}

TEST_F(Reporting, ANeverAnalysedPageCopiesItsPlaceholderLine) {
    Click(On<zarvik::MissingSharedDllFilesPage>().Button13);
    EXPECT_EQ(PageLines(), (Lines{"Missing SharedDLL files:", std::string("   ") + zarvik::kNoItemsYet,
                                  " "}));
    Click(On<zarvik::FilesChangedPage>().Button11);
    EXPECT_EQ(PageLines().size(), 6u);
    EXPECT_EQ(PageLines()[3], "Files changed since log was created:");
}

TEST_F(Reporting, TabCharactersInEntriesStayAndTheStopsAreThePages) {
    FillList(On<zarvik::FilesChangedPage>().ListBox3, {"C:\\A.DLL\t= 3K", "x\ty\tz"});
    Click(On<zarvik::FilesChangedPage>().Button11);
    EXPECT_EQ(PageLines(), (Lines{"Files changed since log was created:", "   C:\\A.DLL\t= 3K",
                                  "   x\ty\tz", " "}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(TabStops(i), (std::vector<int>{40, 205, 320, 400}));
}

TEST_F(Reporting, EveryPageOfTheFamilyReportsItsOwnList) {
    WriteFile(WindowsDir() + "\\WIN.INI", "x");
    WriteFile(WindowsDir() + "\\NOTEPAD.EXE", "xy");
    On<zarvik::WindowsFilesPage>().FileListBox3.Update();
    Click(On<zarvik::WindowsFilesPage>().Button6);
    EXPECT_EQ(PageLines(),
              (Lines{"Windows files:", "   NOTEPAD.EXE", "   WIN.INI", "   Zarvik.ini", " "}));

    Click(Tool().CheckBox1);
    WriteFile(SystemDir() + "\\USER.EXE", "x");
    On<zarvik::SystemFilesPage>().FileListBox4.Update();
    Click(On<zarvik::SystemFilesPage>().Button7);
    EXPECT_EQ(PageLines(), (Lines{"System files:", "   USER.EXE", " "}));

    FillList(On<zarvik::ZeroLengthFilesPage>().ListBox8, {"C:\\Z.TXT"});
    Click(On<zarvik::ZeroLengthFilesPage>().Button8);
    EXPECT_EQ(PageLines(), (Lines{"Zero length files:", "   C:\\Z.TXT", " "}));

    WriteFile(LogPath(), "[Windows]\r\nWIN.INI=1\r\n");
    Click(On<zarvik::LogViewPage>().Button4);
    Click(On<zarvik::LogViewPage>().Button14);
    EXPECT_EQ(PageLines(), (Lines{"Contents of log file:", "   [Windows]", "   WIN.INI=1", " "}));

    FillList(On<zarvik::OptionalDirectoriesPage>().ListBox11, {"C:\\TOOLS", "D:\\GAMES"});
    Click(On<zarvik::OptionalDirectoriesPage>().Button33);
    EXPECT_EQ(PageLines(),
              (Lines{"Optional directories logged:", "   C:\\TOOLS", "   D:\\GAMES", " "}));
}

TEST_F(Reporting, TheFileBrowserHeadingNamesTheMaskAndTheDirectory) {
    TempDir browsed;
    WriteFile(browsed / "ONE.DLL", "1");
    WriteFile(browsed / "two.dll", "2");
    WriteFile(browsed / "three.txt", "3");
    On<zarvik::FileBrowserPage>().DirectoryListBox2.SetDirectory(browsed.Path());
    On<zarvik::FileBrowserPage>().FileListBox1.SetDirectory(browsed.Path());
    On<zarvik::FileBrowserPage>().FileListBox1.SetMask("*.dll");
    Click(On<zarvik::FileBrowserPage>().Button17);
    const Lines page = PageLines();
    ASSERT_EQ(page.size(), 4u);
    EXPECT_EQ(page[0],
              "Contents (*.dll) of:" + On<zarvik::FileBrowserPage>().DirectoryListBox2.Directory());
    EXPECT_EQ(Lines(page.begin() + 1, page.end()), (Lines{"   ONE.DLL", "   two.dll", " "}));
    EXPECT_TRUE(Bold(0));
}

// --- Clear Page, fonts, alignment, tabs, clipboard -------------------------

TEST_F(Reporting, ClearPageAsksAndOnlyYesEmptiesThePage) {
    FillList(On<zarvik::ZeroLengthFilesPage>().ListBox8, {"C:\\Z.TXT"});
    Click(On<zarvik::ZeroLengthFilesPage>().Button8);
    const Lines before = PageLines();
    prompts.answers.push_back(false);
    Click(Tool().SpeedButton8);
    ASSERT_EQ(prompts.Questions().size(), 2u);
    EXPECT_EQ(prompts.Questions()[1], "Do you want to Clear the page");
    EXPECT_EQ(prompts.asked.back().title, "Zarvik v1.1");
    EXPECT_EQ(PageLines(), before);

    prompts.answers.push_back(true);
    Click(Tool().SpeedButton8);
    EXPECT_TRUE(PageLines().empty());
    Click(On<zarvik::ZeroLengthFilesPage>().Button8);
    EXPECT_EQ(PageLines(), (Lines{"Zero length files:", "   C:\\Z.TXT", " "}));
    EXPECT_EQ(BoldLines(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(TabStops(2), (std::vector<int>{40, 205, 320, 400})) << "a cleared page keeps its stops";
}

TEST_F(Reporting, SetFontIsPresetFromTheSelectionAndOnlyOkChangesIt) {
    FillList(On<zarvik::ZeroLengthFilesPage>().ListBox8, {"C:\\Z.TXT"});
    Click(On<zarvik::ZeroLengthFilesPage>().Button8);
    Page().Select(0, 4);  // "Zero" of the bold heading
    LOGFONTA chosen{};
    chosen.lfHeight = -16;  // 12 point at 96 dpi
    chosen.lfWeight = FW_NORMAL;
    chosen.lfItalic = TRUE;
    lstrcpynA(chosen.lfFaceName, "Courier New", LF_FACESIZE);
    prompts.fonts.push_back(std::nullopt);
    prompts.fonts.push_back(chosen);

    Click(Tool().SpeedButton9);
    EXPECT_EQ(prompts.asked.back().kind, "font");
    EXPECT_EQ(prompts.asked.back().text, "MS Sans Serif") << "preset with the selection's face";
    EXPECT_TRUE(Bold(0)) << "Cancel changes nothing";

    Click(Tool().SpeedButton9);
    const CHARFORMAT2A cf = Page().RangeFormat(0, 4);
    EXPECT_STREQ(cf.szFaceName, "Courier New");
    EXPECT_TRUE(cf.dwEffects & CFE_ITALIC);
    EXPECT_FALSE(cf.dwEffects & CFE_BOLD);
    EXPECT_EQ(cf.yHeight, 240);
    const CHARFORMAT2A rest = Page().RangeFormat(5, 10);
    EXPECT_STREQ(rest.szFaceName, "MS Sans Serif") << "only the selection takes the font";
}

TEST_F(Reporting, TheAlignmentButtonsAreOneGroupAndAlignTheTouchedParagraphs) {
    FillList(On<zarvik::ZeroLengthFilesPage>().ListBox8, {"C:\\A.TXT", "C:\\B.TXT"});
    Click(On<zarvik::ZeroLengthFilesPage>().Button8);
    const int second = Page().ParagraphStart(1);
    Page().Select(second, second + 2);
    Click(Tool().SpeedButton10);
    EXPECT_TRUE(Tool().SpeedButton10.Down());
    EXPECT_FALSE(Tool().SpeedButton11.Down() || Tool().SpeedButton12.Down());
    EXPECT_EQ(Page().RangeParagraph(second, second).wAlignment, PFA_CENTER);
    EXPECT_EQ(Page().RangeParagraph(0, 0).wAlignment, PFA_LEFT);

    Click(Tool().SpeedButton11);
    EXPECT_TRUE(Tool().SpeedButton11.Down());
    EXPECT_FALSE(Tool().SpeedButton10.Down());
    EXPECT_EQ(Page().RangeParagraph(second, second).wAlignment, PFA_RIGHT);
    Click(Tool().SpeedButton12);
    EXPECT_EQ(Page().RangeParagraph(second, second).wAlignment, PFA_LEFT);
    EXPECT_TRUE(Tool().SpeedButton12.Down());
}

TEST_F(Reporting, SetTabsChangesTheStopsOfTextAlreadyThereAndCancelNothing) {
    FillList(On<zarvik::FilesChangedPage>().ListBox3, {"a\tb", "c\td"});
    Click(On<zarvik::FilesChangedPage>().Button11);
    auto& tabs = App().Form4();
    Click(Tool().Button1);
    EXPECT_TRUE(tabs.Visible());
    EXPECT_EQ(std::make_pair(tabs.Bounds().w, tabs.Bounds().h), std::make_pair(351, 128));
    EXPECT_EQ(tabs.Edit1.Text(), "40");
    EXPECT_EQ(tabs.Edit4.Text(), "400");

    tabs.Edit1.SetText("99");
    Click(tabs.Button2);
    EXPECT_FALSE(tabs.Visible());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(TabStops(i), (std::vector<int>{40, 205, 320, 400}));

    Click(Tool().Button1);
    tabs.Edit1.SetText("10");
    tabs.Edit2.SetText("20");
    tabs.Edit3.SetText("30");
    tabs.Edit4.SetText("40");
    Click(tabs.Button1);
    EXPECT_FALSE(tabs.Visible());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(TabStops(i), (std::vector<int>{10, 20, 30, 40})) << i;
    EXPECT_EQ(Page().Selection().cpMin, 0);
    EXPECT_EQ(Page().Selection().cpMax, 0);

    Click(On<zarvik::FilesChangedPage>().Button11);
    EXPECT_EQ(TabStops(6), (std::vector<int>{10, 20, 30, 40})) << "new lines take the page's stops";

    // Not a number keeps the value last set; out of range is brought in.
    Click(Tool().Button1);
    tabs.Edit1.SetText("abc");
    tabs.Edit2.SetText("900");
    Click(tabs.Button1);
    EXPECT_EQ(TabStops(0), (std::vector<int>{10, 500, 30, 40}));
    EXPECT_EQ(tabs.Edit1.Text(), "10");
    EXPECT_EQ(tabs.Edit2.Text(), "500");
}

TEST_F(Reporting, CopyAndPasteGoThroughTheClipboardAsText) {
    FillList(On<zarvik::ZeroLengthFilesPage>().ListBox8, {"C:\\A.TXT"});
    Click(On<zarvik::ZeroLengthFilesPage>().Button8);
    const int entry = Page().ParagraphStart(1);
    Page().Select(entry, entry + 12);
    Click(Tool().SpeedButton6);
    Page().SelectEnd();
    Click(Tool().SpeedButton7);
    EXPECT_EQ(PageLines().back(), "    C:\\A.TXT");
    Page().Select(entry, entry + 3);
    Click(Tool().SpeedButton5);
    EXPECT_EQ(PageLines()[1], "C:\\A.TXT");
}

// --- Report files ---------------------------------------------------------

TEST_F(Reporting, AReportSavedAsTxtHoldsRtfAndComesBackWithItsBoldHeadings) {
    FillList(On<zarvik::FilesAddedPage>().ListBox4, {"C:\\NEW.DLL = 12K"});
    Click(On<zarvik::FilesAddedPage>().Button9);
    Click(On<zarvik::SharedDllFilesPage>().Button12);
    const Lines written = PageLines();
    const std::string file = root / "report.txt";
    prompts.files.push_back(file);
    Click(Tool().SpeedButton2);
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.asked.back().kind, "save");
    EXPECT_EQ(prompts.dialogs[0].filter, "Zarvik v1.1 Log|*.zvk|Text File|*.txt|All Files|*.*");
    EXPECT_EQ(prompts.dialogs[0].defaultExt, "zvk");
    EXPECT_EQ(prompts.dialogs[0].filterIndex, 1);
    EXPECT_EQ(ReadFile(file).rfind("{\\rtf", 0), 0u) << "RTF whatever the extension";

    prompts.answers.push_back(true);
    Click(Tool().SpeedButton8);
    ASSERT_TRUE(PageLines().empty());
    prompts.files.push_back(file);
    Click(Tool().SpeedButton1);
    EXPECT_EQ(prompts.asked.back().kind, "open");
    EXPECT_EQ(prompts.dialogs[1].filter, prompts.dialogs[0].filter);
    EXPECT_EQ(prompts.dialogs[1].defaultExt, "zvk");
    EXPECT_EQ(PageLines(), written);
    EXPECT_EQ(BoldLines(), (std::vector<bool>{true, false, false, true, false, false}));
    EXPECT_EQ(TabStops(1), (std::vector<int>{40, 205, 320, 400})) << "stops travel with the file";
}

TEST_F(Reporting, APlainTextFileOpensAsItsLinesInTheDefaultStyle) {
    Click(On<zarvik::MissingSharedDllFilesPage>().Button13);  // bold text on the page before
    const std::string file = root / "plain.txt";
    WriteFile(file, "alpha\r\nbeta\tgamma\r\n\r\nlast");
    prompts.files.push_back(file);
    Click(Tool().SpeedButton1);
    EXPECT_TRUE(prompts.Errors().empty());
    EXPECT_EQ(PageLines(), (Lines{"alpha", "beta\tgamma", "", "last"}));
    EXPECT_EQ(BoldLines(), (std::vector<bool>{false, false, false, false}));
    EXPECT_STREQ(Page().RangeFormat(0, 5).szFaceName, "MS Sans Serif");
    EXPECT_EQ(Page().RangeFormat(0, 5).yHeight, 160);
}

TEST_F(Reporting, AFileThatCannotBeReadOrWrittenLeavesThePageAndShowsTheError) {
    FillList(On<zarvik::ZeroLengthFilesPage>().ListBox8, {"C:\\Z.TXT"});
    Click(On<zarvik::ZeroLengthFilesPage>().Button8);
    const Lines before = PageLines();
    const std::string missing = root / "nowhere\\gone.zvk";
    prompts.files.push_back(missing);
    Click(Tool().SpeedButton1);
    ASSERT_EQ(prompts.Errors().size(), 1u);
    EXPECT_NE(prompts.Errors()[0].find("gone.zvk"), std::string::npos) << prompts.Errors()[0];
    EXPECT_EQ(PageLines(), before);

    prompts.files.push_back(missing);
    Click(Tool().SpeedButton2);
    ASSERT_EQ(prompts.Errors().size(), 2u);
    EXPECT_FALSE(Exists(missing));
    EXPECT_EQ(PageLines(), before);

    prompts.files.push_back(std::nullopt);
    prompts.files.push_back(std::nullopt);
    Click(Tool().SpeedButton1);
    Click(Tool().SpeedButton2);
    EXPECT_EQ(PageLines(), before) << "a cancelled dialog changes nothing";
    EXPECT_EQ(prompts.Errors().size(), 2u);
}

// --- Change report --------------------------------------------------------

TEST_F(Reporting, AChangeReportOfOneAddedFile) {
    EmptyResultLists();
    FillList(On<zarvik::FilesAddedPage>().ListBox4, {"C:\\WINDOWS\\NEW.DLL = 12K"});
    Click(Main().SpeedButton6);
    EXPECT_TRUE(Tool().Visible());
    EXPECT_EQ(PageLines(), (Lines{"The following files have been ADDED:", kNote1, kNote2, kNote3,
                                  "     C:\\WINDOWS\\NEW.DLL = 12K", " ", " "}));
    EXPECT_EQ(BoldLines(),
              (std::vector<bool>{true, false, false, false, false, false, false}));
}

TEST_F(Reporting, AChangeReportListsTheDowngradesAgainInASectionOfTheirOwn) {
    EmptyResultLists();
    const std::string up = "C:\\UP.DLL = 3K (version 2.0.0.0, was 1.0.0.0)",
                      down = "C:\\DOWN.DLL = 3K (same size, newer; version 1.0.0.0, was 2.0.0.0: older)";
    FillList(On<zarvik::FilesChangedPage>().ListBox3, {up, down});
    Click(Main().SpeedButton6);
    EXPECT_EQ(PageLines(), (Lines{"The following files have been CHANGED:", kNote1, kNote2, kNote3, "     " + up,
                                  "     " + down, " ", " ",
                                  "The following files have been replaced by OLDER VERSIONS:", "     " + down, " ",
                                  " "}));
    std::vector<bool> bold(12, false);
    bold[0] = bold[8] = true;
    EXPECT_EQ(BoldLines(), bold);
}

TEST_F(Reporting, AChangeReportOfOnlyMissingSharedFilesEndsWithTheLastEntry) {
    EmptyResultLists();
    // Not part of the change report.
    FillList(On<zarvik::SharedDllFilesPage>().ListBox1, {"C:\\SHARED.DLL"});
    FillList(On<zarvik::MissingSharedDllFilesPage>().ListBox6, {"C:\\X\\A.DLL", "C:\\X\\B.DLL"});
    Click(Main().SpeedButton6);
    EXPECT_EQ(PageLines(), (Lines{"The following SharedDLLs Registered Files are Missing:",
                                  "     C:\\X\\A.DLL", "     C:\\X\\B.DLL"}));
    EXPECT_EQ(BoldLines(), (std::vector<bool>{true, false, false}));
}

TEST_F(Reporting, AChangeReportHasItsFiveSectionsInOrderAndReplacesThePage) {
    EmptyResultLists();
    FillList(On<zarvik::ZeroLengthFilesPage>().ListBox8, {"C:\\ZERO.TXT"});
    FillList(On<zarvik::FilesAddedPage>().ListBox4, {"C:\\ADD.DLL = 1K"});
    FillList(On<zarvik::FilesDeletedPage>().ListBox2, {"C:\\DEL.DLL"});
    FillList(On<zarvik::FilesChangedPage>().ListBox3, {"C:\\CHG.DLL = 32,767K", "C:\\CHG2.DLL = 2K"});
    FillList(On<zarvik::MissingSharedDllFilesPage>().ListBox6, {"C:\\MISS.DLL"});
    Click(On<zarvik::FilesAddedPage>().Button9);  // earlier text, AutoClear not ticked
    ASSERT_FALSE(Tool().AutoClear());
    Click(Main().SpeedButton6);
    const Lines expected = {"The following files have a ZERO BYTE file length:",
                            "     C:\\ZERO.TXT",
                            " ",
                            " ",
                            "The following files have been ADDED:",
                            kNote1,
                            kNote2,
                            kNote3,
                            "     C:\\ADD.DLL = 1K",
                            " ",
                            " ",
                            "The following files have been REMOVED:",
                            "     C:\\DEL.DLL",
                            " ",
                            " ",
                            "The following files have been CHANGED:",
                            kNote1,
                            kNote2,
                            kNote3,
                            "     C:\\CHG.DLL = 32,767K",
                            "     C:\\CHG2.DLL = 2K",
                            " ",
                            " ",
                            "The following SharedDLLs Registered Files are Missing:",
                            "     C:\\MISS.DLL"};
    EXPECT_EQ(PageLines(), expected);
    std::vector<bool> bold(expected.size(), false);
    for (size_t i : {0u, 4u, 11u, 15u, 23u}) bold[i] = true;
    EXPECT_EQ(BoldLines(), bold);

    const std::string first = Page().Rtf();
    Click(Main().SpeedButton6);
    EXPECT_EQ(PageLines(), expected) << "twice in a row gives the same page";
    EXPECT_EQ(BoldLines(), bold);
    EXPECT_EQ(Page().Rtf(), first);
}

TEST_F(Reporting, AChangeReportOfFiveEmptyListsIsAnEmptyPage) {
    Click(On<zarvik::ZeroLengthFilesPage>().Button8);
    EmptyResultLists();
    Click(Main().SpeedButton6);
    EXPECT_TRUE(Tool().Visible());
    EXPECT_TRUE(PageLines().empty());
}

TEST_F(Reporting, ASavedChangeReportIsReadByAnIndependentRtfReader) {
    if (!UnderWine()) GTEST_SKIP() << "needs the host's unrtf, reached through Wine";
    EmptyResultLists();
    FillList(On<zarvik::ZeroLengthFilesPage>().ListBox8, {"C:\\ZERO.TXT"});
    FillList(On<zarvik::FilesAddedPage>().ListBox4, {"C:\\ADD.DLL = 1K"});
    FillList(On<zarvik::FilesDeletedPage>().ListBox2, {"C:\\DEL.DLL"});
    FillList(On<zarvik::FilesChangedPage>().ListBox3, {"C:\\CHG.DLL = 2K"});
    FillList(On<zarvik::MissingSharedDllFilesPage>().ListBox6, {"C:\\MISS.DLL"});
    Click(Main().SpeedButton6);
    const std::string file = root / "change.zvk";
    prompts.files.push_back(file);
    Click(Tool().SpeedButton2);
    ASSERT_TRUE(Exists(file));
    const auto text = RunHostShell("unrtf --text '" + UnixPath(file) + "'");
    ASSERT_TRUE(text) << "unrtf could not be run";
    for (const std::string& line : PageLines()) {
        if (line == " ") continue;
        // unrtf writes the text of each paragraph on a line of its own.
        EXPECT_NE(text->find(line.substr(line.find_first_not_of(' '))), std::string::npos)
            << line << "\n--- unrtf wrote:\n"
            << *text;
    }
}

// --- Printing -------------------------------------------------------------

TEST_F(Reporting, PrintingWithoutAPrinterShowsTheErrorAndLeavesThePage) {
    FillList(On<zarvik::ZeroLengthFilesPage>().ListBox8, {"C:\\Z.TXT"});
    Click(On<zarvik::ZeroLengthFilesPage>().Button8);
    const std::string before = Page().Rtf();
    prompts.printerAvailable = false;
    Click(Tool().SpeedButton3);
    EXPECT_EQ(prompts.Errors(), Lines{"There is no default printer."});
    EXPECT_EQ(Page().Rtf(), before);
}

TEST_F(Reporting, PrintingDrawsThePageAndGivesThePrinterItsOwnFontBack) {
    NeedPdfPrinter();
    if (IsSkipped() || HasFatalFailure()) return;
    std::string error;
    ui::OwnedDC printer = prompts.DefaultPrinter(error);
    ASSERT_TRUE(printer) << error;
    Tool().AppendLine("plain");
    Tool().BoldOn();
    Tool().AppendLine("bold");
    Tool().BoldOff();
    const HGDIOBJ own = ::GetCurrentObject(printer.Get(), OBJ_FONT);
    Page().Print(printer.Get(), "Zarvik font check");
    // A font still selected into the DC would not have been deleted.
    EXPECT_EQ(::GetCurrentObject(printer.Get(), OBJ_FONT), own);
    const std::string pdf = PrintedPdf("Zarvik font check");
    EXPECT_NE(pdf.find("plain"), std::string::npos) << pdf;
    EXPECT_NE(pdf.find("bold"), std::string::npos) << pdf;
}

TEST_F(Reporting, PrintReportMakesOnePdfUnderItsJobTitle) {
    NeedPdfPrinter();
    if (IsSkipped() || HasFatalFailure()) return;

    EmptyResultLists();
    FillList(On<zarvik::FilesAddedPage>().ListBox4, {"C:\\WINDOWS\\NEWFILE.DLL = 12K"});
    FillList(On<zarvik::MissingSharedDllFilesPage>().ListBox6, {"C:\\WINDOWS\\MISSING.DLL"});
    Click(Main().SpeedButton6);
    const std::string page = Page().Rtf();
    Click(Tool().SpeedButton3);
    ASSERT_TRUE(prompts.Errors().empty()) << prompts.Errors()[0];
    EXPECT_EQ(Page().Rtf(), page);

    const std::string found = PrintedPdf("Zarvik v1.1 Report");
    const size_t split = found.find("====");
    ASSERT_NE(split, std::string::npos) << found;
    const std::string info = found.substr(0, split);
    const std::string text = found.substr(split);
    EXPECT_NE(info.find("Zarvik v1.1 Report"), std::string::npos) << info;
    for (const char* expected :
         {"The following files have been ADDED:", "C:\\WINDOWS\\NEWFILE.DLL = 12K",
          "The following SharedDLLs Registered Files are Missing:", "C:\\WINDOWS\\MISSING.DLL"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

}  // namespace
