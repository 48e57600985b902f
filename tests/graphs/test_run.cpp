// The run control window, the graphs window's menus and the notes window.
#include "tests/support/Road.h"
#include "graphs/grafiki1.h"
#include "graphs/mathematical.h"
#include "graphs/ravdogram.h"
#include "kinetics/antidrasi.h"
#include "shell/Simiosi.h"
#include "shell/core/SharedState.h"

#include <QtTest>

#include <cmath>

using namespace toolkit;
using shell::core::shared;

namespace {

// Ink of a colour on the graphs window, counted over its whole image.
int pixelsOf(const Canvas &canvas, QRgb colour)
{
    const QImage &image = canvas.image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
}

constexpr QRgb blue = 0x0000ff;

} // namespace

class TestRun : public QObject
{
    Q_OBJECT
private slots:
    void init() { road::startProgram(); }
    void cleanupTestCase() { resetForms(); }

    void intervalFollowsTheTemperature_data()
    {
        QTest::addColumn<int>("temperature");
        QTest::addColumn<int>("interval");
        // The temperature bar runs from 0 to 100 °C once the program has started.
        QTest::newRow("0 °C") << 0 << 20;
        QTest::newRow("25 °C") << 25 << 19;
        QTest::newRow("100 °C") << 100 << 17;
    }

    void intervalFollowsTheTemperature()
    {
        QFETCH(int, temperature);
        QFETCH(int, interval);
        road::toParameters(false, false).tempotherm.setValue(temperature);
        auto &run = road::startRun();
        QCOMPARE(run.Timer1.interval(), interval);
        QCOMPARE(run.tickInterval(), interval);
        QVERIFY(run.Timer1.enabled());
    }

    void blockAtStart_data()
    {
        QTest::addColumn<int>("amount");
        QTest::addColumn<int>("side");
        QTest::newRow("2") << 2 << 4;
        QTest::newRow("20") << 20 << 12;
        QTest::newRow("44") << 44 << 17;
        QTest::newRow("99") << 99 << 25;
    }

    void blockAtStart()
    {
        QFETCH(int, amount);
        QFETCH(int, side);
        road::toParameters(false, false).sidesq.setValue(amount);
        auto &run = road::startRun();
        QCOMPARE(run.blockSide(), side);
        QCOMPARE(run.spotTotal(), side * side);
        QCOMPARE(shared().countA, side * side);
        int blue = 0, empty = 0;
        for (int i = 1; i <= 25; ++i)
            for (int j = 1; j <= 25; ++j) {
                blue += run.cells()[i][j] == 11;
                empty += run.cells()[i][j] == 100;
            }
        QCOMPARE(blue, side * side);
        QCOMPARE(blue + empty, 625);
        QCOMPARE(form<ravdogram>().scaleTop(), 1.2 * side * side);
    }

    // Every tick records 79 samples; the counts always add up to the total.
    void ticksRecordAndConserve()
    {
        road::toParameters(true, true);
        auto &p = form<YPOTHETIKES>();
        p.kokkina.setValue(40);
        p.pithanotipiso.setValue(30);
        p.kokkinaprasina.setValue(20);
        auto &run = road::startRun();
        for (int n = 1; n <= 5; ++n) {
            run.Timer1.tick();
            const auto &s = shared();
            QCOMPARE(s.countA + s.countB + s.countC + s.countD, run.spotTotal());
            QCOMPARE(run.recordIndex(), 79 * n + 1);
            for (int m = 1; m <= 79 * n; m += 13)
                QCOMPARE(run.record(0, m) + run.record(1, m) + run.record(2, m), run.spotTotal());
        }
        QCOMPARE(shared().tickCount, 5);
        QCOMPARE(run.runTime(), 5.0 * run.tickInterval());
    }

    void runEndsAfterTheDuration_data()
    {
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("ticks");
        QTest::newRow("250 at 19 ms") << 250 << 14; // 13 x 19 = 247 is not past 250
        QTest::newRow("20 at 19 ms") << 20 << 2;
        QTest::newRow("1000 at 19 ms") << 1000 << 53;
    }

    void runEndsAfterTheDuration()
    {
        QFETCH(int, duration);
        QFETCH(int, ticks);
        road::toParameters(false, false).xronosolos.setValue(duration);
        auto &run = road::startRun();
        int n = 0;
        while (run.Timer1.enabled() && n < 10000) {
            run.Timer1.tick();
            ++n;
        }
        QCOMPARE(n, ticks);
        QCOMPARE(shared().tickCount, ticks);
    }

    // A run longer than the first record arrays records and replays whole.
    void longRunRecordsWhole()
    {
        auto &p = road::toParameters(false, false);
        p.xronosolos.setValue(1000);
        p.tempotherm.setValue(100); // 17 ms a tick: 59 ticks
        auto &run = road::startRun();
        while (run.Timer1.enabled())
            run.Timer1.tick();
        QCOMPARE(run.recordIndex(), 79 * 59 + 1);
        QVERIFY(run.record(0, 79 * 59) + run.record(1, 79 * 59) == run.spotTotal());
    }

    void secondStartDrawsOverTheFirst_data()
    {
        QTest::addColumn<int>("erase");
        QTest::newRow("kept") << 0;
        QTest::newRow("erased") << 1;
    }

    void secondStartDrawsOverTheFirst()
    {
        QFETCH(int, erase);
        road::toParameters(false, false);
        auto &run = road::startRun();
        auto &graphs = form<grafiki1>();
        for (int n = 0; n < 6; ++n)
            run.Timer1.tick();
        const int first = pixelsOf(graphs, blue);
        QVERIFY(first > 100);
        graphs.Check1.setValue(erase);
        run.Command2.click();
        const int after = pixelsOf(graphs, blue);
        QVERIFY2(erase ? after < 20 : after > first * 9 / 10, qPrintable(QStringLiteral("%1 -> %2").arg(first).arg(after)));
    }

