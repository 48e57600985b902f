#include "kinetics/core/Lattice.h"

#include <cmath>

namespace kinetics::core {

Rgb spotColour(int code)
{
    switch (code) {
    case defaultCodeA:
        return palette::blue;
    case defaultCodeB:
        return palette::green;
    case codeC:
        return palette::red;
    case codeD:
        return palette::cyan;
    default:
        return palette::white;
    }
}

Point spotSpacing(int blockSide, double ratioW, double ratioH)
{
    return {55 * ratioW / blockSide, 55 * ratioH / blockSide};
}

Point spotCentre(int i, int j, int blockSide, double ratioW, double ratioH)
{
    const Point spacing = spotSpacing(blockSide, ratioW, ratioH);
    return {i * spacing.x, j * spacing.y};
}

int blockSide(double amount, int side)
{
    const double sites = static_cast<double>(side) * side;
    return static_cast<int>(toolkit::core::Int(std::sqrt(sites * amount / 100))) + 1;
}

double layoutTarget(double amount, int side)
{
    const double sites = static_cast<double>(side) * side;
    return sites * amount / 100;
}

void conversionPause()
{
    volatile int n = 1;
    while (n <= 200000)
        n = n + 1;
}

} // namespace kinetics::core
