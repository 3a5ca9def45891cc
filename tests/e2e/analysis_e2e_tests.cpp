// Build FileList and Analyze FileList in the real program, worked from
// another process: the message boxes answered, the result read back.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/Driver.h"

using namespace e2e;

namespace {

// The first list box on the page of that caption.
HWND ListOnPage(HWND main, const std::string& caption) {
    HWND page = e2e::Driver::FindChild(main, caption);
    return page ? ::FindWindowExA(page, nullptr, "ListBox", nullptr) : nullptr;
}

bool WaitForStatus(HWND main, const std::string& text) {
    HWND status = ::FindWindowExA(main, nullptr, "msctls_statusbar32", nullptr);
    for (int waited = 0; waited < e2e::kHangMs; waited += 50) {
        if (status && e2e::Driver::TextOf(status) == text) return true;
        ::Sleep(50);
    }
    return false;
}

bool Holds(HWND list, const std::string& entry) {
    for (int i = 0; i < e2e::Driver::ListCount(list); ++i)
        if (e2e::Driver::ListItem(list, i) == entry) return true;
    return false;
}

TEST(RealProgram, BuildThenAnalyzeListsANewFileUnderFilesAdded) {
    const std::string windows = WindowsDirectory();
    const std::string log = windows + "\\Zarvik.ini";
    const std::string added = windows + "\\zk_e2e_added_" + std::to_string(::GetCurrentProcessId()) + ".txt";
    ::DeleteFileA(log.c_str());  // the prefix keeps it between runs
    // Removed however the test ends: they lie in the prefix's own directories.
    e2e::ScratchFiles scratch;
    const auto writeBytes = [&](const std::string& path, size_t size) {
        scratch.Write(path, std::string(size, 'a'));
    };

    e2e::Driver program(e2e::ProgramPath());
    HWND question = program.WaitForWindow("Zarvik v1.1", true);
    ASSERT_NE(question, nullptr);
    e2e::Driver::Answer(question, IDNO);
    HWND main = program.WaitForMainWindow("Zarvik v1.1");
    ASSERT_NE(main, nullptr);

    // A file in the 32-bit System directory before Build, so the log holds
    // that directory even where the prefix leaves it empty.
    const std::string dll = "\\zk_e2e_added_" + std::to_string(::GetCurrentProcessId()) + ".dll";
    const std::string wow64 = SystemWow64Directory();
    ASSERT_FALSE(wow64.empty()) << "the test prefix is 64-bit Windows";
    writeBytes(wow64 + "\\zk_e2e_kept.dll", 100);

    e2e::Driver::Press(e2e::Driver::FindChild(main, "Build FileList"));
    HWND build = program.WaitForWindow("Zarvik v1.1", true);
    ASSERT_NE(build, nullptr) << "no Build question";
    EXPECT_NE(e2e::Driver::FindChild(build, "Do you wish to Build FileList now"), nullptr);
    e2e::Driver::Answer(build, IDYES);
    ASSERT_TRUE(WaitForStatus(main, "<------FileList Built----->"));

    // Made after start-up and after Build, as an installation would, in
    // the Windows directory and in each System directory.
    writeBytes(added, 2500);
    writeBytes(NativeSystemDirectory() + dll, 1500);
    writeBytes(wow64 + dll, 3500);
    const std::string empty = added.substr(0, added.size() - 4) + "_empty.txt";
    writeBytes(empty, 0);
    e2e::Driver::Press(e2e::Driver::FindChild(main, "Analyze FileList"));
    ASSERT_TRUE(WaitForStatus(main, "<------FileList Analyzed----->"));

    HWND zero = ListOnPage(main, "Zero Length Files");
    ASSERT_NE(zero, nullptr);
    EXPECT_TRUE(Holds(zero, empty)) << "an empty file is listed by its full path";
    HWND changed = ListOnPage(main, "Files Changed");
    ASSERT_NE(changed, nullptr);
    // Build logged the log file itself while it was being written, so the
    // analysis finds it changed: its full path, " = ", "1K" or more.
    bool found = false;
    for (int i = 0; i < e2e::Driver::ListCount(changed); ++i) {
        const std::string entry = e2e::Driver::ListItem(changed, i);
        if (entry.rfind(log + " = ", 0) == 0 && entry.back() == 'K') found = true;
    }
    EXPECT_TRUE(found) << "the log itself grew after it was measured";

    HWND addedList = ListOnPage(main, "Files Added");
    ASSERT_NE(addedList, nullptr);
    for (const std::string& entry : {added + " = 2K", SystemDirectory() + dll + " = 1K", wow64 + dll + " = 3K"})
        EXPECT_TRUE(Holds(addedList, entry)) << entry << ": a file made after Build is listed";

    e2e::Driver::Press(e2e::Driver::FindChild(main, "Quit Zarvik v1.1"));
    HWND confirm = program.WaitForWindow("Zarvik v1.1", true);
    ASSERT_NE(confirm, nullptr);
    e2e::Driver::Answer(confirm, IDYES);
    EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
