// The acid examples window's scroll bars, reached by name through the window
// table: the decay windows keep its amount, duration and temperature in step
// with their own.
#pragma once

namespace decay {

// Sets a scroll bar of the acid examples window (`OXEA1`) to value, running
// its change handler; nothing while that window is not in the program.
void setAcidBar(const char *bar, int value);

} // namespace decay
