#include "kinetics/core/Lattice.h"

#include <cmath>

namespace kinetics::core {

Rgb spotColour(int code)
{
    switch (code) {
    case defaultCodeA:
        return {0, 0, 255};
    case defaultCodeB:
        return {0, 255, 0};
    case codeC:
        return {255, 0, 0};
    case codeD:
        return {0, 255, 255};
    default:
        return {255, 255, 255};
    }
}

Point spotCentre(int i, int j, int blockSide, double ratioW, double ratioH)
{
    return {i * 55 * ratioW / blockSide, j * 55 * ratioH / blockSide};
}

int blockSide(double amount, int latticeSide)
{
    const double side = latticeSide;
    return static_cast<int>(toolkit::core::Int(std::sqrt(side * side * amount / 100))) + 1;
}

double layoutTarget(double amount, int latticeSide)
{
    const double side = latticeSide;
    return side * side * amount / 100;
}

void conversionPause()
{
    volatile int n = 1;
    while (n <= 200000)
        n = n + 1;
}

} // namespace kinetics::core
