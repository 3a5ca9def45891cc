#include "report/Unit2.h"

#include <richedit.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "shell/FileProbe.h"
#include "shell/ProductTexts.h"
#include "ui/Glyphs.h"
#include "ui/Layout.h"

namespace zarvik {

namespace {

FileDialogOptions ReportFileDialog() {
    FileDialogOptions o;
    o.filter = kReportFilter;
    o.defaultExt = kReportExtension;
    o.filterIndex = 1;
    return o;
}

CHARFORMAT2A ReportDefaultFormat() {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC |
                CFM_UNDERLINE | CFM_STRIKEOUT;
    cf.dwEffects = CFE_AUTOCOLOR;
    cf.yHeight = kReportFontTwips;
    cf.bCharSet = DEFAULT_CHARSET;
    cf.bPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    lstrcpynA(cf.szFaceName, kReportFontName, LF_FACESIZE);
    return cf;
}

int ScreenDpiY() {
    ui::WindowDC screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

void TForm2::Create() {
    CreateForm("Zarvik Reporting Tool", {.clientWidth = 523, .clientHeight = 490});
    ui::Lay(*this, *this, {{Toolbar, {0, 0, 523, 41}}});
    Hints.Create(Handle());
    auto at = [](int x) { return ui::Rect{x, 8, 25, 25}; };
    using F = TForm2;
    ui::Lay(*this, Toolbar,
            {
                {SpeedButton5, at(4), "Cut", ui::glyphs::Cut(), &F::SpeedButton5Click},
                {SpeedButton6, at(29), "Copy", ui::glyphs::Copy(), &F::SpeedButton6Click},
                {SpeedButton7, at(54), "Paste", ui::glyphs::Paste(), &F::SpeedButton7Click},
                {SpeedButton9, at(86), "Set Font", ui::glyphs::Font(), &F::SpeedButton9Click},
                // One group: the alignment shown stays down.
                {SpeedButton12, at(118), "Left Justify", ui::glyphs::AlignLeft(),
                 &F::SpeedButton12Click, 1},
                {SpeedButton10, at(143), "Center", ui::glyphs::AlignCenter(), &F::SpeedButton10Click, 1},
                {SpeedButton11, at(168), "Right Justify", ui::glyphs::AlignRight(),
                 &F::SpeedButton11Click, 1},
                {Button1, {200, 8, 44, 25}, "Tabs", &F::Button1Click},
                {SpeedButton1, at(252), "Open Report", ui::glyphs::Open(), &F::SpeedButton1Click},
                {SpeedButton2, at(277), "Save Report", ui::glyphs::Save(), &F::SpeedButton2Click},
                {SpeedButton8, at(309), "Clear Page", ui::glyphs::Clear(), &F::SpeedButton8Click},
                {SpeedButton3, at(341), "Print Report", ui::glyphs::Print(), &F::SpeedButton3Click},
                {CheckBox1, {378, 12, 80, 17}, "AutoClear"},
                {SpeedButton4, at(490), "Exit Reporting Tool", ui::glyphs::Exit(),
                 &F::SpeedButton4Click},
            },
            &Hints);
    ui::Lay(*this, *this,
            {{RichEdit1,
              {0, 41, 523, 449},
              {.wordWrap = false, .wantTab = true, .keepSelection = true}}});
    const CHARFORMAT2A def = ReportDefaultFormat();
    RichEdit1.SetDefaultFormat(def);
    RichEdit1.Select(0, -1);
    RichEdit1.SetSelectionFormat(def);
    SetPageTabStops(kDefaultTabStops);
}

void TForm2::ShowTool() { ShowModeless(); }

void TForm2::ClearPage() { RichEdit1.Clear(); }

void TForm2::MoveToEnd() {
    const int end = RichEdit1.TextLength();
    const CHARRANGE sel = RichEdit1.Selection();
    // Moving the insertion point resets its style to the text before it,
    // which would lose a bold switched on for the next line.
    if (sel.cpMin != end || sel.cpMax != end) RichEdit1.Select(end, end);
}

void TForm2::BoldOn() {
    MoveToEnd();
    CHARFORMAT2A cf{};
    cf.dwMask = CFM_BOLD;
    cf.dwEffects = CFE_BOLD;
    RichEdit1.SetSelectionFormat(cf);
}

void TForm2::BoldOff() {
    MoveToEnd();
    CHARFORMAT2A cf{};
    cf.dwMask = CFM_BOLD;
    cf.dwEffects = 0;
    RichEdit1.SetSelectionFormat(cf);
}

void TForm2::AppendLine(std::string_view text) { AppendLines({std::string(text)}); }

void TForm2::AppendLines(const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    MoveToEnd();
    size_t size = lines.size();
    for (const std::string& l : lines) size += l.size();
    std::string block;
    block.reserve(size);
    // A page that ends in an empty paragraph (a file ending in a line end,
    // Enter pressed at the end) has its line end already.
    const int end = RichEdit1.TextLength();
    if (end > 0 && RichEdit1.CharAt(end - 1) != '\r') block += '\r';
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) block += '\r';
        block += lines[i];
    }
    RichEdit1.ReplaceSelection(block);
    RichEdit1.ScrollToCaret();
}

void TForm2::AppendReportBlock(std::string_view heading, const std::vector<std::string>& entries) {
    ShowTool();
    if (AutoClear()) ClearPage();
    BoldOn();
    AppendLine(heading);
    BoldOff();
    std::vector<std::string> lines;
    lines.reserve(entries.size() + 1);
    for (const std::string& e : entries) lines.push_back("   " + e);
    lines.emplace_back(" ");
    AppendLines(lines);
}

void TForm2::SetPageTabStops(const std::array<int, 4>& points) {
    RichEdit1.Select(0, -1);
    RichEdit1.SetSelectionTabStops({points.begin(), points.end()});
    RichEdit1.Select(0, 0);
}

void TForm2::SpeedButton5Click() {
    RichEdit1.SetFocus();
    RichEdit1.Cut();
}

void TForm2::SpeedButton6Click() {
    RichEdit1.SetFocus();
    RichEdit1.Copy();
}

void TForm2::SpeedButton7Click() {
    RichEdit1.SetFocus();
    RichEdit1.PasteText();
}

void TForm2::SpeedButton9Click() {
    const CHARFORMAT2A current = RichEdit1.SelectionFormat();
    LOGFONTA font = ui::FontOfCharFormat(current, ScreenDpiY());
    COLORREF color = (current.dwEffects & CFE_AUTOCOLOR) ? ::GetSysColor(COLOR_WINDOWTEXT)
                                                         : current.crTextColor;
    if (!prompts_.ChooseFont(Handle(), font, color)) return;
    RichEdit1.SetSelectionFormat(ui::FormatOfFont(font, color, ScreenDpiY()));
}

void TForm2::SpeedButton12Click() { RichEdit1.SetSelectionAlignment(PFA_LEFT); }

void TForm2::SpeedButton10Click() { RichEdit1.SetSelectionAlignment(PFA_CENTER); }

void TForm2::SpeedButton11Click() { RichEdit1.SetSelectionAlignment(PFA_RIGHT); }

void TForm2::Button1Click() {
    if (tabs_) tabs_->ShowModeless();
}

void TForm2::SpeedButton1Click() {
    const auto file = prompts_.OpenFile(Handle(), ReportFileDialog());
    if (!file) return;
    // Read first: a file that cannot be read leaves the page as it was.
    const std::string bytes = ReadWholeFile(*file);
    RichEdit1.LoadRtfOrText(bytes);
}

void TForm2::SpeedButton2Click() {
    const auto file = prompts_.SaveFile(Handle(), ReportFileDialog());
    if (!file) return;
    if (WriteWholeFile(*file, RichEdit1.Rtf()) == WriteMethod::InPlace)
        prompts_.Tell(Handle(), InPlaceWriteText(*file), kProductTitle);
}

void TForm2::SpeedButton8Click() {
    if (prompts_.Ask(Handle(), "Do you want to Clear the page", kProductTitle)) ClearPage();
}

void TForm2::SpeedButton3Click() {
    std::string error;
    ui::OwnedDC printer = prompts_.DefaultPrinter(error);
    if (!printer) throw std::runtime_error(error);
    RichEdit1.Print(printer.Get(), kPrintJobTitle);
}

void TForm2::SpeedButton4Click() { Hide(); }

void TForm3::Create(HWND owner) {
    CreateForm("Find Text", {.clientWidth = 280, .clientHeight = 129, .minimizeBox = false}, owner);
}

void TForm4::Create() {
    CreateForm("Tabs", {.outerWidth = 351, .outerHeight = 128, .sizeable = true});
    // The buttons sit at the bottom of whatever client area the frame leaves.
    const int buttonsTop = std::max(58, DesignedClientArea().h - 31);
    const ui::Label::Style numberStyle{.color = RGB(255, 0, 0), .bold = true};
    ui::Label* labels[] = {&Label1, &Label2, &Label3, &Label4};
    ui::Edit* edits[] = {&Edit1, &Edit2, &Edit3, &Edit4};
    ui::UpDown* spins[] = {&UpDown1, &UpDown2, &UpDown3, &UpDown4};
    std::vector<ui::Row<TForm4>> rows;
    for (size_t i = 0; i < 4; ++i) {
        const int x = 14 + static_cast<int>(i) * 84;
        const int value = values_[i];
        rows.push_back({*labels[i], {x, 8, 60, 16}, std::to_string(i + 1), numberStyle});
        rows.push_back({*edits[i], {x, 28, 50, 21}, std::to_string(value)});
        rows.push_back({*spins[i], {x + 50, 28, 16, 21}, *edits[i],
                        {.min = 0, .max = 500, .position = value, .thousands = false}});
    }
    rows.push_back({Button1, {92, buttonsTop, 75, 25}, "Set Tabs", &TForm4::Button1Click});
    rows.push_back({Button2, {184, buttonsTop, 75, 25}, "Cancel", &TForm4::Button2Click});
    ui::Lay(*this, *this, rows);
}

void TForm4::Button1Click() {
    ui::Edit* edits[] = {&Edit1, &Edit2, &Edit3, &Edit4};
    for (size_t i = 0; i < 4; ++i) {
        // A field that holds no number keeps the value last set; numbers
        // outside the spin range are brought into it.
        const std::string text = edits[i]->Text();
        char* end = nullptr;
        const long value = std::strtol(text.c_str(), &end, 10);
        if (end != text.c_str() && *end == '\0')
            values_[i] = static_cast<int>(std::clamp<long>(value, 0, 500));
        edits[i]->SetText(std::to_string(values_[i]));
    }
    tool_.SetPageTabStops(values_);
    Hide();
}

void TForm4::Button2Click() { Hide(); }

}  // namespace zarvik
