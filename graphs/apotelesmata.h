// The run control window: starts and paces a run with its timer, records the
// counts, plots them and leads back to the parameters.
#pragma once

#include "kinetics/core/RunSetup.h"
#include "toolkit/Toolkit.h"

#include <QElapsedTimer>
#include <QStringList>

#include <optional>

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

    // Lays out the lattice of a run and draws it: its full blue block, every
    // other site empty; the counts stand at all A.
    void zografizoble(const kinetics::core::RunSetup &setup);
    // Replays the recorded points of the last run on the graphs window, at
    // their own times and on their own scale.
    void zografizografiki();
    // New parameters: the run in progress ends, and the four run windows show
    // the next run as Start will make it: the spots with its block, the bars
    // standing at it, the graphs with its frame and this window with its
    // texts. After an earlier run of the chapter its points, and its smooth
    // curves once drawn, are shown again, unless "Erase Previous Graphs" is
    // ticked or the amount changed.
    void prepareRun();
    // Between runs, with the run windows up, the spots, the graph's frame
    // and this window's texts follow the plan of the next run wherever its
    // inputs are moved.
    void showPlan();
    // This window's texts for a run: its amount, its temperature and the
    // list of its rates, also as the hidden rate labels.
    void showSetup(const kinetics::core::RunSetup &setup);
    // Counts of a run of that setup on the bars, and what the spots and bars
    // tell a listener.
    void showCounts(const kinetics::core::RunSetup &setup, const kinetics::core::Counts &counts);

    // The counts of the last run, one row a tick, as CSV: what the run
    // windows save, with what the run was above them.
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
    // A decay's constants are per minute, as its rates window sets them.
    void printRate(double rate, double y, const QString &label, const char *pattern, bool perMinute = false);
    // The list of a reaction's or an acid's rates, one line a step it has;
    // a decay series' k1..k3, spread over the same height whatever their
    // number.
    void listRates(const kinetics::core::RunSetup &setup);
    void start();
    void tick();
    void newAdjustment();
    void presetExample();
    // Shows the four run windows in their quarters, this one last with the
    // keyboard; one closed by its frame comes back.
    void showRunWindows();
    // Frames the graph for a run, keeping or replaying the last run as the
    // lesson's rule says.
    void frameGraph(const kinetics::core::RunSetup &next, bool replayAlways);


    double m_printShrink = 1; // of the rate list's print, on small windows
    QStringList m_rateRows;   // the list's rows as a listener hears them, each value with its step
    bool m_pause = true;
    // The run told to a listener at Start, every few seconds and at its end.
    void tell(const QString &news);
    QElapsedTimer m_told;
    std::optional<kinetics::core::RunSetup> m_listed; // the run whose rates are listed
};
