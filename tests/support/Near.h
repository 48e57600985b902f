// Comparing computed doubles in tests: within a relative tolerance of the
// expected value, never by exact equality.
#pragma once

#include <cmath>

namespace testing {

inline bool near(double actual, double expected, double relative)
{
    return std::fabs(actual - expected) <= relative * std::fabs(expected);
}

} // namespace testing
