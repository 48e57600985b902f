#include "graphs/grafiki1.h"

#include "graphs/Captions.h"
#include "graphs/apotelesmata.h"
#include "graphs/core/CountsTable.h"
#include "graphs/core/DecaySeries.h"
#include "graphs/core/Ensemble.h"
#include "graphs/core/KeptRuns.h"
#include "graphs/core/Measure.h"
#include "graphs/drawPlotFrame.h"
#include "graphs/katanomi.h"
#include "graphs/mathematical.h"
#include "graphs/metriseis.h"
#include "graphs/ravdogram.h"
#include "kinetics/core/Palette.h"
#include "kinetics/core/Process.h"
#include "lesson/Model.h"
#include "shell/Roads.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QShortcut>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>
#include <tuple>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace toolkit;

namespace {

namespace palette = kinetics::core::palette;

// Two runs are drawn on the same scale when they share the duration, the
// axis top and the units of their frames.
bool sameFrame(const kinetics::core::RunSetup &a, const kinetics::core::RunSetup &b)
{
    return a.duration == b.duration && a.amount == b.amount && a.chemistry() == b.chemistry();
}

// The copies run on a pool of their own, never on Qt's global one: a save, a
// paint or Qt's own image work never waits behind them.
QThreadPool &repeatPool()
{
    static QThreadPool *pool = [] {
        auto *own = new QThreadPool(qApp);
        own->setObjectName(QStringLiteral("repeats"));
        own->setMaxThreadCount(1);
        return own;
    }();
    return *pool;
}

// What stops the copies being run, while they run.
std::weak_ptr<std::atomic<bool>> &runningCopies()
{
    static std::weak_ptr<std::atomic<bool>> cancel;
    return cancel;
}

// However the program ends (Exit, the end of a script, a closed session),
// the copies stop and are waited for before the application goes: it does
// not go on computing unseen, and no copy reports to a program that is gone.
void stopCopiesAtExit()
{
    if (const auto cancel = runningCopies().lock())
        *cancel = true;
    repeatPool().waitForDone();
}

// The thread that runs the copies yields to every other of the program and
// of the desktop (the nicest a thread can be, which the threads it starts
// inherit): on one processor the window answers as quickly as without
// them, and on a busy machine they still go on.
void yieldToTheWindow() { ::setpriority(PRIO_PROCESS, pid_t(::syscall(SYS_gettid)), 19); }

} // namespace

// The copies being run beside the window.
struct grafiki1::Job
{
    int copies = 0;
    std::atomic<int> done{0};
    std::atomic<bool> cancelled{false};
    std::atomic<bool> finished{false};
};

