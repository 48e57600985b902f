// Scroll bars that mean the same quantity on the decay windows follow the
// acid windows' bars. The decay windows are reached by name, so that the
// acid chapter builds on its own; a window not yet created has nothing to
// follow (the start routine creates them all).
#include "acids/Mirrors.h"

#include "toolkit/Toolkit.h"

namespace acids {

namespace {

void mirror(const char *window, const char *bar, int value)
{
    if (toolkit::Form *w = toolkit::createdForm(QString::fromLatin1(window)))
        if (auto *b = w->findChild<toolkit::ScrollBar *>(QString::fromLatin1(bar)))
            b->setValue(value);
}

} // namespace

void mirrorAmount(int value)
{
    mirror("YPOTHDIASPASI1", "arithatomon", value);
    mirror("GNOSTED", "HScroll1", value);
}

void mirrorDuration(int value)
{
    mirror("YPOTHDIASPASI", "xronosolos", value);
    mirror("GNOSTED", "xronosolos", value);
}

void mirrorTemperature(int value) { mirror("YPOTHDIASPASI1", "tempotherm", value); }

} // namespace acids
