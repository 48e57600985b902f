// The radioactive decay chapter: what the number of steps shows, the model
// window's and the worked example's layout, the worked example's run, and
// the half-life marks drawn over a run's graph. The rates window's labels and
// rates, and the scroll bars that mirror one another, are driver roads
// (tests/roads/decay-rates.drive, tests/roads/mirrored-bars.drive).
#include "tests/support/Road.h"
#include "decay/GNOSTED.h"
#include "graphs/grafiki1.h"
#include "lesson/Model.h"
#include "shell/Quantities.h"
#include "tests/support/Near.h"
#include "toolkit/Quantity.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace toolkit;
using road::inkNear;

using std::numbers::ln2;

class TestDecay : public QObject
{
    Q_OBJECT
private slots:
    void init() { road::startProgram(); }
    void cleanupTestCase() { resetForms(); }

    void stepsShowTheirControls_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("steps");
        QTest::newRow("at start-up") << QList<int>{} << 2;
        QTest::newRow("1 then 3") << QList<int>{1, 3} << 3;
        QTest::newRow("3 then 2") << QList<int>{3, 2} << 2;
        QTest::newRow("1, 2, 3, 2, 1") << QList<int>{1, 2, 3, 2, 1} << 1;
    }

    void stepsShowTheirControls()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(int, steps);
        auto &model = road::toDecayModel();
        OptionButton *options[] = {&model.Option1, &model.Option2, &model.Option3};
        for (int c : clicks)
            options[c - 1]->click();
        QCOMPARE(model.steps(), steps);
        // The rates window offers the rows of the steps once it shows.
        model.mprosta.click();
        auto &rates = form<YPOTHDIASPASI1>();
        // Each control with the number of steps from which it shows.
        std::vector<std::pair<const Control *, int>> from = {
            {&model.Shape1, 1}, {&model.Shape2, 1},      {&model.Shape3, 2},     {&model.Shape4, 3},
            {&rates.blezoi, 1}, {&rates.prasinizoi, 2}, {&rates.kokinizoi, 3},
        };
        for (int k = 0; k <= 3; ++k)
            from.insert(from.end(), {{&rates.etiketa1[k], 1}, {&rates.etiketa2[k], 2}, {&rates.etiketa3[k], 3}});
        for (int k = 1; k <= 3; ++k)
            from.insert(from.end(), {{&model.Label5[k], k}, {&model.Picture2[k - 1], k}});
        for (const auto &[control, first] : from)
            QVERIFY2(control->visible() == (steps >= first), qPrintable(control->objectName()));
        QCOMPARE(model.Label5[1].caption(), QStringLiteral("B"));
        if (steps >= 2)
            QCOMPARE(model.Label5[2].caption(), QStringLiteral("C"));
    }

    // The model window's duration and buttons keep their designed places
    // unless the screen's shape brings them onto the diagram, which sits
    // between the letters' top and the circles' bottom.
    void modelWindowKeepsItsDesign_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("barTop");
        QTest::addColumn<double>("buttonsTop");
        QTest::newRow("1366 x 768: as designed") << QSize(1366, 768) << 205.497382 << 132.198953;
        QTest::newRow("1920 x 1080: buttons moved") << QSize(1920, 1080) << 218.401487 << 60.0;
        QTest::newRow("800 x 600: bar moved") << QSize(800, 600) << 140.0 << 98.993289;
    }

    void modelWindowKeepsItsDesign()
    {
        QFETCH(QSize, screen);
        QFETCH(double, barTop);
        QFETCH(double, buttonsTop);
        road::startProgram(screen);
        auto &model = form<YPOTHDIASPASI>();
        COMPARE_NEAR(model.xronosolos.top(), barTop, 0, 1e-5);
        for (const Control *button : {&model.mpros, &model.mprosta, &model.Command1})
            COMPARE_NEAR(button->top(), buttonsTop, 0, 1e-5);
        const double diagramTop = model.Label5[0].top(), diagramBottom = model.Shape1.top() - model.Shape1.height();
        for (const Control *c : std::initializer_list<const Control *>{&model.Label4, &model.xronosolos, &model.mpros})
            QVERIFY2(c->top() - c->height() > diagramTop || c->top() < diagramBottom, qPrintable(c->objectName()));
    }

    // The four half-life captions of the worked example show in one size,
    // each mass number starting over its symbol.
    void exampleCaptionsShareASize_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1366 x 768") << QSize(1366, 768);
        QTest::newRow("1024 x 768") << QSize(1024, 768);
        QTest::newRow("640 x 480") << QSize(640, 480);
    }

    void exampleCaptionsShareASize()
    {
        QFETCH(QSize, screen);
        road::startProgram(screen);
        road::toDecayModel();
        form<apotelesmata>().Command4.click();
        auto &example = form<GNOSTED>();
        const Label *captions[] = {&example.etiketa1, &example.etiketa2, &example.etiketa3, &example.etiketa4};
        for (int k = 0; k <= 3; ++k) {
            const QFont shown = captions[k]->shownFont();
            QCOMPARE(shown.pointSizeF(), captions[0]->shownFont().pointSizeF());
            const int symbol = QFontMetrics(shown).horizontalAdvance(QStringLiteral("Half Life for "));
            const int mass = example.Label1[k + 2].pixelRect().left() - captions[k]->pixelRect().left();
            QVERIFY2(std::abs(mass - symbol) <= 1, qPrintable(QStringLiteral("%1: %2, %3").arg(k).arg(mass).arg(symbol)));
        }
    }

    // The worked example's run plots all four kinds, lead-210 in light cyan
    // too, whatever number of steps the model window holds; Back leads to
    // the model window.
    void exampleRunAndBack()
    {
        road::toDecayModel();
        form<apotelesmata>().Command4.click();
        auto &example = form<GNOSTED>();
        example.mprosta.click();
        road::start();
        road::runToTheEnd();
        QVERIFY(lesson::model().run().counts().d > 0);
        QVERIFY(road::inkCount(form<grafiki1>(), 0x00ffff) > 20);
        example.mpros.click();
        QVERIFY(!example.isVisible());
        QVERIFY(form<YPOTHDIASPASI>().isVisible());
    }

    // "Half Lifes" marks the half-lives where the run's own time, 2 ms a
    // tick, puts them, not where the exact series does.
    void halfLifesMarkTheRunTimeAxis()
    {
        road::toDecayRates(2).mprosta.click();
        road::start();
        auto &graphs = form<grafiki1>();
        graphs.xronoimizoi.click();
        const double y = 0.9 * kinetics::core::concentrationAxisTop(lesson::model().run().setup().amount);
        QVERIFY(inkNear(graphs, 2 * 0.694 * 3.05 / ln2, y, 0x0000ff, 1));
        QVERIFY(!inkNear(graphs, 3.05, y, 0x0000ff, 1));
        QVERIFY(inkNear(graphs, 2 * 0.693 * 26.8 / ln2, y, 0x00ff00, 1));
    }

    void decaySeriesMarksAndCurves_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("greenBar");
        QTest::newRow("one step") << 1 << 2680;
        QTest::newRow("three steps") << 3 << 2680;
        QTest::newRow("equal half-lives") << 2 << 305;
    }

    void decaySeriesMarksAndCurves()
    {
        QFETCH(int, steps);
        QFETCH(int, greenBar);
        auto &rates = road::toDecayRates(steps);
        rates.prasinizoi.setValue(greenBar);
        auto &graphs = form<grafiki1>();
        graphs.cls();
        form<YPOTHDIASPASI>().drawExactSeries();
        const double top = kinetics::core::concentrationAxisTop(shell::amount().value());
        const double k1 = ln2 / 3.05, k2 = ln2 / (greenBar / 100.0);
        // ln 2 / k1; with equal half-lives the green mark covers it.
        QVERIFY(inkNear(graphs, 3.05, 0.95 * top, greenBar == 305 ? 0x00ff00 : 0x0000ff, 1));
        QCOMPARE(inkNear(graphs, greenBar / 100.0, 0.95 * top, 0x00ff00, 1), steps >= 2);
        QCOMPARE(inkNear(graphs, 19.7, 0.95 * top, 0xff0000, 1), steps == 3);
        // The curves in the graph's time: A at a quarter of the amount at
        // twice its half-life, B by the exact solution, also for equal
        // constants.
        const double c0 = shell::amount().value() / 100.0;
        QVERIFY(inkNear(graphs, 2 * 3.05, c0 / 4, 0x0000ff));
        if (steps >= 2) {
            const double t = 4;
            const double b = greenBar == 305 ? k1 * t * std::exp(-k1 * t)
                                             : k1 / (k2 - k1) * (std::exp(-k1 * t) - std::exp(-k2 * t));
            QVERIFY(inkNear(graphs, t, c0 * b, 0x00ff00));
        }
    }
};

QTEST_MAIN(TestDecay)
#include "test_decay.moc"
