// A long acid run on the lattice settles at the acid's equilibrium: over many
// seeds the mean ratio of green (HA-) to blue (H2A) spots near the end agrees
// with Ka1 / [H+] within its statistical error. (Acids whose second step is
// weak: a green spot tries B -> C before B -> A, so a strong second step
// would shift the ratio.)
#include "acids/core/Equilibrium.h"
#include "kinetics/core/Lattice.h"
#include "kinetics/core/TemperatureFactor.h"
#include "shell/core/SharedState.h"
#include "toolkit/core/Random.h"

#include <QtTest>

#include <cmath>

using namespace kinetics::core;

class TestAcidStatistics : public QObject
{
    Q_OBJECT
private slots:
    void greenToBlueAtEquilibrium_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("amount");
        QTest::addColumn<double>("temperature");
        QTest::newRow("phosphoric 0.15 mol/L") << 3 << 15 << 25.0;
        QTest::newRow("arsenic 0.30 mol/L, 60 °C") << 2 << 30 << 60.0;
        QTest::newRow("phosphoric 0.44 mol/L, 90 °C") << 3 << 44 << 90.0;
    }
    void greenToBlueAtEquilibrium()
    {
        QFETCH(int, code);
        QFETCH(int, amount);
        QFETCH(double, temperature);
        const ModelCode model = ModelCode(code);
        const double c = amount / 100.0;
        const auto k = acids::core::acidConstants(model, temperature);
        const double h = acids::core::hydrogenIonConcentration(c, k, model);
        const double expected = k.ka1 / h; // [HA-] / [H2A]

        shell::core::SharedState s;
        s.latticeSide = latticeSide;
        s.lowestIndex = 1;
        s.codeA = defaultCodeA;
        s.codeB = defaultCodeB;
        s.initialAmount = amount;
        s.modelCode = model;
        s.reactionRun = true;
        const double f = temperatureFactor(model, temperature, temperature);
        shell::core::setStepProbabilities(
            s, acids::core::acidRates(acids::core::acidEquilibrium(float(c), model, temperature), f));

        Grid start{};
        const int total = layOutBlock(start, amount, amount);
        emptyTheRest(start);

        // Per seed, green and blue summed over the last ticks; d = green -
        // expected x blue has mean 0 at equilibrium.
        constexpr int seeds = 120, ticks = 60, averaged = 20;
        double sumD = 0, sumD2 = 0, sumA = 0, sumB = 0;
        for (int seed = 1; seed <= seeds; ++seed) {
            toolkit::core::Random rng;
            rng.seed(std::uint64_t(seed) * 104729);
            Grid grid = start;
            const LatticeRun run = shell::core::latticeRun(s);
            Counts n{total, 0, 0, 0};
            double a = 0, b = 0;
            for (int tick = 0; tick < ticks; ++tick) {
                rng.mixClock();
                for (int e = 0; e < eventsPerTick; ++e)
                    randomStep(grid, run, n, total, rng);
                if (tick >= ticks - averaged) {
                    a += n.a;
                    b += n.b;
                }
            }
            a /= averaged;
            b /= averaged;
            const double d = b - expected * a;
            sumD += d;
            sumD2 += d * d;
            sumA += a;
            sumB += b;
        }
        const double meanD = sumD / seeds;
        const double standardError = std::sqrt(std::max(0.0, (sumD2 - seeds * meanD * meanD) / (seeds - 1)) / seeds);
        const double ratio = sumB / sumA;
        QVERIFY2(std::fabs(meanD) <= 4 * standardError + 0.002 * total,
                 qPrintable(QStringLiteral("green / blue %1, Ka1 / [H+] %2, mean deviation %3 spots, error %4")
                                .arg(ratio)
                                .arg(expected)
                                .arg(meanD)
                                .arg(standardError)));
    }
};

QTEST_GUILESS_MAIN(TestAcidStatistics)
#include "test_acid_statistics.moc"
