#include "kinetics/core/Run.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace kinetics::core {

double amountPerSpot(double amount, double spots) { return amount / spots / 100; }

double eventTime(double tickStart, int event, double interval) { return tickStart + event * interval / eventsPerTick; }

namespace {

Amounts plotted(const Counts &n, double perSpot) { return {n.a * perSpot, n.b * perSpot, n.c * perSpot, n.d * perSpot}; }

// What an event does besides changing a site: the view redraws the spot and
// hears of a conversion.
struct ViewHooks
{
    RunView &view;
    int blockSide;
    void redraw(int i, int j, int code) { view.redrawSpot(i, j, code, blockSide); }
    void beep() { view.converted(); }
    void pause() {}
};

} // namespace

int Recording::sample(int kind, int index) const
{
    if (kind < 0 || kind > 3 || index < 1 || index > sampleCount())
        return 0;
    return samples[std::size_t(kind)][std::size_t(index - 1)];
}

void Recording::replay(const std::function<void(double x, const Amounts &amounts)> &point) const
{
    const int interval = setup.interval;
    if (setup.spots <= 0 || interval <= 0)
        return;
    const double perSpot = amountPerSpot(setup.amount, setup.spots);
    // samplesPerTick a tick, in order.
    for (int i = 0; i < sampleCount(); ++i) {
        const int n = i / samplesPerTick;
        const int k = i % samplesPerTick * sampleStride;
        const std::size_t s = std::size_t(i);
        point(eventTime(n * double(interval), k, interval),
              {samples[0][s] * perSpot, samples[1][s] * perSpot, samples[2][s] * perSpot, samples[3][s] * perSpot});
    }
}

Counts Recording::countsAt(double t) const
{
    const double interval = setup.interval;
    const auto timeOf = [&](int i) {
        return eventTime(double(i / samplesPerTick) * interval, i % samplesPerTick * sampleStride, interval);
    };
    if (sampleCount() == 0 || interval <= 0 || !(t >= timeOf(0)))
        return {setup.spots, 0, 0, 0};
    const int tick = int(std::floor(t / interval));
    const double within = (t - tick * interval) * eventsPerTick / interval;
    int i = std::clamp(tick * samplesPerTick + std::min(samplesPerTick - 1, int(within) / sampleStride), 0,
                       sampleCount() - 1);
    // Rounding may put the index one sample off.
    while (i + 1 < sampleCount() && timeOf(i + 1) <= t)
        ++i;
    while (i > 0 && timeOf(i) > t)
        --i;
    const auto s = std::size_t(i);
    return {samples[0][s], samples[1][s], samples[2][s], samples[3][s]};
}

double Recording::timeAtHalf() const
{
    for (int i = 0; i < sampleCount(); ++i)
        if (2 * samples[0][std::size_t(i)] <= setup.spots)
            return eventTime(double(i / samplesPerTick) * setup.interval, i % samplesPerTick * sampleStride,
                             setup.interval);
    return std::nan("");
}

void Recording::tickStarts(const std::function<void(double x, const Amounts &amounts)> &point) const
{
    if (setup.spots <= 0 || history.empty())
        return;
    const double perSpot = amountPerSpot(setup.amount, setup.spots);
    point(0, {setup.spots * perSpot, 0, 0, 0});
    for (std::size_t n = 0; n + 1 < history.size(); ++n)
        point(history[n].time, plotted(history[n].counts, perSpot));
}

void Run::start(const RunSetup &setup)
{
    m_rec = std::make_shared<Recording>();
    m_rec->setup = setup;
    m_serial += 1;
    m_stopped = setup.spots <= 0;
    m_counts = {setup.spots, 0, 0, 0};
    m_clock = {};
    // Room for every sample of the whole run: the records never fill up.
    const int ticks = ticksOfRun(setup.duration, setup.interval);
    for (auto &r : m_rec->samples)
        r.reserve(std::size_t(samplesPerTick) * std::size_t(ticks));
    m_rec->history.reserve(std::size_t(ticks));
}

void Run::recordSample()
{
    const int counts[] = {m_counts.a, m_counts.b, m_counts.c, m_counts.d};
    for (std::size_t m = 0; m < 4; ++m)
        m_rec->samples[m].push_back(counts[m]);
}

void Run::tick(toolkit::core::Random &rng, RunView &view)
{
    if (!running())
        return;
    const RunSetup &setup = m_rec->setup;
    const LatticeRun lattice = latticeRun(setup);
    const int kinds = setup.kinds();
    const int spots = setup.spots;
    const double interval = setup.interval;
    rng.mixClock();

    const double perSpot = amountPerSpot(setup.amount, spots);
    view.plot(m_clock.time, plotted(m_counts, perSpot), kinds, 3);
    Counts n = m_counts;
    for (int k = 0; k < eventsPerTick; ++k) {
        view.plot(eventTime(m_clock.time, k, interval), plotted(n, perSpot), kinds, 1);
        randomStep(m_cells, lattice, n, spots, rng, ViewHooks{view, setup.blockSide});
        assert(n.total() == spots && "an event moves one spot from one kind to another");
        m_counts = n;
        view.showCounts(n);
        if (k % sampleStride == 0)
            recordSample();
    }
    m_clock.ticks += 1;
    m_clock.time += interval;
    m_rec->history.push_back({m_clock.time, m_counts});
}

} // namespace kinetics::core