grafiki1::grafiki1()
    : Form(QStringLiteral("grafiki1"), tr("Graphs"), 6000, 4500)
    , m_cursor(new graphs::ReadingCursor(*this, [this](double t) { return readingAt(t); }))
{
    setBackColor(RGB(255, 255, 192));
    setFontName(fonts::serifGreek);
    design(Check1, {1680, 0, 2175, 200}).setCaption(tr("Erase Previous Graphs"));
    Check1.setBackColor(RGB(255, 255, 192));
    diaforikes.setEnabled(false);
    // Help keeps its first letter (Alt+H) in every run, whether "Half
    // Lifes" is offered or not.
    voithia.setMnemonic(voithia.caption().front());

    diaforikes.onClick([this] { optimization(); });
    changerates.onClick([this] { changeOfRates(); });
    voithia.onClick([this] { help(); });
    metrisi.onClick([] { form<metriseis>().showMeasurements(); });
    xronoimizoi.onClick([this] { halfLifes(); });
    offerPicture(*this);
    setRedraw([this] { redrawAll(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, stopCopiesAtExit);
    static const bool atExit = (qAddPostRoutine(stopCopiesAtExit), true);
    Q_UNUSED(atExit);
    m_progress.setInterval(150);
    connect(&m_progress, &QTimer::timeout, this, [this] {
        if (m_job)
            showProgress(*this, tr("Repeating the run: %1 of %2 done (Escape stops it)")
                                    .arg(m_job->done.load())
                                    .arg(m_job->copies));
    });
}

void grafiki1::offerRepeats(Canvas &window)
{
    std::vector<std::pair<QString, std::function<void()>>> repeats;
    for (int copies : {10, 100, 1000})
        repeats.emplace_back(tr("%1 Times").arg(copies), [this, copies] { repeatRun(copies); });
    repeats.emplace_back(tr("Other Number..."), [this, &window] { askCopies(*window.window()); });
    offerChoices(window, tr("Repeat the Run..."),
                 tr("Run the last run again many times and show the spread of the copies"), repeats);
    offerAction(window, tr("Stop Repeating"), tr("Stop the copies of the run"), [this] { stopRepeats(); });
    offerAction(window, tr("Distribution of the Copies..."),
                tr("How the copies of the repeated run spread, against what the event rule predicts"),
                [this] { showDistribution(); });
    offerFile(window, tr("Save the Copies' Counts As..."), tr("CSV table (*.csv)"), [this] {
        const auto *stats = ensembleOf(lesson::model().run());
        return QByteArray::fromStdString(stats ? graphs::core::copiesTable(*stats)
                                               : "# copies: none yet: repeat the run first\n");
    });
    m_repeatWindows.emplace_back(window.window());
}

void grafiki1::showDistribution()
{
    if (!ensembleOf(lesson::model().run())) {
        showNotice(*this, tr("Repeat the run first: the distribution is that of its copies"));
        return;
    }
    auto &histogram = form<katanomi>();
    if (std::find(m_repeatWindows.begin(), m_repeatWindows.end(), &histogram) == m_repeatWindows.end())
        offerRepeats(histogram);
    if (!histogram.isVisible())
        histogram.placeOver(form<ravdogram>());
    histogram.showCopies(m_ensemble, m_previousEnsemble);
}

void grafiki1::askCopies(QWidget &over)
{
    using kinetics::core::fewestCopies, kinetics::core::mostCopies;
    auto *ask = new QInputDialog(&over);
    ask->setObjectName(QStringLiteral("repeatCount"));
    ask->setAttribute(Qt::WA_DeleteOnClose);
    ask->setWindowTitle(tr("Repeat the Run"));
    ask->setInputMode(QInputDialog::IntInput);
    ask->setLabelText(tr("How many copies of the run, from %1 to %2:").arg(fewestCopies).arg(mostCopies));
    ask->setIntRange(fewestCopies, mostCopies);
    ask->setIntStep(10);
    ask->setIntValue(m_askedCopies);
    connect(ask, &QInputDialog::intValueSelected, this, [this](int copies) {
        m_askedCopies = copies;
        repeatRun(copies);
    });
    ask->open();
}

bool grafiki1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !m_job)
        return Form::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (key->key() != Qt::Key_Escape || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !widget)
        return Form::eventFilter(watched, event);
    const QWidget *window = widget->window();
    const bool ours = std::any_of(m_repeatWindows.begin(), m_repeatWindows.end(),
                                  [window](const QPointer<QWidget> &w) { return w == window; });
    if (!ours)
        return Form::eventFilter(watched, event);
    stopRepeats();
    return true;
}

void grafiki1::load()
{
    setWidthTwips(screenWidth() / 2);
    setHeightTwips(screenHeight() / 2);
    setTop(0);
    setLeft(screenWidth() / 2);
    // The check box keeps to the top right corner, clear of the unit printed
    // at the top left of the graph.
    Check1.setTwips(widthTwips() - 2175 - 120, 0, 2175, 200);
    showFrame(lesson::model().plan());
}

void grafiki1::drawingCleared()
{
    m_layers.clear();
    hideNotice(*this);
    describeGraph();
    m_cursor->refresh();
}

