#include "acids/core/ConcentrationGraphs.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

namespace acids::core {

namespace {

// [H+] for every concentration, on every core: the concentrations are dealt
// out in chunks, each worked in lockstep. Each value depends on its own
// concentration only, so the results are those of one thread.
void hydrogenIons(std::span<const double> c, const AcidConstants &k, kinetics::core::ModelCode modelCode,
                  std::span<double> out)
{
    constexpr std::size_t chunk = 48;
    const std::size_t chunks = (c.size() + chunk - 1) / chunk;
    const unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
    const std::size_t workers = std::min<std::size_t>(cores, chunks);
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t n = next++; n < chunks; n = next++) {
            const std::size_t first = n * chunk;
            const std::size_t size = std::min(chunk, c.size() - first);
            hydrogenIonConcentrations(c.subspan(first, size), k, modelCode, out.subspan(first, size));
        }
    };
    std::vector<std::thread> helpers;
    for (std::size_t w = 1; w < workers; ++w)
        helpers.emplace_back(work);
    work();
    for (std::thread &t : helpers)
        t.join();
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

    std::vector<double> c(productSteps), h(productSteps);
    for (int i = 1; i <= productSteps; ++i)
        c[i - 1] = i / 100.0;
    hydrogenIons(c, k, modelCode, h);

    for (int i = 1; i <= productSteps; ++i) {
        const ProductPoint p = productPoint(c[i - 1], h[i - 1], k);
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

    std::vector<double> c(phSteps), h(phSteps);
    for (int i = 1; i <= phSteps; ++i)
        c[i - 1] = i / 10.0;
    hydrogenIons(c, k, modelCode, h);
    for (int i = 1; i <= phSteps; ++i)
        points[i] = {c[i - 1], -log10(h[i - 1])};
    return points;
}

} // namespace acids::core
