// spotsim-bench: timings of the program's heavy computations, printed one
// figure a line as `name: value` so that scripts can read them.
//
// Usage: spotsim-bench [NAME...]   runs the named benchmarks, or all of them.
// The peak memory ("memory") is read last, after everything else has run.
// A benchmark is a function that measures and reports any number of figures;
// add one by writing it and listing it in `benchmarks` below.

#include "acids/OXEA1.h"
#include "acids/core/ConcentrationGraphs.h"
#include "acids/grafvxc.h"
#include "acids/phform.h"
#include "decay/YPOTHDIASPASI.h"
#include "decay/YPOTHDIASPASI1.h"
#include "graphs/apotelesmata.h"
#include "graphs/grafiki1.h"
#include "graphs/mathematical.h"
#include "kinetics/YPOTHETIKES.h"
#include "kinetics/core/Ensemble.h"
#include "kinetics/core/Run.h"
#include "lesson/Model.h"
#include "shell/StartUp.h"
#include "tests/support/AcidGraphs.h"
#include "tests/support/Road.h"
#include "toolkit/Toolkit.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <vector>

namespace {

class Report
{
public:
    void figure(std::string_view name, double value)
    {
        std::printf("%.*s: %.6g\n", static_cast<int>(name.size()), name.data(), value);
        std::fflush(stdout);
    }
    // A benchmark whose fast and plain results disagree fails the program.
    void fail(std::string_view why)
    {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(why.size()), why.data());
        m_failed = true;
    }
    bool failed() const { return m_failed; }

private:
    bool m_failed = false;
};

using Clock = std::chrono::steady_clock;

