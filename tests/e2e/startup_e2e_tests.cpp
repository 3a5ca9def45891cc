// Starts the real program and works it from another process.
#include <gtest/gtest.h>

#include "e2e/Driver.h"

namespace {


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

}  // namespace
