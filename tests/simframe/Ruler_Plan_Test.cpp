#include "simframe/src/Ruler_Plan.h"

#include <gtest/gtest.h>
#include <limits>

namespace
{
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    const double Inf = std::numeric_limits<double>::infinity();

    // Labels of a fixed width and height, recording what was measured.
    struct Fixed_Labels
    {
        Fixed_Labels(int width, int height) : Width(width), Height(height) {}

        int Width, Height;
        std::vector<wxString> Measured;

        Ruler_Measure Measure()
        {
            return [this](const wxString& text, int& w, int& h) {
                Measured.push_back(text);
                w = Width;
                h = Height;
            };
        }
    };

    // Labels as wide as a 7-point font makes them: 5 pixels a character.
    Ruler_Measure Per_Character()
    {
        return [](const wxString& text, int& w, int& h) {
            w = int(text.length()) * 5;
            h = 9;
        };
    }

    std::vector<wxString> Labels(const Ruler_Plan& plan)
    {
        std::vector<wxString> labels;
        for (const Ruler_Line& line : plan.Lines)
            labels.push_back(line.Label);
        return labels;
    }

    // From, to and label corner of a line.
    std::vector<int> Geometry(const Ruler_Line& line)
    {
        return {line.From_X, line.From_Y, line.To_X, line.To_Y, line.Label_X, line.Label_Y};
    }

    using Texts = std::vector<wxString>;
    using Ints = std::vector<int>;
}

