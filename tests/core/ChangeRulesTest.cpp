// The comparison and size rules of the analysis.
#include <gtest/gtest.h>

#include "analysis/ChangeRules.h"
#include "filelist/RepaintPacer.h"

using namespace zarvik;

TEST(SizeInK, DividesByThousandAtLeastOne) {
    EXPECT_EQ(SizeInK(999), 1);
    EXPECT_EQ(SizeInK(0), 1);
    EXPECT_EQ(SizeInK(-1), 1);
    EXPECT_EQ(SizeInK(1999), 1);
    EXPECT_EQ(SizeInK(3000), 3);
    EXPECT_EQ(SizeInK(1500000), 1500);
    EXPECT_EQ(SizeInK(50000000), 50000);
    EXPECT_EQ(SizeInK(5000000000), 5000000);
}

TEST(GroupThousands, PutsTheSeparatorBetweenGroupsOfThree) {
    EXPECT_EQ(GroupThousands(7, ","), "7");
    EXPECT_EQ(GroupThousands(999, ","), "999");
    EXPECT_EQ(GroupThousands(1000, ","), "1,000");
    EXPECT_EQ(GroupThousands(32767, ","), "32,767");
    EXPECT_EQ(GroupThousands(1234567, "."), "1.234.567");
    EXPECT_EQ(GroupThousands(123456, " "), "123 456");
    EXPECT_EQ(GroupThousands(-1500, ","), "-1,500");
    EXPECT_EQ(GroupThousands(INT64_MIN, ","), "-9,223,372,036,854,775,808");
}

TEST(SizedEntry, PathThenEqualsThenSize) {
    EXPECT_EQ(SizedEntry("C:\\WINDOWS\\SYSTEM\\EXAMPLE.DLL", "1,234"),
              "C:\\WINDOWS\\SYSTEM\\EXAMPLE.DLL = 1,234K");
}

TEST(Compare, ChangedAndAddedExcludeEachOther) {
    struct Case {
        int64_t current, logged;
        bool zero, changed, added;
    } cases[] = {
        {2048, 2048, false, false, false},  // unchanged
        {3000, 2048, false, true, false},   // grown
        {0, 2048, true, true, false},       // emptied since logged: listed twice
        {0, 0, true, false, false},         // empty and never logged
        {999, 0, false, false, true},       // new
        {-1, -1, false, false, false},      // locked then and now
        {-1, 500, false, true, false},      // locked now
        {-1, 0, false, false, true},        // locked and new
        {500, -1, false, true, false},      // was locked, now readable
        {4294967296, 0, false, false, true},        // 4 GiB: not empty
        {5000000000, 705032704, false, true, false},  // beyond 32 bits
    };
    for (const Case& c : cases) {
        const Verdict v = Compare(c.current, c.logged);
        EXPECT_EQ(v.zeroLength, c.zero) << c.current << " vs " << c.logged;
        EXPECT_EQ(v.changed, c.changed) << c.current << " vs " << c.logged;
        EXPECT_EQ(v.added, c.added) << c.current << " vs " << c.logged;
    }
}

TEST(CompareTimes, OnlyMovesBeyondTheVolumesResolutionAndClockShiftsCount) {
    constexpr int64_t s = 10'000'000, h = 3600 * s, t = 133'000'000'000'000'000;
    EXPECT_EQ(CompareTimes(t + 3 * s, t, false), TimeChange::Newer);
    EXPECT_EQ(CompareTimes(t - 3 * s, t, false), TimeChange::Older);
    EXPECT_EQ(CompareTimes(t + s, t, false), TimeChange::None) << "under FAT's 2 s";
    EXPECT_EQ(CompareTimes(t + h, t, true), TimeChange::None) << "FAT keeps local time";
    EXPECT_EQ(CompareTimes(t - h - s, t, true), TimeChange::None);
    EXPECT_EQ(CompareTimes(t + h, t, false), TimeChange::Newer) << "NTFS keeps UTC";
    EXPECT_EQ(CompareTimes(t + h + 10 * s, t, true), TimeChange::Newer);
    EXPECT_EQ(CompareTimes(t + 5 * s, 0, false), TimeChange::None) << "no recorded time";
    EXPECT_EQ(TimeMark(TimeChange::Older), " (same size, older)");
}

TEST(RepaintPacer, AllowsOneRepaintPerInterval) {
    RepaintPacer pacer(33);
    EXPECT_TRUE(pacer.Due(1000));
    EXPECT_FALSE(pacer.Due(1000));
    EXPECT_FALSE(pacer.Due(1032));
    EXPECT_TRUE(pacer.Due(1033));
    EXPECT_FALSE(pacer.Due(1040));
}

TEST(RepaintPacer, SurvivesTheTickCounterWrapping) {
    RepaintPacer pacer(33);
    EXPECT_TRUE(pacer.Due(0xFFFFFFF0u));
    EXPECT_FALSE(pacer.Due(0x00000005u));  // 21 ms later
    EXPECT_TRUE(pacer.Due(0x00000020u));   // 48 ms later
}

TEST(ChangeMarks, VersionsJoinTheSameSizeMarkInOneParenthesis) {
    const VersionChange older = CompareVersionTexts("6.0.8168.0", "6.2.8073.0");
    EXPECT_TRUE(older.older);
    EXPECT_EQ(ChangeMarks(TimeChange::None, older), " (version 6.0.8168.0, was 6.2.8073.0: older)");
    EXPECT_EQ(ChangeMarks(TimeChange::Newer, CompareVersionTexts("6.10.0.0", "6.9.0.0")),
              " (same size, newer; version 6.10.0.0, was 6.9.0.0)");
    EXPECT_EQ(ChangeMarks(TimeChange::Older, {}), " (same size, older)");
    EXPECT_EQ(CompareVersionTexts("", "6.2.8073.0").text, "no version, was 6.2.8073.0");
    EXPECT_FALSE(CompareVersionTexts("6.2.8073.0", "").changed) << "logged without a version";
    EXPECT_FALSE(CompareVersionTexts("6.2.8073.0", "6.2.8073.0").changed);
}
