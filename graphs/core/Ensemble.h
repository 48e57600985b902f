// An ensemble of runs against the smooth solution of their rate equations
// and the spread their event rule predicts.
#pragma once

#include "graphs/core/Smooth.h"
#include "kinetics/core/Ensemble.h"

namespace graphs::core {

struct EnsembleComparison
{
    // The farthest the mean of a kind the run plots strays from its smooth
    // curve, in standard errors of the mean (from the event rule's exact
    // spread), and where.
    double standardErrors = 0;
    int kind = 0;
    double time = 0;
    // The measured spread over the event rule's exact one, averaged over the
    // ticks and kinds where the exact one is at least a spot.
    double spreadRatio = 0;
    // Whether the mean keeps within what chance explains for that many
    // copies: nowhere beyond 3.5 standard errors (of some hundred means, one
    // beyond it in about twenty ensembles).
    bool withinChance() const { return standardErrors <= 3.5; }
};

EnsembleComparison compare(const kinetics::core::EnsembleStats &stats, const SmoothSolution &smooth);

} // namespace graphs::core
