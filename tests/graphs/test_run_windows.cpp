// What the run windows show is the run that ran: each spot in the colour of
// its kind at its place, each bar the count of its own kind, the graph framed
// for the run with the last run replayed at its own times, and smooth curves,
// tables and texts that belong to the run whose points they stand beside. (A
// run's records and their replay, however long the run, are the run's own
// test, tests/kinetics/test_run.cpp.)
#include "tests/support/Road.h"
#include "acids/OXEA1.h"
#include "decay/GNOSTED.h"
#include "graphs/core/Smooth.h"
#include "graphs/grafiki1.h"
#include "graphs/katanomi.h"
#include "graphs/metriseis.h"
#include "graphs/ravdogram.h"
#include "kinetics/antidrasi.h"
#include "kinetics/core/Palette.h"
#include "lesson/Model.h"
#include "shell/Quantities.h"
#include "shell/Windows.h"
#include "tests/support/Near.h"
#include "toolkit/Quantity.h"

#include <QAccessible>
#include <QAction>
#include <QRegularExpression>
#include <QInputDialog>
#include <QLabel>
#include <QtTest>

#include <cmath>
#include <numbers>
#include <numeric>

#include <sched.h>

using namespace toolkit;
using road::Chapter;
namespace palette = kinetics::core::palette;

Q_DECLARE_METATYPE(road::Chapter)

namespace {

QRgb rgb(kinetics::core::Rgb c) { return qRgb(c.r, c.g, c.b) & 0xffffff; }

constexpr QRgb outside = 0xdeadbe; // no colour of the program's

// The colour a drawing shows at a point of its scale.
QRgb colourAt(const QImage &image, const Canvas &canvas, double x, double y)
{
    const double dpr = image.devicePixelRatio();
    const QPoint p(int(std::lround(canvas.xToPixel(x) * dpr)), int(std::lround(canvas.yToPixel(y) * dpr)));
    return image.rect().contains(p) ? image.pixel(p) & 0xffffff : outside;
}

// The lines of the last run's counts table.
QStringList tableLines() { return QString::fromUtf8(form<apotelesmata>().countsCsv()).trimmed().split(QLatin1Char('\n')); }

// "Next" of the worked polonium series from the choices window, after
// "Radioactive Decays".
void workedExample()
{
    form<eisagogi>().RADIO[1].click();
    form<apotelesmata>().Command4.click();
    form<GNOSTED>().mprosta.click();
}

// What the spots window shows, site by site: the count of each kind, and
// each site whose spot shows another colour than its kind, or that the
// drawing leaves out though it holds a spot (a spot never moves).
struct SpotsShown
{
    kinetics::core::Counts counts{0, 0, 0, 0};
    QStringList wrong;
};

SpotsShown spotsShown(const Canvas &spots, int side)
{
    const auto &cells = lesson::model().run().cells();
    const QImage image = spots.image();
    const double W = screenWidth(), H = screenHeight();
    SpotsShown s;
    for (int i = 1; i <= 25; ++i)
        for (int j = 1; j <= 25; ++j) {
            const auto centre = kinetics::core::spotCentre(i, j, side, W / (W + H), H / (W + H));
            const int code = cells[std::size_t(i)][std::size_t(j)];
            const QRgb shown = colourAt(image, spots, centre.x, centre.y);
            if (shown == outside ? code != kinetics::core::codeEmpty : shown != rgb(kinetics::core::spotColour(code)))
                s.wrong << QStringLiteral("site %1, %2 holds %3, shows %4")
                               .arg(i).arg(j).arg(code).arg(shown, 6, 16, QLatin1Char('0'));
            s.counts.a += code == kinetics::core::defaultCodeA;
            s.counts.b += code == kinetics::core::defaultCodeB;
            s.counts.c += code == kinetics::core::codeC;
            s.counts.d += code == kinetics::core::codeD;
        }
    return s;
}

// How many of seven samples of the run's third tick (19 ms a tick) the graph
// shows at the times they were taken, 38 and on, in mol/L of the amount.
int thirdTickSamplesShown(const Canvas &graphs, int kind, double amount, QRgb colour)
{
    const auto &run = lesson::model().run();
    int found = 0;
    for (int m = 0; m < 79; m += 13)
        found += road::inkNear(graphs, 2 * 19 + 8.0 * m * 19 / 625,
                               run.record(kind, 2 * 79 + m + 1) * amount / run.spotTotal(), colour, 1);
    return found;
}

// A reaction of two reversible steps run to its end over the longest
// duration, so that its copies take a while: the graphs window.
grafiki1 &endedLongRun()
{
    road::toParameters(true, true).xronosolos.setValue(1000);
    road::startRun();
    road::runToTheEnd();
    return form<grafiki1>();
}

// Keeps every thread of the program, and those it starts, to one of the
// processors it may use, as on a one-processor machine, while it lives.
class OneProcessor
{
public:
    OneProcessor()
    {
        if (sched_getaffinity(0, sizeof m_before, &m_before) != 0)
            return;
        int first = 0;
        while (first < CPU_SETSIZE && !CPU_ISSET(first, &m_before))
            ++first;
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(first, &one);
        m_ok = first < CPU_SETSIZE && applyToEveryThread(one);
        // Qt's shared pool, as it is sized on such a machine.
        m_poolThreads = QThreadPool::globalInstance()->maxThreadCount();
        QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
    }
    ~OneProcessor()
    {
        applyToEveryThread(m_before);
        QThreadPool::globalInstance()->setMaxThreadCount(m_poolThreads);
    }
    bool ok() const { return m_ok; }

private:
    static bool applyToEveryThread(const cpu_set_t &set)
    {
        bool all = true;
        const QStringList tasks = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &task : tasks)
            all = sched_setaffinity(pid_t(task.toInt()), sizeof set, &set) == 0 && all;
        return all && !tasks.isEmpty();
    }
    cpu_set_t m_before{};
    bool m_ok = false;
    int m_poolThreads = 0;
};

} // namespace

