// Decay constants from half-lives, the worked example's probabilities and
// the half-life bars' unit.
#include "decay/core/DecayConstants.h"
#include "decay/core/DecaySteps.h"
#include "tests/support/Near.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace decay::core;

using Four = std::array<double, 4>;

class ConstantsTest : public QObject
{
    Q_OBJECT

private slots:
    void decayConstantIgnoresTemperature_data()
    {
        QTest::addColumn<double>("halfLife");
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<double>("temperatureC");
        QTest::addColumn<double>("k");
        QTest::newRow("shortest half-life, 1 minute") << 1.0 << -2 << 25.0 << 0.693147;
        QTest::newRow("longest, 150 minutes") << 150.0 << -2 << 0.0 << 0.00462098;
        QTest::newRow("polonium, hot") << 3.05 << -1 << 100.0 << 0.227261;
        QTest::newRow("lead-214, cold") << 26.8 << -1 << 0.0 << 0.0258637;
    }

    void decayConstantIgnoresTemperature()
    {
        QFETCH(double, halfLife);
        QFETCH(int, modelCode);
        QFETCH(double, temperatureC);
        QFETCH(double, k);
        COMPARE_NEAR(decayConstant(halfLife, kinetics::core::ModelCode(modelCode), temperatureC), k, 5e-6, 0);
    }

    void seriesConstants_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<Four>("k");
        const double ln2 = std::numbers::ln2;
        QTest::newRow("one step") << 1 << Four{ln2 / 3.05, 0, 0, 0};
        QTest::newRow("two steps") << 2 << Four{ln2 / 3.05, ln2 / 26.8, 0, 0};
        QTest::newRow("three steps end in lead-210") << 3 << Four{ln2 / 3.05, ln2 / 26.8, ln2 / 19.7, 5.99446e-8};
    }

    void seriesConstants()
    {
        QFETCH(int, steps);
        QFETCH(Four, k);
        const Four actual = decay::core::seriesConstants(steps, 3.05, 26.8, 19.7);
        for (std::size_t i = 0; i < 4; ++i)
            COMPARE_NEAR(actual[i], k[i], 1e-5, 0);
    }

    void workedExample_data()
    {
        QTest::addColumn<Four>("halfLives");
        QTest::addColumn<double>("counter");
        QTest::addColumn<QList<double>>("rates");
        QTest::newRow("polonium series") << workedHalfLives << 1.0
                                         << QList<double>{0.51, 0.05, 0.0791666, 1.34875e-7, 0};
        // 225 x ln 2 = 156 exceeds 100: the counter doubles once.
        QTest::newRow("a one-minute half-life") << Four{1.0, 26.8, 19.7, 11563200.0} << 2.0
                                                << QList<double>{0.77, 0.02, 0.0395833, 6.74373e-8, 0};
        QTest::newRow("a quarter-minute half-life") << Four{0.25, 26.8, 19.7, 11563200.0} << 8.0
                                                    << QList<double>{0.77, 0.0, 0.00989582, 1.68593e-8, 0};
    }

    void workedExample()
    {
        QFETCH(Four, halfLives);
        QFETCH(double, counter);
        QFETCH(QList<double>, rates);
        const WorkedRates w = workedExampleRates(halfLives);
        QCOMPARE(w.counter, counter);
        for (std::size_t i = 0; i < 5; ++i)
            COMPARE_NEAR(w.rate[i], rates[qsizetype(i)], 1e-5, 0);
    }

    void halfLifeBarsInHundredths_data()
    {
        QTest::addColumn<double>("minutes");
        QTest::addColumn<int>("bar");
        QTest::newRow("3.05") << 3.05 << 305;
        QTest::newRow("2.3, 229.99999... in hundredths") << 2.3 << 230;
        QTest::newRow("150") << 150.0 << 15000;
    }

    void halfLifeBarsInHundredths()
    {
        QFETCH(double, minutes);
        QFETCH(int, bar);
        QCOMPARE(barFromHalfLife(minutes), bar);
        COMPARE_NEAR(halfLifeFromBar(bar), minutes, 1e-12, 0);
    }
};

QTEST_GUILESS_MAIN(ConstantsTest)
#include "test_constants.moc"
