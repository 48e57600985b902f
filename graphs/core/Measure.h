// What a run itself shows, measured from its spots as a student would in a
// lab, beside what was set: the half-life and constant of A, the
// equilibrium ratio B/A, the maximum of B, an acid's percentages. Each
// figure has its standard uncertainty and says what it read.
#pragma once

#include "graphs/core/Smooth.h"
#include "kinetics/core/Run.h"

#include <array>
#include <cmath>
#include <utility>
#include <string>
#include <vector>

namespace graphs::core {

// The graph's value of one spot of a run: mol/L for chemistry; for a decay
// the number of atoms its axis counts, the layout's target over the spots.
double valuePerSpot(const kinetics::core::RunSetup &setup);

// A value of the smooth solution (in its spots) in the graph's units.
double smoothValue(const SmoothSolution &smooth, const kinetics::core::RunSetup &setup, double spots);

enum class Measured {
    HalfLifeAtHalf,  // the first sample with A at or below half its start
    HalfLifeFromFit, // ln 2 over the fitted constant
    ConstantA,       // the constant of A per tick, from the fit
    RatioBA,         // mean B over mean A in the last third of the run
    PeakTimeB,       // the time of B's maximum, from a parabola through it
    PeakHeightB,     // and its height, in the graph's units
    PercentA,        // an acid's species at the run's end, in % of the spots
    PercentB,
    PercentC,
};

struct Measurement
{
    Measured what = Measured::HalfLifeAtHalf;
    double value = NAN;
    double uncertainty = NAN; // one standard uncertainty
    double set = NAN;         // what was set, or what the smooth solution gives
    double from = 0, to = 0;  // the times of the run the figure read
};

// The name a script and the counts table know the figure by: halfLifeA,
// halfLifeFitA, constantA, ratioBA, peakTimeB, peakHeightB, percentA..C.
std::string measureName(Measured what);

// The first sample's time with A at or below half the spots: NaN where A
// stays above half.
double firstTimeAtHalf(const kinetics::core::Recording &run);

// The least-squares line through (t, ln A) from the start and every tick's
// end while A keeps at least a tenth of its start and 5 spots: its slope,
// and the slope's standard uncertainty for counts that decay as independent
// spots would (ln A of two times covary as (e^(k s) - 1) / N at the earlier
// time s).
struct DecayFit
{
    double slope = NAN, uncertainty = NAN;
    double from = 0, to = 0;
    int points = 0;
};
DecayFit fitLogDecay(const kinetics::core::Recording &run);

// Every figure the run's process offers: where A only decays, its
// half-life and constant; for a reversible reaction the ratio B/A; where B
// lies between two steps of a reaction or decay, its maximum; for an acid
// the percentages at the end beside those where its rate equations come to
// rest. A figure the run cannot give (A never at half, no maximum within
// the run) is left out.
std::vector<Measurement> measureRun(const kinetics::core::Recording &run, const SmoothSolution &smooth);

// The figures as the counts table's notes: "measured NAME", its value, the
// uncertainty and the value set, with a decimal point.
std::vector<std::pair<std::string, std::string>> measurementNotes(const std::vector<Measurement> &figures);

} // namespace graphs::core
