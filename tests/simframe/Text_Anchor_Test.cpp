#include "simframe/src/Text_Anchor.h"

#include <gtest/gtest.h>
#include <limits>

TEST(Text_Anchor, Anchors_Shift_By_The_Extent_Along_The_Texts_Own_Axes)
{
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    const struct { int Align, X, Y, W, H; double Angle; int Out_X, Out_Y; } cases[] = {
        {0x22, 100, 50, 40, 12, 0, 80, 38}, {0x09, 100, 50, 40, 12, 0, 100, 50}, {0x14, 100, 50, 40, 12, 0, 60, 44},
        {0x12, 0, 0, 41, 13, 0, -20, -6},                                         // odd sizes halve by integer division
        {0x36, 100, 50, 40, 12, 0, 80, 44},                                       // centre wins over right and bottom
        {0x00, 100, 50, 40, 12, 0, 100, 50}, {0x49, 100, 50, 40, 12, 0, 100, 50},  // no centre, right or bottom
        // Reading upwards the width runs up the screen and the height to the right.
        {0x22, 100, 50, 40, 12, 90, 88, 70}, {0x0A, 0, 240, 60, 14, 90, 0, 270}, {0x14, 100, 50, 40, 12, 90, 94, 90},
        // At 45 degrees each shift has both parts, truncated toward zero: 20 * 0.7071 = 14.14, 12 * 0.7071 = 8.49.
        {0x22, 100, 50, 40, 12, 45, 78, 56}, {0x09, 100, 50, 40, 12, 45, 100, 50},
        {0x22, 100, 50, 40, 12, NaN, 100, 50}, {0x22, 100, 50, 40, 12, std::numeric_limits<double>::infinity(), 100, 50}};
    for (const auto& c : cases)
    {
        int x = -1, y = -1;
        Text_Origin(c.Align, c.X, c.Y, c.W, c.H, c.Angle, x, y);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(c.Out_X, c.Out_Y)) << std::hex << c.Align << std::dec << " at " << c.Angle;
        if (c.Angle == 0)
        {
            Text_Origin(c.Align, c.X, c.Y, c.W, c.H, x, y);  // the unrotated form places alike
            EXPECT_EQ(std::make_pair(x, y), std::make_pair(c.Out_X, c.Out_Y)) << std::hex << c.Align;
        }
    }
    EXPECT_TRUE(Text_Needs_Extent(0x22));
    EXPECT_TRUE(Text_Needs_Extent(0x01));
    EXPECT_FALSE(Text_Needs_Extent(0x09));
}
