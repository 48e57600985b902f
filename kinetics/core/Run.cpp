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
    const int placed = setup.spots;
    m_setup = setup;
    m_running = placed > 0;
    m_spotTotal = placed;
    m_counts = {placed, 0, 0, 0};
    m_clock.ticks = 0;
    m_clock.interval = setup.interval;
    m_clock.time = 0;
    m_records.next = 1;
    m_records.spots = placed;
    for (auto &r : m_records.samples)
        r.assign(1, 0);
    m_history.clear();
}

void Run::recordSample()
{
    auto &[a, b, c] = m_records.samples;
    if (static_cast<std::size_t>(m_records.next) >= a.size())
        for (auto *r : {&a, &b, &c})
            r->resize(r->size() + 16 * samplesPerTick);
    const std::size_t i = std::size_t(m_records.next);
    a[i] = m_counts.a;
    b[i] = m_counts.b;
    c[i] = m_counts.c;
    m_records.next += 1;
}

void Run::tick(toolkit::core::Random &rng, const TickInput &in, RunView &view)
{
    if (!m_running)
        return;
    const LatticeRun &lattice = m_setup.lattice;
    const int kinds = m_setup.kinds;
    m_blockSide = kinetics::core::blockSide(in.amount, lattice.side);
    rng.mixClock();

    const double perSpot = amountPerSpot(in.amount, m_spotTotal);
    view.plot(m_clock.time, plotted(m_counts, perSpot), kinds, 3);
    Counts n = m_counts;
    for (int k = 0; k < eventsPerTick; ++k) {
        view.plot(eventTime(m_clock.time, k, m_clock.interval), plotted(n, perSpot), kinds, 1);
        randomStep(m_cells, lattice, n, m_spotTotal, rng, ViewHooks{view, m_blockSide});
        assert(n.total() == m_spotTotal && "an event moves one spot from one kind to another");
        m_counts = n;
        view.showCounts(n);
        if (k % sampleStride == 0)
            recordSample();
    }
    m_clock.ticks += 1;
    m_clock.time += in.interval;
    m_history.push_back({m_clock.time, m_counts});
    if (m_clock.time > in.duration)
        end();
}

void Run::replay(double amount, double duration,
                 const std::function<void(double x, double a, double b, double c)> &point) const
{
    const int interval = m_clock.interval;
    if (m_records.spots <= 0 || interval <= 0)
        return;
    const double perSpot = amountPerSpot(amount, m_records.spots);
    const auto &[a, b, c] = m_records.samples;
    int index = 1; // entries 1..next-1 hold samples
    for (int n = 0; n * double(interval) < duration && index < m_records.next; ++n) {
        const double t = n * double(interval);
        if (t > m_clock.stoppedAt)
            continue;
        for (int k = 0; k < eventsPerTick && index < m_records.next; k += sampleStride, ++index) {
            const std::size_t i = std::size_t(index);
            point(eventTime(t, k, interval), a[i] * perSpot, b[i] * perSpot, c[i] * perSpot);
        }
    }
}

} // namespace kinetics::core
