#include "display/DisplaySettings.h"

#include <gtest/gtest.h>

using zarvik::BorderStyle;
using zarvik::DisplaySettings;

TEST(DisplaySettings, StartsWithTheDesignedLookAndTogglesBack) {
    DisplaySettings s;
    EXPECT_EQ(s.border, BorderStyle::Single);
    EXPECT_FALSE(s.blending);
    EXPECT_EQ(s.Opacity(), 255);
    s.ToggleBorder();
    EXPECT_EQ(s.border, BorderStyle::None);
    s.ToggleBorder();
    EXPECT_EQ(s.border, BorderStyle::Single);
}

TEST(DisplaySettings, LevelIsRememberedWhileBlendingIsOffAndKeptInRange) {
    DisplaySettings s;
    s.SetLevel(40);
    EXPECT_EQ(s.Opacity(), 255) << "no effect while blending is off";
    s.ToggleBlending();
    EXPECT_EQ(s.Opacity(), 40);
    s.SetLevel(0);
    EXPECT_EQ(s.Opacity(), 10);
    s.SetLevel(1000);
    EXPECT_EQ(s.Opacity(), 255);
    s.ToggleBlending();
    EXPECT_EQ(s.Opacity(), 255);
    EXPECT_EQ(s.level, 255);
}
