// The run control window: starts and paces a run with its timer, records the
// counts, plots them and leads back to the parameters.
#include "graphs/apotelesmata.h"

#include "acids/CARBONIC.h"
#include "acids/grafvxc.h"
#include "acids/phform.h"
#include "decay/GNOSTED.h"
#include "decay/YPOTHDIASPASI.h"
#include "graphs/grafiki1.h"
#include "graphs/mathematical.h"
#include "graphs/ravdogram.h"
#include "kinetics/YPOTHETIKES.h"
#include "kinetics/antidrasi.h"
#include "shell/amfinaioxi.h"
#include "kinetics/core/Process.h"
#include "shell/core/SharedState.h"
#include "shell/neaepilogi.h"

#include <algorithm>

using namespace toolkit;
using shell::core::shared;
using toolkit::core::Int;

namespace {

using kinetics::core::eventsPerTick;
using kinetics::core::ModelCode;
using kinetics::core::sampleStride;
using kinetics::core::samplesPerTick;
namespace palette = kinetics::core::palette;

constexpr QRgb blue = palette::blue.argb();
constexpr QRgb green = palette::green.argb();
constexpr QRgb red = palette::liveRed.argb();
constexpr QRgb cyan = palette::cyan.argb();

// How far below its value line a rate's label is printed.
constexpr double labelDrop = 12;

} // namespace

apotelesmata::apotelesmata()
    : Form(QStringLiteral("apotelesmata"), 6000, 4500)
{
    setCaption(QStringLiteral("Controls"));
    Timer1.setInterval(0);
    Timer1.setEnabled(true);
    Command4.setCaption(QStringLiteral("Preset Parameteres     An Example"));
    Command3.setCaption(QStringLiteral("Exit"));
    Command2.setCaption(QStringLiteral("Start"));
    Command1.setCaption(QStringLiteral("New Adjustment of the parameters"));
    Command1.setEnabled(false);
    Label1.setCaption(QStringLiteral("The parameters of the reaction you have chosen are:"));
    Line1.setBorder(RGB(0, 0, 0), 1);

    Timer1.onTick([this] { tick(); });
    Command2.onClick([this] { start(); });
    Command1.onClick([this] { newAdjustment(); });
    Command4.onClick([this] { presetExample(); });
    Command3.onClick([] { endProgram(); });
}

void apotelesmata::load()
{
    auto &graphs = form<grafiki1>();
    setTop(graphs.top() + 1.005 * graphs.heightTwips());
    setLeft(screenWidth() / 2);
    setWidthTwips(screenWidth() / 2);
    setHeightTwips(screenHeight() / 2);
    scale(0, 200, 150, 0);
    setAutoRedraw(true);

    const QString &serif = fonts::serifGreek;
    Label1.move(2, 199, 146, 11);
    Label1.setFont(serif, 11, true);
    Line1.setPoints(0, 187, 150, 187);
    concentr.move(62, 182, 86, 10);
    temperatura.move(62, 171, 86, 10);
    for (int k = 0; k <= 3; ++k) {
        kapa[k].move(62, 158 - 11 * k, 86, 10);
        kapa[k].setFont(serif, 10, true);
    }
    concentr.setFont(serif, 11, true);
    temperatura.setFont(serif, 11, true);
    Command2.move(3, 72, 70, 24);
    Command1.move(77, 72, 70, 24);
    Command4.move(3, 44, 70, 24);
    Command3.move(77, 44, 70, 24);
    for (CommandButton *b : {&Command1, &Command2, &Command3, &Command4})
        b->setFont(serif, 10, true);
    Command2.setFontSize(14);

    for (int k = 0; k <= 3; ++k)
        kapa[k].hide();
    if (form<amfinaioxi>().reversibleno.value()) {
        const bool twoSteps = !form<neaepilogi>().Option1.value();
        auto &p = form<YPOTHETIKES>();
        p.Label1[0].setVisible(twoSteps);
        p.Label1[1].setVisible(twoSteps);
    }

    // The blue block of the initial layout; the other sites wait for Start.
    const int amount = form<YPOTHETIKES>().sidesq.value();
    m_blockSide = kinetics::core::blockSide(amount);
    form<antidrasi>().layOut(m_cells, amount, amount, false);
}

void apotelesmata::showRunWindows()
{
    auto &s = shared();
    auto &spots = form<antidrasi>();
    auto &graphs = form<grafiki1>();
    auto &bars = form<ravdogram>();
    spots.setAutoRedraw(true);
    spots.show();
    show();
    graphs.show();
    s.countA = spots.drawInitialSpots();
    s.countB = s.countC = s.countD = 0;
    bars.setTotal(s.countA);
    bars.drawBars();
    bars.show();
}

