// The pond models without a window: the numbers of a run, the habitat
// scenarios, the clamps at zero and what absurd inputs do.

#include "plugins/pond/Plot_Geometry.h"
#include "plugins/pond/Pond_Model.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{
    Pond_Parameters Defaults()
    {
        Pond_Parameters p;
        p.a = 0.08;
        p.d = 0.2;
        p.Rudd_Start = 200;
        p.Pike_Start = 20;
        p.Capacity = 1000;
        return p;
    }

    Pond3_Parameters Defaults3()
    {
        Pond3_Parameters p;
        p.a = 0.08;
        p.b = 0.06;
        p.d = 0.2;
        p.Rudd_Start = 200;
        p.Carp_Start = 100;
        p.Pike_Start = 20;
        p.Capacity = 1000;
        return p;
    }

    Pond_Series Run_Pond(const Pond_Parameters& p, int predation, int n = 200, int scenario = 0)
    {
        Pond_Series series;
        series.Resize(n);
        Pond_Run(series, p, scenario, predation, 1.0);
        return series;
    }
}

TEST(Pond_Model, Defaults_Give_The_First_Steps_Of_Each_Predation_Type)
{
    Pond_Series classic;
    classic.Resize(200);
    const double maximum = Pond_Run(classic, Defaults(), 0, POND_PREDATION_CLASSIC, 1.0);
    EXPECT_DOUBLE_EQ(classic.Rudd[1], 204.8);
    EXPECT_DOUBLE_EQ(classic.Pike[1], 17.6);
    EXPECT_DOUBLE_EQ(classic.Rudd[2], 210.6195968);
    EXPECT_DOUBLE_EQ(classic.Pike[2], 15.521792);
    // The maximum is that of the points after the start.
    double largest = 0;
    for (int i = 1; i < 200; i++)
        largest = std::max({largest, classic.Rudd[i], classic.Pike[i]});
    EXPECT_EQ(maximum, largest);

    const Pond_Series encounter = Run_Pond(Defaults(), POND_PREDATION_ENCOUNTER);
    EXPECT_DOUBLE_EQ(encounter.Rudd[1], 212.8);
    EXPECT_DOUBLE_EQ(encounter.Pike[1], 16.288);
}

TEST(Pond_Model, Three_Species_Defaults_Give_The_First_Step)
{
    Pond3_Series series;
    series.Resize(200);
    Pond3_Run(series, Defaults3(), 0, 1.0);
    EXPECT_DOUBLE_EQ(series.Rudd[1], 204.8);
    EXPECT_DOUBLE_EQ(series.Carp[1], 101.4);
    EXPECT_DOUBLE_EQ(series.Pike[1], 18.4);
}

TEST(Pond_Model, Scenarios_Shape_The_Capacity)
{
    Pond_Series halved = Run_Pond(Defaults(), POND_PREDATION_CLASSIC, 200, POND_SCENARIO_HALVED);
    EXPECT_EQ(halved.Capacity[100], 1000);
    EXPECT_EQ(halved.Capacity[101], 500);
    EXPECT_EQ(halved.Capacity[199], 500);

    Pond_Series swinging = Run_Pond(Defaults(), POND_PREDATION_CLASSIC, 200, POND_SCENARIO_SWINGING);
    EXPECT_DOUBLE_EQ(swinging.Capacity[0], 500);
    EXPECT_DOUBLE_EQ(swinging.Capacity[13], 750);
    EXPECT_DOUBLE_EQ(swinging.Capacity[26], 1000);
    EXPECT_DOUBLE_EQ(swinging.Capacity[52], 500);
    // A scenario the choice does not offer is constant.
    EXPECT_EQ(Pond_Capacity(7, 1000, 150, 1.0), 1000);
}

TEST(Pond_Model, Populations_Stop_At_Zero)
{
    // No rudd: they never come back, and the pike starve by (1 - d) a step.
    Pond_Parameters p = Defaults();
    p.Rudd_Start = 0;
    const Pond_Series starving = Run_Pond(p, POND_PREDATION_CLASSIC, 20);
    for (int i = 0; i < 20; i++)
    {
        EXPECT_EQ(starving.Rudd[i], 0);
        EXPECT_NEAR(starving.Pike[i], 20 * std::pow(0.8, i), 1e-9) << i;
    }

    // A food demand above 1 would make the pike negative at once.
    p.d = 1.5;
    const Pond_Series gone = Run_Pond(p, POND_PREDATION_CLASSIC, 5);
    EXPECT_EQ(gone.Pike[1], 0);
    EXPECT_EQ(gone.Pike[4], 0);

    Pond3_Parameters q = Defaults3();
    q.Rudd_Start = q.Carp_Start = 0;
    Pond3_Series prey_gone;
    prey_gone.Resize(10);
    Pond3_Run(prey_gone, q, 0, 1.0);
    for (int i = 0; i < 10; i++)
        EXPECT_NEAR(prey_gone.Pike[i], 20 * std::pow(0.8, i), 1e-9) << i;
}

