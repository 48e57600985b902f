// What both concentration graphs share: the acid's name, the concentration
// the run was set up with, and the colours that only these graphs use.
#include "acids/GraphMarks.h"

#include "shell/core/SharedState.h"

namespace acids {

double chosenConcentration() { return shell::core::shared().initialAmount / 100.0; }

} // namespace acids
