// The smooth solution of the rate equations of a run: the linear chain
// A <-> B <-> C -> D -> E -> F integrated by Runge-Kutta-Gill, with one tick of
// the run control (625 events) as the unit of time.
#pragma once

#include "kinetics/core/Process.h"

#include <array>
#include <vector>

namespace graphs::core {

using Amounts = std::array<double, 6>;      // A, B, C, D, E, F, counted in spots
using Coefficients = std::array<double, 7>; // p1 .. p7 at [0] .. [6], per tick
using ChainSeries = std::array<std::vector<double>, 6>; // one array per member, samples 0..n

inline constexpr double curveStepTicks = 0.2; // step of the stored solution, in ticks

// Rate of change of member j (0 = A .. 5 = F):
//   A: -p1 A + p2 B            B: p1 A - (p2 + p3) B + p4 C
//   C: p3 B - p4 C - p5 C      D: p5 C - p6 D
//   E: p6 D - p7 E             F: p7 E
// and 0 for any other j.
double chainRates(const Amounts &y, int j, const Coefficients &p);

// Advances the first `count` members (at most 6) by one Runge-Kutta-Gill step
// of size h; the others are held. A count below 1 does nothing.
void gillStep(Amounts &y, double h, int count, const Coefficients &p);

// p1..p7 of a process. A green spot is tested for B -> C before B -> A,
// hence p2 = k1Reverse x (1 - k2). Chemistry has p4 = k2Reverse and no decay
// steps; a decay series has p4 = 0, p5 = k3, p6 = k4 x factor, p7 = k5.
// factor is the temperature factor of the process.
Coefficients chainCoefficients(kinetics::core::ModelCode model, const kinetics::core::RunRates &rates,
                               double factor);

// Steps of the stored solution for a duration: CInt(duration / 0.2).
int curveStepCount(double duration);

// Solution from `total` spots of A: samples 0..steps at times k x h.
ChainSeries solveChain(double total, const Coefficients &p, int steps, double h = curveStepTicks);

// chainRates of every member at every sample of a solution.
ChainSeries chainRateSeries(const ChainSeries &amounts, const Coefficients &p);

// Largest absolute value over all members and samples (0 for none).
double largestMagnitude(const ChainSeries &series);

} // namespace graphs::core
