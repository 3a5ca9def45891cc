#include "report/Compare.h"

#include <string>

#include "shell/FileProbe.h"
#include "shell/ProductTexts.h"
#include "report/CompareLists.h"
#include "report/Unit2.h"
#include "ui/Layout.h"
#include "ui/UpperCase.h"

namespace zarvik {

namespace {

std::string JoinParagraphs(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) text += '\r';
        text += lines[i];
    }
    return text;
}

void ReplaceContent(ui::RichEdit& box, const std::vector<std::string>& lines) {
    box.Clear();
    box.ReplaceSelection(JoinParagraphs(lines));
    box.Select(0, 0);
}

}  // namespace

std::vector<std::string> UpperCaseKeys(const std::vector<std::string>& lines) {
    std::vector<std::string> keys;
    keys.reserve(lines.size());
    for (const std::string& line : lines) keys.push_back(ui::AnsiUpperCase(line));
    return keys;
}

void TForm9::Create() {
    CreateForm(ui::CentredCaption(99, "Compare Reports"), {.clientWidth = 772, .clientHeight = 474});
    ui::Lay(*this, *this, {{PageControl1, {0, 0, 772, 430}}});
    TabSheet1 = &PageControl1.AddPage("List1");
    TabSheet2 = &PageControl1.AddPage("List2");
    LaySheet(*TabSheet1, 1, {Label1, RichEdit1, Button1, Label3, RichEdit3, Button2, Label5, Edit2},
             "Edit2", &TForm9::Button1Click, &TForm9::Button2Click);
    LaySheet(*TabSheet2, 2, {Label2, RichEdit2, Button4, Label4, RichEdit4, Button5, Label6, Edit1},
             "Edit1", &TForm9::Button4Click, &TForm9::Button5Click);
    for (ui::RichEdit* list : {&RichEdit1, &RichEdit2}) list->SetPlainText(kNoListLoaded);
    for (ui::RichEdit* result : {&RichEdit3, &RichEdit4}) result->SetPlainText(kNoFilesCompared);
    PageControl1.SetActivePage(*TabSheet2);
    using F = TForm9;
    ui::Lay(*this, *this,
            {
                {Button3, {290, 440, 90, 25}, "Compare", &F::Button3Click},
                {Button6, {392, 440, 90, 25}, "Close", &F::Button6Click},
            });
}

// The two sheets are alike: a list with its Load button, what of it the
// other list lacks with its Save button, and the list's name.
void TForm9::LaySheet(ui::TabSheet& sheet, int n, const Sheet& s, const std::string& nameText,
                      void (TForm9::*load)(), void (TForm9::*save)()) {
    const std::string list = "List " + std::to_string(n);
    const std::string other = "List " + std::to_string(3 - n);
    ui::Lay(*this, sheet,
            {
                {s.listLabel, {8, 6, 360, 16}, list},
                {s.list, {8, 24, 370, 310}},
                {s.load, {8, 342, 75, 25}, "Load", load},
                {s.resultLabel, {388, 6, 368, 16}, "Items in " + list + " which were NOT found in " + other},
                {s.result, {388, 24, 368, 310}},
                {s.save, {388, 342, 75, 25}, "Save", save},
                {s.nameLabel, {110, 346, 100, 16}, "Name for " + list},
                {s.name, {212, 342, 166, 21}, nameText},
            });
}

void TForm9::ShowCompare() {
    if (!Visible()) CenterOnScreen();
    ShowModeless();
}

void TForm9::LoadList(ui::RichEdit& box) {
    const auto file = prompts_.OpenFile(Handle(), FileDialogOptions{});
    if (!file) return;
    // Read first: a file that cannot be read leaves the box as it was.
    const std::string bytes = ReadWholeFile(*file);
    box.LoadRtfOrText(bytes);
}

void TForm9::SaveResult(ui::RichEdit& box) {
    const auto file = prompts_.SaveFile(Handle(), FileDialogOptions{});
    if (!file) return;
    if (WriteWholeFile(*file, box.Rtf()) == WriteMethod::InPlace)
        prompts_.Tell(Handle(), InPlaceWriteText(*file), kProductTitle);
}

void TForm9::Button1Click() { LoadList(RichEdit1); }
void TForm9::Button4Click() { LoadList(RichEdit2); }
void TForm9::Button2Click() { SaveResult(RichEdit3); }
void TForm9::Button5Click() { SaveResult(RichEdit4); }
void TForm9::Button3Click() { CompareLists(); }
void TForm9::Button6Click() { Close(); }

void TForm9::CompareLists() {
    TForm2& tool = tool_;
    tool.ShowTool();
    if (tool.AutoClear()) tool.ClearPage();
    RichEdit3.Clear();
    RichEdit4.Clear();

    const std::string name1 = Edit2.Text();
    const std::string name2 = Edit1.Text();
    // Logical lines, so the result never depends on how wide the boxes are.
    const std::vector<std::string> list1 = RichEdit1.Lines();
    const std::vector<std::string> list2 = RichEdit2.Lines();
    const LineComparison found = CompareLineKeys(UpperCaseKeys(list1), UpperCaseKeys(list2));

    auto section = [&tool](const std::string& heading, std::vector<std::string> lines) {
        tool.AppendLine(" ");
        tool.BoldOn();
        tool.AppendLine(heading);
        tool.BoldOff();
        tool.AppendLines(lines);
    };
    auto indented = [](const std::vector<std::string>& lines) {
        std::vector<std::string> out;
        out.reserve(lines.size());
        for (const std::string& l : lines) out.push_back("  " + l);
        return out;
    };

    auto pick = [](const std::vector<std::string>& list, const std::vector<size_t>& which) {
        std::vector<std::string> out;
        out.reserve(which.size());
        for (size_t i : which) out.push_back(list[i]);
        return out;
    };

    const std::vector<std::string> only1 = pick(list1, found.onlyInFirst);
    ReplaceContent(RichEdit3, only1);
    section("The following items were present in " + name1 + " and not present in " + name2,
            indented(only1));

    const std::vector<std::string> only2 = pick(list2, found.onlyInSecond);
    ReplaceContent(RichEdit4, only2);
    section("The following items were present in " + name2 + " and not present in " + name1,
            indented(only2));

    std::vector<std::string> both;
    for (const LineComparison::Shared& s : found.inBoth) {
        for (size_t n = 0; n < s.times; ++n) both.push_back("  " + list2[s.second]);
    }
    section("The following items were present in " + name2 + " AND " + name1, std::move(both));
    tool.AppendLine(" ");
}

}  // namespace zarvik
