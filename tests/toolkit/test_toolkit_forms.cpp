// The classic form semantics the windows rely on: scroll bar and option
// button events, user scales, drawing, fitted captions, documents that end
// at the window edge and the end of the program.
#include "toolkit/Toolkit.h"

#include <QtTest>

using namespace toolkit;

namespace {

class Probe final : public Form
{
public:
    Probe()
        : Form(QStringLiteral("Probe"), QStringLiteral("Probe"), 3000, 3000)
    {
        bar.setMin(0);
        bar.setMax(100);
        bar.setValue(50);
        bar.onChange([this] { changes.push_back(bar.value()); });
        one.onClick([this] { ++clicksOne; });
        two.onClick([this] { ++clicksTwo; });
    }
    void load() override { ++loads; }

    ScrollBar bar{Qt::Horizontal, this, QStringLiteral("bar")};
    OptionButton one{this, QStringLiteral("one")};
    OptionButton two{this, QStringLiteral("two")};
    Label label{this, QStringLiteral("label")};
    Document notes{this, QStringLiteral("notes")};
    std::vector<int> changes;
    int clicksOne = 0;
    int clicksTwo = 0;
    int loads = 0;
};

// A row of labels beside a bar, as the parameter windows lay them out, and
// a vertical bar under its caption, passing beside that row; of another
// designed size and shape than the probe, to be placed over it.
class Rows final : public Form
{
public:
    Rows()
        : Form(QStringLiteral("Rows"), QStringLiteral("Rows"), 9000, 6000)
    {
        for (int k = 0; k < 4; ++k)
            labels[k].setTwips(300 + 1200 * k, 600, 1150, 300);
        bar.setTwips(5400, 600, 2000, 300);
        caption.setTwips(7400, 0, 1500, 300);
        column.setTwips(8000, 400, 300, 3000);
    }
    ControlArray<Label> labels{this, QStringLiteral("labels"), 4};
    ScrollBar bar{Qt::Horizontal, this, QStringLiteral("bar")};
    Label caption{this, QStringLiteral("caption")};
    ScrollBar column{Qt::Vertical, this, QStringLiteral("column")};
};

} // namespace

