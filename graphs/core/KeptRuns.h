// How many runs a graph keeps: each kept run holds its samples (and their
// points on the graph), so the runs a graph keeps are bounded by their
// samples, which keeps their memory under 100 MB above the program's own
// (measured: about 26 bytes a sample time for the longest decays, 35 for
// a reaction's default runs, drawing included).
#pragma once

#include <cstddef>
#include <vector>

namespace graphs::core {

// The sample times a graph keeps at most: 20 runs of the longest decay
// (39,000 each, about 35 MB, redrawn maximised in about a tenth of a
// second), about 700 of a reaction's default duration.
inline constexpr std::size_t keptSamplesLimit = 800'000;

// How many of the oldest runs to let go, given each kept run's samples from
// the oldest to the latest, so that the rest hold at most `limit`; the
// latest run always stays.
std::size_t oldestRunsToDrop(const std::vector<std::size_t> &samples, std::size_t limit = keptSamplesLimit);

} // namespace graphs::core
