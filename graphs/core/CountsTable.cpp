#include "graphs/core/CountsTable.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace graphs::core {

std::string shortest(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

namespace {

// Smooth values to a thousandth of a spot.
std::string fixed(double value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3).ptr;
    return std::string(buffer, end);
}

} // namespace

double sampleAt(const std::vector<double> &samples, double step, double t)
{
    const double position = step > 0 ? t / step : -1;
    const double nearest = std::round(position);
    const bool onSample = std::fabs(position - nearest) < 1e-9;
    const double first = onSample ? nearest : std::floor(position);
    if (!(first >= 0) || first + (onSample ? 0 : 1) >= double(samples.size()))
        return std::numeric_limits<double>::quiet_NaN();
    const auto k = static_cast<std::size_t>(first);
    if (onSample)
        return samples[k];
    const double along = position - first;
    return samples[k] + (samples[k + 1] - samples[k]) * along;
}

std::string countsTable(const TableNotes &notes, const std::vector<kinetics::core::TickCounts> &ticks,
                        const SmoothColumns *smooth)
{
    std::string table;
    for (const auto &[name, value] : notes)
        table += "# " + name + ": " + value + "\n";
    table += "time,A,B,C,D";
    if (smooth)
        table += ",smooth A,smooth B,smooth C,smooth D";
    table += "\n";
    for (const auto &tick : ticks) {
        const auto &n = tick.counts;
        table += shortest(tick.time);
        for (int count : {n.a, n.b, n.c, n.d})
            table += "," + std::to_string(count);
        if (smooth) {
            for (const std::vector<double> *curve : smooth->curves) {
                const double v = curve ? sampleAt(*curve, smooth->step, tick.time) : std::nan("");
                table += ",";
                if (!std::isnan(v))
                    table += fixed(v * smooth->scale);
            }
        }
        table += "\n";
    }
    return table;
}

} // namespace graphs::core
