// Whole-number conversions of the classic form language.
#pragma once

#include <cmath>
#include <limits>

namespace toolkit::core {

// Nearest whole number, halves to even: CInt(62.5) = 62, CInt(63.5) = 64.
inline int CInt(double x)
{
    if (std::isnan(x))
        return 0;
    const double r = std::nearbyint(x); // default rounding mode: to nearest, ties to even
    if (r >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

// Largest whole number not above x: Int(-0.5) = -1.
inline double Int(double x) { return std::floor(x); }

} // namespace toolkit::core