// Best of a few runs: the machine may be busy with other work.
template <class Work>
double bestSeconds(int runs, Work &&work)
{
    double best = INFINITY;
    for (int r = 0; r < runs; ++r) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The start routine until the title window is shown, offscreen.
void startup(Report &report)
{
    shell::resetProgram();
    const double seconds = bestSeconds(3, [] {
        shell::resetProgram();
        shell::startRoutine();
    });
    report.figure("startup-s", seconds);
}

// The typical road up to a started run: two reversible steps.
toolkit::Timer &startedRun(int duration)
{
    road::startProgram();
    auto &p = road::toParameters(true, true);
    p.xronosolos.setValue(duration);
    p.kokkina.setValue(30);
    p.pithanotipiso.setValue(20);
    return road::startRun().Timer1;
}

// The drawing images the windows hold, in MB: none after start-up (a little
// drawing is kept as strokes), one for each window a run draws much on.
double drawingMegabytes()
{
    double bytes = 0;
    for (toolkit::Form *window : toolkit::createdForms()) {
        QList<toolkit::Canvas *> canvases = window->findChildren<toolkit::Canvas *>();
        canvases << window;
        for (const toolkit::Canvas *canvas : canvases)
            bytes += 4.0 * canvas->surfaceSize().width() * canvas->surfaceSize().height();
    }
    return bytes / (1024 * 1024);
}

void drawingMemory(Report &report)
{
    road::startProgram();
    report.figure("drawing-mb-startup", drawingMegabytes());
    toolkit::Timer &timer = startedRun(250);
    while (timer.running())
        timer.tick();
    toolkit::form<grafiki1>().diaforikes.click();
    toolkit::form<grafiki1>().changerates.click();
    QCoreApplication::processEvents();
    report.figure("drawing-mb-road", drawingMegabytes());
}

// One tick of the run itself, without drawing: the 625 events of a
// reversible two-step reaction on a block of 20 x 20 spots.
void runTick(Report &report)
{
    kinetics::core::UnseenRun unseen;
    kinetics::core::RunChoice choice;
    choice.twoSteps = true;
    choice.reversible = true;
    choice.rates.steps = {0.3, 0.1, 0.2, 0.05, 0};
    choice.amount = 60;
    choice.duration = 40000; // past the 2000 ticks measured
    choice.temperatureC = 40; // 19 ms a tick
    kinetics::core::Run run;
    kinetics::core::layOutBlock(run.cells(), choice.amount, 0);
    kinetics::core::emptyTheRest(run.cells());
    run.start(kinetics::core::setupFor(choice));
    toolkit::core::Random rng;
    rng.seed(7);
    std::vector<double> ms;
    for (int i = 0; i < 2000; ++i) {
        const auto start = Clock::now();
        run.tick(rng, unseen);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    report.figure("run-tick-median-ms", median(ms));
}

// One tick of the run control: 625 events, the points and the bars, with and
// without the pause after each A -> B conversion.
void tick(Report &report)
{
    for (const bool pause : {false, true}) {
        toolkit::Timer &timer = startedRun(1000);
        auto &run = toolkit::form<apotelesmata>();
        run.setConversionPause(pause);
        std::vector<double> ms;
        const int ticks = pause ? 60 : 400;
        for (int i = 0; i < ticks; ++i) {
            if (!timer.enabled())
                run.Command2.click(); // a new run once this one has ended
            const auto start = Clock::now();
            timer.tick();
            ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        report.figure(pause ? "tick-with-pause-median-ms" : "tick-median-ms", median(ms));
    }
    runTick(report);
}

template <class Work>
double milliseconds(Work &&work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <class Work>
double medianMs(int runs, Work &&work)
{
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r)
        ms.push_back(milliseconds(work));
    return median(ms);
}

// The acid graphs after each acid's run at the default duration: the whole
// clicks, computed and drawn, of the species graph (1500 concentrations) and
// the pH graph (150); the graphs' own sweeps alone; and, beside them, the
// straightforward loop, the hydrogen-ion iteration at every concentration.
// The sweeps' points must lie within half a pixel of that loop's.
void acidGraphs(Report &report)
{
    using kinetics::core::ModelCode;
    using toolkit::form;
    struct Acid
    {
        const char *name;
        ModelCode code;
        toolkit::CommandButton OXEA1::*button;
    };
    const Acid acids[] = {{"carbonic", ModelCode::Carbonic, &OXEA1::Command1},
                          {"arsenic", ModelCode::Arsenic, &OXEA1::Command3},
                          {"phosphoric", ModelCode::Phosphoric, &OXEA1::Command2},
                          {"pyrophosphoric", ModelCode::Pyrophosphoric, &OXEA1::Command4}};
    constexpr int clicks = 7;
    for (const Acid &acid : acids) {
        road::startProgram();
        auto &examples = road::toAcidExamples();
        (examples.*acid.button).click();
        examples.Command7.click();
        road::start();
        road::runToTheEnd();
        form<grafiki1>().changerates.click();
        auto &rates = form<mathematical>();
        const double temperature = lesson::model().run().setup().temperatureC;
        const std::string name = acid.name;

        std::vector<double> species, ph;
        for (int i = 0; i < clicks; ++i) {
            // Each click until its window is painted.
            species.push_back(milliseconds([&] {
                rates.grafvcshos.click();
                QCoreApplication::processEvents();
            }));
            ph.push_back(milliseconds([&] {
                form<grafvxc>().phshow.click();
                QCoreApplication::processEvents();
            }));
        }
        report.figure("species-click-ms." + name, median(species));
        report.figure("ph-click-ms." + name, median(ph));

        acids::core::ProductGraph own, plain;
        std::vector<acids::core::PhPoint> ownPh, plainPh;
        report.figure("species-sweep-ms." + name,
                      medianMs(clicks, [&] { own = acids::core::productGraph(acid.code); }));
        report.figure("ph-sweep-ms." + name,
                      medianMs(clicks, [&] { ownPh = acids::core::phSeries(acid.code, temperature); }));
        report.figure("species-straightforward-ms." + name,
                      medianMs(3, [&] { plain = testing::straightforwardProductGraph(acid.code); }));
        report.figure("ph-straightforward-ms." + name,
                      medianMs(3, [&] { plainPh = testing::straightforwardPhSeries(acid.code, temperature); }));

        for (const std::string &mismatch : {testing::productGraphMismatch(acid.code, own, plain),
                                            testing::phSeriesMismatch(acid.code, ownPh, plainPh)})
            if (!mismatch.empty())
                report.fail("acid-graphs, " + name + ": " + mismatch);
    }
}

// "Optimization" for a duration of 1000.
void optimization(Report &report)
{
    startedRun(1000);
    auto &graphs = toolkit::form<grafiki1>();
    std::vector<double> ms;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        graphs.diaforikes.click();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    report.figure("optimization-1000-ms", median(ms));
}

// Fifty runs kept on the graphs window, a rate moved before each and its
// smooth curves drawn, as a class comparing rates does: the SVG of the
// graphs after the first run and after all fifty, and the strokes kept.
void keptRuns(Report &report)
{
    road::startProgram();
    auto &p = road::toParameters(true, true);
    p.sidesq.setValue(20);
    p.pithanotipiso.setValue(10);
    p.kokkina.setValue(25);
    p.kokkinaprasina.setValue(5);
    p.xronosolos.setValue(1000);
    p.Command2.click();
    auto &graphs = toolkit::form<grafiki1>();
    for (int run = 1; run <= 50; ++run) {
        p.bleprasino.setValue(10 + run);
        road::start();
        road::runToTheEnd();
        graphs.diaforikes.click();
        if (run == 1 || run == 50) {
            const std::string runs = run == 1 ? "1" : "50";
            report.figure("kept-runs-svg-kb." + runs, double(toolkit::pictureSvg(graphs).size()) / 1024);
            report.figure("kept-runs-strokes." + runs, double(graphs.recordedStrokes()));
        }
    }
}

// The resident memory now, in megabytes.
double residentMb()
{
    long pages = 0, resident = 0;
    if (std::FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The most kept runs measured: SPOTSIM_BENCH_RUNS, or 1000.
int manyRunsLimit()
{
    const int asked = qEnvironmentVariableIntValue("SPOTSIM_BENCH_RUNS");
    return asked > 0 ? asked : 1000;
}

// A graph keeping many runs of the default duration, maximised at 1920 x
// 1080 and back, at 10, 100, 300 and 1000 kept runs, with the memory they
// hold.
void manyKeptRuns(Report &report)
{
    road::startProgram(QSize(1920, 1080));
    // The runs with the most ticks a student can keep, a decay of three
    // steps over 1000 (501 ticks), with SPOTSIM_BENCH_LONGEST=1.
    const bool longest = qEnvironmentVariableIntValue("SPOTSIM_BENCH_LONGEST") == 1;
    std::function<void()> next;
    if (longest) {
        auto &model = road::toDecayModel();
        model.Option3.click();
        model.xronosolos.setValue(1000);
        model.mprosta.click();
        next = [] { toolkit::form<YPOTHDIASPASI1>().mprosta.click(); };
    } else {
        next = [&p = road::toParameters(true, true)] { p.Command2.click(); };
    }
    auto &graphs = toolkit::form<grafiki1>();
    const double before = residentMb();
    const double quarter[] = {graphs.left(), graphs.top(), graphs.widthTwips(), graphs.heightTwips()};
    for (int run = 1; run <= manyRunsLimit(); ++run) {
        next();
        road::start();
        road::runToTheEnd();
        if (run != 10 && run != 100 && run != 300 && run != 1000)
            continue;
        const std::string runs = std::to_string(run);
        std::vector<double> ms;
        for (int i = 0; i < 3; ++i) {
            const auto start = Clock::now();
            graphs.placeAt(0, 0, toolkit::screenWidth(), toolkit::screenHeight());
            graphs.repaint();
            ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            graphs.placeAt(quarter[0], quarter[1], quarter[2], quarter[3]);
            graphs.repaint();
        }
        report.figure("kept-runs-maximise-ms." + runs, median(ms));
        // To look at: SPOTSIM_BENCH_PICTURE=FILE.png, the graph maximised.
        if (const QString picture = qEnvironmentVariable("SPOTSIM_BENCH_PICTURE"); !picture.isEmpty()) {
            graphs.placeAt(0, 0, toolkit::screenWidth(), toolkit::screenHeight());
            graphs.repaint();
            graphs.image().save(picture);
            graphs.placeAt(quarter[0], quarter[1], quarter[2], quarter[3]);
        }
        report.figure("kept-runs-shown." + runs, graphs.runsShown());
        report.figure("kept-runs-rss-mb." + runs, residentMb() - before);
    }
}

// On one processor, as an old classroom machine has: a maximise of the
// graphs with its repaint, and a saved picture until its notice, without
// copies running and while 1000 copies of the run run beside them.
void repeatOneProcessor(Report &report)
{
    cpu_set_t before{}, one{};
    if (sched_getaffinity(0, sizeof before, &before) != 0)
        return report.fail("the processors the program may use are unknown");
    int first = 0;
    while (first < CPU_SETSIZE && !CPU_ISSET(first, &before))
        ++first;
    CPU_ZERO(&one);
    CPU_SET(first, &one);
    const QStringList tasks = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &task : tasks)
        sched_setaffinity(pid_t(task.toInt()), sizeof one, &one);
    QThreadPool::globalInstance()->setMaxThreadCount(1);

    road::startProgram(QSize(1920, 1080));
    auto &p = road::toParameters(true, true);
    p.xronosolos.setValue(1000);
    road::startRun();
    road::runToTheEnd();
    auto &graphs = toolkit::form<grafiki1>();
    const double quarter[] = {graphs.left(), graphs.top(), graphs.widthTwips(), graphs.heightTwips()};
    QTemporaryDir dir;
    const auto measure = [&](const char *name) {
        std::vector<double> maximise, save;
        for (int i = 0; i < 3; ++i) {
            auto start = Clock::now();
            graphs.placeAt(0, 0, toolkit::screenWidth(), toolkit::screenHeight());
            graphs.repaint();
            maximise.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            graphs.placeAt(quarter[0], quarter[1], quarter[2], quarter[3]);
            graphs.repaint();
            const auto *said = graphs.findChild<QLabel *>(QStringLiteral("fileNotice"));
            if (said)
                const_cast<QLabel *>(said)->hide();
            start = Clock::now();
            toolkit::savePictureInBackground(graphs, dir.filePath(QStringLiteral("graph%1.png").arg(i)));
            while (!((said = graphs.findChild<QLabel *>(QStringLiteral("fileNotice"))) && said->isVisible()))
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            save.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        // The slowest: the first save may wait for what the copies hold.
        report.figure(std::string("one-processor-maximise-ms.") + name,
                      *std::max_element(maximise.begin(), maximise.end()));
        report.figure(std::string("one-processor-save-ms.") + name, *std::max_element(save.begin(), save.end()));
    };
    measure("alone");
    graphs.repeatRun(1000);
    measure("during-1000-copies");
    report.figure("one-processor-copies-still-running", graphs.repeating() ? 1 : 0);
    graphs.stopRepeats();
    graphs.finishRepeats();
    for (const QString &task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        sched_setaffinity(pid_t(task.toInt()), sizeof before, &before);
    QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
}

// One tick of a three-step decay run (625 events, points and bars), saving
// after 400 of them, and the exact series drawn for a duration of 1000.
void decay(Report &report)
{
    road::startProgram();
    toolkit::form<eisodos>().Command1.click();
    toolkit::form<eisagogi>().RADIO[1].click();
    auto &model = toolkit::form<YPOTHDIASPASI>();
    model.Option3.click();
    model.xronosolos.setValue(1000);
    model.mprosta.click();
    auto &rates = toolkit::form<YPOTHDIASPASI1>();
    rates.arithatomon.setValue(60);
    rates.mprosta.click();
    auto &run = toolkit::form<apotelesmata>();
    run.setConversionPause(false);
    run.Command2.click();
    std::vector<double> ms;
    for (int i = 0; i < 400; ++i) {
        if (!run.Timer1.enabled())
            run.Command2.click();
        const auto start = Clock::now();
        run.Timer1.tick();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    report.figure("decay-tick-median-ms", median(ms));

    // A save from a run window at the end of that run: what keeps the
    // window's thread (the vectors or the image of the picture taken, the
    // counts as a table) and the SVG made from those vectors beside it; and
    // the strokes the graphs keep for it.
    auto &graphs = toolkit::form<grafiki1>();
    report.figure("save-vectors-ms", medianMs(5, [&] { graphs.vectorPicture(); }));
    report.figure("save-image-ms", medianMs(5, [&] { graphs.pictureImage(); }));
    report.figure("save-svg-beside-ms", medianMs(5, [&] { toolkit::pictureSvg(graphs); }));
    report.figure("save-counts-ms", medianMs(5, [&] { run.countsCsv(); }));
    report.figure("graphs-strokes", double(graphs.recordedStrokes()));
    std::vector<double> draw;
    for (int i = 0; i < 5; ++i) {
        graphs.cls();
        const auto start = Clock::now();
        toolkit::form<YPOTHDIASPASI>().drawExactSeries();
        draw.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    report.figure("decay-series-draw-ms", median(draw));
}

// The longest three-step decay (1000), run to its end on a screen of
// 1920 x 1080.
void endedLongestDecay()
{
    road::startProgram(QSize(1920, 1080));
    auto &model = road::toDecayModel();
    model.Option3.click();
    model.xronosolos.setValue(1000);
    road::startDecayRun(3);
    road::runToTheEnd();
}

// A teacher maximises the graphs during a run on a 1920 x 1080 screen: the
// graph drawn anew at the new size from the run's recording, its frame and
// its smooth curves, until painted; and back to its quarter. A typical run
// of 250 at 19 ms, 8 ticks in, and a decay of 1000 at 2 ms run out (501
// ticks of points).
void resizeRedraw(Report &report)
{
    toolkit::setScreenPixels(QSize(1920, 1080));
    const auto measure = [&](const char *name) {
        auto &graphs = toolkit::form<grafiki1>();
        graphs.diaforikes.click();
        const double quarter[] = {graphs.left(), graphs.top(), graphs.widthTwips(), graphs.heightTwips()};
        std::vector<double> ms;
        for (int i = 0; i < 6; ++i) {
            const auto start = Clock::now();
            if (i % 2 == 0)
                graphs.placeAt(0, 0, toolkit::screenWidth(), toolkit::screenHeight());
            else
                graphs.placeAt(quarter[0], quarter[1], quarter[2], quarter[3]);
            graphs.repaint();
            ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        report.figure(name, median(ms));
    };
    auto &timer = startedRun(250);
    for (int k = 0; k < 8; ++k)
        timer.tick();
    measure("resize-redraw-ms");
    // A tick with the graphs maximised: their points drawn wider.
    auto &graphs = toolkit::form<grafiki1>();
    graphs.placeAt(0, 0, toolkit::screenWidth(), toolkit::screenHeight());
    toolkit::form<apotelesmata>().setConversionPause(false);
    std::vector<double> ms;
    for (int k = 0; k < 5 && timer.running(); ++k) {
        const auto start = Clock::now();
        timer.tick();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    report.figure("tick-maximised-median-ms", median(ms));

    endedLongestDecay();
    measure("resize-redraw-long-decay-ms");
    toolkit::setScreenPixels(QSize(1366, 768));
}

// The reading cursor moved along a maximised graph of the longest decay
// with its smooth curves, at 1920 x 1080: a move and the repaint it asks.
void readingCursor(Report &report)
{
    endedLongestDecay();
    auto &graphs = toolkit::form<grafiki1>();
    graphs.diaforikes.click();
    graphs.placeAt(0, 0, toolkit::screenWidth(), toolkit::screenHeight());
    graphs.repaint();
    report.figure("reading-cursor-graph-visible", graphs.isVisible() ? 1 : 0);
    std::vector<double> ms;
    for (int i = 0; i < 200; ++i) {
        const auto start = Clock::now();
        graphs.cursor().moveTo(5.0 * i);
        QCoreApplication::processEvents(); // the repaint the move asked for
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    report.figure("reading-cursor-move-median-ms", median(ms));
    std::sort(ms.begin(), ms.end());
    report.figure("reading-cursor-move-p95-ms", ms[std::size_t(ms.size() * 95 / 100)]);
    toolkit::setScreenPixels(QSize(1366, 768));
}

// 1000 copies of a reaction of 250 (14 ticks) and of a decay series of 75
// (38 ticks), on one core and on every core, and what a copy keeps; then
// 10,000 copies.
void ensemble(Report &report)
{
    const auto setupOf = [](kinetics::core::ModelCode process, int duration) {
        kinetics::core::RunChoice choice;
        choice.process = process;
        choice.twoSteps = choice.reversible = true;
        choice.decaySteps = 3;
        choice.rates.steps = {0.227, 0.05, 0.026, 0.02, 0.035};
        choice.amount = 15;
        choice.duration = duration;
        choice.temperatureC = 25;
        return kinetics::core::setupFor(choice);
    };
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    for (const auto &[name, process, duration] :
         {std::tuple{"reaction", kinetics::core::ModelCode::Reaction, 250},
          std::tuple{"decay", kinetics::core::ModelCode::DecaySeries, 75}}) {
        const auto setup = setupOf(process, duration);
        for (const int threads : {1, cores}) {
            const double ms = 1000 * bestSeconds(3, [&] { kinetics::core::runEnsemble(setup, 11, 1000, threads); });
            report.figure(std::string("ensemble-1000-ms.") + name + (threads == 1 ? ".one-core" : ".all-cores"), ms);
        }
        report.figure(std::string("ensemble-bytes-per-copy.") + name,
                      double(kinetics::core::EnsembleStats::bytesPerCopy(kinetics::core::ticksOfRun(duration, setup.interval))));
    }
    // The most copies a student may ask for, on every core as the window
    // runs them: of the decay above and of the longest decay (1000, 501
    // ticks).
    const auto longest = setupOf(kinetics::core::ModelCode::DecaySeries, 1000);
    for (const auto &[name, of] : {std::pair{"decay", setupOf(kinetics::core::ModelCode::DecaySeries, 75)},
                                   std::pair{"longest-decay", longest}}) {
        const kinetics::core::RunSetup setup = of; // a binding is not for a lambda to take
        report.figure(std::string("ensemble-10000-s.") + name + ".all-cores",
                      bestSeconds(1, [&] { kinetics::core::runEnsemble(setup, 11, kinetics::core::mostCopies, cores); }));
    }
    report.figure("ensemble-bytes-per-copy.longest-decay",
                  double(kinetics::core::EnsembleStats::bytesPerCopy(kinetics::core::ticksOfRun(1000, longest.interval))));
}

void memory(Report &report)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    report.figure("peak-rss-mb", usage.ru_maxrss / 1024.0);
}

struct Benchmark
{
    std::string_view name;
    void (*run)(Report &);
};

constexpr Benchmark benchmarks[] = {
    {"startup", startup},
    {"drawing-memory", drawingMemory},
    {"tick", tick},
    {"optimization", optimization},
    {"kept-runs", keptRuns},
    {"many-kept-runs", manyKeptRuns},
    {"repeat-one-processor", repeatOneProcessor},
    {"acid-graphs", acidGraphs},
    {"decay", decay},
    {"resize-redraw", resizeRedraw},
    {"ensemble", ensemble},
    {"reading-cursor", readingCursor},
    {"memory", memory},
};

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string_view> wanted(argv + 1, argv + argc);
    for (std::string_view name : wanted) {
        if (std::none_of(std::begin(benchmarks), std::end(benchmarks),
                         [&](const Benchmark &b) { return b.name == name; })) {
            std::fprintf(stderr, "spotsim-bench: no benchmark named %.*s\n", static_cast<int>(name.size()),
                         name.data());
            return 2;
        }
    }
    // The windows run offscreen on the driver's screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    toolkit::setUpApplication();
    toolkit::setScreenPixels(QSize(1366, 768));

    Report report;
    for (const Benchmark &b : benchmarks)
        if (wanted.empty() || std::find(wanted.begin(), wanted.end(), b.name) != wanted.end())
            b.run(report);
    toolkit::resetForms();
    return report.failed() ? 1 : 0;
}
