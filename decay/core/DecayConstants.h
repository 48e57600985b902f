// Decay constants from half-lives, and the per-event probabilities of the
// worked polonium example.
#pragma once

#include "kinetics/core/Process.h"

#include <array>

namespace decay::core {

// Half-lives of the worked series, in minutes: polonium-218, lead-214,
// bismuth-214, and lead-210 (22 years), the stable end of a run.
inline constexpr std::array<double, 4> workedHalfLives{3.05, 26.8, 19.7, 11563200.0};

// k = ln 2 / T for a half-life T in minutes, times the temperature factor of
// modelCode at 400 degrees (with temperatureC as the shared temperature);
// that factor is 1 for the decay codes, so k = ln 2 / T there.
double decayConstant(double halfLife, kinetics::core::ModelCode modelCode, double temperatureC);

// Constants k1..k4 of a series of `steps` (1 to 3) from the half-lives of
// blue, green and red in minutes: k1 = ln 2 / T1 always; two steps add
// k2 = ln 2 / T2; three steps add k3 = ln 2 / T3 and k4 for lead-210's
// 22 years. The others are 0.
std::array<double, 4> seriesConstants(int steps, double blueHalfLife, double greenHalfLife,
                                      double redHalfLife);

// The rates of a series of constants k1..k4: A -> B, B -> C and C -> D on
// the lattice, D -> E (lead-210's decay) for the smooth curves only.
kinetics::core::RunRates seriesRates(const std::array<double, 4> &k);

// Per-event probabilities of the worked example for a lattice of 225 spots
// (15 x 15): x = 225 x k / counter for each constant, the counter doubling
// from 1 while the whole part of x1, x2 or x3 exceeds 100; then
// rate[0] = Int(x1) / 100, rate[1] = Int(x2) / 100, rate[2] = x3 / 100,
// rate[3] = x4 / 100 and rate[4] = 0.
struct WorkedRates
{
    std::array<double, 5> rate{}; // rateK1 .. rateK5
    double counter = 1;
};
WorkedRates workedExampleRates(const std::array<double, 4> &halfLives = workedHalfLives);

} // namespace decay::core
