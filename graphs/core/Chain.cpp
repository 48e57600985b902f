#include "graphs/core/Chain.h"

#include "toolkit/core/Numeric.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace graphs::core {

double chainRates(const Amounts &y, int j, const Coefficients &p)
{
    switch (j) {
    case 0:
        return -p[0] * y[0] + p[1] * y[1];
    case 1:
        return p[0] * y[0] - (p[1] + p[2]) * y[1] + p[3] * y[2];
    case 2:
        return p[2] * y[1] - p[3] * y[2] - p[4] * y[2];
    case 3:
        return p[4] * y[2] - p[5] * y[3];
    case 4:
        return p[5] * y[3] - p[6] * y[4];
    case 5:
        return p[6] * y[4];
    default:
        return 0;
    }
}

void gillStep(Amounts &y, double h, int count, const Coefficients &p)
{
    if (count < 1)
        return;
    const int n = std::min(count, 6);
    constexpr double r = std::numbers::sqrt2 / 2; // 1 / sqrt(2)

    auto slopes = [&](const Amounts &at) {
        Amounts k{};
        for (int j = 0; j < n; ++j)
            k[j] = h * chainRates(at, j, p);
        return k;
    };

    const Amounts k1 = slopes(y);
    Amounts at = y;
    for (int j = 0; j < n; ++j)
        at[j] = y[j] + 0.5 * k1[j];
    const Amounts k2 = slopes(at);
    for (int j = 0; j < n; ++j)
        at[j] = y[j] + (r - 0.5) * k1[j] + (1 - r) * k2[j];
    const Amounts k3 = slopes(at);
    for (int j = 0; j < n; ++j)
        at[j] = y[j] - r * k2[j] + (1 + r) * k3[j];
    const Amounts k4 = slopes(at);
    for (int j = 0; j < n; ++j)
        y[j] += k1[j] / 6 + (2 - std::numbers::sqrt2) / 6 * k2[j] + (2 + std::numbers::sqrt2) / 6 * k3[j]
            + k4[j] / 6;
}

Coefficients chainCoefficients(kinetics::core::ModelCode model, const kinetics::core::RunRates &r, double factor)
{
    Coefficients p{};
    p[0] = r.steps.k1;
    p[1] = r.steps.k1Reverse * (1 - r.steps.k2);
    p[2] = r.steps.k2;
    if (kinetics::core::isChemistry(model)) {
        p[3] = r.steps.k2Reverse;
    } else {
        p[4] = r.steps.k3;
        p[5] = r.k4 * factor;
        p[6] = r.k5;
    }
    return p;
}

int curveStepCount(double duration)
{
    return toolkit::core::CInt(duration / curveStepTicks);
}

ChainSeries solveChain(double total, const Coefficients &p, int steps, double h)
{
    const std::size_t size = steps < 0 ? 0 : static_cast<std::size_t>(steps) + 1;
    ChainSeries out;
    for (auto &member : out)
        member.assign(size, 0.0);
    if (size == 0)
        return out;
    Amounts y{total, 0, 0, 0, 0, 0};
    out[0][0] = total;
    for (std::size_t k = 1; k < size; ++k) {
        gillStep(y, h, 6, p);
        for (std::size_t j = 0; j < 6; ++j)
            out[j][k] = y[j];
    }
    return out;
}

ChainSeries chainRateSeries(const ChainSeries &amounts, const Coefficients &p)
{
    std::size_t size = amounts[0].size();
    for (const auto &member : amounts)
        size = std::min(size, member.size());
    ChainSeries out;
    for (auto &member : out)
        member.assign(size, 0.0);
    for (std::size_t k = 0; k < size; ++k) {
        Amounts y{};
        for (std::size_t j = 0; j < 6; ++j)
            y[j] = amounts[j][k];
        for (std::size_t j = 0; j < 6; ++j)
            out[j][k] = chainRates(y, static_cast<int>(j), p);
    }
    return out;
}

double largestMagnitude(const ChainSeries &series)
{
    double m = 0;
    for (const auto &member : series)
        for (double v : member)
            m = std::max(m, std::fabs(v));
    return m;
}

} // namespace graphs::core
