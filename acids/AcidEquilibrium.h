// What an acid's equilibrium does to the windows: the parameters window's
// probability bars, the shared rates and their lists on the run control.
#pragma once

#include "acids/core/Equilibrium.h"
#include "kinetics/core/Process.h"

namespace acids {

// The equilibrium of an acid of concentration c (mol/L), its constants taken
// at temperatureC: the parameters window's bars take the rounded
// percentages, the shared temperature becomes that window's temperature and
// the four shared rates the percentages x its temperature factor / 100.
// Returns the percentages.
core::Percentages acidEquilibrium(double c, kinetics::core::ModelCode modelCode, double temperatureC);

// Clears the run control window and lists the shared rates: A->B always,
// B->A when reversible, B->C with two steps and C->B with both.
void listRates(bool reversible, bool twoSteps);

// Ends a run in progress, so that a new one can be laid out: the run
// control's timer stops (Start enables it again).
void stopRun();

} // namespace acids
