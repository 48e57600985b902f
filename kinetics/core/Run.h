// A run of the lattice process, as a physics engine's world owns its time
// step: the lattice, the counts of each kind, the samples recorded for the
// replay and the run clock. The run control window paces it with its timer
// and draws what each tick reports.
#pragma once

#include "kinetics/core/Lattice.h"
#include "toolkit/core/Random.h"

#include <array>
#include <functional>
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

// The counts at the end of a tick and the run time they were reached at.
struct TickCounts
{
    double time = 0;
    Counts counts;
};

// What a run keeps from its Start to its end, whatever the windows choose
// meanwhile: the process of its events and the kinds it plots.
struct RunSetup
{
    int spots = 0;       // blue spots laid out
    int interval = 0;    // ms the events of each tick spread over
    LatticeRun lattice;  // the sites, codes, reverse steps and probabilities
    int kinds = 2;       // kinds plotted: 2 (A, B), 3 (and C) or 4 (and D)
};

// What a tick reads afresh each time from the windows.
struct TickInput
{
    double amount = 0;   // the amount bar: the scale of the points and the block's side
    int interval = 0;    // the timer's interval now: how far the clock moves
    double duration = 0; // the run ends once the clock has passed it
};

class Run
{
public:
    // The lattice, laid out and drawn by the spot window.
    Grid &cells() { return m_cells; }
    const Grid &cells() const { return m_cells; }
    Counts counts() const { return m_counts; }
    // Counts that a preview of the lattice stands for: a run in progress
    // ends, its lattice is laid out afresh.
    void setCounts(const Counts &counts)
    {
        m_counts = counts;
        m_running = false;
    }
    // Between a Start and the end of the run.
    bool running() const { return m_running; }
    int tickCount() const { return m_clock.ticks; }
    int spotTotal() const { return m_spotTotal; }
    int blockSide() const { return m_blockSide; }
    void setBlockSide(int side) { m_blockSide = side; }
    double runTime() const { return m_clock.time; }
    int tickInterval() const { return m_clock.interval; }
    int recordIndex() const { return m_records.next; }
    // Sample `index` of kind 0 (A), 1 (B) or 2 (C); 0 outside the record.
    int record(int kind, int index) const;
    // The counts after each tick of the run so far, one entry a tick.
    const std::vector<TickCounts> &history() const { return m_history; }

    // Start on the laid-out lattice of setup.spots blue spots: the counts are
    // all A, the clock, the records and the history start afresh, and the run
    // keeps the setup to its end.
    void start(const RunSetup &setup);
    // One tick of a running run: after a re-seed from the clock, the counts
    // at the run time, then for each of the 625 events the counts at its
    // time, the event and a sample of the counts every 8th event; the clock
    // moves by the timer's interval, the history gains the counts at the new
    // run time, and the run ends once it has passed the duration. After every
    // event the counts add up to the spots.
    void tick(toolkit::core::Random &rng, const TickInput &in, RunView &view);
    // The run ends where it is, as when another process is chosen.
    void end() { m_running = false; }
    // New parameters: the run ends, its clock stops here and the replay
    // leaves out ticks that start later.
    void stop()
    {
        m_clock.stoppedAt = m_clock.time;
        end();
    }
    // The recorded samples of the last run at their times, up to the
    // duration, as amounts of A, B and C.
    void replay(double amount, double duration,
                const std::function<void(double x, double a, double b, double c)> &point) const;

private:
    void recordSample();

    Grid m_cells{};
    Counts m_counts;
    RunSetup m_setup;
    bool m_running = false;
    int m_blockSide = 0;
    int m_spotTotal = 0;
    // The time on the graphs' axis, where New Adjustment stopped it, the
    // interval the events of a tick spread over, and the ticks so far.
    struct Clock
    {
        double time = 0, stoppedAt = 0;
        int interval = 0, ticks = 0;
    } m_clock;
    // Samples of A, B and C (entry 0 unused, the next at `next`) and the
    // spots of the run they come from.
    struct Records
    {
        std::array<std::vector<int>, 3> samples;
        int next = 1, spots = 0;
    } m_records;
    std::vector<TickCounts> m_history;
};

} // namespace kinetics::core
