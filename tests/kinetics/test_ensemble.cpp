// Many copies of a run: their mean follows the smooth solution and their
// spread the binomial one the event rule predicts, for a reaction, a decay
// and an acid; the same seed gives the same copies on any number of threads.
#include "acids/core/Equilibrium.h"
#include "graphs/core/Ensemble.h"
#include "kinetics/core/TemperatureFactor.h"

#include <QtTest>

using namespace kinetics::core;

class TestEnsemble : public QObject
{
    Q_OBJECT
private slots:
    void copiesFollowTheSmoothSolution_data()
    {
        QTest::addColumn<int>("process");
        QTest::addColumn<QList<double>>("rates"); // k1, k1Reverse, k2, k2Reverse, k3
        QTest::addColumn<int>("duration");
        QTest::newRow("reaction A <-> B -> C") << 0 << QList<double>{0.12, 0.05, 0.08, 0, 0} << 250;
        QTest::newRow("decay series of three steps") << -2 << QList<double>{0.2, 0, 0.1, 0, 0.05} << 75;
        const auto p = acids::core::equilibriumPercentages(0.15f, ModelCode::Phosphoric, 25);
        const auto k = acids::core::acidRates(p, temperatureFactor(ModelCode::Phosphoric, 25));
        QTest::newRow("phosphoric acid") << 3 << QList<double>{k.k1, k.k1Reverse, k.k2, k.k2Reverse, 0} << 250;
    }

    void copiesFollowTheSmoothSolution()
    {
        QFETCH(int, process);
        QFETCH(QList<double>, rates);
        QFETCH(int, duration);
        const RunSetup setup = setupFor({.process = ModelCode(process), .twoSteps = true, .reversible = true,
                                         .decaySteps = 3,
                                         .rates = {.steps = {rates[0], rates[1], rates[2], rates[3], rates[4]}},
                                         .amount = 30, .duration = duration, .temperatureC = 25});
        const auto stats = runEnsemble(setup, 2026, 400, 2);
        QVERIFY(stats);
        QCOMPARE(int(stats->times.size()), ticksOfRun(duration, setup.interval));
        const auto c = graphs::core::compare(*stats, graphs::core::smoothSolution(setup));
        // Of some hundred means, none beyond 4.5 standard errors; the spread
        // within a tenth of the binomial one (its own error is about 4 %).
        QVERIFY2(c.standardErrors < 4.5, qPrintable(QString::number(c.standardErrors)));
        QVERIFY2(std::fabs(c.spreadRatio - 1) < 0.1, qPrintable(QString::number(c.spreadRatio)));
        // The 5 % and 95 % points hold the mean between them.
        for (std::size_t i = 0; i < stats->times.size(); ++i)
            QVERIFY(stats->low[1][i] <= stats->mean[1][i] && stats->mean[1][i] <= stats->high[1][i]);
    }

    void sameSeedSameCopiesOnAnyThreads()
    {
        const RunSetup setup =
            setupFor({.rates = {.steps = {.k1 = 0.3}}, .amount = 20, .duration = 100, .temperatureC = 25});
        const auto one = runEnsemble(setup, 7, 40, 1);
        const auto three = runEnsemble(setup, 7, 40, 3);
        const auto other = runEnsemble(setup, 8, 40, 3);
        QVERIFY(one && three && other);
        QCOMPARE(one->mean, three->mean);
        QCOMPARE(one->sd, three->sd);
        QCOMPARE(one->lastCounts, three->lastCounts);
        QVERIFY(one->mean != other->mean);
        const std::atomic<bool> cancelled{true};
        QVERIFY(!runEnsemble(setup, 7, 40, 2, nullptr, &cancelled));
    }
};

QTEST_GUILESS_MAIN(TestEnsemble)
#include "test_ensemble.moc"
