// Zarvik: logs the files of the Windows and System directories and finds
// what an installation changed.
#include <windows.h>

#include <exception>

#include "app/Application.h"
#include "shell/ProductTexts.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    zarvik::Win32Prompts prompts;
    zarvik::Win32SystemPaths paths;
    try {
        zarvik::Application app(prompts, paths);
        app.CreateForms();
        return app.Run();
    } catch (const std::exception& e) {
        // An error that escapes the message loop ends the program.
        prompts.ShowError(nullptr, e.what(), zarvik::kProductTitle);
        return 1;
    }
}
