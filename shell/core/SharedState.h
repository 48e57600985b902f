// The state every window reads and writes: the process being simulated, its
// parameters, the counts of the run and the stored smooth curves.
#pragma once

#include "kinetics/core/Lattice.h"
#include "kinetics/core/Process.h"
#include "kinetics/core/Run.h"

#include <array>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

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
    double concentrationAxisTop = 0; // top of the graphs' value axis: 1.2 x initialAmount / 100
    int derivedGraphCount = 0;       // smooth or rate graphs drawn since the last chapter choice
    int runCount = 0;                // runs started since the last chapter choice
    int temperatureC = 0;            // degrees Celsius
    int runDuration = 0;             // in the units of the graphs' time axis
    kinetics::core::ModelCode modelCode = kinetics::core::ModelCode::Reaction;
    int initialAmount = 0;           // the active amount scroll bar's value
    bool chemistryChosen = false;
    bool reactionRun = false;        // allows the two reverse steps of a lattice event
    int latticeSide = 0;
    int lowestIndex = 0;
    int codeA = 0;
    int codeB = 0;
    kinetics::core::Run run;         // the lattice, the counts of each kind and the run clock
    double rateK1 = 0;
    double rateK2 = 0;
    double rateK3 = 0;
    double rateK4 = 0;
    double rateK5 = 0;
    double rateK1Reverse = 0;
    double rateK2Reverse = 0;
    std::vector<double> curveA, curveB, curveC, curveD, curveE, curveF;
    std::vector<double> rateCurveA, rateCurveB, rateCurveC, rateCurveD, rateCurveE, rateCurveF;
    bool amountChanged = false;
    WizardChoices choices;
};

SharedState &shared();

// The probabilities of the lattice's steps as the state holds them.
kinetics::core::StepProbabilities stepProbabilities(const SharedState &state);
// The four steps of a reaction or an acid, A <-> B and B <-> C; C -> D, a
// decay series' own, keeps its rate.
void setReactionSteps(SharedState &state, const kinetics::core::StepProbabilities &p);

// What an event needs of the state: C -> D runs only in a decay series.
kinetics::core::LatticeRun latticeRun(const SharedState &state);

// How many kinds a run plots: blue and green always, red once there is a
// second step, cyan for a decay series of three.
int plottedKinds(const SharedState &state);

// Every rate of the process: the lattice's steps and the two further decays.
kinetics::core::RunRates runRates(const SharedState &state);

// The smooth solution (A..F) into curveA..curveF, with rateCurveA..F made
// as long and cleared until the rates are known; and the rates themselves.
using Series = std::array<std::vector<double>, 6>;
void storeCurves(SharedState &state, const Series &amounts);
void storeRateCurves(SharedState &state, const Series &rates);

// Every variable back to the value of a fresh variable.
void resetShared();

// A scalar variable by its name, for the scripted driver.
using SharedValue = std::variant<double, bool>;
std::optional<SharedValue> sharedValue(std::string_view name);

} // namespace shell::core
