#include "report/Unit2.h"

#include <richedit.h>

#include "app/Application.h"

namespace zarvik {

void TForm2::Create() {
    CreateForm("Zarvik Reporting Tool", {.clientWidth = 523, .clientHeight = 490});
    Toolbar.Create(Handle(), {0, 0, 523, 41});
    Hints.Create(Handle());
    CheckBox1.Create(Toolbar.Handle(), {380, 12, 80, 17}, "AutoClear");
    RichEdit1.Create(Handle(), {0, 41, 523, 449},
                     {.wordWrap = false, .wantTab = true, .keepSelection = true});
}

void TForm2::ShowTool() { ShowModeless(); }

void TForm2::ClearPage() { RichEdit1.Clear(); }

namespace {

void SetBold(HWND edit, bool bold) {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_BOLD;
    cf.dwEffects = bold ? CFE_BOLD : 0;
    ::SendMessageA(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

}  // namespace

void TForm2::BoldOn() { SetBold(RichEdit1.Handle(), true); }

void TForm2::BoldOff() { SetBold(RichEdit1.Handle(), false); }

void TForm2::AppendLine(std::string_view text) {
    HWND h = RichEdit1.Handle();
    const int end = ::GetWindowTextLengthA(h);
    ::SendMessageA(h, EM_SETSEL, end, end);
    std::string line;
    if (end > 0) line = "\r";
    line.append(text);
    ::SendMessageA(h, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
}

void TForm2::AppendReportBlock(std::string_view heading, const std::vector<std::string>& entries) {
    ShowTool();
    if (AutoClear()) ClearPage();
    BoldOn();
    AppendLine(heading);
    BoldOff();
    for (const std::string& e : entries) AppendLine("   " + e);
    AppendLine(" ");
}

void TForm3::Create(HWND owner) {
    CreateForm("Find Text", {.clientWidth = 280, .clientHeight = 129, .minimizeBox = false}, owner);
}

void TForm4::Create() {
    CreateForm("Tabs", {.clientWidth = 351, .clientHeight = 128, .sizeable = true});
}

}  // namespace zarvik
