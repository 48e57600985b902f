// The random lattice process against the smooth solution of its rate
// equations: over many seeds, the mean counts after whole ticks (625 events
// each) follow the Runge-Kutta-Gill curves within a few standard errors. A
// re-seed that spoils the random stream, a wrong decision order or a missing
// reverse step all show up here.
#include "graphs/core/Chain.h"
#include "kinetics/core/Lattice.h"
#include "shell/core/SharedState.h"
#include "toolkit/core/Random.h"

#include <QtTest>

#include <array>
#include <cmath>

using namespace kinetics::core;

namespace {

struct Scenario
{
    int amount = 20;
    int modelCode = 0;
    bool reactionRun = true;
    double k1 = 0, k1Reverse = 0, k2 = 0, k2Reverse = 0, k3 = 0;
};

shell::core::SharedState stateOf(const Scenario &sc)
{
    shell::core::SharedState s;
    s.latticeSide = latticeSide;
    s.lowestIndex = 1;
    s.codeA = defaultCodeA;
    s.codeB = defaultCodeB;
    s.initialAmount = sc.amount;
    s.modelCode = ModelCode(sc.modelCode);
    s.reactionRun = sc.reactionRun;
    s.rateK1 = sc.k1;
    s.rateK1Reverse = sc.k1Reverse;
    s.rateK2 = sc.k2;
    s.rateK2Reverse = sc.k2Reverse;
    s.rateK3 = sc.k3;
    return s;
}

constexpr int seeds = 160;

} // namespace

Q_DECLARE_METATYPE(Scenario)

class StatisticsTest : public QObject
{
    Q_OBJECT

private slots:
    void meanCountsFollowTheSmoothCurves_data();
    void meanCountsFollowTheSmoothCurves();
};

void StatisticsTest::meanCountsFollowTheSmoothCurves_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<QList<int>>("ticks"); // when the counts are compared

    Scenario forward;
    forward.k1 = 0.05;
    QTest::newRow("A -> B") << forward << QList<int>{4, 10, 20, 40};

    Scenario reversible;
    reversible.k1 = 0.10;
    reversible.k1Reverse = 0.05; // levels off at B / A = p1 / p2 = 2
    QTest::newRow("A <-> B") << reversible << QList<int>{3, 8, 15, 40};

    Scenario twoSteps;
    twoSteps.k1 = 0.12;
    twoSteps.k1Reverse = 0.06;
    twoSteps.k2 = 0.3; // a green spot tries B -> C first: p2 = 0.06 x 0.7
    twoSteps.k2Reverse = 0.1;
    QTest::newRow("A <-> B <-> C") << twoSteps << QList<int>{4, 10, 25};

    Scenario decay;
    decay.amount = 44;
    decay.modelCode = -2;
    decay.reactionRun = false;
    decay.k1 = 0.2;
    decay.k2 = 0.1;
    decay.k3 = 0.05;
    decay.k2Reverse = 0.5; // switched off with the reverse steps
    QTest::newRow("decay A -> B -> C -> D") << decay << QList<int>{3, 8, 15, 30};
}

void StatisticsTest::meanCountsFollowTheSmoothCurves()
{
    QFETCH(Scenario, scenario);
    QFETCH(QList<int>, ticks);

    shell::core::SharedState s = stateOf(scenario);
    Grid start{};
    const int total = layOutBlock(start, scenario.amount, scenario.amount);
    emptyTheRest(start);

    // sum and sum of squares of each count at each checkpoint
    std::vector<std::array<double, 4>> sum(std::size_t(ticks.size())), squares(std::size_t(ticks.size()));
    for (int seed = 1; seed <= seeds; ++seed) {
        toolkit::core::Random rng;
        rng.seed(std::uint64_t(seed) * 7919);
        Grid grid = start;
        const kinetics::core::LatticeRun run = shell::core::latticeRun(s);
        kinetics::core::Counts n{total, 0, 0, 0};
        int tick = 0;
        for (int c = 0; c < ticks.size(); ++c) {
            for (; tick < ticks[c]; ++tick) {
                rng.mixClock(); // the run control re-seeds at every tick
                for (int e = 0; e < eventsPerTick; ++e)
                    randomStep(grid, run, n, total, rng);
            }
            const std::array<double, 4> x{double(n.a), double(n.b), double(n.c), double(n.d)};
            for (std::size_t m = 0; m < 4; ++m) {
                sum[std::size_t(c)][m] += x[m];
                squares[std::size_t(c)][m] += x[m] * x[m];
            }
        }
    }

    const auto p = graphs::core::chainCoefficients(s.modelCode, shell::core::runRates(s), 1.0);
    const int lastTick = ticks.back();
    const auto curves = graphs::core::solveChain(total, p, 5 * lastTick);

    for (int c = 0; c < ticks.size(); ++c) {
        const std::size_t sample = std::size_t(5 * ticks[c]);
        for (std::size_t m = 0; m < 4; ++m) {
            const double mean = sum[std::size_t(c)][m] / seeds;
            const double variance =
                std::max(0.0, (squares[std::size_t(c)][m] - seeds * mean * mean) / (seeds - 1));
            const double standardError = std::sqrt(variance / seeds);
            const double expected = curves[m][sample];
            // Four standard errors, plus a sliver for the smooth model itself.
            const double allowed = 4 * standardError + 1e-3 * total;
            QVERIFY2(std::fabs(mean - expected) <= allowed,
                     qPrintable(QStringLiteral("member %1 at tick %2: mean %3, curve %4, allowed %5")
                                    .arg(m)
                                    .arg(ticks[c])
                                    .arg(mean)
                                    .arg(expected)
                                    .arg(allowed)));
        }
    }

    if (scenario.k2 == 0 && scenario.k1Reverse > 0) {
        // The reversible reaction has levelled off at B / A = p1 / p2.
        const double a = curves[0].back(), b = curves[1].back();
        QVERIFY(std::fabs(b / a - p[0] / p[1]) <= 0.01 * p[0] / p[1]);
        const double meanA = sum.back()[0] / seeds, meanB = sum.back()[1] / seeds;
        QVERIFY(std::fabs(meanB / meanA - p[0] / p[1]) <= 0.05 * p[0] / p[1]);
    }
}

QTEST_GUILESS_MAIN(StatisticsTest)
#include "test_statistics.moc"