// The points of the runs a graph keeps that a later run draws again exactly,
// at the same time and count, in the same colour and size: drawn once, by
// the last of them, they show the same as drawn by each. Hundreds of runs
// kept of one process share most of their points.
class grafiki1::LaterPoints
{
public:
    // The kinds of point a run plots, each in its own size.
    enum Family { Sample, TickStart, First };
    // Whether a later run draws this point: sample or tick start `index` of
    // kind `kind` at count `count`, or the first point. Marks it as drawn.
    bool drawnLater(const kinetics::core::RunSetup &setup, Family family, std::size_t index, int kind, int count)
    {
        if (count < 0 || count > setup.spots)
            return false;
        auto &bits = m_bits[{setup.interval, setup.spots, setup.amount, family}];
        const std::size_t words = std::size_t(setup.spots) / 64 + 1;
        const std::size_t at = (index * 4 + std::size_t(kind)) * words + std::size_t(count) / 64;
        if (at >= bits.size())
            bits.resize(std::max(at + 1, bits.size() * 2));
        const std::uint64_t bit = std::uint64_t(1) << (count % 64);
        const bool drawn = bits[at] & bit;
        bits[at] |= bit;
        return drawn;
    }

private:
    std::map<std::tuple<int, int, int, Family>, std::vector<std::uint64_t>> m_bits;
};

void grafiki1::redrawAll()
{
    if (m_frame)
        setConcentrationFrame(*this, *m_frame);
    // Which points each kept run leaves to a later one, the latest first.
    LaterPoints later;
    std::vector<std::vector<PlotPoint>> ticks(m_layers.size()), samples(m_layers.size());
    std::vector<bool> firsts(m_layers.size());
    for (std::size_t i = m_layers.size(); i-- > 0;) {
        const auto *run = std::get_if<RunLayer>(&m_layers[i]);
        if (!run)
            continue;
        const kinetics::core::Recording &rec = *run->run;
        const kinetics::core::RunSetup &setup = rec.setup;
        const int kinds = setup.kinds();
        std::size_t index = 0;
        const auto keep = [&](std::vector<PlotPoint> &points, LaterPoints::Family family, auto countOf) {
            return [&, family, countOf](double x, const kinetics::core::Amounts &y) {
                for (int m = 0; m < kinds; ++m)
                    if (!later.drawnLater(setup, family, index, m, countOf(m)))
                        points.push_back({x, y[std::size_t(m)], qColor(palette::livePoint(m)).rgb()});
                ++index;
            };
        };
        if (run->live) {
            firsts[i] = !later.drawnLater(setup, LaterPoints::First, 0, 0, setup.spots);
            index = 0;
            rec.tickStarts(keep(ticks[i], LaterPoints::TickStart, [&](int m) {
                if (index == 0)
                    return m == 0 ? setup.spots : 0;
                const kinetics::core::Counts n = rec.history[index - 1].counts;
                return std::array{n.a, n.b, n.c, n.d}[std::size_t(m)];
            }));
        }
        index = 0;
        rec.replay(keep(samples[i], LaterPoints::Sample, [&](int m) { return rec.sample(m, int(index) + 1); }));
    }
    // The copies' bands lie under every run's points; of copies made before
    // the latest, only their mean.
    const EnsembleLayer *latest = nullptr;
    for (const Layer &layer : m_layers)
        if (const auto *ensemble = std::get_if<EnsembleLayer>(&layer))
            latest = ensemble;
    for (const Layer &layer : m_layers)
        if (const auto *ensemble = std::get_if<EnsembleLayer>(&layer))
            drawEnsemble(*ensemble->stats, *ensemble->smooth, ensemble == latest);
    for (std::size_t i = 0; i < m_layers.size(); ++i) {
        const auto *run = std::get_if<RunLayer>(&m_layers[i]);
        if (std::holds_alternative<EnsembleLayer>(m_layers[i]))
            continue;
        if (!run) {
            drawLayer(m_layers[i]);
            continue;
        }
        drawRunPoints(*run->run, run->live, firsts[i], ticks[i], samples[i]);
    }
}

void grafiki1::addLayer(Layer layer)
{
    m_layers.push_back(std::move(layer));
    if (std::holds_alternative<RunLayer>(m_layers.back()) && dropOldestRuns())
        redraw();
    else
        drawLayer(m_layers.back());
    describeGraph();
    m_cursor->refresh();
}

