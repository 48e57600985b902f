#include "acids/core/ConcentrationGraphs.h"

#include <cmath>

namespace acids::core {

namespace {

constexpr int maxNewtonSteps = 100;

// [H+] by Newton's method on the charge balance
// f(h) = h - [HA-] - 2 [A2-] - Kw / h, which rises with h and has one positive
// root, from a positive guess; stops once a step is below 1e-14 of h. A step
// never leaves h > 0: while f > 0, f / f' < h (f <= h - Kw/h, f' >= 1 + Kw/h^2).
// The graphs start each concentration from the previous one's root, a
// handful of steps as [H+] grows with c, and the first from sqrt(Kw), pure
// water's [H+], below any acid's.
double hydrogenIonRoot(double c, const AcidConstants &k, double guess)
{
    double h = guess;
    for (int n = 0; n < maxNewtonSteps; ++n) {
        const double d = h * h + k.ka1 * h + k.ka1 * k.ka2;
        const double f = h - c * k.ka1 * (h + 2 * k.ka2) / d - k.kw / h;
        const double slope = 1 + c * k.ka1 * (h * h + 4 * k.ka2 * h + k.ka1 * k.ka2) / (d * d) + k.kw / (h * h);
        const double next = h - f / slope;
        if (std::fabs(next - h) <= 1e-14 * next)
            return next;
        h = next;
    }
    return h;
}

} // namespace

double log10(double value)
{
    return std::log(value) / std::log(10.0);
}

AcidConstants productGraphConstants(kinetics::core::ModelCode modelCode)
{
    if (modelCode == kinetics::core::ModelCode::Carbonic)
        return {4.3e-7, 5.61e-11, 1e-14};
    return acidConstants(modelCode, 25);
}

ProductPoint productPoint(double c, double h, const AcidConstants &k)
{
    const double d = h * h + k.ka1 * h + k.ka1 * k.ka2;
    const double monoAnion = c * k.ka1 * h / d;
    const double dianion = c * k.ka1 * k.ka2 / d;
    const double acid = c - monoAnion - dianion;
    return {c, 100 * monoAnion / c, 100 * dianion / c, 100 * acid / c, 100 * h / c};
}

ProductGraph productGraph(kinetics::core::ModelCode modelCode)
{
    ProductGraph graph;
    graph.points.resize(productSteps + 1);
    const AcidConstants k = productGraphConstants(modelCode);
    if (k.ka1 == 0)
        return graph;

    double h = std::sqrt(k.kw);
    for (int i = 1; i <= productSteps; ++i) {
        const double c = i / 100.0;
        h = hydrogenIonRoot(c, k, h);
        const ProductPoint p = productPoint(c, h, k);
        graph.points[i] = p;
        for (double v : {p.monoAnion, p.dianion, p.acid, p.hydrogen})
            if (v > graph.maximum)
                graph.maximum = v;
    }
    return graph;
}

std::vector<PhPoint> phSeries(kinetics::core::ModelCode modelCode, double temperatureC)
{
    std::vector<PhPoint> points(phSteps + 1);
    const AcidConstants k = acidConstants(modelCode, temperatureC);
    if (k.ka1 == 0)
        return points;

    double h = std::sqrt(k.kw);
    for (int i = 1; i <= phSteps; ++i) {
        const double c = i / 10.0;
        h = hydrogenIonRoot(c, k, h);
        points[i] = {c, -log10(h)};
    }
    return points;
}

ProductPoint productPointAt(kinetics::core::ModelCode modelCode, double c)
{
    const AcidConstants k = productGraphConstants(modelCode);
    if (k.ka1 == 0 || !(c > 0))
        return {};
    return productPoint(c, hydrogenIonRoot(c, k, std::sqrt(k.kw)), k);
}

double pHAt(kinetics::core::ModelCode modelCode, double temperatureC, double c)
{
    const AcidConstants k = acidConstants(modelCode, temperatureC);
    if (k.ka1 == 0 || !(c > 0))
        return NAN;
    return -log10(hydrogenIonRoot(c, k, std::sqrt(k.kw)));
}

} // namespace acids::core