class TestRunWindows : public QObject
{
    Q_OBJECT
private slots:
    void init() { road::startProgram(); }
    void cleanupTestCase() { resetForms(); }

    // Every site of the lattice in the colour of what it holds, at its place
    // (column i across, row j up), from "Next" on: the block Start will run
    // before it, the spots of the run after.
    void spotsShowTheLattice_data()
    {
        QTest::addColumn<Chapter>("chapter");
        QTest::addColumn<int>("ticks"); // -1: not started
        QTest::newRow("a reaction's block at Next>") << Chapter::Reaction << -1;
        QTest::newRow("a reaction of two reversible steps") << Chapter::Reaction << 5;
        QTest::newRow("a decay series of three steps, run out") << Chapter::Decay << 1000;
        QTest::newRow("an acid") << Chapter::Acid << 4;
    }

    void spotsShowTheLattice()
    {
        QFETCH(Chapter, chapter);
        QFETCH(int, ticks);
        road::startChapterRun(chapter);
        auto &run = form<apotelesmata>();
        if (ticks < 0) {
            // New parameters: the block of the next Start.
            run.Command1.click();
            shell::amount().set(30);
            form<YPOTHETIKES>().Command2.click();
        } else {
            for (int k = 0; k < ticks && run.Timer1.enabled(); ++k)
                run.Timer1.tick();
        }
        const auto &cells = lesson::model().run().cells();
        const auto counts = lesson::model().run().counts();
        QVERIFY(form<antidrasi>().isVisible());
        const auto shown = spotsShown(form<antidrasi>(), lesson::model().plan().blockSide);
        QVERIFY2(shown.wrong.isEmpty(), qPrintable(shown.wrong.join(QLatin1Char('\n'))));
        QCOMPARE(shown.counts, counts);
        if (ticks < 0) {
            QCOMPARE(counts, (kinetics::core::Counts{196, 0, 0, 0})); // the block of 0.30 mol/L
            QCOMPARE(int(cells[14][14]), kinetics::core::defaultCodeA);
            QCOMPARE(int(cells[15][1]), kinetics::core::codeEmpty);
        }
        if (chapter == Chapter::Decay)
            QVERIFY(counts.d > 0);
    }

    // Each bar stands as high as the count of its own kind, in its kind's
    // colour, left to right A, B, C, D, on an axis a fifth above the spots.
    void barsShowTheirKinds_data()
    {
        QTest::addColumn<Chapter>("chapter");
        QTest::addColumn<int>("ticks");
        QTest::newRow("a decay series early: A and B") << Chapter::Decay << 6;
        QTest::newRow("a decay series run out: B, C and D") << Chapter::Decay << 1000;
        QTest::newRow("a reaction of two reversible steps") << Chapter::Reaction << 8;
    }