std::optional<graphs::ReadingCursor::Reading> grafiki1::readingAt(double t) const
{
    // The latest of each: run, smooth curves, copies.
    const kinetics::core::Recording *run = nullptr;
    const graphs::core::SmoothSolution *smooth = nullptr;
    const kinetics::core::EnsembleStats *copies = nullptr;
    for (const Layer &layer : m_layers) {
        if (const auto *r = std::get_if<RunLayer>(&layer))
            run = r->run.get();
        else if (const auto *s = std::get_if<SmoothLayer>(&layer))
            smooth = s->smooth.get();
        else if (const auto *e = std::get_if<EnsembleLayer>(&layer))
            copies = e->stats.get();
    }
    // A run in progress is read where it has come to.
    if (run && (run->history.empty() || t > run->history.back().time))
        run = nullptr;
    if (!m_frame || (!run && !smooth && !copies))
        return std::nullopt;
    const auto &setup = run ? run->setup : copies ? copies->setup : *m_frame;
    const bool chemistry = setup.chemistry();
    const char *pattern = chemistry ? "0.000" : "0.0";
    graphs::ReadingCursor::Reading reading;
    reading.heading = chemistry ? tr("t = %1, in mol/L").arg(Format(t, "0.0"))
                                : tr("t = %1, in atoms").arg(Format(t, "0.0"));
    const int kinds = setup.kinds();
    // A line a kind: the run's count there, then the smooth curve and the
    // copies' mean, apart by a dot that no decimal comma is taken for.
    std::vector<QStringList> lines(static_cast<std::size_t>(kinds));
    const auto value = [&](double v) { return Format(v, pattern); };
    if (run) {
        const kinetics::core::Counts n = run->countsAt(t);
        const int counts[] = {n.a, n.b, n.c, n.d};
        for (int m = 0; m < kinds; ++m)
            lines[std::size_t(m)] << value(counts[m] * graphs::core::valuePerSpot(run->setup));
    }
    if (smooth)
        for (int m = 0; m < kinds; ++m)
            if (const double v = smooth->at(m, t); std::isfinite(v))
                lines[std::size_t(m)] << tr("smooth %1").arg(value(graphs::core::smoothValue(*smooth, setup, v)));
    if (copies && copies->ticks() > 0) {
        // Between the tick ends around t, from the start.
        const double at = t / copies->setup.interval - 1;
        const auto below = std::clamp(int(std::floor(at)), -1, copies->ticks() - 1);
        const auto above = std::min(below + 1, copies->ticks() - 1);
        const double share = std::clamp(at - below, 0.0, 1.0);
        for (int m = 0; m < kinds; ++m) {
            const auto &mean = copies->mean[std::size_t(m)];
            const double start = m == 0 ? copies->setup.spots : 0;
            const double low = below < 0 ? start : mean[std::size_t(below)], high = mean[std::size_t(above)];
            lines[std::size_t(m)]
                << tr("mean %1").arg(value((low + (high - low) * share) * graphs::core::valuePerSpot(copies->setup)));
        }
    }
    for (int m = 0; m < kinds; ++m)
        reading.values.emplace_back(QStringLiteral("%1 %2").arg(QString(QLatin1Char(char('A' + m))),
                                                                lines[std::size_t(m)].join(QStringLiteral(" \u00b7 "))),
                                    qColor(palette::kind(m)));
    return reading;
}

bool grafiki1::dropOldestRuns()
{
    // The runs kept, oldest first, each once, with their samples.
    std::vector<const kinetics::core::Recording *> runs;
    std::vector<std::size_t> samples;
    for (const Layer &layer : m_layers)
        if (const auto *run = std::get_if<RunLayer>(&layer))
            if (std::find(runs.begin(), runs.end(), run->run.get()) == runs.end()) {
                runs.push_back(run->run.get());
                samples.push_back(std::size_t(run->run->sampleCount()));
            }
    const std::size_t drop = graphs::core::oldestRunsToDrop(samples);
    if (drop == 0)
        return false;
    const std::vector<const kinetics::core::Recording *> gone(runs.begin(), runs.begin() + std::ptrdiff_t(drop));
    std::erase_if(m_layers, [&](const Layer &layer) {
        const auto *run = std::get_if<RunLayer>(&layer);
        return run && std::find(gone.begin(), gone.end(), run->run.get()) != gone.end();
    });
    showNotice(*this, tr("The oldest runs are no longer shown: the graph keeps the latest %1").arg(runs.size() - drop),
               true);
    return true;
}

