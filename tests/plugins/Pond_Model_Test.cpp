// The pond code without a window: the numbers of a run, the habitat
// scenarios, the clamps at zero, absurd inputs; the plankton's days.

#include "plugins/algen/Algen_Model.h"
#include "plugins/pond/Pond_Model.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{
    const Pond_Parameters Defaults = {0.08, 0.2, 200, 20, 1000};
    const Pond3_Parameters Defaults3 = {0.08, 0.06, 0.2, 200, 100, 20, 1000};

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
    // A step that does not divide the span: the nearest count.
    EXPECT_EQ(Pond_Step_Count(1, 0.4), 3);
}

TEST(Pond_Model, Scenarios_Shape_The_Capacity)
{
    const Pond_Series halved = Run_Pond(Defaults, POND_PREDATION_CLASSIC, 200, POND_SCENARIO_HALVED);
    EXPECT_TRUE(halved.Capacity[100] == 1000 && halved.Capacity[101] == 500 && halved.Capacity[199] == 500);
    const Pond_Series swinging = Run_Pond(Defaults, POND_PREDATION_CLASSIC, 200, POND_SCENARIO_SWINGING);
    for (const auto& [step, capacity] : {std::pair<int, double>{0, 500}, {13, 750}, {26, 1000}, {52, 500}})
        EXPECT_DOUBLE_EQ(swinging.Capacity[step], capacity) << step;
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

TEST(Algen_Model, Euler_Steps_Give_The_Check_Numbers_And_Keep_The_Nitrogen)
{
    Algae_Parameters p;
    Algae_Series s;
    Algae_Run(s, p, 100);
    ASSERT_EQ(s.P.size(), 101u);
    const struct { int day; double N, P, Z; } days[] = {
        {0, 3, 1, 1}, {1, 2.122859368, 1.1992811786, 1.6778594534}, {10, 4.3695053402, 0.0007725374, 0.6297221224}};
    for (const auto& d : days)
    {
        EXPECT_NEAR(s.N[d.day], d.N, 1e-10) << d.day;
        EXPECT_NEAR(s.P[d.day], d.P, 1e-10) << d.day;
        EXPECT_NEAR(s.Z[d.day], d.Z, 1e-10) << d.day;
    }
    // Without input the nitrogen only moves between the three.
    for (int day = 0; day <= 100; day++)
        EXPECT_NEAR(s.N[day] + s.P[day] + s.Z[day], 5.0, 1e-9) << day;
    p.Input = 0.1;
    Algae_Run(s, p, 50);
    EXPECT_NEAR(s.P.back(), 9.342372, 5e-7);
}
