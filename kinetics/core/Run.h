// A run of the lattice process, as a physics engine's world owns its time
// step: the lattice, the counts of each kind, the samples recorded for the
// replay and the run clock. The run control window paces it with its timer
// and draws what each tick reports.
#pragma once

#include "kinetics/core/Lattice.h"
#include "kinetics/core/RunSetup.h"
#include "toolkit/core/Random.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace kinetics::core {

// The y of one spot on the graphs: a count n is plotted at
// n x amountPerSpot(amount, spots), that is amount x n / spots / 100 (mol/L
// for chemistry, a share of the lattice for decays).
double amountPerSpot(double amount, double spots);

// The time on the graphs of event k of a tick that starts at tickStart and
// spreads its events over interval.
double eventTime(double tickStart, int event, double interval);

// Amounts of A, B, C and D as the graphs plot them.
using Amounts = std::array<double, 4>;

// What a tick shows, as it happens.
class RunView
{
public:
    virtual ~RunView() = default;
    // The amounts of the first `kinds` kinds (2: A and B, 3: and C, 4: and D)
    // at time x, in a pen of that width.
    virtual void plot(double x, const Amounts &amounts, int kinds, int penWidth) = 0;
    // The counts after an event, for the bars.
    virtual void showCounts(const Counts &counts) = 0;
    // A site that changed kind, in a lattice drawn for a block of that side.
    virtual void redrawSpot(int i, int j, int code, int blockSide) = 0;
    // A blue spot has just turned green.
    virtual void converted() = 0;
};

// A view that shows nothing and never pauses: the copies of an ensemble, the
// tests and the benchmarks run so.
class UnseenRun final : public RunView
{
public:
    void plot(double, const Amounts &, int, int) override {}
    void showCounts(const Counts &) override {}
    void redrawSpot(int, int, int, int) override {}
    void converted() override {}
};

// The counts at the end of a tick and the run time they were reached at.
struct TickCounts
{
    double time = 0;
    Counts counts;
};

// What a run leaves to be drawn again: its setup, a sample of the counts of
// every kind every 8th event, and the counts at the end of each tick. A
// graph keeps the recordings of the runs it shows.
struct Recording
{
    RunSetup setup;
    std::array<std::vector<int>, 4> samples; // A, B, C, D; sample 1 first
    std::vector<TickCounts> history;

    // Samples taken so far.
    int sampleCount() const { return int(samples[0].size()); }
    // Sample `index` (1 first) of kind 0 (A) .. 3 (D); 0 outside the record.
    int sample(int kind, int index) const;
    // Every sample at the time it was taken, as amounts of the run's kinds on
    // the run's own scale.
    void replay(const std::function<void(double x, const Amounts &amounts)> &point) const;
    // The counts of the last sample taken at or before time t, as a reading
    // of the graph shows them there; the start's before the first.
    Counts countsAt(double t) const;
    // The time of the first sample with A at or below half the spots, where
    // A has fallen to half; NaN while A stays above half.
    double timeAtHalf() const;
    // The counts at the start of each tick so far, where the run plots its
    // larger points, at their times.
    void tickStarts(const std::function<void(double x, const Amounts &amounts)> &point) const;
};

class Run
{
public:
    // The lattice, laid out and drawn by the spot window.
    Grid &cells() { return m_cells; }
    const Grid &cells() const { return m_cells; }
    Counts counts() const { return m_counts; }
    // Counts that a preview of the next run's lattice stands for: the run in
    // progress ends, its setup and records stay for its replay.
    void setCounts(const Counts &counts)
    {
        m_counts = counts;
        stop();
    }
    // The setup of the run that runs or ran last, frozen at its start.
    const RunSetup &setup() const { return m_rec->setup; }
    // Its recording, growing while it runs; the next start makes a new one.
    std::shared_ptr<const Recording> recording() const { return m_rec; }
    // Whether a run has started since the program began.
    bool started() const { return m_serial > 0; }
    // Between its start and the tick that passes its duration, unless it was
    // stopped before.
    bool running() const { return started() && !m_stopped && m_clock.time <= setup().duration; }
    // Which run this is: 1 for the first started, one more for each start.
    int serial() const { return m_serial; }
    int tickCount() const { return m_clock.ticks; }
    int spotTotal() const { return setup().spots; }
    int tickInterval() const { return setup().interval; }
    // The index the next sample takes: one past the samples so far.
    int recordIndex() const { return m_rec->sampleCount() + 1; }
    // Sample `index` of kind 0 (A) .. 3 (D); 0 outside the record.
    int record(int kind, int index) const { return m_rec->sample(kind, index); }
    // The counts after each tick of the run so far, one entry a tick.
    const std::vector<TickCounts> &history() const { return m_rec->history; }

    // Start on the laid-out lattice of setup.spots blue spots: the counts are
    // all A, the clock, the records (room for the whole run) and the history
    // start afresh, and the run keeps the setup to its end.
    void start(const RunSetup &setup);
    // One tick of a running run: after a re-seed from the clock, the counts
    // at the run time, then for each of the 625 events the counts at its
    // time, the event and a sample of the counts every 8th event; the clock
    // moves one interval, the history gains the counts at the new run time,
    // and the run ends once it has passed its duration. After every event
    // the counts add up to the spots.
    void tick(toolkit::core::Random &rng, RunView &view);
    // The run ends where it is: new parameters, another process or a preview.
    void stop() { m_stopped = true; }

private:
    void recordSample();

    Grid m_cells{};
    Counts m_counts;
    std::shared_ptr<Recording> m_rec = std::make_shared<Recording>();
    int m_serial = 0;
    bool m_stopped = false;
    // The time on the graphs' axis and the ticks so far.
    struct Clock
    {
        double time = 0;
        int ticks = 0;
    } m_clock;
};

} // namespace kinetics::core
