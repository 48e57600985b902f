#include "graphs/core/PlotFrame.h"

#include "toolkit/core/Format.h"
#include "toolkit/core/Numeric.h"

#include <algorithm>
#include <cmath>
#include <charconv>

namespace graphs::core {

namespace {

// A guard against degenerate scales (infinite or NaN bounds): no real frame
// has more ticks than this.
constexpr int maxTicks = 100000;

// The label of a grid line at `value`, neighbouring labels `spacing` apart:
// "0.00", or with the fewest more decimals that show the line's value to a
// hundredth of the spacing, so that no two neighbours read alike and the
// labels read as evenly spaced as their lines are.
std::string label(double value, double spacing)
{
    constexpr int mostDecimals = 12;
    value = value == 0 ? 0.0 : value; // -0 prints as 0.00, as every zero label does
    std::string pattern = "0.00";
    std::string text = toolkit::core::Format(value, pattern);
    for (int decimals = 2; decimals < mostDecimals; ++decimals) {
        double shown = 0;
        std::from_chars(text.data(), text.data() + text.size(), shown);
        if (std::fabs(shown - value) <= spacing / 100)
            break;
        pattern += '0';
        text = toolkit::core::Format(value, pattern);
    }
    return text;
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

namespace {

// Axes: through 0 when the range contains it, along the low edge otherwise.
void addAxes(PlotFrame &f, const PlotFrameInput &in)
{
    if (in.yMax * in.yMin <= 0)
        f.lines.push_back({in.xMin, 0, 1.5 * in.xMax, 0, false});
    else
        f.lines.push_back({in.xMin, in.yMin, in.xMax, in.yMin, false});
    if (in.xMax * in.xMin <= 0)
        f.lines.push_back({0, 1.5 * in.yMin, 0, 1.5 * in.yMax, false});
    else
        f.lines.push_back({in.xMin, in.yMin, in.xMin, in.yMax, false});
}

// The steps of the ticks: a tenth of the larger extent of each axis, the
// time step to a whole number of its leading digit's unit. Returns the value
// axis' extent scaled to 1 or more, which the time grid lines reach.
double setSteps(PlotFrame &f, const PlotFrameInput &in)
{
    double xExtent = std::max(std::fabs(in.xMax), std::fabs(in.xMin));
    while (xExtent < 1 && xExtent > 0)
        xExtent *= 10;
    f.xStep = toolkit::core::Int(xExtent) / 10;

    double yExtent = std::max(std::fabs(in.yMax), std::fabs(in.yMin));
    int n = 0;
    while (yExtent < 1 && yExtent > 0) {
        yExtent *= 10;
        ++n;
    }
    f.yStep = (yExtent / 10) / std::pow(10.0, n);
    return yExtent;
}

// Time ticks: labelled above the axis to the right of 0, below it to the left.
void addTimeTicks(PlotFrame &f, const PlotFrameInput &in, double yExtent)
{
    const double yStep = f.yStep;
    auto tick = [&](double x) {
        f.lines.push_back({x, -yStep / 5, x, yStep / 5, false});
        f.lines.push_back({x, 1.5 * yExtent, x, -1.5 * yExtent, true});
    };
    walkTicks(f.xStep, +1, true, false, [&](double x) { return x < in.xMax; }, [&](int, double x) {
        tick(x);
        f.timeLabels.push_back({x, yStep / 5, label(x, 2 * f.xStep)});
    });
    walkTicks(f.xStep, -1, false, true, [&](double x) { return x > in.leftEdge; }, [&](int, double x) {
        tick(x);
        if (x != 0)
            f.timeLabels.push_back({x, -yStep / 5, label(x, 2 * f.xStep)});
    });
}

// Value ticks: a concentration graph leaves the one at 0 unlabelled; a decay
// graph counts particles.
void addValueTicks(PlotFrame &f, const PlotFrameInput &in)
{
    const double xStep = f.xStep, yStep = f.yStep;
    auto tick = [&](double y) {
        f.lines.push_back({-xStep / 5, y, xStep / 5, y, false});
        f.lines.push_back({xStep / 5, y, 1.5 * in.xMax, y, true});
    };
    // The number of particles that value tick k stands for.
    auto particles = [&](int k) {
        return static_cast<double>(k) * in.initialAmount * in.latticeSide * in.latticeSide / 1000;
    };
    walkTicks(yStep, +1, true, false, [&](double y) { return y < 1.5 * in.yMax; }, [&](int k, double y) {
        tick(y);
        if (!in.chemistryChosen)
            f.valueLabels.push_back({xStep / 3, y, label(particles(k), particles(2))});
        else if (k > 0)
            f.valueLabels.push_back({xStep / 3, y + yStep / 10, label(y, 2 * yStep)});
    });
    walkTicks(yStep, -1, true, false, [&](double y) { return y > 1.5 * in.yMin; }, [&](int k, double y) {
        tick(y);
        if (!in.chemistryChosen)
            f.valueLabels.push_back({xStep / 3, y, label(-particles(k), particles(2))});
        else
            f.valueLabels.push_back({xStep / 3, y + yStep / 10, label(y, 2 * yStep)});
    });
}

} // namespace

PlotFrame plotFrame(const PlotFrameInput &in)
{
    PlotFrame f;
    addAxes(f, in);
    const double yExtent = setSteps(f, in);
    addTimeTicks(f, in, yExtent);
    addValueTicks(f, in);
    return f;
}

} // namespace graphs::core
