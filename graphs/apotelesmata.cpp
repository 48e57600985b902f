#include "graphs/apotelesmata.h"

#include "graphs/Captions.h"
#include "graphs/SpotWindow.h"
#include "graphs/core/CountsTable.h"
#include "graphs/grafiki1.h"
#include "graphs/mathematical.h"
#include "graphs/metriseis.h"
#include "graphs/ravdogram.h"
#include "kinetics/core/Process.h"
#include "kinetics/core/RunSetup.h"
#include "lesson/Model.h"
#include "shell/Roads.h"

#include <algorithm>

using namespace toolkit;

namespace {

using kinetics::core::ModelCode;
namespace palette = kinetics::core::palette;

// What the spots and the bars tell a listener: the count of each kind.
void describeCounts(toolkit::Form &spots, toolkit::Form &bars, const kinetics::core::Counts &counts)
{
    const QString text = graphs::countsText(counts);
    spots.setDescription(text);
    bars.setDescription(text);
}

// How far below its value line a rate's label is printed, at most.
constexpr double labelDrop = 12;

} // namespace

apotelesmata::apotelesmata()
    : Form(QStringLiteral("apotelesmata"), tr("Controls"), 6000, 4500)
{
    Timer1.setInterval(0);
    Timer1.setEnabled(true);
    Command4.setCaption(tr("Preset Parameteres     An Example"));
    Command3.setCaption(tr("Exit"));
    Command2.setCaption(tr("Start"));
    Command1.setCaption(tr("New Adjustment of the parameters"));
    Command1.setEnabled(false);
    Label1.setCaption(tr("The parameters of the reaction you have chosen are:"));
    Line1.setBorder(RGB(0, 0, 0), 1);

    Command2.setDefault(true);

    Timer1.onTick([this] { tick(); });
    Command2.onClick([this] { start(); });
    Command1.onClick([this] { newAdjustment(); });
    Command4.onClick([this] { presetExample(); });
    Command3.onClick([] { endProgram(); });
    offerPicture(*this);
    setRedraw([this] {
        if (m_listed)
            listRates(*m_listed);
    });
    QObject::connect(&lesson::announcer(), &lesson::Announcer::runFinished, this, [this] {
        Timer1.setEnabled(false);
        tell(tr("The run has ended."));
    });
    QObject::connect(&lesson::announcer(), &lesson::Announcer::inputsChanged, this, [this] { showPlan(); });
}