TEST(Ruler_Plan, Step_Doubles_Until_Labels_Fit)
{
    // 0 to 100 on 500 pixels, labels 18 wide: step 10 is 50 pixels, at
    // least the 40 that two labels need.
    Fixed_Labels labels{18, 10};
    Ruler_Plan plan;
    ASSERT_TRUE(Plan_Ruler({20, 0, 500, 300}, true, 0, 100, true, labels.Measure(), plan));
    EXPECT_EQ(labels.Measured, Texts{"100"});
    EXPECT_EQ(plan.Decimals, 0);
    EXPECT_EQ(plan.Step, 10);
    EXPECT_EQ(Labels(plan), (Texts{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));

    // The same on 150 pixels: 10 (15 px) and 20 (30 px) are too close.
    ASSERT_TRUE(Plan_Ruler({20, 0, 150, 300}, true, 0, 100, true, labels.Measure(), plan));
    EXPECT_EQ(plan.Step, 40);
    EXPECT_EQ(Labels(plan), (Texts{"0", "40", "80"}));

    // 0 to 0.5 on 500 pixels, labels 22 wide: start step 0.01, two
    // decimals kept while the step grows to 0.08.
    Fixed_Labels wide{22, 10};
    ASSERT_TRUE(Plan_Ruler({0, 0, 500, 200}, true, 0, 0.5, true, wide.Measure(), plan));
    EXPECT_EQ(wide.Measured, Texts{"0.50"});
    EXPECT_EQ(plan.Decimals, 2);
    EXPECT_DOUBLE_EQ(plan.Step, 0.08);
    EXPECT_EQ(Labels(plan), (Texts{"0.00", "0.08", "0.16", "0.24", "0.32", "0.40", "0.48"}));
}

TEST(Ruler_Plan, First_Line_Is_The_First_Multiple_Not_Below_Min)
{
    Fixed_Labels labels{18, 10};
    Ruler_Plan plan;
    ASSERT_TRUE(Plan_Ruler({0, 0, 500, 300}, true, 3.7, 10, true, labels.Measure(), plan));
    EXPECT_EQ(labels.Measured, Texts{"10.0"});
    EXPECT_DOUBLE_EQ(plan.Step, 0.8);
    EXPECT_EQ(Labels(plan), (Texts{"4.0", "4.8", "5.6", "6.4", "7.2", "8.0", "8.8", "9.6"}));
    // 4.0 lies 0.3 units in: 0.3 * 500 / 6.3 = 23.8 pixels.
    EXPECT_EQ(plan.Lines.front().From_X, 23);

    // Negative ranges too: -7 to 13 with step 2 (20 pixels a unit step).
    ASSERT_TRUE(Plan_Ruler({0, 0, 400, 300}, true, -7.5, 12.5, true, Per_Character(), plan));
    EXPECT_EQ(plan.Lines.front().Value, -6);
    EXPECT_EQ(plan.Lines.back().Value, 12);
}

TEST(Ruler_Plan, Lines_Span_The_Box_With_Labels_Beside_Them)
{
    Fixed_Labels labels{18, 10};
    Ruler_Plan plan;
    // x axis: vertical lines from the bottom edge up, labels 4 pixels right
    // of the line with their bottom 4 pixels above the bottom edge.
    ASSERT_TRUE(Plan_Ruler({20, 5, 500, 300}, true, 0, 100, true, labels.Measure(), plan));
    EXPECT_EQ(Geometry(plan.Lines[1]), (Ints{70, 305, 70, 5, 74, 291}));
    ASSERT_TRUE(Plan_Ruler({20, 5, 500, 300}, true, 0, 100, false, labels.Measure(), plan));
    EXPECT_EQ(plan.Lines.front().From_X, 520) << "mirrored: min at the right";

    // y axis on 300 pixels, 3 pixels a unit, so step 20: lines across the
    // whole width, min at the bottom, labels 4 in and just above the line.
    ASSERT_TRUE(Plan_Ruler({20, 5, 500, 300}, false, 0, 100, true, labels.Measure(), plan));
    EXPECT_EQ(plan.Step, 20);
    EXPECT_EQ(Geometry(plan.Lines.front()), (Ints{20, 305, 520, 305, 24, 291}));
    EXPECT_EQ(plan.Lines[1].From_Y, 245);
    ASSERT_TRUE(Plan_Ruler({20, 5, 500, 300}, false, 0, 100, false, labels.Measure(), plan));
    EXPECT_EQ(plan.Lines.front().From_Y, 5) << "descending: min at the top";
    EXPECT_EQ(plan.Lines.back().From_Y, 305);
}

TEST(Ruler_Plan, Refuses_Empty_Ranges_And_Boxes_Without_Changing_The_Plan)
{
    Ruler_Plan plan;
    ASSERT_TRUE(Plan_Ruler({0, 0, 500, 300}, true, 0, 100, true, Per_Character(), plan));
    const size_t lines = plan.Lines.size();
    EXPECT_FALSE(Plan_Ruler({0, 0, 500, 300}, true, 5, 5, true, Per_Character(), plan));
    EXPECT_FALSE(Plan_Ruler({0, 0, 500, 300}, true, 10, 0, true, Per_Character(), plan));
    EXPECT_FALSE(Plan_Ruler({0, 0, 0, 300}, true, 0, 100, true, Per_Character(), plan));
    EXPECT_FALSE(Plan_Ruler({0, 0, 500, 0}, true, 0, 100, true, Per_Character(), plan));
    EXPECT_FALSE(Plan_Ruler({0, 0, -5, 300}, false, 0, 100, true, Per_Character(), plan));
    EXPECT_FALSE(Plan_Ruler({0, 0, 500, 300}, true, NaN, 100, true, Per_Character(), plan));
    EXPECT_FALSE(Plan_Ruler({0, 0, 500, 300}, true, 0, NaN, true, Per_Character(), plan));
    EXPECT_FALSE(Plan_Ruler({0, 0, 500, 300}, true, 0, Inf, true, Per_Character(), plan));
    EXPECT_FALSE(Plan_Ruler({0, 0, 500, 300}, true, -Inf, 0, true, Per_Character(), plan));
    EXPECT_FALSE(Plan_Ruler({0, 0, 500, 300}, true, -1e308, 1e308, true, Per_Character(), plan));
    EXPECT_EQ(plan.Lines.size(), lines);
}

TEST(Ruler_Plan, Extreme_Ranges_End_With_Few_Lines)
{
    struct Case
    {
        const char* name;
        Ruler_Box box;
        double min, max;
    };
    const int huge = std::numeric_limits<int>::max();
    const Case cases[] = {
        {"huge range, tiny box", {0, 0, 1, 1}, 0, 1e300},
        {"nearly the largest range", {0, 0, 1, 1}, 0, 1.7e308},
        {"huge range, huge box", {0, 0, huge, huge}, -1e300, 1e300},
        {"tiny range, huge box", {0, 0, huge, huge}, 0, 1e-300},
        {"tiny range, tiny box", {0, 0, 1, 1}, 1, 1 + 1e-15},
        {"smallest range", {0, 0, 500, 300}, 0, 5e-324},
        {"huge min, tiny range", {0, 0, 500, 300}, 1e15, 1e15 + 1},
        // The step (1000) is below half the spacing of doubles near 1e20
        // (16384): adding it leaves v where it is.
        {"step below the resolution", {0, 0, huge, huge}, 1e20, 1e20 + 32768},
        {"huge negative min", {0, 0, 500, 300}, -1e300, -1e300 + 1e285},
    };
    for (const Case& c : cases)
    {
        for (bool horizontal : {true, false})
        {
            Ruler_Plan plan;
            const bool drawn = Plan_Ruler(c.box, horizontal, c.min, c.max, true, Per_Character(), plan);
            EXPECT_LE(plan.Lines.size(), 101u) << c.name;
            for (const Ruler_Line& line : plan.Lines)
            {
                EXPECT_GE(line.Value, c.min) << c.name;
                EXPECT_LE(line.Value, c.max) << c.name;
            }
            if (drawn)
            {
                EXPECT_FALSE(plan.Lines.empty()) << c.name;
            }
        }
    }

    Ruler_Plan plan;
    ASSERT_TRUE(Plan_Ruler({0, 0, 1, 1}, true, 0, 1e300, true, Per_Character(), plan));
    EXPECT_EQ(plan.Lines.size(), 1u);
    EXPECT_EQ(plan.Lines[0].Value, 0);
    ASSERT_TRUE(Plan_Ruler({0, 0, huge, huge}, true, 1e20, 1e20 + 32768, true, Per_Character(), plan));
    EXPECT_EQ(plan.Lines.size(), 1u);
    EXPECT_FALSE(Plan_Ruler({0, 0, 500, 300}, true, 0, 5e-324, true, Per_Character(), plan));
}
