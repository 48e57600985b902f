// Where the decay windows keep their "< Back", "Next >" and "Exit" buttons.
#pragma once

namespace toolkit {
class CommandButton;
}

namespace decay {

// Side by side near the bottom of a window scaled 150 wide and 250 high.
void placeButtons(toolkit::CommandButton &back, toolkit::CommandButton &next, toolkit::CommandButton &exit);

} // namespace decay
