// Many copies of one run: the same setup run again and again, each copy with
// its own random stream, and the spread of their counts about their mean.
#pragma once

#include "kinetics/core/Run.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <optional>

namespace kinetics::core {

// Per tick of the run, over the copies, for each kind: the mean, the
// standard deviation and the 5 % and 95 % points of the counts at the tick's
// end.
struct EnsembleStats
{
    RunSetup setup;
    int copies = 0;
    std::vector<double> times; // the end of each tick
    std::array<std::vector<double>, 4> mean, sd, low, high;
    // The last copy where it ended, for the spots and the bars.
    Grid lastCells{};
    Counts lastCounts;
    // Each copy's counts at the end of each tick: (copy x ticks + tick) x 4
    // + kind. A count never passes the lattice's 625 sites.
    std::vector<std::uint16_t> copyCounts;
    // Each copy's half-life of A: the time of its first sample with A at or
    // below half the spots; NaN where A stayed above half to the end.
    std::vector<double> halfLives;

    int ticks() const { return int(times.size()); }
    int count(int copy, int tick, int kind) const
    {
        return copyCounts[(std::size_t(copy) * times.size() + std::size_t(tick)) * 4 + std::size_t(kind)];
    }
    // What one copy keeps in memory.
    static std::size_t bytesPerCopy(int ticks) { return std::size_t(ticks) * 4 * sizeof(std::uint16_t) + sizeof(double); }
};

// The copies a student may ask for at once: a spread needs two, and ten
// thousand take some seconds.
inline constexpr int fewestCopies = 2;
inline constexpr int mostCopies = 10000;

// The seed of copy `index` of an ensemble seeded with `seed`: a copy's stream
// depends on nothing else.
std::uint64_t copySeed(std::uint64_t seed, int index);

// Runs `copies` copies of the setup to their end on the block the setup lays
// out, copy i on a stream seeded with copySeed(seed, i), spread over
// `threads` threads of the standard library; the result is the same whatever
// their number. `done` counts the copies finished; `cancelled` stops the
// work between two copies, and nothing is returned then. Both may be null.
std::optional<EnsembleStats> runEnsemble(const RunSetup &setup, std::uint64_t seed, int copies, int threads,
                                         std::atomic<int> *done = nullptr,
                                         const std::atomic<bool> *cancelled = nullptr);

} // namespace kinetics::core
