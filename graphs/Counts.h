// The counts of a run as the run windows save them: a table of
// comma-separated values in UTF-8.
#pragma once

#include "graphs/core/CountsTable.h"

#include <QByteArray>

namespace graphs {

// What the table says of the run: the process, amount, temperature,
// duration, rates, tick interval and spots, as the shared state has them now.
core::TableNotes describeRun();

// The table of the last run, `notes` above it, and the smooth solution
// beside the counts once "Optimization" has drawn it for this run.
QByteArray countsCsv(const core::TableNotes &notes);

} // namespace graphs
