#include "simframe/src/Text_Anchor.h"

#include <gtest/gtest.h>
#include <limits>
#include <utility>

namespace
{
    std::pair<int, int> Flat(int align, int x, int y, int w, int h)
    {
        std::pair<int, int> at;
        Text_Origin(align, x, y, w, h, at.first, at.second);
        return at;
    }

    std::pair<int, int> Turned(int align, int x, int y, int w, int h, double angle)
    {
        std::pair<int, int> at;
        Text_Origin(align, x, y, w, h, angle, at.first, at.second);
        return at;
    }

    using P = std::pair<int, int>;
}

TEST(Text_Anchor, Unrotated_Anchors_Shift_By_The_Extent)
{
    EXPECT_EQ(Flat(0x22, 100, 50, 40, 12), P(80, 38));
    EXPECT_EQ(Flat(0x09, 100, 50, 40, 12), P(100, 50));
    EXPECT_EQ(Flat(0x04 | 0x10, 100, 50, 40, 12), P(60, 44));
    // Odd sizes halve by integer division.
    EXPECT_EQ(Flat(0x02 | 0x10, 0, 0, 41, 13), P(-20, -6));
    // Centre wins over right and bottom when both are set.
    EXPECT_EQ(Flat(0x02 | 0x04 | 0x10 | 0x20, 100, 50, 40, 12), P(80, 44));
    // A code without centre, right or bottom stays at the point.
    EXPECT_EQ(Flat(0, 100, 50, 40, 12), P(100, 50));
    EXPECT_EQ(Flat(0x01 | 0x08 | 0x40, 100, 50, 40, 12), P(100, 50));
    EXPECT_TRUE(Text_Needs_Extent(0x22));
    EXPECT_TRUE(Text_Needs_Extent(0x01));
    EXPECT_FALSE(Text_Needs_Extent(0x09));
}

TEST(Text_Anchor, Rotated_Anchors_Follow_The_Text_Axes)
{
    // At 0 degrees the rotated form places exactly like the flat one.
    for (int align : {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x22, 0x14, 0x12, 0x24})
        EXPECT_EQ(Turned(align, 100, 50, 40, 12, 0), Flat(align, 100, 50, 40, 12)) << align;

    // Reading upwards (90 degrees) the text's width runs up the screen and
    // its height to the right: centring moves down by w/2, bottom moves
    // left by h.
    EXPECT_EQ(Turned(0x22, 100, 50, 40, 12, 90), P(88, 70));
    EXPECT_EQ(Turned(0x0A, 0, 240, 60, 14, 90), P(0, 270));
    EXPECT_EQ(Turned(0x14, 100, 50, 40, 12, 90), P(94, 90));

    // At 45 degrees each shift has both parts, truncated toward zero:
    // 20 * 0.7071 = 14.14 and 12 * 0.7071 = 8.49.
    EXPECT_EQ(Turned(0x22, 100, 50, 40, 12, 45), P(78, 56));
    EXPECT_EQ(Turned(0x09, 100, 50, 40, 12, 45), P(100, 50));
}

TEST(Text_Anchor, Unusable_Angles_Leave_The_Point)
{
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Turned(0x22, 100, 50, 40, 12, NaN), P(100, 50));
    EXPECT_EQ(Turned(0x22, 100, 50, 40, 12, std::numeric_limits<double>::infinity()), P(100, 50));
}
