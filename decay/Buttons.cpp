#include "decay/Buttons.h"

#include "toolkit/Controls.h"

namespace decay {

void placeButtons(toolkit::CommandButton &back, toolkit::CommandButton &next, toolkit::CommandButton &exit)
{
    back.move(20, 60, 20, 14);
    next.move(55, 60, 20, 14);
    exit.move(90, 60, 20, 14);
}

} // namespace decay