void apotelesmata::load()
{
    auto &graphs = form<grafiki1>();
    setTop(graphs.top() + 1.005 * graphs.heightTwips());
    setLeft(screenWidth() / 2);
    setWidthTwips(screenWidth() / 2);
    setHeightTwips(screenHeight() / 2);
    scale(0, 200, 150, 0);

    const QString &serif = fonts::serifGreek;
    Label1.move(2, 199, 146, 11);
    Label1.setFont(serif, 11, true);
    Line1.setPoints(0, 187, 150, 187);
    concentr.move(62, 182, 86, 10);
    temperatura.move(62, 171, 86, 10);
    for (int k = 0; k <= 3; ++k) {
        kapa[k].move(62, 158 - 11 * k, 86, 10);
        kapa[k].setFont(serif, 10, true);
        kapa[k].hide();
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

    // Each run window saves the run's counts and repeats the run.
    for (Canvas *window : {static_cast<Canvas *>(&shell::spotWindow().window()), static_cast<Canvas *>(&graphs),
                           static_cast<Canvas *>(&form<ravdogram>()), static_cast<Canvas *>(this)}) {
        offerFile(*window, tr("Save Counts As..."), tr("CSV table (*.csv)"),
                  [this] { return countsCsv(); });
        graphs.offerRepeats(*window);
    }
}

QByteArray apotelesmata::countsCsv() const
{
    const auto &run = lesson::model().run();
    const auto &graphs = form<grafiki1>();
    return QByteArray::fromStdString(graphs::core::countsTable(run.setup(), run.history(), graphs.smoothOf(run),
                                                               graphs.ensembleOf(run),
                                                               graphs::core::measurementNotes(metriseis::measuredRun())));
}

void apotelesmata::showRunWindows()
{
    auto &spots = shell::spotWindow().window();
    auto &graphs = form<grafiki1>();
    auto &bars = form<ravdogram>();
    tileQuarters(spots, graphs, bars, *this);
    spots.show();
    graphs.show();
    bars.show();
    show(); // last: the keyboard is on Start
}

void apotelesmata::zografizoble(const kinetics::core::RunSetup &setup)
{
    lesson::model().layOut(setup,
                           [&](kinetics::core::Grid &cells) { shell::spotWindow().layOut(cells, setup.amount); });
}

void apotelesmata::showCounts(const kinetics::core::RunSetup &setup, const kinetics::core::Counts &counts)
{
    auto &bars = form<ravdogram>();
    bars.setTotal(setup.spots);
    bars.drawBars(counts);
    describeCounts(shell::spotWindow().window(), bars, counts);
}

void apotelesmata::frameGraph(const kinetics::core::RunSetup &next, bool replayAlways)
{
    auto &graphs = form<grafiki1>();
    const auto framing =
        lesson::model().framingFor(next, graphs.Check1.value() != 0, !graphs.framedFor(next), replayAlways);
    if (framing.clear)
        graphs.cls();
    graphs.showFrame(next); // what stood on another scale is cleared
    if (framing.replay) {
        zografizografiki();
        graphs.kratimatimon();
    }
}

void apotelesmata::prepareRun()
{
    Timer1.setEnabled(false);
    const auto next = lesson::model().plan();
    showRunWindows();
    zografizoble(next);
    showCounts(next, lesson::model().run().counts());
    frameGraph(next, true);
    showSetup(next);
}

void apotelesmata::showPlan()
{
    const auto &lesson = lesson::model();
    if (!isVisible() || lesson.running())
        return;
    const auto next = lesson.plan();
    if (m_listed && *m_listed == next)
        return;
    zografizoble(next);
    showCounts(next, lesson.run().counts());
    frameGraph(next, false);
    showSetup(next);
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
    m_rateRows.clear();
}

void apotelesmata::printRate(double rate, double y, const QString &label, const char *pattern, bool perMinute)
{
    setCurrentX(0);
    setCurrentY(y);
    const QString value = QStringLiteral("K       =") + Format(rate, pattern);
    print(value);
    // Read as a listener expects: the constant's name, then its value, and
    // for a decay its unit, the decay window's min-1.
    const QString name = QStringLiteral("K") + (label.trimmed().front().isDigit() ? QString() : QStringLiteral(" "))
                         + label.trimmed();
    m_rateRows << (perMinute ? tr("%1 = %2 min-1") : tr("%1 = %2")).arg(name, Format(rate, pattern));
    // Just below its value line: on a large window the design's drop would
    // leave it far under it.
    const double drop = std::min(labelDrop, 1.2 * textHeight());
    setFontSize(10 * m_printShrink);
    setCurrentX(0);
    setCurrentY(y - drop);
    print(label);
    setFontSize(12 * m_printShrink);
}

void apotelesmata::listRates(const kinetics::core::RunSetup &setup)
{
    const auto &k = setup.rates.steps;
    beginRateList();
    if (!setup.chemistry()) {
        static constexpr double lines[3][3] = {{185, 0, 0}, {185, 137, 0}, {185, 149, 113}};
        const double rates[] = {k.k1, k.k2, k.k3};
        const int steps = std::clamp(setup.steps, 1, 3);
        for (int i = 0; i < steps; ++i)
            printRate(rates[i], lines[steps - 1][i], graphs::seriesStepLabel(i), "0.00e+00", true);
        return;
    }
    printRate(k.k1, 185, QStringLiteral(" A->B"), "0.00E+00");
    if (setup.reversible)
        printRate(k.k1Reverse, 161, QStringLiteral(" B->A"), "0.00E+00");
    if (setup.steps >= 2) {
        printRate(k.k2, 137, QStringLiteral(" B->C"), "0.00E+00");
        if (setup.reversible)
            printRate(k.k2Reverse, 113, QStringLiteral(" C->B"), "0.00E+00");
    }
}

void apotelesmata::showSetup(const kinetics::core::RunSetup &setup)
{
    concentr.setCaption(graphs::amountText(setup));
    temperatura.setCaption(graphs::temperatureText(setup.temperatureC));
    for (int step = 0; step < 4; ++step)
        kapa[step].setCaption(graphs::rateLabelText(setup, step));
    m_listed = setup;
    listRates(setup);
    // Every row of the list, also where two read alike but for their values.
    setDescription(m_rateRows.join(QStringLiteral("; ")));
}

void apotelesmata::start()
{
    auto &lesson = lesson::model();
    // The run as it starts: everything that describes it reads this.
    const auto setup = lesson.plan();
    Command1.setEnabled(true);
    auto &graphs = form<grafiki1>();
    graphs.diaforikes.setEnabled(true);
    shell::hideAcidGraphs();
    form<mathematical>().hide();
    // The copies' and the measurements' windows, where made, were of the
    // run before.
    for (const char *name : {"katanomi", "metriseis"})
        if (Form *w = createdForm(QLatin1String(name)))
            w->hide();

    // A run window closed by its frame comes back for the run, and all four
    // come back over a page a click brought up; the keyboard stays on Start.
    // Raised only when a page stands over them: xfwm4 gives the keyboard to
    // the last window raised, whatever is asked after it.
    const std::vector<Form *> shown = visibleForms();
    const auto page = std::find_if(shown.rbegin(), shown.rend(), [](const Form *w) { return w->fillsWorkArea(); });
    bool raised = false;
    for (Form *w : {&shell::spotWindow().window(), static_cast<Form *>(&graphs),
                    static_cast<Form *>(&form<ravdogram>())}) {
        if (!w->isVisible()) {
            w->show();
        } else if (page != shown.rend() && std::find(page.base(), shown.end(), w) == shown.end()) {
            w->raiseOnly();
            raised = true;
        }
    }
    bringToFront();
    // Asked again once the manager has raised them.
    if (raised)
        QTimer::singleShot(100, this, [this] { bringToFront(); });
    if (graphs.repeating())
        graphs.stopRepeats();
    frameGraph(setup, false);
    graphs.printUnit(setup);

    Timer1.setInterval(setup.interval);
    zografizoble(setup);
    lesson.start();
    showCounts(setup, lesson.run().counts());
    showSetup(setup);

    Timer1.setEnabled(true);
    graphs.startRun(lesson.run().recording());
    tell(tr("The run starts."));
}

void apotelesmata::tell(const QString &news)
{
    const auto &run = lesson::model().run();
    if (!run.started())
        return;
    const auto *recording = run.recording().get();
    kinetics::core::TickCounts latest{0, run.counts()};
    if (recording && !recording->history.empty())
        latest = recording->history.back();
    const QString amounts = graphs::amountsAt(run.setup(), latest);
    announce(*this, news.isEmpty() ? amounts : news + QLatin1Char(' ') + amounts);
    m_told.start();
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
        m_graphs.setDrawWidth(penWidth);
        for (int m = 0; m < kinds; ++m)
            m_graphs.pset(x, y[std::size_t(m)], qColor(palette::livePoint(m)));
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
    auto &lesson = lesson::model();
    if (!lesson.running()) {
        Timer1.setEnabled(false);
        return;
    }
    View view(form<grafiki1>(), form<ravdogram>(), shell::spotWindow(), m_pause);
    lesson.tick(toolkit::core::generator(), view);
    describeCounts(shell::spotWindow().window(), form<ravdogram>(), lesson.run().counts());
    form<grafiki1>().describeGraph();
    // At a pace a listener can follow.
    constexpr qint64 toldEvery = 5000; // ms
    if (lesson.running() && m_told.isValid() && m_told.elapsed() >= toldEvery)
        tell(QString());
}

void apotelesmata::zografizografiki() { form<grafiki1>().replayRun(lesson::model().run().recording()); }

void apotelesmata::newAdjustment()
{
    shell::hideAcidGraphs();
    lesson::model().endRun();
    Timer1.setEnabled(false);
    shell::showParameters(kinetics::core::isChemistry(lesson::model().inputs().process));
}

void apotelesmata::presetExample()
{
    auto &lesson = lesson::model();
    lesson.endRun();
    Timer1.setEnabled(false);
    if (!lesson.inputs().chemistryChosen)
        lesson.chooseProcess(ModelCode::DecayExample);
    shell::showExample(lesson.inputs().chemistryChosen);
}
