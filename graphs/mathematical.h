// The rates window: how fast each kind changes during the run.
#pragma once

#include "graphs/ReadingCursor.h"
#include "graphs/core/Smooth.h"
#include "toolkit/Toolkit.h"

#include <optional>

class mathematical final : public toolkit::Form
{
    Q_OBJECT
public:
    mathematical();
    void load() override;

    toolkit::CommandButton grafvcshos{this, QStringLiteral("grafvcshos")};

    // Shows the window cleared at the top left with the rates of a run's
    // smooth solution over its duration: the axis reaches a fifth above
    // p1 x c0, the rate A starts at, and the largest rate reaches that; A
    // and B as lines, C and D as points, from the second sample on. The
    // species graphs are offered after an acid's run.
    void showRates(const kinetics::core::RunSetup &setup, const graphs::core::SmoothSolution &smooth);

private:
    // The frame of a graph of rates over the duration, its axis from -top
    // to top, with the species-graph button clear of its labels.
    void drawFrame(const kinetics::core::RunSetup &setup, double top);
    // The graph of the rates shown, at the window's size.
    void drawRates();
    // The rates are drawn so that the largest reaches the rate A starts at.
    double rateScale() const;
    // What the reading cursor shows at time t: each kind's rate there, as
    // drawn.
    std::optional<graphs::ReadingCursor::Reading> readingAt(double t) const;

    struct Shown
    {
        kinetics::core::RunSetup setup;
        graphs::core::SmoothSolution smooth;
    };
    std::optional<Shown> m_shown;
    graphs::ReadingCursor *m_cursor = nullptr; // a child of the window
};
