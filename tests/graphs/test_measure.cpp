// What a run shows measured from its own spots: the figures equal an
// independent computation on the run's records, and their uncertainties
// hold the value set about as often as one standard uncertainty should.
#include "graphs/core/Measure.h"
#include "kinetics/core/Lattice.h"
#include "tests/support/Near.h"

#include <QtTest>

#include <cmath>
#include <map>

using namespace graphs::core;
using namespace kinetics::core;

namespace {

RunSetup setupOf(int process, bool twoSteps, bool reversible, const StepProbabilities &p, int duration)
{
    return setupFor({.process = ModelCode(process), .twoSteps = twoSteps, .reversible = reversible,
                     .decaySteps = twoSteps ? 2 : 1, .rates = {.steps = p}, .amount = 30, .duration = duration,
                     .temperatureC = 25});
}

std::shared_ptr<const Recording> runOf(const RunSetup &setup, std::uint64_t seed)
{
    Run run;
    layOutBlock(run.cells(), setup.amount, 0);
    emptyTheRest(run.cells());
    run.start(setup);
    toolkit::core::Random rng;
    rng.seed(seed);
    UnseenRun unseen;
    while (run.running())
        run.tick(rng, unseen);
    return run.recording();
}

std::map<std::string, Measurement> figures(const Recording &run)
{
    std::map<std::string, Measurement> out;
    for (const Measurement &m : measureRun(run, smoothSolution(run.setup)))
        out[measureName(m.what)] = m;
    return out;
}

} // namespace

class TestMeasure : public QObject
{
    Q_OBJECT
private slots:
    // Each figure from a recorded run, against the same sums done another
    // way: the fit's slope by the textbook formula, the ratio from the
    // ticks of the last third, the peak from the quadratic through three
    // ticks solved by Cramer's rule, the half-life from the first sample at
    // half.
    void figuresOfARecordedRun_data()
    {
        QTest::addColumn<int>("process");
        QTest::addColumn<bool>("twoSteps");
        QTest::addColumn<bool>("reversible");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("decay") << -2 << false << false << QStringList{"halfLifeA", "constantA", "halfLifeFitA"};
        QTest::newRow("A <-> B") << 0 << false << true << QStringList{"ratioBA"};
        QTest::newRow("A -> B -> C") << 0 << true << false
                                     << QStringList{"halfLifeA", "constantA", "halfLifeFitA", "peakTimeB", "peakHeightB"};
    }

