// The graphs window: amounts of A, B, C (and D) against time, with the smooth
// solution, the rates and the notes in its menus.
#pragma once

#include "graphs/core/DecaySeries.h"
#include "graphs/core/Smooth.h"
#include "kinetics/core/Run.h"
#include "toolkit/Toolkit.h"

#include <array>
#include <optional>

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
    // Redraws the smooth curves of the last run once "Optimization" has
    // drawn them; nothing otherwise.
    void kratimatimon();
    // The exact curves of a decay series of constants k1..k4, with their
    // half-life marks, on the frame of that series' run.
    void drawDecaySeries(const std::array<double, 4> &k, const kinetics::core::RunSetup &setup);
    // The smooth solution "Optimization" drew for this run, if it did.
    const graphs::core::SmoothSolution *smoothOf(const kinetics::core::Run &run) const;

private:
    void optimization();
    void changeOfRates();
    void help();
    // "Half Lifes": a line at each decaying kind's half-life on the run's
    // time axis.
    void halfLifes();
    void drawMarks(const std::vector<graphs::core::MarkItem> &marks);
    void drawCurves(const graphs::core::SmoothSolution &smooth);

    std::optional<kinetics::core::RunSetup> m_frame; // the run whose scale is in force
    std::optional<graphs::core::SmoothSolution> m_smooth;
    int m_smoothRun = 0; // the run m_smooth belongs to
};
