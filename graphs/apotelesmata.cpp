#include "graphs/apotelesmata.h"

#include "graphs/Captions.h"
#include "graphs/Counts.h"
#include "graphs/SpotWindow.h"
#include "graphs/grafiki1.h"
#include "graphs/mathematical.h"
#include "graphs/ravdogram.h"
#include "kinetics/core/Process.h"
#include "shell/Quantities.h"
#include "shell/Roads.h"
#include "shell/core/SharedState.h"

#include <algorithm>

using namespace toolkit;
using shell::core::shared;
using toolkit::core::Int;

namespace {

using kinetics::core::ModelCode;
namespace palette = kinetics::core::palette;

constexpr QRgb blue = palette::blue.argb();
constexpr QRgb green = palette::green.argb();
constexpr QRgb red = palette::liveRed.argb();
constexpr QRgb cyan = palette::cyan.argb();

// What the spots and the bars tell a listener: the count of each kind.
void describeCounts(toolkit::Form &spots, toolkit::Form &bars, const kinetics::core::Counts &counts)
{
    const QString text = QStringLiteral("%1 blue A, %2 green B, %3 red C, %4 cyan D")
                              .arg(counts.a)
                              .arg(counts.b)
                              .arg(counts.c)
                              .arg(counts.d);
    spots.setDescription(text);
    bars.setDescription(text);
}

// How far below its value line a rate's label is printed, at most.
constexpr double labelDrop = 12;

} // namespace

apotelesmata::apotelesmata()
    : Form(QStringLiteral("apotelesmata"), QStringLiteral("Controls"), 6000, 4500)
{
    Timer1.setInterval(0);
    Timer1.setEnabled(true);
    Command4.setCaption(QStringLiteral("Preset Parameteres     An Example"));
    Command3.setCaption(QStringLiteral("Exit"));
    Command2.setCaption(QStringLiteral("Start"));
    Command1.setCaption(QStringLiteral("New Adjustment of the parameters"));
    Command1.setEnabled(false);
    Label1.setCaption(QStringLiteral("The parameters of the reaction you have chosen are:"));
    Line1.setBorder(RGB(0, 0, 0), 1);

    Command2.setDefault(true);

    Timer1.onTick([this] { tick(); });
    Command2.onClick([this] { start(); });
    Command1.onClick([this] { newAdjustment(); });
    Command4.onClick([this] { presetExample(); });
    Command3.onClick([] { endProgram(); });
    offerPicture(*this);
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

    // The blue block of the initial layout; the other sites wait for Start.
    const int amount = shell::amount().value();
    auto &run = shared().run;
    run.setBlockSide(kinetics::core::blockSide(amount));
    shell::spotWindow().layOut(run.cells(), amount, amount, false);

    // Each run window saves the run's counts.
    for (Canvas *window : {static_cast<Canvas *>(&shell::spotWindow().window()), static_cast<Canvas *>(&graphs),
                           static_cast<Canvas *>(&form<ravdogram>()), static_cast<Canvas *>(this)})
        offerFile(*window, QStringLiteral("Save Counts As..."), QStringLiteral("CSV table (*.csv)"),
                  [this] { return countsCsv(); });
}

QByteArray apotelesmata::countsCsv() const
{
    return graphs::countsCsv(m_runNotes.empty() ? graphs::describeRun() : m_runNotes);
}

void apotelesmata::showRunWindows()
{
    auto &s = shared();
    auto &spots = shell::spotWindow();
    auto &graphs = form<grafiki1>();
    auto &bars = form<ravdogram>();
    tileQuarters(spots.window(), graphs, bars, *this);
    spots.window().setAutoRedraw(true);
    spots.window().show();
    graphs.show();
    s.run.setCounts({spots.drawInitialSpots(), 0, 0, 0});
    bars.setTotal(s.run.counts().a);
    bars.drawBars(s.run.counts());
    describeCounts(spots.window(), bars, s.run.counts());
    bars.show();
    show(); // last: the keyboard is on Start
}

bool apotelesmata::replayEarlierRun()
{
    const auto &s = shared();
    auto &graphs = form<grafiki1>();
    auto &spots = shell::spotWindow().window();
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
    // Just below its value line: on a large window the design's drop would
    // leave it far under it.
    const double drop = std::min(labelDrop, 1.2 * textHeight());
    setFontSize(10 * m_printShrink);
    setCurrentX(0);
    setCurrentY(y - drop);
    print(label);
    setFontSize(12 * m_printShrink);
}

void apotelesmata::showTemperature(int celsius) { temperatura.setCaption(graphs::temperatureText(celsius)); }

void apotelesmata::showRate(int row, const QString &prefix, double rate, const char *pattern)
{
    kapa[row].setCaption(prefix + Format(rate, pattern));
}

void apotelesmata::listReactionRates(const kinetics::core::StepProbabilities &k, bool reversible, bool twoSteps)
{
    beginRateList();
    printRate(k.k1, 185, QStringLiteral(" A->B"), "0.00E+00");
    if (reversible)
        printRate(k.k1Reverse, 161, QStringLiteral(" B->A"), "0.00E+00");
    if (twoSteps) {
        printRate(k.k2, 137, QStringLiteral(" B->C"), "0.00E+00");
        if (reversible)
            printRate(k.k2Reverse, 113, QStringLiteral(" C->B"), "0.00E+00");
    }
}

