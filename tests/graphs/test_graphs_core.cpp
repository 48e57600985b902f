// The graphs' arithmetic: axes, ticks and labels of the graph frame, the
// Runge-Kutta-Gill solution of the chain, the exact decay amounts, the
// decay series' marks and the smooth solution at a tick's time.
#include "graphs/core/Chain.h"
#include "graphs/core/CountsTable.h"
#include "graphs/core/DecaySeries.h"
#include "graphs/core/Histogram.h"
#include "graphs/core/KeptRuns.h"
#include "graphs/core/PlotFrame.h"
#include "graphs/core/Smooth.h"
#include "tests/support/Near.h"

#include <QtTest>

#include <cmath>
#include <numbers>
#include <numeric>

using namespace graphs::core;

namespace {

// The frame of a run's graph: its duration, the margin below and left of
// the axes, its amount, the window's left edge, and the units of its labels.
PlotFrameInput runFrame(double duration, double margin, double amount, double leftEdge, bool chemistry, int bar)
{
    return {.xMax = duration, .xMin = -margin, .yMax = amount, .yMin = -margin, .leftEdge = leftEdge,
            .chemistryChosen = chemistry, .initialAmount = bar, .latticeSide = 25};
}

QStringList texts(const std::vector<FrameLabel> &labels)
{
    QStringList out;
    for (const auto &l : labels)
        out << QString::fromStdString(l.text);
    return out;
}

QStringList range(double from, double step, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QString::number(from + i * step, 'f', 2);
    return out;
}

void compareAll(const QList<double> &actual, const QList<double> &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype k = 0; k < actual.size(); ++k)
        COMPARE_NEAR(actual[k], expected[k], 1e-12, 1e-12);
}

// The published Bateman sum, for distinct constants only.
long double directBateman(double total, const std::array<double, 4> &k, std::size_t n, double t)
{
    long double numerator = total;
    for (std::size_t i = 0; i + 1 < n; ++i)
        numerator *= k[i];
    long double sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        long double denominator = 1;
        for (std::size_t j = 0; j < n; ++j)
            if (j != i)
                denominator *= static_cast<long double>(k[j]) - k[i];
        sum += std::exp(-static_cast<long double>(k[i]) * t) / denominator;
    }
    return numerator * sum;
}

using Constants = std::array<double, 4>;

} // namespace

Q_DECLARE_METATYPE(PlotFrameInput)
Q_DECLARE_METATYPE(Constants)

class GraphsCoreTest : public QObject
{
    Q_OBJECT

private slots:
    // A graph lets its oldest runs go, and only as many as it must, once
    // they hold more samples than it keeps; the latest run always stays.
    void oldestRunsGoFirst_data()
    {
        QTest::addColumn<QList<int>>("samples"); // each run's, oldest first
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("dropped");
        QTest::newRow("none kept") << QList<int>{} << 10 << 0;
        QTest::newRow("within the limit") << QList<int>{3, 3, 3} << 10 << 0;
        QTest::newRow("at the limit") << QList<int>{4, 3, 3} << 10 << 0;
        QTest::newRow("one over") << QList<int>{4, 3, 4} << 10 << 1;
        QTest::newRow("a long old run makes room for several") << QList<int>{9, 1, 1, 1} << 10 << 1;
        QTest::newRow("short old runs go until a long new one fits") << QList<int>{1, 1, 1, 9} << 10 << 2;
        QTest::newRow("the latest alone beyond it") << QList<int>{2, 2, 12} << 10 << 2;
    }

    void oldestRunsGoFirst()
    {
        QFETCH(QList<int>, samples);
        QFETCH(int, limit);
        QFETCH(int, dropped);
        std::vector<std::size_t> runs;
        for (int n : samples)
            runs.push_back(std::size_t(n));
        QCOMPARE(int(graphs::core::oldestRunsToDrop(runs, std::size_t(limit))), dropped);
    }

