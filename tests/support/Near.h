// Comparing computed doubles in tests: within a relative tolerance of the
// expected value, never by exact equality; near zero, within an absolute floor.
#pragma once

#include <algorithm>
#include <cmath>

namespace testing {

inline bool near(double actual, double expected, double relative)
{
    return std::fabs(actual - expected) <= relative * std::fabs(expected);
}

inline bool fuzzyCompare(double actual, double expected, double relative, double absoluteFloor)
{
    return std::fabs(actual - expected) <= std::max(relative * std::fabs(expected), absoluteFloor);
}

} // namespace testing