    void barsShowTheirKinds()
    {
        QFETCH(Chapter, chapter);
        QFETCH(int, ticks);
        auto &run = road::startChapterRun(chapter);
        for (int k = 0; k < ticks && run.Timer1.enabled(); ++k)
            run.Timer1.tick();
        auto &bars = form<ravdogram>();
        // 0.15 mol/L or 15 % of the sites: a block of 100 spots
        COMPARE_NEAR(bars.scaleTop(), 120, 1e-12, 0);
        const auto n = lesson::model().run().counts();
        const int counts[] = {n.a, n.b, n.c, n.d};
        const Shape *shapes[] = {&bars.Shape1, &bars.Shape2, &bars.Shape3, &bars.Shape4};
        const QRgb colours[] = {rgb(palette::blue), rgb(palette::green), rgb(palette::red),
                                rgb(palette::lightCyan)};
        const QImage shown = bars.grab().toImage();
        int tall = 0;
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(shapes[k]->height(), double(counts[k]));
            if (counts[k] < 10)
                continue;
            QCOMPARE(colourAt(shown, bars, 20 + 20 * k, counts[k] / 2.0), colours[k]);
            ++tall;
        }
        QVERIFY(tall >= 2);
    }

    // The graph's frame is the run's: its time axis to the duration, its
    // value axis a fifth above the amount. After the duration changed, "Next"
    // frames the graph anew and replays the last run at its own times on it.
    void graphFramedForTheRun()
    {
        auto &p = road::toParameters(false, false);
        p.sidesq.setValue(25);
        road::startRun();
        road::runToTheEnd();
        auto &graphs = form<grafiki1>();
        COMPARE_NEAR(graphs.scaleLeft(), -12.5, 1e-12, 0);
        COMPARE_NEAR(graphs.scaleLeft() + graphs.scaleWidth(), 250, 1e-12, 0);
        COMPARE_NEAR(graphs.scaleTop(), 0.3, 1e-12, 0);
        COMPARE_NEAR(graphs.scaleTop() + graphs.scaleHeight(), -0.03, 1e-12, 0);

        form<apotelesmata>().Command1.click();
        p.xronosolos.setValue(100);
        p.Command2.click();
        COMPARE_NEAR(graphs.scaleLeft() + graphs.scaleWidth(), 100, 1e-12, 0);
        // The samples of the third tick stand where they were taken.
        const int found = thirdTickSamplesShown(graphs, 0, 0.25, rgb(palette::blue));
        QVERIFY2(found >= 5, qPrintable(QString::number(found)));
    }

    // The smooth curves, the table and the run control's texts describe the
    // run that ran, whatever the windows held before it or hold since.
    void curvesAndTextsAreTheRunsOwn_data()
    {
        QTest::addColumn<QString>("road");
        QTest::newRow("the polonium series after an acid") << "polonium";
        QTest::newRow("a rate moved while the run goes on") << "moved";
    }

    void curvesAndTextsAreTheRunsOwn()
    {
        QFETCH(QString, road);
        auto &run = form<apotelesmata>();
        auto &graphs = form<grafiki1>();
        const auto &s = lesson::model();
        QString texts;
        if (road == QLatin1String("polonium")) {
            auto &acids = road::toAcidExamples();
            acids.Command3.click(); // arsenic: both steps run back
            acids.Command7.click();
            road::start();
            road::runToTheEnd();
            QVERIFY(s.plan().rates.steps.k1Reverse > 0.5);
            workedExample();
            QCOMPARE(run.concentr.caption(), QStringLiteral("Number of Atoms = 94"));
            road::start();
            texts = run.accessibleDescription();
            road::runToTheEnd();
        } else {
            auto &p = road::toParameters(false, false);
            road::startRun();
            texts = run.accessibleDescription();
            road::ticks(3);
            p.bleprasino.setValue(100); // on the page behind the run
            p.tempotherm.setValue(90);
            road::runToTheEnd();
            QCOMPARE(run.temperatura.caption(), QStringLiteral("Temperature  = 25°C"));
        }
        QCOMPARE(run.accessibleDescription(), texts);
        graphs.diaforikes.click();
        const auto *smooth = graphs.smoothOf(s.run());
        QVERIFY(smooth);
        const auto &k = s.run().setup().rates.steps;
        QCOMPARE(smooth->p[0], k.k1);
        QCOMPARE(smooth->p[1], 0.0); // neither run has B -> A
        const QStringList lines = tableLines();
        // Notes, what was measured, the header, a row a tick; the window
        // lists the same figures.
        const auto measured = metriseis::measuredRun();
        QVERIFY(!measured.empty());
        QCOMPARE(lines.size(), 8 + int(measured.size()) + 1 + s.run().tickCount());
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^# measured \\w+: \\S+ uncertainty "))).size(),
                 int(measured.size()));
        graphs.metrisi.click();
        auto &table = form<metriseis>();
        QVERIFY(table.isVisible());
        QCOMPARE(table.plainText().count(QStringLiteral("\u00b1")), int(measured.size()));
        QVERIFY(table.plainText().contains(QLatin1String("Half-life of A")));
        const QStringList last = lines.last().split(QLatin1Char(','));
        // The smooth A has run down with the spots' A, to a few spots at most.
        QVERIFY2(last[5].toDouble() < 3, qPrintable(lines.last()));
        COMPARE_NEAR(last[5].toDouble(), last[1].toDouble(), 0, 0.1 * s.run().spotTotal());
        QCOMPARE(lines[4], QStringLiteral("# rates: k1=%1, k1Reverse=0, k2=%2, k2Reverse=0, k3=%3")
                               .arg(k.k1, 0, 'g', QLocale::FloatingPointShortest)
                               .arg(k.k2, 0, 'g', QLocale::FloatingPointShortest)
                               .arg(k.k3, 0, 'g', QLocale::FloatingPointShortest));
    }

    // Roads from one run to the next, each with what the student sees at its
    // end: between runs the run windows show the coming run, a run is never
    // touched by a bar, a road out of a run ends it.
    void roadsFromRunToRun_data()
    {
        QTest::addColumn<QString>("road");
        QTest::newRow("Optimization after an acid, at the polonium's Next") << "prediction";
        QTest::newRow("an acid's concentration moved after Next") << "acid moved";
        QTest::newRow("Preset during a run, then Repeat") << "preset";
        QTest::newRow("the parameters page's bars after Next>") << "behind";
    }

    void roadsFromRunToRun()
    {
        QFETCH(QString, road);
        auto &run = form<apotelesmata>();
        auto &graphs = form<grafiki1>();
        const auto &lesson = lesson::model();
        if (road == QLatin1String("prediction")) {
            road::startChapterRun(Chapter::Acid);
            road::runToTheEnd();
            workedExample();
            graphs.diaforikes.click();
            // The polonium's own curves, not the acid's: its first constant
            // is ln 2 / 3.05 min at the worked example's pace.
            QVERIFY(graphs.smoothDrawn());
            QCOMPARE(graphs.smoothDrawn()->p[0], lesson.plan().rates.steps.k1);
            QVERIFY(!graphs.smoothOf(lesson.run()));
            QCOMPARE(graphs.runsShown(), 0);
            QCOMPARE(run.concentr.caption(), QStringLiteral("Number of Atoms = 94"));
        } else if (road == QLatin1String("acid moved")) {
            // The rates a Next at 0.60 mol/L gives, against a Start without it.
            auto &acids = road::toAcidExamples();
            acids.Command2.click();
            acids.concentration.setValue(60);
            acids.Command7.click();
            const auto atNext = lesson.plan().rates;
            acids.concentration.setValue(15);
            acids.Command7.click();
            acids.concentration.setValue(60);
            road::start();
            QVERIFY(lesson.run().setup().rates == atNext);
        } else if (road == QLatin1String("preset")) {
            road::startChapterRun(Chapter::Reaction);
            road::ticks(3);
            run.Command4.click();
            QVERIFY(!lesson.running());
            QVERIFY(!run.Timer1.enabled());
            graphs.repeatRun(10);
            QVERIFY(graphs.repeating());
            graphs.finishRepeats();
            QVERIFY(graphs.ensembleOf(lesson.run()));
        } else {
            auto &p = road::toParameters(true, true);
            p.Command2.click();
            p.show(); // reached again under the run windows
            p.tempotherm.setValue(60);
            p.sidesq.setValue(30);
            QCOMPARE(run.temperatura.caption(), QStringLiteral("Temperature  = 60°C"));
            const int side = lesson.plan().blockSide;
            QCOMPARE(spotsShown(form<antidrasi>(), side).counts.a, side * side);
            road::start();
            QCOMPARE(lesson.run().setup().temperatureC, 60);
            QCOMPARE(lesson.run().setup().amount, 30);
            // Moved during the run, they wait for the next one.
            p.tempotherm.setValue(80);
            QCOMPARE(run.temperatura.caption(), QStringLiteral("Temperature  = 60°C"));
            QVERIFY(lesson.running());
        }
    }

    // A drawing follows its window: resized during a run, it is drawn anew
    // over the new area from the run, the spots centred and scaled, the
    // graph's frame to its new edges with the points at their times, and
    // text at least a fiftieth of its height.
    void drawingsFollowTheirWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("size"); // of the whole window, in pixels
        QTest::newRow("the graphs made large") << "grafiki1" << QSize(1000, 650);
        QTest::newRow("the graphs full screen") << "grafiki1" << QSize(1366, 768);
        QTest::newRow("the spots made small") << "antidrasi" << QSize(300, 200);
        QTest::newRow("the spots made large") << "antidrasi" << QSize(1200, 760);
        QTest::newRow("the bars made large") << "ravdogram" << QSize(900, 700);
        QTest::newRow("the run control full screen") << "apotelesmata" << QSize(1366, 768);
    }

    void drawingsFollowTheirWindow()
    {
        QFETCH(QString, window);
        QFETCH(QSize, size);
        road::startChapterRun(Chapter::Reaction);
        road::ticks(5);
        Form &w = *shell::formByName(window);
        const double tpp = twipsPerPixel();
        w.placeAt(0, 0, size.width() * tpp, size.height() * tpp);
        road::ticks(1);
        const QImage image = w.image();
        QCOMPARE(image.size() / image.devicePixelRatio(), w.clientRect().size());
        QVERIFY(w.clientRect().height() > size.height() / 2);
        // Printed text reads from afar.
        QVERIFY(QFontMetricsF(w.printFont()).height() >= Canvas::readableShare * w.clientRect().height());
        const auto &run = lesson::model().run();
        if (window == QLatin1String("grafiki1")) {
            // The time axis runs to the right edge; the samples of the third
            // tick stand at their times.
            QCOMPARE(colourAt(image, w, 0.97 * run.setup().duration, 0), rgb(palette::black));
            const int found = thirdTickSamplesShown(w, 1, run.setup().amount / 100.0, rgb(palette::green));
            QVERIFY2(found >= 5, qPrintable(QString::number(found)));
        } else if (window == QLatin1String("antidrasi")) {
            // Every spot of the block inside the window, in its colour.
            const auto shown = spotsShown(w, run.setup().blockSide);
            QVERIFY2(shown.wrong.isEmpty(), qPrintable(shown.wrong.join(QLatin1Char('\n'))));
        } else if (window == QLatin1String("ravdogram")) {
            const QImage shown = w.grab().toImage();
            QCOMPARE(colourAt(shown, w, 20, run.counts().a / 2.0), rgb(palette::blue));
            QCOMPARE(colourAt(shown, w, 40, run.counts().b / 2.0), rgb(palette::green));
        } else {
            // The list's first rate at the left, clear of the labels beside it.
            int ink = 0;
            for (double x = 0; x < 40; x += 0.25)
                ink += w.pixelAt(x, 182).lightness() < 80;
            QVERIFY(ink > 5);
        }
    }

    // "Repeat the Run" beside the window: the graph gains the copies' bands,
    // the table their columns, and the spots and bars show the last copy;
    // the notice compares them with the smooth curves, or says that with
    // every rate zero there is nothing random to compare.
    void repeatedRunShowsItsSpread_data()
    {
        QTest::addColumn<int>("rate");
        QTest::newRow("A -> B at 50") << 50;
        QTest::newRow("every rate zero") << 0;
    }

    void repeatedRunShowsItsSpread()
    {
        QFETCH(int, rate);
        road::toParameters(false, false).bleprasino.setValue(rate);
        road::startRun();
        road::runToTheEnd();
        auto &graphs = form<grafiki1>();
        const int ink = road::inkCount(graphs, rgb(palette::blue));
        graphs.repeatRun(100);
        QVERIFY(graphs.repeating());
        graphs.finishRepeats();
        const auto *stats = graphs.ensembleOf(lesson::model().run());
        QVERIFY(stats && stats->copies == 100);
        const auto *notice = graphs.findChild<QLabel *>(QStringLiteral("notice"));
        QVERIFY(notice);
        QCOMPARE(notice->text().contains(QLatin1String("nothing random")), rate == 0);
        // 100 copies of a correct run keep within chance, said in words; the
        // figures are the tooltip's.
        QCOMPARE(notice->text().contains(QLatin1String("within the expected wobble of the theory")), rate > 0);
        QCOMPARE(notice->toolTip().contains(QLatin1String("times the one the event rule predicts")), rate > 0);
        if (rate > 0)
            QVERIFY(road::inkCount(graphs, rgb(palette::blue)) != ink); // the mean and the bands
        const QStringList lines = tableLines();
        const auto header = lines.indexOf(QRegularExpression(QStringLiteral("time,.*")));
        QVERIFY(header > 0);
        QVERIFY(lines[header - 1].startsWith(QStringLiteral("# ensemble: 100 runs")));
        QVERIFY(lines[header].endsWith(QStringLiteral(",mean D,sd D,p5 D,p95 D")));
        QCOMPARE(lines[header + 1].split(QLatin1Char(',')).size(), 5 + 16);
        QCOMPARE(form<ravdogram>().Shape2.height(), double(stats->lastCounts.b));

        // Their distribution, at the end of the run first, holds every copy;
        // the half-life of A is offered where A falls to half, beside the
        // one set.
        graphs.showDistribution();
        auto &histogram = form<katanomi>();
        QVERIFY(histogram.isVisible());
        const auto tallied = [&] {
            const auto &tallies = histogram.histogram().tallies;
            return std::accumulate(tallies.begin(), tallies.end(), 0);
        };
        QCOMPARE(tallied(), 100);
        const auto &setup = stats->setup;
        QCOMPARE(histogram.Label2.caption(), QStringLiteral("t = %1").arg(setup.interval * stats->ticks()));
        QCOMPARE(histogram.histogram().mean, stats->mean[0].back());
        QCOMPARE(histogram.eidos[4].visible(), rate > 0);
        QVERIFY(!histogram.eidos[2].visible());
        if (rate > 0) {
            histogram.eidos[4].click();
            QCOMPARE(histogram.histogram().counted, 100);
            const double set = setup.interval * std::numbers::ln2 / setup.rates.steps.k1;
            QVERIFY(histogram.accessibleDescription().contains(
                QStringLiteral("Set half-life: ") + Format(set, set < 10 ? "0.00" : "0.0")));
            histogram.eidos[1].click();
        }
        // The time bar moves along the run; more copies keep the time and
        // set their mean beside the one before.
        histogram.xronos.setValue(0);
        QCOMPARE(histogram.Label2.caption(), QStringLiteral("t = %1").arg(setup.interval));
        QCOMPARE(histogram.histogram().mean, stats->mean[std::size_t(histogram.shown())][0]);
        graphs.repeatRun(10);
        graphs.finishRepeats();
        QCOMPARE(tallied(), 10);
        QCOMPARE(histogram.xronos.value(), 0);
        QVERIFY(histogram.accessibleDescription().contains(QLatin1String("of the 100 before them")));
        // A new Start takes the graph back to the run.
        road::start();
        QVERIFY(!graphs.ensembleOf(lesson::model().run()));
        QVERIFY(!histogram.isVisible());
    }

    // On a machine that gives the program one processor the copies of a
    // repeat take what the window leaves: a save made while they run is
    // written, and said, while they still run, and a maximise does not
    // wait for them. The progress has a line of its own, so the file's line
    // and, once stopped, "The repeats were stopped" stay.
    void repeatsLeaveTheWindowFree()
    {
        OneProcessor pinned;
        QVERIFY2(pinned.ok(), "the tasks could not be kept to one processor");
        QCOMPARE(QThread::idealThreadCount(), 1);
        auto &graphs = endedLongRun();
        graphs.repeatRun(1000);
        QVERIFY(graphs.repeating());
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("during the copies.png"));
        savePictureInBackground(graphs, file);
        const auto line = [&](const char *name) {
            const auto *label = graphs.findChild<QLabel *>(QLatin1String(name));
            return label && label->isVisibleTo(&graphs) ? label->text() : QString();
        };
        QTRY_VERIFY_WITH_TIMEOUT(!line("fileNotice").isEmpty(), 30000);
        QVERIFY2(graphs.repeating(), "the save waited for the copies");
        QVERIFY(line("fileNotice").startsWith(QLatin1String("Saved ")));
        QVERIFY(QFileInfo(file).size() > 0);
        graphs.placeAt(0, 0, screenWidth(), screenHeight());
        graphs.repaint();
        QVERIFY2(graphs.repeating(), "the maximise waited for the copies");
        // The progress goes on above the file's line, which stays.
        QTRY_VERIFY(line("progress").contains(QLatin1String(" of 1000 done")));
        QVERIFY(line("fileNotice").startsWith(QLatin1String("Saved ")));
        graphs.stopRepeats();
        graphs.finishRepeats();
        QCOMPARE(line("notice"), QStringLiteral("The repeats were stopped"));
        QCOMPARE(line("progress"), QString());
        QVERIFY(line("fileNotice").startsWith(QLatin1String("Saved ")));
        // The next key press is the student's next action.
        QTest::keyClick(&graphs, Qt::Key_Shift);
        QTRY_COMPARE(line("fileNotice"), QString());
    }

    // Escape in any run window stops the copies, and the line that says so
    // stays; a second repeat asked for meanwhile says one runs already.
    void repeatsStopFromEveryRunWindow_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"antidrasi", "grafiki1", "ravdogram", "apotelesmata"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void repeatsStopFromEveryRunWindow()
    {
        QFETCH(QString, window);
        auto &graphs = endedLongRun();
        graphs.repeatRun(1000);
        graphs.repeatRun(10);
        const auto *notice = graphs.findChild<QLabel *>(QStringLiteral("notice"));
        QVERIFY(notice && notice->text().startsWith(QLatin1String("The run is being repeated already")));
        Form *w = createdForm(window);
        QVERIFY(w && w->isVisible());
        QTest::keyClick(w, Qt::Key_Escape);
        graphs.finishRepeats();
        QCOMPARE(notice->text(), QStringLiteral("The repeats were stopped"));
        QVERIFY(notice->isVisibleTo(&graphs));
        QVERIFY(!graphs.ensembleOf(lesson::model().run()));
    }

    // "Other Number..." asks for any number of copies from 2 to 10,000 over
    // the window whose menu asked, and runs that many.
    void repeatsAnyNumber()
    {
        auto &graphs = endedLongRun();
        auto &bars = form<ravdogram>();
        auto *other = bars.findChild<QAction *>(QStringLiteral("Repeat the Run.../Other Number..."));
        QVERIFY(other);
        other->trigger();
        auto *ask = bars.findChild<QInputDialog *>(QStringLiteral("repeatCount"));
        QVERIFY(ask && ask->isVisible());
        QCOMPARE(ask->intMinimum(), 2);
        QCOMPARE(ask->intMaximum(), 10000);
        ask->setIntValue(37);
        ask->accept();
        QVERIFY(graphs.repeating());
        graphs.finishRepeats();
        const auto *stats = graphs.ensembleOf(lesson::model().run());
        QVERIFY(stats && stats->copies == 37);
    }

    // Copies that end after "Next" belong to the run they copied: the graph,
    // now framed for the next run, does not show them.
    void copiesDoNotDrawOnTheNextPlan()
    {
        auto &graphs = endedLongRun();
        graphs.repeatRun(1000);
        form<YPOTHETIKES>().Command2.click();
        graphs.finishRepeats();
        QVERIFY(!graphs.ensembleOf(lesson::model().run()));
        const auto *notice = graphs.findChild<QLabel *>(QStringLiteral("notice"));
        QVERIFY(!notice || !notice->isVisibleTo(&graphs) || !notice->text().contains(QLatin1String("1000 runs")));
    }

    // The reading cursor shows at a time what the run's samples, its smooth
    // curves and its copies' mean are there, in the graph's units; the keys
    // move it a tick at a time; it is never part of the picture.
    void cursorReadsTheGraph()
    {
        auto &graphs = endedLongRun();
        graphs.diaforikes.click();
        graphs.repeatRun(10);
        graphs.finishRepeats();
        const auto &run = lesson::model().run();
        const auto &setup = run.setup();
        const QImage picture = graphs.pictureImage();
        auto &cursor = graphs.cursor();
        const double t = 3.4 * setup.interval;
        cursor.moveTo(t);
        QVERIFY(cursor.isVisible());
        QCOMPARE(graphs.pictureImage(), picture);
        // The last sample at or before t, found by its replayed time.
        kinetics::core::Amounts last{};
        run.recording()->replay([&](double x, const kinetics::core::Amounts &y) {
            if (x <= t)
                last = y;
        });
        const auto *smooth = graphs.smoothOf(run);
        QVERIFY(smooth);
        const double perSpot = kinetics::core::amountPerSpot(setup.amount, setup.spots);
        const auto *stats = graphs.ensembleOf(run);
        QVERIFY(stats);
        const double mean = stats->mean[1][2] + (stats->mean[1][3] - stats->mean[1][2]) * 0.4;
        const QStringList said = cursor.spoken().split(QStringLiteral(": "));
        QCOMPARE(said.value(0), QStringLiteral("t = %1, in mol/L").arg(Format(t, "0.0")));
        QStringList expected;
        for (int m = 0; m < setup.kinds(); ++m)
            expected << QStringLiteral("%1 %2 \u00b7 smooth %3 \u00b7 mean %4")
                            .arg(QLatin1Char(char('A' + m)))
                            .arg(Format(last[std::size_t(m)], "0.000"))
                            .arg(Format(smooth->plotted(smooth->at(m, t)), "0.000"))
                            .arg(m == 1 ? Format(mean * perSpot, "0.000") : QStringLiteral("*"));
        const QStringList values = said.value(1).split(QStringLiteral("; "));
        QCOMPARE(values.size(), expected.size());
        for (int m = 0; m < setup.kinds(); ++m)
            QVERIFY2(QRegularExpression(QRegularExpression::escape(expected[m]).replace(QLatin1String("\\*"), QLatin1String(".*")))
                         .match(values[m]).hasMatch(),
                     qPrintable(values[m] + QStringLiteral(" against ") + expected[m]));
        QCOMPARE(cursor.accessibleDescription(), cursor.spoken());
        for (const auto &[key, at] : {std::pair{Qt::Key_Right, t + setup.interval}, std::pair{Qt::Key_Home, 0.0},
                                      std::pair{Qt::Key_End, double(setup.duration)}}) {
            QTest::keyClick(&graphs, key);
            COMPARE_NEAR(cursor.at(), at, 1e-12, 0);
        }
    }

    // A graph keeping many runs draws each point once, where the last run
    // that plots it does: runs that came out alike show, maximised or not,
    // exactly as the last of them alone.
    void keptRunsRedrawAsTheirLast_data()
    {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("a quarter of the screen") << false;
        QTest::newRow("maximised") << true;
    }

    void keptRunsRedrawAsTheirLast()
    {
        QFETCH(bool, maximised);
        const auto graphAfter = [&](int runs) {
            road::startProgram(QSize(1920, 1080));
            auto &p = road::toParameters(true, true);
            for (int r = 0; r < runs; ++r) {
                p.Command2.click();
                core::generator().seed(5); // each run alike
                road::start();
                road::runToTheEnd();
            }
            auto &graphs = form<grafiki1>();
            if (runs > 1 && graphs.runsShown() != runs)
                return QImage();
            graphs.placeAt(0, 0, screenWidth() / (maximised ? 1 : 2), screenHeight() / (maximised ? 1 : 2));
            graphs.redraw();
            return graphs.image();
        };
        const QImage many = graphAfter(4);
        QVERIFY2(!many.isNull(), "the graph did not keep the runs");
        QCOMPARE(many, graphAfter(1));
    }

    // Both roads to a decay run give the same run for the same half-lives:
    // the worked series and a series of three steps of its half-lives.
    // A listener hears the run at Start and at its end, each kind's amount
    // in the graph's unit: the alert the run control makes is named so.
    void runIsToldAsItGoes()
    {
        road::toParameters(false, false).sidesq.setValue(20);
        auto &control = road::startRun();
        auto told = [&control] {
            auto *point = control.findChild<QWidget *>(QStringLiteral("announcement"));
            QAccessibleInterface *alert = point ? QAccessible::queryAccessibleInterface(point) : nullptr;
            return alert && alert->role() == QAccessible::AlertMessage ? alert->text(QAccessible::Name) : QString();
        };
        QCOMPARE(told(), QStringLiteral("The run starts. At time 0: A 0.200 mol/L; B 0.000 mol/L."));
        road::runToTheEnd();
        const auto said = QRegularExpression(QStringLiteral(
                                                 "^The run has ended\\. At time (\\d+): A ([0-9.]+) mol/L; B ([0-9.]+) mol/L\\.$"))
                              .match(told());
        QVERIFY2(said.hasMatch(), qPrintable(told()));
        const auto &run = lesson::model().run();
        const double perSpot = 0.2 / run.setup().spots;
        QCOMPARE(said.captured(1).toDouble(), run.recording()->history.back().time);
        QCOMPARE(said.captured(2).toDouble(), std::round(1000 * run.counts().a * perSpot) / 1000);
        QCOMPARE(said.captured(3).toDouble(), std::round(1000 * run.counts().b * perSpot) / 1000);
    }

    void bothDecayEntriesGiveTheSameRun()
    {
        road::toDecayRates(3);
        form<YPOTHDIASPASI1>().showWorkedHalfLives();
        form<YPOTHDIASPASI1>().mprosta.click();
        road::start();
        auto series = lesson::model().run().setup();
        workedExample();
        road::start();
        auto worked = lesson::model().run().setup();
        QCOMPARE(worked.process, kinetics::core::ModelCode::DecayExample);
        worked.process = series.process;
        QCOMPARE(worked, series);
        QCOMPARE(series.kinds(), 4);
        QVERIFY(series.rates.k4 > 0); // lead-210's own decay in the smooth curves
    }
};

QTEST_MAIN(TestRunWindows)
#include "test_run_windows.moc"