    // The replay draws each sample exactly under the live point it was taken from.
    void replayRedrawsTheRecordedPoints()
    {
        road::toParameters(false, false);
        auto &run = road::startRun();
        for (int n = 0; n < 4; ++n)
            run.Timer1.tick();
        auto &graphs = form<grafiki1>();
        const QImage live = graphs.image();
        run.Command1.click(); // "New Adjustment of the parameters"
        graphs.cls();
        run.zografizografiki();
        const QImage replay = graphs.image();
        int checked = 0;
        for (int n = 0; n < 4; ++n)
            for (int m = 0; m < 79; m += 11) {
                const double x = n * run.tickInterval() + 8.0 * m * run.tickInterval() / 625;
                const double y = shared().initialAmount * double(run.record(0, 79 * n + m + 1)) / run.spotTotal() / 100;
                const QPoint p(int(std::floor(graphs.xToPixel(x))), int(std::floor(graphs.yToPixel(y))));
                if ((replay.pixel(p) & 0xffffff) == 0)
                    continue; // the frame is drawn over the replayed points
                QCOMPARE(replay.pixel(p) & 0xffffff, QRgb(blue));
                QCOMPARE(live.pixel(p) & 0xffffff, QRgb(blue));
                ++checked;
            }
        QVERIFY(checked > 20);
    }

    // "Next>" after "New Adjustment" replays the run unless the amount changed.
    void replayOrClearOnNext_data()
    {
        QTest::addColumn<bool>("changeAmount");
        QTest::newRow("same amount") << false;
        QTest::newRow("new amount") << true;
    }

    void replayOrClearOnNext()
    {
        QFETCH(bool, changeAmount);
        auto &p = road::toParameters(false, false);
        auto &run = road::startRun();
        for (int n = 0; n < 5; ++n)
            run.Timer1.tick();
        run.Command1.click();
        QVERIFY(p.isVisible());
        if (changeAmount)
            p.sidesq.setValue(30);
        p.Command2.click();
        const int replayed = pixelsOf(form<grafiki1>(), blue);
        QVERIFY2(changeAmount ? replayed == 0 : replayed > 100, qPrintable(QString::number(replayed)));
    }

    void optimizationMatchesTheExponential()
    {
        road::toParameters(false, false);
        auto &run = road::startRun();
        run.Timer1.tick();
        form<grafiki1>().diaforikes.click();
        const auto &s = shared();
        const double N = 625.0 * s.initialAmount / 100;
        QCOMPARE(s.curveA.size(), std::size_t(1251)); // duration 250: entries 0..1250
        QCOMPARE(s.derivedGraphCount, 1);
        for (int k : {0, 5, 50, 400, 1250}) {
            const double exact = N * std::exp(-s.rateK1 * k * 0.2);
            QVERIFY(std::fabs(s.curveA[k] - exact) <= 1e-6 * N);
            QVERIFY(std::fabs(s.curveB[k] - (N - exact)) <= 1e-6 * N);
        }
        QCOMPARE(form<grafiki1>().curveStep, run.tickInterval() / 5.0);
        QVERIFY(pixelsOf(form<grafiki1>(), 0x00009b) > 100); // the dark blue curve
    }

    void kratimatimonBeforeAnySolutionDrawsNothing()
    {
        road::toParameters(false, false);
        auto &graphs = form<grafiki1>();
        graphs.cls();
        const QImage before = graphs.image();
        graphs.kratimatimon();
        QCOMPARE(graphs.image(), before);
    }

    void changeOfRatesOpensItsWindow()
    {
        road::toParameters(true, false).kokkina.setValue(30);
        auto &run = road::startRun();
        run.Timer1.tick();
        form<grafiki1>().changerates.click();
        auto &rates = form<mathematical>();
        QVERIFY(rates.isVisible());
        QVERIFY(!rates.grafvcshos.visible());
        const auto &s = shared();
        QCOMPARE(s.rateCurveA.size(), s.curveA.size());
        // The rate of A at the start is -p1 N and B gains what A loses.
        const double N = 625.0 * s.initialAmount / 100;
        QVERIFY(std::fabs(s.rateCurveA[0] + s.rateK1 * N) < 1e-9 * N);
        QVERIFY(std::fabs(s.rateCurveA[0] + s.rateCurveB[0]) < 1e-9 * N);
        QVERIFY(pixelsOf(rates, 0x00009b) > 50);
        QCOMPARE(s.modelCode, kinetics::core::ModelCode::Reaction);
    }

    void notesCoverTheRunControl_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1366 x 768") << QSize(1366, 768);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080);
        QTest::newRow("1024 x 768") << QSize(1024, 768);
    }

    void notesCoverTheRunControl()
    {
        QFETCH(QSize, screen);
        road::startProgram(screen);
        road::toParameters(false, false).Command2.click();
        form<grafiki1>().voithia.click();
        auto &run = form<apotelesmata>();
        auto &note = form<Simiosi>();
        QVERIFY(note.isVisible());
        QCOMPARE(note.geometry(), run.geometry());
        QCOMPARE(visibleForms().back(), &note);
        QVERIFY(note.OLE2.plainText().contains(QStringLiteral("Rate = k [A]")));
    }

    void unitOfTheValueAxis()
    {
        road::toParameters(false, false);
        road::startRun();
        QVERIFY(form<grafiki1>().diaforikes.enabled());
        QVERIFY(form<apotelesmata>().Command1.enabled());
    }
};

QTEST_MAIN(TestRun)
#include "test_run.moc"
