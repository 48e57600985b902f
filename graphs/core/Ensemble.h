// An ensemble of runs against the smooth solution of their rate equations.
#pragma once

#include "graphs/core/Smooth.h"
#include "kinetics/core/Ensemble.h"

namespace graphs::core {

// The spread the event rule predicts for member m at time t in a run of
// `spots` spots: each spot is of that kind with the smooth solution's share
// p, independently of the others, so the count is binomial, of standard
// deviation sqrt(spots x p x (1 - p)).
double binomialSpread(const SmoothSolution &smooth, int spots, int member, double t);

struct EnsembleComparison
{
    // The farthest the mean of a kind the run plots strays from its smooth
    // curve, in standard errors of the mean, and where.
    double standardErrors = 0;
    int kind = 0;
    double time = 0;
    // The measured spread over the binomial one, averaged over the ticks and
    // kinds where the binomial one is at least a spot.
    double spreadRatio = 0;
};

EnsembleComparison compare(const kinetics::core::EnsembleStats &stats, const SmoothSolution &smooth);

} // namespace graphs::core
