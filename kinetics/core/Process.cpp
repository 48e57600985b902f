#include "kinetics/core/Process.h"

#include "toolkit/core/Numeric.h"

#include <cmath>

namespace kinetics::core {

int chemistryTickInterval(double temperatureC)
{
    return toolkit::core::CInt(std::sqrt(401.0 - temperatureC));
}

int wholeTickInterval(double temperatureC)
{
    return static_cast<int>(toolkit::core::Int(std::sqrt(401.0 - temperatureC)));
}

int tickInterval(ModelCode model, double temperatureC)
{
    return isDecay(model) ? decayTickInterval : chemistryTickInterval(temperatureC);
}

double concentrationAxisTop(double initialAmount) { return axisTop(initialAmount) / 100; }

double rateFromBar(double value, double factor) { return value * factor / 100; }

StepProbabilities reactionProbabilities(const ReactionChoice &choice, double factor)
{
    StepProbabilities p;
    p.k1 = rateFromBar(choice.abBar, factor);
    p.k2 = rateFromBar(choice.bcBar, factor);
    if (choice.reversible) {
        p.k1Reverse = rateFromBar(choice.baBar, factor);
        p.k2Reverse = choice.oneStep ? 0 : rateFromBar(choice.cbBar, factor);
    }
    return p;
}

} // namespace kinetics::core