    void figuresOfARecordedRun()
    {
        QFETCH(int, process);
        QFETCH(bool, twoSteps);
        QFETCH(bool, reversible);
        QFETCH(QStringList, names);
        const RunSetup setup = setupOf(process, twoSteps, reversible, {0.2, 0.1, 0.15, 0, 0}, 150);
        const auto run = runOf(setup, 11);
        const auto found = figures(*run);
        QStringList got;
        for (const auto &[name, m] : found)
            got << QString::fromStdString(name);
        std::sort(names.begin(), names.end());
        QCOMPARE(got, names);

        std::vector<std::pair<double, Counts>> ticks{{0, {setup.spots, 0, 0, 0}}};
        for (const TickCounts &t : run->history)
            ticks.emplace_back(t.time, t.counts);
        const auto check = [&](const char *name, double expected) {
            const auto it = found.find(name);
            QVERIFY2(it != found.end(), name);
            QVERIFY2(testing::near(it->second.value, expected, 1e-9), qPrintable(QStringLiteral("%1: %2 against %3")
                                                                                     .arg(name)
                                                                                     .arg(it->second.value)
                                                                                     .arg(expected)));
        };
        if (found.count("constantA")) {
            double n = 0, st = 0, sy = 0, stt = 0, sty = 0;
            for (const auto &[t, c] : ticks) {
                if (c.a < std::max(5.0, setup.spots / 10.0))
                    break;
                const double y = std::log(c.a);
                n += 1, st += t, sy += y, stt += t * t, sty += t * y;
            }
            const double slope = (n * sty - st * sy) / (n * stt - st * st);
            check("constantA", -slope * setup.interval);
            check("halfLifeFitA", -std::log(2.0) / slope);
            // Sample i of tick n is taken after event 8 i of the tick.
            const auto &a = run->samples[0];
            const auto first = std::find_if(a.begin(), a.end(), [&](int count) { return 2 * count <= setup.spots; });
            const auto i = int(first - a.begin());
            check("halfLifeA", (i / 79 + (i % 79) * 8 / 625.0) * setup.interval);
        }
        if (found.count("ratioBA")) {
            const double end = ticks.back().first;
            double a = 0, b = 0;
            for (const auto &[t, c] : ticks)
                if (t >= end * 2 / 3)
                    a += c.a, b += c.b;
            check("ratioBA", b / a);
        }
        if (found.count("peakTimeB")) {
            const auto top = std::max_element(ticks.begin(), ticks.end(),
                                              [](const auto &x, const auto &y) { return x.second.b < y.second.b; });
            // B = u t^2 + v t + w through the three ticks about the top.
            double t[3], y[3];
            for (int j = 0; j < 3; ++j)
                t[j] = (top + j - 1)->first, y[j] = (top + j - 1)->second.b;
            const auto det = [](double a1, double b1, double c1, double a2, double b2, double c2, double a3, double b3,
                                double c3) { return a1 * (b2 * c3 - b3 * c2) - b1 * (a2 * c3 - a3 * c2) + c1 * (a2 * b3 - a3 * b2); };
            const double d = det(t[0] * t[0], t[0], 1, t[1] * t[1], t[1], 1, t[2] * t[2], t[2], 1);
            const double u = det(y[0], t[0], 1, y[1], t[1], 1, y[2], t[2], 1) / d;
            const double v = det(t[0] * t[0], y[0], 1, t[1] * t[1], y[1], 1, t[2] * t[2], y[2], 1) / d;
            const double w = det(t[0] * t[0], t[0], y[0], t[1] * t[1], t[1], y[1], t[2] * t[2], t[2], y[2]) / d;
            const double at = -v / (2 * u);
            check("peakTimeB", at);
            check("peakHeightB", (u * at * at + v * at + w) * setup.amount / setup.spots / 100);
        }
    }

    // Over 200 seeded runs the value set lies within one standard
    // uncertainty of the figure in about 68 % of them.
    void uncertaintiesHoldTheSetValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("process");
        QTest::addColumn<bool>("twoSteps");
        QTest::addColumn<bool>("reversible");
        QTest::addColumn<QList<double>>("rates"); // k1, k1Reverse, k2
        QTest::addColumn<int>("duration");
        for (const char *name : {"halfLifeA", "constantA", "halfLifeFitA"})
            QTest::newRow(name) << QString::fromLatin1(name) << -2 << false << false << QList<double>{0.2, 0, 0} << 100;
        QTest::newRow("ratioBA") << "ratioBA" << 0 << false << true << QList<double>{0.3, 0.15, 0} << 1000;
        for (const char *name : {"peakTimeB", "peakHeightB"})
            QTest::newRow(name) << QString::fromLatin1(name) << -2 << true << false << QList<double>{0.2, 0, 0.1} << 100;
    }

    void uncertaintiesHoldTheSetValue()
    {
        QFETCH(QString, name);
        QFETCH(int, process);
        QFETCH(bool, twoSteps);
        QFETCH(bool, reversible);
        QFETCH(QList<double>, rates);
        QFETCH(int, duration);
        const RunSetup setup = setupOf(process, twoSteps, reversible, {rates[0], rates[1], rates[2], 0, 0}, duration);
        int within = 0;
        constexpr int runs = 200;
        for (int seed = 1; seed <= runs; ++seed) {
            const auto found = figures(*runOf(setup, std::uint64_t(seed)));
            const auto it = found.find(name.toStdString());
            QVERIFY(it != found.end());
            const Measurement &m = it->second;
            within += std::fabs(m.value - m.set) <= m.uncertainty;
        }
        const double share = double(within) / runs;
        QVERIFY2(share >= 0.60 && share <= 0.75, qPrintable(QString::number(share)));
    }
};

QTEST_GUILESS_MAIN(TestMeasure)
#include "test_measure.moc"
