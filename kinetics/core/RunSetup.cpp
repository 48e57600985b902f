#include "kinetics/core/RunSetup.h"

#include <algorithm>

namespace kinetics::core {

int blockSideWithin(double amount) { return std::clamp(blockSide(amount), 0, latticeSide); }

RunSetup setupFor(const RunChoice &choice)
{
    RunSetup s;
    s.process = choice.process;
    const StepProbabilities &given = choice.rates.steps;
    StepProbabilities &p = s.rates.steps;
    p.k1 = given.k1;
    if (isDecay(choice.process)) {
        s.steps = choice.process == ModelCode::DecayExample ? 3 : std::clamp(choice.decaySteps, 1, 3);
        s.reversible = false;
        if (s.steps >= 2)
            p.k2 = given.k2;
        if (s.steps >= 3) {
            p.k3 = given.k3;
            s.rates.k4 = choice.rates.k4;
        }
    } else {
        const bool acid = isAcid(choice.process);
        s.steps = acid || choice.twoSteps ? 2 : 1;
        s.reversible = acid || choice.reversible;
        if (s.steps == 2)
            p.k2 = given.k2;
        if (s.reversible) {
            p.k1Reverse = given.k1Reverse;
            if (s.steps == 2)
                p.k2Reverse = given.k2Reverse;
        }
    }
    s.amount = choice.amount;
    s.blockSide = blockSideWithin(choice.amount);
    s.spots = s.blockSide * s.blockSide;
    s.duration = choice.duration;
    s.temperatureC = choice.temperatureC;
    s.interval = tickInterval(choice.process, choice.temperatureC);
    return s;
}

LatticeRun latticeRun(const RunSetup &setup)
{
    LatticeRun run;
    run.reversible = setup.chemistry();
    run.p = setup.rates.steps;
    return run;
}

int ticksOfRun(int duration, int interval)
{
    if (interval <= 0 || duration < 0)
        return 0;
    return duration / interval + 1;
}

} // namespace kinetics::core
