#include "plugins/pond/Pond_Model.h"

#include <algorithm>
#include <cmath>

namespace
{
    constexpr double Pi = 3.14159265358979323846;
}

int Pond_Step_Count(int time_span, double dt)
{
    const double steps = time_span / dt + 0.5;
    // Compared as a double: converting a count beyond the int range (a tiny
    // dt) would be undefined.
    if (!(steps >= 1.0))
        return 0;
    if (steps >= double(Pond_Max_Steps))
        return Pond_Max_Steps;
    return int(steps);
}

double Pond_Capacity(int scenario, double K, int i, double dt)
{
    const double t = std::trunc(i * dt);
    switch (scenario)
    {
    case POND_SCENARIO_HALVED:
        return t <= 100 ? K : K * 0.5;
    case POND_SCENARIO_SWINGING:
        // Period of 52 time units, starting at its lowest point 0.5 K.
        return K * (0.75 + 0.25 * std::sin(2 * Pi * t / 52 - Pi / 2));
    default:
        return K;
    }
}

double Pond_Clamp(double population)
{
    return population >= 0 ? population : 0.0;
}

void Pond_Series::Resize(int n)
{
    Capacity.resize(n);
    Rudd.resize(n);
    Pike.resize(n);
}

double Pond_Run(Pond_Series& series, const Pond_Parameters& p, int scenario, int predation,
                double dt)
{
    double maximum = -1;
    const int n = int(std::min({series.Capacity.size(), series.Rudd.size(), series.Pike.size()}));
    if (n < 1)
        return maximum;
    series.Capacity[0] = Pond_Capacity(scenario, p.Capacity, 0, dt);
    // The start values are kept as given, also negative ones.
    series.Rudd[0] = p.Rudd_Start;
    series.Pike[0] = p.Pike_Start;

    double R = p.Rudd_Start;
    double P = p.Pike_Start;
    for (int i = 1; i < n; i++)
    {
        const double K = Pond_Capacity(scenario, p.Capacity, i, dt);
        const double G = p.a * R * (K - R) * 0.001;
        double dR = G;
        double dP = 0;
        switch (predation)
        {
        case POND_PREDATION_ENCOUNTER:
            dP = 0.0004 * 0.001 * R * P * (R - P) - p.d * P;
            break;
        case POND_PREDATION_CLASSIC:
            dR = G - 0.002 * R * P;
            dP = 0.0004 * R * P - p.d * P;
            break;
        default:
            // No pike rate is defined: the pike stay at their start value.
            break;
        }
        R = Pond_Clamp(R + dR * dt);
        P = Pond_Clamp(P + dP * dt);
        maximum = std::max(maximum, std::max(R, P));
        series.Capacity[i] = K;
        series.Rudd[i] = R;
        series.Pike[i] = P;
    }
    return maximum;
}

void Pond3_Series::Resize(int n)
{
    Capacity.resize(n);
    Rudd.resize(n);
    Carp.resize(n);
    Pike.resize(n);
}

void Pond3_Run(Pond3_Series& series, const Pond3_Parameters& p, int scenario, double dt)
{
    const int n = int(std::min(
        {series.Capacity.size(), series.Rudd.size(), series.Carp.size(), series.Pike.size()}));
    if (n < 1)
        return;
    series.Capacity[0] = Pond_Capacity(scenario, p.Capacity, 0, dt);
    series.Rudd[0] = p.Rudd_Start;
    series.Carp[0] = p.Carp_Start;
    series.Pike[0] = p.Pike_Start;

    double R = p.Rudd_Start;
    double Q = p.Carp_Start;
    double P = p.Pike_Start;
    for (int i = 1; i < n; i++)
    {
        const double K = Pond_Capacity(scenario, p.Capacity, i, dt);
        const double dR = p.a * R * (K - R) * 0.001 - 0.002 * P * R;
        const double dQ = p.b * Q * (K - Q) * 0.001 - 0.002 * P * Q;
        const double dP = 0.0004 * (P * Q + P * R) - p.d * P;
        R = Pond_Clamp(R + dR * dt);
        Q = Pond_Clamp(Q + dQ * dt);
        P = Pond_Clamp(P + dP * dt);
        series.Capacity[i] = K;
        series.Rudd[i] = R;
        series.Carp[i] = Q;
        series.Pike[i] = P;
    }
}
