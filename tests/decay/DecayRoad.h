// Walking the decay chapter as a student would, for the decay tests.
#pragma once

#include "../support/Road.h"
#include "decay/GNOSTED.h"
#include "decay/YPOTHDIASPASI.h"
#include "decay/YPOTHDIASPASI1.h"

namespace road {

// "Start" and "Radioactive Decays": the decay model window is showing.
inline YPOTHDIASPASI &toDecayModel()
{
    using toolkit::form;
    form<eisodos>().Command1.click();
    form<eisagogi>().RADIO[1].click();
    return form<YPOTHDIASPASI>();
}

// The number of steps and "Next >": the rates window is showing.
inline YPOTHDIASPASI1 &toDecayRates(int steps)
{
    auto &model = toDecayModel();
    (steps == 1 ? model.Option1 : steps == 3 ? model.Option3 : model.Option2).click();
    model.mprosta.click();
    return toolkit::form<YPOTHDIASPASI1>();
}

// "Next >" on the rates window and "Start" on the run control.
inline apotelesmata &startDecayRun(int steps)
{
    toDecayRates(steps).mprosta.click();
    auto &run = toolkit::form<apotelesmata>();
    run.setConversionPause(false);
    run.Command2.click();
    return run;
}

} // namespace road
