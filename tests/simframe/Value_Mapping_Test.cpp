#include "simframe/src/Value_Mapping.h"

#include <climits>
#include <gtest/gtest.h>
#include <limits>

namespace
{
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    const double Inf = std::numeric_limits<double>::infinity();
}

TEST(Value_Mapping, Percent_Positions_Truncate_And_Clamp_Also_In_Reverse)
{
    const struct { double Min, Max, Value; int Position; } cases[] = {
        {0, 1, 0.5, 50}, {0, 1, 0.0299, 2}, {0, 1, 0.999, 99}, {0, 1, -3, 0}, {0, 1, 7, 100}, {0, 1, 1e300, 100},
        {0, 1, -Inf, 0}, {0, 1, NaN, 0}, {10, 0, 10, 0}, {10, 0, 0, 100}, {10, 0, 7.5, 25}};
    for (const auto& c : cases)
        EXPECT_EQ(Percent_Position(c.Value, Checked_Range(c.Min, c.Max)), c.Position) << c.Min << ".." << c.Max << " " << c.Value;
    EXPECT_DOUBLE_EQ(Percent_Value(2, Checked_Range(0, 1)), 0.02);
    EXPECT_DOUBLE_EQ(Percent_Value(25, Checked_Range(10, 0)), 7.5);
}

TEST(Value_Mapping, Empty_And_Unmeasurable_Ranges_Become_Zero_To_One)
{
    for (const Value_Range& range : {Checked_Range(5, 5), Checked_Range(NaN, 1), Checked_Range(0, NaN), Checked_Range(0, Inf),
                                     Checked_Range(-Inf, Inf), Checked_Range(-1e308, 1e308), Checked_Range(-1e307, 1e307)})
        EXPECT_TRUE(range.Min == 0.0 && range.Max == 1.0) << range.Min << ".." << range.Max;
    const Value_Range wide = Checked_Range(-1e305, 1e305);
    EXPECT_EQ(wide.Min, -1e305);
    EXPECT_EQ(Percent_Position(0, wide), 50);
    // A slider value given in percent needs max above min.
    EXPECT_DOUBLE_EQ(Value_From_Percent(50, 0.1, 5), 2.55);
    EXPECT_EQ(Value_From_Percent(50, 5, 5), 50);
    EXPECT_EQ(Value_From_Percent(50, 10, 0), 50);
}

TEST(Value_Mapping, Whole_Numbers_Are_Held_To_The_Range_Then_Truncated_Toward_Zero)
{
    const struct { double Min, Max, Value; int Position; } cases[] = {
        {1.7, 9.9, 12, 9}, {1.7, 9.9, 0, 1}, {1.7, 9.9, 5.99, 5}, {1.7, 9.9, NaN, 1}, {1.7, 9.9, Inf, 9},
        {-3, 3, -0.5, 0}, {-3, 3, -2.5, -2}, {10, 0, 5, 5}, {10, 0, -4, 0}, {10, 0, 40, 10}, {0, 1e15, 1e12, INT_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(Whole_Number_Position(c.Value, Checked_Range(c.Min, c.Max)), c.Position) << c.Min << ".." << c.Max << " " << c.Value;

    const struct { double Min, Max; bool Percent; int Low, High; } limits[] = {
        {1.7, 9.9, false, 1, 9}, {-3.9, -0.5, false, -3, 0}, {25, 10000, true, 0, 100}, {10, 0, false, 0, 10},
        {NaN, 1e20, false, 0, INT_MAX}, {-Inf, 0, false, INT_MIN, 0}};
    for (const auto& c : limits)
    {
        int low = -1, high = -1;
        Spin_Control_Limits(c.Min, c.Max, c.Percent, low, high);
        EXPECT_EQ(std::make_pair(low, high), std::make_pair(c.Low, c.High)) << c.Min << ".." << c.Max;
    }
}
