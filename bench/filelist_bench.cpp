// Build FileList and Analyze FileList through the real main window, against
// the bare file opens each command cannot avoid, and the log store against
// the platform's profile functions. Prints figures and checks outputs;
// asserts no times, and exits 1 when an output differs from its reference.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/Application.h"
#include "BenchProgram.h"
#include "app/MainForm.h"
#include "filelist/CommandProgress.h"
#include "filelist/ListPages.h"
#include "core/FileWalk.h"
#include "core/LogLayout.h"
#include "core/LogFileSystem.h"
#include "core/LogStore.h"
#include "gui/support/Harness.h"
#include "ui/Form.h"

using namespace testing_support;

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The open, length query and close of the size probe.
void Probe(const std::string& path) {
    HANDLE f = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD high = 0;
    ::GetFileSize(f, &high);
    ::CloseHandle(f);
}

// The open and close of the presence test.
void Presence(const std::string& path) {
    HANDLE f = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f != INVALID_HANDLE_VALUE) ::CloseHandle(f);
}

void MakeFiles(const std::string& dir, int n) {
    for (int i = 0; i < n; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "F%06d.%s", i, i % 3 == 0 ? "DLL" : "dat");
        const std::string path = dir + "\\" + name;
        const size_t size = i % 50 == 7 ? 0 : static_cast<size_t>((i * 7919) % 3000 + 1);
        WriteFile(path, std::string(size, 'z'));
        if (i % 100 == 3) ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
}

// Two percent of the files: a third deleted, a third resized, a third added.
void ChangeFiles(const std::string& dir, int n) {
    for (int i = 0; i < n; i += 50) {
        char name[32];
        std::snprintf(name, sizeof name, "F%06d.%s", i, i % 3 == 0 ? "DLL" : "dat");
        const std::string path = dir + "\\" + name;
        switch ((i / 50) % 3) {
            case 0: ::DeleteFileA(path.c_str()); break;
            case 1: WriteFile(path, std::string(5000, 'y')); break;
            default: WriteFile(dir + "\\NEW" + name, std::string(1234, 'n')); break;
        }
    }
}

// Whether Analyze listed every file that ChangeFiles deleted, resized and
// added, each in its list.
bool ListsHoldTheChanges(zarvik::TForm1& main, const std::vector<std::string>& dirs, int n) {
    auto paths = [](const ui::ListBox& list) {
        std::set<std::string> out;
        for (std::string item : list.Items()) {
            item = item.substr(0, item.find(" = "));
            ::CharUpperBuffA(item.data(), static_cast<DWORD>(item.size()));
            out.insert(item);
        }
        return out;
    };
    const std::set<std::string> lists[3] = {paths(main.Page<zarvik::FilesDeletedPage>().ListBox2),
                                            paths(main.Page<zarvik::FilesChangedPage>().ListBox3),
                                            paths(main.Page<zarvik::FilesAddedPage>().ListBox4)};
    for (const std::string& dir : dirs) {
        for (int i = 0; i < n; i += 50) {
            char name[40];
            std::snprintf(name, sizeof name, "%sF%06d.%s", (i / 50) % 3 == 2 ? "NEW" : "", i,
                          i % 3 == 0 ? "DLL" : "dat");
            std::string path = dir + "\\" + name;
            ::CharUpperBuffA(path.data(), static_cast<DWORD>(path.size()));
            if (!lists[(i / 50) % 3].count(path)) return false;
        }
    }
    return true;
}

// Build's phases, each timed by running that part of the command alone in
// the same run; what remains is the command's own bookkeeping.
struct Phases {
    double listing, logWrite, timeWrite, statusPaint, logView;
    uint64_t logBytes, logBytesWithTimes;
};

