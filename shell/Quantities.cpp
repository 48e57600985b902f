#include "shell/Quantities.h"

#include "acids/OXEA1.h"
#include "decay/GNOSTED.h"
#include "decay/YPOTHDIASPASI.h"
#include "decay/YPOTHDIASPASI1.h"
#include "kinetics/YPOTHETIKES.h"
#include "shell/core/SharedState.h"
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
                                       member<YPOTHDIASPASI1, &YPOTHDIASPASI1::tempotherm>()});
    return quantity;
}

toolkit::Quantity &amount()
{
    static toolkit::Quantity quantity(
        {member<YPOTHETIKES, &YPOTHETIKES::sidesq>(), member<YPOTHDIASPASI1, &YPOTHDIASPASI1::arithatomon>(),
         member<OXEA1, &OXEA1::concentration>(), member<GNOSTED, &GNOSTED::HScroll1>()});
    return quantity;
}

toolkit::Quantity &duration()
{
    static toolkit::Quantity quantity(
        {member<YPOTHETIKES, &YPOTHETIKES::xronosolos>(), member<OXEA1, &OXEA1::xronosolos>(),
         member<GNOSTED, &GNOSTED::xronosolos>(), member<YPOTHDIASPASI, &YPOTHDIASPASI::xronosolos>()});
    return quantity;
}

void resetQuantities()
{
    for (toolkit::Quantity *q : {&temperature(), &amount(), &duration()})
        q->forget();
}

kinetics::core::RunChoice nextRun()
{
    const auto &s = core::shared();
    kinetics::core::RunChoice c;
    c.process = s.modelCode;
    c.twoSteps = s.choices.twoSteps();
    c.reversible = s.choices.reversible();
    c.decaySteps = s.choices.decaySteps;
    c.rates = s.rates;
    c.amount = amount().value();
    c.duration = duration().value();
    c.temperatureC = temperature().value();
    return c;
}

kinetics::core::RunSetup nextSetup() { return kinetics::core::setupFor(nextRun()); }

} // namespace shell

namespace shell {

kinetics::core::RunSetup describedRun()
{
    const auto &run = core::shared().run;
    return run.started() ? run.setup() : nextSetup();
}

} // namespace shell
