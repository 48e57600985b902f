// What an acid's equilibrium does to the windows: the parameters window's
// probability bars and the shared rates.
#pragma once

#include "acids/core/Equilibrium.h"
#include "kinetics/core/Process.h"

namespace acids {

// Applies the equilibrium of an acid of concentration c (mol/L), its
// constants taken at temperatureC: the parameters window's bars take the
// rounded percentages and the next run's four rates the percentages x the
// temperature factor of the shared temperature / 100. Returns the
// percentages.
core::Percentages applyEquilibrium(double c, kinetics::core::ModelCode modelCode, double temperatureC);

} // namespace acids
