#include "kinetics/core/TemperatureFactor.h"

#include <cmath>

namespace kinetics::core {

double temperatureFactor(ModelCode modelCode, double t, double temperatureC)
{
    if (isDecay(modelCode))
        return 1.0;
    const double reference = toKelvin(100);
    const double a = toKelvin(t) / reference;
    const double b = toKelvin(temperatureC) / reference;
    const double r1 = std::fabs((std::exp(-a) - 1.0) / (std::exp(-b) + 1.0));
    const double minusOne = -reference / reference;
    const double r2 = std::fabs((std::exp(minusOne) + 1.0) / (std::exp(minusOne) - 1.0));
    return (1.0 * std::pow(r1, 0.5)) * (1.0 * std::pow(r2, 0.5));
}

} // namespace kinetics::core