    void labels_data()
    {
        QTest::addColumn<PlotFrameInput>("input");
        QTest::addColumn<QStringList>("timeLabels");
        QTest::addColumn<QStringList>("valueLabels"); // leading ones only

        QTest::newRow("reaction of 0.25 mol/L")
            << runFrame(250, 0.03, 0.25, -12.5, true, 25) << range(0, 50, 6)
            // upwards from the second tick, then downwards from 0
            << (range(0.05, 0.05, 7) << "0.00" << "-0.05");
        QTest::newRow("worked decay example of 75")
            << runFrame(75, 0.03, 0.25, -3.75, false, 25) << range(0, 15, 6) << QStringList{"0.00", "31.25", "62.50"};
        QTest::newRow("duration 1000") << runFrame(1000, 0.018, 0.15, -50, true, 15) << range(0, 200, 6) << QStringList{};
        QTest::newRow("duration 100") << runFrame(100, 0.018, 0.15, -5, true, 15) << range(0, 20, 6) << QStringList{};

        // Rates graphs: lines 0.0166 apart would read 0.02, 0.03, 0.05, 0.07;
        // each label takes the decimals that show its line, 0.00 stays.
        PlotFrameInput rates{.xMax = 300, .yMax = 0.083, .yMin = -0.083};
        QTest::newRow("rates") << rates << range(0, 60, 6)
                               << QStringList{"0.0166", "0.0332", "0.0498", "0.0664", "0.083", "0.0996",
                                              "0.1162", "0.00",   "-0.0166"};
        rates.yMax = 0.00046; // where every label read 0.00
        rates.yMin = -0.00046;
        QTest::newRow("tiny rates") << rates << range(0, 60, 6)
                                    << QStringList{"0.000092", "0.000184", "0.000276", "0.000368"};

        PlotFrameInput wideLeft = runFrame(250, 0.03, 0.25, -12.5, true, 25);
        wideLeft.leftEdge = -60; // room for one labelled tick left of 0
        QTest::newRow("ticks left of 0") << wideLeft << (range(0, 50, 6) << "-25.00") << QStringList{};
    }

    void labels()
    {
        QFETCH(PlotFrameInput, input);
        QFETCH(QStringList, timeLabels);
        QFETCH(QStringList, valueLabels);

        const PlotFrame f = plotFrame(input);
        QCOMPARE(texts(f.timeLabels), timeLabels);
        QCOMPARE(texts(f.valueLabels).mid(0, valueLabels.size()), valueLabels);
        // A concentration's label stands a tenth of a step above its line.
        if (input.chemistryChosen && !valueLabels.isEmpty())
            COMPARE_NEAR(f.valueLabels[0].y - f.yStep / 10, valueLabels[0].toDouble(), 1e-12, 1e-9);
    }

    void axes_data()
    {
        QTest::addColumn<QList<double>>("bounds"); // xMax, xMin, yMax, yMin
        QTest::addColumn<QList<double>>("timeAxis");
        QTest::addColumn<QList<double>>("valueAxis");

        QTest::newRow("ranges through 0: axes through 0, half as long again")
            << QList<double>{100, -1, 2, -0.5} << QList<double>{-1, 0, 150, 0} << QList<double>{0, -0.75, 0, 3};
        QTest::newRow("rates graph from x = 0") << QList<double>{300, 0, 0.6, -0.6}
                                                << QList<double>{0, 0, 450, 0} << QList<double>{0, -0.9, 0, 0.9};
        QTest::newRow("positive ranges: axes along the low edges")
            << QList<double>{100, 10, 2, 0.5} << QList<double>{10, 0.5, 100, 0.5} << QList<double>{10, 0.5, 10, 2};
    }

    void axes()
    {
        QFETCH(QList<double>, bounds);
        QFETCH(QList<double>, timeAxis);
        QFETCH(QList<double>, valueAxis);

        const PlotFrame f = plotFrame({.xMax = bounds[0], .xMin = bounds[1], .yMax = bounds[2], .yMin = bounds[3]});
        QVERIFY(f.lines.size() >= 2);
        const FrameLine &t = f.lines[0], &v = f.lines[1];
        compareAll({t.x1, t.y1, t.x2, t.y2}, timeAxis);
        compareAll({v.x1, v.y1, v.x2, v.y2}, valueAxis);
        QVERIFY(!t.dotted && !v.dotted);
    }

