#include "toolkit/core/Colour.h"

#include <algorithm>
#include <cmath>

namespace toolkit::core {

namespace {

double linear(int channel)
{
    const double c = std::clamp(channel, 0, 255) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Rgb darkened(Rgb c, double factor)
{
    return {int(std::lround(c.r * factor)), int(std::lround(c.g * factor)), int(std::lround(c.b * factor))};
}

} // namespace

double luminance(Rgb c) { return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b); }

double contrast(Rgb a, Rgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb edgeFor(Rgb mark, Rgb background, double ratio)
{
    if (contrast(mark, background) >= ratio)
        return mark;
    // Darker in steps of a hundredth until it stands out; black at last.
    for (int step = 99; step >= 0; --step) {
        const Rgb edge = darkened(mark, step / 100.0);
        if (contrast(edge, background) >= ratio)
            return edge;
    }
    return {0, 0, 0};
}

} // namespace toolkit::core
