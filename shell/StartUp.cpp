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
#include "lesson/Model.h"
#include "shell/Quantities.h"
#include "shell/amfinaioxi.h"
#include "shell/eisagogi.h"
#include "shell/eisodos.h"
#include "shell/neaepilogi.h"
#include "toolkit/Toolkit.h"

#include <QApplication>
#include <QIcon>

using namespace toolkit;

namespace shell {

namespace {

// The program's icon on every window, and the desktop entry that taskbars
// group its windows under.
void identifyProgram()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QIcon icon;
    for (int size : {32, 64, 128})
        icon.addFile(QStringLiteral(":/spotsim/spotsim-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.spotsim"));
}

// The title window touches nothing of the others, nor they of it: it may
// come first.
void showTitle()
{
    identifyProgram();
    auto &title = form<eisodos>();
    title.setTop(0);
    title.setLeft(0);
    title.show();
}

// Every window of the chapters placed over the whole screen; creating each
// runs its load handler, and the order decides which values win.
void placeWindows()
{
    placeFullScreen(form<amfinaioxi>());
    placeFullScreen(form<eisagogi>());
    placeFullScreen(form<neaepilogi>());
    placeFullScreen(form<OXEA1>());
    placeFullScreen(form<YPOTHDIASPASI>());
    placeFullScreen(form<YPOTHDIASPASI1>());
    placeFullScreen(form<GNOSTED>());
    placeFullScreen(form<YPOTHETIKES>());
    placeFullScreen(form<CARBONIC>());
    placeFullScreen(form<carbonic2>());
}

void setScales()
{
    form<YPOTHDIASPASI>().scale(0, 250, 150, 0);
    form<YPOTHDIASPASI1>().scale(0, 250, 150, 0);
    form<OXEA1>().scale(0, 250, 150, 0);
    form<YPOTHETIKES>().scale(-40, 250, 110, 0);
    form<GNOSTED>().scale(0, 250, 150, 0);
}

// The ranges and values that differ from the designed ones, in the order
// whose change handlers leave the start values.
void setRanges(int duration)
{
    auto &parameters = form<YPOTHETIKES>();
    auto &acidExamples = form<OXEA1>();
    auto &model = form<YPOTHDIASPASI>();
    auto &rates = form<YPOTHDIASPASI1>();
    auto &example = form<GNOSTED>();
    auto &carbonicExample = form<carbonic2>();
    for (ScrollBar *bar : {&example.xronosolos, &acidExamples.xronosolos, &model.xronosolos, &parameters.xronosolos})
        bar->setMin(20);
    for (ScrollBar *bar : {&example.xronosolos, &acidExamples.xronosolos, &model.xronosolos, &parameters.xronosolos})
        bar->setValue(duration);
    for (ScrollBar *bar : {&parameters.sidesq, &rates.arithatomon, &carbonicExample.moleanalitro}) {
        bar->setMax(99);
        bar->setMin(2);
    }
    for (ScrollBar *bar : {&parameters.sidesq, &rates.arithatomon, &carbonicExample.moleanalitro})
        bar->setValue(15);
    example.HScroll1.setMax(99);
    example.HScroll1.setMin(2);
    acidExamples.concentration.setMax(99);
    const std::initializer_list<ScrollBar *> temperatures = {&carbonicExample.tempotherm, &parameters.tempotherm,
                                                             &acidExamples.tempotherm, &rates.tempotherm};
    for (ScrollBar *bar : temperatures)
        bar->setMax(100);
    carbonicExample.setLeft(0);
    for (ScrollBar *bar : temperatures)
        bar->setMin(0);
    rates.showWorkedHalfLives();
}

void buildWindows()
{
    lesson::model().resetCounters();
    placeWindows();
    setScales();
    setRanges(250);
    // The decay diagrams, in the order that decides their values.
    form<YPOTHDIASPASI>().layOutDiagram();
    form<GNOSTED>().layOutDiagram();
    form<YPOTHDIASPASI1>().layOut();
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
    lesson::model().reset();
    resetQuantities();
}

} // namespace shell
