#include "app/HotArea.h"

#include <gtest/gtest.h>

TEST(HotArea, HoversInsideOnlyAndReportsChangesOnce)
{
    HotArea area;
    EXPECT_EQ(area.state, HOT_NORMAL);
    SetRect(area.rect, 32, 155, 57, 180);
    EXPECT_TRUE(area.HitTest(Point{32, 155}));
    EXPECT_EQ(area.state, HOT_HOVERED);
    EXPECT_FALSE(area.HitTest(Point{56, 179})); // still inside: no change
    EXPECT_TRUE(area.HitTest(Point{57, 170}));  // the right edge line is outside
    EXPECT_EQ(area.state, HOT_NORMAL);
    EXPECT_FALSE(area.HitTest(Point{40, 180})); // so is the bottom one
    EXPECT_FALSE(area.HitTest(Point{31, 154}));
    EXPECT_EQ(area.state, HOT_NORMAL);
}

TEST(HotArea, DisabledItemIgnoresTheMouseUntilEnabled)
{
    HotArea area(HOT_NORMAL);
    SetRect(area.rect, 0, 0, 25, 25);
    area.HitTest(Point{5, 5});
    EXPECT_TRUE(area.SetEnabled(false));
    EXPECT_EQ(area.state, HOT_DISABLED);
    EXPECT_FALSE(area.SetEnabled(false));
    EXPECT_FALSE(area.HitTest(Point{6, 6}));
    EXPECT_EQ(area.state, HOT_DISABLED);

    // Enabled under the mouse it looks normal until the mouse moves again.
    EXPECT_TRUE(area.SetEnabled(true));
    EXPECT_EQ(area.state, HOT_NORMAL);
    EXPECT_FALSE(area.SetEnabled(true));
    EXPECT_TRUE(area.HitTest(Point{6, 6}));
    EXPECT_EQ(area.state, HOT_HOVERED);

    // Enabling a hovered item makes it normal: a change.
    EXPECT_TRUE(area.SetEnabled(true));
    EXPECT_EQ(area.state, HOT_NORMAL);
    EXPECT_TRUE(area.tip.empty());
}
