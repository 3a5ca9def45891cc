#pragma once
// The whole program on temporary Windows and System directories, started as
// a user starts it (no external list) and shown, for a benchmark to drive.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "app/Application.h"
#include "gui/support/Harness.h"
#include "ui/Form.h"

// One check of a benchmark's output against its reference; a benchmark
// with any difference exits 1 (BenchExitCode).
inline bool g_benchDiffers = false;
inline void BenchCheck(bool same, const char* what, const char* reference) {
    std::printf("  check: %s %s %s\n", what, same ? "equals" : "DIFFERS FROM", reference);
    g_benchDiffers = g_benchDiffers || !same;
}
inline int BenchExitCode() { return g_benchDiffers ? 1 : 0; }

struct BenchProgram {
    testing_support::TempDir root;
    testing_support::ScriptedPrompts prompts;
    testing_support::FixedPaths paths;
    std::unique_ptr<zarvik::Application> app;

    BenchProgram() {
        paths.windows = root / "windows";
        paths.system = paths.windows + "\\system";
        testing_support::MakeDirectory(paths.windows);
        testing_support::MakeDirectory(paths.system);
        prompts.answers.push_back(false);  // no external list
        app = std::make_unique<zarvik::Application>(prompts, paths);
        app->CreateForms();
        ::ShowWindow(app->Form1().Handle(), SW_SHOW);
        ui::PumpMessages();
    }
    ~BenchProgram() {
        app.reset();
        ui::PumpMessages();
    }
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;
};
