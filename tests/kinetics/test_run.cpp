// A run's setup and its records: which steps each process keeps whatever the
// windows left in the rates, the block and the pace a run gets, and records
// that hold a whole run, replayed sample by sample at the times they were
// taken.
#include "kinetics/core/Run.h"
#include "kinetics/core/RunSetup.h"
#include "tests/support/Near.h"
#include "toolkit/core/Random.h"

#include <QtTest>

using namespace kinetics::core;

namespace {

// Every rate set, as windows that ran other processes before may leave them.
constexpr RunRates everyRate{{0.1, 0.2, 0.3, 0.4, 0.5}, 0.6, 0.7};

QList<double> ratesOf(const RunRates &r)
{
    return {r.steps.k1, r.steps.k1Reverse, r.steps.k2, r.steps.k2Reverse, r.steps.k3, r.k4, r.k5};
}

struct Shape
{
    bool twoSteps = false, reversible = false;
    int decaySteps = 2;
};

} // namespace

Q_DECLARE_METATYPE(Shape)

class RunTest : public QObject
{
    Q_OBJECT
private slots:
    // A run keeps the steps its process has and nothing else: a decay never
    // runs back, whatever an acid left; chemistry never decays to D.
    void setupKeepsTheStepsOfItsProcess_data()
    {
        QTest::addColumn<int>("process");
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QList<double>>("rates"); // k1, k1Reverse, k2, k2Reverse, k3, k4, k5
        QTest::addColumn<int>("kinds");

        QTest::newRow("reaction A -> B") << 0 << Shape{} << QList<double>{0.1, 0, 0, 0, 0, 0, 0} << 2;
        QTest::newRow("reaction A <-> B") << 0 << Shape{false, true} << QList<double>{0.1, 0.2, 0, 0, 0, 0, 0} << 2;
        QTest::newRow("reaction A -> B -> C") << 0 << Shape{true, false}
                                              << QList<double>{0.1, 0, 0.3, 0, 0, 0, 0} << 3;
        QTest::newRow("reaction A <-> B <-> C") << 0 << Shape{true, true}
                                                << QList<double>{0.1, 0.2, 0.3, 0.4, 0, 0, 0} << 3;
        QTest::newRow("an acid, whatever the wizard holds")
            << 3 << Shape{} << QList<double>{0.1, 0.2, 0.3, 0.4, 0, 0, 0} << 3;
        QTest::newRow("decay series of one step") << -2 << Shape{true, true, 1}
                                                  << QList<double>{0.1, 0, 0, 0, 0, 0, 0} << 2;
        QTest::newRow("decay series of two steps") << -2 << Shape{true, true, 2}
                                                   << QList<double>{0.1, 0, 0.3, 0, 0, 0, 0} << 3;
        QTest::newRow("decay series of three steps, lead's own decay")
            << -2 << Shape{false, false, 3} << QList<double>{0.1, 0, 0.3, 0, 0.5, 0.6, 0} << 4;
        QTest::newRow("the worked series, after a reversible acid")
            << -1 << Shape{true, true, 1} << QList<double>{0.1, 0, 0.3, 0, 0.5, 0.6, 0} << 4;
    }

    void setupKeepsTheStepsOfItsProcess()
    {
        QFETCH(int, process);
        QFETCH(Shape, shape);
        QFETCH(QList<double>, rates);
        QFETCH(int, kinds);
        const RunSetup setup = setupFor({.process = ModelCode(process), .twoSteps = shape.twoSteps,
                                         .reversible = shape.reversible, .decaySteps = shape.decaySteps,
                                         .rates = everyRate});
        QCOMPARE(ratesOf(setup.rates), rates);
        QCOMPARE(setup.kinds(), kinds);
        // The lattice runs the reverse steps of chemistry only, C -> D of decays only.
        const LatticeRun lattice = latticeRun(setup);
        QCOMPARE(lattice.reversible, process >= 0);
        QCOMPARE(lattice.p, setup.rates.steps);
    }

