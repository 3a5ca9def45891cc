// Compare Reports, driven through the real windows with real files.
#include <richedit.h>

#include <string>
#include <vector>

#include "gui/support/Harness.h"
#include "report/Compare.h"
#include "report/Unit2.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

class Comparing : public ProgramTest {
protected:
    void SetUp() override {
        Start();
        Click(Main().SpeedButton10);
    }

    zarvik::TForm9& Form() { return App().Form9(); }
    ui::RichEdit& Page() { return App().Form2().RichEdit1; }

    void Load(ui::Button& button, const std::string& name, const std::string& bytes) {
        const std::string file = root / name;
        WriteFile(file, bytes);
        prompts.files.push_back(file);
        Click(button);
    }
    bool Bold(int paragraph) {
        const int start = Page().ParagraphStart(paragraph);
        const int length = static_cast<int>(Page().Lines()[static_cast<size_t>(paragraph)].size());
        const CHARFORMAT2A cf = Page().RangeFormat(start, start + length);
        return (cf.dwMask & CFM_BOLD) && (cf.dwEffects & CFE_BOLD);
    }
};

TEST_F(Comparing, TheWindowStartsOnList2WithItsPlaceholdersAndNames) {
    auto& f = Form();
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.Text(), std::string(99, ' ') + "Compare Reports");
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), 1);
    EXPECT_EQ(f.PageControl1.Page(0).Caption(), "List1");
    EXPECT_EQ(f.PageControl1.Page(1).Caption(), "List2");
    EXPECT_EQ(f.RichEdit1.Lines(), Lines{"No List Loaded"});
    EXPECT_EQ(f.RichEdit2.Lines(), Lines{"No List Loaded"});
    EXPECT_EQ(f.RichEdit3.Lines(), Lines{"No Files Compared Yet"});
    EXPECT_EQ(f.RichEdit4.Lines(), Lines{"No Files Compared Yet"});
    EXPECT_EQ(f.Edit2.Text(), "Edit2");
    EXPECT_EQ(f.Edit1.Text(), "Edit1");
    EXPECT_EQ(f.Label3.Text(), "Items in List 1 which were NOT found in List 2");
    EXPECT_EQ(f.Label4.Text(), "Items in List 2 which were NOT found in List 1");
    EXPECT_EQ(f.Label5.Text(), "Name for List 1");
    EXPECT_EQ(f.Label6.Text(), "Name for List 2");
    for (ui::Button* b : {&f.Button1, &f.Button4}) EXPECT_EQ(b->Text(), "Load");
    for (ui::Button* b : {&f.Button2, &f.Button5}) EXPECT_EQ(b->Text(), "Save");
    EXPECT_EQ(f.Button3.Text(), "Compare");
    EXPECT_EQ(f.Button6.Text(), "Close");

    ::SetWindowPos(f.Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Click(f.Button6);
    Click(Main().SpeedButton10);
    EXPECT_GT(f.Bounds().x, 0) << "centred each time it is shown";
}

TEST_F(Comparing, CompareBeforeAnyLoadFindsThePlaceholderInBoth) {
    Click(Form().Button3);
    EXPECT_TRUE(App().Form2().Visible());
    EXPECT_EQ(Page().Lines(),
              (Lines{" ", "The following items were present in Edit2 and not present in Edit1",
                     " ", "The following items were present in Edit1 and not present in Edit2",
                     " ", "The following items were present in Edit1 AND Edit2",
                     "  No List Loaded", " "}));
    EXPECT_TRUE(Bold(1) && Bold(3) && Bold(5));
    EXPECT_FALSE(Bold(0) || Bold(6) || Bold(7));
    EXPECT_TRUE(Form().RichEdit3.Lines().empty());
    EXPECT_TRUE(Form().RichEdit4.Lines().empty());
}

TEST_F(Comparing, DuplicatesCaseAndSpacesFollowTheLineRules) {
    Load(Form().Button1, "one.txt", "twice\r\ntwice\r\ndup\r\ndup\r\nCase\r\n spaced\r\n");
    Load(Form().Button4, "two.txt", "dup\r\nDUP\r\nDup\r\ncase\r\nspaced\r\n");
    EXPECT_EQ(Form().RichEdit1.Lines(), (Lines{"twice", "twice", "dup", "dup", "Case", " spaced"}));
    EXPECT_TRUE(::IsWindowVisible(Form().RichEdit2.Handle())) << "drawn again after the load";
    Form().Edit2.SetText("Before");
    Form().Edit1.SetText("After");
    Click(Form().Button3);

    EXPECT_EQ(Form().RichEdit3.Lines(), (Lines{"twice", "twice", " spaced"}));
    EXPECT_EQ(Form().RichEdit4.Lines(), (Lines{"spaced"}));
    EXPECT_EQ(Page().Lines(),
              (Lines{" ", "The following items were present in Before and not present in After",
                     "  twice", "  twice", "   spaced", " ",
                     "The following items were present in After and not present in Before",
                     "  spaced", " ", "The following items were present in After AND Before",
                     "  dup", "  dup", "  DUP", "  DUP", "  Dup", "  Dup", "  case", " "}));
}

