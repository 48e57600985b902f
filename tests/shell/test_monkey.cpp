// Random clicks, scroll-bar moves and ticks on whatever a student can reach:
// the program never crashes, and the counts of a run always add up, also when
// new parameters or erased graphs interrupt a run.
#include "tests/support/Road.h"
#include "graphs/grafiki1.h"
#include "shell/Windows.h"
#include "shell/core/SharedState.h"

#include <QtTest>

#include <random>

using namespace toolkit;
using shell::core::shared;

namespace {

struct Reachable
{
    std::vector<Control *> controls;
    std::vector<MenuItem *> menus;
};

Reachable reachable()
{
    Reachable r;
    for (Form *form : visibleForms()) {
        for (Control *c : form->findChildren<Control *>())
            if (c->visible() && c->enabled()
                && (qobject_cast<CommandButton *>(c) || qobject_cast<OptionButton *>(c) || qobject_cast<CheckBox *>(c)
                    || qobject_cast<ScrollBar *>(c)))
                r.controls.push_back(c);
        for (MenuItem *m : form->findChildren<MenuItem *>())
            if (m->visible() && m->enabled())
                r.menus.push_back(m);
    }
    return r;
}

// One interval of the run control's timer: a tick only while it really runs.
void tickAsTheTimer()
{
    auto &run = form<apotelesmata>();
    if (run.Timer1.running())
        run.Timer1.tick();
}

// The four counts share the spots: each within 0..total, together the total.
void verifyCounts(int total)
{
    const auto &s = shared();
    for (int count : {s.run.counts().a, s.run.counts().b, s.run.counts().c, s.run.counts().d})
        QVERIFY2(count >= 0 && count <= total, qPrintable(QStringLiteral("count %1 of %2").arg(count).arg(total)));
    QCOMPARE(s.run.counts().a + s.run.counts().b + s.run.counts().c + s.run.counts().d, total);
}

// count timer intervals, the counts verified after each; false on a failure.
bool ticksKeepingCounts(int count, int total)
{
    for (int k = 0; k < count && !QTest::currentTestFailed(); ++k) {
        tickAsTheTimer();
        verifyCounts(total);
    }
    return !QTest::currentTestFailed();
}

// A running run interrupted, with "Erase Previous Graphs" ticked, by "New
// Adjustment of the parameters" and then "Next>", or by "Next>" straight away,
// at a new amount unless amount is 0; ticks with the timer stopped, then
// "Start" and up to ticksAfter ticks of the new run. No tick runs on the old
// lattice against the fresh counts, and the counts add up after every tick.
void interruptWithErase(bool newAdjustment, int amount, int ticksAfter)
{
    auto &run = form<apotelesmata>();
    auto &parameters = form<YPOTHETIKES>();
    const auto &s = shared();
    QVERIFY(run.Timer1.running());
    const int ticked = s.run.tickCount();
    form<grafiki1>().Check1.setValue(1);
    if (newAdjustment) {
        run.Command1.click();
        QVERIFY(!run.Timer1.running());
        QVERIFY(ticksKeepingCounts(3, shared().run.spotTotal()));
        QCOMPARE(s.run.tickCount(), ticked);
    }
    if (amount)
        parameters.sidesq.setValue(amount);
    const bool sameAmount = !s.amountChanged;
    parameters.Command2.click();

    // The spots are laid out afresh, every one an A, and wait for Start.
    QVERIFY(!run.Timer1.running());
    QCOMPARE(s.run.counts().b + s.run.counts().c + s.run.counts().d, 0);
    const int total = s.run.counts().a;
    if (sameAmount)
        QCOMPARE(total, shared().run.spotTotal());
    QVERIFY(ticksKeepingCounts(5, total));
    QCOMPARE(s.run.tickCount(), ticked);

    run.Command2.click();
    QCOMPARE(shared().run.spotTotal(), total);
    QCOMPARE(s.run.tickCount(), 0);
    QVERIFY(ticksKeepingCounts(ticksAfter, total));
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { resetForms(); }

    void randomRoads_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<bool>("decays"); // the road starts in the decay chapter
        QTest::addColumn<bool>("acids");  // the road starts at the acid examples
        for (int seed : {1, 2, 3, 4, 5, 6, 7, 8})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << false << false;
        for (int seed : {9, 10, 11, 12})
            QTest::newRow(qPrintable(QStringLiteral("seed %1, decays").arg(seed))) << seed << true << false;
        for (int seed : {13, 14, 15, 16})
            QTest::newRow(qPrintable(QStringLiteral("seed %1, acids").arg(seed))) << seed << false << true;
    }

