#include "shell/Quantities.h"

#include "acids/OXEA1.h"
#include "decay/GNOSTED.h"
#include "decay/YPOTHDIASPASI.h"
#include "decay/YPOTHDIASPASI1.h"
#include "kinetics/YPOTHETIKES.h"
#include "lesson/Model.h"
#include "toolkit/Toolkit.h"

namespace shell {

namespace {

template <class Window, toolkit::ScrollBar Window::*bar>
toolkit::Quantity::Member member()
{
    return {typeid(Window), []() -> toolkit::ScrollBar & { return toolkit::form<Window>().*bar; }};
}

} // namespace

// The order of the members is the order in which a moved bar reaches the
// others, the next ones after it first.
toolkit::Quantity &temperature()
{
    static toolkit::Quantity quantity({member<YPOTHETIKES, &YPOTHETIKES::tempotherm>(),
                                       member<OXEA1, &OXEA1::tempotherm>(),
                                       member<YPOTHDIASPASI1, &YPOTHDIASPASI1::tempotherm>()},
                                      [](int v) { lesson::model().setTemperature(v); });
    return quantity;
}

toolkit::Quantity &amount()
{
    static toolkit::Quantity quantity(
        {member<YPOTHETIKES, &YPOTHETIKES::sidesq>(), member<YPOTHDIASPASI1, &YPOTHDIASPASI1::arithatomon>(),
         member<OXEA1, &OXEA1::concentration>(), member<GNOSTED, &GNOSTED::HScroll1>()},
        [](int v) { lesson::model().setAmount(v); });
    return quantity;
}

toolkit::Quantity &duration()
{
    static toolkit::Quantity quantity(
        {member<YPOTHETIKES, &YPOTHETIKES::xronosolos>(), member<OXEA1, &OXEA1::xronosolos>(),
         member<GNOSTED, &GNOSTED::xronosolos>(), member<YPOTHDIASPASI, &YPOTHDIASPASI::xronosolos>()},
        [](int v) { lesson::model().setDuration(v); });
    return quantity;
}

void resetQuantities()
{
    for (toolkit::Quantity *q : {&temperature(), &amount(), &duration()})
        q->forget();
}

} // namespace shell
