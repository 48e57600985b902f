// Scroll bars that mean the same quantity on the decay windows follow the
// acid windows' bars.
#pragma once

namespace acids {

// The atoms bars of YPOTHDIASPASI1 (arithatomon) and GNOSTED (HScroll1).
void mirrorAmount(int value);
// The duration bars (xronosolos) of YPOTHDIASPASI and GNOSTED.
void mirrorDuration(int value);
// The temperature bar (tempotherm) of YPOTHDIASPASI1.
void mirrorTemperature(int value);

} // namespace acids
