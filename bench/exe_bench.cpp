// Build FileList and Compare's Load as the user meets them: the real
// zarvik.exe started and worked from this process, each command timed from
// the click that starts it until the window answers again, against a floor
// this process measures in the same run. Prints figures and checks what the
// commands left; asserts no times, and exits 1 when an output differs.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "e2e/Driver.h"

namespace {
std::string g_program = ZARVIK_EXE;
}  // namespace

namespace e2e {
const std::string& ProgramPath() { return g_program; }
}  // namespace e2e

namespace {

using Clock = std::chrono::steady_clock;
using e2e::Driver;

const int kBuild = static_cast<int>(sizeof(void*) * 8);

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool g_differs = false;
void Check(bool same, const char* what, const char* reference) {
    std::printf("  check: %s %s %s\n", what, same ? "equals" : "DIFFERS FROM", reference);
    g_differs = g_differs || !same;
}

// The plain files of a directory as the program lists them: no directories,
// no hidden or system files.
std::vector<std::string> PlainFiles(const std::string& dir) {
    std::vector<std::string> out;
    if (dir.empty()) return out;
    WIN32_FIND_DATAA d;
    HANDLE h = ::FindFirstFileA((dir + "\\*.*").c_str(), &d);
    if (h == INVALID_HANDLE_VALUE) return out;
    do {
        if (!(d.dwFileAttributes &
              (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
            out.push_back(dir + "\\" + d.cFileName);
    } while (::FindNextFileA(h, &d));
    ::FindClose(h);
    return out;
}

// The open, length query and close of the program's size probe.
void Probe(const std::string& path) {
    HANDLE f = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD high = 0;
    ::GetFileSize(f, &high);
    ::CloseHandle(f);
}

// Files added to the Windows directory until it holds `total`.
void WriteManyFiles(e2e::ScratchFiles& files, const std::string& dir, size_t total) {
    for (size_t i = PlainFiles(dir).size(); i < total; ++i) {
        char name[40];
        std::snprintf(name, sizeof name, "\\zk_bench_%05zu.%s", i, i % 3 ? "dat" : "DLL");
        files.Write(dir + name, std::string(i % 50 == 7 ? 0 : 1 + i * 7919 % 3000, 'z'));
    }
}

// The window answers again: the click's message box is gone, a message
// sent to the window returns, which it does only once the command's handler
// has returned to the message loop, and what the command left is painted.
void WaitUntilAnswering(HWND gone, HWND window) {
    while (::IsWindow(gone)) ::Sleep(1);
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, e2e::kHangMs, &result);
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

struct Child {
    const char* className;
    const char* text;  // null: any text
    HWND found = nullptr;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM lp) {
    auto* c = reinterpret_cast<Child*>(lp);
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    if (!::IsWindowVisible(hwnd) || ::lstrcmpiA(name, c->className) != 0) return TRUE;
    if (c->text && Driver::TextOf(hwnd) != c->text) return TRUE;
    c->found = hwnd;
    return FALSE;
}

// A visible descendant of that class (and text): what the user sees.
HWND VisibleChild(HWND parent, const char* className, const char* text) {
    Child c{className, text};
    ::EnumChildWindows(parent, FindVisible, reinterpret_cast<LPARAM>(&c));
    return c.found;
}

HWND StartProgram(Driver& program) {
    HWND question = program.WaitForWindow("Zarvik v1.1", true);
    if (!question) return nullptr;
    Driver::Answer(question, IDNO);  // no external list
    return program.WaitForMainWindow("Zarvik v1.1");
}

struct BuildFigures {
    size_t files = 0;
    double build = 0, floor = 0;  // the faster of two Builds
};

// Build with the Windows directory filled to `total` files (as found when
// it holds more).
BuildFigures BuildRow(size_t total) {
    const std::string windows = e2e::WindowsDirectory();
    // A first Build each row, into the new log the program makes as it
    // starts.
    ::DeleteFileA((windows + "\\Zarvik.ini").c_str());
    e2e::ScratchFiles files;
    WriteManyFiles(files, windows, total);
    // What Build measures: the Windows directory, the native System
    // directory and, on 64-bit Windows, the 32-bit one.
    std::vector<std::string> listed = PlainFiles(windows);
    for (const std::string& dir : {e2e::NativeSystemDirectory(), e2e::SystemWow64Directory()}) {
        const std::vector<std::string> more = PlainFiles(dir);
        listed.insert(listed.end(), more.begin(), more.end());
    }
    // The faster of two passes, so a cold first pass does not flatter the ratio.
    double floor = 1e300;
    for (int pass = 0; pass < 2; ++pass) {
        const auto start = Clock::now();
        for (const std::string& p : listed) Probe(p);
        floor = std::min(floor, MsSince(start));
    }

    Driver program(e2e::ProgramPath());
    HWND main = StartProgram(program);
    HWND button = main ? Driver::FindChild(main, "Build FileList") : nullptr;
    if (!button) {
        Check(false, "the program's Build FileList button", "one found");
        return {};
    }
    double runs[2] = {};
    for (double& ms : runs) {
        Driver::Press(button);
        HWND question = program.WaitForWindow("Zarvik v1.1", true);
        if (!question) break;
        const auto start = Clock::now();
        Driver::Answer(question, IDYES);
        WaitUntilAnswering(question, main);
        ms = MsSince(start);
    }
    HWND status = ::FindWindowExA(main, nullptr, "msctls_statusbar32", nullptr);
    Check(Driver::TextOf(status) == "<------FileList Built----->", "the status line after Build",
          "\"<------FileList Built----->\"");
    program.Kill();
    std::printf("Build FileList through the %d-bit zarvik.exe, %zu files (%zu in the Windows directory)\n"
                "  %9.1f ms and %9.1f ms   floor (open, length and close of each file, from this"
                " process) %9.1f ms   ratio %.2f and %.2f (target 1.5)\n",
                kBuild, listed.size(), PlainFiles(windows).size(), runs[0], runs[1], floor,
                runs[0] / floor, runs[1] / floor);
    return {listed.size(), std::min(runs[0], runs[1]), floor};
}

// The fixed part of Build (starting, painting, the log view) measured on
// the directories as found, the part that grows with the files by subtraction.
void BuildRows() {
    const BuildFigures few = BuildRow(0);
    const BuildFigures many = BuildRow(20000);
    const double perFile = (many.build - few.build) / (many.floor - few.floor);
    std::printf("  by subtraction, the %zu added files: Build %9.1f ms   floor %9.1f ms   ratio %.2f;"
                " what does not grow with them (the faster Build on the directories as found"
                " less its floor) %9.1f ms\n",
                many.files - few.files, many.build - few.build, many.floor - few.floor, perFile,
                few.build - few.floor);
}

// A visible window of its own with a bare rich-edit control of the size of
// Compare's lists, filled as the in-process floor fills one, with its
// drawing off, and painted: the least the control needs for the lines.
double BareLoad(const std::vector<std::string>& pieces, size_t length) {
    ::LoadLibraryA("riched20.dll");
    RECT r{0, 0, 370, 310};
    ::AdjustWindowRectEx(&r, WS_POPUP | WS_BORDER, FALSE, 0);
    HWND frame = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_BORDER | WS_VISIBLE, 40, 40,
                                   r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    HWND bare = ::CreateWindowExA(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "",
                                  WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE |
                                      ES_AUTOVSCROLL | ES_WANTRETURN,
                                  0, 0, 370, 310, frame, nullptr, ::GetModuleHandleA(nullptr),
                                  nullptr);
    ::SendMessageA(bare, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    ::UpdateWindow(frame);
    const auto start = Clock::now();
    ::SendMessageA(bare, WM_SETREDRAW, FALSE, 0);
    for (const std::string& piece : pieces)
        ::SendMessageA(bare, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
    ::SendMessageA(bare, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(bare, nullptr, TRUE);
    ::UpdateWindow(bare);
    const double ms = MsSince(start);
    GETTEXTLENGTHEX gl{GTL_PRECISE | GTL_NUMCHARS, CP_ACP};
    if (static_cast<size_t>(::SendMessageA(bare, EM_GETTEXTLENGTHEX,
                                           reinterpret_cast<WPARAM>(&gl), 0)) != length)
        Check(false, "the bare control's length", "the file's");
    ::DestroyWindow(frame);
    return ms;
}

std::string Without(std::string text, char c) {
    text.erase(std::remove(text.begin(), text.end(), c), text.end());
    return text;
}

void CompareLoadRow(int n) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    const std::string file =
        std::string(temp) + "zk_bench_load_" + std::to_string(::GetCurrentProcessId()) + ".txt";
    std::string text;
    std::vector<std::string> pieces(1);
    for (int i = 0; i < n; ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "C:\\WINDOWS\\SYSTEM\\SOMEFILE%06d.DLL = %dK", i,
                      i * 7919 % 3000 + 1);
        text += std::string(line) + "\r\n";
        if (i && i % 5000 == 0) pieces.emplace_back();
        pieces.back() += std::string(line) + "\r";
    }
    e2e::WriteAll(file, text);

    double floor = 1e300;
    const size_t length = Without(text, '\n').size();
    for (int round = 0; round < 2; ++round) floor = std::min(floor, BareLoad(pieces, length));

    Driver program(e2e::ProgramPath());
    HWND main = StartProgram(program);
    HWND compare = nullptr;
    if (main) {
        Driver::Press(Driver::FindChild(main, "Compare Reports"));
        compare = program.WaitForMainWindow("Compare Reports");
    }
    HWND load = compare ? VisibleChild(compare, "Button", "Load") : nullptr;
    if (!load) {
        Check(false, "Compare's Load button", "one found");
        ::DeleteFileA(file.c_str());
        return;
    }
    double runs[2] = {};
    for (double& ms : runs) {
        Driver::Press(load);
        HWND dialog = program.WaitForWindow("Open", true);
        if (!dialog) break;
        HWND name = ::GetDlgItem(dialog, 0x47c);  // the file name box
        if (!name) name = ::GetDlgItem(dialog, 0x480);
        ::SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.c_str()));
        const auto start = Clock::now();
        Driver::Answer(dialog, IDOK);
        WaitUntilAnswering(dialog, compare);
        ms = MsSince(start);
    }
    // The list on the page shown, as the control gives its text.
    HWND box = VisibleChild(compare, RICHEDIT_CLASSA, nullptr);
    Check(box && Without(Driver::TextOf(box), '\n') == Without(text, '\n'), "the list shown",
          "the file's lines");
    program.Kill();
    ::DeleteFileA(file.c_str());
    std::printf("Load of a %d-line plain-text file into Compare Reports through the %d-bit zarvik.exe,"
                " from the dialog's OK\n"
                "  first %9.1f ms, again %9.1f ms (target 2000)   floor (its lines inserted into a"
                " bare rich-edit control of this process, 5000 an EM_REPLACESEL with its drawing off, then painted)"
                " %9.1f ms   ratio %.2f and %.2f\n",
                n, kBuild, runs[0], runs[1], floor, runs[0] / floor, runs[1] / floor);
}

}  // namespace

// With an argument, only that row: "build" or "load" ("" both); with a
// second, that zarvik.exe instead of the one built beside this program.
int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    if (argc > 2) g_program = argv[2];
    if (only.empty() || only == "build") BuildRows();
    std::fflush(stdout);
    if (only.empty() || only == "load") CompareLoadRow(20000);
    std::fflush(stdout);
    return g_differs ? 1 : 0;
}
