#include "decay/core/DecayConstants.h"

#include "kinetics/core/TemperatureFactor.h"
#include "toolkit/core/Numeric.h"

#include <numbers>

namespace decay::core {

double decayConstant(double halfLife, kinetics::core::ModelCode modelCode, double temperatureC)
{
    return std::numbers::ln2 / halfLife * kinetics::core::temperatureFactor(modelCode, 400, temperatureC);
}

std::array<double, 4> seriesConstants(int steps, double blueHalfLife, double greenHalfLife,
                                      double redHalfLife)
{
    const double ln2 = std::numbers::ln2;
    std::array<double, 4> k{ln2 / blueHalfLife, 0, 0, 0};
    if (steps >= 2)
        k[1] = ln2 / greenHalfLife;
    if (steps >= 3) {
        k[2] = ln2 / redHalfLife;
        k[3] = ln2 / workedHalfLives[3];
    }
    return k;
}

kinetics::core::RunRates seriesRates(const std::array<double, 4> &k)
{
    kinetics::core::RunRates r;
    r.steps.k1 = k[0];
    r.steps.k2 = k[1];
    r.steps.k3 = k[2];
    r.k4 = k[3];
    return r;
}

WorkedRates workedExampleRates(const std::array<double, 4> &halfLives)
{
    using toolkit::core::Int;
    std::array<double, 4> k{};
    for (std::size_t i = 0; i < 4; ++i)
        k[i] = std::numbers::ln2 / halfLives[i];

    WorkedRates out;
    std::array<double, 4> x{};
    auto recompute = [&] {
        for (std::size_t i = 0; i < 4; ++i)
            x[i] = 225 * k[i] / out.counter;
    };
    recompute();
    // The bound keeps a zero half-life (an infinite constant) from looping.
    for (int doublings = 0; doublings < 2000 && (Int(x[0]) > 100 || Int(x[1]) > 100 || Int(x[2]) > 100);
         ++doublings) {
        out.counter *= 2;
        recompute();
    }
    out.rate = {Int(x[0]) / 100, Int(x[1]) / 100, x[2] / 100, x[3] / 100, 0};
    return out;
}

} // namespace decay::core
