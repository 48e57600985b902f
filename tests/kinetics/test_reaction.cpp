// The runs of every chapter: counts and records kept whole to the end, a
// second run over the first, the rates of the graphs window's menu, the run
// control's list and the notes window (run windows closed by their frames
// coming back at Start: tests/shell/test_keyboard.cpp). The
// parameters window's labels and the run's pace are a driver road
// (tests/roads/reaction-parameters.drive).
#include "tests/support/Road.h"
#include "graphs/grafiki1.h"
#include "graphs/mathematical.h"
#include "graphs/ravdogram.h"
#include "kinetics/antidrasi.h"
#include "lesson/Model.h"
#include "shell/Simiosi.h"
#include "tests/support/Near.h"

#include <QtTest>

using namespace toolkit;
using road::inkCount;

Q_DECLARE_METATYPE(road::Chapter)

class TestReaction : public QObject
{
    Q_OBJECT
private slots:
    void init() { road::startProgram(); }
    void cleanupTestCase() { resetForms(); }

    // The list the run control window prints: one line a step, in order,
    // left of the amount and temperature beside it, on a small screen too.
    void runControlListsTheSteps_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("640x480") << QSize(640, 480);
    }

    void runControlListsTheSteps()
    {
        QFETCH(QSize, screen);
        road::startProgram(screen);
        auto &p = road::toParameters(true, true);
        p.kokkina.setValue(30);
        p.Command2.click();
        auto &run = form<apotelesmata>();
        const double labels = run.concentr.left();
        // Each rate line leaves ink at its height on the left of the window,
        // none under the labels.
        for (double y : {185.0, 161.0, 137.0, 113.0}) {
            int ink = 0, under = 0;
            for (double x = 0; x < 40; x += 0.25)
                ink += run.pixelAt(x, y - 3).lightness() < 80;
            for (double x = labels; x < 150; x += 0.5)
                for (double dy = 0; dy < 10; dy += 1)
                    under += run.pixelAt(x, y - dy).lightness() < 80;
            QVERIFY2(ink > 5, qPrintable(QString::number(y)));
            QVERIFY2(under == 0, qPrintable(QString::number(y)));
        }
    }

    // Every chapter's run keeps its counts whole after every tick, in its
    // samples too, to its end; cyan spots of a decay never change back.
    void runsKeepTheirCounts_data()
    {
        QTest::addColumn<road::Chapter>("chapter");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("ticks");
        QTest::newRow("reaction") << road::Chapter::Reaction << 19 << 14;
        QTest::newRow("decay series") << road::Chapter::Decay << 2 << 38; // 75 / 2 ms
        QTest::newRow("phosphoric acid") << road::Chapter::Acid << 19 << 14;
    }

    void runsKeepTheirCounts()
    {
        QFETCH(road::Chapter, chapter);
        QFETCH(int, interval);
        QFETCH(int, ticks);
        auto &run = road::startChapterRun(chapter);
        const auto &r = lesson::model().run();
        QCOMPARE(run.Timer1.interval(), interval);
        QCOMPARE(r.setup().chemistry(), chapter != road::Chapter::Decay);
        int lastD = 0;
        for (int n = 1; run.Timer1.enabled(); ++n) {
            run.Timer1.tick();
            QVERIFY(road::countsShareTheSpots());
            QVERIFY(r.counts().d >= lastD);
            lastD = r.counts().d;
            for (int m = 79 * n - 78; m <= 79 * n; m += 13)
                QCOMPARE(r.record(0, m) + r.record(1, m) + r.record(2, m) + r.record(3, m), r.spotTotal());
        }
        QCOMPARE(r.tickCount(), ticks);
        QCOMPARE(r.recordIndex(), 79 * ticks + 1); // a sample every 8th event, past the first arrays
        QCOMPARE(lastD > 0, chapter == road::Chapter::Decay);
        QCOMPARE(r.record(0, 1) + r.record(1, 1) + r.record(2, 1), r.spotTotal()); // after the first event
    }

    // A second run over the first, by Start or by "New Adjustment of the
    // parameters" and Next: the first stays drawn, or is replayed, unless
    // "Erase Previous Graphs" is ticked or the amount changed; no tick runs
    // meanwhile, and the new run starts afresh.
    void secondRunOverTheFirst_data()
    {
        QTest::addColumn<road::Chapter>("chapter");
        QTest::addColumn<bool>("byStart");
        QTest::addColumn<bool>("erase");
        QTest::addColumn<int>("amount"); // 0: unchanged
        QTest::newRow("reaction, Start, kept") << road::Chapter::Reaction << true << false << 0;
        QTest::newRow("reaction, Start, erased") << road::Chapter::Reaction << true << true << 0;
        QTest::newRow("reaction, Next, replayed") << road::Chapter::Reaction << false << false << 0;
        QTest::newRow("reaction, Next, erased") << road::Chapter::Reaction << false << true << 0;
        QTest::newRow("reaction, Next, new amount") << road::Chapter::Reaction << false << false << 30;
        QTest::newRow("decay, Next, replayed") << road::Chapter::Decay << false << false << 0;
        QTest::newRow("decay, Next, erased") << road::Chapter::Decay << false << true << 0;
        QTest::newRow("decay, Next, new amount") << road::Chapter::Decay << false << false << 30;
    }

    void secondRunOverTheFirst()
    {
        QFETCH(road::Chapter, chapter);
        QFETCH(bool, byStart);
        QFETCH(bool, erase);
        QFETCH(int, amount);
        const bool decay = chapter == road::Chapter::Decay;
        auto &run = road::startChapterRun(chapter);
        auto &graphs = form<grafiki1>();
        road::ticks(6);
        const QRgb green = 0x00ff00;
        const int first = inkCount(graphs, green);
        QVERIFY(first > 100);
        graphs.Check1.setValue(erase);
        if (byStart) {
            run.Command2.click();
        } else {
            run.Command1.click();
            auto &parameters = decay ? static_cast<Form &>(form<YPOTHDIASPASI1>()) : form<YPOTHETIKES>();
            if (decay)
                form<YPOTHDIASPASI>().mprosta.click();
            QVERIFY(parameters.isVisible());
            if (amount)
                (decay ? form<YPOTHDIASPASI1>().arithatomon : form<YPOTHETIKES>().sidesq).setValue(amount);
            (decay ? form<YPOTHDIASPASI1>().mprosta : form<YPOTHETIKES>().Command2).click();
            QVERIFY(!run.Timer1.enabled());
            road::ticks(3);
            QCOMPARE(lesson::model().run().tickCount(), 6);
            QCOMPARE(lesson::model().run().counts().b + lesson::model().run().counts().c + lesson::model().run().counts().d, 0);
            road::start();
        }
        const int after = inkCount(graphs, green);
        QVERIFY2(erase || amount ? after < 20 : after > first / 2,
                 qPrintable(QStringLiteral("%1 -> %2").arg(first).arg(after)));
        road::ticks(2);
        QCOMPARE(lesson::model().run().tickCount(), 2);
        QVERIFY(road::countsShareTheSpots());
    }

    // "Change of Rates" draws the rates of the run on a window of its own;
    // the species graphs are offered after an acid's run only.
    void changeOfRatesOpensItsWindow()
    {
        road::toParameters(true, false).kokkina.setValue(30);
        auto &run = road::startRun();
        run.Timer1.tick();
        form<grafiki1>().changerates.click();
        auto &rates = form<mathematical>();
        QVERIFY(rates.isVisible());
        QVERIFY(!rates.grafvcshos.visible());
        const auto &s = lesson::model();
        QVERIFY(inkCount(rates, 0x00009b) > 50);
        QCOMPARE(s.inputs().process, kinetics::core::ModelCode::Reaction);
    }

    void notesCoverTheRunControl()
    {
        road::toParameters(false, false).Command2.click();
        form<grafiki1>().voithia.click();
        auto &run = form<apotelesmata>();
        auto &note = form<Simiosi>();
        QVERIFY(note.isVisible());
        QCOMPARE(note.geometry(), run.geometry());
        QCOMPARE(visibleForms().back(), &note);
        QVERIFY(note.OLE2.plainText().contains(QStringLiteral("Rate = k [A]")));
    }
};

QTEST_MAIN(TestReaction)
#include "test_reaction.moc"
