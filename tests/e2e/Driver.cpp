#include "e2e/Driver.h"

#include <stdexcept>
#include <vector>

namespace e2e {

void WriteAll(const std::string& path, const std::string& bytes) {
    HANDLE f = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) throw std::runtime_error("Cannot write " + path);
    DWORD written = 0;
    ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(f);
}

ScratchFiles::~ScratchFiles() {
    for (const std::string& p : paths_) ::DeleteFileA(p.c_str());
}

void ScratchFiles::Write(const std::string& path, const std::string& bytes) {
    paths_.push_back(path);
    WriteAll(path, bytes);
}

std::string WindowsDirectory() {
    char buf[MAX_PATH] = {};
    return ::GetWindowsDirectoryA(buf, sizeof buf) ? buf : "";
}

std::string SystemDirectory() {
    char buf[MAX_PATH] = {};
    return ::GetSystemDirectoryA(buf, sizeof buf) ? buf : "";
}

std::string SystemWow64Directory() {
    const auto query = reinterpret_cast<UINT(WINAPI*)(LPSTR, UINT)>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetSystemWow64DirectoryA")));
    char buf[MAX_PATH] = {};
    return query && query(buf, sizeof buf) ? buf : "";
}

std::string NativeSystemDirectory() {
    BOOL wow64 = FALSE;
    ::IsWow64Process(::GetCurrentProcess(), &wow64);
    return wow64 ? WindowsDirectory() + "\\Sysnative" : SystemDirectory();
}

namespace {

// How long a control of the program may take to answer one message: a
// program that takes longer has hung, and the test must not hang with it.
constexpr UINT kAnswerMs = 20000;

// Sends a message to another process's window; false when it did not answer.
bool SendBounded(HWND hwnd, UINT message, WPARAM w, LPARAM l, LRESULT& result, bool wide = false) {
    DWORD_PTR r = 0;
    const LRESULT sent = wide ? ::SendMessageTimeoutW(hwnd, message, w, l, SMTO_NORMAL, kAnswerMs, &r)
                              : ::SendMessageTimeoutA(hwnd, message, w, l, SMTO_NORMAL, kAnswerMs, &r);
    result = static_cast<LRESULT>(r);
    return sent != 0;
}

LRESULT SendOrThrow(HWND hwnd, UINT message, WPARAM w, LPARAM l, bool wide = false) {
    LRESULT result = 0;
    if (!SendBounded(hwnd, message, w, l, result, wide))
        throw std::runtime_error("The program did not answer within " +
                                 std::to_string(kAnswerMs / 1000) + " s");
    return result;
}

// A window's text, or "" when it does not answer: for the window searches,
// whose callbacks must not throw.
std::string TextOrNothing(HWND hwnd) {
    try {
        return Driver::TextOf(hwnd);
    } catch (const std::runtime_error&) {
        return {};
    }
}

std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string ClassOf(HWND hwnd) {
    char buf[256] = {};
    ::GetClassNameA(hwnd, buf, sizeof buf);
    return buf;
}

struct Search {
    DWORD pid;
    std::string title;
    bool dialog;
    bool suffix;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != s->pid || !::IsWindowVisible(hwnd)) return TRUE;
    std::string text = TextOrNothing(hwnd);
    bool match = s->suffix ? text.size() >= s->title.size() &&
                                 text.compare(text.size() - s->title.size(), std::string::npos,
                                              s->title) == 0 && text != s->title
                           : text == s->title;
    if (match && s->dialog != (ClassOf(hwnd) == "#32770")) match = false;
    if (match) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Looks again every 50 ms, and stops at once when the process has ended:
// no window of it can come any more.
HWND WaitFor(HANDLE process, Search s, int timeoutMs) {
    const DWORD start = ::GetTickCount();
    do {
        ::EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&s));
        if (s.found) return s.found;
    } while (::WaitForSingleObject(process, 50) == WAIT_TIMEOUT &&
             ::GetTickCount() - start < static_cast<DWORD>(timeoutMs));
    return nullptr;
}

struct ChildSearch {
    std::string text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<ChildSearch*>(lp);
    if (TextOrNothing(hwnd) == s->text) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

Driver::Driver(const std::string& exe) {
    std::string path = WindowsPath(exe);
    std::string cmd = "\"" + path + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (!::CreateProcessA(path.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &si, &pi_))
        throw std::runtime_error("Cannot start " + path);
    ::WaitForInputIdle(pi_.hProcess, 10000);
}

Driver::~Driver() {
    if (pi_.hProcess) {
        if (::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(pi_.hProcess, 99);
        ::CloseHandle(pi_.hProcess);
        ::CloseHandle(pi_.hThread);
    }
}

HWND Driver::WaitForWindow(const std::string& title, bool dialog, int timeoutMs) {
    return WaitFor(pi_.hProcess, {pi_.dwProcessId, title, dialog, false}, timeoutMs);
}

HWND Driver::WaitForMainWindow(const std::string& suffix, int timeoutMs) {
    return WaitFor(pi_.hProcess, {pi_.dwProcessId, suffix, false, true}, timeoutMs);
}


HWND Driver::FindChild(HWND parent, const std::string& text) {
    ChildSearch s{text};
    ::EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

std::string Driver::TextOf(HWND hwnd) {
    // WM_GETTEXT crosses processes whole, where GetWindowText does not
    // ask another process's controls.
    LRESULT len = SendOrThrow(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::string s(static_cast<size_t>(len) + 1, '\0');
    LRESULT got = SendOrThrow(hwnd, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(got > 0 ? got : 0));
    return s;
}

void Driver::Answer(HWND box, int buttonId) {
    HWND button = ::GetDlgItem(box, buttonId);
    if (!button) throw std::runtime_error("The message box has no such button");
    ::PostMessageA(button, BM_CLICK, 0, 0);
}

void Driver::Press(HWND button) { ::PostMessageA(button, BM_CLICK, 0, 0); }

void Driver::Kill() {
    ::TerminateProcess(pi_.hProcess, 9);
    ::WaitForSingleObject(pi_.hProcess, 20000);
}

int Driver::WaitForExit(int timeoutMs) {
    if (::WaitForSingleObject(pi_.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(pi_.hProcess, &code);
    return static_cast<int>(code);
}

int Driver::ListCount(HWND list) {
    return static_cast<int>(SendOrThrow(list, LB_GETCOUNT, 0, 0));
}

std::string Driver::ListItem(HWND list, int index) {
    LRESULT len = SendOrThrow(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0, true);
    if (len <= 0) return {};
    std::vector<wchar_t> wide(static_cast<size_t>(len) + 1, L'\0');
    LRESULT got = SendOrThrow(list, LB_GETTEXT, static_cast<WPARAM>(index),
                              reinterpret_cast<LPARAM>(wide.data()), true);
    if (got <= 0) return {};
    int n = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(got), nullptr, 0,
                                  nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(got), s.data(), n, nullptr,
                          nullptr);
    return s;
}

}  // namespace e2e
