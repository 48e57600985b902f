// On a real X server under a window manager (ctest runs it through
// tests/support/x-session.sh under several): after each step of the roads of
// a reaction, a decay and an acid, the frame of every visible window, as the
// X server has it, lies inside the work area; a window as large as the work
// area fills it; the four run windows tile it; Qt sees each client area where
// the server has it; a window shown again comes back to its place; after
// the parameters' Next a real Return starts the run; the windows carry the
// program's icon. What the user does to a run window through the window
// manager (maximise, move, resize) is kept until the next step shows it.
#include "../support/Road.h"
#include "acids/CARBONIC.h"
#include "acids/carbonic2.h"
#include "acids/grafvxc.h"
#include "decay/GNOSTED.h"
#include "graphs/grafiki1.h"
#include "graphs/mathematical.h"
#include "graphs/ravdogram.h"
#include "kinetics/antidrasi.h"
#include "lesson/Model.h"
#include "shell/LessonPlayer.h"
#include "shell/Roads.h"
#include "shell/mathima.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <vector>

using namespace toolkit;

namespace {

constexpr int patience = 15000; // ms for the window manager to frame and place the windows

xcb_connection_t *x() { return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection(); }
xcb_window_t root() { return xcb_setup_roots_iterator(xcb_get_setup(x())).data->root; }

template <typename T>
std::unique_ptr<T, decltype(&std::free)> held(T *reply)
{
    return {reply, &std::free};
}

xcb_atom_t atom(const char *name)
{
    auto r = held(xcb_intern_atom_reply(x(), xcb_intern_atom(x(), 0, uint16_t(std::strlen(name)), name), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of a window's property; none where it has none.
std::vector<quint32> valuesOf(xcb_window_t window, const char *name, xcb_atom_t type, uint32_t length)
{
    auto r = held(xcb_get_property_reply(x(), xcb_get_property(x(), 0, window, atom(name), type, 0, length), nullptr));
    const auto *v = r ? static_cast<const quint32 *>(xcb_get_property_value(r.get())) : nullptr;
    return v ? std::vector<quint32>(v, v + xcb_get_property_value_length(r.get()) / 4) : std::vector<quint32>();
}

// Whether a window's list of atoms (_NET_WM_STATE, _NET_SUPPORTED) holds one.
bool holds(xcb_window_t window, const char *list, const char *name)
{
    const auto atoms = valuesOf(window, list, XCB_ATOM_ATOM, 1024);
    return std::count(atoms.begin(), atoms.end(), atom(name)) > 0;
}

QString describe(const QRect &r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

QRect serverWorkArea()
{
    const xcb_screen_t *s = xcb_setup_roots_iterator(xcb_get_setup(x())).data;
    if (const auto v = valuesOf(s->root, "_NET_WORKAREA", XCB_ATOM_CARDINAL, 4); v.size() >= 4)
        return QRect(int(v[0]), int(v[1]), int(v[2]), int(v[3]));
    // twm and i3 publish none: the screen without i3's bar, whose frame
    // lies at an edge of it.
    QRect area(0, 0, s->width_in_pixels, s->height_in_pixels);
    auto tree = held(xcb_query_tree_reply(x(), xcb_query_tree(x(), s->root), nullptr));
    const xcb_window_t *top = tree ? xcb_query_tree_children(tree.get()) : nullptr;
    for (int k = 0; tree && k < xcb_query_tree_children_length(tree.get()); ++k) {
        auto inner = held(xcb_query_tree_reply(x(), xcb_query_tree(x(), top[k]), nullptr));
        const xcb_window_t *w = inner ? xcb_query_tree_children(inner.get()) : nullptr;
        for (int j = 0; inner && j < xcb_query_tree_children_length(inner.get()); ++j) {
            if (const auto v = valuesOf(w[j], "_NET_WM_STRUT_PARTIAL", XCB_ATOM_CARDINAL, 4); v.size() >= 4)
                area.adjust(int(v[0]), int(v[2]), -int(v[1]), -int(v[3]));
        }
    }
    return area;
}

QRect clientOf(const QWidget &w);

// The window's frame: its ancestor just under the root, borders included;
// empty while the window manager has not framed it. Where the manager
// publishes the frame it draws (_NET_FRAME_EXTENTS), that one: mutter's
// frame window also holds invisible borders to grab for a resize.
QRect frameOf(const QWidget &w)
{
    const auto e = valuesOf(xcb_window_t(w.winId()), "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL, 4);
    if (e.size() == 4 && (e[0] || e[1] || e[2] || e[3]))
        return clientOf(w).marginsAdded(QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3])));
    xcb_window_t frame = xcb_window_t(w.winId());
    for (;;) {
        auto tree = held(xcb_query_tree_reply(x(), xcb_query_tree(x(), frame), nullptr));
        if (!tree || tree->parent == tree->root)
            break;
        frame = tree->parent;
    }
    if (frame == w.winId())
        return {};
    auto g = held(xcb_get_geometry_reply(x(), xcb_get_geometry(x(), frame), nullptr));
    return g ? QRect(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width) : QRect();
}

QRect clientOf(const QWidget &w)
{
    auto g = held(xcb_get_geometry_reply(x(), xcb_get_geometry(x(), xcb_window_t(w.winId())), nullptr));
    auto at = held(xcb_translate_coordinates_reply(x(), xcb_translate_coordinates(x(), xcb_window_t(w.winId()), root(), 0, 0), nullptr));
    return g && at ? QRect(at->dst_x, at->dst_y, g->width, g->height) : QRect();
}

// Whether the window manager has the window in that state (_NET_WM_STATE_...).
bool inState(const QWidget &w, const char *state) { return holds(xcb_window_t(w.winId()), "_NET_WM_STATE", state); }

// What is wrong with the visible windows as the X server has them.
QString faults()
{
    QStringList found;
    const QRect area = serverWorkArea();
    const double f = qGuiApp->devicePixelRatio();
    for (const Form *w : visibleForms()) {
        const QRect frame = frameOf(*w), client = clientOf(*w);
        const QString name = w->objectName() + QLatin1Char(' ');
        if (inState(*w, "_NET_WM_STATE_FULLSCREEN"))
            found << name + QStringLiteral("is full screen, without its title bar");
        else if (frame.isEmpty())
            found << name + QStringLiteral("is not framed");
        else if (!area.contains(frame))
            found << name + describe(frame) + QStringLiteral(" is not inside ") + describe(area);
        else if (frame.width() * 10 >= area.width() * 9 && frame.height() * 10 >= area.height() * 9 && frame != area)
            found << name + describe(frame) + QStringLiteral(" does not fill ") + describe(area);
        const QRect seen = QRectF(QPointF(w->geometry().topLeft()) * f, QSizeF(w->size()) * f).toRect();
        if (std::abs(seen.x() - client.x()) > f || std::abs(seen.y() - client.y()) > f ||
            std::abs(seen.width() - client.width()) > f || std::abs(seen.height() - client.height()) > f)
            found << name + QStringLiteral("is at %1 for Qt, at %2 for X").arg(describe(seen), describe(client));
    }
    const Form *run[] = {&form<antidrasi>(), &form<grafiki1>(), &form<apotelesmata>(), &form<ravdogram>()};
    if (std::all_of(std::begin(run), std::end(run), [](const Form *w) { return w->isVisible(); })) {
        qint64 covered = 0;
        for (std::size_t i = 0; i < std::size(run); ++i) {
            const QRect a = frameOf(*run[i]);
            covered += qint64(a.width()) * a.height();
            for (std::size_t j = i + 1; j < std::size(run); ++j)
                if (const QRect b = frameOf(*run[j]); a.intersects(b))
                    found << run[i]->objectName() + QLatin1Char(' ') + describe(a) + QStringLiteral(" overlaps ") +
                                 run[j]->objectName() + QLatin1Char(' ') + describe(b);
        }
        if (covered != qint64(area.width()) * area.height())
            found << QStringLiteral("the run windows leave gaps in the work area");
    }
    return found.join(QLatin1Char('\n'));
}

// Whether the window manager has framed and placed every window within its
// patience, and they stay so for a moment: a window shown again is framed
// anew, and between two frames it has none.
bool settled()
{
    QElapsedTimer waited;
    waited.start();
    for (int quiet = 0; waited.elapsed() < patience; QTest::qWait(50)) {
        quiet = faults().isEmpty() ? quiet + 1 : 0;
        if (quiet == 4)
            return true;
    }
    return false;
}

// After each step the window manager has framed and placed every window.
#define SETTLED(step) QVERIFY2(settled(), qPrintable(QStringLiteral(step ":\n") + faults()))

bool supported(const char *name) { return holds(root(), "_NET_SUPPORTED", name); }

bool maximised(const QWidget &w)
{
    return inState(w, "_NET_WM_STATE_MAXIMIZED_VERT") && inState(w, "_NET_WM_STATE_MAXIMIZED_HORZ");
}

// What a pager, or the frame's buttons, ask of the window manager for the user.
void askManager(const QWidget &w, const char *type, std::array<quint32, 5> data)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(w.winId());
    message.type = atom(type);
    std::copy(data.begin(), data.end(), message.data.data32);
    xcb_send_event(x(), 0, root(), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(x());
}

// The program's window that has the X server's keyboard, if any.
const QWidget *keyboardWindow()
{
    auto focus = held(xcb_get_input_focus_reply(x(), xcb_get_input_focus(x()), nullptr));
    const QWidget *focused = focus ? QWidget::find(WId(focus->focus)) : nullptr;
    return focused ? focused->window() : nullptr;
}

bool hasKeyboard(const QWidget &w) { return keyboardWindow() == &w; }

// A real key, through the X server to whichever window has its keyboard.
void pressKey(xcb_keysym_t keysym)
{
    const xcb_setup_t *setup = xcb_get_setup(x());
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto map = held(xcb_get_keyboard_mapping_reply(x(), xcb_get_keyboard_mapping(x(), setup->min_keycode, uint8_t(count)), nullptr));
    QVERIFY(map);
    const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(map.get());
    for (int k = 0; k < count * map->keysyms_per_keycode; ++k) {
        if (syms[k] == keysym) {
            const auto code = uint8_t(setup->min_keycode + k / map->keysyms_per_keycode);
            xcb_test_fake_input(x(), XCB_KEY_PRESS, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
            xcb_test_fake_input(x(), XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
            xcb_flush(x());
            return;
        }
    }
    QFAIL("no key gives that key symbol");
}

void pressReturn() { pressKey(0xff0d); }

// The window the window manager has active.
xcb_window_t activeWindow()
{
    const auto v = valuesOf(root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW, 1);
    return v.size() == 1 ? xcb_window_t(v[0]) : xcb_window_t(XCB_NONE);
}

// Whether the window has the keyboard and, where the window manager tells
// which window is active, is that one.
bool active(const QWidget &w)
{
    return hasKeyboard(w) && (!supported("_NET_ACTIVE_WINDOW") || activeWindow() == xcb_window_t(w.winId()));
}

QString activeName()
{
    const QWidget *w = QWidget::find(WId(activeWindow())), *keyboard = keyboardWindow();
    const QString none = QStringLiteral("none of the program's");
    return QStringLiteral("%1 (the keyboard: %2)").arg(w ? w->objectName() : none, keyboard ? keyboard->objectName() : none);
}

// Whether the window becomes active within the window manager's patience and
// stays so for a moment.
bool staysActive(const QWidget &w)
{
    QElapsedTimer waited;
    waited.start();
    for (int quiet = 0; waited.elapsed() < patience; QTest::qWait(50)) {
        quiet = active(w) ? quiet + 1 : 0;
        if (quiet == 10)
            return true;
    }
    return false;
}

// A real click of the first mouse button at the middle of a control.
void clickAt(const QWidget &control)
{
    const QPoint at = (QPointF(control.mapToGlobal(control.rect().center())) * qGuiApp->devicePixelRatio()).toPoint();
    xcb_test_fake_input(x(), XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root(), int16_t(at.x()), int16_t(at.y()), 0);
    xcb_test_fake_input(x(), XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(x(), XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(x());
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "needs an X server with a window manager: run it through tests/support/x-session.sh");
    }

    void init() { road::startProgram(QSize()); } // the real screen
    void cleanupTestCase() { resetForms(); }

    // The wizard's pages as fast as the driver shows them, a page shown again
    // and the run windows after new parameters: a window left unframed,
    // outside the work area or moved from its place fails.
    void reactionRoad()
    {
        // As fast as the driver: five pages within milliseconds.
        auto &parameters = road::toParameters(true, true);
        SETTLED("the wizard's pages");
        QVERIFY2(valuesOf(xcb_window_t(form<eisodos>().winId()), "_NET_WM_ICON", XCB_ATOM_CARDINAL, 2).size() == 2,
                 "the title window has no icon");

        const QRect shown = frameOf(parameters);
        parameters.Command1.click(); // <Back
        SETTLED("back");
        form<amfinaioxi>().Command3.click(); // Next>
        SETTLED("the parameters again");
        QCOMPARE(frameOf(parameters), shown);

        parameters.Command2.click(); // Next>
        SETTLED("the run windows");
        auto &run = form<apotelesmata>();
        run.setConversionPause(false);
        QTRY_VERIFY_WITH_TIMEOUT(hasKeyboard(run), patience);
        pressReturn();
        QTRY_VERIFY_WITH_TIMEOUT(run.Timer1.enabled() && lesson::model().run().tickCount() > 0, patience);
        run.Timer1.setEnabled(false);
        const QRect graphs = frameOf(form<grafiki1>());

        form<grafiki1>().changerates.click();
        form<grafiki1>().voithia.click();
        SETTLED("rates and notes");
        run.Command1.click(); // New Adjustment of the parameters
        SETTLED("new parameters");
        parameters.Command2.click();
        SETTLED("the run windows again");
        QCOMPARE(frameOf(form<grafiki1>()), graphs);
    }

    // During a run the user maximises the graphs and drags the bars
    // elsewhere, a new size: both stay so while the run ticks and after, the
    // bars also when closed and brought back by Start, until the next step
    // tiles the run windows anew.
    void userPlacesKept()
    {
        // Not ended before the title window is framed: twm, left with a
        // window gone while it took it on, waits for the user to place it.
        SETTLED("the title window");
        if (!supported("_NET_WM_STATE_MAXIMIZED_VERT") || !supported("_NET_MOVERESIZE_WINDOW"))
            QSKIP("the window manager takes no EWMH requests (twm): no pager or frame button can maximise, move or resize a window for the user");
        auto &parameters = road::toParameters(true, true);
        parameters.Command2.click();
        SETTLED("the run windows");
        auto &run = road::start();
        auto &graphs = form<grafiki1>();
        auto &bars = form<ravdogram>();
        const QRect area = serverWorkArea();
        askManager(graphs, "_NET_WM_STATE", {1, atom("_NET_WM_STATE_MAXIMIZED_VERT"), atom("_NET_WM_STATE_MAXIMIZED_HORZ"), 2, 0});
        // The frame covers the work area (icewm hides its borders beyond it).
        auto filling = [&graphs, area] { return maximised(graphs) && frameOf(graphs).contains(area) && area.contains(clientOf(graphs)); };
        const qint64 ticks = lesson::model().run().tickCount();
        QTRY_VERIFY_WITH_TIMEOUT(filling() && lesson::model().run().tickCount() > ticks, patience);
        run.Timer1.setEnabled(false);
        QTest::qWait(1000);
        QVERIFY2(filling(), qPrintable(describe(frameOf(graphs))));

        // By its frame's top left corner (north-west gravity), at a size of
        // its client area.
        const QRect asked(area.x() + area.width() / 8, area.y() + area.height() / 8, area.width() / 3, area.height() / 3);
        const QSize frame = frameOf(bars).size() - clientOf(bars).size();
        askManager(bars, "_NET_MOVERESIZE_WINDOW", {1 | 0xf00 | 2 << 12, quint32(asked.x()), quint32(asked.y()), quint32(asked.width() - frame.width()), quint32(asked.height() - frame.height())});
        auto near = [](const QRect &a, const QRect &b) { return (a.topLeft() - b.topLeft()).manhattanLength() + std::abs(a.width() - b.width()) + std::abs(a.height() - b.height()) <= 8; };
        QTRY_VERIFY_WITH_TIMEOUT(near(frameOf(bars), asked), patience);
        QTest::qWait(500);
        const QRect moved = frameOf(bars);
        QVERIFY2(near(moved, asked), qPrintable(describe(moved)));
        // Closed by its frame's button, the next Start brings it back there.
        askManager(bars, "_NET_CLOSE_WINDOW", {0, 2, 0, 0, 0});
        QTRY_VERIFY_WITH_TIMEOUT(!bars.isVisible(), patience);
        road::start();
        QTRY_VERIFY_WITH_TIMEOUT(frameOf(bars) == moved, patience);
        QTest::qWait(500);
        QCOMPARE(frameOf(bars), moved);
        QVERIFY(maximised(graphs));

        run.Command1.click(); // New Adjustment of the parameters
        parameters.Command2.click();
        SETTLED("the run windows again");
        QVERIFY(!maximised(graphs));
    }

    // A student's road by the mouse, a step at a time: after each click the
    // window it shows is active and keeps the keyboard, and none is made
    // full screen by the window manager (SETTLED); after the parameters'
    // Next> the run control is, with Start focused, so that Return starts
    // the run, the first time and after "New Adjustment of the parameters".
    void activeByMouse()
    {
        SETTLED("the title window");
        struct Step
        {
            const char *name;
            QWidget *control;
            const Form *shows;
        };
        auto &parameters = form<YPOTHETIKES>();
        auto &run = form<apotelesmata>();
        run.setConversionPause(false);
        const Step road[] = {
            {"Start", form<eisodos>().Command1.widget(), &form<eisagogi>()},
            {"Chemical Reactions", form<eisagogi>().ximia[0].widget(), &form<neaepilogi>()},
            {"two steps", form<neaepilogi>().Option2.widget(), &form<neaepilogi>()},
            {"Next >", form<neaepilogi>().Command2.widget(), &form<amfinaioxi>()},
            {"reversible", form<amfinaioxi>().reversibleyes.widget(), &form<amfinaioxi>()},
            {"Next>", form<amfinaioxi>().Command3.widget(), &parameters},
            {"the parameters' Next>", parameters.Command2.widget(), &run},
            {"New Adjustment of the parameters", run.Command1.widget(), &parameters},
            {"the parameters' Next> again", parameters.Command2.widget(), &run},
        };
        for (const Step &step : road) {
            clickAt(*step.control);
            QVERIFY2(staysActive(*step.shows), qPrintable(QStringLiteral("%1: %2 is not active but %3").arg(QLatin1String(step.name), step.shows->objectName(), activeName())));
            SETTLED("the step");
            if (step.shows == &run) {
                QCOMPARE(QApplication::focusWidget(), run.Command2.widget());
                pressReturn();
                QTRY_VERIFY_WITH_TIMEOUT(run.Timer1.enabled(), patience);
                run.Timer1.setEnabled(false);
            }
        }
    }

    // The decay's windows and its worked example's: a window of the decay
    // placed outside the work area, or run windows that leave gaps, fail.
    void decayRoad()
    {
        road::toDecayRates(3);
        SETTLED("the decay model and its rates");
        road::startDecayRun(3);
        SETTLED("the decay run");
        form<apotelesmata>().Command4.click();
        SETTLED("the polonium series");
        form<GNOSTED>().mprosta.click();
        SETTLED("its run");
    }

    // The acid's windows, its three graphs at one place and the carbonic acid
    // example: any of them outside the work area or over the others fails.
    void acidRoad()
    {
        auto &examples = road::toAcidExamples();
        SETTLED("the examples");
        examples.Command2.click(); // PHOSPHORIC
        examples.Command7.click(); // Next
        SETTLED("the acid run");
        road::start();
        form<grafiki1>().changerates.click();
        form<mathematical>().grafvcshos.click();
        form<grafvxc>().phshow.click();
        SETTLED("the acid graphs");
        form<apotelesmata>().Command4.click();
        SETTLED("the carbonic acid");
        form<CARBONIC>().Command2.click();
        form<carbonic2>().Command2.click();
        SETTLED("its run");
    }

    // After a run, F6 goes round the four run windows only, under every
    // manager, whether it marks the pages under them maximised or not: the
    // keyboard never lands on a page behind them.
    void f6KeepsToTheRun()
    {
        road::toParameters(true, true).Command2.click(); // Next>
        SETTLED("the run windows");
        auto &control = form<apotelesmata>();
        control.setConversionPause(false);
        QTRY_VERIFY2_WITH_TIMEOUT(hasKeyboard(control), qPrintable(activeName()), patience);
        pressReturn(); // Start
        QTRY_VERIFY_WITH_TIMEOUT(lesson::model().running(), patience);
        control.Timer1.setEnabled(false);
        QTest::qWait(500);
        QVERIFY2(hasKeyboard(control), qPrintable(QStringLiteral("after Start: ") + activeName()));
        road::runToTheEnd();
        SETTLED("the run at its end");
        const std::vector<const QWidget *> run{&shell::spotWindow().window(), &form<grafiki1>(), &form<ravdogram>(),
                                               &form<apotelesmata>()};
        QTRY_VERIFY2_WITH_TIMEOUT(hasKeyboard(form<apotelesmata>()), qPrintable(activeName()), patience);
        std::vector<const QWidget *> visited;
        for (int press = 0; press < 4; ++press) {
            const QWidget *before = keyboardWindow();
            pressKey(0xffc3); // F6
            QTRY_VERIFY_WITH_TIMEOUT(keyboardWindow() && keyboardWindow() != before, patience);
            QTest::qWait(200); // a manager that raises a page after it would show it now
            const QWidget *now = keyboardWindow();
            QVERIFY2(std::find(run.begin(), run.end(), now) != run.end(), qPrintable(activeName()));
            visited.push_back(now);
        }
        // Round and back to where it started: each run window once.
        QCOMPARE(visited.back(), static_cast<const QWidget *>(&form<apotelesmata>()));
        QCOMPARE(std::set<const QWidget *>(visited.begin(), visited.end()).size(), std::size_t(4));
    }

    // A lesson's panel over the run windows: inside the work area, clear of
    // the graph, with the keyboard at a pause; at a step the keyboard is on
    // the control pointed at, and a real Return there does the step.
    void lessonPanel()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("road.spotsim-lesson")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(road::toRunControlScript + "pause\ndo apotelesmata.Command2 Press Start.\npause\n");
        file.close();
        auto &player = lesson::player();
        QVERIFY(player.open(file.fileName()).isEmpty());
        player.begin();
        SETTLED("the lesson's first pause");
        auto &panel = form<mathima>();
        QTRY_VERIFY_WITH_TIMEOUT(hasKeyboard(panel), patience);
        QVERIFY(!frameOf(panel).intersects(frameOf(form<grafiki1>())));
        form<apotelesmata>().setConversionPause(false);
        pressReturn(); // Go on
        QTRY_VERIFY_WITH_TIMEOUT(hasKeyboard(form<apotelesmata>()), patience);
        QCOMPARE(player.current()->kind, lesson::Item::Kind::Do);
        pressReturn(); // Start, pointed at
        QTRY_VERIFY_WITH_TIMEOUT(player.step() == 3 && hasKeyboard(panel), patience);
        QVERIFY(lesson::model().running());
        form<apotelesmata>().Timer1.setEnabled(false);
        SETTLED("the run under the panel");
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