Phases BuildPhases(zarvik::Application& app, TempDir& root, const std::vector<std::string>& files,
                   double buildMs) {
    zarvik::TForm1& main = app.Form1();
    Phases p{};
    auto start = Clock::now();
    main.Page<zarvik::WindowsFilesPage>().FileListBox3.Update();
    main.Page<zarvik::SystemFilesPage>().FileListBox4.Update();
    main.Page<zarvik::SystemWow64FilesPage>().FileListBox5.Update();
    p.listing = MsSince(start);

    // The log as Build writes it, each directory's sizes and then its times:
    // once without the time sections and once with them.
    auto fs = zarvik::MakePlatformLogFileSystem();
    const char* sections[] = {"Windows", "Windows\\System", zarvik::kSystemWow64Section};
    const size_t third = files.size() / 3;
    auto name = [&](size_t i) { return files[i].substr(files[i].rfind('\\') + 1); };
    auto fileBytes = [](const std::string& path) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
        return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    };
    zarvik::LogStore sizes(root / "phase.ini", *fs), both(root / "phase-times.ini", *fs);
    for (int pass = 0; pass < 2; ++pass) {
        zarvik::LogStore& store = pass ? both : sizes;
        zarvik::LogStore::Batch batch(store);
        for (size_t d = 0; d < 3; ++d) {
            // The sizes a piece at a time, the times at once, as Build writes them.
            start = Clock::now();
            std::vector<std::pair<std::string, int64_t>> values;
            for (size_t i = d * third; i < (d + 1) * third; ++i) {
                values.emplace_back(name(i), static_cast<int64_t>(i + 1));
                if (values.size() == zarvik::kSizesPerWrite || i + 1 == (d + 1) * third) {
                    store.WriteIntegers(sections[d], values);
                    values.clear();
                }
            }
            if (!pass) p.logWrite += MsSince(start);
            if (!pass) continue;
            start = Clock::now();
            for (size_t i = d * third; i < (d + 1) * third; ++i)
                values.emplace_back(name(i), 134412874444191921 + static_cast<int64_t>(i));
            store.WriteIntegers(zarvik::TimesSection(sections[d]), values);
            p.timeWrite += MsSince(start);
        }
    }
    p.logBytes = fileBytes(root / "phase.ini");
    p.logBytesWithTimes = fileBytes(root / "phase-times.ini");

    // The status line is painted about 10 times a second.
    const int paints = static_cast<int>(buildMs / 100) + 1;
    start = Clock::now();
    for (int i = 0; i < paints; ++i) {
        main.StatusBar1.SetSimpleText(files[static_cast<size_t>(i) % files.size()]);
        ::UpdateWindow(main.StatusBar1.Handle());
    }
    p.statusPaint = MsSince(start);

    // What Build leaves for the log view: the file read into lines; the memo
    // is filled when its page is shown.
    start = Clock::now();
    main.Page<zarvik::LogViewPage>().ReloadLogView();
    p.logView = MsSince(start);
    return p;
}

struct Figures {
    double buildFloor, build, analyzeFloor, analyze;
    Phases phases;
};

