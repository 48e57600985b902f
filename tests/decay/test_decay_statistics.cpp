// The decay series on the lattice against its exact solution: a blue spot is
// picked with chance 1/625 per event and then turns green with chance k1, so
// over many seeds the mean blue count after n ticks is N (1 - k1/625)^(625 n),
// and the green count follows the two-step solution on the tick axis. Also
// the start-up layout's pure rules of the decay windows.
#include "decay/core/DecaySteps.h"
#include "graphs/core/DecaySeries.h"
#include "kinetics/core/Lattice.h"
#include "shell/core/SharedState.h"
#include "toolkit/core/Random.h"

#include <QtTest>

#include <cmath>

using namespace kinetics::core;

class TestDecayStatistics : public QObject
{
    Q_OBJECT
private slots:
    void meanCountsFollowTheSeries_data()
    {
        QTest::addColumn<double>("k1");
        QTest::addColumn<double>("k2");
        QTest::addColumn<int>("amount");
        QTest::newRow("polonium and lead") << 0.2272613 << 0.0258637 << 44;
        QTest::newRow("fast pair") << 0.3 << 0.12 << 20;
        QTest::newRow("equal constants") << 0.15 << 0.15 << 30;
    }

    void meanCountsFollowTheSeries()
    {
        QFETCH(double, k1);
        QFETCH(double, k2);
        QFETCH(int, amount);
        shell::core::SharedState s;
        s.latticeSide = latticeSide;
        s.lowestIndex = 1;
        s.codeA = defaultCodeA;
        s.codeB = defaultCodeB;
        s.modelCode = ModelCode::DecaySeries;
        s.reactionRun = false;
        s.rateK1 = k1;
        s.rateK2 = k2;
        Grid start{};
        const int total = layOutBlock(start, amount, amount);
        emptyTheRest(start);
        const LatticeRun run = shell::core::latticeRun(s);

        const int checkpoints[] = {2, 5, 12};
        constexpr int seeds = 300;
        double sum[3][2] = {}, squares[3][2] = {};
        for (int seed = 1; seed <= seeds; ++seed) {
            toolkit::core::Random rng;
            rng.seed(std::uint64_t(seed) * 104729);
            Grid grid = start;
            Counts n{total, 0, 0, 0};
            int tick = 0;
            for (int c = 0; c < 3; ++c) {
                for (; tick < checkpoints[c]; ++tick) {
                    rng.mixClock();
                    for (int e = 0; e < eventsPerTick; ++e)
                        randomStep(grid, run, n, total, rng);
                }
                const double x[2] = {double(n.a), double(n.b)};
                for (int m = 0; m < 2; ++m) {
                    sum[c][m] += x[m];
                    squares[c][m] += x[m] * x[m];
                }
            }
        }
        // Per tick, a kind decays at the rate -625 ln(1 - k/625).
        const double l1 = -eventsPerTick * std::log1p(-k1 / eventsPerTick);
        const double l2 = -eventsPerTick * std::log1p(-k2 / eventsPerTick);
        for (int c = 0; c < 3; ++c) {
            const int ticks = checkpoints[c];
            const double blue = total * std::pow(1 - k1 / eventsPerTick, eventsPerTick * ticks);
            const auto exact = graphs::core::batemanAmounts(total, {l1, l2, 0, 0}, ticks);
            QVERIFY(std::fabs(exact[0] / blue - 1) < 1e-9);
            const double expected[2] = {blue, exact[1]};
            for (int m = 0; m < 2; ++m) {
                const double mean = sum[c][m] / seeds;
                const double var = std::max(0.0, (squares[c][m] - seeds * mean * mean) / (seeds - 1));
                const double allowed = 4 * std::sqrt(var / seeds) + 0.5;
                QVERIFY2(std::fabs(mean - expected[m]) <= allowed,
                         qPrintable(QStringLiteral("kind %1 after %2 ticks: mean %3, exact %4, allowed %5")
                                        .arg(m)
                                        .arg(ticks)
                                        .arg(mean)
                                        .arg(expected[m])
                                        .arg(allowed)));
            }
        }
    }

    void halfLifeBarsInHundredths_data()
    {
        QTest::addColumn<double>("minutes");
        QTest::addColumn<int>("bar");
        QTest::newRow("3.05") << 3.05 << 305; // 3.05 x 100 is 304.99999...
        QTest::newRow("26.8") << 26.8 << 2680;
        QTest::newRow("19.7") << 19.7 << 1970;
        QTest::newRow("1") << 1.0 << 100;
        QTest::newRow("150") << 150.0 << 15000;
    }

    void halfLifeBarsInHundredths()
    {
        QFETCH(double, minutes);
        QFETCH(int, bar);
        QCOMPARE(decay::core::barFromHalfLife(minutes), bar);
        QVERIFY(std::fabs(decay::core::halfLifeFromBar(bar) - minutes) < 1e-12);
    }
};

QTEST_GUILESS_MAIN(TestDecayStatistics)
#include "test_decay_statistics.moc"
