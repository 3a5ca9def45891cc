#pragma once
// The whole program on temporary Windows and System directories, started as
// a user starts it (no external list) and shown, for a benchmark to drive.
#include <windows.h>

#include <memory>

#include "app/Application.h"
#include "gui/support/Harness.h"
#include "ui/Form.h"

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
