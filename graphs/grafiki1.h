// The graphs window: amounts of A, B, C (and D) against time, with the smooth
// solution, the rates and the notes in its menus.
#pragma once

#include "graphs/core/DecaySeries.h"
#include "graphs/core/Smooth.h"
#include "kinetics/core/Run.h"
#include "toolkit/Toolkit.h"

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
    toolkit::MenuItem diaforikes{this, QStringLiteral("diaforikes"), QStringLiteral("Optimization")};
    toolkit::MenuItem xronoimizoi{this, QStringLiteral("xronoimizoi"), QStringLiteral("Half Lifes")};
    toolkit::MenuItem changerates{this, QStringLiteral("changerates"), QStringLiteral("Change of Rates")};
    toolkit::MenuItem voithia{this, QStringLiteral("voithia"), QStringLiteral("Help")};

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

protected:
    void drawingCleared() override { m_layers.clear(); }

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
    using Layer = std::variant<UnitLayer, RunLayer, SmoothLayer, HalfLifeLayer, SeriesLayer>;
    void drawLayer(const Layer &layer);
    void addLayer(Layer layer);
    void redrawAll();
    void drawUnit(const kinetics::core::RunSetup &setup);
    void drawRun(const kinetics::core::Recording &run, bool live);
    void drawHalfLives(const kinetics::core::RunSetup &setup);
    void drawSeries(const std::array<double, 4> &k, const kinetics::core::RunSetup &setup);

    void optimization();
    void changeOfRates();
    void help();
    // "Half Lifes": a line at each decaying kind's half-life on the run's
    // time axis.
    void halfLifes();
    void drawMarks(const std::vector<graphs::core::MarkItem> &marks);
    void drawCurves(const graphs::core::SmoothSolution &smooth);

    std::optional<kinetics::core::RunSetup> m_frame; // the run whose scale is in force
    std::vector<Layer> m_layers;
    std::shared_ptr<const graphs::core::SmoothSolution> m_smooth; // "Optimization"'s last
    int m_smoothRun = 0; // the run m_smooth belongs to
};
