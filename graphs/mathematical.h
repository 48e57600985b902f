// The rates window: how fast each kind changes during the run.
#pragma once

#include "toolkit/Toolkit.h"

#include <array>
#include <vector>

class mathematical final : public toolkit::Form
{
    Q_OBJECT
public:
    mathematical();
    void load() override;

    toolkit::CommandButton grafvcshos{this, QStringLiteral("grafvcshos")};

    // Shows the window cleared at the top left with the frame of a graph of
    // rates over the duration, its axis from -top to top.
    void showFrame(double duration, double top);
    // The rates of A and B as lines, of C and D as points, sample k at time
    // k x step from the second sample on, each rate times scaleY; the
    // drawing stops quietly past the stored samples.
    void drawRates(const std::array<const std::vector<double> *, 4> &rates, double step, double duration,
                   double scaleY);
};