    // A run to its end records every sample, however long it is; the replay
    // draws each at the time it was taken, on the run's own scale. A run
    // stopped midway replays what it ran. Each start begins afresh, after a
    // run of another setup.
    void recordsHoldTheWholeRun_data()
    {
        QTest::addColumn<int>("process");
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("temperature");
        QTest::addColumn<int>("stopAfter"); // 0: to its end
        QTest::addColumn<int>("ticks");
        QTest::newRow("decay of 1000 at 2 ms") << -2 << 1000 << 25 << 0 << 501;
        QTest::newRow("reaction of 250 at 19 ms") << 0 << 250 << 25 << 0 << 14;
        QTest::newRow("a duration the ticks reach exactly") << 0 << 38 << 25 << 0 << 3;
        QTest::newRow("reaction of 1000 at 1 ms, the most samples") << 0 << 1000 << 400 << 0 << 1001;
        QTest::newRow("stopped after 7 ticks") << -2 << 1000 << 25 << 7 << 7;
    }

    void recordsHoldTheWholeRun()
    {
        QFETCH(int, process);
        QFETCH(int, duration);
        QFETCH(int, temperature);
        QFETCH(int, stopAfter);
        QFETCH(int, ticks);
        const RunSetup setup = setupFor({.process = ModelCode(process), .twoSteps = true, .decaySteps = 3,
                                         .rates = {.steps = {0.05, 0, 0.03, 0, 0.02}}, .amount = 30,
                                         .duration = duration, .temperatureC = temperature});
        toolkit::core::Random rng;
        rng.seed(5);
        UnseenRun unseen;
        Run run;
        for (const int amount : {99, setup.amount}) {
            run.cells() = {};
            layOutBlock(run.cells(), amount, 0);
            emptyTheRest(run.cells());
            RunSetup s = setup;
            s.amount = amount;
            s.blockSide = blockSideWithin(amount);
            s.spots = s.blockSide * s.blockSide;
            run.start(s);
            run.tick(rng, unseen);
        }
        QCOMPARE(run.serial(), 2);
        for (int n = 1; run.running() && n < 5000; ++n) {
            if (stopAfter && run.tickCount() == stopAfter)
                run.stop();
            run.tick(rng, unseen);
        }
        QVERIFY(!run.running());
        QCOMPARE(run.tickCount(), ticks);
        QCOMPARE(run.history().size(), std::size_t(ticks));
        QCOMPARE(run.history().back().time, double(ticks * setup.interval));

        std::vector<std::array<double, 3>> points;
        run.recording()->replay(
            [&](double x, const Amounts &y) { points.push_back({x, y[0] + y[1] + y[2] + y[3], y[0]}); });
        QCOMPARE(points.size(), std::size_t(79 * ticks));
        // The first sample at the start, of all the spots; the last,
        // event 624 of the last tick, just before its end.
        const double full = setup.amount / 100.0;
        COMPARE_NEAR(points.front()[0], 0, 0, 1e-12);
        COMPARE_NEAR(points.front()[1], full, 1e-12, 0);
        COMPARE_NEAR(points.back()[0], (ticks - 1) * setup.interval + 624.0 * setup.interval / 625, 1e-12, 0);
        // Sample 79 n + m + 1 at n x interval + 8 m x interval / 625.
        const std::size_t n = std::size_t(ticks / 2), m = 40;
        COMPARE_NEAR(points[79 * n + m][0], n * setup.interval + 8.0 * m * setup.interval / 625, 1e-12, 0);
        COMPARE_NEAR(points[79 * n + m][2], full * run.record(0, int(79 * n + m + 1)) / setup.spots, 1e-12, 0);
        // Every spot is in one kind or another.
        COMPARE_NEAR(points[79 * n + m][1], full, 1e-12, 0);
    }
};

QTEST_GUILESS_MAIN(RunTest)
#include "test_run.moc"
