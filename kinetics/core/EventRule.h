// What the event rule itself predicts for a run's counts, exactly: each of
// the 625 events of a tick picks one of the lattice's sites at random, and a
// spot there may change its kind with the probabilities of its kind's
// steps. Some sites are picked twice in a tick and some not at all, so the
// counts spread less than independent spots would (about 0.65 of the
// binomial spread after the first tick of a full lattice).
#pragma once

#include "kinetics/core/RunSetup.h"

#include <array>
#include <vector>

namespace kinetics::core {

using KindMatrix = std::array<std::array<double, 4>, 4>;

// The chance that a spot of kind i (A, B, C, D) is of kind j after its site
// is picked: A -> B with k1; B -> C with k2, else (reversible only) B -> A
// with k1Reverse; C -> D with k3, else (reversible only) C -> B for a draw
// below k2Reverse; D stays.
KindMatrix pickTransitions(const StepProbabilities &p, bool reversible);

// The mean and covariance of the four counts.
struct CountMoments
{
    std::array<double, 4> mean{};
    KindMatrix covariance{};
    double sd(int kind) const;
};

// The exact moments after each of the first `ticks` ticks of a run of the
// setup from its block, all A.
std::vector<CountMoments> exactMoments(const RunSetup &setup, int ticks);

} // namespace kinetics::core
