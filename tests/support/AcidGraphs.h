// The acid graphs against c as the straightforward loop gives them, the
// hydrogen-ion iteration at every concentration, and how closely the graphs'
// own sweeps must follow them.
#pragma once

#include "acids/core/ConcentrationGraphs.h"
#include "tests/support/Near.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace testing {

// Half a pixel of each graph in its own y units on a 3840 x 2160 screen (the
// smallest pixels of the screens we draw for), where the quarter-screen
// window's client area is a little under 1080 px high, say 1000: the species
// graph's y runs from 110 down to 0 percent, the pH graph's from 15 down to
// -1. Their x is c itself, the same in both loops.
inline constexpr double speciesHalfPixel = 110.0 / 1000 / 2;
inline constexpr double pHHalfPixel = 16.0 / 1000 / 2;
// [H+] itself must agree much more closely, so that a sloppy solver shows:
// this far relatively, or within the iteration's stopping tolerance.
inline constexpr double hydrogenRelative = 1e-9;

inline acids::core::ProductGraph straightforwardProductGraph(kinetics::core::ModelCode modelCode)
{
    using namespace acids::core;
    ProductGraph graph;
    graph.points.resize(productSteps + 1);
    const AcidConstants k = productGraphConstants(modelCode);
    for (int i = 1; i <= productSteps; ++i) {
        const double c = i / 100.0;
        const ProductPoint p = productPoint(c, hydrogenIonConcentration(c, k, modelCode), k);
        graph.points[std::size_t(i)] = p;
        graph.maximum = std::max({graph.maximum, p.monoAnion, p.dianion, p.acid, p.hydrogen});
    }
    return graph;
}

inline std::vector<acids::core::PhPoint> straightforwardPhSeries(kinetics::core::ModelCode modelCode,
                                                                double temperatureC)
{
    using namespace acids::core;
    std::vector<PhPoint> points(phSteps + 1);
    const AcidConstants k = acidConstants(modelCode, temperatureC);
    for (int i = 1; i <= phSteps; ++i) {
        const double c = i / 10.0;
        points[std::size_t(i)] = {c, -acids::core::log10(hydrogenIonConcentration(c, k, modelCode))};
    }
    return points;
}

// How a graph's own point strays from the straightforward one: [H+] beyond
// the tight tolerance or a plotted y beyond half a pixel. Empty if it does not.
inline std::string strays(kinetics::core::ModelCode modelCode, double c, double ownH, double plainH,
                          std::initializer_list<std::array<double, 2>> ownAndPlainY, double halfPixel)
{
    char why[120] = "";
    if (!near(ownH, plainH, hydrogenRelative, acids::core::iterationTolerance(modelCode)))
        std::snprintf(why, sizeof why, "c %g: [H+] %.17g, not %.17g", c, ownH, plainH);
    for (const auto &[own, plain] : ownAndPlainY)
        if (!why[0] && !(std::fabs(own - plain) <= halfPixel))
            std::snprintf(why, sizeof why, "c %g: y %.17g, not %.17g", c, own, plain);
    return why;
}

// The first point of each graph that strays, in words; empty when none does.
inline std::string productGraphMismatch(kinetics::core::ModelCode modelCode, const acids::core::ProductGraph &own,
                                        const acids::core::ProductGraph &plain)
{
    std::string why;
    for (int i = 1; i <= acids::core::productSteps && why.empty(); ++i) {
        const acids::core::ProductPoint &a = own.points.at(std::size_t(i)), &b = plain.points.at(std::size_t(i));
        why = strays(modelCode, b.c, a.hydrogen * a.c / 100, b.hydrogen * b.c / 100,
                     {{a.monoAnion, b.monoAnion}, {a.dianion, b.dianion}, {a.acid, b.acid}, {a.hydrogen, b.hydrogen}},
                     speciesHalfPixel);
    }
    return why;
}

inline std::string phSeriesMismatch(kinetics::core::ModelCode modelCode, const std::vector<acids::core::PhPoint> &own,
                                    const std::vector<acids::core::PhPoint> &plain)
{
    std::string why;
    for (int i = 1; i <= acids::core::phSteps && why.empty(); ++i) {
        const acids::core::PhPoint &a = own.at(std::size_t(i)), &b = plain.at(std::size_t(i));
        why = strays(modelCode, b.c, std::pow(10, -a.pH), std::pow(10, -b.pH), {{a.pH, b.pH}}, pHHalfPixel);
    }
    return why;
}

} // namespace testing
