// Build FileList, the File Viewer and Compare's Load as the user meets them: the real
// zarvik.exe started and worked from this process, each command timed from
// the click that starts it until the window answers again, against a floor
// this process measures in the same run. Prints figures and checks what the
// commands left; asserts no times, and exits 1 when an output differs.
#include <windows.h>
#include <psapi.h>
#include <richedit.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "BenchFiles.h"
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

// The floor of a row: `each` over every path, the faster of two passes, in ms.
template <typename Each>
double FasterPass(const std::vector<std::string>& paths, Each each) {
    double best = 1e300;
    for (int pass = 0; pass < 2; ++pass) {
        const auto start = Clock::now();
        for (const std::string& p : paths) each(p);
        best = std::min(best, MsSince(start));
    }
    return best;
}

bool g_differs = false;
void Check(bool same, const char* what, const char* reference) {
    std::printf("  check: %s %s %s\n", what, same ? "equals" : "DIFFERS FROM", reference);
    g_differs = g_differs || !same;
}

// The plain files of a directory as the program lists them.
std::vector<std::string> PlainFiles(const std::string& dir) {
    std::vector<std::string> out;
    for (auto& file : bench::PlainFiles(dir)) out.push_back(std::move(file.first));
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

// The floor of Build with versions: the probe, and the read of the first
// 4 KB that holds a PE image's headers.
void ProbeAndReadHeaders(const std::string& path) {
    HANDLE f = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD high = 0;
    ::GetFileSize(f, &high);
    char head[4096];
    DWORD got = 0;
    ::ReadFile(f, head, sizeof head, &got, nullptr);
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

// Where the program's windows are: in one Wine virtual desktop (as the
// test prefix has it) or each on the X display, as a Linux user's Wine
// shows them. Every row says which.
const char* WindowSystem() {
    static const char* const where = [] {
        char desktop[64] = {};
        DWORD size = sizeof desktop;
        const bool virtualDesktop =
            ::RegGetValueA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer", "Desktop", RRF_RT_REG_SZ,
                           nullptr, desktop, &size) == ERROR_SUCCESS;
        return virtualDesktop ? "in a Wine virtual desktop" : "each window on the display, no virtual desktop";
    }();
    return where;
}

// The window answers again: the click's message box is gone, a message
// sent to the window returns, which it does only once the command's handler
// has returned to the message loop, and what the command left is painted.
// False, noted as a difference, when it does not within the hang bound.
bool WaitUntilAnswering(HWND gone, HWND window, const char* what) {
    const auto start = Clock::now();
    while (::IsWindow(gone) && MsSince(start) < e2e::kHangMs) ::Sleep(1);
    DWORD_PTR result = 0;
    const bool answered =
        !::IsWindow(gone) &&
        ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, e2e::kHangMs, &result) != 0;
    if (!answered) {
        Check(false, what, "answering again");
        return false;
    }
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return true;
}

