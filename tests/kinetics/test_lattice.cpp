// Temperature factor, initial layout and the decisions of one lattice event.
#include "kinetics/core/Lattice.h"
#include "kinetics/core/RunSetup.h"
#include "kinetics/core/TemperatureFactor.h"
#include "tests/support/Near.h"

#include <QtTest>

#include <cmath>
#include <deque>
#include <vector>

using namespace kinetics::core;

namespace {

// Hands out scripted uniforms and records the re-seeds.
struct ScriptedRng
{
    std::deque<double> draws;
    int drawn = 0;
    std::vector<double> mixes;
    int clockMixes = 0;

    double next()
    {
        ++drawn;
        if (draws.empty())
            return 0.999; // a test that reads past its script fails on `drawn`
        const double u = draws.front();
        draws.pop_front();
        return u;
    }
    void mix(double x) { mixes.push_back(x); }
    void mixClock() { ++clockMixes; }
};

struct RecordingHooks
{
    struct Redraw
    {
        int i, j, code;
        bool operator==(const Redraw &) const = default;
    };
    std::vector<Redraw> redraws;
    int beeps = 0;
    int pauses = 0;

    void redraw(int i, int j, int code) { redraws.push_back({i, j, code}); }
    void beep() { ++beeps; }
    void pause() { ++pauses; }
};

using CountList = QList<int>; // A, B, C, D (and, before the event, the spot total N)

} // namespace

