// The program without a mouse: the whole chemical road with key presses
// only, Tab in reading order, Return and Escape on the wizard pages, Alt and
// a letter for the menus, and what assistive technology reads.
#include "tests/support/Road.h"
#include "graphs/grafiki1.h"
#include "graphs/mathematical.h"
#include "graphs/ravdogram.h"
#include "kinetics/antidrasi.h"
#include "shell/Simiosi.h"
#include "shell/Windows.h"
#include "shell/core/SharedState.h"

#include <QAccessible>
#include <QApplication>
#include <QtTest>

using namespace toolkit;
using shell::core::shared;

namespace {

// The key goes where the keyboard focus is, as a real key would.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        QCoreApplication::processEvents();
        QWidget *target = QApplication::focusWidget();
        if (!target)
            target = QApplication::activeWindow();
        QVERIFY2(target, "nothing has the keyboard focus");
        QTest::keyClick(target, key, modifiers);
        QCoreApplication::processEvents();
    }
}

QWidget *focused()
{
    QCoreApplication::processEvents();
    return QApplication::focusWidget();
}

QString focusedName()
{
    const QWidget *w = focused();
    return w ? w->objectName() : QStringLiteral("(none)");
}

// Home, then Page Down and Right arrows up to the value, on the focused bar.
void keysTo(const ScrollBar &bar, int value)
{
    QCOMPARE(focused(), bar.widget());
    press(Qt::Key_Home);
    QCOMPARE(bar.value(), bar.min());
    press(Qt::Key_PageDown, Qt::NoModifier, (value - bar.min()) / bar.largeChange());
    press(Qt::Key_Right, Qt::NoModifier, (value - bar.min()) % bar.largeChange() / bar.smallChange());
    QCOMPARE(bar.value(), value);
}

// F6 until the window has the keyboard.
void switchTo(Form &window)
{
    for (int i = 0; i < 12 && QApplication::activeWindow() != &window; ++i)
        press(Qt::Key_F6);
    QCOMPARE(QApplication::activeWindow(), &window);
}