bool apotelesmata::replayEarlierRun()
{
    const auto &s = shared();
    auto &graphs = form<grafiki1>();
    auto &spots = form<antidrasi>();
    if (graphs.Check1.value()) {
        graphs.cls();
        spots.cls();
        return false;
    }
    spots.cls();
    zografizoble();
    if (s.amountChanged) {
        graphs.cls();
        return false;
    }
    zografizografiki();
    if (s.derivedGraphCount == 0)
        return false;
    graphs.kratimatimon();
    return true;
}

void apotelesmata::beginRateList()
{
    cls();
    setFontSize(12);
    setFontBold(true);
    setFontItalic(true);
    // The list keeps left of the amount and temperature beside it, and each
    // value above its label: on a small window its print shrinks, to the
    // readable floor at most.
    const double room = concentr.left() - 1;
    const double widest = textWidth(QStringLiteral("K       =0.00E+00"));
    const double shrink = std::min({1.0, room / widest, labelDrop / textHeight()});
    m_printShrink = std::max(readableFloorPoints / 12, shrink);
    setFontSize(12 * m_printShrink);
}

void apotelesmata::printRate(double rate, double y, const QString &label, const char *pattern)
{
    setCurrentX(0);
    setCurrentY(y);
    print(QStringLiteral("K       =") + Format(rate, pattern));
    setFontSize(10 * m_printShrink);
    setCurrentX(0);
    setCurrentY(y - labelDrop);
    print(label);
    setFontSize(12 * m_printShrink);
}

void apotelesmata::layOutLattice()
{
    const auto &s = shared();
    m_blockSide = kinetics::core::blockSide(s.initialAmount, s.latticeSide);
    // The block is always full: no top-up.
    m_placedCount = form<antidrasi>().layOut(m_cells, s.initialAmount, 0, true);
}

void apotelesmata::zografizoble()
{
    auto &s = shared();
    s.latticeSide = kinetics::core::latticeSide;
    if (s.codeA == 0)
        s.codeA = kinetics::core::defaultCodeA;
    layOutLattice();
}

void apotelesmata::start()
{
    auto &s = shared();
    s.concentrationAxisTop = kinetics::core::concentrationAxisTop(s.initialAmount);
    Command1.setEnabled(true);
    auto &graphs = form<grafiki1>();
    graphs.diaforikes.setEnabled(true);
    form<grafvxc>().hide();
    form<phform>().hide();
    form<mathematical>().hide();

    auto &spots = form<antidrasi>();
    spots.setAutoRedraw(false);
    graphs.setAutoRedraw(false);
    spots.cls();
    if (graphs.Check1.value())
        graphs.cls();
    graphs.setRunScale();
    graphs.setCurrentX(s.runDuration / 10.0);
    graphs.setCurrentY(s.concentrationAxisTop);
    graphs.setForeColor(RGB(0, 0, 0));
    graphs.print(s.chemistryChosen ? QStringLiteral("mol/L") : QStringLiteral("    N"));

    m_tickInterval = kinetics::core::tickInterval(s.modelCode, s.temperatureC);
    Timer1.setInterval(m_tickInterval);

    auto &parameters = form<YPOTHETIKES>();
    s.latticeSide = kinetics::core::latticeSide;
    s.initialAmount = parameters.sidesq.value();
    s.runDuration = parameters.xronosolos.value();
    parameters.tempotherm.setValue(s.temperatureC);
    s.reactionRun = kinetics::core::isChemistry(s.modelCode);
    s.codeB = kinetics::core::defaultCodeB;
    s.codeA = kinetics::core::defaultCodeA;
    s.lowestIndex = 1;
    layOutLattice();

    m_spotTotal = m_placedCount;
    s.countA = m_spotTotal;
    s.countB = s.countC = s.countD = 0;
    s.tickCount = 0;
    m_recordIndex = 1;
    m_recordA.assign(1, 0);
    m_recordB.assign(1, 0);
    m_recordC.assign(1, 0);
    m_runTime = 0;
    form<ravdogram>().setTotal(m_spotTotal);

    Timer1.setEnabled(true);

    graphs.setDrawWidth(5);
    graphs.pset(s.tickCount, s.initialAmount * double(s.countA) / m_spotTotal / 100, graphs.foreColor());
    graphs.setDrawWidth(1);

    s.runCount += 1;
    m_replayTotal = m_spotTotal;
    s.amountChanged = false;
}

