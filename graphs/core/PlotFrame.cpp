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
    // The number of particles that value tick i - 1 stands for.
    auto particles = [&](int i) {
        return static_cast<double>(i - 1) * in.initialAmount * in.latticeSide * in.latticeSide / 1000;
    };

    // Time ticks to the right of 0.
    {
        double x = 0;
        for (int i = 1; x < xMax && i <= maxTicks; ++i) {
            x = xStep * (i - 1);
            if ((i - 1) % 2 == 0) {
                timeTick(x);
                f.timeLabels.push_back({x, yStep / 5, label(x)});
            }
        }
    }
    // Time ticks to the left of 0.
    {
        double x = 0;
        for (int i = 1; x > in.leftEdge && i <= maxTicks; ++i) {
            if (i % 2 == 0) {
                timeTick(x);
                if (x != 0)
                    f.timeLabels.push_back({x, -yStep / 5, label(x)});
            }
            x -= xStep;
        }
    }
    // Value ticks upwards; a concentration graph leaves the one at 0 unlabelled.
    {
        double y = 0;
        for (int i = 1; y < 1.5 * yMax && i <= maxTicks; ++i) {
            y = yStep * (i - 1);
            if ((i - 1) % 2 != 0)
                continue;
            valueTick(y);
            if (in.chemistryChosen) {
                if (i > 1)
                    f.valueLabels.push_back({xStep / 3, y + yStep / 10, label(y)});
            } else {
                f.valueLabels.push_back({xStep / 3, y, label(particles(i))});
            }
        }
    }
    // Value ticks downwards.
    {
        double y = 0;
        for (int i = 1; y > 1.5 * yMin && i <= maxTicks; ++i) {
            y = -yStep * (i - 1);
            if ((i - 1) % 2 != 0)
                continue;
            valueTick(y);
            if (in.chemistryChosen)
                f.valueLabels.push_back({xStep / 3, y + yStep / 10, label(y)});
            else
                f.valueLabels.push_back({xStep / 3, y, label(-particles(i))});
        }
    }
    return f;
}

} // namespace graphs::core
