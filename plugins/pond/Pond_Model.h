#pragma once

// The pond population models, free of any window: the habitat scenarios, the
// step count of a time span, and one integration run of the two-species
// (pike and rudd) and the three-species (pike, rudd and carp) pond. The plot
// windows of both plug-ins hold the series and call these.

#include <vector>

/// The most points a series gets, whatever the time span asks for. Guards
/// against a span that no control limits (a hidden TIME, a huge TIME_MAX):
/// the series stay a few megabytes and both runs a few milliseconds.
constexpr int Pond_Max_Steps = 100000;

/// Habitat scenarios, in the order of the scenario choice.
enum
{
    POND_SCENARIO_CONSTANT = 0,  ///< "konstant"
    POND_SCENARIO_HALVED = 1,    ///< "1/2 nach 100 Monaten"
    POND_SCENARIO_SWINGING = 2,  ///< "schwankend"
};

/// Predation types of the two-species pond (option SIM_TYPE).
enum
{
    POND_PREDATION_NONE = 0,       ///< rudd grow logistically, pike stay as they are
    POND_PREDATION_ENCOUNTER = 1,  ///< pike gain from encounters weighted by R - P; rudd not eaten
    POND_PREDATION_CLASSIC = 2,    ///< Lotka-Volterra terms on top of logistic rudd growth
};

/// The number of points a whole time span gives at step width dt: the span
/// in steps, rounded, at most Pond_Max_Steps. 0 when that is less than one
/// point (or dt is unusable), which leaves a plot's series as they are.
int Pond_Step_Count(int time_span, double dt);

/// The habitat capacity at point i (time i * dt) of a scenario for the
/// capacity parameter K. Unknown scenarios are constant.
double Pond_Capacity(int scenario, double K, int i, double dt);

/// A population after a step: a negative one, or one that is not a number
/// because the arithmetic overflowed, becomes 0.
double Pond_Clamp(double population);

/// The three series of a two-species run, of equal length.
struct Pond_Series
{
    std::vector<double> Capacity;
    std::vector<double> Rudd;
    std::vector<double> Pike;

    /// Resizes all three to n points.
    void Resize(int n);
};

/// The parameters of a two-species run.
struct Pond_Parameters
{
    double a = 0;           ///< rudd growth rate per step
    double d = 0;           ///< pike food demand per step
    double Rudd_Start = 1;
    double Pike_Start = 1;
    double Capacity = 0;    ///< K
};

/// Integrates the two-species pond over all points of series (which must
/// hold equally many) and returns the largest rudd or pike value after
/// point 0, -1 when there is no step.
double Pond_Run(Pond_Series& series, const Pond_Parameters& p, int scenario, int predation,
                double dt);

/// The four series of a three-species run, of equal length.
struct Pond3_Series
{
    std::vector<double> Capacity;
    std::vector<double> Rudd;
    std::vector<double> Carp;
    std::vector<double> Pike;

    void Resize(int n);
};

/// The parameters of a three-species run.
struct Pond3_Parameters
{
    double a = 0;           ///< rudd growth rate per step
    double b = 0;           ///< carp growth rate per step
    double d = 0;           ///< pike food demand per step
    double Rudd_Start = 1;
    double Carp_Start = 1;
    double Pike_Start = 1;
    double Capacity = 0;    ///< K
};

/// Integrates the three-species pond over all points of series. Rudd and
/// carp each grow towards the whole capacity and meet only through the pike.
void Pond3_Run(Pond3_Series& series, const Pond3_Parameters& p, int scenario, double dt);
