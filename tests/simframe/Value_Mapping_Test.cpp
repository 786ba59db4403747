#include "simframe/src/Value_Mapping.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    const double Inf = std::numeric_limits<double>::infinity();
}

TEST(Value_Mapping, Percent_Positions_Truncate_And_Clamp)
{
    const Value_Range unit = Checked_Range(0, 1);
    EXPECT_EQ(Percent_Position(0.5, unit), 50);
    EXPECT_DOUBLE_EQ(Percent_Value(50, unit), 0.5);
    // Truncated, not rounded: 2.99 is position 2, and back that is 0.02.
    EXPECT_EQ(Percent_Position(0.0299, unit), 2);
    EXPECT_DOUBLE_EQ(Percent_Value(2, unit), 0.02);
    EXPECT_EQ(Percent_Position(0.999, unit), 99);
    EXPECT_EQ(Percent_Position(-3, unit), 0);
    EXPECT_EQ(Percent_Position(7, unit), 100);
    EXPECT_EQ(Percent_Position(1e300, unit), 100);
    EXPECT_EQ(Percent_Position(-Inf, unit), 0);
    EXPECT_EQ(Percent_Position(NaN, unit), 0);

    // The pond's growth rate: 29 % of 0..1 lands on 28 through the binary
    // fraction of 0.29.
    EXPECT_EQ(Percent_Position(0.29, unit), 28);
    EXPECT_EQ(Percent_Position(0.04, Checked_Range(0, 0.5)), 8);
}

TEST(Value_Mapping, Reversed_Ranges_Map_In_Reverse)
{
    const Value_Range reversed = Checked_Range(10, 0);
    EXPECT_EQ(reversed.Min, 10);
    EXPECT_EQ(reversed.Max, 0);
    EXPECT_EQ(Percent_Position(10, reversed), 0);
    EXPECT_EQ(Percent_Position(0, reversed), 100);
    EXPECT_EQ(Percent_Position(7.5, reversed), 25);
    EXPECT_DOUBLE_EQ(Percent_Value(25, reversed), 7.5);
}

TEST(Value_Mapping, Empty_And_Unmeasurable_Ranges_Become_Zero_To_One)
{
    for (const Value_Range& range : {Checked_Range(5, 5), Checked_Range(NaN, 1), Checked_Range(0, NaN),
                                     Checked_Range(0, Inf), Checked_Range(-Inf, Inf),
                                     Checked_Range(-1e308, 1e308), Checked_Range(-1e307, 1e307)})
    {
        EXPECT_EQ(range.Min, 0.0);
        EXPECT_EQ(range.Max, 1.0);
    }
    const Value_Range wide = Checked_Range(-1e305, 1e305);
    EXPECT_EQ(wide.Min, -1e305);
    EXPECT_EQ(Percent_Position(0, wide), 50);
    EXPECT_TRUE(std::isfinite(Percent_Value(100, wide)));
}

TEST(Value_Mapping, Whole_Numbers_Are_Held_To_The_Range_Then_Truncated)
{
    const Value_Range range = Checked_Range(1.7, 9.9);
    EXPECT_EQ(Whole_Number_Position(12, range), 9);
    EXPECT_EQ(Whole_Number_Position(0, range), 1);
    EXPECT_EQ(Whole_Number_Position(5.99, range), 5);
    EXPECT_EQ(Whole_Number_Position(NaN, range), 1);
    EXPECT_EQ(Whole_Number_Position(Inf, range), 9);
    // Truncation toward zero, not down.
    EXPECT_EQ(Whole_Number_Position(-0.5, Checked_Range(-3, 3)), 0);
    EXPECT_EQ(Whole_Number_Position(-2.5, Checked_Range(-3, 3)), -2);
    // A reversed range holds values between its ends, not at its first end.
    EXPECT_EQ(Whole_Number_Position(5, Checked_Range(10, 0)), 5);
    EXPECT_EQ(Whole_Number_Position(-4, Checked_Range(10, 0)), 0);
    EXPECT_EQ(Whole_Number_Position(40, Checked_Range(10, 0)), 10);
    // Beyond the int range the nearest end of it is shown.
    EXPECT_EQ(Whole_Number_Position(1e12, Checked_Range(0, 1e15)), INT_MAX);
}

TEST(Value_Mapping, Spin_Control_Limits_Follow_The_Mode)
{
    int low = -1, high = -1;
    Spin_Control_Limits(1.7, 9.9, false, low, high);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 9);
    Spin_Control_Limits(-3.9, -0.5, false, low, high);
    EXPECT_EQ(low, -3);
    EXPECT_EQ(high, 0);
    Spin_Control_Limits(25, 10000, true, low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 100);
    Spin_Control_Limits(10, 0, false, low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 10);
    Spin_Control_Limits(NaN, 1e20, false, low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, INT_MAX);
    Spin_Control_Limits(-Inf, 0, false, low, high);
    EXPECT_EQ(low, INT_MIN);
    EXPECT_EQ(high, 0);
}

TEST(Value_Mapping, Slider_Values_Given_In_Percent)
{
    EXPECT_DOUBLE_EQ(Value_From_Percent(8, 0, 1), 0.08);
    EXPECT_DOUBLE_EQ(Value_From_Percent(50, 0.1, 5), 2.55);
    EXPECT_EQ(Value_From_Percent(50, 5, 5), 50);
    EXPECT_EQ(Value_From_Percent(50, 10, 0), 50);
}
