// The lesson model without windows: on every road from one process to
// another, the plan follows the inputs at once, Start freezes it, a run in
// progress is never touched, and a graph keeps only runs of its own process
// and amount.
#include "lesson/core/Lesson.h"

#include <QtTest>

#include <cmath>

using namespace lesson::core;
using kinetics::core::ModelCode;

namespace {

// A process as the student reaches it: the chapter, the wizard's choices
// and the process chosen.
struct Process
{
    const char *name;
    bool chemistry;
    ModelCode code;
    bool twoSteps = false;
    bool reversible = false;
    int decaySteps = 2;
    // What the run is: its forward steps and whether they run back.
    int steps = 1;
    bool runsBack = false;
};

const Process processes[] = {
    {"one step", true, ModelCode::Reaction, false, false, 2, 1, false},
    {"one step, reversible", true, ModelCode::Reaction, false, true, 2, 1, true},
    {"two steps", true, ModelCode::Reaction, true, false, 2, 2, false},
    {"two steps, reversible", true, ModelCode::Reaction, true, true, 2, 2, true},
    {"carbonic", true, ModelCode::Carbonic, true, true, 2, 2, true},
    {"arsenic", true, ModelCode::Arsenic, true, true, 2, 2, true},
    {"phosphoric", true, ModelCode::Phosphoric, true, true, 2, 2, true},
    {"pyrophosphoric", true, ModelCode::Pyrophosphoric, true, true, 2, 2, true},
    {"series of one", false, ModelCode::DecaySeries, false, false, 1, 1, false},
    {"series of two", false, ModelCode::DecaySeries, true, false, 2, 2, false},
    {"series of three", false, ModelCode::DecaySeries, true, false, 3, 3, false},
    {"polonium", false, ModelCode::DecayExample, true, false, 2, 3, false},
};

const Process &byName(const QString &name)
{
    for (const Process &p : processes)
        if (name == QLatin1String(p.name))
            return p;
    qFatal("no process %s", qPrintable(name));
}

// The process's choices and code, as the pages within a chapter set them.
void chooseWithin(Lesson &lesson, const Process &p)
{
    lesson.setOneStep(!p.twoSteps);
    lesson.setNonReversible(!p.reversible);
    lesson.setDecaySteps(p.decaySteps);
    lesson.chooseProcess(p.code);
}

// The chapter too, which ends a run in progress.
void choose(Lesson &lesson, const Process &p)
{
    if (p.chemistry != lesson.inputs().chemistryChosen)
        lesson.chooseChapter(p.chemistry);
    chooseWithin(lesson, p);
}

// "Next": the block of the plan is laid out.
void next(Lesson &lesson)
{
    const auto plan = lesson.plan();
    lesson.layOut(plan, [&](kinetics::core::Grid &grid) {
        grid = {};
        kinetics::core::layOutBlock(grid, plan.amount, 0);
        kinetics::core::emptyTheRest(grid);
    });
}

void ticks(Lesson &lesson, int n)
{
    static toolkit::core::Random rng;
    kinetics::core::UnseenRun view;
    for (int k = 0; k < n; ++k)
        lesson.tick(rng, view);
}

// The moments of a road at which the student moves the bars.
enum class Moment { BeforeNext, BeforeStart, DuringRun, AfterRun };

// Every bar a run reads moved at once, to values no process starts with.
void moveBars(Lesson &lesson)
{
    lesson.setAmount(37);
    lesson.setTemperature(64);
    lesson.setDuration(180);
    lesson.setReactionBar(0, 71);
    lesson.setReactionBar(1, 33);
    lesson.setReactionBar(2, 44);
    lesson.setReactionBar(3, 12);
    lesson.setHalfLifeBar(0, 420);
    lesson.setHalfLifeBar(1, 910);
    lesson.setHalfLifeBar(2, 260);
}

struct Counter final : Lesson::Observer
{
    int changes = 0;
    int ends = 0;
    void changed() override { ++changes; }
    void runEnded() override { ++ends; }
};

} // namespace

