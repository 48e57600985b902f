// Walking the windows as a student would, for the window tests.
#pragma once

#include "graphs/apotelesmata.h"
#include "kinetics/YPOTHETIKES.h"
#include "shell/StartUp.h"
#include "shell/amfinaioxi.h"
#include "shell/eisagogi.h"
#include "shell/eisodos.h"
#include "shell/neaepilogi.h"
#include "toolkit/Toolkit.h"

namespace road {

// A fresh program on a screen of the given size, the title window showing.
inline void startProgram(QSize screen = QSize(1366, 768))
{
    toolkit::setScreenPixels(screen);
    shell::resetProgram();
    toolkit::core::generator().seed(1);
    shell::startRoutine();
}

// "Start", "Chemical Reactions", the number of steps, "Next >", the
// reversibility and "Next>": the parameters window is showing.
inline YPOTHETIKES &toParameters(bool twoSteps, bool reversible)
{
    using toolkit::form;
    form<eisodos>().Command1.click();
    form<eisagogi>().ximia[0].click();
    (twoSteps ? form<neaepilogi>().Option2 : form<neaepilogi>().Option1).click();
    form<neaepilogi>().Command2.click();
    (reversible ? form<amfinaioxi>().reversibleyes : form<amfinaioxi>().reversibleno).click();
    form<amfinaioxi>().Command3.click();
    return form<YPOTHETIKES>();
}

// "Next>" on the parameters window and "Start" on the run control.
inline apotelesmata &startRun()
{
    using toolkit::form;
    form<YPOTHETIKES>().Command2.click();
    auto &run = form<apotelesmata>();
    run.setConversionPause(false);
    run.Command2.click();
    return run;
}

} // namespace road
