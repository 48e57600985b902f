// The reaction parameters window: its labels, its probabilities and the
// ranges the start routine gives its scroll bars.
#include "../support/Road.h"
#include "graphs/ravdogram.h"
#include "kinetics/core/TemperatureFactor.h"
#include "shell/core/SharedState.h"

#include <QtTest>

using namespace toolkit;
using shell::core::shared;

class TestParameters : public QObject
{
    Q_OBJECT
private slots:
    void init() { road::startProgram(); }
    void cleanupTestCase() { resetForms(); }

    void startUpState()
    {
        auto &p = form<YPOTHETIKES>();
        QCOMPARE(p.Label3.caption(), QStringLiteral("0.15  mol/L"));
        QCOMPARE(p.Label7.caption(), QStringLiteral("Duration = 250"));
        QCOMPARE(p.Label5.caption(), QStringLiteral("25°C"));
        QCOMPARE((QList<int>{p.tempotherm.min(), p.tempotherm.max(), p.tempotherm.value()}), (QList<int>{0, 100, 25}));
        QCOMPARE((QList<int>{p.sidesq.min(), p.sidesq.max(), p.sidesq.value()}), (QList<int>{2, 99, 15}));
        QCOMPARE((QList<int>{p.xronosolos.min(), p.xronosolos.max(), p.xronosolos.value()}),
                 (QList<int>{20, 1000, 250}));
        QCOMPARE(shared().initialAmount, 15);
        // The atoms bar of the decay rates window, set to 15 at start-up, wrote it last.
        QCOMPARE(shared().concentrationAxisTop, 0.18);
        QCOMPARE(form<apotelesmata>().temperatura.caption(), QStringLiteral("Temperature  = 25°C"));
    }

    void rateLabels_data()
    {
        QTest::addColumn<int>("temperature");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("label");
        QTest::newRow("100 °C, 50") << 100 << 50 << "5.00E-01 sec";
        QTest::newRow("25 °C, 50") << 25 << 50 << "4.53E-01 sec";
        QTest::newRow("0 °C, 100") << 0 << 100 << "8.71E-01 sec";
        QTest::newRow("100 °C, 0") << 100 << 0 << "0.00E+00 sec";
    }

    void rateLabels()
    {
        QFETCH(int, temperature);
        QFETCH(int, value);
        QFETCH(QString, label);
        auto &p = road::toParameters(false, false);
        p.tempotherm.setValue(temperature);
        p.bleprasino.setValue(value == 50 ? 49 : 50); // make sure the change runs
        p.bleprasino.setValue(value);
        QCOMPARE(p.Label2[2].caption(), label);
        p.Command2.click();
        QCOMPARE(form<apotelesmata>().kapa[0].caption(), QStringLiteral("KA->B =") + label.chopped(4));
        QVERIFY(qAbs(shared().rateK1 - value * kinetics::core::temperatureFactor(kinetics::core::ModelCode::Reaction, temperature, temperature) / 100) <
                1e-12);
    }

    void nonReversibleHasNoReverseSteps()
    {
        auto &p = road::toParameters(true, false);
        p.pithanotipiso.setValue(60); // hidden, but whatever it holds
        p.kokkinaprasina.setValue(70);
        p.kokkina.setValue(40);
        p.Command2.click();
        QCOMPARE(shared().rateK1Reverse, 0.0);
        QCOMPARE(shared().rateK2Reverse, 0.0);
        QVERIFY(shared().rateK2 > 0);
    }

    void oneStepReversibleKeepsSecondForward()
    {
        auto &p = road::toParameters(false, true);
        p.kokkina.setValue(40); // hidden bar, value kept
        p.kokkinaprasina.setValue(30);
        p.Command2.click();
        const double f = kinetics::core::temperatureFactor(kinetics::core::ModelCode::Reaction, 25, 25);
        QCOMPARE(shared().rateK2Reverse, 0.0);
        QVERIFY(qAbs(shared().rateK2 - 0.4 * f) < 1e-12);
    }

    void temperatureRewritesLabelsOnly()
    {
        auto &p = road::toParameters(true, true);
        p.pithanotipiso.setValue(40);
        QCOMPARE(form<apotelesmata>().kapa[1].caption(), QStringLiteral("KB->A =3.62E-01"));
        const double before = shared().rateK1Reverse;
        p.tempotherm.setValue(100);
        QCOMPARE(shared().rateK1Reverse, before);
        QCOMPARE(p.Label4[2].caption(), QStringLiteral("4.00E-01 sec"));
        QCOMPARE(form<apotelesmata>().kapa[1].caption(), QStringLiteral("KB->A =0.40"));
        QCOMPARE(form<apotelesmata>().temperatura.caption(), QStringLiteral("Temperature  = 100°C"));
        p.Command2.click();
        QCOMPARE(form<apotelesmata>().kapa[1].caption(), QStringLiteral("KB->A =4.00E-01"));
        QCOMPARE(shared().rateK1Reverse, 0.4);
    }

    void amountLabelsAndPreview_data()
    {
        QTest::addColumn<int>("amount");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("spots");
        QTest::newRow("2") << 2 << "0.02   mol/L" << 16;
        QTest::newRow("20") << 20 << "0.20   mol/L" << 144;
        QTest::newRow("44") << 44 << "0.44   mol/L" << 289;
        QTest::newRow("99") << 99 << "0.99   mol/L" << 625;
    }

    void amountLabelsAndPreview()
    {
        QFETCH(int, amount);
        QFETCH(QString, label);
        QFETCH(int, spots);
        auto &p = road::toParameters(false, false);
        p.sidesq.setValue(amount);
        QCOMPARE(p.Label3.caption(), label);
        QCOMPARE(form<apotelesmata>().concentr.caption(), label);
        QVERIFY(shared().amountChanged);
        p.Command2.click();
        QCOMPARE(shared().countA, spots);
        // The blue bar stands on the bottom edge and reaches the count.
        auto &bars = form<ravdogram>();
        QCOMPARE(bars.Shape1.height(), double(spots));
        QCOMPARE(bars.Shape2.height(), 0.0);
    }

    void durationLabel()
    {
        auto &p = road::toParameters(false, false);
        p.xronosolos.setValue(730);
        QCOMPARE(p.Label7.caption(), QStringLiteral("Duration = 730"));
        QCOMPARE(shared().runDuration, 730);
    }

    // The list the run control window prints: one line a step, in order.
    void runControlListsTheSteps()
    {
        auto &p = road::toParameters(true, true);
        p.kokkina.setValue(30);
        p.Command2.click();
        auto &run = form<apotelesmata>();
        // Each rate line leaves ink at its height on the left of the window.
        for (double y : {185.0, 161.0, 137.0, 113.0}) {
            int ink = 0;
            for (double x = 0; x < 40; x += 0.25)
                ink += run.pixelAt(x, y - 3).lightness() < 80;
            QVERIFY2(ink > 5, qPrintable(QString::number(y)));
        }
    }
};

QTEST_MAIN(TestParameters)
#include "test_parameters.moc"
