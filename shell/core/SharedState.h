// What the windows share: the wizard's choices, the chapter, the process and
// rates the next run is to have, the counters of the chapter, and the run
// itself. The amount, duration and temperature are held once each by their
// quantities (shell/Quantities.h); everything a run shows is read from its
// own setup, frozen when it starts.
#pragma once

#include "kinetics/core/Process.h"
#include "kinetics/core/Run.h"

namespace shell::core {

// The choices of the wizard's pages, as their option buttons hold them.
struct WizardChoices
{
    bool oneStep = true;       // " 1 step" chosen; with neither option, two steps
    bool nonReversible = true; // "Non reversible" chosen; with neither option, reversible
    int decaySteps = 2;        // the decay model's steps, 1 to 3
    bool twoSteps() const { return !oneStep; }
    bool reversible() const { return !nonReversible; }
};

struct SharedState
{
    // The process the next run simulates.
    kinetics::core::ModelCode modelCode = kinetics::core::ModelCode::Reaction;
    // "Chemical Reactions" rather than "Radioactive Decays" was chosen: which
    // example the run control leads to.
    bool chemistryChosen = false;
    // The next run's per-event probabilities, as its parameter window set them.
    kinetics::core::RunRates rates;
    int derivedGraphCount = 0; // smooth or rate graphs drawn since the last chapter choice
    int runCount = 0;          // runs started since the last chapter choice
    WizardChoices choices;
    kinetics::core::Run run;   // the lattice, the counts, the records and the setup of the last run
};

SharedState &shared();

// Every variable back to the value of a fresh variable.
void resetShared();

} // namespace shell::core