TEST(Pond_Model, Step_Counts_Stay_Sound_For_Any_Time_Span)
{
    EXPECT_EQ(Pond_Step_Count(3, 2.0), 2);  // 1.5 steps, rounded
    EXPECT_EQ(Pond_Step_Count(0, 1.0), 0);
    EXPECT_EQ(Pond_Step_Count(1000000000, 1.0), Pond_Max_Steps);
    EXPECT_EQ(Pond_Step_Count(INT_MAX, 1e-300), Pond_Max_Steps);
    EXPECT_EQ(Pond_Step_Count(200, std::numeric_limits<double>::quiet_NaN()), 0);

    EXPECT_EQ(Pond_Truncate(-2.9), -2);
    EXPECT_EQ(Pond_Truncate(1e300), INT_MAX);
    EXPECT_EQ(Pond_Truncate(-1e300), INT_MIN);
    EXPECT_EQ(Pond_Truncate(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Pond_Model, Runs_Without_Points_Or_With_Overflowing_Values_Stay_Defined)
{
    Pond_Series empty;
    EXPECT_EQ(Pond_Run(empty, Defaults(), 0, POND_PREDATION_CLASSIC, 1.0), -1);
    EXPECT_TRUE(empty.Rudd.empty());
    Pond_Series single;
    single.Resize(1);
    EXPECT_EQ(Pond_Run(single, Defaults(), 0, POND_PREDATION_CLASSIC, 1.0), -1);
    EXPECT_EQ(single.Rudd[0], 200);

    // A capacity of 1e300 overflows within a few steps; no population
    // becomes negative or not-a-number.
    Pond_Parameters p = Defaults();
    p.Capacity = 1e300;
    for (int predation : {0, 1, 2, 9})
    {
        const Pond_Series huge = Run_Pond(p, predation, 50);
        for (int i = 0; i < 50; i++)
        {
            EXPECT_GE(huge.Rudd[i], 0) << predation << " " << i;
            EXPECT_GE(huge.Pike[i], 0) << predation << " " << i;
        }
    }
    Pond3_Parameters q = Defaults3();
    q.Capacity = 1e300;
    Pond3_Series huge3;
    huge3.Resize(50);
    Pond3_Run(huge3, q, POND_SCENARIO_SWINGING, 1.0);
    for (int i = 0; i < 50; i++)
        EXPECT_TRUE(huge3.Rudd[i] >= 0 && huge3.Carp[i] >= 0 && huge3.Pike[i] >= 0) << i;
}

TEST(Plot_Geometry, Curve_Points_Are_Limited_Before_They_Become_Int)
{
    // 380 pixels for 1500 units on a plot whose bottom is at 380.
    const double sy = 380.0 / 1500;
    EXPECT_EQ(Pond_Curve_Y(380, sy, 1000, 410), 380 - 253);
    EXPECT_EQ(Pond_Curve_Y(380, sy, 1501, 410), 0);  // row 0 is still inside
    EXPECT_EQ(Pond_Curve_Y(380, sy, 1600, 410), -10);
    EXPECT_EQ(Pond_Curve_Y(380, sy, std::numeric_limits<double>::infinity(), 410), -10);
    EXPECT_EQ(Pond_Curve_Y(380, sy, std::numeric_limits<double>::quiet_NaN(), 410), -10);
    EXPECT_EQ(Pond_Curve_Y(380, sy, -1e300, 410), 410);

    // Below the bottom a point stops 10 pixels under the window: on a plot
    // 990 high that is where the fixed limit of 1000 was, on a taller one
    // the bottom is no longer cut to 1000.
    EXPECT_EQ(Pond_Curve_Y(970, 1.0, -200, 990 + 10), 1000);
    EXPECT_EQ(Pond_Curve_Y(1180, 1.0, 0, 1200 + 10), 1180);
    EXPECT_EQ(Pond_Curve_Y(1180, 1.0, -200, 1200 + 10), 1210);
}