void grafiki1::describeGraph()
{
    if (!m_frame)
        return;
    // The run shown last, at its latest recorded tick; the frame's run
    // before it starts.
    const kinetics::core::Recording *shown = nullptr;
    bool curves = false;
    for (const Layer &layer : m_layers) {
        if (const auto *run = std::get_if<RunLayer>(&layer))
            shown = run->run.get();
        curves = curves || std::holds_alternative<SmoothLayer>(layer) || std::holds_alternative<SeriesLayer>(layer)
                 || std::holds_alternative<EnsembleLayer>(layer);
    }
    const kinetics::core::RunSetup &setup = shown ? shown->setup : *m_frame;
    kinetics::core::TickCounts latest{0, {setup.spots, 0, 0, 0}};
    if (shown && !shown->history.empty())
        latest = shown->history.back();
    setDescription(graphs::graphText(setup, latest, curves));
}

void grafiki1::drawLayer(const Layer &layer)
{
    if (const auto *unit = std::get_if<UnitLayer>(&layer))
        drawUnit(unit->setup);
    else if (const auto *run = std::get_if<RunLayer>(&layer))
        drawRun(*run->run, run->live);
    else if (const auto *smooth = std::get_if<SmoothLayer>(&layer))
        drawCurves(*smooth->smooth);
    else if (const auto *marks = std::get_if<HalfLifeLayer>(&layer))
        drawHalfLives(marks->setup);
    else if (const auto *series = std::get_if<SeriesLayer>(&layer))
        drawSeries(series->k, series->setup);
    else if (const auto *ensemble = std::get_if<EnsembleLayer>(&layer))
        drawEnsemble(*ensemble->stats, *ensemble->smooth, true);
}

int grafiki1::runsShown() const
{
    std::vector<const kinetics::core::Recording *> runs;
    for (const Layer &layer : m_layers)
        if (const auto *run = std::get_if<RunLayer>(&layer))
            if (std::find(runs.begin(), runs.end(), run->run.get()) == runs.end())
                runs.push_back(run->run.get());
    return int(runs.size());
}

bool grafiki1::framedFor(const kinetics::core::RunSetup &setup) const
{
    return m_frame && sameFrame(*m_frame, setup);
}

void grafiki1::showFrame(const kinetics::core::RunSetup &setup)
{
    if (m_frame && !sameFrame(*m_frame, setup))
        cls();
    m_frame = setup;
    setConcentrationFrame(*this, setup);
    m_cursor->setRange(0, setup.duration, setup.interval);
    xronoimizoi.setVisible(kinetics::core::isDecay(setup.process));
    describeGraph();
}

void grafiki1::printUnit(const kinetics::core::RunSetup &setup) { addLayer(UnitLayer{setup}); }

void grafiki1::startRun(std::shared_ptr<const kinetics::core::Recording> run)
{
    addLayer(RunLayer{std::move(run), true});
}

void grafiki1::replayRun(std::shared_ptr<const kinetics::core::Recording> run)
{
    addLayer(RunLayer{std::move(run), false});
}

void grafiki1::drawRun(const kinetics::core::Recording &run, bool live)
{
    // The points of every kind, in the order the run plots them.
    const int kinds = run.setup.kinds();
    std::vector<PlotPoint> ticks, samples;
    const auto into = [&](std::vector<PlotPoint> &points) {
        return [&points, kinds](double x, const kinetics::core::Amounts &y) {
            for (int m = 0; m < kinds; ++m)
                points.push_back({x, y[std::size_t(m)], qColor(palette::livePoint(m)).rgb()});
        };
    };
    if (live)
        run.tickStarts(into(ticks));
    run.replay(into(samples));
    drawRunPoints(run, live, live, ticks, samples);
}

void grafiki1::drawRunPoints(const kinetics::core::Recording &run, bool live, bool first,
                             const std::vector<PlotPoint> &ticks, const std::vector<PlotPoint> &samples)
{
    if (live) {
        // The first point, large, in the window's colour, then the tick
        // points as the run plots them.
        setDrawWidth(5);
        if (first)
            pset(0, kinetics::core::amountPerSpot(run.setup.amount, run.setup.spots) * run.setup.spots, foreColor());
        setDrawWidth(3);
        pset(ticks);
        setDrawWidth(1);
    }
    pset(samples);
}

