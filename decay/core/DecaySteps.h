// What the decay model windows show for a series of one, two or three steps,
// and the half-life scroll bars' unit.
#pragma once

namespace decay::core {

// The controls that depend on the number of steps; the others always show.
struct StepVisibility
{
    bool redCircle = false;   // C
    bool cyanCircle = false;  // D
    bool greenRow = false;    // the green half-life row (step 2)
    bool redRow = false;      // the red half-life row (step 3)
    bool letterC = false;
    bool letterD = false;
    bool secondArrow = false; // B -> C
    bool thirdArrow = false;  // C -> D
};

// 1, 2 or 3 steps; a number outside that range counts as the nearest one.
StepVisibility stepVisibility(int steps);

// A half-life scroll bar holds hundredths of a minute.
double halfLifeFromBar(int value);
// The bar value of a half-life in minutes, to the nearest hundredth
// (3.05 minutes is 305, not 304).
int barFromHalfLife(double minutes);

} // namespace decay::core