TEST_F(Comparing, EmptyNamesLeaveTwoSpacesTogetherAndAutoClearIsHonoured) {
    Form().Edit2.SetText("");
    Click(Form().Button3);
    EXPECT_EQ(Page().Lines()[1], "The following items were present in  and not present in Edit1");
    Click(Form().Button3);
    EXPECT_EQ(Page().Lines().size(), 16u) << "without AutoClear the sections are added";

    Click(App().Form2().CheckBox1);
    Click(Form().Button3);
    EXPECT_EQ(Page().Lines().size(), 8u) << "with AutoClear the page is cleared first";
}

TEST_F(Comparing, ALineWiderThanTheBoxIsOneLine) {
    const std::string wide(600, 'w');
    Load(Form().Button1, "wide1.txt", wide + " end\r\nshort\r\n");
    Load(Form().Button4, "wide2.txt", wide + " END\r\n");
    Click(Form().Button3);
    EXPECT_EQ(Form().RichEdit3.Lines(), Lines{"short"});
    EXPECT_TRUE(Form().RichEdit4.Lines().empty());
    EXPECT_EQ(Page().Lines()[Page().Lines().size() - 2], "  " + wide + " END");
}

TEST_F(Comparing, ASavedReportLoadsAsItsTextLines) {
    On<zarvik::ZeroLengthFilesPage>().ListBox8.Clear();
    On<zarvik::ZeroLengthFilesPage>().ListBox8.Add("C:\\A.TXT");
    Click(On<zarvik::ZeroLengthFilesPage>().Button8);
    const std::string report = root / "report.zvk";
    prompts.files.push_back(report);
    Click(App().Form2().SpeedButton2);
    prompts.files.push_back(report);
    Click(Form().Button1);
    EXPECT_EQ(Form().RichEdit1.Lines(), (Lines{"Zero length files:", "   C:\\A.TXT", " "}));
}

TEST_F(Comparing, SaveWritesTheResultBoxAsRichTextUnderTheNameAsTyped) {
    Load(Form().Button1, "one.txt", "only here\r\nshared\r\n");
    Load(Form().Button4, "two.txt", "shared\r\nnew\r\n");
    Click(Form().Button3);
    const std::string out1 = root / "result1";
    const std::string out2 = root / "result2";
    prompts.files.push_back(out1);
    Click(Form().Button2);
    prompts.files.push_back(out2);
    Click(Form().Button5);
    ASSERT_TRUE(Exists(out1));
    ASSERT_TRUE(Exists(out2));
    EXPECT_EQ(ReadFile(out1).rfind("{\\rtf", 0), 0u);
    for (const auto& d : prompts.dialogs) {
        EXPECT_EQ(d.filter, "");
        EXPECT_EQ(d.defaultExt, "");
    }
    // Read back through the box that loads lists.
    prompts.files.push_back(out1);
    Click(Form().Button4);
    EXPECT_EQ(Form().RichEdit2.Lines(), Lines{"only here"});
    prompts.files.push_back(out2);
    Click(Form().Button4);
    EXPECT_EQ(Form().RichEdit2.Lines(), Lines{"new"});
    EXPECT_TRUE(::IsWindowVisible(Form().RichEdit2.Handle())) << "drawn again after the load";
}

TEST_F(Comparing, AFileThatCannotBeReadLeavesTheBoxAndShowsTheError) {
    Load(Form().Button1, "one.txt", "kept\r\n");
    prompts.files.push_back(root / "missing\\nothing.txt");
    Click(Form().Button1);
    ASSERT_EQ(prompts.Errors().size(), 1u);
    EXPECT_NE(prompts.Errors()[0].find("nothing.txt"), std::string::npos);
    EXPECT_EQ(Form().RichEdit1.Lines(), Lines{"kept"});
    prompts.files.push_back(std::nullopt);
    Click(Form().Button1);
    EXPECT_EQ(Form().RichEdit1.Lines(), Lines{"kept"});

    prompts.files.push_back(root / "missing\\out.rtf");
    Click(Form().Button2);
    EXPECT_EQ(prompts.Errors().size(), 2u);
}

TEST_F(Comparing, CloseHidesAndKeepsTheListsNamesAndResults) {
    Load(Form().Button1, "one.txt", "a\r\nb\r\n");
    Form().Edit1.SetText("Second");
    Click(Form().Button3);
    Click(Form().Button6);
    EXPECT_FALSE(Form().Visible());
    Click(Main().SpeedButton10);
    EXPECT_TRUE(Form().Visible());
    EXPECT_EQ(Form().RichEdit1.Lines(), (Lines{"a", "b"}));
    EXPECT_EQ(Form().Edit1.Text(), "Second");
    EXPECT_EQ(Form().RichEdit3.Lines(), (Lines{"a", "b"}));
}

}  // namespace
