// A decay run on the run control: its rates, its pace, its counts, and the
// half-life marks drawn over its graph.
#include "tests/support/Road.h"
#include "decay/GNOSTED.h"
#include "graphs/grafiki1.h"
#include "kinetics/antidrasi.h"
#include "shell/core/SharedState.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace toolkit;
using shell::core::shared;

namespace {

constexpr double ln2 = std::numbers::ln2;


// Whether a pixel of the colour lies within a few pixels across of x at
// height y on the window.
bool inkNear(const Canvas &canvas, double x, double y, QRgb rgb, int across = 2)
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

int inkCount(const Canvas &canvas, QRgb rgb)
{
    const QImage image = canvas.image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xffffff) == (rgb & 0xffffff);
    return n;
}

} // namespace

class TestDecayRun : public QObject
{
    Q_OBJECT
private slots:
    void init() { road::startProgram(); }
    void cleanupTestCase() { resetForms(); }

    void ratesOfTheSteps_data()
    {
        QTest::addColumn<int>("steps");
        QTest::newRow("one step") << 1;
        QTest::newRow("two steps") << 2;
        QTest::newRow("three steps") << 3;
    }

    void ratesOfTheSteps()
    {
        QFETCH(int, steps);
        road::toDecayRates(steps).mprosta.click();
        const auto &s = shared();
        QCOMPARE(kinetics::core::toInt(s.modelCode), -2);
        QVERIFY(std::fabs(s.rateK1 / (ln2 / 3.05) - 1) < 1e-12);
        QCOMPARE(s.rateK2 != 0, steps >= 2);
        QCOMPARE(s.rateK3 != 0, steps == 3);
        QCOMPARE(s.rateK4 != 0, steps == 3);
        if (steps >= 2)
            QVERIFY(std::fabs(s.rateK2 / (ln2 / 26.8) - 1) < 1e-12);
        if (steps == 3) {
            QVERIFY(std::fabs(s.rateK3 / (ln2 / 19.7) - 1) < 1e-12);
            QVERIFY(std::fabs(s.rateK4 - 5.99e-8) < 0.01e-8);
        }
        QCOMPARE(s.rateK5, 0.0);
        // The parameters window's forward bars read 0.
        auto &p = form<YPOTHETIKES>();
        QCOMPARE(p.bleprasino.value(), 0);
        QCOMPARE(p.kokkina.value(), 0);
        QCOMPARE(p.pithanotipiso.value(), 0);
        QCOMPARE(p.kokkinaprasina.value(), 0);

        auto &run = form<apotelesmata>();
        QCOMPARE(run.kapa[0].caption(), QStringLiteral("K1= 2.27e-01"));
        QCOMPARE(run.kapa[1].caption(), steps >= 2 ? QStringLiteral("K2= 0.03") : QStringLiteral("K2= 0.00"));
        QCOMPARE(run.kapa[2].caption(), steps == 3 ? QStringLiteral("K3= 0.04") : QStringLiteral("K3= 0.00"));
        QCOMPARE(run.concentr.caption(), QStringLiteral("Number of Atoms = 94"));
        QCOMPARE(run.temperatura.caption(), QStringLiteral("Temperature  = 25°C"));
        QCOMPARE(run.Timer1.interval(), 2);
        QVERIFY(form<grafiki1>().xronoimizoi.visible());
        QCOMPARE(form<neaepilogi>().Option1.value(), steps == 1);
        QCOMPARE(s.countA, 100);
        QCOMPARE(s.countB + s.countC + s.countD, 0);
    }

    void countsStayWithinTheSpots()
    {
        auto &run = road::startDecayRun(3);
        QCOMPARE(run.Timer1.interval(), 2);
        QVERIFY(!shared().reactionRun);
        const int total = run.spotTotal();
        int lastD = 0;
        int ticks = 0;
        while (run.Timer1.enabled() && ticks < 1000) {
            run.Timer1.tick();
            ++ticks;
            const auto &s = shared();
            for (int n : {s.countA, s.countB, s.countC, s.countD})
                QVERIFY(n >= 0 && n <= total);
            QCOMPARE(s.countA + s.countB + s.countC + s.countD, total);
            QVERIFY(s.countD >= lastD); // cyan never changes back
            lastD = s.countD;
        }
        QCOMPARE(ticks, 38); // 75 / 2 ms, ended when the run time passed 75
        QVERIFY(lastD > 0);
    }

