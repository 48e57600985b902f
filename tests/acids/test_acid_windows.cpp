// The acid chapter's runs: the rates each acid's run is set up with, and the
// species and pH graphs after it. The examples window's and the carbonic
// acid example's roads are driver scripts (tests/roads/acid-examples.drive,
// tests/roads/copied-temperature.drive).
#include "tests/support/Road.h"
#include "acids/OXEA1.h"
#include "acids/core/Equilibrium.h"
#include "acids/grafvxc.h"
#include "acids/GraphMarks.h"
#include "acids/phform.h"
#include "graphs/ReadingCursor.h"
#include "graphs/grafiki1.h"
#include "graphs/mathematical.h"
#include "kinetics/antidrasi.h"
#include "lesson/Model.h"
#include "tests/support/AcidGraphs.h"
#include "tests/support/Near.h"

#include <QtTest>

#include <cmath>

using namespace toolkit;
using kinetics::core::ModelCode;

namespace {

CommandButton &acidButton(OXEA1 &w, int code)
{
    switch (code) {
    case 1: return w.Command1;
    case 2: return w.Command3;
    case 3: return w.Command2;
    default: return w.Command4;
    }
}

// The pH a student reads off the rates: [H+] = Ka1 x p2 / p1 = Ka1 x kB->A / kA->B.
double pHFromRates(ModelCode code, double temperatureC)
{
    const auto k = lesson::model().plan().rates.steps;
    const double ka1 = acids::core::acidConstants(code, temperatureC).ka1;
    return -std::log10(ka1 * k.k1Reverse / k.k1);
}

} // namespace

class TestAcidWindows : public QObject
{
    Q_OBJECT
private slots:
    void init() { road::startProgram(); }
    void cleanupTestCase() { resetForms(); }

