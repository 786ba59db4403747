#pragma once

// The pond's plankton without a window: nutrients N, algae P (phytoplankton)
// and water fleas Z (zooplankton) with Ivlev grazing, all in micromoles of
// nitrogen per litre, and a nutrient input I from fertiliser washed in:
//
//   dN/dt = -Vm N/(ks+N) P + m P + g Z + gamma Rm (1 - e^(-lambda P)) Z + I
//   dP/dt =  Vm N/(ks+N) P - m P - Rm (1 - e^(-lambda P)) Z
//   dZ/dt = (1 - gamma) Rm (1 - e^(-lambda P)) Z - g Z
//
// Without input the nitrogen only moves between the three: N + P + Z stays.

#include <vector>

/// Explicit Euler steps of a hundredth of a day; the series keep whole days.
constexpr int Algae_Steps_Per_Day = 100;

/// The longest time span in days.
constexpr int Algae_Max_Days = 3650;

/// The rates (per day), constants and start values of a run.
struct Algae_Parameters
{
    double Vm = 2.0;      ///< most nutrient uptake of the algae
    double ks = 1.0;      ///< nutrients at which the uptake is half its most
    double m = 0.1;       ///< dying of the algae
    double Rm = 1.5;      ///< most grazing of the water fleas
    double Lambda = 1.0;  ///< Ivlev constant: how fast grazing saturates
    double Gamma = 0.3;   ///< part of the grazed algae that goes back to nutrients
    double g = 0.2;       ///< dying of the water fleas
    double Input = 0.0;   ///< nutrients washed in
    double N_Start = 3.0;
    double P_Start = 1.0;
    double Z_Start = 1.0;
};

/// The three series of a run, value i at day i.
struct Algae_Series
{
    std::vector<double> N;
    std::vector<double> P;
    std::vector<double> Z;
};

/// The number of days a time span gives: truncated, at least 1, at most
/// Algae_Max_Days (also for a span that is not a number).
int Algae_Days(double time_span);

/// Integrates days days from the start values into series (resized to
/// days + 1 points). Each step computes the three rates from the values
/// before it. A value that falls below 0 in a step, or is no longer a
/// number, becomes 0: such steps are too coarse for the rates.
void Algae_Run(Algae_Series& series, const Algae_Parameters& p, int days);
