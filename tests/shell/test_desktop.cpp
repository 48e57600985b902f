// On a real X server with a window manager and its taskbar (ctest runs it
// through tests/support/x-session.sh): every window's frame, title bar
// included, lies inside the desktop's work area; a full-screen window of any
// chapter fills it; the four run windows tile it without one under another's
// title bar.
#include "../support/Road.h"
#include "graphs/grafiki1.h"
#include "graphs/ravdogram.h"
#include "kinetics/antidrasi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<void()>)

using namespace toolkit;

namespace {

constexpr int patience = 20000; // ms for the window manager to frame a window

QRect availableArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

QString describe(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The window manager has given the window its frame: a title bar above the
// client area, taller than the border below it.
bool framed(const QWidget &w)
{
    const QRect frame = w.frameGeometry(), client = w.geometry();
    return client.top() - frame.top() > frame.bottom() - client.bottom();
}

QString outsideTheWorkArea()
{
    QStringList found;
    for (const Form *w : visibleForms())
        if (!availableArea().contains(w->frameGeometry()))
            found << QStringLiteral("%1 at %2 is not inside %3")
                         .arg(w->objectName(), describe(w->frameGeometry()), describe(availableArea()));
    return found.join(QLatin1Char('\n'));
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
        const QScreen *screen = QGuiApplication::primaryScreen();
        QVERIFY2(screen->availableGeometry() != screen->geometry(),
                 "the work area is the whole screen: no window manager with a taskbar is running");
    }

    void init() { road::startProgram(QSize()); } // the real screen
    void cleanupTestCase() { resetForms(); }

    // Each full-screen window in turn, on top as the road shows it.
    void fullScreenWindowsFillTheWorkArea_data()
    {
        QTest::addColumn<std::function<void()>>("road");
        QTest::newRow("title") << std::function<void()>([] {});
        QTest::newRow("choices") << std::function<void()>([] { form<eisodos>().Command1.click(); });
        QTest::newRow("number of steps") << std::function<void()>([] {
            form<eisodos>().Command1.click();
            form<eisagogi>().ximia[0].click();
        });
        QTest::newRow("reversibility") << std::function<void()>([] {
            form<eisodos>().Command1.click();
            form<eisagogi>().ximia[0].click();
            form<neaepilogi>().Command2.click();
        });
        QTest::newRow("parameters") << std::function<void()>([] { road::toParameters(false, false); });
        QTest::newRow("decay model") << std::function<void()>([] { road::toDecayModel(); });
        QTest::newRow("decay rates") << std::function<void()>([] { road::toDecayRates(3); });
        QTest::newRow("acid examples") << std::function<void()>([] { road::toAcidExamples(); });
    }

    void fullScreenWindowsFillTheWorkArea()
    {
        QFETCH(std::function<void()>, road);
        road();
        Form &top = *visibleForms().back();
        QTRY_VERIFY_WITH_TIMEOUT(framed(top), patience);
        QTRY_COMPARE_WITH_TIMEOUT(top.frameGeometry(), availableArea(), patience);
        QVERIFY(top.geometry().height() < availableArea().height());
        QVERIFY2(outsideTheWorkArea().isEmpty(), qPrintable(outsideTheWorkArea()));
    }

    void runWindowsTileTheWorkArea()
    {
        road::toParameters(true, true);
        form<YPOTHETIKES>().Command2.click();
        const Form *run[] = {&form<antidrasi>(), &form<grafiki1>(), &form<apotelesmata>(), &form<ravdogram>()};
        for (const Form *w : run) {
            QVERIFY(w->isVisible());
            QTRY_VERIFY2_WITH_TIMEOUT(framed(*w), qPrintable(w->objectName()), patience);
        }
        QTRY_VERIFY2_WITH_TIMEOUT(outsideTheWorkArea().isEmpty(), qPrintable(outsideTheWorkArea()), patience);
        const QRect area = availableArea();
        for (std::size_t i = 0; i < std::size(run); ++i) {
            const QRect a = run[i]->frameGeometry();
            // A quarter each: half the width and half the height, give or take
            // the run control's 0.5 % below the graphs.
            QVERIFY2(a.width() >= area.width() / 2 - 2 && a.height() >= area.height() / 2 - 4,
                     qPrintable(run[i]->objectName() + QLatin1Char(' ') + describe(a)));
            for (std::size_t j = i + 1; j < std::size(run); ++j) {
                const QRect b = run[j]->frameGeometry();
                QVERIFY2(!a.intersects(b), qPrintable(QStringLiteral("%1 at %2 overlaps %3 at %4")
                                                          .arg(run[i]->objectName(), describe(a),
                                                               run[j]->objectName(), describe(b))));
            }
        }
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
