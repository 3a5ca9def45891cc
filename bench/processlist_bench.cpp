// RefreshWindowList on many windows of another process, beside a bare
// enumeration that reads each window's text and class once. Two sizes, so
// that a step growing faster than the window count shows in the cost per
// window. Prints figures and checks that every window of the host is
// listed; asserts no times. Exits 1 when the list misses or adds any.
// Usage: processlist_bench [TOP-LEVEL WINDOWS [CHILDREN EACH [ROUNDS]]]
//        (default 2000 windows with 5 children each, 5 rounds)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BenchProgram.h"
#include "app/Application.h"
#include "app/MainForm.h"
#include "gui/support/Harness.h"
#include "helpers/WindowHost.h"
#include "system/ProcessListPage.h"
#include "ui/Form.h"

using namespace testing_support;

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double TimeMs(const std::function<void()>& f) {
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void ReadOnce(HWND window, long& count) {
    char text[110], cls[95];
    ::GetWindowTextA(window, text, sizeof text);
    ::GetClassNameA(window, cls, sizeof cls);
    ++count;
}

BOOL CALLBACK BareChild(HWND window, LPARAM param) noexcept {
    ReadOnce(window, *reinterpret_cast<long*>(param));
    return TRUE;
}

BOOL CALLBACK BareTop(HWND window, LPARAM param) noexcept {
    ReadOnce(window, *reinterpret_cast<long*>(param));
    ::EnumChildWindows(window, BareChild, param);
    return TRUE;
}

void Measure(zarvik::ProcessListPage& page, int top, int children, int rounds) {
    WindowHost host("ZkBenchWindow", children, top);
    if (!host.Running()) {
        std::printf("cannot start %s\n", WindowHost::HostPath().c_str());
        BenchCheck(false, "the window host", "a running process");
        return;
    }
    std::vector<double> bare, refresh;
    long windows = 0;
    for (int r = 0; r < rounds; ++r) {
        windows = 0;
        bare.push_back(TimeMs([&] { ::EnumWindows(BareTop, reinterpret_cast<LPARAM>(&windows)); }));
        refresh.push_back(TimeMs([&] { page.RefreshWindowList(); }));
    }
    const double b = Median(bare), f = Median(refresh);
    std::printf("%d top-level windows with %d children each: %ld windows on the desktop, %d listed\n",
                top, children, windows, page.ListBox7.Count());
    std::printf("  floor: bare enumeration (every window's text and class read once) %8.1f ms"
                "  (%.2f us a window)\n",
                b, 1000 * b / windows);
    std::printf("  RefreshWindowList  %8.1f ms  (%.2f us a window)  %.2fx the floor\n", f,
                1000 * f / windows, f / b);
    // The host's own entries: its top-level windows, and each one's children
    // marked "-->" (other programs' windows come and go meanwhile).
    const std::string pid = std::to_string(host.Id()) + "\t";
    long ours = 0;
    for (int i = 0; i < page.ListBox7.Count(); ++i) {
        const std::string entry = page.ListBox7.Item(i);
        ours += (entry.rfind(pid, 0) == 0 || entry.rfind("-->" + pid, 0) == 0) &&
                entry.find("\tZkBenchWindow\t") != std::string::npos;
    }
    BenchCheck(ours == static_cast<long>(top) * (1 + children), "the host's entries listed",
               "the windows it made");
}

}  // namespace

int main(int argc, char** argv) {
    const int top = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int children = argc > 2 ? std::atoi(argv[2]) : 5;
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;

    BenchProgram program;
    zarvik::Application* app = program.app.get();
    auto& page = app->Form1().Page<zarvik::ProcessListPage>();
    app->Form1().PageControl1.SetActivePage(page.Sheet());
    ui::PumpMessages();

    Measure(page, top / 2, children, rounds);
    Measure(page, top, children, rounds);
    std::printf("target: within 2x of the bare loop; the cost a window the same at both sizes\n");
    return BenchExitCode();
}
