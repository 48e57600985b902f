// What a run is, decided once when it starts: the process and its kinds,
// every step's probability, the spots, the duration, the pace and the
// temperature. Everything that describes a run (its curves, its smooth
// solution, its marks, its table, its texts) reads this; the windows' bars
// belong to the next run from then on.
#pragma once

#include "kinetics/core/Lattice.h"
#include "kinetics/core/Process.h"

namespace kinetics::core {

// What the windows hold for the next run: the process chosen, the shape the
// wizard gave it, the rates its parameter window set and the amount,
// duration and temperature bars.
struct RunChoice
{
    ModelCode process = ModelCode::Reaction;
    bool twoSteps = false;   // a reaction's B -> C
    bool reversible = false; // a reaction's B -> A (and C -> B with two steps)
    int decaySteps = 2;      // a decay series' steps, 1 to 3
    RunRates rates;
    int amount = 0;          // the amount bar's value
    int duration = 0;
    int temperatureC = 0;
};

struct RunSetup
{
    ModelCode process = ModelCode::Reaction;
    int steps = 1;           // forward steps: A -> B, then B -> C, then C -> D
    bool reversible = false; // B -> A, and C -> B with a second step
    // Every step's probability, zero where the process has no such step.
    RunRates rates;
    int amount = 0;       // the amount bar's value: hundredths of mol/L, or % of the sites
    int blockSide = 0;    // side of the blue block laid out at the start
    int spots = 0;        // blue spots laid out: blockSide^2
    int duration = 0;     // on the graphs' time axis
    int interval = 0;     // ms of that axis a tick takes
    int temperatureC = 0;

    // Kinds a run plots and counts: A and B, then one more a step.
    int kinds() const { return steps + 1; }
    // Reactions and acids count in mol/L at the temperature; decays in atoms.
    bool chemistry() const { return isChemistry(process); }
    friend bool operator==(const RunSetup &, const RunSetup &) = default;
};

// The run the choice makes: a reaction has the steps the wizard chose; an
// acid dissociates in two reversible steps; a decay series has no reverse
// steps, and D -> E (lead-210's own decay, which only the smooth curves
// follow) only with three steps; the worked series is one of three. The
// lattice's C -> D and the further decays belong to decays only. The block
// and the pace follow from the amount, the process and the temperature.
RunSetup setupFor(const RunChoice &choice);

// Side of the block an amount lays out, within the lattice.
int blockSideWithin(double amount);

// What an event needs of a run: its sites, codes, reverse steps and
// probabilities.
LatticeRun latticeRun(const RunSetup &setup);

// Ticks a run takes: the clock moves one interval a tick and the run ends
// once it has passed the duration.
int ticksOfRun(int duration, int interval);

} // namespace kinetics::core
