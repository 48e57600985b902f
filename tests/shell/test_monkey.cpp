// Random clicks, scroll-bar moves and ticks on whatever a student can reach:
// the program never crashes, and the counts of a run always add up.
#include "../support/Road.h"
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

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { resetForms(); }

    void randomRoads_data()
    {
        QTest::addColumn<int>("seed");
        for (int seed : {1, 2, 3, 4, 5, 6, 7, 8})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    void randomRoads()
    {
        QFETCH(int, seed);
        std::mt19937 pick(seed);
        road::startProgram(seed % 2 ? QSize(1366, 768) : QSize(1024, 600));
        for (int action = 0; action < 1500; ++action) {
            if (ended())
                road::startProgram();
            form<apotelesmata>().setConversionPause(false);
            const Reachable r = reachable();
            const int choice = int(pick() % 10);
            if (choice < 2) {
                form<apotelesmata>().Timer1.tick();
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
            for (int count : {s.countA, s.countB, s.countC, s.countD})
                QVERIFY(count >= 0);
            if (run.spotTotal() > 0 && run.Timer1.enabled() && !ended()) {
                for (int count : {s.countA, s.countB, s.countC, s.countD})
                    QVERIFY(count <= run.spotTotal());
                QCOMPARE(s.countA + s.countB + s.countC + s.countD, run.spotTotal());
            }
            QVERIFY(s.rateK1 >= 0 && s.rateK1 <= 1.3);
        }
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
