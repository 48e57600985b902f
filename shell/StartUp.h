// The start routine. The full-screen placement it applies lives with the
// windows, in the toolkit (fullScreenRect, placeFullScreen).
#pragma once

namespace shell {

// Fills the shared state, creates the chapter windows hidden, places them and
// shows the title window. Runs once, before anything is visible.
void startRoutine();
// The same start for a person at the screen: the title window first, the
// other windows right after it is on the screen (or before the first key or
// click, whichever comes sooner), so the program appears at once.
void startTitleFirst();

// Destroys every window and resets the shared state: a fresh program for the
// tests, the driver and the benchmarks.
void resetProgram();

} // namespace shell
