#include "graphs/core/Histogram.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace graphs::core {

int Histogram::tallest() const { return tallies.empty() ? 0 : *std::max_element(tallies.begin(), tallies.end()); }

Histogram histogramOf(const std::vector<double> &values, double unit, int most)
{
    Histogram h;
    std::vector<double> finite;
    std::copy_if(values.begin(), values.end(), std::back_inserter(finite), [](double v) { return std::isfinite(v); });
    if (finite.empty() || !(unit > 0) || most < 1)
        return h;
    const auto [low, high] = std::minmax_element(finite.begin(), finite.end());
    // Steps of the values from the smallest to the largest, one bin each
    // while they fit.
    const double steps = std::round((*high - *low) / unit) + 1;
    h.width = unit * std::max(1.0, std::ceil(steps / most));
    h.first = *low - unit / 2;
    h.tallies.assign(std::size_t(std::ceil(steps * unit / h.width)), 0);
    double sum = 0;
    for (double v : finite) {
        const auto bin = std::size_t(std::clamp(std::floor((v - h.first) / h.width), 0.0, double(h.tallies.size() - 1)));
        ++h.tallies[bin];
        sum += v;
    }
    h.counted = int(finite.size());
    h.mean = sum / h.counted;
    double squares = 0;
    for (double v : finite)
        squares += (v - h.mean) * (v - h.mean);
    h.sd = h.counted > 1 ? std::sqrt(squares / (h.counted - 1)) : 0;
    return h;
}

std::vector<double> countsAt(const kinetics::core::EnsembleStats &stats, int tick, int kind)
{
    std::vector<double> out;
    if (tick < 0 || tick >= stats.ticks() || kind < 0 || kind > 3)
        return out;
    for (int c = 0; c < stats.copies; ++c)
        out.push_back(stats.count(c, tick, kind));
    return out;
}

double normalCurve(double x, double mean, double sd, double scale)
{
    if (!(sd > 0))
        return 0;
    const double z = (x - mean) / sd;
    return scale * std::exp(-z * z / 2) / (sd * std::sqrt(2 * std::numbers::pi));
}

double axisStep(double span, int most)
{
    if (!(span > 0) || most < 1)
        return 1;
    const double rough = span / most;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= rough * (1 - 1e-12))
            return m * power;
    return 10 * power;
}

double setHalfLife(double interval, double k1) { return k1 > 0 ? interval * std::numbers::ln2 / k1 : 0; }

} // namespace graphs::core
