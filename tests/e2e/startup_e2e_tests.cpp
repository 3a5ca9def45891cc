// Starts the real program and works it from another process.
#include <algorithm>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/Driver.h"

namespace {

using Titles = std::pair<DWORD, std::vector<std::string>>;

// The task bar and Alt-Tab show visible, unowned top-level windows but tool windows.
BOOL CALLBACK AddShownTitle(HWND hwnd, LPARAM lp) {
    auto* shown = reinterpret_cast<Titles*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == shown->first && ::IsWindowVisible(hwnd) && !::GetWindow(hwnd, GW_OWNER) &&
        !(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
        shown->second.push_back(e2e::Driver::TextOf(hwnd));
    return TRUE;
}

TEST(RealProgram, AnswersStartQuestionFindsControlsAndQuits) {
    e2e::Driver program(e2e::ProgramPath());

    HWND question = program.WaitForWindow("Zarvik v1.1", true);
    ASSERT_NE(question, nullptr) << "no start-up question";
    EXPECT_NE(e2e::Driver::FindChild(question, "Do you wish to Open an External List File"),
              nullptr);
    e2e::Driver::Answer(question, IDNO);

    HWND main = program.WaitForMainWindow("Zarvik v1.1");
    ASSERT_NE(main, nullptr) << "no main window";
    EXPECT_EQ(e2e::Driver::TextOf(main), std::string(86, ' ') + "Zarvik v1.1");
    Titles shown{program.ProcessId(), {}};
    ::EnumWindows(AddShownTitle, reinterpret_cast<LPARAM>(&shown));
    EXPECT_EQ(shown.second, std::vector<std::string>{"Zarvik v1.1"});
    EXPECT_NE(e2e::Driver::FindChild(main, "Build FileList"), nullptr);
    HWND additional = e2e::Driver::FindChild(main, "Additional");
    ASSERT_NE(additional, nullptr);
    EXPECT_TRUE(::IsWindowVisible(additional)) << "the program opens on the Additional page";

    HWND quit = e2e::Driver::FindChild(main, "Quit Zarvik v1.1");
    ASSERT_NE(quit, nullptr);
    e2e::Driver::Press(quit);
    HWND confirm = program.WaitForWindow("Zarvik v1.1", true);
    ASSERT_NE(confirm, nullptr) << "no exit question";
    EXPECT_NE(e2e::Driver::FindChild(confirm, "Do you really want to Exit Zarvik"), nullptr);
    e2e::Driver::Answer(confirm, IDYES);

    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(RealProgram, CarriesItsVersionAndAManifestWithItsExecutionLevel) {
    std::string path = e2e::ProgramPath();
    if (path[0] == '/') path = "Z:" + path;
    std::replace(path.begin(), path.end(), '/', '\\');
    std::vector<char> info(::GetFileVersionInfoSizeA(path.c_str(), nullptr));
    ASSERT_TRUE(::GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\StringFileInfo\\040904E4\\ProductName", &value, &length));
    EXPECT_STREQ(static_cast<const char*>(value), "Zarvik");
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\", &value, &length));
    EXPECT_EQ(static_cast<VS_FIXEDFILEINFO*>(value)->dwProductVersionMS, 0x00010001u);

    HMODULE exe = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = ::FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_TRUE(found);
    const std::string manifest(static_cast<const char*>(::LockResource(::LoadResource(exe, found))),
                               ::SizeofResource(exe, found));
    EXPECT_NE(manifest.find("requestedExecutionLevel level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
    ::FreeLibrary(exe);
}

}  // namespace
