// The fast line comparison against the pairwise definition.
#include "report/CompareLists.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>

#include "tests/core/AllPairsCompare.h"

using testing_support::AllPairsCompare;
using testing_support::ComparedLines;
using testing_support::LinesOf;
using Lines = std::vector<std::string>;

namespace {

std::string AsciiUpper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

Lines Keys(const Lines& lines) {
    Lines keys;
    for (const std::string& l : lines) keys.push_back(AsciiUpper(l));
    return keys;
}

ComparedLines Fast(const Lines& a, const Lines& b) {
    return LinesOf(zarvik::CompareLineKeys(Keys(a), Keys(b)), a, b);
}

ComparedLines Reference(const Lines& a, const Lines& b) {
    return AllPairsCompare(a, b, [](const std::string& l, const std::string& m) {
        return AsciiUpper(l) == AsciiUpper(m);
    });
}

TEST(CompareLines, DuplicatesAreCountedAsEveryPairwiseMatch) {
    const Lines a = {"x", "dup", "dup", "only a", "dup"};
    const Lines b = {"DUP", "y", "Dup", "dup", "x"};
    const ComparedLines got = Fast(a, b);
    EXPECT_EQ(got.onlyInFirst, Lines{"only a"});
    EXPECT_EQ(got.onlyInSecond, Lines{"y"});
    // Each of the three dup lines of b, once for each of the three in a; then x.
    EXPECT_EQ(got.inBoth, (Lines{"DUP", "DUP", "DUP", "Dup", "Dup", "Dup", "dup", "dup", "dup",
                                 "x"}));
    EXPECT_EQ(got, Reference(a, b));
}

TEST(CompareLines, ALineTwiceInOneListAndMissingFromTheOtherIsListedTwice) {
    const Lines a = {"gone", "kept", "gone"};
    const Lines b = {"kept"};
    EXPECT_EQ(Fast(a, b).onlyInFirst, (Lines{"gone", "gone"}));
    EXPECT_EQ(Fast(a, b), Reference(a, b));
}

TEST(CompareLines, TwiceAgainstThreeTimesGivesSixSharedLines) {
    const Lines a = {"same", "same"};
    const Lines b = {"same", "SAME", "same"};
    EXPECT_EQ(Fast(a, b).inBoth.size(), 6u);
    EXPECT_EQ(Fast(a, b), Reference(a, b));
}

TEST(CompareLines, SpacesAndEmptyLinesAreSignificant) {
    const Lines a = {" lead", "trail ", "", "mid dle"};
    const Lines b = {"lead", "trail", "", "MID DLE"};
    const ComparedLines got = Fast(a, b);
    EXPECT_EQ(got.onlyInFirst, (Lines{" lead", "trail "}));
    EXPECT_EQ(got.onlyInSecond, (Lines{"lead", "trail"}));
    EXPECT_EQ(got.inBoth, (Lines{"", "MID DLE"}));
    EXPECT_EQ(got, Reference(a, b));
}

TEST(CompareLines, EmptyListsShareNothing) {
    EXPECT_EQ(Fast({}, {}), ComparedLines{});
    EXPECT_EQ(Fast({"a"}, {}).onlyInFirst, Lines{"a"});
    EXPECT_EQ(Fast({}, {"b"}).onlyInSecond, Lines{"b"});
}

TEST(CompareLines, RandomListsAgreeWithThePairwiseDefinition) {
    std::mt19937 random(1234);
    const Lines words = {"a", "A", "b", "B ", " b", "", "c", "abc", "ABC", "x y"};
    for (int round = 0; round < 200; ++round) {
        Lines a, b;
        const int na = static_cast<int>(random() % 12), nb = static_cast<int>(random() % 12);
        for (int i = 0; i < na; ++i) a.push_back(words[random() % words.size()]);
        for (int i = 0; i < nb; ++i) b.push_back(words[random() % words.size()]);
        ASSERT_EQ(Fast(a, b), Reference(a, b)) << "round " << round;
    }
}

}  // namespace
