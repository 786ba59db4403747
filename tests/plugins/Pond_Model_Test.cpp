// The pond code without a window: the numbers of a run, the habitat
// scenarios, the clamps at zero, absurd inputs, curve limits, CSV cells.

#include "common/Csv_Cells.h"
#include "plugins/pond/Plot_Geometry.h"
#include "plugins/pond/Pond_Export.h"
#include "plugins/pond/Pond_Model.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{
    const Pond_Parameters Defaults = {0.08, 0.2, 200, 20, 1000};
    const Pond3_Parameters Defaults3 = {0.08, 0.06, 0.2, 200, 100, 20, 1000};
    const double NaN = std::numeric_limits<double>::quiet_NaN();

    Pond_Series Run_Pond(const Pond_Parameters& p, int predation, int n = 200, int scenario = 0)
    {
        Pond_Series series;
        series.Resize(n);
        Pond_Run(series, p, scenario, predation, 1.0);
        return series;
    }

    Pond3_Series Run_Pond3(const Pond3_Parameters& p, int n, int scenario = 0)
    {
        Pond3_Series series;
        series.Resize(n);
        Pond3_Run(series, p, scenario, 1.0);
        return series;
    }
}

TEST(Pond_Model, Defaults_Give_The_First_Steps_Of_Each_Predation_Type)
{
    Pond_Series classic;
    classic.Resize(200);
    const double maximum = Pond_Run(classic, Defaults, 0, POND_PREDATION_CLASSIC, 1.0);
    EXPECT_DOUBLE_EQ(classic.Rudd[1], 204.8);
    EXPECT_DOUBLE_EQ(classic.Pike[1], 17.6);
    EXPECT_DOUBLE_EQ(classic.Rudd[2], 210.6195968);
    EXPECT_DOUBLE_EQ(classic.Pike[2], 15.521792);
    // The maximum is that of the points after the start.
    double largest = 0;
    for (int i = 1; i < 200; i++)
        largest = std::max({largest, classic.Rudd[i], classic.Pike[i]});
    EXPECT_EQ(maximum, largest);

    const Pond_Series encounter = Run_Pond(Defaults, POND_PREDATION_ENCOUNTER);
    EXPECT_DOUBLE_EQ(encounter.Rudd[1], 212.8);
    EXPECT_DOUBLE_EQ(encounter.Pike[1], 16.288);

    const Pond3_Series three = Run_Pond3(Defaults3, 200);
    EXPECT_DOUBLE_EQ(three.Rudd[1], 204.8);
    EXPECT_DOUBLE_EQ(three.Carp[1], 101.4);
    EXPECT_DOUBLE_EQ(three.Pike[1], 18.4);
}

TEST(Pond_Model, Scenarios_Shape_The_Capacity)
{
    const Pond_Series halved = Run_Pond(Defaults, POND_PREDATION_CLASSIC, 200, POND_SCENARIO_HALVED);
    EXPECT_TRUE(halved.Capacity[100] == 1000 && halved.Capacity[101] == 500 && halved.Capacity[199] == 500);
    const Pond_Series swinging = Run_Pond(Defaults, POND_PREDATION_CLASSIC, 200, POND_SCENARIO_SWINGING);
    EXPECT_DOUBLE_EQ(swinging.Capacity[0], 500);
    EXPECT_DOUBLE_EQ(swinging.Capacity[13], 750);
    EXPECT_DOUBLE_EQ(swinging.Capacity[26], 1000);
    EXPECT_DOUBLE_EQ(swinging.Capacity[52], 500);
    EXPECT_EQ(Pond_Capacity(7, 1000, 150, 1.0), 1000);  // unknown: constant
}

