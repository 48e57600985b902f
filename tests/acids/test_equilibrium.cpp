// Acid constants, the hydrogen-ion iteration and the graphs against c.
#include "acids/core/ConcentrationGraphs.h"
#include "tests/support/AcidGraphs.h"
#include "tests/support/Near.h"

#include <QtTest>

#include <cmath>

using namespace acids::core;
using kinetics::core::ModelCode;

namespace {

// The acids' model codes, as the rows of the tables carry them.
constexpr int carbonicCode = kinetics::core::toInt(ModelCode::Carbonic);
constexpr int arsenicCode = kinetics::core::toInt(ModelCode::Arsenic);
constexpr int phosphoricCode = kinetics::core::toInt(ModelCode::Phosphoric);
constexpr int pyrophosphoricCode = kinetics::core::toInt(ModelCode::Pyrophosphoric);

using testing::near;

} // namespace

class EquilibriumTest : public QObject
{
    Q_OBJECT

private slots:
    void temperatureFits_data()
    {
        QTest::addColumn<double>("actual");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("relative");
        QTest::newRow("Ka1 at 25 C") << carbonicKa1(25) << 4.18e-7 << 3e-3;
        QTest::newRow("Kw at 25 C") << waterKw(25) << 9.12e-15 << 3e-3;
        // The fitted line is extrapolated beyond the table, without complaint.
        QTest::newRow("Ka1 rises on to 100 C") << double(carbonicKa1(100) > carbonicKa1(50)) << 1.0 << 0.0;
    }

    void temperatureFits()
    {
        QFETCH(double, actual);
        QFETCH(double, expected);
        QFETCH(double, relative);
        QVERIFY2(near(actual, expected, relative), qPrintable(QString::number(actual, 'g', 8)));
    }

    void percentagesOfAStepAddUpTo100_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<double>("c");
        QTest::addColumn<int>("temperature");
        for (int code : {carbonicCode, arsenicCode, phosphoricCode, pyrophosphoricCode})
            for (double c : {0.02, 0.15, 0.99})
                for (int t : {0, 25, 100})
                    QTest::addRow("acid %d, %g mol/L, %d C", code, c, t) << code << c << t;
    }

    void percentagesOfAStepAddUpTo100()
    {
        QFETCH(int, modelCode);
        QFETCH(double, c);
        QFETCH(int, temperature);
        const Percentages p = equilibriumPercentages(float(c), ModelCode(modelCode), temperature);
        QVERIFY(near(p.p1 + p.p2, 100, 1e-12));
        QVERIFY(near(p.p3 + p.p4, 100, 1e-12));
        QVERIFY(p.p1 > 0 && p.p3 > 0);
        // A second dissociation is always the weaker one.
        QVERIFY(p.p3 < p.p1);

        const auto r = acidRates(p, 0.9062);
        QVERIFY(near(r.k1 + r.k1Reverse, 0.9062, 1e-12));
        QVERIFY(near(r.k2 + r.k2Reverse, 0.9062, 1e-12));
    }

    void pHFallsWithConcentration_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<int>("temperature");
        QTest::newRow("carbonic, 25 C") << carbonicCode << 25;
        QTest::newRow("carbonic, 80 C") << carbonicCode << 80;
        QTest::newRow("arsenic") << arsenicCode << 25;
        QTest::newRow("phosphoric") << phosphoricCode << 25;
        QTest::newRow("pyrophosphoric") << pyrophosphoricCode << 25;
    }

    void pHFallsWithConcentration()
    {
        QFETCH(int, modelCode);
        QFETCH(int, temperature);
        const std::vector<PhPoint> points = phSeries(ModelCode(modelCode), temperature);
        QCOMPARE(points.size(), std::size_t(phSteps + 1));
        QVERIFY(near(points[150].c, 15, 1e-15));
        for (std::size_t i = 2; i < points.size(); ++i)
            QVERIFY2(points[i].pH < points[i - 1].pH, qPrintable(QString("at %1 mol/L").arg(points[i].c)));
    }

    // The graphs find [H+] their own, faster way; every point they plot must
    // stay within half a pixel of the straightforward loop's, and [H+] itself
    // far closer. A pH row's temperature sets carbonic acid's constants.
    void sweepsFollowTheIteration_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<bool>("species");
        QTest::addColumn<int>("temperature");
        for (int code : {carbonicCode, arsenicCode, phosphoricCode, pyrophosphoricCode}) {
            QTest::addRow("species, acid %d", code) << code << true << 25;
            QTest::addRow("pH, acid %d", code) << code << false << 25;
        }
        QTest::newRow("pH, carbonic, 0 C") << carbonicCode << false << 0;
        QTest::newRow("pH, carbonic, 100 C") << carbonicCode << false << 100;
    }

    void sweepsFollowTheIteration()
    {
        QFETCH(int, modelCode);
        QFETCH(bool, species);
        QFETCH(int, temperature);
        const ModelCode code{modelCode};
        const std::string mismatch =
            species ? testing::productGraphMismatch(code, productGraph(code), testing::straightforwardProductGraph(code))
                    : testing::phSeriesMismatch(code, phSeries(code, temperature),
                                                testing::straightforwardPhSeries(code, temperature));
        QVERIFY2(mismatch.empty(), mismatch.c_str());
    }
};

QTEST_GUILESS_MAIN(EquilibriumTest)
#include "test_equilibrium.moc"
