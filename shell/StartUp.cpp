#include "shell/StartUp.h"

#include "kinetics/YPOTHETIKES.h"
#include "shell/amfinaioxi.h"
#include "shell/eisagogi.h"
#include "shell/neaepilogi.h"
#include "shell/eisodos.h"
#include "shell/core/SharedState.h"
#include "toolkit/Toolkit.h"

using namespace toolkit;
using shell::core::shared;

namespace shell {

void startRoutine()
{
    auto &s = shared();
    s.runCount = 0;
    s.derivedGraphCount = 0;
    s.temperatureC = 25;
    s.runDuration = 250;

    // Creating each window runs its load handler; the order decides which
    // values win.
    auto &parameters = form<YPOTHETIKES>();
    s.initialAmount = parameters.sidesq.value();
    s.concentrationAxisTop = kinetics::core::concentrationAxisTop(s.initialAmount);

    placeFullScreen(form<amfinaioxi>());
    placeFullScreen(form<eisagogi>());
    placeFullScreen(form<neaepilogi>());
    placeFullScreen(parameters);

    parameters.scale(-40, 250, 110, 0);

    auto &title = form<eisodos>();
    title.setTop(0);
    title.setLeft(0);
    title.show();

    s.runDuration = 250;

    // Ranges that differ from the designed ones.
    parameters.xronosolos.setMin(20);
    parameters.xronosolos.setValue(s.runDuration);
    parameters.sidesq.setMax(99);
    parameters.sidesq.setMin(2);
    parameters.sidesq.setValue(15);
    parameters.tempotherm.setMax(100);
    parameters.tempotherm.setMin(0);
}

void resetProgram()
{
    toolkit::resetForms();
    shell::core::resetShared();
}

} // namespace shell