    void halfLifesMarkTheRunTimeAxis()
    {
        road::toDecayRates(2).mprosta.click();
        auto &run = form<apotelesmata>();
        run.Timer1.setInterval(19); // paced otherwise: the marks still use 2 ms
        auto &graphs = form<grafiki1>();
        graphs.cls();
        graphs.setRunScale();
        graphs.xronoimizoi.click();
        QCOMPARE(run.Timer1.interval(), 2);
        const double y = 0.9 * shared().concentrationAxisTop;
        const double blueAt = 2 * 0.694 / (ln2 / 3.05); // 6.107
        const double greenAt = 2 * 0.693 / (ln2 / 26.8);
        QVERIFY(std::fabs(blueAt - 6.107) < 1e-3);
        QVERIFY(inkNear(graphs, blueAt, y, 0x0000ff, 1));
        QVERIFY(!inkNear(graphs, blueAt + 3, y, 0x0000ff, 1));
        QVERIFY(!inkNear(graphs, ln2 / (ln2 / 3.05), y, 0x0000ff, 1)); // not at the series' mark
        QVERIFY(inkNear(graphs, greenAt, y, 0x00ff00, 1));
        QVERIFY(!inkNear(graphs, 2 * 0.693 / (ln2 / 19.7), y, 0xff0000, 1)); // no third step
    }

    void decaySeriesMarksAndCurves_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("greenBar");
        QTest::newRow("one step") << 1 << 2680;
        QTest::newRow("three steps") << 3 << 2680;
        QTest::newRow("equal half-lives") << 2 << 305;
    }

    void decaySeriesMarksAndCurves()
    {
        QFETCH(int, steps);
        QFETCH(int, greenBar);
        auto &rates = road::toDecayRates(steps);
        rates.prasinizoi.setValue(greenBar);
        auto &run = form<apotelesmata>();
        run.Timer1.setInterval(2);
        auto &graphs = form<grafiki1>();
        graphs.cls();
        graphs.drawDecaySeries();
        const double top = shared().concentrationAxisTop;
        const double k1 = ln2 / 3.05, k2 = ln2 / (greenBar / 100.0);
        // ln 2 / k1; with equal half-lives the green mark covers it.
        QVERIFY(inkNear(graphs, 3.05, 0.95 * top, greenBar == 305 ? 0x00ff00 : 0x0000ff, 1));
        QCOMPARE(inkNear(graphs, greenBar / 100.0, 0.95 * top, 0x00ff00, 1), steps >= 2);
        QCOMPARE(inkNear(graphs, 19.7, 0.95 * top, 0xff0000, 1), steps == 3);
        // The curves in the graph's time: A at half the amount at its mark,
        // B by the exact solution, also for equal constants.
        const double c0 = shared().initialAmount / 100.0;
        QVERIFY(inkNear(graphs, 3.05, c0 / 2, 0x0000ff));
        if (steps >= 2) {
            const double t = 4;
            const double b = greenBar == 305 ? k1 * t * std::exp(-k1 * t)
                                             : k1 / (k2 - k1) * (std::exp(-k1 * t) - std::exp(-k2 * t));
            QVERIFY(inkNear(graphs, t, c0 * b, 0x00ff00));
        }
        QVERIFY(std::fabs(shared().rateK1 - k1) < 1e-12);
    }

    void newAdjustmentReplaysOrErases_data()
    {
        QTest::addColumn<int>("atoms"); // 0: unchanged
        QTest::addColumn<bool>("erase");
        QTest::addColumn<bool>("replayed");
        QTest::newRow("same amount") << 0 << false << true;
        QTest::newRow("amount changed") << 30 << false << false;
        QTest::newRow("erase ticked") << 0 << true << false;
    }

    void newAdjustmentReplaysOrErases()
    {
        QFETCH(int, atoms);
        QFETCH(bool, erase);
        QFETCH(bool, replayed);
        auto &run = road::startDecayRun(2);
        while (run.Timer1.enabled())
            run.Timer1.tick();
        run.Command1.click();
        auto &model = form<YPOTHDIASPASI>();
        QVERIFY(model.isVisible());
        QCOMPARE(visibleForms().back(), static_cast<Form *>(&model));
        model.mprosta.click();
        auto &rates = form<YPOTHDIASPASI1>();
        if (atoms)
            rates.arithatomon.setValue(atoms);
        form<grafiki1>().Check1.setValue(erase ? 1 : 0);
        rates.mprosta.click();
        // The replayed points of the earlier run: green ink over the graph.
        QCOMPARE(inkCount(form<grafiki1>(), 0x00ff00) > 50, replayed);
    }
};

QTEST_MAIN(TestDecayRun)
#include "test_decay_run.moc"
