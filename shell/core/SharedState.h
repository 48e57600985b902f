// The state every window reads and writes: the process being simulated, its
// parameters, the counts of the run and the stored smooth curves.
#pragma once

#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace shell::core {

struct SharedState
{
    double concentrationAxisTop = 0; // top of the graphs' value axis: 1.2 x initialAmount / 100
    int derivedGraphCount = 0;       // smooth or rate graphs drawn since the last chapter choice
    int runCount = 0;                // runs started since the last chapter choice
    int temperatureC = 0;            // degrees Celsius
    int runDuration = 0;             // in the units of the graphs' time axis
    // 0 reaction; 1 carbonic, 2 arsenic, 3 phosphoric, 4 pyrophosphoric acid;
    // -1 the worked decay example; -2 the student's decay series.
    int modelCode = 0;
    int initialAmount = 0;           // the active amount scroll bar's value
    bool chemistryChosen = false;
    bool reactionRun = false;        // allows the two reverse steps of a lattice event
    int latticeSide = 0;
    int tickCount = 0;
    int lowestIndex = 0;
    int codeA = 0;
    int codeB = 0;
    int countA = 0;
    int countB = 0;
    int countC = 0;
    int countD = 0;
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
};

SharedState &shared();

// Every variable back to the value of a fresh variable.
void resetShared();

// A scalar variable by its name, for the scripted driver.
using SharedValue = std::variant<double, bool>;
std::optional<SharedValue> sharedValue(std::string_view name);

} // namespace shell::core