void grafiki1::drawUnit(const kinetics::core::RunSetup &setup)
{
    setCurrentX(setup.duration / 10.0);
    setCurrentY(kinetics::core::concentrationAxisTop(setup.amount));
    setForeColor(RGB(0, 0, 0));
    // The value axis' unit, as its numbers are: kept once, whatever the
    // number of runs that print it, and readable over their points.
    printLabel(setup.chemistry() ? tr("mol/L") : QStringLiteral("    N"));
}

const graphs::core::SmoothSolution *grafiki1::smoothOf(const kinetics::core::Run &run) const
{
    return m_smooth && run.started() && m_smoothRun == run.serial() ? m_smooth.get() : nullptr;
}

void grafiki1::drawCurves(const graphs::core::SmoothSolution &smooth)
{
    setDrawWidth(2);
    const int segments = smooth.segments();
    for (int m = 0; m < 4; ++m) {
        const auto &curve = smooth.amounts[std::size_t(m)];
        std::vector<QPointF> points;
        for (int k = 0; k <= segments; ++k)
            points.emplace_back(k * smooth.step, smooth.plotted(curve[std::size_t(k)]));
        polyline(points, qColor(palette::smoothCurve(m)));
    }
    setDrawWidth(1);
}

void grafiki1::kratimatimon()
{
    if (smoothOf(lesson::model().run()))
        addLayer(SmoothLayer{m_smooth});
}

void grafiki1::optimization()
{
    auto &lesson = lesson::model();
    const auto setup = lesson.described();
    if (m_frame)
        setConcentrationFrame(*this, *m_frame);
    lesson.countDerivedGraph();
    m_smooth = std::make_shared<const graphs::core::SmoothSolution>(graphs::core::smoothSolution(setup));
    m_smoothRun = lesson.describesRun() ? lesson.run().serial() : 0;
    addLayer(SmoothLayer{m_smooth});
    notePrediction();
}

void grafiki1::changeOfRates()
{
    auto &lesson = lesson::model();
    const auto setup = lesson.described();
    lesson.countDerivedGraph();
    form<mathematical>().showRates(setup, graphs::core::smoothSolution(setup));
}

void grafiki1::help() { shell::showNotes(form<apotelesmata>()); }

void grafiki1::drawMarks(const std::vector<graphs::core::MarkItem> &marks)
{
    using Kind = graphs::core::MarkItem::Kind;
    for (const auto &m : marks) {
        switch (m.kind) {
        case Kind::Line:
            line(m.x, m.y1, m.x, m.y2, qColor(m.colour));
            break;
        case Kind::TextColour:
            setForeColor(qColor(m.colour));
            break;
        case Kind::TextPosition:
            setCurrentX(m.x);
            setCurrentY(m.y1);
            break;
        case Kind::Text:
            setCurrentX(m.x);
            setCurrentY(m.y1);
            print(forPerson(QString::fromStdString(m.text)));
            break;
        }
    }
}

void grafiki1::halfLifes()
{
    addLayer(HalfLifeLayer{lesson::model().described()});
    notePrediction();
}

void grafiki1::notePrediction()
{
    if (!lesson::model().describesRun())
        showNotice(*this, tr("The prediction for the coming run: press Start to run it"));
}

void grafiki1::drawHalfLives(const kinetics::core::RunSetup &setup)
{
    const auto &k = setup.rates.steps;
    drawMarks(graphs::core::halfLifeMarks(setup.interval, k.k1, k.k2, k.k3,
                                          kinetics::core::concentrationAxisTop(setup.amount)));
}

void grafiki1::drawDecaySeries(const std::array<double, 4> &k, const kinetics::core::RunSetup &setup)
{
    showFrame(setup);
    addLayer(SeriesLayer{k, setup});
}

