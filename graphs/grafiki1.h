// The graphs window: amounts of A, B, C (and D) against time, with the smooth
// solution, the rates and the notes in its menus.
#pragma once

#include "graphs/ReadingCursor.h"
#include "graphs/core/DecaySeries.h"
#include "graphs/core/Smooth.h"
#include "kinetics/core/Ensemble.h"
#include "kinetics/core/Run.h"
#include "toolkit/Toolkit.h"

#include <QCoreApplication>

#include <QPointer>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class grafiki1 final : public toolkit::Form
{
    Q_OBJECT
public:
    grafiki1();
    void load() override;

    toolkit::CheckBox Check1{this, QStringLiteral("Check1")};
    toolkit::MenuItem diaforikes{this, QStringLiteral("diaforikes"), QCoreApplication::translate("grafiki1", "Optimization")};
    toolkit::MenuItem xronoimizoi{this, QStringLiteral("xronoimizoi"), QCoreApplication::translate("grafiki1", "Half Lifes")};
    toolkit::MenuItem changerates{this, QStringLiteral("changerates"), QCoreApplication::translate("grafiki1", "Change of Rates")};
    // What the run itself shows, measured from its spots.
    toolkit::MenuItem metrisi{this, QStringLiteral("metrisi"), QCoreApplication::translate("grafiki1", "Measurements")};
    toolkit::MenuItem voithia{this, QStringLiteral("voithia"), QCoreApplication::translate("grafiki1", "Help")};

    // The frame of a run: its scale and axes, "Half Lifes" offered for a
    // decay. What was drawn on another scale is cleared first, so that no
    // point stands on an axis it was not drawn for.
    void showFrame(const kinetics::core::RunSetup &setup);
    // Whether the graph is drawn on the scale of that run.
    bool framedFor(const kinetics::core::RunSetup &setup) const;
    // The unit of the value axis at its top: "mol/L", or "    N" for a decay.
    void printUnit(const kinetics::core::RunSetup &setup);
    // A run starts on the graph: its first point, large; its ticks then plot
    // the rest as it goes.
    void startRun(std::shared_ptr<const kinetics::core::Recording> run);
    // The recorded points of a run drawn again at their own times and scale.
    void replayRun(std::shared_ptr<const kinetics::core::Recording> run);
    // Redraws the smooth curves of the last run once "Optimization" has
    // drawn them; nothing otherwise.
    void kratimatimon();
    // The exact curves of a decay series of constants k1..k4, with their
    // half-life marks, on the frame of that series' run.
    void drawDecaySeries(const std::array<double, 4> &k, const kinetics::core::RunSetup &setup);
    // The smooth solution "Optimization" drew for this run, if it did.
    const graphs::core::SmoothSolution *smoothOf(const kinetics::core::Run &run) const;
    // The smooth solution drawn last, of a run or of the coming run.
    const graphs::core::SmoothSolution *smoothDrawn() const { return m_smooth.get(); }
    // How many runs the graph shows the points of, the one in progress too.
    int runsShown() const;

    // "Repeat the Run": the last run's setup run that many times more (2 to
    // 10,000), each copy on a stream of its own, beside the window, which
    // goes on; a notice says how far it is, and Escape or "Stop Repeating"
    // stops it.
    // Then the graph shows per kind the copies' mean in a band of one
    // standard deviation, the event rule's spread and the smooth curves, a
    // line says how far the mean strays from them, and the spots and the
    // bars show the last copy.
    void repeatRun(int copies);
    bool repeating() const { return m_job != nullptr; }
    // "Repeat the Run..." and "Stop Repeating" in the menu of a run window;
    // while copies run, Escape in any run window stops them.
    void offerRepeats(toolkit::Canvas &window);
    // "Other Number...": asks over that window how many copies to run.
    void askCopies(QWidget &over);
    // "Distribution of the Copies...": the histogram window shows the copies
    // of the current run, over the bars; a notice says to repeat the run
    // first when it has none.
    void showDistribution();
    // Waits until the copies are done.
    void finishRepeats();
    void stopRepeats();
    // Tells a listener what the graph shows: its axes, the colour of each
    // kind and the latest counts of the run it shows (also as it runs).
    void describeGraph();
    // The reading cursor over the graph: the time there and what the latest
    // run, its smooth curves and its copies' mean show at it.
    graphs::ReadingCursor &cursor() { return *m_cursor; }
    std::optional<graphs::ReadingCursor::Reading> readingAt(double t) const;
    // The ensemble of this run, once it has been repeated.
    const kinetics::core::EnsembleStats *ensembleOf(const kinetics::core::Run &run) const;

protected:
    // What the graph showed goes, and the line under it that spoke of it.
    void drawingCleared() override;

private:
    // What the graph shows besides its frame, in the order it was drawn, to
    // be drawn again at any size.
    struct UnitLayer
    {
        kinetics::core::RunSetup setup;
    };
    struct RunLayer
    {
        std::shared_ptr<const kinetics::core::Recording> run;
        bool live; // its large points too, as the run plots them
    };
    struct SmoothLayer
    {
        std::shared_ptr<const graphs::core::SmoothSolution> smooth;
    };
    struct HalfLifeLayer
    {
        kinetics::core::RunSetup setup;
    };
    struct SeriesLayer
    {
        std::array<double, 4> k;
        kinetics::core::RunSetup setup;
    };
    struct EnsembleLayer
    {
        std::shared_ptr<const kinetics::core::EnsembleStats> stats;
        std::shared_ptr<const graphs::core::SmoothSolution> smooth;
    };
    using Layer = std::variant<UnitLayer, RunLayer, SmoothLayer, HalfLifeLayer, SeriesLayer, EnsembleLayer>;
    void drawLayer(const Layer &layer);
    void addLayer(Layer layer);
    // Lets the oldest runs go when the runs kept hold more samples than a
    // graph keeps, with a notice that says so; whether it did.
    bool dropOldestRuns();
    void redrawAll();
    void drawUnit(const kinetics::core::RunSetup &setup);
    // A run's points: with `live` its first point and tick points, then its
    // samples; or those of its points given, the first one if `first`.
    void drawRun(const kinetics::core::Recording &run, bool live);
    void drawRunPoints(const kinetics::core::Recording &run, bool live, bool first,
                       const std::vector<PlotPoint> &ticks, const std::vector<PlotPoint> &samples);
    class LaterPoints;
    void drawHalfLives(const kinetics::core::RunSetup &setup);
    void drawSeries(const std::array<double, 4> &k, const kinetics::core::RunSetup &setup);
    // The latest copies: their mean in a band of one standard deviation, and
    // the event rule's mean give or take its own, dashed; copies before them
    // only their mean, dotted.
    void drawEnsemble(const kinetics::core::EnsembleStats &stats, const graphs::core::SmoothSolution &smooth,
                      bool latest);
    // The copies are done: the graph, the spots and the bars show them.
    void showEnsemble(std::shared_ptr<const kinetics::core::EnsembleStats> stats, int run);
    struct Job;

    void optimization();
    void changeOfRates();
    void help();
    // "Half Lifes": a line at each decaying kind's half-life on the run's
    // time axis.
    void halfLifes();
    // Drawn before the coming run starts, the smooth curves and marks say
    // they are its prediction.
    void notePrediction();
    bool eventFilter(QObject *watched, QEvent *event) override;
    void drawMarks(const std::vector<graphs::core::MarkItem> &marks);
    void drawCurves(const graphs::core::SmoothSolution &smooth);

    std::optional<kinetics::core::RunSetup> m_frame; // the run whose scale is in force
    std::vector<Layer> m_layers;
    std::shared_ptr<const graphs::core::SmoothSolution> m_smooth; // "Optimization"'s last
    int m_smoothRun = 0; // the run m_smooth belongs to
    std::shared_ptr<const kinetics::core::EnsembleStats> m_ensemble;
    int m_ensembleRun = 0;
    std::shared_ptr<const kinetics::core::EnsembleStats> m_previousEnsemble; // of the same run, made before
    std::shared_ptr<Job> m_job; // the copies being run
    int m_askedCopies = 100;    // what "Other Number..." offers first
    std::vector<QPointer<QWidget>> m_repeatWindows; // whose menus offer the repeats
    QTimer m_progress;
    graphs::ReadingCursor *m_cursor = nullptr; // a child of the window, made first
};
