#include "kinetics/core/Ensemble.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace kinetics::core {

namespace {

// SplitMix64: neighbouring indices give unrelated seeds.
std::uint64_t mixed(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

// The value below which a share q of the sorted values lie, straight
// between the two around it.
double quantile(std::vector<int> &values, double q)
{
    const double at = q * double(values.size() - 1);
    const auto below = std::size_t(std::floor(at));
    const auto above = std::min(values.size() - 1, below + 1);
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(below), values.end());
    const int low = values[below];
    if (above == below)
        return low;
    const int high = *std::min_element(values.begin() + std::ptrdiff_t(above), values.end());
    return low + (high - low) * (at - double(below));
}

} // namespace

std::uint64_t copySeed(std::uint64_t seed, int index) { return mixed(mixed(seed) ^ std::uint64_t(index)); }

std::optional<EnsembleStats> runEnsemble(const RunSetup &setup, std::uint64_t seed, int copies, int threads,
                                         std::atomic<int> *done, const std::atomic<bool> *cancelled)
{
    const int ticks = ticksOfRun(setup.duration, setup.interval);
    if (copies < 1 || ticks < 1 || setup.spots < 1)
        return std::nullopt;
    Grid block{};
    layOutBlock(block, setup.amount, 0);
    emptyTheRest(block);

    // Each copy is written by one thread.
    std::vector<std::uint16_t> counts(std::size_t(copies) * std::size_t(ticks) * 4);
    std::vector<double> halfLives(std::size_t(copies), std::nan(""));
    Grid lastCells{};
    Counts lastCounts;
    const auto runCopies = [&](int first, int step) {
        UnseenRun unseen;
        for (int c = first; c < copies; c += step) {
            if (cancelled && cancelled->load())
                return;
            Run run;
            run.cells() = block;
            run.start(setup);
            toolkit::core::Random rng;
            rng.seed(copySeed(seed, c));
            for (int t = 0; t < ticks && run.running(); ++t) {
                run.tick(rng, unseen);
                const Counts n = run.counts();
                std::uint16_t *at = &counts[(std::size_t(c) * std::size_t(ticks) + std::size_t(t)) * 4];
                at[0] = std::uint16_t(n.a), at[1] = std::uint16_t(n.b), at[2] = std::uint16_t(n.c),
                at[3] = std::uint16_t(n.d);
            }
            halfLives[std::size_t(c)] = run.recording()->timeAtHalf();
            if (c == copies - 1) {
                lastCells = run.cells();
                lastCounts = run.counts();
            }
            if (done)
                done->fetch_add(1);
        }
    };
    const int workers = std::clamp(threads, 1, copies);
    std::vector<std::thread> helpers;
    for (int w = 1; w < workers; ++w)
        helpers.emplace_back(runCopies, w, workers);
    runCopies(0, workers);
    for (std::thread &h : helpers)
        h.join();
    if (cancelled && cancelled->load())
        return std::nullopt;

    EnsembleStats stats;
    stats.setup = setup;
    stats.copies = copies;
    stats.lastCells = lastCells;
    stats.lastCounts = lastCounts;
    stats.halfLives = std::move(halfLives);
    for (auto *column : {&stats.mean, &stats.sd, &stats.low, &stats.high})
        for (auto &kind : *column)
            kind.resize(std::size_t(ticks));
    std::vector<int> values(static_cast<std::size_t>(copies));
    for (int t = 0; t < ticks; ++t) {
        stats.times.push_back(double(t + 1) * setup.interval);
        for (std::size_t m = 0; m < 4; ++m) {
            double sum = 0;
            for (int c = 0; c < copies; ++c) {
                values[std::size_t(c)] = counts[(std::size_t(c) * std::size_t(ticks) + std::size_t(t)) * 4 + m];
                sum += values[std::size_t(c)];
            }
            const double mean = sum / copies;
            double squares = 0;
            for (int v : values)
                squares += (v - mean) * (v - mean);
            const auto i = std::size_t(t);
            stats.mean[m][i] = mean;
            stats.sd[m][i] = copies > 1 ? std::sqrt(squares / (copies - 1)) : 0;
            stats.low[m][i] = quantile(values, 0.05);
            stats.high[m][i] = quantile(values, 0.95);
        }
    }
    stats.copyCounts = std::move(counts);
    return stats;
}

} // namespace kinetics::core