void grafiki1::drawSeries(const std::array<double, 4> &k, const kinetics::core::RunSetup &setup)
{
    const double total = kinetics::core::layoutTarget(setup.amount);
    drawMarks(graphs::core::decaySeriesMarks(k[0], k[1], k[2]));

    const double interval = setup.interval;
    if (!(total > 0))
        return;
    const double scaleY = kinetics::core::amountPerSpot(setup.amount, total);
    std::array<std::vector<QPointF>, 4> curves;
    for (int i = 0; i <= setup.duration + 1; ++i) {
        const double t = i * interval;
        const auto amounts = graphs::core::batemanAmounts(total, k, t);
        for (std::size_t m = 0; m < 4; ++m)
            curves[m].emplace_back(t, amounts[m] * scaleY);
    }
    for (int m = 0; m < 4; ++m) {
        setDrawWidth(m == 1 ? 2 : 1);
        polyline(curves[std::size_t(m)], qColor(palette::kind(m)));
    }
    setDrawWidth(1);
}

void grafiki1::repeatRun(int copies)
{
    const auto &run = lesson::model().run();
    copies = std::clamp(copies, kinetics::core::fewestCopies, kinetics::core::mostCopies);
    if (m_job) {
        showNotice(*this, tr("The run is being repeated already (Escape stops it)"));
        return;
    }
    if (!lesson::model().repeatable()) {
        showNotice(*this, tr("A run is repeated once it has ended"));
        return;
    }
    auto job = std::make_shared<Job>();
    job->copies = copies;
    m_job = job;
    runningCopies() = std::shared_ptr<std::atomic<bool>>(job, &job->cancelled);
    const kinetics::core::RunSetup setup = run.setup();
    const int serial = run.serial();
    // Repeatable with the program's stream: a seeded road repeats alike.
    const std::uint64_t seed = toolkit::core::generator().nextBits();
    // The processors the program may use, one on a machine that gives it one.
    const int threads = std::max(1, QThread::idealThreadCount());
    QPointer<grafiki1> window(this);
    repeatPool().start([job, window, setup, serial, seed, threads] {
        yieldToTheWindow();
        auto stats = kinetics::core::runEnsemble(setup, seed, job->copies, threads, &job->done, &job->cancelled);
        auto result = stats ? std::make_shared<const kinetics::core::EnsembleStats>(std::move(*stats)) : nullptr;
        QMetaObject::invokeMethod(
            qApp,
            [job, window, result, serial] {
                job->finished = true;
                if (!window || window->m_job != job)
                    return;
                window->m_job.reset();
                qApp->removeEventFilter(window);
                window->m_progress.stop();
                hideProgress(*window);
                if (result)
                    window->showEnsemble(result, serial);
            },
            Qt::QueuedConnection);
    });
    m_progress.start();
    qApp->installEventFilter(this);
    hideNotice(*this);
    showProgress(*this, tr("Repeating the run: 0 of %1 done (Escape stops it)").arg(copies));
}

