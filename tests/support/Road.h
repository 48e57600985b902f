// Walking the windows as a student would, for the window tests.
#pragma once

#include "acids/OXEA1.h"
#include "decay/YPOTHDIASPASI.h"
#include "decay/YPOTHDIASPASI1.h"
#include "graphs/apotelesmata.h"
#include "kinetics/YPOTHETIKES.h"
#include "lesson/Model.h"
#include "shell/StartUp.h"
#include "shell/amfinaioxi.h"
#include "shell/eisagogi.h"
#include "shell/eisodos.h"
#include "shell/neaepilogi.h"
#include "toolkit/Toolkit.h"

#include <cmath>
#include <functional>

namespace road {

// The same road as a script: from the title window to the run control of
// a one-step reaction, as the lessons and the driver take it.
inline const QByteArray toRunControlScript = "click eisodos.Command1\n"
                                             "click eisagogi.ximia(0)\n"
                                             "click neaepilogi.Command2\n"
                                             "click amfinaioxi.Command3\n"
                                             "click YPOTHETIKES.Command2\n";

// A fresh program on a screen of the given size, the title window showing.
inline void startProgram(QSize screen = QSize(1366, 768))
{
    toolkit::setScreenPixels(screen);
    shell::resetProgram();
    toolkit::core::generator().seed(1);
    shell::startRoutine();
}

// "Start", "Chemical Reactions", the number of steps, "Next >", the
// reversibility and "Next>": the parameters window is showing. Each page,
// its choice made, is shown to `seen` by name.
inline YPOTHETIKES &toParameters(bool twoSteps, bool reversible,
                                 const std::function<void(const char *page)> &seen = [](const char *) {})
{
    using toolkit::form;
    form<eisodos>().Command1.click();
    seen("choices");
    form<eisagogi>().ximia[0].click();
    (twoSteps ? form<neaepilogi>().Option2 : form<neaepilogi>().Option1).click();
    seen("steps");
    form<neaepilogi>().Command2.click();
    (reversible ? form<amfinaioxi>().reversibleyes : form<amfinaioxi>().reversibleno).click();
    seen("reversibility");
    form<amfinaioxi>().Command3.click();
    seen("parameters");
    return form<YPOTHETIKES>();
}

// "Start" on the run control, without the pause after each conversion.
inline apotelesmata &start()
{
    auto &run = toolkit::form<apotelesmata>();
    run.setConversionPause(false);
    run.Command2.click();
    return run;
}

// "Next>" on the parameters window and "Start" on the run control.
inline apotelesmata &startRun()
{
    toolkit::form<YPOTHETIKES>().Command2.click();
    return start();
}

// n intervals of the run control's timer.
inline void ticks(int n)
{
    for (int k = 0; k < n; ++k)
        toolkit::form<apotelesmata>().Timer1.tick();
}

// Ticks until the run stops by itself; how many it took.
inline int runToTheEnd()
{
    auto &timer = toolkit::form<apotelesmata>().Timer1;
    int n = 0;
    for (; timer.enabled() && n < 10000; ++n)
        timer.tick();
    return n;
}

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
    return start();
}

// "Start", "Chemical Reactions", "ACID": the acid examples window is showing.
inline OXEA1 &toAcidExamples()
{
    using toolkit::form;
    form<eisodos>().Command1.click();
    form<eisagogi>().ximia[0].click();
    form<neaepilogi>().ACIDS.click();
    return form<OXEA1>();
}

// The chapters whose runs the tests compare.
enum class Chapter { Reaction, Decay, Acid };

// A started run of the chapter: two reversible steps with all four rates, a
// decay series of three steps, or phosphoric acid at 0.15 mol/L.
inline apotelesmata &startChapterRun(Chapter chapter)
{
    using toolkit::form;
    if (chapter == Chapter::Decay)
        return startDecayRun(3);
    if (chapter == Chapter::Acid) {
        auto &w = toAcidExamples();
        w.concentration.setValue(15);
        w.Command2.click();
        w.Command7.click();
        return start();
    }
    auto &p = toParameters(true, true);
    p.kokkina.setValue(40);
    p.pithanotipiso.setValue(30);
    p.kokkinaprasina.setValue(20);
    return startRun();
}

// Whether the run's counts share its spots: each within 0..N, together N.
inline bool countsShareTheSpots()
{
    const auto &run = lesson::model().run();
    const auto n = run.counts();
    for (int count : {n.a, n.b, n.c, n.d})
        if (count < 0 || count > run.spotTotal())
            return false;
    return n.total() == run.spotTotal();
}

// Pixels of a colour in a window's drawing.
inline int inkCount(const toolkit::Canvas &canvas, QRgb rgb)
{
    const QImage image = canvas.image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xffffff) == (rgb & 0xffffff);
    return n;
}

// Whether a pixel of the colour lies within a few pixels across of the point
// (x, y) of the window's scale.
inline bool inkNear(const toolkit::Canvas &canvas, double x, double y, QRgb rgb, int across = 2)
{
    const QImage image = canvas.image();
    const double dpr = image.devicePixelRatio();
    const int px = int(std::lround(canvas.xToPixel(x) * dpr));
    const int py = int(std::lround(canvas.yToPixel(y) * dpr));
    for (int dx = -across; dx <= across; ++dx)
        for (int dy = -across; dy <= across; ++dy) {
            const QPoint p(px + dx, py + dy);
            if (image.rect().contains(p) && (image.pixel(p) & 0xffffff) == (rgb & 0xffffff))
                return true;
        }
    return false;
}

} // namespace road
