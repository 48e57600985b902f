// The Runge-Kutta-Gill solution of the chain, the exact decay amounts and
// the decay series' marks.
#include "graphs/core/Chain.h"
#include "graphs/core/DecaySeries.h"
#include "tests/support/Near.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace graphs::core;

namespace {

using testing::near;

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

Q_DECLARE_METATYPE(Constants)

class ChainTest : public QObject
{
    Q_OBJECT

private slots:
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
        kinetics::core::RunRates rates;
        rates.steps.k1 = k[0];
        rates.steps.k2 = k[1];
        rates.steps.k3 = k[2];
        rates.k4 = k[3];
        const double total = 289;
        const ChainSeries y = solveChain(total, chainCoefficients(kinetics::core::ModelCode::DecaySeries, rates, 1.0),
                                         curveStepCount(60));
        for (std::size_t sample : {25u, 100u, 300u}) {
            const double t = sample * curveStepTicks;
            const auto exact = batemanAmounts(total, k, t);
            for (std::size_t m = 0; m < 4; ++m) {
                // relative to the whole amount: members that are still tiny
                // carry the method's error of their neighbours
                QVERIFY2(std::fabs(y[m][sample] - exact[m]) <= 1e-6 * total,
                         qPrintable(QString("member %1 at %2: %3 vs %4").arg(m).arg(t).arg(y[m][sample]).arg(exact[m])));
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
            QVERIFY2(std::fabs(a[n - 1] - direct) <= 1e-9 * std::max(std::fabs(direct), 1e-12 * total),
                     qPrintable(QString("member %1: %2 vs %3").arg(n).arg(a[n - 1]).arg(direct)));
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
            QVERIFY2(std::fabs(a[m] - expected) <= 1e-7 * std::fabs(expected) + 1e-300,
                     qPrintable(QString("member %1: %2 vs %3").arg(m).arg(a[m]).arg(expected)));
        }
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
        QCOMPARE(lines.size(), 3);
        QVERIFY(near(lines[0], 3.05, 1e-12));
        QVERIFY(near(lines[1], 26.8, 1e-12));
        QVERIFY(near(lines[2], 19.7, 1e-12));
        QCOMPARE(marks.back().kind, MarkItem::Kind::TextColour);
        QCOMPARE(marks.back().colour, (Rgb{0, 0, 0}));

        // One step: only the blue mark.
        int oneStepLines = 0;
        for (const MarkItem &m : graphs::core::decaySeriesMarks(ln2 / 3.05, 0, 0))
            oneStepLines += m.kind == MarkItem::Kind::Line;
        QCOMPARE(oneStepLines, 1);
    }
};

QTEST_GUILESS_MAIN(ChainTest)
#include "test_chain.moc"
