// The random lattice process against the smooth solutions: over many seeds,
// the mean counts after whole ticks (625 events each) follow the Runge-Kutta-
// Gill curves of the rate equations, and an acid run settles at the acid's
// equilibrium, within a few standard errors. A re-seed that spoils the random
// stream, a wrong decision order or a missing reverse step all show up here.
#include "acids/core/Equilibrium.h"
#include "graphs/core/Smooth.h"
#include "kinetics/core/Run.h"
#include "kinetics/core/RunSetup.h"
#include "kinetics/core/TemperatureFactor.h"
#include "tests/support/Near.h"
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
    double k1 = 0, k1Reverse = 0, k2 = 0, k2Reverse = 0, k3 = 0;
};

// The run a student would set up for the scenario: the steps its rates use.
RunSetup setupOf(const Scenario &sc)
{
    return setupFor({.process = ModelCode(sc.modelCode),
                     .twoSteps = sc.k2 > 0 || sc.k2Reverse > 0,
                     .reversible = sc.k1Reverse > 0 || sc.k2Reverse > 0,
                     .decaySteps = sc.k3 > 0 ? 3 : sc.k2 > 0 ? 2 : 1,
                     .rates = {.steps = {sc.k1, sc.k1Reverse, sc.k2, sc.k2Reverse, sc.k3}},
                     .amount = sc.amount,
                     .duration = 2000, // past the last tick compared
                     .temperatureC = 25});
}

// Runs each seed's lattice through the program's own run from the starting
// block of a Start for whole ticks, calling seen(tick, counts) after each;
// returns the number of spots.
template <class Seen>
int runSeeds(const RunSetup &setup, int seeds, int lastTick, Seen &&seen)
{
    Grid start{};
    const int total = layOutBlock(start, setup.amount, 0);
    emptyTheRest(start);
    UnseenRun unseen;
    for (int seed = 1; seed <= seeds; ++seed) {
        toolkit::core::Random rng;
        rng.seed(std::uint64_t(seed) * 104729);
        Run run;
        run.cells() = start;
        run.start(setup);
        for (int tick = 1; tick <= lastTick; ++tick) {
            run.tick(rng, unseen);
            seen(tick, run.counts());
        }
    }
    return total;
}

// Mean and standard error of the mean of a sample.
struct Tally
{
    double n = 0, sum = 0, squares = 0;
    void add(double x) { n += 1, sum += x, squares += x * x; }
    double mean() const { return sum / n; }
    double error() const { return std::sqrt(std::max(0.0, (squares - n * mean() * mean()) / (n - 1)) / n); }
};

} // namespace

Q_DECLARE_METATYPE(Scenario)

class StatisticsTest : public QObject
{
    Q_OBJECT

private slots:
    void meanCountsFollowTheSmoothCurves_data()
    {
        QTest::addColumn<Scenario>("scenario");
        QTest::addColumn<QList<int>>("ticks"); // when the counts are compared

        QTest::newRow("A -> B") << Scenario{.k1 = 0.05} << QList<int>{4, 10, 20, 40};
        // levels off at B / A = p1 / p2 = 2
        QTest::newRow("A <-> B") << Scenario{.k1 = 0.10, .k1Reverse = 0.05} << QList<int>{3, 8, 15, 40};
        // a green spot tries B -> C first: p2 = 0.06 x 0.7
        QTest::newRow("A <-> B <-> C") << Scenario{.k1 = 0.12, .k1Reverse = 0.06, .k2 = 0.3, .k2Reverse = 0.1}
                                       << QList<int>{4, 10, 25};
        // The reverse steps are switched off in decay runs.
        const Scenario decay{.amount = 44, .modelCode = -2};
        Scenario series = decay;
        series.k1 = 0.2, series.k2 = 0.1, series.k3 = 0.05, series.k2Reverse = 0.5;
        QTest::newRow("decay A -> B -> C -> D") << series << QList<int>{3, 8, 15, 30};
        Scenario polonium = decay;
        polonium.k1 = 0.2272613, polonium.k2 = 0.0258637;
        QTest::newRow("decay polonium and lead") << polonium << QList<int>{2, 5, 12};
        Scenario equal = decay;
        equal.amount = 30, equal.k1 = 0.15, equal.k2 = 0.15;
        QTest::newRow("decay, equal constants") << equal << QList<int>{2, 5, 12};
    }

