// The counts of a run as a table of comma-separated values: what the run was
// in comment lines, a header row, then one row a tick with the run time and
// the counts of A, B, C and D, and the smooth solution beside them when it
// has been drawn. Numbers always have a decimal point, whatever the locale.
#pragma once

#include "graphs/core/Smooth.h"
#include "kinetics/core/Ensemble.h"
#include "kinetics/core/Run.h"

#include <string>
#include <utility>
#include <vector>

namespace graphs::core {

// "name: value" pairs, written as "# name: value" lines above the header.
using TableNotes = std::vector<std::pair<std::string, std::string>>;

// What the table says of a run: the process, amount, temperature, duration,
// rates, tick interval and spots, as its setup froze them.
TableNotes describeRun(const kinetics::core::RunSetup &setup);

// The table of a run of that setup and history; the smooth solution's
// columns, in spots of the run, when `smooth` is given; and the mean,
// standard deviation, 5 % and 95 % of each kind over the copies of an
// ensemble of the run, when `ensemble` is given; `measured` are further
// notes, what was measured of the run.
std::string countsTable(const kinetics::core::RunSetup &setup, const std::vector<kinetics::core::TickCounts> &ticks,
                        const SmoothSolution *smooth, const kinetics::core::EnsembleStats *ensemble = nullptr,
                        const TableNotes &measured = {});

// Every copy of an ensemble, for students who draw their own histograms:
// what the run was, then one row a copy and tick with the copy's number
// (1 first), the time, the counts of A, B, C and D, and the copy's
// half-life of A (empty where A stayed above half).
std::string copiesTable(const kinetics::core::EnsembleStats &stats);

// A number in the shortest form that reads back exactly, with a decimal
// point: 0.5, 1e-07, 250.
std::string shortest(double value);

} // namespace graphs::core
