// The smooth solution of a run's rate equations, as one object: the amounts
// of the chain and their rates of change, sampled every fifth of a tick, with
// the time between two samples on the graphs' axis and the time they end at.
// It is a function of the run's setup alone.
#pragma once

#include "graphs/core/Chain.h"
#include "kinetics/core/RunSetup.h"

namespace graphs::core {

struct SmoothSolution
{
    ChainSeries amounts; // A..F in spots, sample k at time k x step
    ChainSeries rates;   // their rates of change, per tick
    Coefficients p;      // p1..p7 of the run
    double total = 0;    // spots of A the solution starts from: 625 x amount / 100
    double step = 0;     // ms on the graphs' time axis between two samples: a fifth of the interval
    double end = 0;      // the run's duration, where the curves end
    double amount = 0;   // the run's amount bar, the scale of the curves

    // Segments drawn from sample k to k + 1: k from 0 up to
    // CInt(end / step) - 1, within the samples.
    int segments() const;
    // Member m (0 = A .. 5 = F) at time t of the graph, straight between the
    // samples around it; NaN where the samples do not reach.
    double at(int member, double t) const;
    // A count of spots as the graphs plot it.
    double plotted(double spots) const;
};

// The value of samples taken every `step` at time t: straight between the
// two samples around t, so the sample itself when t falls on one, as each
// tick's time does with a step of a fifth of the interval. NaN where the
// samples do not reach.
double sampleAt(const std::vector<double> &samples, double step, double t);

SmoothSolution smoothSolution(const kinetics::core::RunSetup &setup);

} // namespace graphs::core
