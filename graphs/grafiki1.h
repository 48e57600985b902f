// The graphs window: amounts of A, B, C (and D) against time, with the smooth
// solution, the rates and the notes in its menus.
#pragma once

#include "graphs/core/Chain.h"
#include "graphs/core/DecaySeries.h"
#include "toolkit/Toolkit.h"

#include <array>

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

    // The run's frame: scale from the duration and axis top, then the frame.
    void setRunScale();
    // Redraws the stored smooth curves; nothing when there are none.
    void kratimatimon();
    // The exact curves of a decay series of constants k1..k4 from the shared
    // amount of atoms, with their half-life marks.
    void drawDecaySeries(const std::array<double, 4> &k);

    double curveStep = 0;  // graph time between two stored samples
    double curveTotal = 0; // spots the smooth solution counts
    int smoothRun = -1;    // the run whose smooth solution "Optimization" drew

private:
    void optimization();
    void changeOfRates();
    void help();
    // "Half Lifes": a line at each decaying kind's half-life on the run's
    // time axis.
    void halfLifes();
    void drawMarks(const std::vector<graphs::core::MarkItem> &marks);
    // The solution of the rate equations for the current run, over its
    // duration, into the shared curves; returns the coefficients p1..p7.
    graphs::core::Coefficients solveCurves();
    void drawCurves(double duration);
};