// A dialog the command must show; its absence is a difference, not a 0 ms row.
HWND Expect(HWND dialog, const char* what) {
    if (!dialog) Check(false, what, "shown");
    return dialog;
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

// Started at `launched`: the time until its first question, plus the time
// from the answer until the main window answers, into `startMs`.
HWND StartProgram(Driver& program, Clock::time_point launched, double* startMs = nullptr) {
    HWND question = Expect(program.WaitForWindow("Zarvik v1.1", true), "the start-up question");
    if (!question) return nullptr;
    const double asked = MsSince(launched);
    const auto answered = Clock::now();
    Driver::Answer(question, IDNO);  // no external list
    HWND main = Expect(program.WaitForMainWindow("Zarvik v1.1"), "the main window");
    if (!main || !WaitUntilAnswering(question, main, "the program after start-up")) return nullptr;
    if (startMs) *startMs = asked + MsSince(answered);
    return main;
}

HWND StartProgram(Driver& program) { return StartProgram(program, Clock::now()); }

// Two Builds through the button, each timed from the Yes to its question
// until the program answers again (0 where one did not end so); false, a
// difference told, when the button is not there.
bool TwoBuilds(Driver& program, HWND main, double (&runs)[2]) {
    HWND button = main ? Driver::FindChild(main, "Build FileList") : nullptr;
    if (!button) {
        Check(false, "the program's Build FileList button", "one found");
        return false;
    }
    for (double& ms : runs) {
        Driver::Press(button);
        HWND question = Expect(program.WaitForWindow("Zarvik v1.1", true), "Build's question");
        if (!question) break;
        const auto clicked = Clock::now();
        Driver::Answer(question, IDYES);
        if (!WaitUntilAnswering(question, main, "the program after Build")) break;
        ms = MsSince(clicked);
    }
    return true;
}

struct BuildFigures {
    size_t files = 0;
    double build = 0, floor = 0;  // the faster of two Builds
    double start = 0, list = 0;   // start-up, and listing the Windows directory from here
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
    const double floor = FasterPass(listed, [](const std::string& p) { Probe(p); });

    const auto listing = Clock::now();
    const size_t windowsFiles = PlainFiles(windows).size();
    const double list = MsSince(listing);

    const auto launched = Clock::now();
    Driver program(e2e::ProgramPath());
    double start = 0;
    HWND main = StartProgram(program, launched, &start);
    double runs[2] = {};
    if (!TwoBuilds(program, main, runs)) return {};
    HWND status = ::FindWindowExA(main, nullptr, "msctls_statusbar32", nullptr);
    Check(Driver::TextOf(status) == "<------FileList Built----->", "the status line after Build",
          "\"<------FileList Built----->\"");
    program.Kill();
    std::printf("Build FileList through the %d-bit zarvik.exe, %s, %zu files (%zu in the Windows directory)\n"
                "  %9.1f ms and %9.1f ms   floor (open, length and close of each file, from this"
                " process) %9.1f ms   ratio %.2f and %.2f (target 1.3)\n",
                kBuild, WindowSystem(), listed.size(), windowsFiles, runs[0], runs[1], floor,
                runs[0] / floor, runs[1] / floor);
    std::printf("  start-up: %9.1f ms (to the first question, and from its answer until the main window"
                " answers)   listing the Windows directory from this process %9.1f ms\n",
                start, list);
    return {listed.size(), std::min(runs[0], runs[1]), floor, start, list};
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
    const double bound = few.start + many.list;
    std::printf("Start-up of the %d-bit zarvik.exe, %s, %zu files in the Windows directory\n"
                "  %9.1f ms   floor (start-up on the prefix's own files %.1f ms, plus listing the"
                " %zu files from this process %.1f ms) %9.1f ms   ratio %.2f (target 1.5)\n",
                kBuild, WindowSystem(), many.files - few.files, many.start, few.start,
                many.files - few.files, many.list, bound, many.start / bound);
}

// Hard links of the System directory's DLLs, which cost no disk, removed
// again at the end.
class DllLinks {
public:
    DllLinks(const std::string& dir, size_t count) {
        const auto dlls = bench::PlainFiles(e2e::NativeSystemDirectory(), "*.dll");
        for (size_t i = 0; i < count && !dlls.empty(); ++i) {
            char name[40];
            std::snprintf(name, sizeof name, "\\zk_ver_%05zu.dll", i);
            const std::string link = dir + name, &target = dlls[i % dlls.size()].first;
            if (::CreateHardLinkA(link.c_str(), target.c_str(), nullptr)) {
                paths_.push_back(link);
                targets_.push_back(target.substr(target.rfind('\\') + 1));
            }
        }
    }
    ~DllLinks() {
        for (const std::string& p : paths_) ::DeleteFileA(p.c_str());
    }
    DllLinks(const DllLinks&) = delete;
    DllLinks& operator=(const DllLinks&) = delete;
    size_t Count() const { return paths_.size(); }
    // How many of the links are of a file named in `names` (upper case).
    size_t OfNames(const std::set<std::string>& names) const {
        return std::count_if(targets_.begin(), targets_.end(), [&](std::string name) {
            ::CharUpperA(name.data());
            return names.count(name) != 0;
        });
    }

private:
    std::vector<std::string> paths_, targets_;
};

std::string WholeFile(const std::string& path) {
    std::string bytes;
    HANDLE f = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return bytes;
    char buf[65536];
    DWORD got = 0;
    while (::ReadFile(f, buf, sizeof buf, &got, nullptr) && got) bytes.append(buf, got);
    ::CloseHandle(f);
    return bytes;
}

// The keys of one section of the log, in upper case.
std::set<std::string> SectionKeys(const std::string& log, const std::string& section) {
    std::set<std::string> keys;
    const std::string header = "[" + section + "]";
    size_t at = log.find(header);
    if (at == std::string::npos) return keys;
    at = log.find('\n', at);
    while (at != std::string::npos && at + 1 < log.size() && log[at + 1] != '[') {
        const size_t end = log.find('\n', at + 1);
        std::string key = log.substr(at + 1, log.find('=', at + 1) - at - 1);
        ::CharUpperA(key.data());
        if (!key.empty() && key[0] != '\r') keys.insert(key);
        at = end;
    }
    return keys;
}

// The bytes of the log's version sections: header to the next header.
size_t VersionSectionBytes(const std::string& log, size_t& entries) {
    size_t bytes = 0, at = 0;
    bool inVersions = false;
    entries = 0;
    while (at < log.size()) {
        size_t end = log.find('\n', at);
        end = end == std::string::npos ? log.size() : end + 1;
        if (log[at] == '[')
            inVersions = log.substr(at, end - at).find(" Versions]") != std::string::npos;
        else if (inVersions && log[at] != '\r') ++entries;
        if (inVersions) bytes += end - at;
        at = end;
    }
    return bytes;
}

// Build with 14,000 real DLLs in the Windows directory, each one's version
// read and logged, against the probe and the read of each file's headers.
void VersionsRow() {
    const std::string windows = e2e::WindowsDirectory();
    ::DeleteFileA((windows + "\\Zarvik.ini").c_str());
    const DllLinks links(windows, 14000);
    Check(links.Count() == 14000, "the hard links made", "14000");
    std::vector<std::string> listed;
    for (const std::string& dir : {windows, e2e::NativeSystemDirectory(), e2e::SystemWow64Directory()})
        for (std::string& path : PlainFiles(dir)) listed.push_back(std::move(path));
    const double floor = FasterPass(listed, [](const std::string& p) { ProbeAndReadHeaders(p); });

    Driver program(e2e::ProgramPath());
    HWND main = StartProgram(program);
    double runs[2] = {};
    if (!TwoBuilds(program, main, runs)) return;
    program.Kill();
    const std::string log = WholeFile(windows + "\\Zarvik.ini");
    size_t entries = 0;
    const size_t versionBytes = VersionSectionBytes(log, entries);
    const std::set<std::string> windowsVersions = SectionKeys(log, "Windows Versions");
    Check(std::count_if(windowsVersions.begin(), windowsVersions.end(),
                        [](const std::string& key) { return key.rfind("ZK_VER_", 0) == 0; }) ==
              static_cast<std::ptrdiff_t>(links.OfNames(SectionKeys(log, "Windows\\System Versions"))),
          "the Windows directory's logged versions", "one for each link of a System DLL with one");
    std::printf("Build FileList with versions through the %d-bit zarvik.exe, %s, %zu files (%zu linked DLLs"
                " in the Windows directory)\n"
                "  %9.1f ms and %9.1f ms   floor (open, length, read of the first 4 KB and close of each"
                " file, from this process) %9.1f ms   ratio %.2f and %.2f (target 1.5)\n"
                "  the log: %zu bytes, %zu of them in %zu version entries; without them %zu bytes\n",
                kBuild, WindowSystem(), listed.size(), links.Count(), runs[0], runs[1], floor,
                runs[0] / floor, runs[1] / floor, log.size(), versionBytes, entries,
                log.size() - versionBytes);
    ::DeleteFileA((windows + "\\Zarvik.ini").c_str());
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
        HWND dialog = Expect(program.WaitForWindow("Open", true), "Load's Open dialog");
        if (!dialog) break;
        HWND name = ::GetDlgItem(dialog, 0x47c);  // the file name box
        if (!name) name = ::GetDlgItem(dialog, 0x480);
        ::SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.c_str()));
        const auto start = Clock::now();
        Driver::Answer(dialog, IDOK);
        if (!WaitUntilAnswering(dialog, compare, "Compare Reports after Load")) break;
        ms = MsSince(start);
    }
    // The list on the page shown, as the control gives its text.
    HWND box = VisibleChild(compare, RICHEDIT_CLASSA, nullptr);
    Check(box && Without(Driver::TextOf(box), '\n') == Without(text, '\n'), "the list shown",
          "the file's lines");
    program.Kill();
    ::DeleteFileA(file.c_str());
    std::printf("Load of a %d-line plain-text file into Compare Reports through the %d-bit zarvik.exe,"
                " %s, from the dialog's OK\n"
                "  first %9.1f ms, again %9.1f ms (target 2000)   floor (its lines inserted into a"
                " bare rich-edit control of this process, 5000 an EM_REPLACESEL with its drawing off, then painted)"
                " %9.1f ms   ratio %.2f and %.2f\n",
                n, kBuild, WindowSystem(), runs[0], runs[1], floor, runs[0] / floor, runs[1] / floor);
}