class LessonTest : public QObject
{
    Q_OBJECT

private slots:
    // Every ordered pair of processes, with the bars moved at each moment of
    // the road from the first run to the second.
    void roadFromOneRunToAnother_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("moment");
        const char *moments[] = {"before Next", "between Next and Start", "during the run", "after it"};
        for (const Process &a : processes)
            for (const Process &b : processes)
                for (int m = 0; m < 4; ++m)
                    QTest::addRow("%s, then %s, bars moved %s", a.name, b.name, moments[m])
                        << a.name << b.name << m;
    }

    void roadFromOneRunToAnother()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, moment);
        const auto when = Moment(moment);
        const Process &a = byName(first);
        const Process &b = byName(second);
        Lesson lesson;
        Counter counter;
        lesson.setObserver(&counter);

        choose(lesson, a);
        next(lesson);
        QVERIFY(!lesson.describesRun());
        const auto firstPlan = lesson.plan();
        lesson.start();
        QCOMPARE(lesson.run().setup(), firstPlan);
        ticks(lesson, 2);
        QVERIFY(lesson.running());

        if (when == Moment::DuringRun) {
            chooseWithin(lesson, b);
            moveBars(lesson);
            // The run goes on as it started; only the plan moved.
            QVERIFY(lesson.running());
            QCOMPARE(counter.ends, 0);
            QCOMPARE(lesson.run().setup(), firstPlan);
            QCOMPARE(lesson.described(), firstPlan);
            QCOMPARE(lesson.plan().amount, 37);
            ticks(lesson, 1);
            QCOMPARE(lesson.run().tickCount(), 3);
        }
        lesson.endRun();
        QVERIFY(!lesson.running());
        QVERIFY(lesson.run().started()); // ended, so it can be repeated
        QCOMPARE(counter.ends, 1);
        QCOMPARE(lesson.described(), firstPlan); // until the next block

        choose(lesson, b);
        if (when == Moment::AfterRun || when == Moment::BeforeNext)
            moveBars(lesson);
        const bool moved = when != Moment::BeforeStart;
        const bool sameProcess = a.code == b.code && a.steps == b.steps && a.runsBack == b.runsBack;
        // Kept on the new graph only with the same process and amount, and
        // never once erased; drawn again when the graph is framed anew.
        const bool keep = sameProcess && !moved;
        using Framing = Lesson::Framing;
        QCOMPARE(lesson.framingFor(lesson.plan(), false, false, false), (Framing{!keep, false}));
        QCOMPARE(lesson.framingFor(lesson.plan(), false, true, false), (Framing{!keep, keep}));
        QCOMPARE(lesson.framingFor(lesson.plan(), true, false, true), (Framing{true, false}));

        next(lesson);
        // From "Next" on the graphs describe the coming run, never the last.
        QVERIFY(!lesson.describesRun());
        QCOMPARE(lesson.described(), lesson.plan());
        const auto atNext = lesson.plan();
        if (when == Moment::BeforeStart) {
            // Start without another Next takes the bars as they now stand:
            // an acid's rates follow its concentration and temperature.
            moveBars(lesson);
            if (kinetics::core::isAcid(b.code))
                QVERIFY(std::abs(lesson.plan().rates.steps.k1 - atNext.rates.steps.k1) > 1e-6);
            QCOMPARE(lesson.plan().blockSide, kinetics::core::blockSideWithin(37));
        }
        QCOMPARE(lesson.plan().process, b.code);
        QCOMPARE(lesson.plan().steps, b.steps);
        QCOMPARE(lesson.plan().reversible, b.runsBack);
        QCOMPARE(lesson.plan().amount, when == Moment::BeforeStart || moved ? 37 : firstPlan.amount);

        // Start freezes the plan as the last bar left it.
        const auto secondPlan = lesson.plan();
        lesson.start();
        QCOMPARE(lesson.run().setup(), secondPlan);
        QCOMPARE(lesson.runCount(), a.chemistry == b.chemistry ? 2 : 1);
        QVERIFY(lesson.describesRun());
    }

    // A change is announced once when an input really changes, never when it
    // is set to what it holds; a run ends once, also on its own at its last
    // tick.
    void announcesChangesOnce()
    {
        Lesson lesson;
        Counter counter;
        lesson.setObserver(&counter);
        lesson.setAmount(lesson.inputs().amount);
        lesson.chooseProcess(lesson.inputs().process);
        QCOMPARE(counter.changes, 0);
        lesson.setAmount(30);
        QCOMPARE(counter.changes, 1);
        next(lesson);
        lesson.start();
        lesson.endRun();
        lesson.endRun();
        QCOMPARE(counter.ends, 1);
        lesson.start();
        lesson.chooseChapter(false); // a chapter button ends the run
        QCOMPARE(counter.ends, 2);
        QCOMPARE(lesson.runCount(), 0);
        lesson.reset();
        lesson.setDuration(20);
        QCOMPARE(counter.changes, 2); // the observer stays through a reset
        next(lesson);
        const auto setup = lesson.start();
        const int last = kinetics::core::ticksOfRun(setup.duration, setup.interval);
        ticks(lesson, last + 5);
        QCOMPARE(counter.ends, 3);
        QCOMPARE(lesson.run().tickCount(), last);
    }
};

QTEST_GUILESS_MAIN(LessonTest)
#include "test_lesson.moc"
