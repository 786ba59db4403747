#include "simframe/src/Ruler_Plan.h"

#include <gtest/gtest.h>
#include <limits>

namespace
{
    using Texts = std::vector<wxString>;

    // Plans with labels of a fixed size; *measured gets the texts measured.
    bool Plan(const Ruler_Box& box, bool horizontal, double min, double max, Ruler_Plan& plan, int width = 18,
              Texts* measured = nullptr, bool ascending = true)
    {
        return Plan_Ruler(box, horizontal, min, max, ascending, [=](const wxString& text, int& w, int& h) {
            if (measured)
                measured->push_back(text);
            w = width;
            h = 10;
        }, plan);
    }

    Texts Labels(const Ruler_Plan& plan)
    {
        Texts labels;
        for (const Ruler_Line& line : plan.Lines)
            labels.push_back(line.Label);
        return labels;
    }
}

TEST(Ruler_Plan, Step_Doubles_Until_Labels_Fit)
{
    // 0 to 100 on 500 pixels, labels 18 wide: step 10 is 50 pixels, at least the 40 two labels need.
    Ruler_Plan plan;
    Texts measured;
    ASSERT_TRUE(Plan({20, 0, 500, 300}, true, 0, 100, plan, 18, &measured));
    EXPECT_EQ(measured, Texts{"100"});
    EXPECT_EQ(Labels(plan), (Texts{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));
    // The same on 150 pixels: 10 (15 px) and 20 (30 px) are too close.
    ASSERT_TRUE(Plan({20, 0, 150, 300}, true, 0, 100, plan));
    EXPECT_EQ(Labels(plan), (Texts{"0", "40", "80"}));
    // 0 to 0.5, labels 22 wide: start step 0.01, two decimals kept while the step grows to 0.08.
    ASSERT_TRUE(Plan({0, 0, 500, 200}, true, 0, 0.5, plan, 22));
    EXPECT_DOUBLE_EQ(plan.Step, 0.08);
    EXPECT_EQ(Labels(plan), (Texts{"0.00", "0.08", "0.16", "0.24", "0.32", "0.40", "0.48"}));
    // The first line is the first multiple not below min: 4.0 lies 0.3 of 6.3 units in, 23.8 pixels.
    ASSERT_TRUE(Plan({0, 0, 500, 300}, true, 3.7, 10, plan));
    EXPECT_EQ(Labels(plan), (Texts{"4.0", "4.8", "5.6", "6.4", "7.2", "8.0", "8.8", "9.6"}));
    EXPECT_EQ(plan.Lines.front().From_X, 23);
}

TEST(Ruler_Plan, Lines_Span_The_Box_With_Min_At_The_Left_Or_Bottom_Unless_Descending)
{
    Ruler_Plan plan;
    const struct { bool Horizontal, Ascending; std::vector<int> First; } cases[] = {
        {true, true, {20, 305, 20, 5, 24, 291}}, {false, true, {20, 305, 520, 305, 24, 291}},  // labels 4 off line and edge
        {true, false, {520, 305, 520, 5, 524, 291}}, {false, false, {20, 5, 520, 5, 24, -9}}};
    for (const auto& c : cases)
    {
        ASSERT_TRUE(Plan({20, 5, 500, 300}, c.Horizontal, 0, 100, plan, 18, nullptr, c.Ascending));
        const Ruler_Line& l = plan.Lines[0];
        EXPECT_EQ((std::vector<int>{l.From_X, l.From_Y, l.To_X, l.To_Y, l.Label_X, l.Label_Y}), c.First) << c.Horizontal << c.Ascending;
    }
}

TEST(Ruler_Plan, Refuses_Empty_Or_Unmeasurable_Input_And_Ends_Extreme_Ranges)
{
    const double NaN = std::numeric_limits<double>::quiet_NaN(), Inf = std::numeric_limits<double>::infinity();
    const int huge = std::numeric_limits<int>::max();
    Ruler_Plan plan;
    ASSERT_TRUE(Plan({0, 0, 500, 300}, true, 0, 100, plan));
    struct Case { Ruler_Box Box; double Min, Max; };
    for (const Case& c : {Case{{0, 0, 500, 300}, 5, 5}, Case{{0, 0, 500, 300}, 10, 0}, Case{{0, 0, 0, 300}, 0, 100},
                          Case{{0, 0, 500, 0}, 0, 100}, Case{{0, 0, 500, 300}, NaN, 100}, Case{{0, 0, 500, 300}, 0, Inf},
                          Case{{0, 0, 500, 300}, -1e308, 1e308}, Case{{0, 0, 500, 300}, 0, 5e-324}})
        EXPECT_FALSE(Plan(c.Box, true, c.Min, c.Max, plan)) << c.Min << ".." << c.Max;
    EXPECT_EQ(plan.Lines.size(), 11u);  // refusals leave the plan as it was

    // A few lines inside the range, even where the step is below the resolution of doubles.
    for (const Case& c : {Case{{0, 0, 1, 1}, 0, 1.7e308}, Case{{0, 0, huge, huge}, 0, 1e-300},
                          Case{{0, 0, huge, huge}, 1e20, 1e20 + 32768}, Case{{0, 0, 500, 300}, -1e300, -1e300 + 1e285}})
    {
        Ruler_Plan fresh;
        Plan(c.Box, false, c.Min, c.Max, fresh);
        EXPECT_LE(fresh.Lines.size(), 101u) << c.Min << ".." << c.Max;
        for (const Ruler_Line& line : fresh.Lines)
            EXPECT_TRUE(line.Value >= c.Min && line.Value <= c.Max) << c.Min << ".." << c.Max;
    }
}
