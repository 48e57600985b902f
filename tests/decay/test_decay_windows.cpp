// The decay model, rates and example windows: what the number of steps shows,
// the labels the bars write and the scroll bars that mirror one another.
#include "tests/support/Road.h"
#include "decay/GNOSTED.h"
#include "shell/core/SharedState.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace toolkit;
using shell::core::shared;

class TestDecayWindows : public QObject
{
    Q_OBJECT
private slots:
    void init() { road::startProgram(); }
    void cleanupTestCase() { resetForms(); }

    void stepsShowTheirControls_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("steps");
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
        QCOMPARE(model.Shape1.visible(), true);
        QCOMPARE(model.Shape2.visible(), true);
        QCOMPARE(model.Shape3.visible(), steps >= 2);
        QCOMPARE(model.Shape4.visible(), steps == 3);
        QCOMPARE(rates.blezoi.visible(), true);
        QCOMPARE(rates.prasinizoi.visible(), steps >= 2);
        QCOMPARE(rates.kokinizoi.visible(), steps == 3);
        for (int k = 0; k <= 3; ++k) {
            QCOMPARE(rates.etiketa1[k].visible(), true);
            QCOMPARE(rates.etiketa2[k].visible(), steps >= 2);
            QCOMPARE(rates.etiketa3[k].visible(), steps == 3);
        }
        QCOMPARE(model.Label5[1].caption(), QStringLiteral("B"));
        QCOMPARE(model.Label5[1].visible(), true);
        QCOMPARE(model.Label5[2].visible(), steps >= 2);
        if (steps >= 2)
            QCOMPARE(model.Label5[2].caption(), QStringLiteral("C"));
        QCOMPARE(model.Label5[3].visible(), steps == 3);
        QCOMPARE(model.Picture2[0].visible(), true);
        QCOMPARE(model.Picture2[1].visible(), steps >= 2);
        QCOMPARE(model.Picture2[2].visible(), steps == 3);
    }

    void startsWithTwoSteps()
    {
        auto &model = form<YPOTHDIASPASI>();
        QVERIFY(model.Option2.value());
        QVERIFY(!model.Option1.value() && !model.Option3.value());
        QVERIFY(model.Shape3.visible());
        QVERIFY(!model.Shape4.visible());
        auto &rates = form<YPOTHDIASPASI1>();
        QVERIFY(rates.prasinizoi.visible());
        QVERIFY(!rates.kokinizoi.visible());
        QVERIFY(!rates.etiketa3[0].visible());
        QCOMPARE(model.Label5[0].caption(), QStringLiteral("A "));
        QCOMPARE(model.Label5[3].caption(), QStringLiteral("D "));
        // The diagram lies in the window's scale: circles every 18 units.
        QVERIFY(std::fabs(model.Shape2.left() - model.Shape1.left() - 18) < 0.2);
        QVERIFY(std::fabs(model.Label5[0].top() - 193.5) < 0.2);
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
        QVERIFY(std::fabs(*stored[colour] / (std::numbers::ln2 / (value / 100.0)) - 1) < 1e-12);

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

    void workedExampleCaptions()
    {
        auto &example = form<GNOSTED>();
        QCOMPARE(example.caption(), QStringLiteral("Example of Radioactive Reaction"));
        QCOMPARE(example.etiketa1.caption(), QStringLiteral("Half Life for Po=3.05 min"));
        QCOMPARE(example.etiketa2.caption(), QStringLiteral("Half Life for Pb=26.80 min"));
        QCOMPARE(example.etiketa3.caption(), QStringLiteral("Half Life for Bi=19.70 min"));
        QCOMPARE(example.etiketa4.caption(), QStringLiteral("Half Life for Pb  is 22 years"));
        const char *mass[] = {"218", "218", "218", "214", "214", "210"};
        for (int k = 0; k <= 5; ++k)
            QCOMPARE(example.Label1[k].caption(), QLatin1String(mass[k]));
        // Each mass number sits with its half-life label.
        QVERIFY(std::fabs(example.Label1[3].left() - example.etiketa2.left() - 15) < 0.2);
        QVERIFY(std::fabs(example.etiketa4.width() - 43.5) < 0.2);
    }

    void exampleAtDesignedAmount()
    {
        road::toDecayModel();
        auto &run = form<apotelesmata>();
        run.Command4.click();
        auto &example = form<GNOSTED>();
        QVERIFY(example.isVisible());
        QCOMPARE(shared().runDuration, 75);
        QCOMPARE(example.xronosolos.value(), 75);
        example.HScroll1.setValue(25);
        QCOMPARE(example.Label4.caption(), QStringLiteral("Number of atoms of Po       = 156"));
        example.mprosta.click();
        QCOMPARE(shared().countA, 169); // a block of 13 x 13
        QCOMPARE(kinetics::core::toInt(shared().modelCode), -1);
        QCOMPARE(example.etiketa1.caption(), QStringLiteral("Half Life1=3.05"));
        QCOMPARE(example.etiketa2.caption(), QStringLiteral("Half Life2=26.80"));
        QCOMPARE(example.etiketa3.caption(), QStringLiteral("Half Life=19.70"));
        QCOMPARE(form<YPOTHDIASPASI1>().blezoi.value(), 305);
        QVERIFY(std::fabs(shared().rateK1 - 0.227262) < 1e-6);
        QVERIFY(std::fabs(shared().rateK2 - 0.0258637) < 1e-6);
        QVERIFY(std::fabs(shared().rateK3 - 0.0351851) < 1e-6);
        run.setConversionPause(false);
        run.Command2.click();
        QCOMPARE(run.spotTotal(), 169);
        QCOMPARE(run.Timer1.interval(), 2);
        example.mpros.click();
        QVERIFY(!example.isVisible());
        QVERIFY(form<YPOTHDIASPASI>().isVisible());
        QCOMPARE(kinetics::core::toInt(shared().modelCode), -1);
    }

    void barsMirrorOneQuantity_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("quantity"); // 0 atoms, 1 duration, 2 temperature
        QTest::addColumn<int>("value");
        QTest::newRow("rates atoms") << "YPOTHDIASPASI1" << "arithatomon" << 0 << 40;
        QTest::newRow("example atoms") << "GNOSTED" << "HScroll1" << 0 << 30;
        QTest::newRow("parameters atoms") << "YPOTHETIKES" << "sidesq" << 0 << 61;
        QTest::newRow("model duration") << "YPOTHDIASPASI" << "xronosolos" << 1 << 400;
        QTest::newRow("example duration") << "GNOSTED" << "xronosolos" << 1 << 530;
        QTest::newRow("parameters duration") << "YPOTHETIKES" << "xronosolos" << 1 << 90;
        QTest::newRow("rates temperature") << "YPOTHDIASPASI1" << "tempotherm" << 2 << 60;
        QTest::newRow("parameters temperature") << "YPOTHETIKES" << "tempotherm" << 2 << 80;
    }

    void barsMirrorOneQuantity()
    {
        QFETCH(QString, window);
        QFETCH(QString, bar);
        QFETCH(int, quantity);
        QFETCH(int, value);
        road::toDecayModel();
        const std::vector<std::vector<ScrollBar *>> groups = {
            {&form<YPOTHDIASPASI1>().arithatomon, &form<GNOSTED>().HScroll1, &form<YPOTHETIKES>().sidesq},
            {&form<YPOTHDIASPASI>().xronosolos, &form<GNOSTED>().xronosolos, &form<YPOTHETIKES>().xronosolos},
            {&form<YPOTHDIASPASI1>().tempotherm, &form<YPOTHETIKES>().tempotherm},
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
};

QTEST_MAIN(TestDecayWindows)
#include "test_decay_windows.moc"
