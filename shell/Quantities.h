// The quantities that scroll bars on several windows show: each is one
// object that holds the value and that the bars join, so that a window sets
// the others through it and never through their controls; and the run the
// windows hold for the next Start.
#pragma once

#include "kinetics/core/RunSetup.h"

namespace toolkit {
class Quantity;
}

namespace shell {

// The temperature bars (tempotherm) of the reaction, acid and decay rates
// windows.
toolkit::Quantity &temperature();
// The amount bars: the reaction's concentration (sidesq), the decay's atoms
// (arithatomon), the acids' concentration and the worked example's atoms.
toolkit::Quantity &amount();
// The duration bars (xronosolos) of the reaction, acid, worked example and
// decay model windows.
toolkit::Quantity &duration();
// The quantities forget their values, for a fresh program.
void resetQuantities();

} // namespace shell
