// The species and pH of an acid against its initial concentration, as data
// for the product and pH graphs.
#pragma once

#include "acids/core/Equilibrium.h"

#include <vector>

namespace acids::core {

// ln(value) / ln 10.
double log10(double value);

// Constants of the product graph: carbonic acid at fixed 4.3e-7, 5.61e-11
// and 1e-14, whatever the temperature; the other acids as acidConstants.
AcidConstants productGraphConstants(kinetics::core::ModelCode modelCode);

// The species at one concentration, each as a percentage of c.
struct ProductPoint
{
    double c = 0;        // mol/L
    double monoAnion = 0; // 100 [HA-] / c
    double dianion = 0;   // 100 [A2-] / c
    double acid = 0;      // 100 [H2A] / c, with [H2A] = c - [HA-] - [A2-]
    double hydrogen = 0;  // 100 [H+] / c
};

// The species of concentration c given its [H+] h.
ProductPoint productPoint(double c, double h, const AcidConstants &k);

inline constexpr int productSteps = 1500; // c = i / 100 for i = 1..1500
inline constexpr int phSteps = 150;       // c = i / 10 for i = 1..150

// Points 0..1500 (point 0 stays all zero, as a fresh array would hold it)
// and the largest of the four values over i = 1..1500 (0 if none is
// positive). Unknown codes give all zeros. Here and in phSeries [H+] comes
// from Newton's method on the balance hydrogenIonConcentration iterates:
// the same root, reached in a few steps instead of tens of thousands.
struct ProductGraph
{
    std::vector<ProductPoint> points;
    double maximum = 0;
};
ProductGraph productGraph(kinetics::core::ModelCode modelCode);

// pH = -log10([H+]) at c = i / 10 for i = 1..150, with the constants of
// acidConstants (carbonic acid from the fits at the temperature). Points
// 0..150; point 0 stays (0, 0). Unknown codes give all zeros.
struct PhPoint
{
    double c = 0, pH = 0;
};
std::vector<PhPoint> phSeries(kinetics::core::ModelCode modelCode, double temperatureC);

// The same at any one concentration c > 0, as a reading of the graphs
// needs between their points: the species with the product graph's
// constants, the pH with the constants at the temperature.
ProductPoint productPointAt(kinetics::core::ModelCode modelCode, double c);
double pHAt(kinetics::core::ModelCode modelCode, double temperatureC, double c);

} // namespace acids::core
