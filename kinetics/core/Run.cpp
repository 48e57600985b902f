#include "kinetics/core/Run.h"

#include <cassert>

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

int Run::record(int kind, int index) const
{
    if (kind < 0 || kind > 2)
        return 0;
    const std::vector<int> &r = m_records.samples[std::size_t(kind)];
    return index >= 0 && static_cast<std::size_t>(index) < r.size() && index < m_records.next ? r[std::size_t(index)]
                                                                                               : 0;
}

void Run::start(const RunSetup &setup)
{
    m_setup = setup;
    m_serial += 1;
    m_stopped = setup.spots <= 0;
    m_counts = {setup.spots, 0, 0, 0};
    m_clock = {};
    m_records.next = 1;
    // Room for every sample of the whole run: the records never fill up.
    const std::size_t room = 1 + std::size_t(samplesPerTick) * std::size_t(ticksOfRun(setup.duration, setup.interval));
    for (auto &r : m_records.samples) {
        r.assign(1, 0);
        r.reserve(room);
    }
    m_history.clear();
    m_history.reserve(std::size_t(ticksOfRun(setup.duration, setup.interval)));
}

void Run::recordSample()
{
    auto &[a, b, c] = m_records.samples;
    a.push_back(m_counts.a);
    b.push_back(m_counts.b);
    c.push_back(m_counts.c);
    m_records.next += 1;
}

void Run::tick(toolkit::core::Random &rng, RunView &view)
{
    if (!running())
        return;
    const LatticeRun lattice = latticeRun(m_setup);
    const int kinds = m_setup.kinds();
    const int spots = m_setup.spots;
    const double interval = m_setup.interval;
    rng.mixClock();

    const double perSpot = amountPerSpot(m_setup.amount, spots);
    view.plot(m_clock.time, plotted(m_counts, perSpot), kinds, 3);
    Counts n = m_counts;
    for (int k = 0; k < eventsPerTick; ++k) {
        view.plot(eventTime(m_clock.time, k, interval), plotted(n, perSpot), kinds, 1);
        randomStep(m_cells, lattice, n, spots, rng, ViewHooks{view, m_setup.blockSide});
        assert(n.total() == spots && "an event moves one spot from one kind to another");
        m_counts = n;
        view.showCounts(n);
        if (k % sampleStride == 0)
            recordSample();
    }
    m_clock.ticks += 1;
    m_clock.time += interval;
    m_history.push_back({m_clock.time, m_counts});
}

void Run::replay(const std::function<void(double x, double a, double b, double c)> &point) const
{
    const int interval = m_setup.interval;
    if (m_setup.spots <= 0 || interval <= 0)
        return;
    const double perSpot = amountPerSpot(m_setup.amount, m_setup.spots);
    const auto &[a, b, c] = m_records.samples;
    // Entries 1..next-1 hold the samples, samplesPerTick a tick in order.
    for (int index = 1; index < m_records.next; ++index) {
        const int n = (index - 1) / samplesPerTick;
        const int k = (index - 1) % samplesPerTick * sampleStride;
        const std::size_t i = std::size_t(index);
        point(eventTime(n * double(interval), k, interval), a[i] * perSpot, b[i] * perSpot, c[i] * perSpot);
    }
}

} // namespace kinetics::core
