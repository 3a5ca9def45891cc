// Opening a large file in the real File Viewer: the time until the viewer is
// shown and painted, and the peak working set of the process. The file is
// made of the System directory's DLLs. The floor is GNU strings over the
// same file. Prints figures and checks that the viewer shows every string
// the extraction finds; asserts no times. Exits 1 when it does not.
// Usage: viewer_bench [MEGABYTES [ROUNDS]]   (default 100 MB, 2 rounds)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "BenchProgram.h"
#include "BenchFiles.h"
#include "app/Application.h"
#include "gui/support/Harness.h"
#include "inspect/StringExtraction.h"
#include "inspect/Unit5.h"
#include "ui/Handles.h"
#include "ui/Form.h"

using namespace testing_support;

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Looked up at run time: kernel32 has it from Windows 7 on, psapi before.
using MemoryInfoFunction = BOOL(WINAPI*)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
MemoryInfoFunction FindMemoryInfo() {
    FARPROC f = ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo");
    if (!f) {
        if (HMODULE psapi = ::LoadLibraryA("psapi.dll")) f = ::GetProcAddress(psapi, "GetProcessMemoryInfo");
    }
    return reinterpret_cast<MemoryInfoFunction>(reinterpret_cast<void*>(f));
}

struct WorkingSet {
    double peakMb = -1, nowMb = -1;
};

WorkingSet Measure() {
    static const MemoryInfoFunction info = FindMemoryInfo();
    WorkingSet w;
    PROCESS_MEMORY_COUNTERS c{};
    c.cb = sizeof c;
    if (info && info(::GetCurrentProcess(), &c, sizeof c)) {
        w.peakMb = static_cast<double>(c.PeakWorkingSetSize) / (1 << 20);
        w.nowMb = static_cast<double>(c.WorkingSetSize) / (1 << 20);
    }
    return w;
}

// Random bytes: a data file with hardly a string in it.
bool MakeRandomFile(const std::string& path, size_t size) {
    ui::FileHandle out(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) return false;
    std::vector<char> piece(1 << 20);
    unsigned state = 12345;
    for (size_t written = 0; written < size; written += piece.size()) {
        for (char& c : piece) c = static_cast<char>((state = state * 1103515245u + 12345u) >> 23);
        DWORD done = 0;
        if (!::WriteFile(out.Get(), piece.data(), static_cast<DWORD>(piece.size()), &done, nullptr))
            return false;
    }
    return true;
}

// The strings the program's extraction finds in the file: how many lines
// the viewer must show.
size_t ExtractedLines(const std::string& file) {
    zarvik::StringList strings;
    zarvik::StringExtractor extractor(strings);
    bench::ReadInPieces(file, [&](const char* bytes, DWORD n) {
        extractor.Feed(bytes, n);
        return true;
    });
    extractor.Finish();
    return strings.Count();
}

void OpenRounds(zarvik::TForm5& viewer, const std::string& file, const char* what, int rounds) {
    // The file once through the system cache, so that every round reads alike.
    bench::ReadInPieces(file, [](const char*, DWORD) { return true; });
    const WorkingSet before = Measure();
    std::printf("File Viewer on %s\n", what);
    std::printf("  working set before: %.1f MB (peak so far %.1f MB)\n", before.nowMb, before.peakMb);
    // The rounds are printed after the floor, which runs last: its memory
    // would otherwise count in the rounds' peak working set.
    std::vector<double> times;
    std::vector<WorkingSet> sets;
    std::vector<std::array<double, 3>> texts;
    for (int round = 1; round <= rounds; ++round) {
        viewer.Hide();
        ui::PumpMessages();
        const auto start = Clock::now();
        viewer.OpenInViewer(file);
        ::UpdateWindow(viewer.Handle());
        const double shown = MsSince(start);
        ui::PumpMessages();
        const WorkingSet after = Measure();
        const double strings = ::GetWindowTextLengthA(viewer.Memo1.Handle()) / 1048576.0;
        const double findings = ::GetWindowTextLengthA(viewer.Memo2.Handle()) / 1048576.0;
        const int lines = static_cast<int>(viewer.Memo1.Count());
        times.push_back(shown);
        sets.push_back(after);
        texts.push_back({static_cast<double>(lines), strings, findings});
    }
    // The floor: GNU strings -n 6 over the file, at most two minutes a run.
    const double floor = bench::GnuStrings(file, 120000);
    if (floor > 0)
        std::printf("  floor: GNU strings -n 6 over the file %.0f ms\n", floor);
    else
        std::printf("  floor: NOT MEASURED, GNU strings could not be run here\n");
    const size_t extracted = ExtractedLines(file);
    for (const auto& t : texts)
        BenchCheck(static_cast<size_t>(t[0]) == extracted, "the viewer's line count",
                   "the extraction's string count");
    for (size_t i = 0; i < times.size(); ++i)
        std::printf("  round %zu: shown and painted in %.0f ms (%.2fx the floor); %.0f lines, %.2f MB +"
                    " %.2f MB of text; peak working set %.1f MB (now %.1f MB)\n",
                    i + 1, times[i], times[i] / floor, texts[i][0], texts[i][1], texts[i][2],
                    sets[i].peakMb, sets[i].nowMb);
    std::fflush(stdout);
}

}  // namespace

// Opens a file of random bytes, then one of real executables (in that order:
// the peak working set only grows).
int main(int argc, char** argv) {
    const size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 2;
    BenchProgram program;
    zarvik::Application* app = program.app.get();
    const std::string random = program.root / "random.bin";
    const std::string executables = program.root / "executables.bin";
    if (!MakeRandomFile(random, megabytes << 20) || !bench::MakeExecutablesFile(executables, megabytes << 20)) {
        std::printf("cannot make the test files\n");
        return 1;
    }


    const std::string size = std::to_string(megabytes) + " MB";
    OpenRounds(app->Form5(), random, (size + " of random bytes").c_str(), rounds);
    OpenRounds(app->Form5(), executables, (size + " of the System directory's DLLs").c_str(), rounds);
    std::printf("targets: under 3000 ms; under 64 MB plus what the two text fields hold\n");
    return BenchExitCode();
}
