// How every rate constant depends on the temperature.
#pragma once

#include "kinetics/core/Process.h"

namespace kinetics::core {

// The factor that scales every rate value at a temperature. modelCode selects
// the process (-1 and -2 are decays, whose factor is exactly 1); t is the
// temperature the caller asks about and temperatureC the shared temperature,
// both in degrees Celsius. Every caller outside the decay code passes
// t == temperatureC, and then the factor is sqrt(tanh(a/2) / tanh(1/2)) with
// a = (t + 273) / 373 (273 the Kelvin offset): 1 at 100 degrees, 0.906200 at 25, 0.258256 at -250.
double temperatureFactor(ModelCode modelCode, double t, double temperatureC);

// The factor at the shared temperature t itself, as every caller outside the
// decay code asks for it.
inline double temperatureFactor(ModelCode modelCode, double t) { return temperatureFactor(modelCode, t, t); }

} // namespace kinetics::core
