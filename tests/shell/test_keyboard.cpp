// The program without a mouse: the whole chemical road with key presses
// only, Tab in reading order, Return and Escape on the wizard pages, Alt and
// a letter for the menus, and what assistive technology reads.
#include "tests/support/Captions.h"
#include "tests/support/Road.h"
#include "graphs/apotelesmata.h"
#include "graphs/grafiki1.h"
#include "graphs/mathematical.h"
#include "graphs/ravdogram.h"
#include "kinetics/antidrasi.h"
#include "lesson/Model.h"
#include "shell/Simiosi.h"
#include "shell/Windows.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QtTest>
#include <QMenuBar>
#include <QScopeGuard>
#include <QStyleOption>

using namespace toolkit;

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

// The active window and the control in it with the keyboard focus, as
// "window.control".
QString keyboardAt()
{
    const QWidget *window = QApplication::activeWindow();
    return (window ? window->objectName() : QStringLiteral("(none)")) + QLatin1Char('.') + focusedName();
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

// An option of a group in which another option is chosen: Tab passes it.
bool passedOver(const Control *c)
{
    const auto *option = qobject_cast<const OptionButton *>(c);
    if (!option || option->value())
        return false;
    for (const OptionButton *other : option->container()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly))
        if (other != option && other->value() && other->visible() && other->enabled())
            return true;
    return false;
}

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(object);
    if (!a)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return a;
}

// The windows F6 (or Shift+F6) makes active, one press after another.
std::vector<const QWidget *> windowsByF6(Qt::KeyboardModifiers modifiers, int presses)
{
    std::vector<const QWidget *> seen;
    for (int i = 0; i < presses; ++i) {
        press(Qt::Key_F6, modifiers);
        seen.push_back(QApplication::activeWindow());
    }
    return seen;
}

// The page the run windows stand over, filling the work area.
Form *pageUnderTheRun()
{
    Form *page = nullptr;
    for (Form *w : visibleForms())
        if (w->fillsWorkArea())
            page = w;
    return page;
}

