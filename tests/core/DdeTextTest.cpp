#include "dde/DdeText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zarvik;
using Lines = std::vector<std::string>;

TEST(DdeText, ServiceIsTheFileNameCutAtTheFirstDot) {
    EXPECT_EQ(DdeServiceName("C:\\Program Files\\Zarvik\\zarvik.exe"), "zarvik");
    EXPECT_EQ(DdeServiceName("Z:/build/dde_e2e_tests.v2.exe"), "dde_e2e_tests");
    EXPECT_EQ(DdeServiceName("C:\\dir.d\\app"), "app") << "a dot in a folder does not count";
    EXPECT_EQ(DdeStartCommand("excel", "System"), "excel System");
}

TEST(DdeText, TextOnTheWire) {
    EXPECT_EQ(JoinLinesCrLf({"a", "b"}), "a\r\nb\r\n");
    EXPECT_EQ(JoinLinesCrLf({}), "");
    EXPECT_EQ(TextUpToNul(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(FirstLine("one\r\ntwo\r\n"), "one");
    EXPECT_EQ(FirstLine(""), "");
    EXPECT_TRUE(SameTopic("system", "SYSTEM"));
    EXPECT_FALSE(SameTopic("System", "Systems"));
}

TEST(DdeText, PokedLinesAreTheItemAndItsLog) {
    DdeServerItem item{"Server", {}};
    item.Poke("a\r\nb\r\n");
    EXPECT_EQ(item.lines, (Lines{"a", "b"}));
    EXPECT_EQ(item.First(), "a");
    EXPECT_EQ(item.Text(), "a\r\nb\r\n");
    EXPECT_EQ(Prefixed(kPokedPrefix, item.lines), (Lines{"---->a", "---->b"}));
    item.Poke("");
    EXPECT_EQ(item.First(), "");
    EXPECT_EQ(item.Text(), "");
}
