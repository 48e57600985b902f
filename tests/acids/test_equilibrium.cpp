// The acids' constants, their equilibria and the graphs against c, each
// pinned to values worked out apart from the program (a least-squares fit of
// the tables and a bisection of the charge balance).
#include "acids/core/ConcentrationGraphs.h"
#include "tests/support/AcidGraphs.h"
#include "tests/support/Near.h"

#include <QtTest>

using namespace acids::core;
using kinetics::core::ModelCode;

namespace {

constexpr int carbonic = kinetics::core::toInt(ModelCode::Carbonic);
constexpr int arsenic = kinetics::core::toInt(ModelCode::Arsenic);
constexpr int phosphoric = kinetics::core::toInt(ModelCode::Phosphoric);
constexpr int pyrophosphoric = kinetics::core::toInt(ModelCode::Pyrophosphoric);

} // namespace

class EquilibriumTest : public QObject
{
    Q_OBJECT

private slots:
    void constants_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("temperature");
        QTest::addColumn<QList<double>>("k"); // Ka1, Ka2, Kw
        const auto row = [](const char *name, int code, double temperature, const QList<double> &k) {
            QTest::newRow(name) << code << temperature << k;
        };
        // Carbonic acid's fits, extrapolated beyond 0..50 degrees too.
        row("carbonic 0 C", carbonic, 0, {2.910319056e-07, 3.790182957e-11, 1.296246492e-15});
        row("carbonic 25 C", carbonic, 25, {4.180764200e-07, 5.444716168e-11, 9.119591358e-15});
        row("carbonic 50 C", carbonic, 50, {5.678303037e-07, 7.394999304e-11, 4.743556339e-14});
        row("carbonic 100 C", carbonic, 100, {9.261344066e-07, 1.206128530e-10, 6.612626994e-13});
        row("arsenic", arsenic, 25, {0.00562, 1.7e-7, 1e-14});
        row("phosphoric", phosphoric, 60, {0.00752, 6.2e-8, 1e-14});
        row("pyrophosphoric", pyrophosphoric, 0, {0.14, 0.032, 1e-14});
        row("no acid", 0, 25, {0, 0, 0});
    }

    void constants()
    {
        QFETCH(int, code);
        QFETCH(double, temperature);
        QFETCH(QList<double>, k);
        const AcidConstants a = acidConstants(ModelCode(code), temperature);
        for (auto [actual, expected] : {std::pair{a.ka1, k[0]}, {a.ka2, k[1]}, {a.kw, k[2]}})
            COMPARE_NEAR(actual, expected, 1e-9, 0);
        // The species graph holds carbonic acid at fixed constants.
        const AcidConstants g = productGraphConstants(ModelCode(code));
        const QList<double> graph = code == carbonic ? QList<double>{4.3e-7, 5.61e-11, 1e-14} : k;
        if (code != carbonic || temperature == 25)
            for (auto [actual, expected] : {std::pair{g.ka1, graph[0]}, {g.ka2, graph[1]}, {g.kw, graph[2]}})
                COMPARE_NEAR(actual, expected, 1e-12, 0);
    }

    // The equilibrium of a run at 25 degrees: [H+] and the forward
    // percentages of both steps (the reverse ones make up 100).
    void equilibria_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("c");
        QTest::addColumn<QList<double>>("expected"); // [H+], p1, p3
        const auto row = [](const char *name, int code, double c, const QList<double> &expected) {
            QTest::newRow(name) << code << c << expected;
        };
        row("carbonic 0.15", carbonic, 0.15, {2.502136956e-4, 0.1668090269, 2.176025965e-05});
        row("carbonic 0.99", carbonic, 0.99, {6.431382884e-4, 0.06496345043, 8.46585533e-06});
        row("arsenic 0.15", arsenic, 0.15, {0.02636029399, 17.57332188, 6.449051886e-4});
        row("phosphoric 0.15", phosphoric, 0.15, {0.03003558899, 20.02365081, 2.064213624e-4});
        row("phosphoric 0.99", phosphoric, 0.99, {0.08260520353, 8.34394787, 7.505574808e-05});
        row("pyrophosphoric 0.99", pyrophosphoric, 0.99, {0.3366553908, 29.37132417, 8.680193156});
    }

    void equilibria()
    {
        QFETCH(int, code);
        QFETCH(double, c);
        QFETCH(QList<double>, expected);
        const ModelCode model{code};
        const AcidConstants k = acidConstants(model, 25);
        // The iteration stops within its tolerance of the root.
        COMPARE_NEAR(hydrogenIonConcentration(float(c), k, model), expected[0], 1e-7, 0);
        const Percentages p = equilibriumPercentages(float(c), model, 25);
        COMPARE_NEAR(p.p1, expected[1], 1e-6, 0);
        COMPARE_NEAR(p.p2, 100 - expected[1], 1e-6, 0);
        COMPARE_NEAR(p.p3, expected[2], 1e-6, 0);
        COMPARE_NEAR(p.p4, 100 - expected[2], 1e-6, 0);
        const auto r = acidRates(p, 0.5);
        COMPARE_NEAR(r.k1Reverse, (100 - expected[1]) / 200, 1e-6, 0);
    }

    // A point of each graph: the species at a concentration and [H+], and
    // the pH at 0.1 and 15 mol/L.
    void graphPoints()
    {
        const ProductPoint p = productPoint(1.0, 0.01, acidConstants(ModelCode::Phosphoric, 25));
        COMPARE_NEAR(p.monoAnion, 42.92226021, 1e-8, 0);
        COMPARE_NEAR(p.dianion, 2.661180133e-4, 1e-8, 0);
        COMPARE_NEAR(p.acid, 100 - 42.92226021 - 2.661180133e-4, 1e-8, 0);
        COMPARE_NEAR(p.hydrogen, 1, 1e-12, 0);
        const std::pair<int, std::array<double, 2>> pH[] = {{carbonic, {3.689815999, 2.601362776}},
                                                             {arsenic, {1.676486644, 0.5412890592}},
                                                             {phosphoric, {1.621252392, 0.4787072972}},
                                                             {pyrophosphoric, {1.059674948, -0.149761646}}};
        for (const auto &[code, expected] : pH) {
            const auto points = phSeries(ModelCode(code), 25);
            COMPARE_NEAR(points[1].pH, expected[0], 1e-7, 0);
            COMPARE_NEAR(points[150].pH, expected[1], 1e-7, 1e-7);
            // A reading at any one concentration finds the graph's own
            // points, each from pure water's [H+], also at another
            // temperature.
            for (const double c : {0.1, 15.0})
                COMPARE_NEAR(pHAt(ModelCode(code), 25, c), points[std::size_t(std::lround(c * 10))].pH, 1e-10, 1e-10);
            COMPARE_NEAR(pHAt(ModelCode(code), 60, 2.3), phSeries(ModelCode(code), 60)[23].pH, 1e-10, 1e-10);
            const auto species = productGraph(ModelCode(code)).points[720];
            const ProductPoint at = productPointAt(ModelCode(code), 7.2);
            COMPARE_NEAR(at.monoAnion, species.monoAnion, 1e-9, 1e-12);
            COMPARE_NEAR(at.dianion, species.dianion, 1e-9, 1e-12);
        }
    }

    // The graphs find [H+] their own, faster way; every point they plot must
    // stay within half a pixel of the straightforward loop's, and [H+] itself
    // far closer. A pH row's temperature sets carbonic acid's constants.
    void sweepsFollowTheIteration_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<bool>("species");
        QTest::addColumn<int>("temperature");
        for (int code : {carbonic, arsenic, phosphoric, pyrophosphoric}) {
            QTest::addRow("species, acid %d", code) << code << true << 25;
            QTest::addRow("pH, acid %d", code) << code << false << 25;
        }
        QTest::newRow("pH, carbonic, 0 C") << carbonic << false << 0;
        QTest::newRow("pH, carbonic, 100 C") << carbonic << false << 100;
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
