// The run control window: starts and paces a run with its timer, records the
// counts, plots them and leads back to the parameters.
#pragma once

#include "graphs/core/CountsTable.h"
#include "kinetics/core/Process.h"
#include "toolkit/Toolkit.h"

#include <array>

class apotelesmata final : public toolkit::Form
{
    Q_OBJECT
public:
    apotelesmata();
    void load() override;

    toolkit::Timer Timer1{this, QStringLiteral("Timer1")};
    toolkit::CommandButton Command4{this, QStringLiteral("Command4")};
    toolkit::CommandButton Command3{this, QStringLiteral("Command3")};
    toolkit::CommandButton Command2{this, QStringLiteral("Command2")};
    toolkit::CommandButton Command1{this, QStringLiteral("Command1")};
    toolkit::Label Label1{this, QStringLiteral("Label1")};
    toolkit::LineControl Line1{this, QStringLiteral("Line1")};
    toolkit::Label concentr{this, QStringLiteral("concentr")};
    toolkit::Label temperatura{this, QStringLiteral("temperatura")};
    toolkit::ControlArray<toolkit::Label> kapa{this, QStringLiteral("kapa"), 4};

    // Lays out and draws the initial lattice: the full blue block, every other
    // site empty.
    void zografizoble();
    // Replays the recorded curves of the last run on the graphs window.
    void zografizografiki();
    // Shows the four run windows of a new run: the spots with the initial
    // block previewed, the run control, the graphs and the bars standing at
    // the new counts (all A).
    void showRunWindows();
    // After the first run: with "Erase Previous Graphs" ticked, clears the
    // spots and the graphs; otherwise lays out the blue block again and, unless
    // the amount changed, replays the last run's points and its smooth curves.
    // Returns whether the smooth curves were redrawn.
    bool replayEarlierRun();
    // The temperature the window shows.
    void showTemperature(int celsius);
    // Label `row` of the rates beside the list: the prefix, then the rate in
    // the pattern.
    void showRate(int row, const QString &prefix, double rate, const char *pattern);
    // The list of a reaction's or an acid's rates: A->B always, B->A when
    // reversible, B->C with two steps and C->B with both.
    void listReactionRates(const kinetics::core::StepProbabilities &k, bool reversible, bool twoSteps);
    // The list of a decay series' rates k1..k3, one line a step, spread over
    // the same height whatever their number.
    void listDecayRates(const std::array<double, 3> &k, int steps);

    // The counts of the last run, one row a tick, as CSV: what the run
    // windows save. The notes above them describe the run as it started.
    QByteArray countsCsv() const;

    // Whether a tick beeps and pauses after each A -> B conversion, as the
    // run does; the benchmarks measure both.
    void setConversionPause(bool on) { m_pause = on; }

private:
    class View;
    // Clears the window for the list of rates and sets its font: 12 points,
    // less on a window too small for the list beside its labels.
    void beginRateList();
    // Prints one rate of the list at x = 0: the value line at y and its label
    // just below, in a smaller font.
    void printRate(double rate, double y, const QString &label, const char *pattern);
    void start();
    void tick();
    void newAdjustment();
    void presetExample();
    // Lays out the lattice of the run: the full blue block, every other site
    // empty; returns the number of spots.
    int layOutLattice();

    double m_printShrink = 1; // of the rate list's print, on small windows
    graphs::core::TableNotes m_runNotes; // the last run's process and parameters
    bool m_pause = true;
};
