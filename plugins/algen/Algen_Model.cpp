#include "Algen_Model.h"

#include <cmath>

namespace
{
    double Clamp(double x)
    {
        return x >= 0 ? x : 0.0;
    }
}

int Algae_Days(double time_span)
{
    if (!(time_span >= 1))
        return 1;
    if (time_span >= Algae_Max_Days)
        return Algae_Max_Days;
    return int(time_span);
}

void Algae_Run(Algae_Series& series, const Algae_Parameters& p, int days)
{
    series.N.resize(days + 1);
    series.P.resize(days + 1);
    series.Z.resize(days + 1);
    const double dt = 1.0 / Algae_Steps_Per_Day;
    double N = p.N_Start, P = p.P_Start, Z = p.Z_Start;
    series.N[0] = N;
    series.P[0] = P;
    series.Z[0] = Z;
    for (int day = 1; day <= days; day++)
    {
        for (int step = 0; step < Algae_Steps_Per_Day; step++)
        {
            const double uptake = p.Vm * N / (p.ks + N) * P;
            const double grazing = p.Rm * (1 - std::exp(-p.Lambda * P)) * Z;
            const double dN = -uptake + p.m * P + p.g * Z + p.Gamma * grazing + p.Input;
            const double dP = uptake - p.m * P - grazing;
            const double dZ = (1 - p.Gamma) * grazing - p.g * Z;
            N = Clamp(N + dN * dt);
            P = Clamp(P + dP * dt);
            Z = Clamp(Z + dZ * dt);
        }
        series.N[day] = N;
        series.P[day] = P;
        series.Z[day] = Z;
    }
}
