#pragma once
// Drives the real zarvik.exe from another process, by window text alone, as
// an automation tool or a screen reader finds its controls.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// How long a wait lasts at most: it only ends a hang, inside CTest's limit;
// a wait on the program ends as soon as the program does.
constexpr int kHangMs = 240000;

// The zarvik.exe under test, as given on the command line.
const std::string& ProgramPath();

// The machine's directories as the program names them; the 32-bit System
// directory is empty on 32-bit Windows.
std::string WindowsDirectory();
std::string SystemDirectory();
std::string SystemWow64Directory();
// Where this test reaches the System directory the program logs: the
// native one, through Sysnative when the test itself is 32-bit.
std::string NativeSystemDirectory();

// Writes `bytes` as the whole file.
void WriteAll(const std::string& path, const std::string& bytes);

// Files written into a real directory (the prefix's Windows directory) and
// removed again at the end of the scope.
class ScratchFiles {
public:
    ScratchFiles() = default;
    ~ScratchFiles();
    ScratchFiles(const ScratchFiles&) = delete;
    ScratchFiles& operator=(const ScratchFiles&) = delete;

    void Write(const std::string& path, const std::string& bytes);

private:
    std::vector<std::string> paths_;
};

class Driver {
public:
    // Starts the program; `exe` may be a Unix path (Wine maps it to Z:).
    explicit Driver(const std::string& exe);
    ~Driver();

    DWORD ProcessId() const { return pi_.dwProcessId; }
    HANDLE Process() const { return pi_.hProcess; }
    // Waits for a top-level window of the process whose title is `title`,
    // of class "#32770" (message boxes) when `dialog` is set.
    HWND WaitForWindow(const std::string& title, bool dialog, int timeoutMs = kHangMs);
    // The main window: the top-level window whose title ends in `suffix`.
    HWND WaitForMainWindow(const std::string& suffix, int timeoutMs = kHangMs);
    // A descendant window with exactly this text.
    static HWND FindChild(HWND parent, const std::string& text);
    static std::string TextOf(HWND hwnd);
    // Answers a message box by its button id (IDYES, IDNO, IDOK).
    static void Answer(HWND box, int buttonId);
    // Presses a button without waiting for what it starts (it may open a
    // modal message box in the program).
    static void Press(HWND button);
    // Ends the process at once, wherever it is, and waits until it has gone.
    void Kill();
    // Waits for the process to end; its exit code, or -1 on timeout.
    int WaitForExit(int timeoutMs = kHangMs);
    // Reads a list box of the program whole (wide form: the ANSI one is cut
    // short across processes under Wine).
    static std::string ListItem(HWND list, int index);
    static int ListCount(HWND list);

private:
    PROCESS_INFORMATION pi_{};
};

}  // namespace e2e
