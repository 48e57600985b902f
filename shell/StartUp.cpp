#include "shell/StartUp.h"

#include "acids/CARBONIC.h"
#include "acids/OXEA1.h"
#include "acids/carbonic2.h"
#include "decay/GNOSTED.h"
#include "decay/YPOTHDIASPASI.h"
#include "decay/YPOTHDIASPASI1.h"
#include "decay/core/DecayConstants.h"
#include "decay/core/DecaySteps.h"
#include "kinetics/YPOTHETIKES.h"
#include "shell/amfinaioxi.h"
#include "shell/core/SharedState.h"
#include "shell/eisagogi.h"
#include "shell/eisodos.h"
#include "shell/neaepilogi.h"
#include "toolkit/Toolkit.h"

using namespace toolkit;
using shell::core::shared;

namespace shell {

namespace {

// The title window touches nothing of the others, nor they of it: it may
// come first.
void showTitle()
{
    auto &title = form<eisodos>();
    title.setTop(0);
    title.setLeft(0);
    title.show();
}

void buildWindows()
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
    auto &acidExamples = form<OXEA1>();
    placeFullScreen(acidExamples);
    auto &model = form<YPOTHDIASPASI>();
    placeFullScreen(model);
    auto &rates = form<YPOTHDIASPASI1>();
    placeFullScreen(rates);
    auto &example = form<GNOSTED>();
    placeFullScreen(example);
    placeFullScreen(parameters);
    placeFullScreen(form<CARBONIC>());
    auto &carbonicExample = form<carbonic2>();
    placeFullScreen(carbonicExample);

    model.scale(0, 250, 150, 0);
    rates.scale(0, 250, 150, 0);
    acidExamples.scale(0, 250, 150, 0);
    parameters.scale(-40, 250, 110, 0);
    example.scale(0, 250, 150, 0);

    s.runDuration = 250;

    // Ranges that differ from the designed ones.
    example.xronosolos.setMin(20);
    acidExamples.xronosolos.setMin(20);
    model.xronosolos.setMin(20);
    parameters.xronosolos.setMin(20);
    example.xronosolos.setValue(s.runDuration);
    acidExamples.xronosolos.setValue(s.runDuration);
    model.xronosolos.setValue(s.runDuration);
    parameters.xronosolos.setValue(s.runDuration);
    parameters.sidesq.setMax(99);
    parameters.sidesq.setMin(2);
    rates.arithatomon.setMax(99);
    rates.arithatomon.setMin(2);
    carbonicExample.moleanalitro.setMax(99);
    carbonicExample.moleanalitro.setMin(2);
    parameters.sidesq.setValue(15);
    rates.arithatomon.setValue(15);
    carbonicExample.moleanalitro.setValue(15);
    example.HScroll1.setMax(99);
    example.HScroll1.setMin(2);
    acidExamples.concentration.setMax(99);
    carbonicExample.tempotherm.setMax(100);
    parameters.tempotherm.setMax(100);
    acidExamples.tempotherm.setMax(100);
    rates.tempotherm.setMax(100);
    carbonicExample.setLeft(0);
    carbonicExample.tempotherm.setMin(0);
    parameters.tempotherm.setMin(0);
    acidExamples.tempotherm.setMin(0);
    rates.tempotherm.setMin(0);
    rates.showWorkedHalfLives();

    // The decay diagrams, in the order that decides their values.
    model.layOutDiagram();
    example.layOutDiagram();
    rates.layOut();
}

} // namespace

void startRoutine()
{
    showTitle();
    buildWindows();
}

void startTitleFirst()
{
    showTitle();
    afterFirstShown(form<eisodos>(), buildWindows);
}

void resetProgram()
{
    toolkit::resetForms();
    shell::core::resetShared();
}

} // namespace shell
