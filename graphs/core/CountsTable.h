// The counts of a run as a table of comma-separated values: what the run was
// in comment lines, a header row, then one row a tick with the run time and
// the counts of A, B, C and D, and the smooth solution beside them when it
// has been drawn. Numbers always have a decimal point, whatever the locale.
#pragma once

#include "kinetics/core/Run.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace graphs::core {

// "name: value" pairs, written as "# name: value" lines above the header.
using TableNotes = std::vector<std::pair<std::string, std::string>>;

// The smooth solution of A..D, sample k at time k x step, in units that
// times `scale` gives spots of the run.
struct SmoothColumns
{
    std::array<const std::vector<double> *, 4> curves{};
    double step = 0;
    double scale = 1;
};

// The value of samples taken every `step` at time t: straight between the
// two samples around t, so the sample itself when t falls on one, as each
// tick's time does with a step of a fifth of the interval. NaN where the
// samples do not reach.
double sampleAt(const std::vector<double> &samples, double step, double t);

// The table; `smooth` may be null.
std::string countsTable(const TableNotes &notes, const std::vector<kinetics::core::TickCounts> &ticks,
                        const SmoothColumns *smooth);

// A number in the shortest form that reads back exactly, with a decimal
// point: 0.5, 1e-07, 250.
std::string shortest(double value);

} // namespace graphs::core