    void randomRoads()
    {
        QFETCH(int, seed);
        QFETCH(bool, decays);
        QFETCH(bool, acids);
        std::mt19937 pick(seed);
        road::startProgram(seed % 2 ? QSize(1366, 768) : QSize(1024, 600));
        if (decays)
            road::toDecayModel();
        if (acids)
            road::toAcidExamples();
        for (int action = 0; action < 1500; ++action) {
            if (ended())
                road::startProgram();
            form<apotelesmata>().setConversionPause(false);
            const Reachable r = reachable();
            const int choice = int(pick() % 10);
            if (choice < 2) {
                tickAsTheTimer();
            } else if (choice == 2 && pick() % 4 == 0 && form<apotelesmata>().Timer1.running()
                       && form<YPOTHETIKES>().isVisible()) {
                const ScrollBar &bar = form<YPOTHETIKES>().sidesq;
                const bool newAdjustment = pick() % 2 && form<apotelesmata>().Command1.enabled();
                const int amount = pick() % 2 ? bar.min() + int(pick() % unsigned(bar.max() - bar.min() + 1)) : 0;
                interruptWithErase(newAdjustment, amount, int(pick() % 20));
                if (QTest::currentTestFailed())
                    return;
            } else if (choice < 3 && !r.menus.empty()) {
                r.menus[pick() % r.menus.size()]->click();
            } else if (!r.controls.empty()) {
                Control *c = r.controls[pick() % r.controls.size()];
                // Exits are rare, so that roads go deep.
                if (auto *b = qobject_cast<CommandButton *>(c)) {
                    const bool exit = b->caption().compare(QStringLiteral("exit"), Qt::CaseInsensitive) == 0;
                    if (!exit || pick() % 20 == 0)
                        b->click();
                } else if (auto *o = qobject_cast<OptionButton *>(c)) {
                    o->click();
                } else if (auto *x = qobject_cast<CheckBox *>(c)) {
                    x->click();
                } else if (auto *s = qobject_cast<ScrollBar *>(c)) {
                    const int span = s->max() - s->min() + 20;
                    s->setValue(s->min() - 10 + int(pick() % unsigned(span)));
                }
            }
            auto &run = form<apotelesmata>();
            const auto &s = shared();
            for (int count : {s.run.counts().a, s.run.counts().b, s.run.counts().c, s.run.counts().d})
                QVERIFY(count >= 0);
            if (shared().run.spotTotal() > 0 && run.Timer1.running() && !ended()) {
                verifyCounts(shared().run.spotTotal());
                if (QTest::currentTestFailed())
                    return;
            }
            QVERIFY(s.rateK1 >= 0 && s.rateK1 <= 1.3);
        }
    }

    // A run interrupted by "New Adjustment of the parameters" or by "Next>" on
    // the parameters window, with "Erase Previous Graphs" ticked, then ticks
    // and a new run: no tick runs on the old lattice against the fresh counts,
    // and the counts add up to the spots after every tick, timer stopped or
    // running.
    void eraseAndContinue_data()
    {
        QTest::addColumn<bool>("twoSteps");
        QTest::addColumn<bool>("reversible");
        QTest::addColumn<bool>("newAdjustment"); // else Next> straight from the running run
        QTest::addColumn<int>("amount");         // 0: unchanged
        QTest::addColumn<int>("ticksBefore");
        QTest::newRow("one step, New Adjustment") << false << false << true << 0 << 3;
        QTest::newRow("two reversible steps, New Adjustment") << true << true << true << 0 << 5;
        QTest::newRow("two reversible steps, Next> during the run") << true << true << false << 0 << 5;
        QTest::newRow("two steps, Next> right after Start") << true << false << false << 0 << 0;
        QTest::newRow("one reversible step, Next> during the run") << false << true << false << 0 << 2;
        QTest::newRow("more spots after New Adjustment") << true << true << true << 40 << 4;
        QTest::newRow("fewer spots after New Adjustment") << true << true << true << 5 << 4;
        QTest::newRow("new amount, Next> during the run") << true << false << false << 30 << 6;
    }

    void eraseAndContinue()
    {
        QFETCH(bool, twoSteps);
        QFETCH(bool, reversible);
        QFETCH(bool, newAdjustment);
        QFETCH(int, amount);
        QFETCH(int, ticksBefore);

        road::startProgram();
        road::toParameters(twoSteps, reversible);
        auto &run = road::startRun();
        QVERIFY(ticksKeepingCounts(ticksBefore, shared().run.spotTotal()));
        interruptWithErase(newAdjustment, amount, 1000);
        if (QTest::currentTestFailed())
            return;

        // The new run went on to its end; the stopped timer ticks no more.
        QVERIFY(!run.Timer1.running());
        const int ran = shared().run.tickCount();
        QVERIFY(ran > 0);
        QVERIFY(ticksKeepingCounts(5, shared().run.spotTotal()));
        QCOMPARE(shared().run.tickCount(), ran);
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