constexpr int ticks = 6;

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        road::startProgram();
        form<apotelesmata>().setConversionPause(false);
        QVERIFY(QTest::qWaitForWindowActive(&form<eisodos>()));
    }
    void cleanupTestCase() { resetForms(); }

    // Two reversible steps, the amount, the first and the last rate, a run: by
    // keys the same as by mouse.
    void chemicalRoadByKeys()
    {
        auto &byMouse = road::toParameters(true, true);
        byMouse.sidesq.setValue(20);
        byMouse.bleprasino.setValue(40);
        byMouse.kokkinaprasina.setValue(5);
        road::startRun();
        road::ticks(ticks);
        const auto setupByMouse = shared().run.setup();
        const auto countsByMouse = shared().run.counts();

        init(); // the same program again, by keys
        auto &parameters = form<YPOTHETIKES>();
        press(Qt::Key_Return); // Start
        QCOMPARE(QApplication::activeWindow(), &form<eisagogi>());
        QCOMPARE(focusedName(), QStringLiteral("ximia(0)"));
        press(Qt::Key_Return); // Chemical Reactions
        // Each page opens on its forward button; the arrows choose within the
        // option group, round from its last option to its first, and never
        // leave it.
        QCOMPARE(QApplication::activeWindow(), &form<neaepilogi>());
        QCOMPARE(focusedName(), QStringLiteral("Command2"));
        press(Qt::Key_Tab, Qt::ShiftModifier, 3);
        QCOMPARE(focusedName(), QStringLiteral("Option1"));
        press(Qt::Key_Down);
        QCOMPARE(focusedName(), QStringLiteral("Option2"));
        QVERIFY(form<neaepilogi>().Option2.value());
        press(Qt::Key_Down);
        QVERIFY(form<neaepilogi>().Option1.value());
        press(Qt::Key_Left);
        QVERIFY(form<neaepilogi>().Option2.value() && !form<neaepilogi>().Option1.value());
        press(Qt::Key_Return); // Next >, the page's default
        QCOMPARE(QApplication::activeWindow(), &form<amfinaioxi>());
        QCOMPARE(focusedName(), QStringLiteral("Command3"));
        press(Qt::Key_Tab, Qt::ShiftModifier, 2);
        QCOMPARE(focusedName(), QStringLiteral("reversibleno"));
        press(Qt::Key_Up, Qt::NoModifier, 3);
        QCOMPARE(focusedName(), QStringLiteral("reversibleyes"));
        QVERIFY(form<amfinaioxi>().reversibleyes.value());
        press(Qt::Key_Return); // Next>
        QCOMPARE(QApplication::activeWindow(), &parameters);

        QCOMPARE(focused(), parameters.Command2.widget());
        press(Qt::Key_Tab, Qt::NoModifier, 2); // past Exit, round to the top
        keysTo(parameters.sidesq, 20);
        press(Qt::Key_Tab, Qt::NoModifier, 3);
        QCOMPARE(focused(), parameters.bleprasino.widget());
        keysTo(parameters.bleprasino, 40);
        press(Qt::Key_Tab, Qt::NoModifier, 3); // past B -> A and B -> C
        keysTo(parameters.kokkinaprasina, 5);
        press(Qt::Key_Return); // Next>

        // The run windows open with the run control on Start; Return starts.
        auto &run = form<apotelesmata>();
        QCOMPARE(QApplication::activeWindow(), &run);
        QCOMPARE(focused(), run.Command2.widget());
        press(Qt::Key_Return);
        QVERIFY(run.Timer1.enabled());
        road::ticks(ticks); // the timer's part, not the student's
        QVERIFY(shared().run.setup() == setupByMouse);
        QCOMPARE(shared().run.counts(), countsByMouse);

        // The graphs window's menus by Alt and their letter; the captions
        // stay as they are.
        // F6 goes round the four run windows only, Shift+F6 back.
        auto &graphs = form<grafiki1>();
        const Form *round[] = {&form<antidrasi>(), &graphs, &form<ravdogram>(), &run};
        for (const Form *w : round) {
            press(Qt::Key_F6);
            QCOMPARE(QApplication::activeWindow(), w);
        }
        for (int i = 2; i >= 0; --i) {
            press(Qt::Key_F6, Qt::ShiftModifier);
            QCOMPARE(QApplication::activeWindow(), round[i]);
        }
        switchTo(graphs);
        QCOMPARE(graphs.diaforikes.caption(), QStringLiteral("Optimization"));
        const int derived = shared().derivedGraphCount;
        press(Qt::Key(graphs.diaforikes.mnemonic().toUpper().unicode()), Qt::AltModifier);
        QCOMPARE(shared().derivedGraphCount, derived + 1);
        press(Qt::Key(graphs.changerates.mnemonic().toUpper().unicode()), Qt::AltModifier);
        QVERIFY(form<mathematical>().isVisible());
        switchTo(graphs);
        press(Qt::Key(graphs.voithia.mnemonic().toUpper().unicode()), Qt::AltModifier);
        QVERIFY(form<Simiosi>().isVisible());
    }

    // Each key moves a scroll bar as its arrows, its trough and its ends
    // would, and the change handler runs as for the mouse.
    void scrollBarKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        // The duration: 20 to 1000, small change 10, large change 100.
        QTest::newRow("Right") << int(Qt::Key_Right) << 250 << 260;
        QTest::newRow("Down") << int(Qt::Key_Down) << 250 << 260;
        QTest::newRow("Left") << int(Qt::Key_Left) << 250 << 240;
        QTest::newRow("Up") << int(Qt::Key_Up) << 250 << 240;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 250 << 350;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 250 << 150;
        QTest::newRow("Home") << int(Qt::Key_Home) << 250 << 20;
        QTest::newRow("End") << int(Qt::Key_End) << 250 << 1000;
        QTest::newRow("Left at the end") << int(Qt::Key_Left) << 20 << 20;
        QTest::newRow("Page Down near the end") << int(Qt::Key_PageDown) << 950 << 1000;
    }

    void scrollBarKeys()
    {
        QFETCH(int, key);
        QFETCH(int, from);
        QFETCH(int, to);
        auto &p = road::toParameters(false, false);
        p.xronosolos.setValue(from);
        QVERIFY(QTest::qWaitForWindowActive(&p));
        p.xronosolos.widget()->setFocus(Qt::TabFocusReason);
        press(Qt::Key(key));
        QCOMPARE(p.xronosolos.value(), to);
        QCOMPARE(p.Label7.caption(), QStringLiteral("Duration = %1").arg(to));
    }

    void menuLettersAreDistinct()
    {
        auto &graphs = form<grafiki1>();
        QString letters;
        for (const MenuItem *item : graphs.findChildren<MenuItem *>()) {
            QVERIFY2(item->caption().contains(item->mnemonic(), Qt::CaseInsensitive), qPrintable(item->caption()));
            QVERIFY2(!letters.contains(item->mnemonic()), qPrintable(item->caption()));
            letters += item->mnemonic();
        }
    }

    // Escape is Back on every page that has one; Return on a focused button
    // presses that button, not the default.
    void keysGoBack_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focus"); // empty: where the page put it
        QTest::addColumn<QString>("back");
        QTest::newRow("Escape, number of steps") << "neaepilogi" << int(Qt::Key_Escape) << "" << "eisagogi";
        QTest::newRow("Escape, reversibility") << "amfinaioxi" << int(Qt::Key_Escape) << "" << "neaepilogi";
        QTest::newRow("Escape, parameters") << "YPOTHETIKES" << int(Qt::Key_Escape) << "" << "amfinaioxi";
        QTest::newRow("Return on <Back") << "YPOTHETIKES" << int(Qt::Key_Return) << "Command1" << "amfinaioxi";
    }

    void keysGoBack()
    {
        QFETCH(QString, page);
        QFETCH(int, key);
        QFETCH(QString, focus);
        QFETCH(QString, back);
        road::toParameters(false, false);
        Form *w = shell::formByName(page);
        w->bringToFront();
        QVERIFY(QTest::qWaitForWindowActive(w));
        if (!focus.isEmpty())
            w->findChild<Control *>(focus)->widget()->setFocus(Qt::TabFocusReason);
        press(Qt::Key(key));
        QCOMPARE(visibleForms().back()->objectName(), back);
    }

    // Tab visits every control that takes the focus once a round, top to
    // bottom and left to right along a row.
    void tabFollowsReadingOrder_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"eisodos", "eisagogi", "neaepilogi", "amfinaioxi", "YPOTHETIKES", "apotelesmata",
                                 "grafiki1", "YPOTHDIASPASI", "YPOTHDIASPASI1", "GNOSTED", "OXEA1", "CARBONIC",
                                 "carbonic2", "grafvxc"})
            QTest::newRow(name) << name;
    }

    void tabFollowsReadingOrder()
    {
        QFETCH(QString, window);
        road::toParameters(true, true);
        road::startRun();
        Form *w = shell::formByName(window);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        std::vector<QWidget *> expected;
        for (Control *c : w->findChildren<Control *>())
            if (c->widget()->isVisibleTo(w) && c->enabled() && (c->widget()->focusPolicy() & Qt::TabFocus))
                expected.push_back(c->widget());
        QVERIFY(!expected.empty());

        std::vector<QWidget *> visited{focused()};
        for (std::size_t i = 0; i < expected.size(); ++i) {
            press(Qt::Key_Tab);
            visited.push_back(focused());
        }
        QCOMPARE(visited.front(), visited.back()); // one whole round
        visited.pop_back();
        QCOMPARE(QSet<QWidget *>(visited.begin(), visited.end()), QSet<QWidget *>(expected.begin(), expected.end()));

        // The round starts at the top left; each next stop is further right
        // on the same row or on a lower row.
        auto start = std::min_element(visited.begin(), visited.end(), [](QWidget *a, QWidget *b) {
            return a->y() < b->y() || (a->y() == b->y() && a->x() < b->x());
        });
        std::rotate(visited.begin(), start, visited.end());
        for (std::size_t i = 1; i < visited.size(); ++i) {
            const QRect a = visited[i - 1]->geometry(), b = visited[i]->geometry();
            const int half = std::min(a.height(), b.height()) / 2;
            const bool sameRowRight = std::abs(b.top() - a.top()) < half && b.left() > a.left();
            const bool lowerRow = b.top() - a.top() >= half;
            QVERIFY2(sameRowRight || lowerRow, qPrintable(QStringLiteral("%1 after %2")
                                                              .arg(visited[i]->objectName(),
                                                                   visited[i - 1]->objectName())));
        }
    }

    // What a screen reader says for the scroll bars: each by the labels of
    // its own row, on either side, before and after a key moves it.
    void scrollBarsAreNamedByTheirLabels_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("temperature") << "YPOTHETIKES" << "tempotherm" << "Temperature" << "Temperature, 25°C";
        QTest::newRow("concentration") << "YPOTHETIKES" << "sidesq" << "Initial concentration of A"
                                       << "Initial concentration of A, 0.15 mol/L";
        QTest::newRow("duration") << "YPOTHETIKES" << "xronosolos" << "Duration" << "Duration, 250";
        QTest::newRow("A to B") << "YPOTHETIKES" << "bleprasino" << "K A ->B" << "K A ->B, 4.53E-01 sec-1";
        QTest::newRow("atoms") << "YPOTHDIASPASI1" << "arithatomon" << "Number of Atoms" << "Number of Atoms, 94";
        QTest::newRow("decay temperature") << "YPOTHDIASPASI1" << "tempotherm" << "Temperature" << "Temperature, 25°C";
        QTest::newRow("first decay") << "YPOTHDIASPASI1" << "blezoi" << "K1" << "K1, 0.22721 min-1";
        QTest::newRow("third decay") << "YPOTHDIASPASI1" << "kokinizoi" << "K3" << "K3, 0.03519 min-1";
        QTest::newRow("acid temperature") << "OXEA1" << "tempotherm" << "Temperature" << "Temperature, 25°C";
        QTest::newRow("acid duration") << "OXEA1" << "xronosolos" << "Choose duration of the reaction Duration"
                                       << "Choose duration of the reaction Duration, 250";
    }

    void scrollBarsAreNamedByTheirLabels()
    {
        QFETCH(QString, window);
        QFETCH(QString, bar);
        QFETCH(QString, name);
        QFETCH(QString, description);
        if (window == QLatin1String("YPOTHETIKES"))
            road::toParameters(true, true);
        else if (window == QLatin1String("OXEA1"))
            road::toAcidExamples();
        else
            road::toDecayRates(3);
        Form *w = shell::formByName(window);
        auto *control = w->findChild<ScrollBar *>(bar);
        QVERIFY(control);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control->widget());
        QVERIFY(a);
        QCOMPARE(a->text(QAccessible::Name), name);
        QCOMPARE(a->text(QAccessible::Description), description);

        QVERIFY(QTest::qWaitForWindowActive(w));
        control->widget()->setFocus(Qt::TabFocusReason);
        press(Qt::Key_End);
        QVERIFY(a->text(QAccessible::Description).startsWith(name + QStringLiteral(", ")));
        QVERIFY(a->text(QAccessible::Description) != description);
    }

    // Every window of the program, each shown in turn after a run.
    void everyCaptionIsItsControlsName()
    {
        road::toParameters(true, true);
        road::startRun();
        form<grafiki1>().voithia.click();
        int named = 0;
        for (const QString &window : shell::windowNames()) {
            Form *w = shell::formByName(window);
            w->show();
            for (Control *c : w->findChildren<Control *>()) {
                QString caption;
                if (auto *label = qobject_cast<Label *>(c))
                    caption = label->caption();
                else if (auto *button = qobject_cast<CommandButton *>(c))
                    caption = button->caption();
                else if (auto *option = qobject_cast<OptionButton *>(c))
                    caption = option->caption();
                else if (auto *box = qobject_cast<CheckBox *>(c))
                    caption = box->caption();
                else if (!qobject_cast<ScrollBar *>(c) && !qobject_cast<Document *>(c))
                    continue;
                if (!c->visible())
                    continue;
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c->widget());
                QVERIFY(a);
                const QString where = w->objectName() + QLatin1Char('.') + c->objectName();
                const QString name = a->text(QAccessible::Name);
                QVERIFY2(!name.isEmpty() || (caption.trimmed().isEmpty() && !qobject_cast<OptionButton *>(c)),
                         qPrintable(where));
                if (qobject_cast<OptionButton *>(c))
                    QCOMPARE(a->role(), QAccessible::RadioButton);
                if (!caption.isEmpty())
                    QCOMPARE(name, caption.simplified());
                ++named;
            }
        }
        QVERIFY(named > 20);

        // The drawings tell what they show: the spots and the bars their
        // counts, the run control its list of rates, the graphs their axes.
        form<apotelesmata>().Timer1.tick();
        const auto n = shared().run.counts();
        const QString counts = QStringLiteral("%1 blue A, %2 green B, %3 red C, %4 cyan D").arg(n.a).arg(n.b).arg(n.c).arg(n.d);
        QCOMPARE(form<antidrasi>().accessibleDescription(), counts);
        QCOMPARE(form<ravdogram>().accessibleDescription(), counts);
        QVERIFY(form<apotelesmata>().accessibleDescription().contains(QStringLiteral("A->B")));
        QVERIFY(form<grafiki1>().accessibleDescription().contains(QStringLiteral("mol/L")));

        // A click on a decay option's label chooses it; the chosen acid's
        // button stays pressed in until another is chosen.
        auto &model = form<YPOTHDIASPASI>();
        model.show();
        QTest::mouseClick(model.step3.widget(), Qt::LeftButton);
        QVERIFY(model.Option3.value() && !model.Option2.value());
        auto &examples = form<OXEA1>();
        examples.Command2.click();
        examples.Command3.click();
        QVERIFY(examples.Command3.chosen() && !examples.Command2.chosen());
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
