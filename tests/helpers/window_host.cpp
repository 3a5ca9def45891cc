// A process with windows of known captions for the window-list tests and
// the benchmark. Arguments: the name of an event to set once every window
// exists, the ID of the process to outlive not, the window class, the
// child windows of each top-level window, the count of numbered top-level
// windows ("w1", "w2"...), then one caption per further top-level window.
// It ends when it is terminated or when that process ends.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return ::DefWindowProcA(hwnd, msg, wp, lp);
}

void MakeWindow(const char* cls, const std::string& caption, int children) {
    HWND top = ::CreateWindowExA(0, cls, caption.c_str(), WS_OVERLAPPEDWINDOW, 10, 10, 200, 120,
                                 nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    for (int i = 0; i < children; ++i)
        ::CreateWindowExA(0, cls, ("child " + std::to_string(i)).c_str(), WS_CHILD | WS_VISIBLE,
                          0, 0, 20, 20, top, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6) return 2;
    const char* cls = argv[3];
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = cls;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    if (!::RegisterClassA(&wc)) return 3;
    const int children = std::atoi(argv[4]);
    const int numbered = std::atoi(argv[5]);
    for (int i = 6; i < argc; ++i) MakeWindow(cls, argv[i], children);
    for (int i = 1; i <= numbered; ++i) MakeWindow(cls, "w" + std::to_string(i), children);

    HANDLE parent = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(std::atol(argv[2])));
    if (HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1])) {
        ::SetEvent(ready);
        ::CloseHandle(ready);
    }
    if (!parent) return 4;
    for (;;) {
        DWORD r = ::MsgWaitForMultipleObjects(1, &parent, FALSE, INFINITE, QS_ALLINPUT);
        if (r != WAIT_OBJECT_0 + 1) break;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    ::CloseHandle(parent);
    return 0;
}
