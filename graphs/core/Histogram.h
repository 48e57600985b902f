// The distribution of the copies of a run: how many copies fall in each bin
// of a count or a time, their mean and spread, and what the event rule
// predicts for them.
#pragma once

#include "kinetics/core/Ensemble.h"

#include <vector>

namespace graphs::core {

struct Histogram
{
    double first = 0; // the lower edge of the first bin
    double width = 0; // of every bin
    std::vector<int> tallies;
    int counted = 0;  // values in the bins; NaN ones are not
    double mean = 0, sd = 0;

    double edge(std::size_t bin) const { return first + double(bin) * width; }
    int tallest() const;
};

// The finite values in at most `most` bins of equal width, a whole multiple
// of `unit`, the values' own step (1 for counts of spots), the first bin
// centred on the smallest value; a value on an edge falls in the bin above it.
Histogram histogramOf(const std::vector<double> &values, double unit, int most = 30);

// The count of one kind at the end of one tick across the copies.
std::vector<double> countsAt(const kinetics::core::EnsembleStats &stats, int tick, int kind);

// The normal density, times `scale`: the copies a bin of a histogram would
// hold at x when scale is their number times the bin's width. Zero where the
// spread is none.
double normalCurve(double x, double mean, double sd, double scale);

// A step for an axis's numbers: 1, 2 or 5 times a power of ten, the
// smallest that puts at most `most` steps across `span`.
double axisStep(double span, int most);

// The half-life of A the student set, on the graphs' time axis, where the
// smooth curves fall as e^(-k1 t / interval).
double setHalfLife(double interval, double k1);

} // namespace graphs::core