struct Memory {
    double nowMb = -1, peakMb = -1;
};

Memory MemoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS c{};
    c.cb = sizeof c;
    if (!::GetProcessMemoryInfo(process, &c, sizeof c)) return {};
    return {static_cast<double>(c.WorkingSetSize) / (1 << 20),
            static_cast<double>(c.PeakWorkingSetSize) / (1 << 20)};
}

// The File Browser's file list, which starts on C:\, and the index of `name`.
HWND FileBrowserList(HWND main, const std::string& name, int& index) {
    HWND page = Driver::FindChild(main, "File Browser");
    for (HWND list = page ? ::FindWindowExA(page, nullptr, "ListBox", nullptr) : nullptr; list;
         list = ::FindWindowExA(page, list, "ListBox", nullptr))
        for (index = 0; index < Driver::ListCount(list); ++index)
            if (::lstrcmpiA(Driver::ListItem(list, index).c_str(), name.c_str()) == 0) return list;
    return nullptr;
}

// A double-click on the list's entry, sent as the mouse sends it over the
// entry; returns once the program has handled it.
void DoubleClick(HWND list, int index) {
    ::SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    const int top = static_cast<int>(::SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    const int height = static_cast<int>(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM at = MAKELPARAM(4, (index - top) * height + height / 2);
    DWORD_PTR result = 0;
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        ::SendMessageTimeoutA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at,
                              SMTO_NORMAL, e2e::kHangMs, &result);
}

// The file opened twice in the File Viewer of a program started for it, by
// a double-click in the File Browser, each timed until the viewer is shown,
// the program answers again and the viewer is painted.
void ViewerRow(const std::string& path, const char* what) {
    bench::ReadInPieces(path, [](const char*, DWORD) { return true; });  // into the cache
    const double floor = bench::GnuStrings(path, e2e::kHangMs);
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    Driver program(e2e::ProgramPath());
    HWND main = StartProgram(program);
    int index = -1;
    HWND list = main ? FileBrowserList(main, name, index) : nullptr;
    if (!list) {
        Check(false, "the File Browser's entry of the file", "one found");
        return;
    }
    const Memory before = MemoryOf(program.Process());
    double runs[2] = {};
    HWND viewer = nullptr;
    for (double& ms : runs) {
        const auto start = Clock::now();
        DoubleClick(list, index);
        viewer = Expect(program.WaitForMainWindow("File Viewer"), "the File Viewer");
        if (!viewer || !WaitUntilAnswering(nullptr, main, "the program after the double-click")) break;
        ::RedrawWindow(viewer, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ms = MsSince(start);
    }
    const Memory after = MemoryOf(program.Process());
    HWND shown = viewer ? VisibleChild(viewer, "Edit", path.c_str()) : nullptr;
    Check(shown != nullptr, "the file name the viewer shows", "the file's path");
    program.Kill();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    const double mb = static_cast<double>((ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow) /
                      (1 << 20);
    std::printf("File Viewer through the %d-bit zarvik.exe, %s, a double-click in the File Browser on %s"
                " (%.1f MB)\n  first %9.1f ms, again %9.1f ms",
                kBuild, WindowSystem(), what, mb, runs[0], runs[1]);
    if (floor > 0)
        std::printf("   floor (GNU strings -n 6 over the file) %9.1f ms   ratio %.2f and %.2f (target 5)\n",
                    floor, runs[0] / floor, runs[1] / floor);
    else
        std::printf("   (no GNU strings here to measure the floor)\n");
    std::printf("  memory: %.1f MB before, peak %.1f MB (target under %.1f MB: 1.5x the file plus 50),"
                " %.1f MB after\n",
                before.nowMb, after.peakMb, 1.5 * mb + 50, after.nowMb);
}

// The System directory's largest DLL, and 100 MB of its DLLs one after
// another, each copied to C:\ where the File Browser starts.
void ViewerRows() {
    const auto dlls = bench::SystemDlls();
    if (dlls.empty()) {
        Check(false, "the System directory's DLLs", "some found");
        return;
    }
    const auto largest = std::max_element(dlls.begin(), dlls.end(), [](const auto& a, const auto& b) {
        return a.second < b.second;
    });
    const std::string dllName = largest->first.substr(largest->first.find_last_of('\\') + 1);
    const std::string one = "C:\\zk_bench_" + dllName;
    const std::string many = "C:\\zk_bench_100mb_of_dlls.dll";
    if (!::CopyFileA(largest->first.c_str(), one.c_str(), FALSE) ||
        !bench::MakeExecutablesFile(many, size_t{100} << 20)) {
        Check(false, "the viewer's files", "made");
    } else {
        ViewerRow(one, ("the System directory's largest DLL, " + dllName).c_str());
        std::fflush(stdout);
        ViewerRow(many, "100 MB of the System directory's DLLs");
    }
    ::DeleteFileA(one.c_str());
    ::DeleteFileA(many.c_str());
}

// A press of `button` timed until the main window answers again, with the
// status line it leaves checked against `status`.
double TimedPress(HWND main, HWND button, const char* what, const std::string& status) {
    const auto clicked = Clock::now();
    Driver::Press(button);
    if (!WaitUntilAnswering(nullptr, main, what)) return 0;
    // The program may answer while the command still runs (Wine hands it
    // messages sent to it whenever it sends one to another thread): the
    // command has ended when its closing text is in the status line.
    HWND line = ::FindWindowExA(main, nullptr, "msctls_statusbar32", nullptr);
    std::string text;
    for (;;) {
        char buffer[512] = {};
        DWORD_PTR got = 0;
        if (::SendMessageTimeoutA(line, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                                  SMTO_NORMAL, e2e::kHangMs, &got))
            text = buffer;
        if (text == status || MsSince(clicked) > e2e::kHangMs) break;
        ::Sleep(5);
    }
    const double ms = MsSince(clicked);
    Check(text == status, what, ("the status line \"" + status + "\"").c_str());
    return ms;
}

// Commit and Analyze of an optional directory chosen with its
// subdirectories: `files` files in 500 folders (50 of 10 each), a few
// levels deep, through the real exe, against the open, length and close of
// each of its files from this process.
void TreeRow(size_t files) {
    const std::string windows = e2e::WindowsDirectory();
    ::DeleteFileA((windows + "\\Zarvik.ini").c_str());
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    const std::string tree = std::string(temp) + "zk_bench_tree";
    std::vector<std::string> folders{tree}, paths;
    for (int a = 0; a < 50; ++a) {
        char mid[32];
        std::snprintf(mid, sizeof mid, "\\vendor%02d", a);
        folders.push_back(tree + mid);
        for (int b = 0; b < 10; ++b) folders.push_back(tree + mid + "\\product" + std::to_string(b));
    }
    for (const std::string& f : folders) ::CreateDirectoryA(f.c_str(), nullptr);
    std::optional<e2e::ScratchFiles> scratch(std::in_place);
    for (size_t i = 0; i < files; ++i) {
        // The 500 leaf folders in turn.
        const std::string& folder = folders[2 + (i % 500) / 10 * 11 + i % 10];
        char name[40];
        std::snprintf(name, sizeof name, "\\zk_tree_%06zu.%s", i, i % 3 ? "dat" : "DLL");
        paths.push_back(folder + name);
        scratch->Write(paths.back(), std::string(1 + i * 7919 % 3000, 'z'));
    }
    const double floor = FasterPass(paths, [](const std::string& p) { Probe(p); });

    Driver program(e2e::ProgramPath());
    HWND main = StartProgram(program);
    HWND page = main ? Driver::FindChild(main, "Optional Directories") : nullptr;
    HWND list = page ? ::FindWindowExA(page, nullptr, "ListBox", nullptr) : nullptr;
    HWND commit = page ? Driver::FindChild(page, "Commit") : nullptr;
    HWND analyze = main ? Driver::FindChild(main, "Analyze FileList") : nullptr;
    if (!list || !commit || !analyze) {
        Check(false, "the Optional Directories list, Commit and Analyze FileList", "found");
        return;
    }
    const std::string entry = tree + "\\*";
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    const double commitMs = TimedPress(main, commit, "Commit of the tree", "<------FileList Appended----->");
    const double analyzeMs = TimedPress(main, analyze, "Analyze of the tree", "<------FileList Analyzed----->");
    const Memory memory = MemoryOf(program.Process());
    HWND deleted = Driver::FindChild(main, "Files Deleted");
    HWND deletedList = deleted ? ::FindWindowExA(deleted, nullptr, "ListBox", nullptr) : nullptr;
    Check(deletedList && Driver::ListCount(deletedList) == 0, "Files Deleted after Analyze of the tree", "empty");
    program.Kill();
    std::string log;
    bench::ReadInPieces(windows + "\\Zarvik.ini", [&](const char* piece, DWORD n) {
        log.append(piece, n);
        return true;
    });
    size_t logged = 0;
    for (size_t at = log.find(tree + "\\"); at != std::string::npos; at = log.find(tree + "\\", at + 1)) ++logged;
    // Each file's size and its time.
    Check(logged == 2 * files, "the tree's files in the log, sizes and times", "twice the files written");

    const auto launched = Clock::now();
    Driver again(e2e::ProgramPath());
    double startMs = 0;
    StartProgram(again, launched, &startMs);
    again.Kill();
    std::printf("Commit and Analyze of a tree through the %d-bit zarvik.exe, %s, %zu files in %zu folders\n"
                "  Commit %9.1f ms   floor (open, length and close of each file, from this process) %9.1f ms"
                "   ratio %.2f (target 1.5)\n"
                "  Analyze %9.1f ms   floor twice that %9.1f ms   ratio %.2f (target 1.5)\n"
                "  start-up with that log (%.1f MB) %9.1f ms (target 2000)   memory after Analyze %.1f MB"
                " (peak %.1f MB)\n",
                kBuild, WindowSystem(), files, folders.size(), commitMs, floor, commitMs / floor, analyzeMs,
                2 * floor, analyzeMs / (2 * floor), static_cast<double>(log.size()) / (1 << 20), startMs,
                memory.nowMb, memory.peakMb);
    ::DeleteFileA((windows + "\\Zarvik.ini").c_str());
    // The files first, then the folders, deepest first.
    scratch.reset();
    for (auto f = folders.rbegin(); f != folders.rend(); ++f) ::RemoveDirectoryA(f->c_str());
}

}  // namespace

// With an argument, only that row: "build", "viewer", "load", "tree" or "versions" ("" all); with a
// second, that zarvik.exe instead of the one built beside this program.
int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    if (argc > 2) g_program = argv[2];
    if (only.empty() || only == "build") BuildRows();
    std::fflush(stdout);
    if (only.empty() || only == "viewer") ViewerRows();
    std::fflush(stdout);
    if (only.empty() || only == "load") CompareLoadRow(20000);
    std::fflush(stdout);
    if (only.empty() || only == "tree") TreeRow(50000);
    if (only.empty() || only == "versions") VersionsRow();
    std::fflush(stdout);
    return g_differs ? 1 : 0;
}