void grafiki1::finishRepeats()
{
    while (m_job)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

void grafiki1::stopRepeats()
{
    if (!m_job)
        return;
    m_job->cancelled = true;
    showNotice(*this, tr("The repeats were stopped"), true);
}

const kinetics::core::EnsembleStats *grafiki1::ensembleOf(const kinetics::core::Run &run) const
{
    return m_ensemble && run.started() && m_ensembleRun == run.serial() ? m_ensemble.get() : nullptr;
}

void grafiki1::showEnsemble(std::shared_ptr<const kinetics::core::EnsembleStats> stats, int run)
{
    // The copies belong to the run they copied: not to another run started
    // meanwhile, nor to the plan laid out for the next.
    if (run != lesson::model().run().serial() || !lesson::model().describesRun())
        return;
    // The copies made before of the same run stay beside them.
    m_previousEnsemble = m_ensemble && m_ensembleRun == run ? m_ensemble : nullptr;
    m_ensemble = stats;
    m_ensembleRun = run;
    // The windows that show the copies follow them, where made and shown.
    auto *histogram = static_cast<katanomi *>(createdForm(QStringLiteral("katanomi")));
    if (histogram && histogram->isVisible())
        histogram->showCopies(m_ensemble, m_previousEnsemble);
    auto *measured = static_cast<metriseis *>(createdForm(QStringLiteral("metriseis")));
    if (measured && measured->isVisible())
        measured->showMeasurements();
    auto smooth = std::make_shared<const graphs::core::SmoothSolution>(graphs::core::smoothSolution(stats->setup));
    // The graph shows the latest copies and those before them of the same
    // run: their memory is let go of with their layers.
    std::erase_if(m_layers, [&](const Layer &layer) {
        const auto *ensemble = std::get_if<EnsembleLayer>(&layer);
        return ensemble && ensemble->stats != m_previousEnsemble;
    });
    m_layers.push_back(EnsembleLayer{stats, smooth});
    redraw();
    describeGraph();
    shell::showLastCopy(stats->lastCells, stats->setup.blockSide, stats->lastCounts);
    if (stats->setup.rates.steps.none()) {
        showNotice(*this, tr("%1 runs: with every rate zero no spot changes, so there is nothing random to compare")
                              .arg(stats->copies),
                   true);
        return;
    }
    const auto c = graphs::core::compare(*stats, *smooth);
    const char kinds[] = {'A', 'B', 'C', 'D'};
    // In plain words; the figures behind them for who asks.
    const QString said = c.withinChance()
                             ? tr("%1 runs: their mean stays within the expected wobble of the theory")
                             : tr("%1 runs: their mean strays from the theory by more than chance explains");
    const QString figures =
        tr("The mean is at most %1 standard errors from the smooth curves (%2, t = %3); "
           "the spread is %4 times the one the event rule predicts")
            .arg(Format(c.standardErrors, "0.0"))
            .arg(QLatin1Char(kinds[c.kind]))
            .arg(Format(c.time, "0"))
            .arg(Format(c.spreadRatio, "0.00"));
    showNotice(*this, said.arg(stats->copies), true, figures);
}

void grafiki1::drawEnsemble(const kinetics::core::EnsembleStats &stats, const graphs::core::SmoothSolution &smooth,
                            bool latest)
{
    const auto &setup = stats.setup;
    const double perSpot = kinetics::core::amountPerSpot(setup.amount, setup.spots);
    const int kinds = setup.kinds();
    const auto drawMean = [&] {
        for (int m = 0; m < kinds; ++m) {
            std::vector<QPointF> mean{{0, m == 0 ? setup.spots * perSpot : 0}};
            for (std::size_t i = 0; i < stats.times.size(); ++i)
                mean.emplace_back(stats.times[i], stats.mean[std::size_t(m)][i] * perSpot);
            polyline(mean, qColor(palette::kind(m)));
        }
    };
    if (!latest) {
        setDrawStyle(DrawStyle::Dot);
        drawMean();
        setDrawStyle(DrawStyle::Solid);
        return;
    }
    const QColor back = backColor();
    // A kind's colour, lighter: a share of the way to the background.
    const auto lighter = [&](int m, double share) {
        const QColor c = qColor(palette::kind(m));
        return QColor::fromRgbF(c.redF() + (back.redF() - c.redF()) * share,
                                c.greenF() + (back.greenF() - c.greenF()) * share,
                                c.blueF() + (back.blueF() - c.blueF()) * share);
    };
    const double interval = setup.interval;
    // The copies' spread: a band one standard deviation about their mean.
    for (int m = 0; m < kinds; ++m)
        for (std::size_t i = 0; i < stats.times.size(); ++i) {
            const double t = stats.times[i];
            const double mean = stats.mean[std::size_t(m)][i], sd = stats.sd[std::size_t(m)][i];
            box(t - interval / 2, (mean - sd) * perSpot, t + interval / 2, (mean + sd) * perSpot, lighter(m, 0.7),
                true);
        }
    drawCurves(smooth);
    // What the event rule predicts of that spread: its own mean give or take
    // its standard deviation, dashed along the band's edges.
    const auto exact = kinetics::core::exactMoments(setup, stats.ticks());
    setDrawStyle(DrawStyle::Dash);
    for (int m = 0; m < kinds; ++m)
        for (const int side : {-1, 1}) {
            std::vector<QPointF> edge{{0, m == 0 ? setup.spots * perSpot : 0}};
            for (std::size_t i = 0; i < exact.size(); ++i)
                edge.emplace_back(stats.times[i],
                                  (exact[i].mean[std::size_t(m)] + side * exact[i].sd(m)) * perSpot);
            polyline(edge, qColor(palette::kind(m)));
        }
    setDrawStyle(DrawStyle::Solid);
    drawMean();
}