Figures RunCommands(int n) {
    TempDir root;
    ScriptedPrompts prompts;
    FixedPaths paths;
    paths.windows = root / "windows";
    paths.system = paths.windows + "\\system";
    // 64-bit Windows: a second System directory, logged and compared too.
    paths.systemWow64 = paths.windows + "\\syswow64";
    MakeDirectory(paths.windows);
    MakeDirectory(paths.system);
    MakeDirectory(paths.systemWow64);
    MakeFiles(paths.windows, n);
    MakeFiles(paths.system, n);
    MakeFiles(paths.systemWow64, n);

    Figures f{};
    prompts.answers.push_back(false);  // no external list
    auto app = std::make_unique<zarvik::Application>(prompts, paths);
    app->CreateForms();
    zarvik::TForm1& main = app->Form1();
    ::ShowWindow(main.Handle(), SW_SHOW);
    ui::PumpMessages();

    auto listed = [&] {
        std::vector<std::string> all;
        for (const std::string& name : main.Page<zarvik::WindowsFilesPage>().FileListBox3.Names())
            all.push_back(app->CurrentSession().WindowsPath() + name);
        for (const std::string& name : main.Page<zarvik::SystemFilesPage>().FileListBox4.Names())
            all.push_back(app->CurrentSession().SystemPath() + name);
        for (const std::string& name : main.Page<zarvik::SystemWow64FilesPage>().FileListBox5.Names())
            all.push_back(app->CurrentSession().SystemWow64Path() + name);
        return all;
    };

    std::vector<std::string> files = listed();
    // The first pass over fresh files warms the caches; the floor is the
    // faster of two passes, so the ratios are not flattered by a cold floor.
    f.buildFloor = 1e300;
    for (int pass = 0; pass < 2; ++pass) {
        auto start = Clock::now();
        for (const std::string& p : files) Probe(p);
        f.buildFloor = std::min(f.buildFloor, MsSince(start));
    }

    prompts.answers.push_back(true);
    auto start = Clock::now();
    ::SendMessageA(main.SpeedButton1.Handle(), BM_CLICK, 0, 0);
    f.build = MsSince(start);
    f.phases = BuildPhases(*app, root, files, f.build);
    ui::PumpMessages();

    ChangeFiles(paths.windows, n);
    ChangeFiles(paths.system, n);
    ChangeFiles(paths.systemWow64, n);
    main.Page<zarvik::WindowsFilesPage>().FileListBox3.Update();
    main.Page<zarvik::SystemFilesPage>().FileListBox4.Update();
    main.Page<zarvik::SystemWow64FilesPage>().FileListBox5.Update();

    files = listed();
    std::vector<std::string> logged;
    for (const std::string& k : app->CurrentSession().LogFile().ReadSectionKeys("Windows")) logged.push_back(app->CurrentSession().WindowsPath() + k);
    for (const std::string& k : app->CurrentSession().LogFile().ReadSectionKeys("Windows\\System")) logged.push_back(app->CurrentSession().SystemPath() + k);
    for (const std::string& k : app->CurrentSession().LogFile().ReadSectionKeys(zarvik::kSystemWow64Section))
        logged.push_back(app->CurrentSession().SystemWow64Path() + k);
    f.analyzeFloor = 1e300;
    for (int pass = 0; pass < 2; ++pass) {
        auto start = Clock::now();
        for (const std::string& p : files) Probe(p);
        for (const std::string& p : logged) Presence(p);
        f.analyzeFloor = std::min(f.analyzeFloor, MsSince(start));
    }

    start = Clock::now();
    ::SendMessageA(main.SpeedButton2.Handle(), BM_CLICK, 0, 0);
    f.analyze = MsSince(start);
    ui::PumpMessages();

    BenchCheck(prompts.Errors().empty(), "the errors shown", "none");
    BenchCheck(ListsHoldTheChanges(main, {paths.windows, paths.system}, n), "Analyze's lists",
               "the files changed");
    app.reset();
    ui::PumpMessages();
    return f;
}

struct StoreFigures {
    int compared;  // entries of the side-by-side run
    double store, batched, storeCompared, platform;
};