void apotelesmata::listDecayRates(const std::array<double, 3> &k, int steps)
{
    static constexpr double lines[3][3] = {{185, 0, 0}, {185, 137, 0}, {185, 149, 113}};
    const char *labels[] = {"   1", "   2", "   3"};
    beginRateList();
    for (int i = 0; i < steps; ++i)
        printRate(k[std::size_t(i)], lines[steps - 1][i], QLatin1String(labels[i]), "0.00e+00");
}

int apotelesmata::layOutLattice()
{
    auto &s = shared();
    s.run.setBlockSide(kinetics::core::blockSide(s.initialAmount, s.latticeSide));
    // The block is always full: no top-up.
    return shell::spotWindow().layOut(s.run.cells(), s.initialAmount, 0, true);
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
    shell::hideAcidGraphs();
    form<mathematical>().hide();

    auto &spots = shell::spotWindow().window();
    // A run window closed by its frame comes back for the run.
    bool reopened = false;
    for (Form *w : {&spots, static_cast<Form *>(&graphs), static_cast<Form *>(&form<ravdogram>())}) {
        if (!w->isVisible()) {
            w->show();
            reopened = true;
        }
    }
    if (reopened)
        bringToFront();
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

    const int interval = kinetics::core::tickInterval(s.modelCode, s.temperatureC);
    Timer1.setInterval(interval);

    s.latticeSide = kinetics::core::latticeSide;
    s.initialAmount = shell::amount().value();
    s.runDuration = shell::duration().value();
    shell::temperature().set(s.temperatureC);
    s.reactionRun = kinetics::core::isChemistry(s.modelCode);
    s.codeB = kinetics::core::defaultCodeB;
    s.codeA = kinetics::core::defaultCodeA;
    s.lowestIndex = 1;
    // The run keeps its process, its probabilities and its kinds to its end.
    kinetics::core::RunSetup setup;
    setup.spots = layOutLattice();
    setup.interval = interval;
    setup.lattice = shell::core::latticeRun(s);
    setup.kinds = shell::core::plottedKinds(s);
    s.run.start(setup);
    form<ravdogram>().setTotal(s.run.spotTotal());

    Timer1.setEnabled(true);

    graphs.setDrawWidth(5);
    const double perSpot = kinetics::core::amountPerSpot(s.initialAmount, s.run.spotTotal());
    graphs.pset(s.run.tickCount(), s.run.counts().a * perSpot, graphs.foreColor());
    graphs.setDrawWidth(1);

    s.runCount += 1;
    s.amountChanged = false;
    m_runNotes = graphs::describeRun();
}

// What a tick draws: its points on the graphs window, the counts on the bars
// and the changed spots on the spot window.
class apotelesmata::View final : public kinetics::core::RunView
{
public:
    View(grafiki1 &graphs, ravdogram &bars, graphs::SpotWindow &spots, bool pause)
        : m_graphs(graphs)
        , m_bars(bars)
        , m_spots(spots)
        , m_pause(pause)
    {
    }

    void plot(double x, const kinetics::core::Amounts &y, int kinds, int penWidth) override
    {
        static constexpr QRgb colours[] = {blue, green, red, cyan};
        m_graphs.setDrawWidth(penWidth);
        for (int m = 0; m < kinds; ++m)
            m_graphs.pset(x, y[std::size_t(m)], colours[m]);
        m_graphs.setDrawWidth(1);
    }
    void showCounts(const kinetics::core::Counts &counts) override { m_bars.drawBars(counts); }
    void redrawSpot(int i, int j, int code, int blockSide) override { m_spots.drawSpot(i, j, code, blockSide); }
    void converted() override
    {
        if (!m_pause)
            return;
        toolkit::beep();
        kinetics::core::conversionPause();
    }

private:
    grafiki1 &m_graphs;
    ravdogram &m_bars;
    graphs::SpotWindow &m_spots;
    bool m_pause;
};

void apotelesmata::tick()
{
    auto &s = shared();
    if (!s.run.running()) {
        Timer1.setEnabled(false);
        return;
    }
    s.latticeSide = kinetics::core::latticeSide;
    s.initialAmount = shell::amount().value();
    s.lowestIndex = 1;

    kinetics::core::TickInput in;
    in.amount = s.initialAmount;
    in.interval = Timer1.interval();
    in.duration = s.runDuration;

    View view(form<grafiki1>(), form<ravdogram>(), shell::spotWindow(), m_pause);
    s.run.tick(toolkit::core::generator(), in, view);
    describeCounts(shell::spotWindow().window(), form<ravdogram>(), s.run.counts());
    if (!s.run.running())
        Timer1.setEnabled(false);
}

void apotelesmata::zografizografiki()
{
    auto &s = shared();
    auto &graphs = form<grafiki1>();
    graphs.setAutoRedraw(true);
    s.run.replay(s.initialAmount, s.runDuration, [&](double x, double a, double b, double c) {
        graphs.pset(x, a, blue);
        graphs.pset(x, b, green);
        graphs.pset(x, c, red);
    });
    graphs.setRunScale();
}

void apotelesmata::newAdjustment()
{
    shell::hideAcidGraphs();
    Timer1.setEnabled(false);
    shared().run.stop();
    form<grafiki1>().setAutoRedraw(true);
    shell::showParameters(kinetics::core::isChemistry(shared().modelCode));
}

void apotelesmata::presetExample()
{
    Timer1.setEnabled(false);
    auto &s = shared();
    if (!s.chemistryChosen)
        s.modelCode = ModelCode::DecayExample;
    shell::showExample(s.chemistryChosen);
    if (!s.chemistryChosen)
        s.runDuration = 75;
}
