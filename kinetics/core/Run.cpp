#include "kinetics/core/Run.h"

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
    const std::vector<int> &r = m_records[std::size_t(kind)];
    return index >= 0 && static_cast<std::size_t>(index) < r.size() && index < m_recordIndex ? r[std::size_t(index)]
                                                                                               : 0;
}

void Run::start(int placed, int interval)
{
    m_spotTotal = placed;
    m_replayTotal = placed;
    m_counts = {placed, 0, 0, 0};
    m_tickCount = 0;
    m_tickInterval = interval;
    m_recordIndex = 1;
    for (auto &r : m_records)
        r.assign(1, 0);
    m_runTime = 0;
}

void Run::recordSample()
{
    if (static_cast<std::size_t>(m_recordIndex) >= m_records[0].size())
        for (auto &r : m_records)
            r.resize(r.size() + 16 * samplesPerTick);
    const std::size_t i = std::size_t(m_recordIndex);
    m_records[0][i] = m_counts.a;
    m_records[1][i] = m_counts.b;
    m_records[2][i] = m_counts.c;
    m_recordIndex += 1;
}

bool Run::tick(toolkit::core::Random &rng, const LatticeRun &lattice, const TickInput &in, RunView &view)
{
    if (m_spotTotal <= 0)
        return false;
    m_blockSide = kinetics::core::blockSide(in.amount, lattice.side);
    rng.mixClock();

    const double perSpot = amountPerSpot(in.amount, m_spotTotal);
    view.plot(m_runTime, plotted(m_counts, perSpot), in.kinds, 3);
    Counts n = m_counts;
    for (int k = 0; k < eventsPerTick; ++k) {
        view.plot(eventTime(m_runTime, k, m_tickInterval), plotted(n, perSpot), in.kinds, 1);
        randomStep(m_cells, lattice, n, m_spotTotal, rng, ViewHooks{view, m_blockSide});
        m_counts = n;
        view.showCounts(n);
        if (k % sampleStride == 0)
            recordSample();
    }
    m_tickCount += 1;
    m_runTime += in.interval;
    return m_runTime > in.duration;
}

void Run::replay(double amount, double duration,
                 const std::function<void(double x, double a, double b, double c)> &point) const
{
    if (m_replayTotal <= 0 || m_tickInterval <= 0)
        return;
    const double perSpot = amountPerSpot(amount, m_replayTotal);
    int index = 1; // entries 1..recordIndex-1 hold samples
    for (int n = 0; n * double(m_tickInterval) < duration && index < m_recordIndex; ++n) {
        const double t = n * double(m_tickInterval);
        if (t > m_stopTime)
            continue;
        for (int k = 0; k < eventsPerTick && index < m_recordIndex; k += sampleStride, ++index) {
            const std::size_t i = std::size_t(index);
            point(eventTime(t, k, m_tickInterval), m_records[0][i] * perSpot, m_records[1][i] * perSpot,
                  m_records[2][i] * perSpot);
        }
    }
}

} // namespace kinetics::core