    void meanCountsFollowTheSmoothCurves()
    {
        QFETCH(Scenario, scenario);
        QFETCH(QList<int>, ticks);
        constexpr int seeds = 200;

        const RunSetup setup = setupOf(scenario);
        std::vector<std::array<Tally, 4>> tallies(std::size_t(ticks.size()));
        const int total = runSeeds(setup, seeds, ticks.back(), [&](int tick, const Counts &n) {
            if (const auto c = ticks.indexOf(tick); c >= 0)
                for (std::size_t m = 0; m < 4; ++m)
                    tallies[std::size_t(c)][m].add(std::array{n.a, n.b, n.c, n.d}[m]);
        });

        // The program's own smooth solution of the run, counted in its spots.
        const auto smooth = graphs::core::smoothSolution(setup);
        const auto &p = smooth.p;
        const auto &curves = smooth.amounts;
        const double spots = total / smooth.total;
        for (int c = 0; c < ticks.size(); ++c) {
            for (std::size_t m = 0; m < 4; ++m) {
                const Tally &t = tallies[std::size_t(c)][m];
                const double expected = curves[m][std::size_t(5 * ticks[c])] * spots;
                // Four standard errors, plus a sliver for the smooth model itself.
                const double allowed = 4 * t.error() + 1e-3 * total;
                QVERIFY2(testing::near(t.mean(), expected, 0, allowed),
                         qPrintable(QStringLiteral("member %1 at tick %2: mean %3, curve %4, allowed %5")
                                        .arg(m).arg(ticks[c]).arg(t.mean()).arg(expected).arg(allowed)));
            }
        }
        if (scenario.k2 == 0 && scenario.k1Reverse > 0) {
            // The reversible reaction has levelled off at B / A = p1 / p2.
            const double ratio = p[0] / p[1];
            COMPARE_NEAR(curves[1].back() / curves[0].back(), ratio, 0.01, 0);
            COMPARE_NEAR(tallies.back()[1].mean() / tallies.back()[0].mean(), ratio, 0.05, 0);
        }
    }

    // A long acid run settles with green (HA-) to blue (H2A) at Ka1 / [H+].
    // (Acids whose second step is weak: a green spot tries B -> C before
    // B -> A, so a strong second step would shift the ratio.)
    void acidSettlesAtItsEquilibrium_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("amount");
        QTest::addColumn<double>("temperature");
        QTest::newRow("phosphoric 0.15 mol/L") << 3 << 15 << 25.0;
        QTest::newRow("arsenic 0.30 mol/L, 60 °C") << 2 << 30 << 60.0;
        QTest::newRow("phosphoric 0.44 mol/L, 90 °C") << 3 << 44 << 90.0;
    }

    void acidSettlesAtItsEquilibrium()
    {
        QFETCH(int, code);
        QFETCH(int, amount);
        QFETCH(double, temperature);
        const ModelCode model = ModelCode(code);
        const double c = amount / 100.0;
        const auto k = acids::core::acidConstants(model, temperature);
        const double expected = k.ka1 / acids::core::hydrogenIonConcentration(c, k, model);

        const double f = temperatureFactor(model, temperature, temperature);
        const auto percentages = acids::core::equilibriumPercentages(float(c), model, temperature);
        const RunChoice choice{.process = model,
                               .rates = {acids::core::acidRates(percentages, f)},
                               .amount = amount,
                               .duration = 2000, // past the last tick compared
                               .temperatureC = int(temperature)};
        // Per seed, green and blue averaged over the last ticks; green -
        // expected x blue has mean 0 at equilibrium.
        constexpr int ticks = 60, averaged = 20;
        Tally deviation;
        double a = 0, b = 0;
        const int total = runSeeds(setupFor(choice), 120, ticks, [&](int tick, const Counts &n) {
            if (tick == 1)
                a = b = 0;
            if (tick > ticks - averaged)
                a += n.a, b += n.b;
            if (tick == ticks)
                deviation.add((b - expected * a) / averaged);
        });
        QVERIFY2(testing::near(deviation.mean(), 0, 0, 4 * deviation.error() + 0.002 * total),
                 qPrintable(QStringLiteral("Ka1 / [H+] %1, mean deviation %2 spots, error %3")
                                .arg(expected).arg(deviation.mean()).arg(deviation.error())));
    }
};

QTEST_GUILESS_MAIN(StatisticsTest)
#include "test_statistics.moc"
