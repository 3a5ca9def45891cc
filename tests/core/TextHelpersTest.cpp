#include "core/TextHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace zarvik {
namespace {

TEST(TextAfterTest, ShellApplicationsEntryKeepsTheBlanksAndCommandLine) {
    EXPECT_EQ(TextAfter("exefile:    C:\\WINDOWS\\NOTEPAD.EXE %1", ":"), "    C:\\WINDOWS\\NOTEPAD.EXE %1");
}

TEST(TextAfterTest, CutsAtTheFirstOccurrenceOnly) {
    EXPECT_EQ(TextAfter("a::b::c", "::"), "b::c");
    EXPECT_EQ(TextAfter("ends with:", ":"), "");
}

TEST(TextAfterTest, TextWithoutTheSeparatorComesBackWhole) {
    EXPECT_EQ(TextAfter("no separator here", ":"), "no separator here");
    EXPECT_EQ(TextAfter("", ":"), "");
}

TEST(ListEntryPathTest, ExeEntryEndsAfterTheExtension) {
    EXPECT_EQ(ListEntryPath("C:\\WINDOWS\\NOTEPAD.EXE = 33K"), "c:\\windows\\notepad.exe");
    EXPECT_EQ(ListEntryPath("c:\\tools\\scan.exe.bak = 2K"), "c:\\tools\\scan.exe");
    EXPECT_EQ(ListEntryPath("C:\\SETUP.EXE"), "c:\\setup.exe");
}

TEST(ListEntryPathTest, OtherEntriesEndBeforeTheEqualsSignWithoutTrailingBlank) {
    EXPECT_EQ(ListEntryPath("C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL = 471K"), "c:\\windows\\system\\kernel32.dll");
    EXPECT_EQ(ListEntryPath(" \tC:\\A.TXT\r\n"), "c:\\a.txt");
}

TEST(ListEntryPathTest, OnlyUpperOrLowerExeCounts) {
    EXPECT_EQ(ListEntryPath("C:\\OLD.Exe\\B.DLL = 1K"), "c:\\old.exe\\b.dll");
    EXPECT_EQ(ListEntryPath("C:\\OLD.EXE\\B.DLL = 1K"), "c:\\old.exe");
}

TEST(ListEntryPathTest, WhicheverComesFirstWins) {
    EXPECT_EQ(ListEntryPath("A=B.EXE"), "a");
    EXPECT_EQ(ListEntryPath("B.EXE=A"), "b.exe");
}

TEST(ListEntryPathTest, BytesAboveAsciiAreKeptUnchanged) {
    EXPECT_EQ(ListEntryPath("C:\\\xC4\xD6.DLL = 1K"), "c:\\\xC4\xD6.dll");
}

TEST(ListEntryPathTest, LongEntryIsNotCut) {
    const std::string folder(300, 'D');
    EXPECT_EQ(ListEntryPath("C:\\" + folder + "\\X.DLL = 5K"), "c:\\" + std::string(300, 'd') + "\\x.dll");
}

TEST(CommandPathTest, QuotedProgramWithArgumentsKeepsOnlyThePath) {
    EXPECT_EQ(CommandPath("\"C:\\Program Files\\App\\APP.EXE\" -minimized"), "c:\\program files\\app\\app.exe");
    EXPECT_EQ(CommandPath("C:\\WINDOWS\\RUNDLL32.EXE shell32.dll,Control_RunDLL"), "c:\\windows\\rundll32.exe");
    EXPECT_EQ(CommandPath("c:\\windows\\scanregw.exe -autorun"), "c:\\windows\\scanregw.exe");
}

TEST(CommandPathTest, SlashSwitchEndsThePath) {
    EXPECT_EQ(CommandPath("C:\\TOOLS\\SCAN/AUTO"), "c:\\tools\\scan");
    EXPECT_EQ(CommandPath("C:\\TOOLS\\SCAN.COM /AUTO"), "c:\\tools\\scan.com");
}

TEST(CommandPathTest, ExeLettersCutWithoutAPeriod) {
    EXPECT_EQ(CommandPath("C:\\EXECUTE\\X.EXE"), "c:\\exe");
    EXPECT_EQ(CommandPath("AB.EXEC"), "ab.exe");
}

TEST(CommandPathTest, ExeEndingAtPositionFiveOrEarlierDoesNotCut) {
    EXPECT_EQ(CommandPath("EXE.BAT"), "exe.bat");
    EXPECT_EQ(CommandPath("AB.EXE.BAT"), "ab.exe");
}

TEST(CommandPathTest, LongCommandLineIsNotCut) {
    const std::string folder(300, 'P');
    EXPECT_EQ(CommandPath("\"C:\\" + folder + "\\APP.EXE\" /S"), "c:\\" + std::string(300, 'p') + "\\app.exe");
}

// Each class checked over all 256 byte values, so a sign-extension slip on
// bytes of 128 and above shows up.
void ExpectClassIsExactly(bool (*isInClass)(char), std::string_view members) {
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        EXPECT_EQ(isInClass(c), members.find(c) != std::string_view::npos) << "byte " << code;
    }
}

TEST(SplitLinesTest, EveryLineEndEndsOneLine) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(SplitLines("\r\n\r\nx"), (Lines{"", "", "x"}));
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"})) << "LF then CR is two line ends";
}

TEST(SplitLinesTest, CrLfLinesJoinsTheSameLinesByCrLf) {
    EXPECT_EQ(CrLfLines("a\r\nb\r\n\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(CrLfLines("a\nb\r\rc\n"), "a\r\nb\r\n\r\nc");
}

constexpr std::string_view Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr std::string_view Digits = "0123456789";

TEST(CharacterClassTest, PathCharacters) {
    ExpectClassIsExactly(IsPathChar, std::string(" '.\\/") + std::string(Letters) + std::string(Digits));
}

TEST(CharacterClassTest, BlankIsOnlyTheSpace) { ExpectClassIsExactly(IsBlank, " "); }

TEST(CharacterClassTest, Vowels) { ExpectClassIsExactly(IsVowel, "aeiouAEIOU"); }

TEST(CharacterClassTest, Letters) { ExpectClassIsExactly(IsLetter, Letters); }

TEST(CharacterClassTest, Digits) { ExpectClassIsExactly(IsDigit, Digits); }

}  // namespace
}  // namespace zarvik
