// The entry point of every out-of-process test program: its one argument is
// the path of the zarvik.exe under test.
#include <cstdio>

#include <gtest/gtest.h>

#include "e2e/Driver.h"

namespace e2e {
namespace {
std::string g_programPath;
}  // namespace

const std::string& ProgramPath() { return g_programPath; }

}  // namespace e2e

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s path-to-zarvik.exe\n", argv[0]);
        return 2;
    }
    e2e::g_programPath = argv[1];
    return RUN_ALL_TESTS();
}