TEST(Pond_Model, Populations_Stop_At_Zero)
{
    // No rudd: they never come back, and the pike starve by (1 - d) a step.
    Pond_Parameters p = Defaults;
    p.Rudd_Start = 0;
    const Pond_Series starving = Run_Pond(p, POND_PREDATION_CLASSIC, 20);
    Pond3_Parameters q = Defaults3;
    q.Rudd_Start = q.Carp_Start = 0;
    const Pond3_Series starving3 = Run_Pond3(q, 20);
    for (int i = 0; i < 20; i++)
    {
        EXPECT_EQ(starving.Rudd[i], 0);
        EXPECT_NEAR(starving.Pike[i], 20 * std::pow(0.8, i), 1e-9) << i;
        EXPECT_NEAR(starving3.Pike[i], 20 * std::pow(0.8, i), 1e-9) << i;
    }
    // A food demand above 1 would make the pike negative at once.
    p.d = 1.5;
    const Pond_Series gone = Run_Pond(p, POND_PREDATION_CLASSIC, 5);
    EXPECT_TRUE(gone.Pike[1] == 0 && gone.Pike[4] == 0);

    // A capacity of 1e300 overflows within a few steps: nothing becomes
    // negative or not-a-number, whatever the predation type.
    p = Defaults;
    p.Capacity = 1e300;
    for (int predation : {0, 1, 2, 9})
    {
        const Pond_Series huge = Run_Pond(p, predation, 50);
        for (int i = 0; i < 50; i++)
            EXPECT_TRUE(huge.Rudd[i] >= 0 && huge.Pike[i] >= 0) << predation << " " << i;
    }
    q = Defaults3;
    q.Capacity = 1e300;
    const Pond3_Series huge3 = Run_Pond3(q, 50, POND_SCENARIO_SWINGING);
    for (int i = 0; i < 50; i++)
        EXPECT_TRUE(huge3.Rudd[i] >= 0 && huge3.Carp[i] >= 0 && huge3.Pike[i] >= 0) << i;
}

TEST(Plot_Geometry, Curve_Points_Are_Limited_Before_They_Become_Int)
{
    // 380 pixels for 1500 units on a plot whose bottom is at 380; below it a
    // point stops at lowest, 10 pixels under the window, also on plots
    // taller than 1000 pixels.
    const double sy = 380.0 / 1500, inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Pond_Curve_Y(380, sy, 1000, 410), 380 - 253);
    EXPECT_EQ(Pond_Curve_Y(380, sy, 1501, 410), 0);  // row 0 is still inside
    EXPECT_EQ(Pond_Curve_Y(380, sy, 1600, 410), -10);
    EXPECT_EQ(Pond_Curve_Y(380, sy, inf, 410), -10);
    EXPECT_EQ(Pond_Curve_Y(380, sy, NaN, 410), -10);
    EXPECT_EQ(Pond_Curve_Y(380, sy, -1e300, 410), 410);
    EXPECT_EQ(Pond_Curve_Y(1180, 1.0, 0, 1210), 1180);
    EXPECT_EQ(Pond_Curve_Y(1180, 1.0, -200, 1210), 1210);
}

TEST(Pond_Csv, Odd_Values_And_Titles_Keep_Every_Row_Intact)
{
    EXPECT_EQ(Csv_Number(1234567.5), "1234567,500000");
    EXPECT_EQ(Csv_Number(-0.25), "-0,250000");
    EXPECT_EQ(Csv_Number(1e300).find_first_of(".e"), std::string::npos);
    EXPECT_EQ(Csv_Number(std::numeric_limits<double>::infinity()), "");

    // X_NAME comes from a course: a quote, a semicolon, a line feed and
    // characters beyond Windows-1252 neither split nor end the header. A
    // series shorter than the plot leaves its cells empty.
    const std::vector<double> two = {1, 2}, three = {1, 2, 3};
    const wxString title = wxString::FromUTF8("Zeit \"t\"; Monate\n€\u2192");
    EXPECT_EQ(Pond_Values_Csv(title, 0.5, 3, {{wxString::FromUTF8("Kapazität"), &three, &two}}),
              "\"Zeit \"\"t\"\"; Monate\n\x80?\";Kapazit\xE4t;Kapazit\xE4t (Ausgangsfunktion)\n"
              "0;1,000000;1,000000\n0,5;2,000000;2,000000\n1;3,000000;\n");
}
