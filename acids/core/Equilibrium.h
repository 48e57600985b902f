// The equilibrium of a diprotic acid H2A <-> HA- <-> A2- in water: its
// constants, the hydrogen-ion concentration by fixed-point iteration, and the
// percentages that become the probabilities of the two reversible steps.
#pragma once

#include "kinetics/core/Process.h"

namespace acids::core {


struct AcidConstants
{
    double ka1 = 0, ka2 = 0, kw = 0;
};

// Ka1 of carbonic acid at t degrees Celsius: ln Ka1 fitted by least squares
// as a + b / T (T in kelvin) to its table of 0..50 degrees, the fit made
// afresh on every call; about 4.18e-7 at 25 degrees. Outside 0..50 degrees
// the line is extrapolated.
double carbonicKa1(double t);
// Ka2 of carbonic acid: the fitted Ka1 x 5.6e-11 / 4.3e-7.
double carbonicKa2(double t);
// Ionic product of water, fitted the same way to 0, 25, 50 and 100 degrees;
// about 9.12e-15 at 25 degrees.
double waterKw(double t);

// Constants of an acid by model code: carbonic acid from the fits at the
// temperature, the others fixed with Kw = 1e-14. Unknown codes give zeros.
AcidConstants acidConstants(kinetics::core::ModelCode modelCode, double temperatureC);

// Stopping tolerance of the iteration: 1e-10 for pyrophosphoric acid, 1e-11
// for the others.
double iterationTolerance(kinetics::core::ModelCode modelCode);

inline constexpr int maxIterations = 1'000'000;

// [H+] in mol/L of an acid of concentration c (mol/L) by the fixed-point
// iteration of the charge balance: from x = 1e-7,
// x' = [HA-] + 2 [A2-] + Kw / x with D = x^2 + Ka1 x + Ka1 Ka2,
// [HA-] = c Ka1 x / D and [A2-] = c Ka1 Ka2 / D, until |x' - x| <= the
// tolerance of modelCode; returns x'. After maxIterations steps it returns
// the last value. Carbonic acid needs tens of thousands of steps: the map's
// slope is close to -1 when Ka1 is small. The graphs against c, which need
// [H+] at many concentrations, solve the same balance by Newton's method.
double hydrogenIonConcentration(double c, const AcidConstants &k, kinetics::core::ModelCode modelCode);

// Percentages of the two steps at equilibrium:
// p1 (A -> B) + p2 (B -> A) = 100 with p1 / p2 = Ka1 / [H+], and
// p3 (B -> C) + p4 (C -> B) = 100 with p3 / p4 = Ka2 / [H+].
struct Percentages
{
    double p1 = 0, p2 = 0, p3 = 0, p4 = 0;
};

// The percentages of an acid (modelCode 1..4) of concentration c at a
// temperature; c arrives in single precision, as the windows pass it.
// Unknown codes give {0, 100, 0, 100}: no forward step.
Percentages equilibriumPercentages(float c, kinetics::core::ModelCode modelCode, double temperatureC);

// Per-event probabilities from the percentages and the temperature factor:
// each percentage x factor / 100, as a rate bar's value would give.
kinetics::core::StepProbabilities acidRates(const Percentages &p, double factor);

} // namespace acids::core