// The log store and the platform's profile functions measured the same way:
// N integer writes into a file that grows from empty, then N reads of them.
// Side by side on at most 1000 entries: each profile call rewrites or reads
// the whole file, so theirs grows with the square of N (10 s for 1000).
StoreFigures RunStore(int n) {
    TempDir dir;
    StoreFigures f{};
    auto writeThenRead = [&](const std::string& path, int count, bool batched) {
        auto fs = zarvik::MakePlatformLogFileSystem();
        zarvik::LogStore store(path, *fs);
        std::optional<zarvik::LogStore::Batch> batch;
        if (batched) batch.emplace(store);
        auto start = Clock::now();
        for (int i = 0; i < count; ++i) store.WriteInteger("Windows", "FILE" + std::to_string(i) + ".DLL", i + 1);
        long sum = 0;
        for (int i = 0; i < count; ++i) sum += store.ReadInteger("Windows", "FILE" + std::to_string(i) + ".DLL", 0);
        const double ms = MsSince(start);
        BenchCheck(sum == static_cast<long>(count) * (count + 1) / 2, "the store's sum of what it read",
                   "what it wrote");
        return ms;
    };
    f.store = writeThenRead(dir / "store.ini", n, false);
    f.batched = writeThenRead(dir / "batch.ini", n, true);  // as Build and Analyze run it
    f.compared = std::min(n, 1000);
    f.storeCompared = writeThenRead(dir / "compared.ini", f.compared, false);
    const std::string profile = dir / "profile.ini";
    auto start = Clock::now();
    for (int i = 0; i < f.compared; ++i) {
        const std::string key = "FILE" + std::to_string(i) + ".DLL";
        ::WritePrivateProfileStringA("Windows", key.c_str(), std::to_string(i + 1).c_str(), profile.c_str());
    }
    long sum = 0;
    for (int i = 0; i < f.compared; ++i) {
        const std::string key = "FILE" + std::to_string(i) + ".DLL";
        sum += static_cast<long>(::GetPrivateProfileIntA("Windows", key.c_str(), 0, profile.c_str()));
    }
    f.platform = MsSince(start);
    BenchCheck(sum == static_cast<long>(f.compared) * (f.compared + 1) / 2,
               "the profile functions' sum of what they read", "what they wrote");
    return f;
}

}  // namespace

// With an argument, only that many files per directory (no growth figure).
int main(int argc, char** argv) {
    Figures runs[2];
    int sizes[2] = {5000, 20000};
    const int count = argc > 1 ? 1 : 2;
    if (argc > 1) sizes[0] = std::atoi(argv[1]);
    for (int r = 0; r < count; ++r) {
        const int n = sizes[r];
        runs[r] = RunCommands(n);
        const Figures& f = runs[r];
        std::printf("N = %d files in each of Windows, System and the 32-bit System directory\n", n);
        std::printf("  Build FileList     %9.1f ms   floor (open, length and close of each listed file)"
                    " %9.1f ms   ratio %.2f\n",
                    f.build, f.buildFloor, f.build / f.buildFloor);
        const Phases& p = f.phases;
        std::printf("    phases measured apart: listing %.0f, probing (the floor) %.0f, log write %.0f, "
                    "status paint %.0f, log view %.0f ms; the remainder, by subtraction, %.0f ms\n",
                    p.listing, f.buildFloor, p.logWrite + p.timeWrite, p.statusPaint, p.logView,
                    f.build - p.listing - f.buildFloor - p.logWrite - p.timeWrite - p.statusPaint -
                        p.logView);
        std::printf("    the time sections: their writes %.0f ms of Build's log write (measured apart),"
                    " so Build without them %.0f ms (by subtraction); the log %llu bytes with them,"
                    " %llu without\n",
                    p.timeWrite, f.build - p.timeWrite,
                    static_cast<unsigned long long>(p.logBytesWithTimes),
                    static_cast<unsigned long long>(p.logBytes));
        std::printf("  Analyze FileList   %9.1f ms   floor (open, length and close of each listed file,"
                    " open and close of each logged one) %9.1f ms   ratio %.2f\n",
                    f.analyze, f.analyzeFloor, f.analyze / f.analyzeFloor);
        const StoreFigures s = RunStore(n);
        std::printf("  Log store, %d writes into a file growing from empty + %d reads: %.1f ms;"
                    " inside a batch (the file held open, as Build and Analyze run it) %.1f ms\n",
                    n, n, s.store, s.batched);
        std::printf("  the same work on %d entries: log store %.1f ms; the profile functions doing"
                    " it (the reference) %.1f ms, %.1fx slower\n",
                    s.compared, s.storeCompared, s.platform, s.platform / s.storeCompared);
        std::fflush(stdout);
    }
    if (count < 2) return BenchExitCode();
    std::printf("Growth from 5,000 to 20,000: Build %.2fx, Analyze %.2fx (linear: 4x)\n",
                runs[1].build / runs[0].build, runs[1].analyze / runs[0].analyze);
    return BenchExitCode();
}