class TestToolkitForms : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { resetForms(); }
    void init() { resetForms(); }

    // A form's load runs once, when a control of it is first touched: a load
    // run again on show, or not at all, fails.
    void loadRunsOnceOnFirstTouch()
    {
        form<Probe>().bar.setValue(3);
        form<Probe>().show();
        QCOMPARE(form<Probe>().loads, 1);
    }

    // The change handler runs for each new value only, the value clamped to
    // the range: a handler run on an equal value, or a value let out of the
    // range, fails.
    void scrollBarEvents_data()
    {
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QList<int>>("changes");
        QTest::newRow("every change runs") << QList<int>{10, 20, 30} << QList<int>{10, 20, 30};
        QTest::newRow("equal value runs nothing") << QList<int>{50, 50, 60, 60} << QList<int>{60};
        QTest::newRow("clamped above") << QList<int>{500, 500} << QList<int>{100};
        QTest::newRow("clamped below") << QList<int>{-7} << QList<int>{0};
    }

    void scrollBarEvents()
    {
        QFETCH(QList<int>, values);
        QFETCH(QList<int>, changes);
        auto &w = form<Probe>();
        for (int v : values)
            w.bar.setValue(v);
        QCOMPARE(QList<int>(w.changes.begin(), w.changes.end()), changes);
    }

    // A range that no longer holds the value clamps it, and runs the change
    // handler once: a value left outside, or a handler run for each bound,
    // fails.
    void rangeChangeReclampsOnce()
    {
        auto &w = form<Probe>();
        w.bar.setValue(90);
        w.changes.clear();
        w.bar.setMax(44);
        QCOMPARE(w.bar.value(), 44);
        w.bar.setMin(2);
        w.bar.setMax(99);
        QCOMPARE(QList<int>(w.changes.begin(), w.changes.end()), QList<int>{44});
    }

    // An option set True in code runs its click handler, also when it was
    // True already, and clears the others of its group; set False it runs
    // nothing.
    void optionButtonInCode()
    {
        auto &w = form<Probe>();
        w.one.setValue(true);
        w.one.setValue(true);
        QCOMPARE(w.clicksOne, 2);
        w.two.setValue(true);
        QVERIFY(!w.one.value());
        w.two.setValue(false);
        QCOMPARE(w.clicksTwo, 1);
    }

    // A user scale places controls and points by its units, y upwards: a
    // scale read the wrong way up or by the wrong factor fails.
    void userScalePlacesControlsAndPoints()
    {
        auto &w = form<Probe>();
        w.resize(300, 500);
        w.scale(0, 250, 150, 0); // 2 pixels a unit both ways, y upwards
        w.label.move(15, 200, 30, 25);
        QCOMPARE(w.label.widget()->geometry(), QRect(30, 100, 60, 50));
        QCOMPARE(w.label.top(), 200.0);
        QCOMPARE(w.label.height(), 25.0);
        w.pset(75, 125, RGB(255, 0, 0));
        QCOMPARE(w.image().pixelColor(150, 250), QColor(255, 0, 0));
    }

    // A circle is filled with the fill colour, not its own, out to its
    // radius; print writes at currentX, currentY and moves to the next line.
    void circleAndPrint()
    {
        auto &w = form<Probe>();
        w.resize(200, 200);
        w.scale(0, 100, 100, 0);
        const QColor back = w.backColor();
        w.setFillSolid(true);
        w.setFillColor(RGB(255, 0, 0));
        w.circle(70, 80, 5, RGB(0, 0, 255));
        QCOMPARE(w.pixelAt(70, 80), QColor(255, 0, 0));
        QCOMPARE(w.pixelAt(70, 90), back);

        w.setCurrentX(5);
        w.setCurrentY(40);
        w.setForeColor(RGB(0, 0, 0));
        w.print(QStringLiteral("MMMM"));
        QVERIFY(w.currentY() < 40);
        QCOMPARE(w.currentX(), 0.0);
        int ink = 0;
        for (int y = int(w.yToPixel(40)); y < int(w.yToPixel(w.currentY())); ++y)
            for (int x = 10; x < 60; ++x)
                ink += w.image().pixelColor(x, y).lightness() < 100;
        QVERIFY(ink > 20);
        w.pset(1000, -1000, RGB(1, 2, 3)); // outside: clipped silently
    }

    // A caption keeps its designed size when it fits, shrinks down to the
    // readable floor when it does not, and only then widens its control;
    // blanks at its end need no room.
    void captionsFit_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("points");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fits") << "Go" << 12.0 << QRect(150, 150, 1500, 450) << "designed";
        QTest::newRow("shrinks") << "Reversible reaction" << 12.0 << QRect(150, 150, 1500, 300) << "shrunk";
        QTest::newRow("grows") << "A caption far too long for its box" << 12.0 << QRect(150, 150, 900, 300)
                               << "grown";
        QTest::newRow("blanks at the end") << "K          " << 14.0 << QRect(150, 150, 300, 450) << "designed";
    }

    void captionsFit()
    {
        QFETCH(QString, caption);
        QFETCH(double, points);
        QFETCH(QRect, twips);
        QFETCH(QString, expected);
        auto &w = form<Probe>();
        w.show();
        w.label.setTwips(twips.x(), twips.y(), twips.width(), twips.height());
        w.label.setFont(QStringLiteral("Arial"), points);
        w.label.setCaption(caption);
        const QRect designed(toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()),
                             toPixels(twips.height()));
        const QWidget *shown = w.label.widget();
        const double size = shown->font().pointSizeF();
        if (expected == QLatin1String("designed")) {
            QCOMPARE(size, points);
            QCOMPARE(shown->geometry(), designed);
        } else if (expected == QLatin1String("shrunk")) {
            QVERIFY(size < points && size >= readableFloorPoints);
            QCOMPARE(shown->geometry(), designed);
        } else {
            QCOMPARE(size, readableFloorPoints);
            QVERIFY(shown->width() > designed.width());
            QVERIFY(QRect(QPoint(0, 0), w.size()).contains(shown->geometry()));
        }
        const QRect needed = QFontMetrics(shown->font()).boundingRect(caption.trimmed());
        QVERIFY(needed.width() <= shown->width());
    }

    // A control designed partly outside its window is moved in, or cut, by
    // where most of it lies: a rule that cuts what it should move fails.
    void controlsKeptInside_data()
    {
        QTest::addColumn<QRect>("designed");
        QTest::addColumn<QRect>("kept");
        // The window's client area is 0,0 100x50.
        QTest::newRow("inside") << QRect(10, 10, 20, 20) << QRect(10, 10, 20, 20);
        QTest::newRow("over the right edge, most inside") << QRect(70, 10, 40, 20) << QRect(70, 10, 30, 20);
        QTest::newRow("over the right edge, most outside") << QRect(90, 10, 40, 20) << QRect(60, 10, 40, 20);
        QTest::newRow("below, most outside") << QRect(10, 45, 20, 20) << QRect(10, 30, 20, 20);
        QTest::newRow("above") << QRect(10, -4, 20, 20) << QRect(10, 0, 20, 16);
        QTest::newRow("wider than the window") << QRect(-10, 10, 130, 20) << QRect(0, 10, 100, 20);
        QTest::newRow("far outside") << QRect(300, 300, 20, 20) << QRect(80, 30, 20, 20);
    }

    void controlsKeptInside()
    {
        QFETCH(QRect, designed);
        QFETCH(QRect, kept);
        QCOMPARE(keptInside(designed, QRect(0, 0, 100, 50)), kept);
    }

    // A document scrolls: on a window too short for it, it ends at the
    // bottom edge while two lines still show, rather than cover what is above.
    void documentEndsAtTheEdge_data()
    {
        QTest::addColumn<int>("topTwips");
        QTest::addColumn<QRect>("kept");
        // The probe's client area is 200 x 200 pixels; the document 100 x 100.
        QTest::newRow("inside") << 1500 << QRect(0, 100, 100, 100);
        QTest::newRow("most of it below") << 2400 << QRect(0, 160, 100, 40);
        QTest::newRow("not two lines left") << 2940 << QRect(0, 100, 100, 100);
    }

    void documentEndsAtTheEdge()
    {
        QFETCH(int, topTwips);
        QFETCH(QRect, kept);
        auto &probe = form<Probe>();
        probe.notes.setTwips(0, topTwips, 1500, 1500);
        QCOMPARE(probe.notes.pixelRect(), kept);
    }

    // A window placed over another takes its frame, position and size, also
    // where the other sticks out of the work area and is kept inside it.
    void placeOverCoversTheOther_data()
    {
        QTest::addColumn<QRectF>("frame"); // the probe's, in twips
        QTest::newRow("inside") << QRectF(1500, 750, 4500, 2250);
        QTest::newRow("taller than wide") << QRectF(300, 600, 1200, 5100);
        QTest::newRow("over the bottom right corner")
            << QRectF(screenWidth() - 2000, screenHeight() - 1000, 3000, 1500);
    }

    void placeOverCoversTheOther()
    {
        QFETCH(QRectF, frame);
        auto &probe = form<Probe>();
        probe.placeAt(frame.left(), frame.top(), frame.width(), frame.height());
        auto &cover = form<Rows>();
        cover.placeOver(probe);
        QCOMPARE(QRectF(cover.left(), cover.top(), cover.widthTwips(), cover.heightTwips()), frame);
        QCOMPARE(cover.geometry(), probe.geometry());
    }

    // A scroll bar is read by the labels of its own row: the quantity, a
    // step with it wherever it stands, and the value with its unit; a
    // vertical bar by its caption above it, not by the rows it passes.
    void barsReadTheirRow_data()
    {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("a quantity and its value") << QStringList{"Temperature", "25°C", "", ""} << "Temperature"
                                                  << "Temperature, 25°C";
        QTest::newRow("a rate, its step and exponent")
            << QStringList{"K", "   A ->B ", "4.53E-01 sec", "-1"} << "K A ->B" << "K A ->B, 4.53E-01 sec-1";
        QTest::newRow("a step after the value") << QStringList{"K        = 25 %", "   B ->A ", "", ""} << "K B ->A"
                                                << "K B ->A, 25 %";
        QTest::newRow("a value after an equals sign") << QStringList{"Duration = 250", "", "", ""} << "Duration"
                                                      << "Duration, 250";
    }

    void barsReadTheirRow()
    {
        QFETCH(QStringList, row);
        QFETCH(QString, name);
        QFETCH(QString, description);
        auto &w = form<Rows>();
        for (int k = 0; k < 4; ++k)
            w.labels[k].setCaption(row[k]);
        w.caption.setCaption(QStringLiteral("Συγκέντρωση = 25.00"));
        w.show();
        QCOMPARE(w.bar.widget()->accessibleName(), name);
        QCOMPARE(w.bar.widget()->accessibleDescription(), description);
        QCOMPARE(w.column.widget()->accessibleName(), QStringLiteral("Συγκέντρωση"));
        QCOMPARE(w.column.widget()->accessibleDescription(), QStringLiteral("Συγκέντρωση, 25.00"));
    }

    // A timer of interval 0 never ticks; the end of the program stops every
    // timer and handler.
    void timersAndTheEnd()
    {
        auto &w = form<Probe>();
        Timer timer(&w, QStringLiteral("timer"));
        int ticks = 0;
        timer.onTick([&] { ++ticks; });
        timer.setEnabled(true);
        timer.setInterval(0);
        w.show();
        QVERIFY(!timer.running());
        timer.setInterval(5);
        QVERIFY(timer.running());
        endProgram();
        QVERIFY(!w.isVisible());
        QVERIFY(!timer.running());
        timer.tick();
        w.bar.setValue(7);
        QCOMPARE(ticks, 0);
        QVERIFY(w.changes.empty());
    }
};

QTEST_MAIN(TestToolkitForms)
#include "test_toolkit_forms.moc"
