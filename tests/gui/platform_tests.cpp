// The platform's file layer on a real disk: paths past MAX_PATH, and a
// save that replaces a file.
#include <windows.h>

#include <gtest/gtest.h>

#include "gui/support/Harness.h"
#include "platform/FileFind.h"
#include "platform/FileIO.h"
#include "platform/FileNames.h"

using namespace testing_support;

namespace {

TEST(Files, APathPastMaxPathIsListedProbedReadAndWritten) {
    TempDir dir;
    std::vector<std::string> made{dir.Path()};
    while (made.back().size() <= MAX_PATH)
        ASSERT_TRUE(::CreateDirectoryW(platform::ApiPath(made.emplace_back(made.back() + "\\" + std::string(60, 'd'))).c_str(), nullptr));
    const std::string deep = made.back();
    const std::string file = deep + "\\long.txt";
    EXPECT_EQ(platform::WriteWholeFile(file, "first"), platform::WriteMethod::Replaced);
    EXPECT_EQ(platform::WriteWholeFile(file, "second text"), platform::WriteMethod::Replaced);
    EXPECT_EQ(platform::ListPlainFiles(deep, "*.*"), std::vector<std::string>{"long.txt"});
    EXPECT_EQ(platform::ProbeFile(file).size, 11);
    EXPECT_EQ(platform::ReadWholeFile(file), "second text");
    // The harness removes short paths only.
    ::DeleteFileW(platform::ApiPath(file).c_str());
    for (size_t i = made.size() - 1; i > 0; --i) ::RemoveDirectoryW(platform::ApiPath(made[i]).c_str());
}

TEST(Files, ASaveReplacesTheFileAndKeepsItsAttributes) {
    TempDir dir;
    const std::string path = dir / "report.txt";
    WriteFile(path, "the old and longer text");
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(platform::WriteWholeFile(path, "new"), platform::WriteMethod::Replaced);
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_TRUE(::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(Exists(path + ".~zk"));
}

}  // namespace
