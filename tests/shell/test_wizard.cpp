// The reaction kind wizard decides which transitions the parameters window
// offers and switches the absent ones off with a probability of 0.
#include "tests/support/Road.h"
#include "shell/core/SharedState.h"

#include <QtTest>

using namespace toolkit;
using shell::core::shared;

class TestWizard : public QObject
{
    Q_OBJECT
private slots:
    void init() { road::startProgram(); }
    void cleanupTestCase() { resetForms(); }

    void finalRule_data()
    {
        QTest::addColumn<bool>("twoSteps");
        QTest::addColumn<bool>("reversible");
        QTest::newRow("1 step") << false << false;
        QTest::newRow("1 step reversible") << false << true;
        QTest::newRow("2 steps") << true << false;
        QTest::newRow("2 steps reversible") << true << true;
    }

    // After "Next>": A -> B always, B -> A when reversible, B -> C with two
    // steps, C -> B with both; absent steps have probability 0.
    void finalRule()
    {
        QFETCH(bool, twoSteps);
        QFETCH(bool, reversible);
        auto &p = form<YPOTHETIKES>();
        // Values left from an earlier visit must not leak into absent steps.
        p.pithanotipiso.setValue(30);
        p.kokkina.setValue(20);
        p.kokkinaprasina.setValue(40);
        road::toParameters(twoSteps, reversible);
        QVERIFY(p.isVisible());
        QVERIFY(p.bleprasino.visible());
        QCOMPARE(p.pithanotipiso.visible(), reversible);
        QCOMPARE(p.kokkina.visible(), twoSteps);
        QCOMPARE(p.kokkinaprasina.visible(), twoSteps && reversible);
        QCOMPARE(p.Label6[2].visible(), twoSteps && reversible);
        QCOMPARE(p.Label4[2].visible(), reversible);

        for (ScrollBar *bar : {&p.pithanotipiso, &p.kokkina, &p.kokkinaprasina})
            if (bar->visible())
                bar->setValue(25);
        p.Command2.click();
        const auto &s = shared();
        QVERIFY(s.rateK1 > 0);
        QCOMPARE(s.rateK1Reverse > 0, reversible);
        QCOMPARE(s.rateK2 > 0, twoSteps);
        QCOMPARE(s.rateK2Reverse > 0, twoSteps && reversible);
    }

    void firstPassWithDesignedChoices()
    {
        auto &p = road::toParameters(false, false);
        QVERIFY(p.bleprasino.visible());
        QVERIFY(!p.pithanotipiso.visible());
        QVERIFY(!p.kokkina.visible());
        QVERIFY(!p.kokkinaprasina.visible());
        QCOMPARE(p.pithanotipiso.value(), 0);
        QCOMPARE(p.kokkinaprasina.value(), 0);
        QCOMPARE(p.kokkina.value(), 0);
    }

    void oneStepResetsSecondStepAtOnce()
    {
        auto &p = road::toParameters(true, false);
        p.kokkina.setValue(35);
        p.Command1.click(); // back to the second page
        form<amfinaioxi>().Command2.click();
        form<neaepilogi>().Option1.click();
        QCOMPARE(p.kokkina.value(), 0);
        QCOMPARE(p.kokkinaprasina.value(), 0);
        QVERIFY(!p.kokkina.visible());
    }

    void nonReversibleOnSecondPass()
    {
        auto &p = road::toParameters(true, true);
        p.kokkina.setValue(35);
        p.pithanotipiso.setValue(22);
        p.kokkinaprasina.setValue(11);
        p.Command1.click();
        form<amfinaioxi>().reversibleno.click();
        QVERIFY(p.pithanotipiso.visible()); // nothing happens before "Next>"
        QCOMPARE(p.pithanotipiso.value(), 22);
        form<amfinaioxi>().Command3.click();
        QCOMPARE(p.pithanotipiso.value(), 0);
        QCOMPARE(p.kokkinaprasina.value(), 0);
        QVERIFY(!p.pithanotipiso.visible());
        QVERIFY(!p.kokkinaprasina.visible());
        QVERIFY(p.kokkina.visible());
        QCOMPARE(p.kokkina.value(), 35);
    }

    void reversibleActsBeforeNext()
    {
        auto &p = road::toParameters(false, false);
        p.Command1.click();
        QVERIFY(!p.pithanotipiso.visible());
        form<amfinaioxi>().reversibleyes.click();
        QVERIFY(p.pithanotipiso.visible());
        QVERIFY(p.Label4[2].visible());
    }

    void backButtonsAndExits()
    {
        form<eisodos>().Command1.click();
        form<eisagogi>().ximia[0].click();
        form<neaepilogi>().Command3.click();
        QCOMPARE(visibleForms().back(), &form<eisagogi>());
        form<eisagogi>().ximia[0].click();
        form<neaepilogi>().Command2.click();
        form<amfinaioxi>().Command2.click();
        QCOMPARE(visibleForms().back(), &form<neaepilogi>());
        form<neaepilogi>().Command2.click();
        form<amfinaioxi>().Command3.click();
        form<YPOTHETIKES>().Command1.click();
        QVERIFY(!form<YPOTHETIKES>().isVisible());
        QCOMPARE(visibleForms().back(), &form<amfinaioxi>());
        const std::function<CommandButton &()> exits[] = {
            [] () -> CommandButton & { return form<neaepilogi>().Command4; },
            [] () -> CommandButton & { return form<amfinaioxi>().Command4; },
            [] () -> CommandButton & { return form<YPOTHETIKES>().Command3; },
            [] () -> CommandButton & { return form<apotelesmata>().Command3; },
        };
        for (const auto &exit : exits) {
            road::startProgram();
            exit().click();
            QVERIFY(ended());
        }
    }
};

QTEST_MAIN(TestWizard)
#include "test_wizard.moc"
