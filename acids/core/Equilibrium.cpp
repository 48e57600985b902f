#include "acids/core/Equilibrium.h"

#include <array>
#include <cmath>
#include <span>

namespace acids::core {

namespace {

struct TableRow
{
    double t; // degrees Celsius
    double k;
};

constexpr std::array<TableRow, 11> carbonicKa1Table{{
    {0, 2.64e-7},  {5, 3.04e-7},  {10, 3.44e-7}, {15, 3.81e-7}, {20, 4.16e-7}, {25, 4.45e-7},
    {30, 4.71e-7}, {35, 4.90e-7}, {40, 5.04e-7}, {45, 5.13e-7}, {50, 5.19e-7},
}};

constexpr std::array<TableRow, 4> waterKwTable{{
    {0, 1.139e-15},
    {25, 1.008e-14},
    {50, 5.474e-14},
    {100, 5.9e-13},
}};

// Least-squares line ln K = a + b / T over the rows, evaluated at t.
double fitted(std::span<const TableRow> rows, double t)
{
    const double n = static_cast<double>(rows.size());
    double sx = 0, sy = 0, sxy = 0, sxx = 0;
    for (const TableRow &row : rows) {
        const double kelvin = kinetics::core::toKelvin(row.t);
        const double y = std::log(row.k);
        sx += 1 / kelvin;
        sy += y;
        sxy += y / kelvin;
        sxx += 1 / (kelvin * kelvin);
    }
    const double b = (sxy - sx * sy / n) / (sxx - sx * sx / n);
    const double a = (sy - b * sx) / n;
    return std::exp(a) * std::exp(b / kinetics::core::toKelvin(t));
}

constexpr double startingGuess = 1e-7;

} // namespace

double carbonicKa1(double t)
{
    return fitted(carbonicKa1Table, t);
}

double carbonicKa2(double t)
{
    return carbonicKa1(t) * 5.6e-11 / 4.3e-7;
}

double waterKw(double t)
{
    return fitted(waterKwTable, t);
}

AcidConstants acidConstants(kinetics::core::ModelCode modelCode, double temperatureC)
{
    switch (modelCode) {
    case kinetics::core::ModelCode::Carbonic:
        return {carbonicKa1(temperatureC), carbonicKa2(temperatureC), waterKw(temperatureC)};
    case kinetics::core::ModelCode::Arsenic:
        return {0.00562, 1.7e-7, 1e-14};
    case kinetics::core::ModelCode::Phosphoric:
        return {0.00752, 6.2e-8, 1e-14};
    case kinetics::core::ModelCode::Pyrophosphoric:
        return {0.14, 0.032, 1e-14};
    default:
        return {};
    }
}

double iterationTolerance(kinetics::core::ModelCode modelCode)
{
    return modelCode == kinetics::core::ModelCode::Pyrophosphoric ? 1e-10 : 1e-11;
}

double hydrogenIonConcentration(double c, const AcidConstants &k, kinetics::core::ModelCode modelCode)
{
    const double eps = iterationTolerance(modelCode);
    double x = startingGuess;
    for (int n = 0; n < maxIterations; ++n) {
        const double d = x * x + k.ka1 * x + k.ka1 * k.ka2;
        const double monoAnion = c * k.ka1 * x / d;
        const double dianion = c * k.ka1 * k.ka2 / d;
        const double next = monoAnion + 2.0 * dianion + k.kw / x;
        if (std::fabs(next - x) <= eps)
            return next;
        x = next;
    }
    return x;
}

Percentages equilibriumPercentages(float c, kinetics::core::ModelCode modelCode, double temperatureC)
{
    const AcidConstants k = acidConstants(modelCode, temperatureC);
    if (k.ka1 == 0)
        return {0, 100, 0, 100};
    const double h = hydrogenIonConcentration(static_cast<double>(c), k, modelCode);
    Percentages p;
    p.p2 = 100 / (1 + k.ka1 / h);
    p.p1 = p.p2 * k.ka1 / h;
    p.p4 = 100 / (1 + k.ka2 / h);
    p.p3 = p.p4 * k.ka2 / h;
    return p;
}

kinetics::core::StepProbabilities acidRates(const Percentages &p, double factor)
{
    using kinetics::core::rateFromBar;
    return {rateFromBar(p.p1, factor), rateFromBar(p.p2, factor), rateFromBar(p.p3, factor), rateFromBar(p.p4, factor),
            0};
}

} // namespace acids::core
