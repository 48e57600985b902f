#include "kinetics/core/TemperatureFactor.h"

#include <cmath>

namespace kinetics::core {

double temperatureFactor(int modelCode, double t, double temperatureC)
{
    if (modelCode == -1 || modelCode == -2)
        return 1.0;
    const double a = (t + 273.0) / 373.0;
    const double b = (temperatureC + 273.0) / 373.0;
    const double r1 = std::fabs((std::exp(-a) - 1.0) / (std::exp(-b) + 1.0));
    const double minusOne = -373.0 / 373.0;
    const double r2 = std::fabs((std::exp(minusOne) + 1.0) / (std::exp(minusOne) - 1.0));
    return (1.0 * std::pow(r1, 0.5)) * (1.0 * std::pow(r2, 0.5));
}

} // namespace kinetics::core
