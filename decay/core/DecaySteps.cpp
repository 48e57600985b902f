#include "decay/core/DecaySteps.h"

#include <algorithm>
#include <cmath>

namespace decay::core {

StepVisibility stepVisibility(int steps)
{
    const int n = std::clamp(steps, 1, 3);
    StepVisibility v;
    v.redCircle = v.greenRow = v.letterC = v.secondArrow = n >= 2;
    v.cyanCircle = v.redRow = v.letterD = v.thirdArrow = n >= 3;
    return v;
}

double halfLifeFromBar(int value) { return value / 100.0; }

int barFromHalfLife(double minutes) { return static_cast<int>(std::lround(100 * minutes)); }

} // namespace decay::core
