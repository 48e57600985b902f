#include "graphs/core/PlotFrame.h"

#include "toolkit/core/Format.h"
#include "toolkit/core/Numeric.h"

#include <algorithm>
#include <cmath>

namespace graphs::core {

namespace {

// A guard against degenerate scales (infinite or NaN bounds): no real frame
// has more ticks than this.
constexpr int maxTicks = 100000;

std::string label(double value)
{
    // -0 prints as 0.00, as every zero label does.
    return toolkit::core::Format(value == 0 ? 0.0 : value, "0.00");
}

// Walks one half-axis from 0 in steps of `step` (direction +1 or -1) and calls
// mark(k, position) at every second position: the even k, or the odd k when
// `odd`. With `overshoot` the walk goes on while the previous position is
// inside, so the last tick may lie at or just beyond the edge; otherwise only
// positions inside are visited.
template <class Inside, class Mark>
void walkTicks(double step, double direction, bool overshoot, bool odd, Inside inside, Mark mark)
{
    double previous = 0;
    for (int k = 0; k < maxTicks; ++k) {
        const double position = direction * step * k;
        if (!inside(overshoot ? previous : position))
            break;
        if (k % 2 == (odd ? 1 : 0))
            mark(k, position);
        previous = position;
    }
}

} // namespace

PlotFrame plotFrame(const PlotFrameInput &in)
{
    PlotFrame f;
    const double xMax = in.xMax, xMin = in.xMin, yMax = in.yMax, yMin = in.yMin;

    // Axes: through 0 when the range contains it, along the low edge otherwise.
    if (yMax * yMin <= 0)
        f.lines.push_back({xMin, 0, 1.5 * xMax, 0, false});
    else
        f.lines.push_back({xMin, yMin, xMax, yMin, false});
    if (xMax * xMin <= 0)
        f.lines.push_back({0, 1.5 * yMin, 0, 1.5 * yMax, false});
    else
        f.lines.push_back({xMin, yMin, xMin, yMax, false});

    double xExtent = std::max(std::fabs(xMax), std::fabs(xMin));
    while (xExtent < 1 && xExtent > 0)
        xExtent *= 10;
    const double xStep = toolkit::core::Int(xExtent) / 10;

    double yExtent = std::max(std::fabs(yMax), std::fabs(yMin));
    int n = 0;
    while (yExtent < 1 && yExtent > 0) {
        yExtent *= 10;
        ++n;
    }
    const double yStep = (yExtent / 10) / std::pow(10.0, n);
    f.xStep = xStep;
    f.yStep = yStep;

    auto timeTick = [&](double x) {
        f.lines.push_back({x, -yStep / 5, x, yStep / 5, false});
        f.lines.push_back({x, 1.5 * yExtent, x, -1.5 * yExtent, true});
    };
    auto valueTick = [&](double y) {
        f.lines.push_back({-xStep / 5, y, xStep / 5, y, false});
        f.lines.push_back({xStep / 5, y, 1.5 * xMax, y, true});
    };
    // The number of particles that value tick k stands for.
    auto particles = [&](int k) {
        return static_cast<double>(k) * in.initialAmount * in.latticeSide * in.latticeSide / 1000;
    };

    // Time ticks: labelled above the axis to the right of 0, below it to the left.
    walkTicks(xStep, +1, true, false, [&](double x) { return x < xMax; }, [&](int, double x) {
        timeTick(x);
        f.timeLabels.push_back({x, yStep / 5, label(x)});
    });
    walkTicks(xStep, -1, false, true, [&](double x) { return x > in.leftEdge; }, [&](int, double x) {
        timeTick(x);
        if (x != 0)
            f.timeLabels.push_back({x, -yStep / 5, label(x)});
    });
    // Value ticks: a concentration graph leaves the one at 0 unlabelled; a
    // decay graph counts particles.
    walkTicks(yStep, +1, true, false, [&](double y) { return y < 1.5 * yMax; }, [&](int k, double y) {
        valueTick(y);
        if (!in.chemistryChosen)
            f.valueLabels.push_back({xStep / 3, y, label(particles(k))});
        else if (k > 0)
            f.valueLabels.push_back({xStep / 3, y + yStep / 10, label(y)});
    });
    walkTicks(yStep, -1, true, false, [&](double y) { return y > 1.5 * yMin; }, [&](int k, double y) {
        valueTick(y);
        if (!in.chemistryChosen)
            f.valueLabels.push_back({xStep / 3, y, label(-particles(k))});
        else
            f.valueLabels.push_back({xStep / 3, y + yStep / 10, label(y)});
    });
    return f;
}

} // namespace graphs::core
