// Many copies of a run: their mean follows the smooth solution and their
// spread the one the event rule predicts exactly, for a reaction, a decay
// and an acid; the same seed gives the same copies on any number of threads.
#include "acids/core/Equilibrium.h"
#include "graphs/core/CountsTable.h"
#include "graphs/core/Ensemble.h"
#include "kinetics/core/EventRule.h"
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

    // A full lattice whose every picked spot turns from A to B: after a
    // tick, A is the number of sites no event picked, whose mean and
    // variance follow from (1 - 1/625)^625 and (1 - 2/625)^625 alone; the
    // spread is then well below the binomial one.
    void exactMomentsOfAFullLattice()
    {
        const RunSetup setup =
            setupFor({.rates = {.steps = {.k1 = 1}}, .amount = 100, .duration = 100, .temperatureC = 25});
        QCOMPARE(setup.spots, 625);
        const auto moments = exactMoments(setup, 2);
        QCOMPARE(int(moments.size()), 2);
        for (int tick = 1; tick <= 2; ++tick) {
            const double n = 625, one = std::pow(1 - 1 / n, 625 * tick), two = std::pow(1 - 2 / n, 625 * tick);
            const double mean = n * one, variance = n * one + n * (n - 1) * two - mean * mean;
            const CountMoments &m = moments[std::size_t(tick - 1)];
            QVERIFY(std::fabs(m.mean[0] - mean) < 1e-9 * n);
            QVERIFY(std::fabs(m.mean[1] - (n - mean)) < 1e-9 * n);
            QVERIFY(std::fabs(m.covariance[0][0] - variance) < 1e-7 * variance);
            QVERIFY(std::fabs(m.covariance[0][1] + variance) < 1e-7 * variance); // A + B stays 625
        }
        const double binomial = std::sqrt(625 * (1 - std::exp(-1.0)) * std::exp(-1.0));
        QVERIFY(moments[0].sd(0) < 0.7 * binomial);
    }

    // Thousands of copies of dense runs spread as the exact moments say, in
    // each kind, tick by tick: means within 4 standard errors, spreads within
    // 4 of theirs.
    void copiesSpreadAsTheEventRuleSays_data()
    {
        QTest::addColumn<int>("process");
        QTest::addColumn<QList<double>>("rates"); // k1, k1Reverse, k2, k2Reverse, k3
        QTest::addColumn<int>("amount");
        QTest::newRow("A -> B, full lattice") << 0 << QList<double>{0.6, 0, 0, 0, 0} << 100;
        QTest::newRow("A <-> B <-> C") << 0 << QList<double>{0.5, 0.2, 0.4, 0.3, 0} << 80;
        QTest::newRow("decay series of three steps") << -2 << QList<double>{0.5, 0, 0.3, 0.9, 0.2} << 100;
    }

    void copiesSpreadAsTheEventRuleSays()
    {
        QFETCH(int, process);
        QFETCH(QList<double>, rates);
        QFETCH(int, amount);
        const RunSetup setup = setupFor({.process = ModelCode(process), .twoSteps = true, .reversible = true,
                                         .decaySteps = 3,
                                         .rates = {.steps = {rates[0], rates[1], rates[2], rates[3], rates[4]}},
                                         .amount = amount, .duration = 60, .temperatureC = 25});
        constexpr int copies = 3000;
        const auto stats = runEnsemble(setup, 77, copies, 2);
        QVERIFY(stats);
        const auto exact = exactMoments(setup, int(stats->times.size()));
        for (std::size_t i = 0; i < exact.size(); ++i)
            for (int m = 0; m < setup.kinds(); ++m) {
                const double sd = exact[i].sd(m);
                const double mean = stats->mean[std::size_t(m)][i], spread = stats->sd[std::size_t(m)][i];
                const QString where = QStringLiteral("kind %1, tick %2: mean %3 against %4, sd %5 against %6")
                                          .arg(m).arg(i + 1).arg(mean).arg(exact[i].mean[std::size_t(m)])
                                          .arg(spread).arg(sd);
                QVERIFY2(std::fabs(mean - exact[i].mean[std::size_t(m)]) <= 4 * std::max(sd, 0.05) / std::sqrt(copies),
                         qPrintable(where));
                if (sd >= 1)
                    QVERIFY2(std::fabs(spread / sd - 1) <= 4 / std::sqrt(2.0 * (copies - 1)) + 0.01, qPrintable(where));
            }
    }

    // What an ensemble keeps of each copy, and the copies' table, are the
    // copy's own run: the same setup run on the block with the copy's seed,
    // its counts at each tick's end, and its half-life of A the time of its
    // first sample with A at or below half.
    void eachCopyKeepsItsOwnRun_data()
    {
        QTest::addColumn<int>("process");
        QTest::addColumn<double>("k1");
        QTest::newRow("decay, A at half within the run") << -2 << 0.3;
        QTest::newRow("slow reaction, A above half to the end") << 0 << 0.01;
    }

    void eachCopyKeepsItsOwnRun()
    {
        QFETCH(int, process);
        QFETCH(double, k1);
        const RunSetup setup = setupFor({.process = ModelCode(process), .decaySteps = 2,
                                         .rates = {.steps = {.k1 = k1, .k2 = 0.2}}, .amount = 20, .duration = 40,
                                         .temperatureC = 25});
        const int copies = 3, copy = 2;
        const auto stats = runEnsemble(setup, 5, copies, 2);
        QVERIFY(stats);
        Run run;
        layOutBlock(run.cells(), setup.amount, 0);
        emptyTheRest(run.cells());
        run.start(setup);
        toolkit::core::Random rng;
        rng.seed(copySeed(5, copy));
        UnseenRun unseen;
        for (int t = 0; run.running(); ++t)
            run.tick(rng, unseen);
        QCOMPARE(int(run.history().size()), stats->ticks());
        for (int t = 0; t < stats->ticks(); ++t) {
            const Counts n = run.history()[std::size_t(t)].counts;
            QCOMPARE((std::array{stats->count(copy, t, 0), stats->count(copy, t, 1), stats->count(copy, t, 2),
                                 stats->count(copy, t, 3)}),
                     (std::array{n.a, n.b, n.c, n.d}));
        }
        double halfLife = std::nan("");
        int sample = 0;
        run.recording()->replay([&](double x, const Amounts &) {
            if (++sample; std::isnan(halfLife) && 2 * run.record(0, sample) <= setup.spots)
                halfLife = x;
        });
        if (std::isnan(halfLife))
            QVERIFY(std::isnan(stats->halfLives[copy]));
        else
            QCOMPARE(stats->halfLives[copy], halfLife);
        QCOMPARE(std::isnan(halfLife), k1 < 0.1);

        const QStringList table = QString::fromStdString(graphs::core::copiesTable(*stats)).trimmed().split('\n');
        const int header = int(table.indexOf(QStringLiteral("copy,time,A,B,C,D,half-life A")));
        QVERIFY(header > 0);
        QCOMPARE(table.size(), header + 1 + copies * stats->ticks());
        const QStringList last = table.last().split(',');
        const Counts end = run.counts();
        QCOMPARE(last.mid(0, 6), (QStringList{QString::number(copies), QString::number(stats->times.back()),
                                             QString::number(end.a), QString::number(end.b),
                                             QString::number(end.c), QString::number(end.d)}));
        QCOMPARE(last[6].isEmpty(), std::isnan(halfLife));
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
        QCOMPARE(one->copyCounts, three->copyCounts);
        QCOMPARE(one->halfLives, three->halfLives);
        QVERIFY(one->mean != other->mean);
        const std::atomic<bool> cancelled{true};
        QVERIFY(!runEnsemble(setup, 7, 40, 2, nullptr, &cancelled));
    }
};

QTEST_GUILESS_MAIN(TestEnsemble)
#include "test_ensemble.moc"
