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

// A number with that many decimals and a decimal point, whatever the
// locale: smooth values to a thousandth of a spot, concentrations to a
// hundredth of a mol/L.
std::string fixed(double value, int decimals = 3)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
    return std::string(buffer, end);
}

std::string processName(const kinetics::core::RunSetup &setup)
{
    using kinetics::core::ModelCode;
    switch (setup.process) {
    case ModelCode::Reaction: {
        const std::string arrow = setup.reversible ? " <-> " : " -> ";
        return "reaction A" + arrow + "B" + (setup.steps >= 2 ? arrow + "C" : std::string());
    }
    case ModelCode::Carbonic: return "carbonic acid";
    case ModelCode::Arsenic: return "arsenic acid";
    case ModelCode::Phosphoric: return "phosphoric acid";
    case ModelCode::Pyrophosphoric: return "pyrophosphoric acid";
    case ModelCode::DecaySeries: {
        std::string series = "decay series A";
        for (int step = 1; step <= setup.steps; ++step)
            series += std::string(" -> ") + char('A' + step);
        return series;
    }
    case ModelCode::DecayExample: return "polonium series Po-218 -> Pb-214 -> Bi-214 -> Pb-210";
    }
    return "unknown";
}

} // namespace

TableNotes describeRun(const kinetics::core::RunSetup &setup)
{
    const auto &k = setup.rates.steps;
    const std::string amount = setup.chemistry() ? fixed(setup.amount / 100.0, 2) + " mol/L"
                                                 : std::to_string(setup.amount) + " % of the sites";
    return {
        {"process", processName(setup)},
        {"amount", amount},
        {"temperature", std::to_string(setup.temperatureC) + " \u00b0C"},
        {"duration", std::to_string(setup.duration)},
        {"rates", "k1=" + shortest(k.k1) + ", k1Reverse=" + shortest(k.k1Reverse) + ", k2=" + shortest(k.k2)
                      + ", k2Reverse=" + shortest(k.k2Reverse) + ", k3=" + shortest(k.k3)},
        {"interval", std::to_string(setup.interval) + " ms"},
        {"spots", std::to_string(setup.spots)},
    };
}

std::string countsTable(const kinetics::core::RunSetup &setup, const std::vector<kinetics::core::TickCounts> &ticks,
                        const SmoothSolution *smooth, const kinetics::core::EnsembleStats *ensemble,
                        const TableNotes &measured)
{
    TableNotes notes = describeRun(setup);
    notes.insert(notes.end(), measured.begin(), measured.end());
    if (smooth)
        notes.emplace_back("smooth", "the solution of the rate equations at each tick's time, in spots of this run");
    if (ensemble)
        notes.emplace_back("ensemble", std::to_string(ensemble->copies) +
                                           " runs of this setup: the mean, standard deviation, 5 % and 95 % of "
                                           "each kind at each tick's time");
    const double scale = smooth && smooth->total > 0 ? setup.spots / smooth->total : 0;
    std::string table;
    for (const auto &[name, value] : notes)
        table += "# " + name + ": " + value + "\n";
    table += "time,A,B,C,D";
    if (smooth)
        table += ",smooth A,smooth B,smooth C,smooth D";
    if (ensemble)
        for (const char *kind : {"A", "B", "C", "D"})
            for (const char *column : {"mean ", "sd ", "p5 ", "p95 "})
                table += std::string(",") + column + kind;
    table += "\n";
    for (std::size_t row = 0; row < ticks.size(); ++row) {
        const auto &tick = ticks[row];
        const auto &n = tick.counts;
        table += shortest(tick.time);
        for (int count : {n.a, n.b, n.c, n.d})
            table += "," + std::to_string(count);
        if (smooth) {
            for (int m = 0; m < 4; ++m) {
                const double v = smooth->at(m, tick.time);
                table += ",";
                if (!std::isnan(v))
                    table += fixed(v * scale);
            }
        }
        if (ensemble) {
            for (std::size_t m = 0; m < 4; ++m)
                for (const auto *column : {&ensemble->mean, &ensemble->sd, &ensemble->low, &ensemble->high}) {
                    const auto &values = (*column)[m];
                    table += ",";
                    if (row < values.size())
                        table += fixed(values[row]);
                }
        }
        table += "\n";
    }
    return table;
}

std::string copiesTable(const kinetics::core::EnsembleStats &stats)
{
    TableNotes notes = describeRun(stats.setup);
    notes.emplace_back("copies", std::to_string(stats.copies) + " runs of this setup, each on a random stream of its own");
    notes.emplace_back("half-life A", "the time of the copy's first sample with A at or below half its start");
    std::string table;
    for (const auto &[name, value] : notes)
        table += "# " + name + ": " + value + "\n";
    table += "copy,time,A,B,C,D,half-life A\n";
    for (int c = 0; c < stats.copies; ++c) {
        const double halfLife = std::size_t(c) < stats.halfLives.size() ? stats.halfLives[std::size_t(c)] : NAN;
        const std::string ending = std::isnan(halfLife) ? std::string() : shortest(halfLife);
        for (int t = 0; t < stats.ticks(); ++t) {
            table += std::to_string(c + 1) + "," + shortest(stats.times[std::size_t(t)]);
            for (int m = 0; m < 4; ++m)
                table += "," + std::to_string(stats.count(c, t, m));
            table += "," + ending + "\n";
        }
    }
    return table;
}

} // namespace graphs::core
