// The Registry Services page's rebuild on a registry with many classes: the
// milliseconds of RebuildRegistryLists and of showing the page, against a
// bare loop that enumerates HKEY_CLASSES_ROOT and opens each class's
// shell\open\command path once. Adds the classes to the prefix's registry
// and takes them away again. Prints figures and checks the list; asserts no
// times.
// Usage: registry_bench [CLASSES [ROUNDS]]   (default 10000 classes, 9 rounds)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "BenchProgram.h"
#include "app/Application.h"
#include "app/MainForm.h"
#include "filelist/LogViewPage.h"
#include "gui/support/Harness.h"
#include "system/RegistryPage.h"
#include "ui/Form.h"

using namespace testing_support;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kPrefix = "ZarvikBench.";

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<std::string> ClassNames() {
    std::vector<std::string> names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof name;
        if (::RegEnumKeyExA(HKEY_CLASSES_ROOT, i, name, &len, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, len);
    }
    return names;
}

void DeleteTree(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        std::vector<std::string> children;
        char name[256];
        for (DWORD i = 0;; ++i) {
            DWORD len = sizeof name;
            if (::RegEnumKeyExA(key, i, name, &len, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            children.emplace_back(name, len);
        }
        ::RegCloseKey(key);
        for (const std::string& child : children) DeleteTree(root, path + "\\" + child);
    }
    ::RegDeleteKeyA(root, path.c_str());
}

void RemoveBenchClasses() {
    for (const std::string& name : ClassNames())
        if (name.rfind(kPrefix, 0) == 0) DeleteTree(HKEY_CLASSES_ROOT, name);
}

// Every third class gets an open command.
bool AddBenchClasses(int count) {
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "%s%05d%s", kPrefix, i,
                      i % 3 == 0 ? "\\shell\\open\\command" : "");
        HKEY key = nullptr;
        if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr) != ERROR_SUCCESS)
            return false;
        if (i % 3 == 0) {
            const char command[] = "\"C:\\Program Files\\Bench\\bench.exe\" \"%1\"";
            ::RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                             sizeof command);
        }
        ::RegCloseKey(key);
    }
    return true;
}

// What the scan cannot do with less: each class's command path opened once.
int BareLoop() {
    int opened = 0;
    for (const std::string& name : ClassNames()) {
        const std::string path = name + "\\shell\\open\\command";
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
            ++opened;
            ::RegCloseKey(key);
        }
    }
    return opened;
}

// The same, each part of the path opened below the one before.
int PartByPart() {
    int opened = 0;
    for (const std::string& name : ClassNames()) {
        HKEY at = HKEY_CLASSES_ROOT;
        bool all = true;
        for (const std::string& part : {name, std::string("shell"), std::string("open"),
                                        std::string("command")}) {
            HKEY next = nullptr;
            const bool ok =
                ::RegOpenKeyExA(at, part.c_str(), 0, KEY_READ, &next) == ERROR_SUCCESS;
            if (at != HKEY_CLASSES_ROOT) ::RegCloseKey(at);
            if (!ok) {
                all = false;
                break;
            }
            at = next;
        }
        if (all) {
            ++opened;
            ::RegCloseKey(at);
        }
    }
    return opened;
}

template <typename Work>
double Median(int rounds, Work work) {
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        const Clock::time_point start = Clock::now();
        work();
        ms.push_back(MsSince(start));
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int classes = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int rounds = std::max(1, argc > 2 ? std::atoi(argv[2]) : 9);
    RemoveBenchClasses();  // left by a run that was stopped
    const Clock::time_point adding = Clock::now();
    if (!AddBenchClasses(classes)) {
        std::printf("cannot add the classes\n");
        RemoveBenchClasses();
        return 1;
    }
    std::printf("%d classes added in %.0f ms; HKEY_CLASSES_ROOT has %zu\n", classes,
                MsSince(adding), ClassNames().size());

    {  // the program ends before the classes are removed
        BenchProgram program;
        zarvik::Application* app = program.app.get();
        zarvik::TForm1& main = app->Form1();
        zarvik::RegistryPage& page = main.Page<zarvik::RegistryPage>();

        int commands = 0;
        const double bare = Median(rounds, [&] { commands = BareLoop(); });
        const double parts = Median(rounds, [&] { PartByPart(); });
        const double scan = Median(rounds, [&] { page.ListShellApplications(page.ListBox14); });
        const double rebuild = Median(rounds, [&] { page.RebuildRegistryLists(); });
        // The page brought to the top from another one and painted.
        auto medianShow = [&] {
            std::vector<double> shows;
            for (int i = 0; i < rounds; ++i) {
                main.PageControl1.SetActivePage(main.Page<zarvik::LogViewPage>().Sheet());
                ui::PumpMessages();
                const Clock::time_point start = Clock::now();
                main.PageControl1.SetActivePage(page.Sheet());
                page.Sheet().Repaint();
                shows.push_back(MsSince(start));
            }
            std::sort(shows.begin(), shows.end());
            return shows[shows.size() / 2];
        };
        const double show = medianShow();
        const int listed = page.ListBox14.Count();
        // Its floor: the same page shown and painted with its lists empty.
        for (ui::ListBox* list : {&page.ListBox10, &page.ListBox12, &page.ListBox13, &page.ListBox14})
            list->Clear();
        const double emptyShow = medianShow();
        std::printf("classes with an open command: %d; listed: %d\n", commands, listed);
        std::printf("floor: the bare loop (enumerate the classes, open each one's\n"
                    "       shell\\open\\command path once)           %8.1f ms\n", bare);
        std::printf("the same loop opening part by part:             %8.1f ms  (%.2fx the floor)\n", parts,
                    parts / bare);
        std::printf("ListShellApplications:                          %8.1f ms  (%.2fx the floor)\n", scan,
                    scan / bare);
        std::printf("RebuildRegistryLists:                           %8.1f ms  (%.2fx the floor)\n", rebuild,
                    rebuild / bare);
        std::printf("showing the page, painted:                      %8.1f ms  floor (the same page with\n"
                    "       its lists empty) %.1f ms\n", show, emptyShow);
        std::printf("targets: RebuildRegistryLists within 2x of the bare loop; the page under 1000 ms\n");
        BenchCheck(listed == commands, "the classes listed", "the classes with an open command");
    }
    RemoveBenchClasses();
    return BenchExitCode();
}