class LatticeTest : public QObject
{
    Q_OBJECT

private slots:
    void temperatureFactorTable_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("temperatureC");
        QTest::addColumn<double>("factor");
        const std::pair<double, double> table[] = {{-250, 0.258256}, {-100, 0.702155}, {0, 0.870832},
                                                   {25, 0.906200},   {100, 1.000000},  {200, 1.101643},
                                                   {400, 1.245910}};
        for (const auto &[t, f] : table)
            QTest::addRow("reaction %g C", t) << 0 << t << t << f;
        // The acids scale their rates the same way.
        QTest::addRow("carbonic 25 C") << 1 << 25.0 << 25.0 << 0.906200;
        QTest::addRow("pyrophosphoric 0 C") << 4 << 0.0 << 0.0 << 0.870832;
        // The decays ignore the temperature, also at the 400 their constants use.
        QTest::newRow("worked decay at 400") << -1 << 400.0 << 25.0 << 1.0;
        QTest::newRow("own series, cold") << -2 << -250.0 << -250.0 << 1.0;
        QTest::newRow("own series at 400") << -2 << 400.0 << 0.0 << 1.0;
    }

    void temperatureFactorTable()
    {
        QFETCH(int, modelCode);
        QFETCH(double, t);
        QFETCH(double, temperatureC);
        QFETCH(double, factor);
        const double f = temperatureFactor(ModelCode(modelCode), t, temperatureC);
        // The table is rounded to six decimals.
        COMPARE_NEAR(f, factor, 0, 5e-7);
    }

    void topUpContinuesDownTheNextColumn()
    {
        // A block for 2 % (side 4) topped up to the target of 15 %: 93.75 spots.
        Grid grid{};
        std::vector<std::pair<int, int>> order;
        const int placed = layOutBlock(grid, 2, 15, 25, defaultCodeA,
                                       [&](int i, int j) { order.emplace_back(i, j); });
        QCOMPARE(placed, 94);
        QCOMPARE(int(order.size()), 94);
        QCOMPARE(order[16], std::make_pair(5, 5));   // first after the block
        QCOMPARE(order[36], std::make_pair(5, 25));  // down to the last row
        QCOMPARE(order[37], std::make_pair(6, 1));   // then the next column from the top
        QCOMPARE(order.back(), std::make_pair(8, 7));
        QCOMPARE(grid[5][4], 0); // the column's rows above the start are skipped
        QCOMPARE(grid[8][8], 0);
    }

    void topUpStopsAtTheLastColumn()
    {
        Grid grid{};
        const int placed = layOutBlock(grid, 2, 99, 25, defaultCodeA, [](int, int) {});
        QCOMPARE(placed, 16 + 21 + 20 * 25); // short of 618.75: the lattice ran out
        for (int j = 0; j < gridSize; ++j)
            QCOMPARE(grid[26][j], 0);
    }

    void restOfTheLatticeBecomesEmpty()
    {
        Grid grid{};
        grid[20][20] = defaultCodeB; // left over from an earlier run
        layOutBlock(grid, 20, 20);
        int emptied = 0;
        emptyTheRest(grid, 25, defaultCodeA, [&](int, int) { ++emptied; });
        QCOMPARE(emptied, 625 - 144);
        QCOMPARE(grid[20][20], codeEmpty);
        QCOMPARE(grid[12][12], defaultCodeA);
        QCOMPARE(grid[0][0], 0); // the border is never used
    }

    void eventDecisions_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<QList<double>>("rates"); // K1, K1 reverse, K2, K2 reverse, K3
        QTest::addColumn<CountList>("counts");
        QTest::addColumn<QList<double>>("draws"); // after the two that pick the site
        QTest::addColumn<int>("newCode");
        QTest::addColumn<CountList>("newCounts");
        QTest::addColumn<double>("mix"); // the number the generator is re-seeded with; 0: none
        QTest::addColumn<int>("clockMixes");
        const auto row = [](const char *name, int code, int modelCode, const QList<double> &rates,
                            const CountList &counts, const QList<double> &draws, int newCode,
                            const CountList &newCounts, double mix, int clockMixes) {
            QTest::newRow(name) << code << modelCode << rates << counts << draws << newCode << newCounts << mix
                                << clockMixes;
        };
        const int A = defaultCodeA, B = defaultCodeB;
        const CountList start{5, 3, 2, 0, 10};
        const CountList unchanged{5, 3, 2, 0};

        row("empty site draws nothing more", codeEmpty, 0, {1, 1, 1, 1, 1}, start, {}, codeEmpty, unchanged, 0, 0);
        row("A -> B admits equality", A, 0, {0.5, 0, 0, 0, 0}, start, {0.3, 0.5}, B, {4, 4, 2, 0}, 300, 0);
        row("A stays just above the probability", A, 0, {0.5, 0, 0, 0, 0}, start, {0.3, 0.5000001}, A, unchanged,
            300, 0);
        row("B -> C is strict", B, -2, {0, 0, 0.5, 0, 0}, start, {0.2, 0.5}, B, unchanged, 2e7, 0);
        row("B -> C below the probability", B, -2, {0, 0, 0.5, 0, 0}, start, {0.2, 0.4999}, codeC, {5, 2, 3, 0},
            2e7, 0);
        row("B -> A after B -> C failed, from the clock", B, 0, {0, 0.6, 0.2, 0, 0}, start, {0.1, 0.3, 0.5}, A,
            {6, 2, 2, 0}, 1e7, 1);
        row("B -> A is strict", B, 0, {0, 0.6, 0.2, 0, 0}, start, {0.1, 0.3, 0.6}, B, unchanged, 1e7, 1);
        row("no reverse test outside reaction runs", B, -2, {0, 0.6, 0.2, 0, 0}, start, {0.1, 0.3}, B, unchanged,
            1e7, 0);
        row("rateK2 = 1 turns green red before the reverse test", B, 0, {0, 1, 1, 0, 0}, start, {0.1, 0.999},
            codeC, {5, 2, 3, 0}, 1e7, 0);
        row("reaction: C -> B, never cyan", codeC, 0, {0, 0, 0, 0.5, 0.9}, start, {0.4, 0.3}, B, {5, 4, 1, 0},
            4e9, 0);
        row("decay: C -> D", codeC, -2, {0, 0, 0, 0.5, 0.5}, start, {0.4, 0.3}, codeD, {5, 3, 1, 1}, 4e9, 0);
        row("decay: C -> D is strict", codeC, -1, {0, 0, 0, 0, 0.5}, start, {0.4, 0.5}, codeC, unchanged, 4e9, 0);
        row("cyan never changes", codeD, -2, {1, 1, 1, 1, 1}, start, {}, codeD, unchanged, 0, 0);
        row("counts held at N and 0", A, 0, {1, 0, 0, 0, 0}, {0, 3, 0, 0, 3}, {0.5, 0.5}, B, {0, 3, 0, 0}, 500, 0);
    }

    void eventDecisions()
    {
        QFETCH(int, code);
        QFETCH(int, modelCode);
        QFETCH(QList<double>, rates);
        QFETCH(CountList, counts);
        QFETCH(QList<double>, draws);
        QFETCH(int, newCode);
        QFETCH(CountList, newCounts);
        QFETCH(double, mix);
        QFETCH(int, clockMixes);

        // Every step the process can have is chosen, so the run keeps each
        // rate that its process allows.
        const auto lattice =
            latticeRun(setupFor({.process = ModelCode(modelCode), .twoSteps = true, .reversible = true, .decaySteps = 3,
                                 .rates = {.steps = {rates[0], rates[1], rates[2], rates[3], rates[4]}}}));
        const int total = counts[4];

        Grid grid{};
        grid[3][4] = static_cast<std::int16_t>(code);
        ScriptedRng rng;
        rng.draws = {2.5 / 25, 3.5 / 25}; // column 3, row 4
        for (double u : draws)
            rng.draws.push_back(u);
        RecordingHooks hooks;

        kinetics::core::Counts n{counts[0], counts[1], counts[2], counts[3]};
        randomStep(grid, lattice, n, total, rng, hooks);

        QCOMPARE(int(grid[3][4]), newCode);
        QCOMPARE((CountList{n.a, n.b, n.c, n.d}), newCounts);
        QCOMPARE(rng.drawn, 2 + int(draws.size()));
        QCOMPARE(rng.mixes.size(), std::size_t(mix ? 1 : 0));
        if (mix)
            COMPARE_NEAR(rng.mixes[0], mix, 1e-12, 0);
        QCOMPARE(rng.clockMixes, clockMixes);

        // A changed site is redrawn once, in its new colour.
        using Redraws = std::vector<RecordingHooks::Redraw>;
        QVERIFY(hooks.redraws == (newCode != code ? Redraws{{3, 4, newCode}} : Redraws{}));
        const bool blueTurnedGreen = code == defaultCodeA && newCode == defaultCodeB;
        QCOMPARE(hooks.beeps, blueTurnedGreen ? 1 : 0);
        QCOMPARE(hooks.pauses, blueTurnedGreen ? 1 : 0);
    }

    void tickInterval_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<double>("temperature");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("whole"); // the whole part of the root, for a copied temperature
        QTest::newRow("reaction, -250 °C") << 0 << -250.0 << 26 << 25; // Sqr(651) = 25.51
        QTest::newRow("acid, 25 °C") << 3 << 25.0 << 19 << 19; // Sqr(376) = 19.39
        QTest::newRow("reaction, 400 °C") << 0 << 400.0 << 1 << 1;
        QTest::newRow("halves to even: Sqr(380.25) = 19.5") << 0 << 20.75 << 20 << 19;
        QTest::newRow("Sqr(272.25) = 16.5 halves to even") << 0 << 128.75 << 16 << 16;
        QTest::newRow("decay series, any temperature") << -2 << 100.0 << 2 << 17;
        QTest::newRow("worked decay, cold") << -1 << 0.0 << 2 << 20;
    }

    void tickInterval()
    {
        QFETCH(int, modelCode);
        QFETCH(double, temperature);
        QFETCH(int, interval);
        QFETCH(int, whole);
        QCOMPARE(kinetics::core::tickInterval(ModelCode(modelCode), temperature), interval);
        QCOMPARE(kinetics::core::wholeTickInterval(temperature), whole);
    }
};

QTEST_GUILESS_MAIN(LatticeTest)
#include "test_lattice.moc"
