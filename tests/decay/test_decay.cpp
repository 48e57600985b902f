// The radioactive decay chapter: what the number of steps shows, the labels
// the bars write, the scroll bars that mirror one another, the worked
// example; a decay run's rates, pace and counts, and the half-life marks
// drawn over its graph.
#include "tests/support/Road.h"
#include "decay/GNOSTED.h"
#include "graphs/grafiki1.h"
#include "shell/core/SharedState.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace toolkit;
using road::inkNear;
using shell::core::shared;

namespace {

constexpr double ln2 = std::numbers::ln2;

} // namespace

class TestDecay : public QObject
{
    Q_OBJECT
private slots:
    void init() { road::startProgram(); }
    void cleanupTestCase() { resetForms(); }

    void stepsShowTheirControls_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("steps");
        QTest::newRow("at start-up") << QList<int>{} << 2;
        QTest::newRow("1") << QList<int>{1} << 1;
        QTest::newRow("2") << QList<int>{2} << 2;
        QTest::newRow("3") << QList<int>{3} << 3;
        QTest::newRow("3 then 1") << QList<int>{3, 1} << 1;
        QTest::newRow("1 then 3") << QList<int>{1, 3} << 3;
        QTest::newRow("3 then 2") << QList<int>{3, 2} << 2;
        QTest::newRow("1, 2, 3, 2, 1") << QList<int>{1, 2, 3, 2, 1} << 1;
        QTest::newRow("2 twice") << QList<int>{2, 2} << 2;
    }

    void stepsShowTheirControls()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(int, steps);
        auto &model = road::toDecayModel();
        OptionButton *options[] = {&model.Option1, &model.Option2, &model.Option3};
        for (int c : clicks)
            options[c - 1]->click();
        QCOMPARE(model.steps(), steps);
        auto &rates = form<YPOTHDIASPASI1>();
        // Each control with the number of steps from which it shows.
        std::vector<std::pair<const Control *, int>> from = {
            {&model.Shape1, 1}, {&model.Shape2, 1},      {&model.Shape3, 2},     {&model.Shape4, 3},
            {&rates.blezoi, 1}, {&rates.prasinizoi, 2}, {&rates.kokinizoi, 3},
        };
        for (int k = 0; k <= 3; ++k)
            from.insert(from.end(), {{&rates.etiketa1[k], 1}, {&rates.etiketa2[k], 2}, {&rates.etiketa3[k], 3}});
        for (int k = 1; k <= 3; ++k)
            from.insert(from.end(), {{&model.Label5[k], k}, {&model.Picture2[k - 1], k}});
        for (const auto &[control, first] : from)
            QVERIFY2(control->visible() == (steps >= first), qPrintable(control->objectName()));
        QCOMPARE(model.Label5[1].caption(), QStringLiteral("B"));
        if (steps >= 2)
            QCOMPARE(model.Label5[2].caption(), QStringLiteral("C"));
    }

    void halfLifeRowsWriteTheirConstants_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("caption");
        QTest::newRow("blue 1.00") << 0 << 100 << QStringLiteral("0.69300 min");
        QTest::newRow("green 1.00") << 1 << 100 << QStringLiteral("0.69315 min");
        QTest::newRow("red 1.00") << 2 << 100 << QStringLiteral("0.69315 min");
        QTest::newRow("blue 150.00") << 0 << 15000 << QStringLiteral("0.00462 min");
        QTest::newRow("green 150.00") << 1 << 15000 << QStringLiteral("0.00462 min");
        QTest::newRow("red 150.00") << 2 << 15000 << QStringLiteral("0.00462 min");
        QTest::newRow("blue 3.05") << 0 << 305 << QStringLiteral("0.22721 min");
        QTest::newRow("green 26.80") << 1 << 2680 << QStringLiteral("0.02586 min");
    }

    void halfLifeRowsWriteTheirConstants()
    {
        QFETCH(int, colour);
        QFETCH(int, value);
        QFETCH(QString, caption);
        auto &rates = road::toDecayRates(3);
        ScrollBar *bars[] = {&rates.blezoi, &rates.prasinizoi, &rates.kokinizoi};
        ControlArray<Label> *rows[] = {&rates.etiketa1, &rates.etiketa2, &rates.etiketa3};
        double *stored[] = {&shared().rateK1, &shared().rateK2, &shared().rateK3};
        bars[colour]->setValue(value == bars[colour]->value() ? value + 1 : value);
        bars[colour]->setValue(value);
        QCOMPARE((*rows[colour])[0].caption(), caption);
        QCOMPARE((*rows[colour])[1].caption(), QStringLiteral("-1"));
        QCOMPARE((*rows[colour])[2].caption(), QStringLiteral("K"));
        QCOMPARE((*rows[colour])[3].caption(), QString::number(colour + 1));
        // The stored constant is ln 2 / T whatever the row shows.
        QVERIFY(std::fabs(*stored[colour] / (ln2 / (value / 100.0)) - 1) < 1e-12);

        // The temperature never changes a decay constant.
        rates.tempotherm.setValue(90);
        rates.tempotherm.setValue(3);
        bars[colour]->setValue(value + 5);
        bars[colour]->setValue(value);
        QCOMPARE((*rows[colour])[0].caption(), caption);
    }

    void atomsLabelCountsTheSites_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("caption");
        QTest::newRow("15") << 15 << QStringLiteral("Number of Atoms = 94"); // 93.75
        QTest::newRow("2") << 2 << QStringLiteral("Number of Atoms = 13");   // 12.5, half away from 0
        QTest::newRow("44") << 44 << QStringLiteral("Number of Atoms = 275");
        QTest::newRow("99") << 99 << QStringLiteral("Number of Atoms = 619"); // 618.75
    }

    void atomsLabelCountsTheSites()
    {
        QFETCH(int, value);
        QFETCH(QString, caption);
        auto &rates = road::toDecayRates(2);
        rates.arithatomon.setValue(value == 50 ? 51 : 50);
        rates.arithatomon.setValue(value);
        QCOMPARE(rates.Label8.caption(), caption);
        QCOMPARE(shared().initialAmount, value);
        QVERIFY(shared().amountChanged);
        QVERIFY(std::fabs(shared().concentrationAxisTop - 1.2 * value / 100) < 1e-12);
    }

    // The worked example's run, and Back to the model window.
    void exampleAtDesignedAmount()
    {
        road::toDecayModel();
        auto &run = form<apotelesmata>();
        run.Command4.click();
        auto &example = form<GNOSTED>();
        example.HScroll1.setValue(25);
        example.mprosta.click();
        QCOMPARE(example.etiketa2.caption(), QStringLiteral("Half Life2=26.80"));
        QCOMPARE(example.etiketa3.caption(), QStringLiteral("Half Life=19.70"));
        QCOMPARE(form<YPOTHDIASPASI1>().blezoi.value(), 305);
        QVERIFY(std::fabs(shared().rateK2 - 0.0258637) < 1e-6);
        QVERIFY(std::fabs(shared().rateK3 - 0.0351851) < 1e-6);
        QCOMPARE((road::start(), shared().run.spotTotal()), 169); // a block of 13 x 13
        example.mpros.click();
        QVERIFY(!example.isVisible());
        QVERIFY(form<YPOTHDIASPASI>().isVisible());
        QCOMPARE(kinetics::core::toInt(shared().modelCode), -1);
    }

    // The bars of one quantity on the parameters, decay and acid windows
    // follow one another, and no other bar moves.
    void barsMirrorOneQuantity_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("quantity"); // 0 atoms, 1 duration, 2 temperature
        QTest::addColumn<int>("value");
        QTest::newRow("rates atoms") << "YPOTHDIASPASI1" << "arithatomon" << 0 << 40;
        QTest::newRow("example atoms") << "GNOSTED" << "HScroll1" << 0 << 30;
        QTest::newRow("parameters atoms") << "YPOTHETIKES" << "sidesq" << 0 << 61;
        QTest::newRow("acid concentration") << "OXEA1" << "concentration" << 0 << 33;
        QTest::newRow("model duration") << "YPOTHDIASPASI" << "xronosolos" << 1 << 400;
        QTest::newRow("example duration") << "GNOSTED" << "xronosolos" << 1 << 530;
        QTest::newRow("parameters duration") << "YPOTHETIKES" << "xronosolos" << 1 << 90;
        QTest::newRow("acid duration") << "OXEA1" << "xronosolos" << 1 << 420;
        QTest::newRow("rates temperature") << "YPOTHDIASPASI1" << "tempotherm" << 2 << 60;
        QTest::newRow("parameters temperature") << "YPOTHETIKES" << "tempotherm" << 2 << 80;
        QTest::newRow("acid temperature") << "OXEA1" << "tempotherm" << 2 << 70;
    }

    void barsMirrorOneQuantity()
    {
        QFETCH(QString, window);
        QFETCH(QString, bar);
        QFETCH(int, quantity);
        QFETCH(int, value);
        road::toDecayModel();
        const std::vector<std::vector<ScrollBar *>> groups = {
            {&form<YPOTHDIASPASI1>().arithatomon, &form<GNOSTED>().HScroll1, &form<YPOTHETIKES>().sidesq,
             &form<OXEA1>().concentration},
            {&form<YPOTHDIASPASI>().xronosolos, &form<GNOSTED>().xronosolos, &form<YPOTHETIKES>().xronosolos,
             &form<OXEA1>().xronosolos},
            {&form<YPOTHDIASPASI1>().tempotherm, &form<YPOTHETIKES>().tempotherm, &form<OXEA1>().tempotherm},
        };
        std::vector<std::vector<int>> before;
        for (const auto &g : groups) {
            before.emplace_back();
            for (ScrollBar *b : g)
                before.back().push_back(b->value());
        }
        Form *w = createdForm(window);
        QVERIFY(w);
        auto *moved = w->findChild<ScrollBar *>(bar, Qt::FindDirectChildrenOnly);
        QVERIFY(moved);
        moved->setValue(value);
        for (std::size_t q = 0; q < groups.size(); ++q)
            for (std::size_t m = 0; m < groups[q].size(); ++m) {
                const int expected = int(q) == quantity ? value : before[q][m];
                QCOMPARE(groups[q][m]->value(), expected);
            }
        const int shares[] = {shared().initialAmount, shared().runDuration, shared().temperatureC};
        QCOMPARE(shares[quantity], value);
    }
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
        QVERIFY(form<grafiki1>().xronoimizoi.visible());
        QCOMPARE(form<neaepilogi>().Option1.value(), steps == 1);
        QCOMPARE(s.run.counts().a, 100);
        QCOMPARE(s.run.counts().b + s.run.counts().c + s.run.counts().d, 0);
    }

    void countsStayWithinTheSpots()
    {
        auto &run = road::startDecayRun(3);
        QCOMPARE(run.Timer1.interval(), 2);
        QVERIFY(!shared().reactionRun);
        const int total = shared().run.spotTotal();
        int lastD = 0;
        int ticks = 0;
        while (run.Timer1.enabled() && ticks < 1000) {
            run.Timer1.tick();
            ++ticks;
            const auto &s = shared();
            for (int n : {s.run.counts().a, s.run.counts().b, s.run.counts().c, s.run.counts().d})
                QVERIFY(n >= 0 && n <= total);
            QCOMPARE(s.run.counts().a + s.run.counts().b + s.run.counts().c + s.run.counts().d, total);
            QVERIFY(s.run.counts().d >= lastD); // cyan never changes back
            lastD = s.run.counts().d;
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
        form<YPOTHDIASPASI>().drawExactSeries();
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
        road::runToTheEnd();
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
        QCOMPARE(road::inkCount(form<grafiki1>(), 0x00ff00) > 50, replayed);
    }
};

QTEST_MAIN(TestDecay)
#include "test_decay.moc"
