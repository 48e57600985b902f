// Comparing computed doubles in tests, one rule everywhere: within a relative
// tolerance of the expected value, or within an absolute floor near zero,
// where a relative tolerance means nothing; never by exact equality.
#pragma once

#include <algorithm>
#include <cmath>

namespace testing {

inline bool near(double actual, double expected, double relative, double floor = 0)
{
    return std::fabs(actual - expected) <= std::max(relative * std::fabs(expected), floor);
}

} // namespace testing

// A QVERIFY of near() that names both numbers when it fails; for files that
// include <QtTest>.
#define COMPARE_NEAR(actual, expected, relative, floor)                                                              \
    do {                                                                                                             \
        const double actual_ = (actual), expected_ = (expected);                                                     \
        QVERIFY2(testing::near(actual_, expected_, (relative), (floor)),                                             \
                 qPrintable(QStringLiteral("%1 = %2, expected %3")                                                    \
                                .arg(QLatin1String(#actual))                                                         \
                                .arg(actual_, 0, 'g', 12)                                                            \
                                .arg(expected_, 0, 'g', 12)));                                                       \
    } while (false)