// An acid's run to its end, its rates, species and pH graphs opened.
void toAcidGraphs()
{
    road::startChapterRun(road::Chapter::Acid);
    road::runToTheEnd();
    form<grafiki1>().changerates.click();
    form<mathematical>().grafvcshos.click();
    shell::formByName(QStringLiteral("grafvxc"))->findChild<CommandButton *>(QStringLiteral("phshow"))->click();
}

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
        const auto setupByMouse = lesson::model().run().setup();
        const auto countsByMouse = lesson::model().run().counts();

        init(); // the same program again, by keys
        auto &parameters = form<YPOTHETIKES>();
        press(Qt::Key_Return); // Start
        QCOMPARE(keyboardAt(), QStringLiteral("eisagogi.ximia(0)"));
        press(Qt::Key_Return); // Chemical Reactions
        // Each page opens on its forward button; the arrows choose within the
        // option group, round from its last option to its first, and never
        // leave it.
        QCOMPARE(keyboardAt(), QStringLiteral("neaepilogi.Command2"));
        press(Qt::Key_Tab, Qt::ShiftModifier, 2);
        QCOMPARE(focusedName(), QStringLiteral("Option1"));
        press(Qt::Key_Down);
        QCOMPARE(focusedName(), QStringLiteral("Option2"));
        QVERIFY(form<neaepilogi>().Option2.value());
        press(Qt::Key_Down);
        QVERIFY(form<neaepilogi>().Option1.value());
        press(Qt::Key_Left);
        QVERIFY(form<neaepilogi>().Option2.value() && !form<neaepilogi>().Option1.value());
        press(Qt::Key_Return); // Next >, the page's default
        QCOMPARE(keyboardAt(), QStringLiteral("amfinaioxi.Command3"));
        press(Qt::Key_Tab, Qt::ShiftModifier, 2);
        QCOMPARE(focusedName(), QStringLiteral("reversibleno"));
        press(Qt::Key_Up, Qt::NoModifier, 3);
        QCOMPARE(focusedName(), QStringLiteral("reversibleyes"));
        QVERIFY(form<amfinaioxi>().reversibleyes.value());
        press(Qt::Key_Return); // Next>
        QCOMPARE(keyboardAt(), QStringLiteral("YPOTHETIKES.Command2"));
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
        QCOMPARE(keyboardAt(), QStringLiteral("apotelesmata.Command2"));
        press(Qt::Key_Return);
        QVERIFY(run.Timer1.enabled());
        road::ticks(ticks); // the timer's part, not the student's
        QVERIFY(lesson::model().run().setup() == setupByMouse);
        QCOMPARE(lesson::model().run().counts(), countsByMouse);

        // The graphs window's menus by Alt and their letter; the captions
        // stay as they are.
        // F6 goes round the four run windows only (Shift+F6 back: f6GoesRoundBothWays).
        auto &graphs = form<grafiki1>();
        QVERIFY(windowsByF6(Qt::NoModifier, 4)
                == (std::vector<const QWidget *>{&form<antidrasi>(), &graphs, &form<ravdogram>(), &run}));
        switchTo(graphs);
        QCOMPARE(graphs.diaforikes.caption(), QStringLiteral("Optimization"));
        const int derived = lesson::model().derivedGraphCount();
        press(Qt::Key(graphs.diaforikes.mnemonic().toUpper().unicode()), Qt::AltModifier);
        QCOMPARE(lesson::model().derivedGraphCount(), derived + 1);
        press(Qt::Key(graphs.changerates.mnemonic().toUpper().unicode()), Qt::AltModifier);
        QVERIFY(form<mathematical>().isVisible()); // Help's letter: menuLettersInEveryRun
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

    // Help is Alt+H in every run, "Half Lifes" offered or not, and no two
    // menus share a letter, each one of its caption; once Help has run, no
    // item of the menu bar stays focused to a screen reader.
    void menuLettersInEveryRun_data()
    {
        QTest::addColumn<int>("chapter");
        QTest::newRow("reaction") << int(road::Chapter::Reaction);
        QTest::newRow("decay") << int(road::Chapter::Decay);
        QTest::newRow("acid") << int(road::Chapter::Acid);
    }

    void menuLettersInEveryRun()
    {
        QFETCH(int, chapter);
        road::startChapterRun(road::Chapter(chapter));
        auto &graphs = form<grafiki1>();
        QCOMPARE(graphs.xronoimizoi.visible(), road::Chapter(chapter) == road::Chapter::Decay);
        QString letters;
        for (const MenuItem *item : graphs.findChildren<MenuItem *>()) {
            QVERIFY2(item->caption().contains(item->mnemonic(), Qt::CaseInsensitive), qPrintable(item->caption()));
            QVERIFY2(!letters.contains(item->mnemonic()), qPrintable(item->caption()));
            letters += item->mnemonic();
        }
        switchTo(graphs);
        QCOMPARE(graphs.voithia.mnemonic(), QLatin1Char('h'));
        press(Qt::Key_H, Qt::AltModifier);
        QVERIFY(form<Simiosi>().isVisible());
        switchTo(graphs);
        QAccessibleInterface *bar = accessible(graphs.menuBar());
        QVERIFY(bar->childCount() >= 4);
        for (int i = 0; i < bar->childCount(); ++i)
            QVERIFY2(!bar->child(i)->state().focused, qPrintable(bar->child(i)->text(QAccessible::Name)));
    }

    // Each window draws its focus from the moment it shows, before any Tab:
    // the title, the choices (on "Chemical Reactions") and the run control.
    void focusDrawnAtOnce()
    {
        auto focusDrawn = [] {
            QWidget *focus = QApplication::focusWidget();
            QStyleOption option;
            option.initFrom(focus);
            return focus && option.state.testFlag(QStyle::State_HasFocus)
                   && option.state.testFlag(QStyle::State_KeyboardFocusChange);
        };
        QVERIFY(QTest::qWaitForWindowActive(&form<eisodos>()));
        QVERIFY(focusDrawn());
        form<eisodos>().Command1.click();
        QTRY_VERIFY(QApplication::focusWidget() == form<eisagogi>().ximia[0].widget());
        QVERIFY(focusDrawn());
        road::startChapterRun(road::Chapter::Reaction);
        QTRY_VERIFY(QApplication::activeWindow() == &form<apotelesmata>());
        QVERIFY(focusDrawn());
    }

    // In Greek each menu item of the graphs runs by Alt and its letter on a
    // Greek layout, and by Alt and the Latin letter of that key on the
    // Latin layout of the same keyboard (the usual "us,gr").
    void greekMenuLettersOnBothLayouts_data()
    {
        QTest::addColumn<bool>("latin");
        QTest::newRow("Greek layout") << false;
        QTest::newRow("Latin layout") << true;
    }

    void greekMenuLettersOnBothLayouts()
    {
        QFETCH(bool, latin);
        useLanguage(Language::Greek);
        const auto english = qScopeGuard([] { useLanguage(Language::English); });
        road::startProgram();
        road::startChapterRun(road::Chapter::Decay);
        road::ticks(1000);
        auto &graphs = form<grafiki1>();
        const QObject *used = nullptr;
        watchUse([&used](QObject &control) { used = &control; });
        const auto unwatch = qScopeGuard([] { watchUse(nullptr); });
        int tried = 0;
        for (const MenuItem *item : graphs.findChildren<MenuItem *>()) {
            if (!item->visible() || !item->enabled())
                continue;
            const QChar letter = latin ? keyLetter(item->mnemonic()) : item->mnemonic();
            QVERIFY2((letter.script() == QChar::Script_Greek) != latin, qPrintable(item->caption()));
            switchTo(graphs);
            used = nullptr;
            // A key of any script, as the platform gives it with its text.
            const auto key = Qt::Key(letter.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Press, QApplication::focusWidget(), key, QString(letter), Qt::AltModifier);
            QTest::sendKeyEvent(QTest::Release, QApplication::focusWidget(), key, QString(letter), Qt::AltModifier);
            QVERIFY2(used == item, qPrintable(item->caption()));
            ++tried;
        }
        QVERIFY(tried >= 4);
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
            if (c->widget()->isVisibleTo(w) && c->enabled() && (c->widget()->focusPolicy() & Qt::TabFocus)
                && !passedOver(c))
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
    // its own row, on either side, as the window opens and at either end;
    // a decay's half-life bar by the constant its row shows, in min-1, also
    // as its value, not by the half-life its position stands for.
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
        QTest::newRow("second decay") << "YPOTHDIASPASI1" << "prasinizoi" << "K2" << "K2, 0.02586 min-1";
        QTest::newRow("third decay") << "YPOTHDIASPASI1" << "kokinizoi" << "K3" << "K3, 0.03519 min-1";
        QTest::newRow("acid temperature") << "OXEA1" << "tempotherm" << "Temperature" << "Temperature, 25°C";
        QTest::newRow("acid concentration") << "OXEA1" << "concentration" << "Συγκέντρωση" << "Συγκέντρωση, 15.00";
        QTest::newRow("B to A") << "YPOTHETIKES" << "pithanotipiso" << "K B ->A" << "K B ->A, 0.00E+00 sec-1";
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
        QAccessibleInterface *a = accessible(control->widget());
        QCOMPARE(a->text(QAccessible::Name), name);
        QCOMPARE(a->text(QAccessible::Description), description);

        QVERIFY(QTest::qWaitForWindowActive(w));
        control->widget()->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : {Qt::Key_unknown, Qt::Key_Home, Qt::Key_End}) {
            if (key != Qt::Key_unknown)
                press(key);
            const QString said = a->text(QAccessible::Description);
            QVERIFY2(said.startsWith(name + QStringLiteral(", ")), qPrintable(said));
            if (bar == QLatin1String("arithatomon")) // the atoms the row counts, as the value
                QCOMPARE(a->valueInterface()->currentValue().toDouble(), said.section(QStringLiteral(", "), 1).toDouble());
            if (!description.endsWith(QLatin1String(" min-1")))
                continue;
            // "K1, 0.22721 min-1": the number the row shows, the bar's value.
            const auto constant = QRegularExpression(QStringLiteral("^K\\d, ([0-9.]+) min-1$")).match(said);
            const double shown = constant.captured(1).toDouble();
            QVERIFY2(constant.hasMatch() && shown > 0, qPrintable(said));
            QAccessibleValueInterface *value = a->valueInterface();
            QVERIFY(value);
            QVERIFY2(std::fabs(value->currentValue().toDouble() - shown) < 1e-9, qPrintable(said));
            QVERIFY(value->minimumValue().toDouble() <= shown && shown <= value->maximumValue().toDouble());
            QVERIFY(value->minimumStepSize().toDouble() > 0);
        }
        QVERIFY(a->text(QAccessible::Description) != description);
    }

    // Pictures tell what they show: the carbonic acid's species and
    // constants, the polonium series' nuclides by element and mass number.
    void picturesSayWhatTheyShow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("carbonic acid") << "CARBONIC" << "Picture1"
                                       << QStringList{"H2CO3", "HCO3-", "CO3 2-", "blue", "green", "red", "Ka1", "Ka2"};
        QTest::newRow("polonium series") << "GNOSTED" << "Picture1"
                                         << QStringList{"Polonium-218", "lead-214", "bismuth-214", "lead-210", "alpha",
                                                        "beta"};
        QTest::newRow("polonium's mass") << "GNOSTED" << "Label1(2)" << QStringList{"polonium-218"};
        QTest::newRow("lead's mass") << "GNOSTED" << "Label1(3)" << QStringList{"lead-214"};
        QTest::newRow("bismuth's mass") << "GNOSTED" << "Label1(4)" << QStringList{"bismuth-214"};
        QTest::newRow("last lead's mass") << "GNOSTED" << "Label1(5)" << QStringList{"lead-210"};
        QTest::newRow("decay model's A") << "YPOTHDIASPASI" << "Shape1" << QStringList{"A, the blue spots"};
        QTest::newRow("decay model's D") << "YPOTHDIASPASI" << "Shape4" << QStringList{"D, the cyan spots"};
        QTest::newRow("decay model's arrow") << "YPOTHDIASPASI" << "Picture2(1)" << QStringList{"The arrow B -> C"};
        QTest::newRow("polonium's circle") << "GNOSTED" << "Shape2" << QStringList{"lead-214"};
        QTest::newRow("polonium's arrow") << "GNOSTED" << "Picture2(2)"
                                          << QStringList{"The arrow bismuth-214 -> lead-210"};
    }

    void picturesSayWhatTheyShow()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QStringList, said);
        Form *w = shell::formByName(window);
        w->show();
        QAccessibleInterface *a = accessible(w->findChild<Control *>(control)->widget());
        const QString heard = a->text(QAccessible::Name) + QLatin1Char(' ') + a->text(QAccessible::Description);
        for (const QString &text : said)
            QVERIFY2(heard.contains(text), qPrintable(heard));
    }

    // The graph tells its axes, the colour of each kind and where the
    // counts stand now, from the run's own records, tick after tick; the
    // run control every row of its list, also rows that read alike but for
    // their values.
    void runWindowsTellTheRun_data()
    {
        QTest::addColumn<int>("chapter");
        QTest::addColumn<QString>("up");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("reaction") << int(road::Chapter::Reaction) << "Up: concentration, 0 to "
                                  << QStringList{"A->B", "B->A", "B->C", "C->B"};
        QTest::newRow("decay") << int(road::Chapter::Decay) << "Up: number of atoms N, 0 to "
                               << QStringList{"1", "2", "3"};
        QTest::newRow("acid") << int(road::Chapter::Acid) << "Up: concentration, 0 to 0.15 mol/L"
                              << QStringList{"A->B", "B->A", "B->C", "C->B"};
    }

    void runWindowsTellTheRun()
    {
        QFETCH(int, chapter);
        QFETCH(QString, up);
        QFETCH(QStringList, rows);
        road::startChapterRun(road::Chapter(chapter));
        const auto &run = lesson::model().run();
        const auto &setup = run.setup();
        auto &graphs = form<grafiki1>();
        const QStringList kinds{"A", "B", "C", "D"};
        const QStringList colours{"blue", "green", "red", "cyan"};
        for (int round = 0; round < 3; ++round) {
            road::ticks(2);
            const QString heard = accessible(&graphs)->text(QAccessible::Description);
            QVERIFY2(heard.contains(QStringLiteral("Across: time, 0 to %1.").arg(setup.duration)), qPrintable(heard));
            QVERIFY2(heard.contains(up), qPrintable(heard));
            const auto latest = run.history().back();
            const int counts[] = {latest.counts.a, latest.counts.b, latest.counts.c, latest.counts.d};
            // Each kind in the value axis's unit: mol/L, or the atoms a decay's
            // axis counts for the layout's target.
            const double perSpot = setup.chemistry() ? setup.amount / 100.0 / setup.spots
                                                     : kinetics::core::layoutTarget(setup.amount) / setup.spots;
            QStringList points, now;
            for (int m = 0; m < setup.kinds(); ++m) {
                points << colours[m] + QLatin1Char(' ') + kinds[m];
                now << (setup.chemistry() ? QStringLiteral("%1 %2 mol/L").arg(kinds[m], Format(counts[m] * perSpot, "0.000"))
                                          : QStringLiteral("%1 %2 atoms").arg(kinds[m], Format(counts[m] * perSpot, "0.0")));
            }
            QVERIFY2(heard.contains(QStringLiteral("Points: %1.").arg(points.join(QStringLiteral(", ")))), qPrintable(heard));
            QVERIFY2(heard.contains(QStringLiteral("At time %1: %2.").arg(Format(latest.time, "0"), now.join(QStringLiteral("; ")))),
                     qPrintable(heard));
            QVERIFY(!heard.contains(QStringLiteral("Smooth curves")));
        }
        graphs.diaforikes.click();
        QVERIFY(accessible(&graphs)->text(QAccessible::Description).contains(QStringLiteral("Smooth curves: dark blue A")));

        // One row of the list a step, each with its own value.
        const auto &k = setup.rates.steps;
        const double chemical[] = {k.k1, k.k1Reverse, k.k2, k.k2Reverse};
        const double series[] = {k.k1, k.k2, k.k3};
        QStringList expected;
        for (int i = 0; i < rows.size(); ++i)
            expected << (setup.chemistry() ? QStringLiteral("K %1 = %2").arg(rows[i], Format(chemical[i], "0.00E+00"))
                                           : QStringLiteral("K%1 = %2 min-1").arg(rows[i], Format(series[i], "0.00e+00")));
        QCOMPARE(accessible(&form<apotelesmata>())->text(QAccessible::Description).split(QStringLiteral("; ")), expected);
    }

    // The acid's graphs against c tell their axes, which colour is which
    // species and where the run's concentration stands on them.
    void acidGraphsTellWhatTheyShow()
    {
        toAcidGraphs();
        const QString rates = accessible(&form<mathematical>())->text(QAccessible::Description);
        for (const char *said : {"Across: time, 0 to ", "dark blue A, dark green B, dark red C"})
            QVERIFY2(rates.contains(QLatin1String(said)), qPrintable(rates));
        const QString heard = accessible(shell::formByName(QStringLiteral("grafvxc")))->text(QAccessible::Description);
        for (const char *said : {"Across: c (mol/L), 0 to 14.", "Up: percent of c, 0 to 100.", "blue H2A", "green HA-",
                                 "red A2-", "yellow H+", "c = 0.15 mol/L"})
            QVERIFY2(heard.contains(QLatin1String(said)), qPrintable(heard));
        // The acid's three species make up the whole of c.
        const QRegularExpression share(QStringLiteral("(H2A|HA-|A2-)(?: is)? ([0-9.]+) %"));
        double whole = 0;
        int shares = 0;
        for (auto m = share.globalMatch(heard); m.hasNext(); ++shares)
            whole += m.next().captured(2).toDouble();
        QCOMPARE(shares, 3);
        QVERIFY2(std::fabs(whole - 100) < 0.2, qPrintable(heard));

        const QString ph = accessible(shell::formByName(QStringLiteral("phform")))->text(QAccessible::Description);
        for (const char *said : {"Across: c (mol/L), 0 to 15.", "Up: pH, 0 to 15.", "red curve", "c = 0.15 mol/L"})
            QVERIFY2(ph.contains(QLatin1String(said)), qPrintable(ph));
    }

    // F6 and Shift+F6 go round the same windows in one order, both ways,
    // also where three windows stand at one place (the acid's rates,
    // species and pH graphs); a click on the page under the run does not
    // keep the keyboard there.
    void f6GoesRoundBothWays()
    {
        toAcidGraphs();
        auto *ph = shell::formByName(QStringLiteral("phform"));
        QVERIFY(ph->isVisible() && shell::formByName(QStringLiteral("grafvxc"))->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(ph));
        const int n = 7; // the four run windows and the three graphs
        const auto forward = windowsByF6(Qt::NoModifier, 2 * n);
        const auto backward = windowsByF6(Qt::ShiftModifier, 2 * n);
        const QSet<const QWidget *> round(forward.begin(), forward.begin() + n);
        QCOMPARE(round.size(), n);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(forward[std::size_t(i + n)], forward[std::size_t(i)]);
            // Back the same way: the window before the last reached.
            QCOMPARE(backward[std::size_t(i)], forward[std::size_t((2 * n - 2 - i) % n)]);
        }

        // The page under the run takes the keyboard (a click on it); F6
        // comes back to the run's windows, Start keeps the keyboard.
        Form *page = pageUnderTheRun();
        QVERIFY(page);
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page));
        press(Qt::Key_F6);
        QVERIFY(QApplication::activeWindow() != page);
        QVERIFY(round.contains(QApplication::activeWindow()));
    }

    // Start brings the four run windows back over a page a click brought
    // up, two closed by their frames with them, and the keyboard stays on
    // Start.
    void startKeepsTheKeyboard()
    {
        road::toParameters(true, true);
        auto &run = road::startRun();
        road::runToTheEnd();
        Form &spots = form<antidrasi>();
        Form *page = pageUnderTheRun();
        QVERIFY(page);
        spots.close(); // their frames' close buttons
        form<grafiki1>().close();
        QVERIFY(!spots.isVisible() && !form<grafiki1>().isVisible());
        page->raise(); // a click on the page
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page));
        run.bringToFront();
        QVERIFY(QTest::qWaitForWindowActive(&run));
        run.Command2.widget()->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
        QVERIFY(run.Timer1.enabled());
        QVERIFY(spots.isVisible());
        const std::vector<Form *> stack = visibleForms();
        QVERIFY(stack.size() >= 5);
        QCOMPARE(stack.back(), &run);
        const QSet<Form *> top(stack.end() - 4, stack.end());
        QCOMPARE(top, (QSet<Form *>{&spots, &form<grafiki1>(), &form<ravdogram>(), &run}));
        QTRY_COMPARE(QApplication::activeWindow(), &run);
        QTest::qWait(200); // a window manager's late focus for the window that came back
        QCOMPARE(QApplication::activeWindow(), &run);
        QCOMPARE(focused(), run.Command2.widget());
    }

    // Where assistive technology is told a window, a scroll bar, a button,
    // an option button or a check box is: in the screen's device pixels, where a magnifier looks (on
    // a scaled screen, twice the logical pixels at scale 2).
    void placesAreInDevicePixels()
    {
        auto &p = road::toParameters(true, true);
        road::startRun();
        QVERIFY(QTest::qWaitForWindowExposed(&form<grafiki1>()));
        const double f = p.devicePixelRatioF();
        const QWidget *widgets[] = {&p, p.sidesq.widget(), p.Command2.widget(), form<neaepilogi>().Option1.widget(),
                                    form<grafiki1>().Check1.widget()};
        for (const QWidget *w : widgets) {
            const QPoint corner = w->mapToGlobal(QPoint(0, 0));
            const QRect device(qRound(corner.x() * f), qRound(corner.y() * f), qRound(w->width() * f),
                               qRound(w->height() * f));
            QCOMPARE(accessible(const_cast<QWidget *>(w))->rect(), device);
        }
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
            // A window is a frame to assistive technology, not a filler.
            QCOMPARE(accessible(w)->role(), QAccessible::Window);
            QCOMPARE(accessible(w)->text(QAccessible::Name), w->caption());
            for (Control *c : w->findChildren<Control *>()) {
                if (!c->visible()
                    || (!qobject_cast<Captioned *>(c) && !qobject_cast<ScrollBar *>(c) && !qobject_cast<Document *>(c)))
                    continue;
                const QString caption = testing::captionOf(c);
                QAccessibleInterface *a = accessible(c->widget());
                const QString where = w->objectName() + QLatin1Char('.') + c->objectName();
                const QString name = a->text(QAccessible::Name);
                QVERIFY2(!name.isEmpty() || (caption.trimmed().isEmpty() && !qobject_cast<OptionButton *>(c)),
                         qPrintable(where));
                if (qobject_cast<OptionButton *>(c))
                    QCOMPARE(a->role(), QAccessible::RadioButton);
                if (!caption.isEmpty() && !name.endsWith(QLatin1Char('-') + caption))
                    QCOMPARE(name, caption.simplified());
                ++named;
            }
        }
        QVERIFY(named > 20);

        // The spots and the bars tell their counts (the run control's list
        // and the graphs' axes: runWindowsTellTheRun).
        form<apotelesmata>().Timer1.tick();
        const auto n = lesson::model().run().counts();
        const QString counts = QStringLiteral("%1 blue A, %2 green B, %3 red C, %4 cyan D").arg(n.a).arg(n.b).arg(n.c).arg(n.d);
        QCOMPARE(form<antidrasi>().accessibleDescription(), counts);
        QCOMPARE(form<ravdogram>().accessibleDescription(), counts);

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
        // Pressed in or not, a command button stays a push button; pressed
        // in is its checked state.
        for (const CommandButton *b : {&examples.Command2, &examples.Command3}) {
            QCOMPARE(accessible(b->widget())->role(), QAccessible::Button);
            QCOMPARE(bool(accessible(b->widget())->state().checked), b->chosen());
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
