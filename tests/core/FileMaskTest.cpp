#include "core/FileMask.h"

#include <gtest/gtest.h>

#include <algorithm>

using zarvik::FileNameLess;
using zarvik::MatchesMask;
using zarvik::MatchesPattern;

TEST(FileMask, WildcardsMatchWithoutRegardToCase) {
    EXPECT_TRUE(MatchesPattern("KERNEL32.DLL", "*.dll"));
    EXPECT_TRUE(MatchesPattern("a.b.c", "*.c"));
    EXPECT_TRUE(MatchesPattern("ab", "a?"));
    EXPECT_FALSE(MatchesPattern("abc", "a?"));
    EXPECT_FALSE(MatchesPattern("setup.exe", "*.dll"));
    EXPECT_TRUE(MatchesPattern("aaab", "*a*b"));  // needs backtracking
    EXPECT_FALSE(MatchesPattern("aaac", "*a*b"));
}

TEST(FileMask, StarDotStarMatchesEveryName) {
    EXPECT_TRUE(MatchesPattern("README", "*.*"));
    EXPECT_TRUE(MatchesPattern("x.txt", "*.*"));
    EXPECT_TRUE(MatchesPattern("MAKEFILE", "make*.*"));
}

TEST(FileMask, SemicolonJoinsPatternsAndAnEmptyMaskMatchesNothing) {
    EXPECT_TRUE(MatchesMask("a.dll", "*.dll;*.exe"));
    EXPECT_TRUE(MatchesMask("a.EXE", "*.dll; *.exe"));
    EXPECT_FALSE(MatchesMask("a.ini", "*.dll;*.exe"));
    EXPECT_FALSE(MatchesMask("a.ini", ""));
    EXPECT_FALSE(MatchesMask("a.ini", ";"));
}

TEST(FileMask, NamesSortWithoutRegardToCase) {
    std::vector<std::string> names = {"b.txt", "A.txt", "_x", "C.txt", "a.dll"};
    std::sort(names.begin(), names.end(), [](auto& a, auto& b) { return FileNameLess(a, b); });
    EXPECT_EQ(names, (std::vector<std::string>{"a.dll", "A.txt", "b.txt", "C.txt", "_x"}));
}