    void everySecondTickHasADottedGridLine()
    {
        const PlotFrame f = plotFrame(runFrame(250, 0.03, 0.25, -12.5, true, 25));
        COMPARE_NEAR(f.xStep, 25, 1e-12, 0);
        COMPARE_NEAR(f.yStep, 0.025, 1e-12, 0);
        // Each labelled time tick: a short solid tick, then a dotted line through
        // the whole height.
        int gridAt100 = 0;
        for (std::size_t k = 0; k + 1 < f.lines.size(); ++k) {
            const FrameLine &tick = f.lines[k], &grid = f.lines[k + 1];
            if (tick.x1 == 100 && tick.x2 == 100 && !tick.dotted && grid.dotted && grid.x1 == 100) {
                COMPARE_NEAR(tick.y2, 0.005, 1e-12, 0);
                QVERIFY(grid.y1 > 0.25 && grid.y2 < -0.25);
                ++gridAt100;
            }
        }
        QCOMPARE(gridAt100, 1);
        // Odd ticks carry nothing at all.
        for (const FrameLine &l : f.lines)
            QVERIFY(l.x1 != 25 || l.y1 != l.y2);
    }

    // The coefficients of the chain: a green spot tries B -> C first, so B ->
    // A takes (1 - k2); a decay runs on to D and beyond instead of back to B.
    void coefficientsOfTheChain_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QList<double>>("p");
        QTest::newRow("reaction") << 0 << QList<double>{0.3, 0.12, 0.4, 0.1, 0, 0, 0};
        QTest::newRow("acid") << 3 << QList<double>{0.3, 0.12, 0.4, 0.1, 0, 0, 0};
        QTest::newRow("decay series") << -2 << QList<double>{0.3, 0.12, 0.4, 0, 0.05, 0.018, 0.01};
    }

    void coefficientsOfTheChain()
    {
        QFETCH(int, model);
        QFETCH(QList<double>, p);
        const kinetics::core::RunRates rates{{0.3, 0.2, 0.4, 0.1, 0.05}, 0.02, 0.01};
        const Coefficients c = graphs::core::chainCoefficients(kinetics::core::ModelCode(model), rates, 0.9);
        compareAll(QList<double>(c.begin(), c.end()), p);
    }

    void decayChainFollowsBateman_data()
    {
        QTest::addColumn<Constants>("k");
        QTest::newRow("distinct") << Constants{0.2, 0.1, 0.05, 0};
        QTest::newRow("equal constants") << Constants{0.1, 0.1, 0.1, 0};
        QTest::newRow("two steps") << Constants{0.15, 0.03, 0, 0};
        QTest::newRow("polonium per tick")
            << Constants{std::numbers::ln2 / 3.05, std::numbers::ln2 / 26.8, std::numbers::ln2 / 19.7,
                         std::numbers::ln2 / 11563200};
    }

    void decayChainFollowsBateman()
    {
        QFETCH(Constants, k);
        const kinetics::core::RunRates rates{.steps = {.k1 = k[0], .k2 = k[1], .k3 = k[2]}, .k4 = k[3]};
        const double total = 289;
        const ChainSeries y = solveChain(total, chainCoefficients(kinetics::core::ModelCode::DecaySeries, rates, 1.0),
                                         curveStepCount(60));
        for (std::size_t sample : {25u, 100u, 300u}) {
            const double t = sample * curveStepTicks;
            const auto exact = batemanAmounts(total, k, t);
            for (std::size_t m = 0; m < 4; ++m) {
                // relative to the whole amount: members that are still tiny
                // carry the method's error of their neighbours
                COMPARE_NEAR(y[m][sample], exact[m], 0, 1e-6 * total);
            }
        }
    }

    void batemanMatchesThePublishedSum_data()
    {
        QTest::addColumn<Constants>("k");
        QTest::addColumn<double>("t");
        const Constants polonium{std::numbers::ln2 / 3.05, std::numbers::ln2 / 26.8, std::numbers::ln2 / 19.7,
                                 std::numbers::ln2 / 11563200};
        QTest::newRow("polonium early") << polonium << 2.0;
        QTest::newRow("polonium at 75") << polonium << 75.0;
        QTest::newRow("polonium at 2000") << polonium << 2000.0;
        QTest::newRow("fast and slow") << Constants{0.69, 0.0046, 0.3, 0.01} << 150.0;
    }

    void batemanMatchesThePublishedSum()
    {
        QFETCH(Constants, k);
        QFETCH(double, t);
        const double total = 100;
        const auto a = batemanAmounts(total, k, t);
        for (std::size_t n = 1; n <= 4; ++n) {
            const double direct = static_cast<double>(directBateman(total, k, n, t));
            COMPARE_NEAR(a[n - 1], direct, 1e-9, 1e-21 * total);
        }
    }

    void batemanLimits_data()
    {
        QTest::addColumn<Constants>("k");
        QTest::addColumn<double>("t");
        QTest::addColumn<QList<double>>("amounts"); // of a total of 1

        const double k = 0.2, t = 7;
        const double e = std::exp(-k * t);
        QTest::newRow("equal constants: B = k t e^-kt, C = (k t)^2 / 2 e^-kt")
            << Constants{k, k, k, k} << t << QList<double>{e, k * t * e, k * t * k * t / 2 * e,
                                                           std::pow(k * t, 3) / 6 * e};
        QTest::newRow("nearly equal constants")
            << Constants{k, k * (1 + 1e-9), k * (1 - 1e-9), k} << t
            << QList<double>{e, k * t * e, k * t * k * t / 2 * e, std::pow(k * t, 3) / 6 * e};
        QTest::newRow("k2 = 0: B keeps all that decayed")
            << Constants{k, 0, 0.1, 0} << t << QList<double>{e, 1 - e, 0, 0};
        const double b = k / (0.1 - k) * (e - std::exp(-0.1 * t));
        QTest::newRow("k3 = 0: C keeps the rest, no D")
            << Constants{k, 0.1, 0, 0.3} << t << QList<double>{e, b, 1 - e - b, 0};
        QTest::newRow("at the start") << Constants{k, k, 0.1, 0.1} << 0.0 << QList<double>{1, 0, 0, 0};
        QTest::newRow("long after: all gone, nothing undefined")
            << Constants{0.69, 0.69, 0.69, 0.69} << 5000.0 << QList<double>{0, 0, 0, 0};
    }

    void batemanLimits()
    {
        QFETCH(Constants, k);
        QFETCH(double, t);
        QFETCH(QList<double>, amounts);
        const auto a = batemanAmounts(1.0, k, t);
        for (std::size_t m = 0; m < 4; ++m) {
            QVERIFY(std::isfinite(a[m]));
            const double expected = amounts[qsizetype(m)];
            COMPARE_NEAR(a[m], expected, 1e-7, 1e-300);
        }
    }

    // A run's smooth solution: sampled every fifth of the run's interval on
    // the graph's time axis, drawn over CInt(duration / step) segments, from
    // the spots the amount stands for; at each tick's time the sample of that
    // many whole ticks.
    void smoothSolutionOfARun_data()
    {
        QTest::addColumn<int>("interval"); // from the temperature
        QTest::addColumn<int>("temperature");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("segments");
        QTest::newRow("20 ms at 0 °C: 62.5 rounds to 62, ending at 248") << 20 << 0 << 4.0 << 62;
        QTest::newRow("19 ms at 25 °C") << 19 << 25 << 3.8 << 66;
        QTest::newRow("1 ms at 400 °C") << 1 << 400 << 0.2 << 1250;
    }

    void smoothSolutionOfARun()
    {
        QFETCH(int, interval);
        QFETCH(int, temperature);
        QFETCH(double, step);
        QFETCH(int, segments);
        const auto setup = kinetics::core::setupFor(
            {.rates = {.steps = {.k1 = 0.05}}, .amount = 20, .duration = 250, .temperatureC = temperature});
        QCOMPARE(setup.interval, interval);
        const SmoothSolution smooth = smoothSolution(setup);
        COMPARE_NEAR(smooth.step, step, 1e-12, 0);
        QCOMPARE(smooth.segments(), segments);
        QCOMPARE(smooth.amounts[0].size(), std::size_t(1251)); // 250 ticks in fifths
        COMPARE_NEAR(smooth.total, 125, 1e-12, 0);
        // A -> B alone: A = N e^(-k1 t) and B = N - A with t in ticks, at each
        // tick's time.
        for (const int tick : {0, 3, 50, 250}) {
            const double exact = 125 * std::exp(-0.05 * tick);
            COMPARE_NEAR(smooth.at(0, tick * interval), exact, 1e-8, 1e-6);
            COMPARE_NEAR(smooth.at(1, tick * interval), 125 - exact, 1e-8, 1e-6);
        }
        // Plotted as the points are: all of them at the amount's mol/L.
        COMPARE_NEAR(smooth.plotted(smooth.total), 0.20, 1e-12, 0);
    }

    // The table a student saves: what the run was, then a row a tick; the
    // smooth columns in spots of the run (144 laid out for 125 the amount
    // stands for).
    void countsTableOfARun()
    {
        // Reverse rates an acid left.
        const auto setup = kinetics::core::setupFor({.process = kinetics::core::ModelCode::DecayExample,
                                                     .rates = {.steps = {0.25, 0.75, 0.03, 0.9, 0.04}},
                                                     .amount = 20, .duration = 4, .temperatureC = 30});
        const std::vector<kinetics::core::TickCounts> ticks = {{2, {100, 44, 0, 0}}, {4, {70, 70, 3, 1}}};
        const auto lines = [](const std::string &table) {
            return QString::fromStdString(table).trimmed().split(QLatin1Char('\n'));
        };
        const QStringList plain = lines(countsTable(setup, ticks, nullptr));
        QCOMPARE(plain, (QStringList{
                            "# process: polonium series Po-218 -> Pb-214 -> Bi-214 -> Pb-210",
                            "# amount: 20 % of the sites",
                            "# temperature: 30 \u00b0C",
                            "# duration: 4",
                            "# rates: k1=0.25, k1Reverse=0, k2=0.03, k2Reverse=0, k3=0.04",
                            "# interval: 2 ms",
                            "# spots: 144",
                            "time,A,B,C,D",
                            "2,100,44,0,0",
                            "4,70,70,3,1",
                        }));
        const SmoothSolution smooth = smoothSolution(setup);
        const QStringList withSmooth = lines(countsTable(setup, ticks, &smooth));
        QCOMPARE(withSmooth[8], QStringLiteral("time,A,B,C,D,smooth A,smooth B,smooth C,smooth D"));
        const QStringList row = withSmooth[9].split(QLatin1Char(','));
        QCOMPARE(row.mid(0, 5), (QStringList{"2", "100", "44", "0", "0"}));
        // After one tick of time 2: A = 144 e^-0.25 in spots of this run.
        COMPARE_NEAR(row[5].toDouble(), 144 * std::exp(-0.25), 0, 0.0011);
        QCOMPARE(row.size(), 9);
    }

    // The bins of a histogram: whole steps of the values, the first centred
    // on the smallest, at most as many as asked, every finite value in one.
    void histogramBins_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("unit");
        QTest::addColumn<int>("most");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("width");
        QTest::addColumn<QList<int>>("tallies");
        const double nan = std::nan("");
        QTest::newRow("a bin a count") << QList<double>{3, 5, 5, 4, 7} << 1.0 << 10 << 2.5 << 1.0
                                       << QList<int>{1, 1, 2, 0, 1};
        QTest::newRow("two counts a bin") << QList<double>{3, 5, 5, 4, 7} << 1.0 << 3 << 2.5 << 2.0
                                          << QList<int>{2, 2, 1};
        QTest::newRow("one value, NaN left out") << QList<double>{9, nan} << 1.0 << 30 << 8.5 << 1.0 << QList<int>{1};
        QTest::newRow("times in steps of 0.25") << QList<double>{1, 1.25, 2, 2.5} << 0.25 << 4 << 0.875 << 0.5
                                                << QList<int>{2, 0, 1, 1};
    }

    void histogramBins()
    {
        QFETCH(QList<double>, values);
        QFETCH(double, unit);
        QFETCH(int, most);
        QFETCH(double, first);
        QFETCH(double, width);
        QFETCH(QList<int>, tallies);
        const Histogram h = histogramOf(std::vector<double>(values.begin(), values.end()), unit, most);
        COMPARE_NEAR(h.first, first, 1e-12, 0);
        COMPARE_NEAR(h.width, width, 1e-12, 0);
        QCOMPARE(QList<int>(h.tallies.begin(), h.tallies.end()), tallies);
        std::vector<double> finite;
        std::copy_if(values.begin(), values.end(), std::back_inserter(finite), [](double v) { return !std::isnan(v); });
        QCOMPARE(h.counted, int(finite.size()));
        const double mean = std::accumulate(finite.begin(), finite.end(), 0.0) / double(finite.size());
        COMPARE_NEAR(h.mean, mean, 1e-12, 0);
        // The normal curve over bins of width w holds the copies: its area
        // is their number.
        double area = 0;
        for (double x = mean - 40; x < mean + 40; x += 0.01)
            area += normalCurve(x, mean, 2, 7) * 0.01;
        COMPARE_NEAR(area, 7, 1e-9, 0);
        COMPARE_NEAR(normalCurve(mean, mean, 2, 7), 7 / (2 * std::sqrt(2 * std::numbers::pi)), 1e-12, 0);
    }

    void decaySeriesMarks()
    {
        const double ln2 = std::numbers::ln2;
        const auto marks = graphs::core::decaySeriesMarks(ln2 / 3.05, ln2 / 26.8, ln2 / 19.7);
        QStringList texts;
        QList<double> lines;
        for (const MarkItem &m : marks) {
            if (m.kind == MarkItem::Kind::Text)
                texts << QString("%1 @%2").arg(QString::fromStdString(m.text)).arg(m.y1);
            if (m.kind == MarkItem::Kind::Line) {
                QCOMPARE(m.y2, 100.0);
                lines << m.x;
            }
        }
        QCOMPARE(texts, (QStringList{"T/2=26.8 @100", "T/2=3.1 @110", "T/2=19.7 @90"}));
        compareAll(lines, {3.05, 26.8, 19.7});
        QCOMPARE(marks.back().kind, MarkItem::Kind::TextColour);
        QCOMPARE(marks.back().colour, (Rgb{0, 0, 0}));
        // One step, only the blue mark: test_decay's decaySeriesMarksAndCurves.
    }

    // "Half Lifes" on the run's time axis, I x 0.694 / k for blue and
    // I x 0.693 / k for green and red; a missing step leaves its line out.
    void marksOfHalfLifes_data()
    {
        QTest::addColumn<Constants>("k");
        QTest::addColumn<QList<double>>("lines");
        const double ln2 = std::numbers::ln2;
        QTest::newRow("polonium series") << Constants{ln2 / 3.05, ln2 / 26.8, ln2 / 19.7, 0}
                                         << QList<double>{6.107505186099, 53.588618754812, 39.391633935440};
        QTest::newRow("one step") << Constants{ln2 / 3.05, 0, 0, 0} << QList<double>{6.107505186099};
    }

    void marksOfHalfLifes()
    {
        QFETCH(Constants, k);
        QFETCH(QList<double>, lines);
        QList<double> xs;
        for (const MarkItem &m : graphs::core::halfLifeMarks(2, k[0], k[1], k[2], 0.3))
            if (m.kind == MarkItem::Kind::Line) {
                xs << m.x;
                COMPARE_NEAR(m.y2, 0.45, 1e-12, 0);
            }
        compareAll(xs, lines);
    }
};

QTEST_GUILESS_MAIN(GraphsCoreTest)
#include "test_graphs_core.moc"
