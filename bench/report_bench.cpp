// The change report and Compare Reports through the real windows: the
// report against the insertion of its bare text, Compare's Load against a
// raw insertion into a bare control, the Compare command on large lists,
// and the comparison against the pairwise definition. Prints figures and
// checks outputs; asserts no times. Exits 1 when an output differs from its
// reference.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "BenchProgram.h"
#include "app/Application.h"
#include "app/MainForm.h"
#include "gui/support/Harness.h"
#include "report/Compare.h"
#include "report/CompareLists.h"
#include "report/Unit2.h"
#include "tests/core/AllPairsCompare.h"
#include "ui/Form.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

using Program = BenchProgram;

// A rich-edit control of the class, size and style of `like`, on the same
// window, with none of the program's code.
HWND BareRichEdit(const ui::Window& like) {
    RECT r{};
    ::GetWindowRect(like.Handle(), &r);
    HWND parent = ::GetParent(like.Handle());
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(like.Handle(), GWL_STYLE));
    HWND bare = ::CreateWindowExA(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "", style, r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, parent, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(bare, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    if (style & ES_AUTOHSCROLL) ::SendMessageA(bare, EM_SETTARGETDEVICE, 0, 1);  // no wrapping
    return bare;
}

// The lines as a bare control takes them, 5000 an EM_REPLACESEL (one
// insertion of the whole text costs Wine's control time that grows with the
// square of the lines).
std::vector<std::string> Pieces(const std::vector<std::string>& lines) {
    std::vector<std::string> pieces;
    for (size_t i = 0; i < lines.size(); i += 5000) {
        std::string piece;
        for (size_t j = i; j < std::min(i + 5000, lines.size()); ++j) piece += lines[j] + "\r";
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

// Whether the bare control holds all the lines, each ended by a CR.
void CheckLength(HWND bare, const std::vector<std::string>& lines, const char* reference) {
    size_t expected = 0;
    for (const std::string& l : lines) expected += l.size() + 1;
    GETTEXTLENGTHEX length{GTL_PRECISE | GTL_NUMCHARS, CP_ACP};
    BenchCheck(::SendMessageA(bare, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0) ==
                   static_cast<LRESULT>(expected),
               "the bare control's length", reference);
}

void Press(ui::Window& w) { ::SendMessageA(w.Handle(), BM_CLICK, 0, 0); }

Lines Numbered(const char* pattern, int from, int count) {
    Lines lines;
    char buf[160];
    for (int i = from; i < from + count; ++i) {
        std::snprintf(buf, sizeof buf, pattern, i, (i * 7919) % 3000 + 1);
        lines.emplace_back(buf);
    }
    return lines;
}

std::string Joined(const Lines& lines, const char* end) {
    std::string text;
    for (const std::string& l : lines) text += l + end;
    return text;
}

void ChangeReport(Program& p, int entries) {
    zarvik::TForm1& main = p.app->Form1();
    zarvik::TForm2& tool = p.app->Form2();
    const int each = entries / 4;
    main.Page<zarvik::ZeroLengthFilesPage>().ListBox8.SetItems(
        Numbered("C:\\WINDOWS\\ZERO%06d.TXT", 0, each));
    main.Page<zarvik::FilesAddedPage>().ListBox4.SetItems(
        Numbered("C:\\WINDOWS\\SYSTEM\\ADDED%06d.DLL = %dK", 0, each));
    main.Page<zarvik::FilesDeletedPage>().ListBox2.SetItems(
        Numbered("C:\\WINDOWS\\GONE%06d.EXE", 0, each));
    main.Page<zarvik::FilesChangedPage>().ListBox3.SetItems(
        Numbered("C:\\WINDOWS\\SYSTEM\\CHANGED%06d.DLL = %dK", 0, each));
    main.Page<zarvik::MissingSharedDllFilesPage>().ListBox6.SetItems(
        Numbered("C:\\PROGRA~1\\MISSING%06d.OCX", 0, entries - 4 * each));
    main.SpeedButton6.SetEnabled(true);

    // The floor: the page's bare text, without its formats, put into a bare
    // control of the same class, size and style by raw EM_REPLACESEL, 5000
    // lines at a time, as the Load row's floor (none of the program's code).
    double report = 1e30, insertion = 1e30;
    Lines page;
    for (int round = 0; round < 3; ++round) {
        tool.ClearPage();
        auto start = Clock::now();
        Press(main.SpeedButton6);
        report = std::min(report, MsSince(start));
        ui::PumpMessages();
        page = tool.RichEdit1.Lines();

        const std::vector<std::string> pieces = Pieces(page);
        HWND bare = BareRichEdit(tool.RichEdit1);
        start = Clock::now();
        for (const std::string& piece : pieces)
            ::SendMessageA(bare, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
        insertion = std::min(insertion, MsSince(start));
        ui::PumpMessages();
        if (round == 0) CheckLength(bare, page, "the page's");
        ::DestroyWindow(bare);
    }
    std::printf("Change report of %d entries (%zu lines on the page)\n", entries, page.size());
    std::printf("  Generate Change Report %9.1f ms   floor (the page's bare text inserted by"
                " raw EM_REPLACESEL into a bare control, 5000 lines each) %9.1f ms   ratio %.2f (target 3)\n",
                report, insertion, report / insertion);
}

// The comparison's three sections as the Compare command leaves them.
ComparedLines CompareOutput(Program& p) {
    zarvik::TForm9& form = p.app->Form9();
    ComparedLines out;
    out.onlyInFirst = form.RichEdit3.Lines();
    out.onlyInSecond = form.RichEdit4.Lines();
    const Lines page = p.app->Form2().RichEdit1.Lines();
    // Third section: after its heading, up to the closing line of one space.
    size_t i = 0;
    for (size_t seen = 0; i < page.size(); ++i) {
        if (page[i].starts_with("The following items were present in ") && ++seen == 3) break;
    }
    for (++i; i + 1 < page.size(); ++i) out.inBoth.push_back(page[i].substr(2));
    return out;
}

void LoadList(Program& p, ui::Button& button, const std::string& file) {
    p.prompts.files.push_back(file);
    Press(button);
}

bool PlatformEqual(const std::string& a, const std::string& b) {
    // Both folded afresh for every comparison, as the pairwise definition does.
    static std::vector<char> x, y;
    x.assign(a.begin(), a.end());
    y.assign(b.begin(), b.end());
    if (!x.empty()) ::CharUpperBuffA(x.data(), static_cast<DWORD>(x.size()));
    if (!y.empty()) ::CharUpperBuffA(y.data(), static_cast<DWORD>(y.size()));
    return x == y;
}

Lines MixedCase(Lines lines) {
    for (size_t i = 0; i < lines.size(); i += 3)
        ::CharLowerBuffA(lines[i].data(), static_cast<DWORD>(lines[i].size()));
    return lines;
}

void CompareBench(Program& p, int n, bool againstPairwise) {
    zarvik::TForm9& form = p.app->Form9();
    p.app->Form2().CheckBox1.SetChecked(true);
    Press(p.app->Form1().SpeedButton10);
    // Half of each list is shared, a third of the shared lines differ in case.
    Lines first = Numbered("C:\\WINDOWS\\SYSTEM\\FILE%06d.DLL = %dK", 0, n);
    Lines second = MixedCase(Numbered("C:\\WINDOWS\\SYSTEM\\FILE%06d.DLL = %dK", n / 2, n));
    first[1] = first[0];  // one duplicate in each list
    second[n - 1] = second[n - 2];

    std::printf("Compare of two %d-line lists sharing half their lines\n", n);
    auto start = Clock::now();
    const zarvik::LineComparison fast =
        zarvik::CompareLineKeys(zarvik::UpperCaseKeys(first), zarvik::UpperCaseKeys(second));
    const double comparison = MsSince(start);
    const ComparedLines fastLines = LinesOf(fast, first, second);
    std::printf("  comparison alone (folding included) %9.1f ms\n", comparison);
    std::fflush(stdout);

    WriteFile(p.root / "first.txt", Joined(first, "\r\n"));
    WriteFile(p.root / "second.txt", Joined(second, "\r\n"));
    start = Clock::now();
    LoadList(p, form.Button1, p.root / "first.txt");
    LoadList(p, form.Button4, p.root / "second.txt");
    const double loads = MsSince(start);
    ui::PumpMessages();

    start = Clock::now();
    Press(form.Button3);
    const double command = MsSince(start);
    std::printf("  Load both lists (the files written before) %9.1f ms + Compare command %9.1f ms ="
                " %9.1f ms   floor (the comparison alone: folding and matching in memory, no"
                " windows) %7.1f ms   ratio %.0f\n",
                loads, command, loads + command, comparison, (loads + command) / comparison);
    ui::PumpMessages();
    const ComparedLines shown = CompareOutput(p);
    std::printf("  sections: %zu only in List 1, %zu only in List 2, %zu in both\n",
                shown.onlyInFirst.size(), shown.onlyInSecond.size(), shown.inBoth.size());
    BenchCheck(shown == fastLines, "the command's output", "the comparison's");
    if (againstPairwise) {
        start = Clock::now();
        const ComparedLines reference = AllPairsCompare(first, second, PlatformEqual);
        const double pairwise = MsSince(start);
        std::printf("  pairwise definition %9.1f ms   (%.0fx the comparison alone; a reference,"
                    " not a floor)\n",
                    pairwise, pairwise / std::max(comparison, 0.001));
        BenchCheck(reference == shown && reference == fastLines, "the output", "the pairwise definition's");
    }
}

// A plain-text file of `n` lines of about 45 characters loaded as a user
// would: Compare's Load, through the open dialog.
void LoadBench(Program& p, int n) {
    zarvik::TForm9& form = p.app->Form9();
    Press(p.app->Form1().SpeedButton10);
    const Lines lines = Numbered("C:\\WINDOWS\\SYSTEM\\SOMEFILE%06d.DLL = %dK", 0, n);
    const std::string file = p.root / "load.txt";
    WriteFile(file, Joined(lines, "\r\n"));
    double best = 1e30;
    for (int round = 0; round < 2; ++round) {
        p.prompts.files.push_back(file);
        const auto start = Clock::now();
        Press(form.Button1);
        best = std::min(best, MsSince(start));
        ui::PumpMessages();
    }
    BenchCheck(form.RichEdit1.Lines() == lines, "the box's lines", "the file's");
    // The floor: the same lines inserted into a bare control of the same
    // class, size and style, with no file, dialog or code of the program,
    // 5000 lines an EM_REPLACESEL (one insertion of the whole text costs
    // Wine's control time that grows with the square of the lines).
    const std::vector<std::string> pieces = Pieces(lines);
    double floor = 1e30;
    for (int round = 0; round < 2; ++round) {
        // A fresh control each round: emptying one costs Wine's control time
        // that grows with the square of the lines.
        HWND bare = BareRichEdit(form.RichEdit1);
        const auto start = Clock::now();
        for (const std::string& piece : pieces)
            ::SendMessageA(bare, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
        floor = std::min(floor, MsSince(start));
        ui::PumpMessages();
        CheckLength(bare, lines, "the file's");
        ::DestroyWindow(bare);
    }
    std::printf("Load of a %d-line plain-text file into Compare's List 1 %9.1f ms (target 2000)\n"
                "  floor (its lines inserted into a bare rich-edit control, 5000 an EM_REPLACESEL)"
                " %9.1f ms   ratio %.2f\n",
                n, best, floor, best / floor);
}

// Print Report of a change report through the default printer (a CUPS PDF
// printer under Wine), beside the reading of its paragraph formats alone
// and a floor: the same lines with one TextOut each, 60 to a page.
void PrintBench(Program& p, int entries) {
    zarvik::TForm1& main = p.app->Form1();
    zarvik::TForm2& tool = p.app->Form2();
    main.Page<zarvik::FilesAddedPage>().ListBox4.SetItems(
        Numbered("C:\\WINDOWS\\SYSTEM\\ADDED%06d.DLL = %dK", 0, entries / 2));
    main.Page<zarvik::FilesChangedPage>().ListBox3.SetItems(
        Numbered("C:\\WINDOWS\\SYSTEM\\CHANGED%06d.DLL = %dK", 0, entries - entries / 2));
    main.SpeedButton6.SetEnabled(true);
    tool.ClearPage();
    Press(main.SpeedButton6);
    ui::PumpMessages();
    ui::RichEdit& page = tool.RichEdit1;

    std::string error;
    ui::OwnedDC printer = p.prompts.DefaultPrinter(error);
    if (!printer) {
        // Set up by the test command, a printer that is missing is a fault.
        std::printf("Print Report: NOT MEASURED, no printer (%s)\n", error.c_str());
        if (PrinterSetUp()) BenchCheck(false, "the default printer", "the one set up (ZARVIK_PRINTER)");
        return;
    }
    auto start = Clock::now();
    const Lines lines = page.Lines();
    const double reading = MsSince(start);
    // The formats as Print reads them: drawing off, as Wine's control
    // repaints at every selection change otherwise.
    start = Clock::now();
    ::SendMessageA(page.Handle(), WM_SETREDRAW, FALSE, 0);
    int at = 0;
    for (const std::string& line : lines) {
        page.RangeFormat(at, at + static_cast<int>(line.size()));
        page.RangeParagraph(at, at);
        at += static_cast<int>(line.size()) + 1;
    }
    ::SendMessageA(page.Handle(), WM_SETREDRAW, TRUE, 0);
    const double formats = MsSince(start);
    start = Clock::now();
    page.Print(printer.Get(), "Zarvik benchmark");
    const double print = MsSince(start);

    start = Clock::now();
    DOCINFOA doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = "Zarvik benchmark floor";
    ::StartDocA(printer.Get(), &doc);
    const int step = ::GetDeviceCaps(printer.Get(), LOGPIXELSY) / 6;
    int pages = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i % 60 == 0) {
            if (i) ::EndPage(printer.Get());
            ::StartPage(printer.Get());
            ++pages;
        }
        ::TextOutA(printer.Get(), step, step * static_cast<int>(1 + i % 60), lines[i].data(),
                   static_cast<int>(lines[i].size()));
    }
    ::EndPage(printer.Get());
    ::EndDoc(printer.Get());
    const double floor = MsSince(start);
    std::printf("Print Report of a %zu-line change report (about %d pages)\n", lines.size(), pages);
    std::printf("  Print %9.1f ms   floor (the same lines, one TextOut each, 60 a page, to the same"
                " printer) %9.1f ms   ratio %.2f (target 3000 ms)\n",
                print, floor, print / std::max(floor, 0.001));
    std::printf("  measured apart: lines read %7.1f ms, formats read %7.1f ms;"
                " the remainder of Print (layout and printer, by subtraction) %7.1f ms\n",
                reading, formats, print - reading - formats);
}

}  // namespace

// With an argument, only that part runs: "report", "load", "print",
// "compare" or "compare100k".
int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    if (only.empty() || only == "report") {
        Program p;
        ChangeReport(p, 20000);
    }
    std::fflush(stdout);
    if (only.empty() || only == "load") {
        Program p;
        LoadBench(p, 20000);
    }
    std::fflush(stdout);
    if (only.empty() || only == "print") {
        Program p;
        // Twice the length as well: the time should grow in proportion.
        PrintBench(p, 740);
        if (only == "print") PrintBench(p, 1480);
    }
    std::fflush(stdout);
    if (only.empty() || only == "compare") {
        Program p;
        CompareBench(p, 5000, true);
    }
    std::fflush(stdout);
    // Without the pairwise check, which would take hours at this size.
    if (only.empty() || only == "compare100k") {
        Program p;
        CompareBench(p, 100000, false);
        std::printf("  target: under 5000 ms for both loads and the Compare command together\n");
    }
    return BenchExitCode();
}