void apotelesmata::tick()
{
    auto &s = shared();
    if (m_spotTotal <= 0)
        return; // no run was started
    s.latticeSide = kinetics::core::latticeSide;
    s.initialAmount = form<YPOTHETIKES>().sidesq.value();
    m_blockSide = kinetics::core::blockSide(s.initialAmount, s.latticeSide);
    s.lowestIndex = 1;
    toolkit::core::randomizeFromClock();

    auto &graphs = form<grafiki1>();
    auto &spots = form<antidrasi>();
    auto &bars = form<ravdogram>();
    const double scaleY = s.initialAmount / double(m_spotTotal) / 100;
    const bool decay = kinetics::core::isDecay(s.modelCode);
    const bool secondStep = decay ? !form<YPOTHDIASPASI>().Option1.value() : !form<neaepilogi>().Option1.value();
    const bool thirdStep = decay && form<YPOTHDIASPASI>().Option3.value();

    // The counts at time x: blue and green always, red once there is a
    // second step, cyan for a decay series of three.
    const auto plotCounts = [&](double x, const kinetics::core::Counts &c) {
        graphs.pset(x, c.a * scaleY, blue);
        graphs.pset(x, c.b * scaleY, green);
        if (secondStep)
            graphs.pset(x, c.c * scaleY, red);
        if (thirdStep)
            graphs.pset(x, c.d * scaleY, cyan);
    };

    graphs.setDrawWidth(3);
    plotCounts(m_runTime, shell::core::counts(s));
    graphs.setDrawWidth(1);

    // What an event does besides changing a site: redraw that spot and, after
    // a blue spot turns green, beep and pause.
    struct StepHooks
    {
        apotelesmata *run;
        antidrasi *spots;
        void redraw(int i, int j, int code) { spots->drawSpot(i, j, code, run->m_blockSide); }
        void beep()
        {
            if (run->m_pause)
                toolkit::beep();
        }
        void pause()
        {
            if (run->m_pause)
                kinetics::core::conversionPause();
        }
    };

    auto &rng = toolkit::core::generator();
    const kinetics::core::LatticeRun lattice = shell::core::latticeRun(s);
    kinetics::core::Counts n = shell::core::counts(s);
    for (int k = 0; k < eventsPerTick; ++k) {
        plotCounts(m_runTime + k * double(m_tickInterval) / eventsPerTick, n);

        kinetics::core::randomStep(m_cells, lattice, n, m_spotTotal, rng, StepHooks{this, &spots});
        shell::core::setCounts(s, n);

        bars.drawBars();
        if (k % sampleStride == 0) {
            if (static_cast<std::size_t>(m_recordIndex) >= m_recordA.size()) {
                const std::size_t grown = m_recordA.size() + 16 * samplesPerTick;
                m_recordA.resize(grown);
                m_recordB.resize(grown);
                m_recordC.resize(grown);
            }
            m_recordA[m_recordIndex] = s.countA;
            m_recordB[m_recordIndex] = s.countB;
            m_recordC[m_recordIndex] = s.countC;
            m_recordIndex += 1;
        }
    }

    s.tickCount += 1;
    m_runTime += Timer1.interval();
    if (m_runTime > s.runDuration)
        Timer1.setEnabled(false);
}

int apotelesmata::record(int kind, int index) const
{
    const std::vector<int> &r = kind == 0 ? m_recordA : kind == 1 ? m_recordB : m_recordC;
    return index >= 0 && static_cast<std::size_t>(index) < r.size() && index < m_recordIndex ? r[index] : 0;
}

void apotelesmata::zografizografiki()
{
    auto &s = shared();
    auto &graphs = form<grafiki1>();
    graphs.setAutoRedraw(true);
    if (m_replayTotal > 0 && m_tickInterval > 0) {
        const int recorded = m_recordIndex; // entries 1..recorded-1 hold samples
        int index = 1;
        const double scaleY = s.initialAmount / double(m_replayTotal) / 100;
        for (int n = 0; n * double(m_tickInterval) < s.runDuration && index < recorded; ++n) {
            const double t = n * double(m_tickInterval);
            if (t > m_stopTime)
                continue;
            for (int k = 0; k < eventsPerTick && index < recorded; k += sampleStride, ++index) {
                const double x = t + k * double(m_tickInterval) / eventsPerTick;
                graphs.pset(x, m_recordA[index] * scaleY, blue);
                graphs.pset(x, m_recordB[index] * scaleY, green);
                graphs.pset(x, m_recordC[index] * scaleY, red);
            }
        }
    }
    graphs.setRunScale();
}

void apotelesmata::newAdjustment()
{
    form<grafvxc>().hide();
    form<phform>().hide();
    Timer1.setEnabled(false);
    m_stopTime = m_runTime;
    form<grafiki1>().setAutoRedraw(true);
    if (kinetics::core::isChemistry(shared().modelCode))
        form<YPOTHETIKES>().show();
    else
        form<YPOTHDIASPASI>().show();
}

void apotelesmata::presetExample()
{
    Timer1.setEnabled(false);
    auto &s = shared();
    if (!s.chemistryChosen) {
        s.modelCode = ModelCode::DecayExample;
        auto &example = form<GNOSTED>();
        example.show();
        example.xronosolos.setValue(75);
        s.runDuration = 75;
    } else {
        form<CARBONIC>().show();
    }
}