    void acidRunFromTheExamples_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("amount");
        QTest::addColumn<double>("pH");
        QTest::addColumn<QList<int>>("bars"); // empty: not checked
        QTest::addColumn<double>("p1");       // % of A -> B, < 0: not checked
        QTest::newRow("carbonic 0.15") << 1 << 15 << 3.60 << QList<int>{0, 100, 0, 100} << 0.17;
        QTest::newRow("phosphoric 0.15") << 3 << 15 << 1.52 << QList<int>{20, 80, 0, 100} << 20.0;
        QTest::newRow("pyrophosphoric 0.99") << 4 << 99 << 0.47 << QList<int>{} << 29.4;
        QTest::newRow("arsenic 0.44") << 2 << 44 << 1.33 << QList<int>{} << -1.0;
    }

    void acidRunFromTheExamples()
    {
        QFETCH(int, code);
        QFETCH(int, amount);
        QFETCH(double, pH);
        QFETCH(QList<int>, bars);
        QFETCH(double, p1);
        auto &w = road::toAcidExamples();
        w.tempotherm.setValue(25);
        w.concentration.setValue(amount);
        QCOMPARE(w.syngentrono.caption(), QStringLiteral("Συγκέντρωση = %1.00").arg(amount));
        acidButton(w, code).click();
        QCOMPARE(toInt(lesson::model().inputs().process), code);
        w.Command7.click();

        const auto &s = lesson::model();
        const auto k = s.plan().rates.steps;
        QVERIFY(form<antidrasi>().isVisible() && form<apotelesmata>().isVisible() && form<grafiki1>().isVisible());
        QVERIFY(!form<apotelesmata>().Timer1.running());
        COMPARE_NEAR(pHFromRates(ModelCode(code), 25), pH, 0, 0.01);
        // Both steps share the temperature factor: each pair of percentages makes 100.
        COMPARE_NEAR(k.k1 + k.k1Reverse, k.k2 + k.k2Reverse, 1e-12, 0);
        if (p1 >= 0)
            COMPARE_NEAR(100 * k.k1 / (k.k1 + k.k1Reverse), p1, 0.01, 0.005);
        auto &p = form<YPOTHETIKES>();
        if (!bars.isEmpty())
            QCOMPARE((QList<int>{p.bleprasino.value(), p.pithanotipiso.value(), p.kokkina.value(),
                                 p.kokkinaprasina.value()}),
                     bars);
        // New parameters for it offer every step of the acid.
        form<apotelesmata>().Command1.click();
        QVERIFY(p.isVisible());
        QVERIFY(p.pithanotipiso.visible() && p.kokkina.visible() && p.kokkinaprasina.visible());
    }

    // After an acid's run, "Change of Rates" offers the graphs against the
    // concentration (a reaction's does not: the reaction test checks that).
    void graphsAfterARun_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("first"); // pH at 0.1 and 15 mol/L, 25 degrees
        QTest::addColumn<double>("last");
        QTest::newRow("carbonic") << 1 << 3.689815999 << 2.601362776;
        QTest::newRow("arsenic") << 2 << 1.676486644 << 0.5412890592;
        QTest::newRow("phosphoric") << 3 << 1.621252392 << 0.4787072972;
        QTest::newRow("pyrophosphoric") << 4 << 1.059674948 << -0.149761646;
    }

    void graphsAfterARun()
    {
        QFETCH(int, code);
        QFETCH(double, first);
        QFETCH(double, last);
        auto &w = road::toAcidExamples();
        acidButton(w, code).click();
        w.Command7.click();
        road::start();
        road::runToTheEnd();
        form<grafiki1>().changerates.click();
        auto &rates = form<mathematical>();
        QVERIFY(rates.isVisible() && rates.grafvcshos.visible());
        rates.grafvcshos.click();
        auto &products = form<grafvxc>();
        QCOMPARE(products.geometry(), rates.geometry()); // in the rates graph's place
        // At 5 mol/L [HA-] is drawn in green where the plain sums put it,
        // when clear of the curves near 0 drawn after it.
        const auto plain = testing::straightforwardProductGraph(kinetics::core::ModelCode(code));
        const auto &p = plain.points[500];
        QVERIFY(p.monoAnion < 2 || road::inkNear(products, p.c, p.monoAnion, qRgb(0, 255, 0)));
        products.phshow.click();
        auto &ph = form<phform>(); // of the acid that ran
        QCOMPARE(ph.geometry(), products.geometry());
        QCOMPARE(ph.pH().size(), std::size_t(150));
        COMPARE_NEAR(ph.pH().front(), first, 1e-7, 0);
        COMPARE_NEAR(ph.pH().back(), last, 1e-7, 1e-7);
        // The reading cursors speak of the concentration they stand at: the
        // pH and the species there, not at a neighbouring point.
        const auto readingOf = [](toolkit::Form &graph, double c) {
            auto *cursor = graph.findChild<graphs::ReadingCursor *>();
            cursor->moveTo(c);
            return cursor->spoken();
        };
        const auto model = kinetics::core::ModelCode(code);
        const double marked = acids::chosenConcentration();
        QVERIFY(ph.accessibleDescription().endsWith(QStringLiteral("the line marks c = %1 mol/L, where the pH is %2.")
                                                        .arg(Format(marked, "0.00"),
                                                             Format(acids::core::pHAt(model, 25, marked), "0.00"))));
        QCOMPARE(readingOf(ph, 0.15), QStringLiteral("c = 0.15 mol/L: pH %1")
                                          .arg(Format(acids::core::pHAt(model, 25, 0.15), "0.00")));
        const auto at = acids::core::productPointAt(model, 2.35);
        QVERIFY(readingOf(products, 2.35).startsWith(QStringLiteral("c = 2.35 mol/L, in % of c: H\u2082A %1; HA\u207B %2")
                                                          .arg(Format(at.acid, "0.0"), Format(at.monoAnion, "0.0"))));
    }
};

QTEST_MAIN(TestAcidWindows)
#include "test_acid_windows.moc"
