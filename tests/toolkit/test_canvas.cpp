// The drawing surface of forms and picture boxes: sharp at the screen's pixel
// ratio, an image only where much is drawn, drawing kept through resizes and
// cleared by cls, the menu bar outside the client area; the picture copied
// and saved holds the drawing only, its SVG shows what the screen shows with
// one stroke for what was drawn over. The same tests run at scale factor 1
// and 2 (QT_SCALE_FACTOR).
#include "../support/Road.h"
#include "acids/grafvxc.h"
#include "acids/phform.h"
#include "graphs/mathematical.h"
#include "kinetics/antidrasi.h"
#include "toolkit/Toolkit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSvgRenderer>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <fstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace toolkit;

namespace {

class Sheet final : public Form
{
public:
    Sheet()
        : Form(QStringLiteral("Sheet"), QStringLiteral("Sheet"), 4500, 3000)
    {
        setBackColor(RGB(255, 255, 255));
    }
    PictureBox picture{this, QStringLiteral("picture")};
};

class MenuSheet final : public Form
{
public:
    MenuSheet()
        : Form(QStringLiteral("MenuSheet"), QStringLiteral("MenuSheet"), 4500, 3000)
    {
        setBackColor(RGB(255, 255, 255));
    }
    MenuItem first{this, QStringLiteral("first"), QStringLiteral("Optimization")};
    MenuItem second{this, QStringLiteral("second"), QStringLiteral("Change of Rates")};
    Label label{this, QStringLiteral("label")};
    PictureBox corner{this, QStringLiteral("corner")};
    CheckBox check{this, QStringLiteral("check")};
};

// The sheet at a size, shown, its user scale from `left` to `right` across
// and from 0 to 100 upwards.
Sheet &onScreen(Sheet &w, int width, int height, double left = 0, double right = 100)
{
    w.resize(width, height);
    w.show();
    w.scale(left, 100, right, 0);
    return w;
}

QSize devicePixels(const Canvas &canvas)
{
    const QSizeF logical = QSizeF(canvas.clientRect().size()) * canvas.devicePixelRatioF();
    return QSize(int(std::ceil(logical.width())), int(std::ceil(logical.height())));
}

// Enough single points, all in one corner, to have the strokes rendered
// into an image.
void fillCorner(Canvas &canvas, QRgb colour)
{
    for (int k = 0; k <= Canvas::strokeLimit; ++k)
        canvas.pset(canvas.scaleLeft() + (k % 4) * canvas.scaleWidth() / 400,
                    canvas.scaleTop() + (k / 4 % 4) * canvas.scaleHeight() / 400, colour);
}

// The drawing kept as strokes, or rendered into an image.
void strokesOrImage()
{
    QTest::addColumn<bool>("asImage");
    QTest::newRow("strokes") << false;
    QTest::newRow("image") << true;
}

// Pixels whose colours lie apart by more than `tolerance` (red, green and
// blue differences added).
int differingPixels(const QImage &a, const QImage &b, int tolerance)
{
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            differ += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue())
                      > tolerance;
        }
    return differ;
}

// The saved SVG of a canvas drawn at the size and ratio of its picture.
QImage svgPicture(const Canvas &canvas)
{
    QImage image = canvas.pictureImage();
    image.fill(Qt::magenta);
    QSvgRenderer svg(pictureSvg(canvas));
    QPainter p(&image);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(canvas.clientRect().size())));
    return image;
}

int pixelsOf(const QImage &image, int row, QRgb colour)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += (image.pixel(x, row) & 0xffffff) == (colour & 0xffffff);
    return n;
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT
private slots:
    void init() { resetForms(); }
    void cleanupTestCase() { resetForms(); }

    // A window that draws much holds an image of its client area in device
    // pixels, made when it draws, shown or hidden, and following the window's
    // size; what was drawn stays where it was through a resize, as strokes
    // or as an image, the new area blank; cls clears it all, image included,
    // and drawing goes on: a surface of a stale size, a drawing lost or moved
    // by a resize, or a picture kept over cls fails.
    void drawingFollowsResizes_data()
    {
        QTest::addColumn<bool>("asImage");
        QTest::addColumn<bool>("drawnShown");
        QTest::addColumn<bool>("resizedShown");
        QTest::addColumn<QSize>("before");
        QTest::addColumn<QSize>("after");
        QTest::newRow("strokes, grows") << false << true << true << QSize(200, 100) << QSize(400, 300);
        QTest::newRow("image, grows") << true << true << true << QSize(200, 100) << QSize(400, 300);
        QTest::newRow("image, shrinks") << true << true << true << QSize(300, 200) << QSize(120, 90);
        QTest::newRow("image drawn hidden") << true << false << true << QSize(300, 200) << QSize(410, 330);
        QTest::newRow("image resized hidden") << true << true << false << QSize(301, 199) << QSize(97, 311);
    }

    void drawingFollowsResizes()
    {
        QFETCH(bool, asImage);
        QFETCH(bool, drawnShown);
        QFETCH(bool, resizedShown);
        QFETCH(QSize, before);
        QFETCH(QSize, after);
        auto &w = form<Sheet>();
        w.resize(before);
        if (drawnShown) {
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
        }
        w.box(150, 150, 1350, 1050, RGB(9, 9, 200), true); // twips: pixels 10..90 by 10..70
        QVERIFY2(!w.hasSurface(), "a few strokes are kept as vectors");
        if (asImage)
            fillCorner(w, qRgb(200, 0, 0));
        QCOMPARE(w.hasSurface(), asImage && drawnShown);
        w.show(); // a hidden window keeps its strokes until it is painted
        QTRY_COMPARE(w.hasSurface(), asImage);
        QCOMPARE(w.image().size(), devicePixels(w));
        if (asImage)
            QCOMPARE(w.surfaceSize(), devicePixels(w));

        if (!resizedShown)
            w.hide();
        w.resize(after);
        w.pset(600, 300, qRgb(0, 200, 0));
        QCOMPARE(w.image().size(), devicePixels(w));
        if (asImage)
            QCOMPARE(w.surfaceSize(), devicePixels(w));
        const QPoint corner = w.clientRect().bottomRight() - QPoint(2, 2); // beyond the box
        QCOMPARE(w.pixelAt(750, 600), QColor(9, 9, 200));
        QCOMPARE(w.pixelAt(corner.x() * 15, corner.y() * 15), QColor(255, 255, 255));
        QCoreApplication::processEvents();
        const QImage shown = w.grab(w.clientRect()).toImage();
        const double dpr = shown.devicePixelRatio();
        QCOMPARE(shown.pixelColor(QPoint(50, 40) * dpr), QColor(9, 9, 200));
        QCOMPARE(shown.pixelColor(corner * dpr), QColor(255, 255, 255));

        w.cls();
        QVERIFY2(!w.hasSurface(), "a cleared window holds no image");
        const QImage cleared = w.image();
        QCOMPARE(pixelsOf(cleared, int(40 * dpr), qRgb(255, 255, 255)), cleared.width()); // across the box
        w.line(0, 600, 6000, 600, RGB(0, 0, 0));
        QCOMPARE(w.pixelAt(750, 600), QColor(0, 0, 0));
    }

    // A label stays over whatever is drawn after it, on screen and in the
    // picture's vectors, until cls: a curve through it leaves its letters
    // as they were.
    void labelsStayOnTop_data() { strokesOrImage(); }

    void labelsStayOnTop()
    {
        QFETCH(bool, asImage);
        auto &w = onScreen(form<Sheet>(), 300, 200);
        if (asImage)
            fillCorner(w, qRgb(255, 255, 255));
        w.setFontSize(12);
        w.setCurrentX(20);
        w.setCurrentY(60);
        w.printLabel(QStringLiteral("0.352"));
        const QRect text = QRect(w.xToPixel(20), w.yToPixel(60), w.textWidth(QStringLiteral("0.352")) * 3, 20);
        const QImage alone = w.image().copy(QRect(text.topLeft() * w.devicePixelRatioF(), text.size() * w.devicePixelRatioF()));
        w.setDrawWidth(6);
        w.line(0, 55, 100, 55, RGB(0, 0, 255));
        w.setDrawWidth(1);
        for (const QImage &shown : {w.image(), w.pictureImage()}) {
            const QImage crossed = shown.copy(QRect(text.topLeft() * w.devicePixelRatioF(), text.size() * w.devicePixelRatioF()));
            int letters = 0;
            for (int y = 0; y < alone.height(); ++y)
                for (int x = 0; x < alone.width(); ++x)
                    if (qGray(alone.pixel(x, y)) < 64) {
                        ++letters;
                        QCOMPARE(crossed.pixel(x, y), alone.pixel(x, y));
                    }
            QVERIFY(letters > 10);
        }
        w.cls();
        QCOMPARE(pixelsOf(w.image(), int(text.center().y() * w.devicePixelRatioF()), qRgb(0, 0, 0)), 0);
    }

    // Drawing kept as strokes and painted later looks exactly like drawing
    // rendered into the image at once.
    void strokesAndImageAgree()
    {
        auto draw = [](Canvas &c) {
            c.scale(0, 100, 100, 0);
            c.setDrawStyle(DrawStyle::Dot);
            c.line(-500, 60, 700, 61, RGB(0, 0, 0));
            c.line(30, 1e5, 31, -1e5, RGB(0, 0, 0));
            c.setDrawStyle(DrawStyle::Solid);
            c.setDrawWidth(2);
            c.line(5, 5, 95, 40, RGB(0, 120, 0));
            c.pset(50, 20, RGB(200, 0, 200));
            c.setDrawWidth(1);
            c.box(10, 95, 40, 70, RGB(0, 0, 255));
            c.box(60, 95, 90, 70, RGB(255, 128, 0), true);
            c.setFillSolid(true);
            c.setFillColor(RGB(0, 200, 0));
            c.circle(50, 50, 8, RGB(0, 100, 0));
            c.setCurrentX(55);
            c.setCurrentY(30);
            c.setFontName(QStringLiteral("Times New Roman Greek"));
            c.setFontSize(12);
            c.print(QStringLiteral("0.20 mol/L"));
            c.pset(33, 33, RGB(255, 0, 2));
        };
        auto &w = onScreen(form<Sheet>(), 300, 200);
        Sheet other;
        onScreen(other, 300, 200);
        for (Sheet *sheet : {&w, &other})
            sheet->picture.setTwips(0, 0, 2250, 1500);
        Canvas &early = w.picture.canvas(), &late = other.picture.canvas();
        fillCorner(early, qRgb(1, 2, 3)); // an image from the start
        QVERIFY(early.hasSurface());
        draw(early);
        draw(late);
        QVERIFY(!late.hasSurface());
        const QImage asStrokes = late.image();
        fillCorner(late, qRgb(1, 2, 3)); // now rendered
        QVERIFY(late.hasSurface());
        QCOMPARE(late.image(), early.image());
        // The corner aside, what the strokes showed is what the image shows.
        QImage strokesWithCorner = asStrokes;
        QPainter p(&strokesWithCorner);
        p.drawImage(QPointF(0, 0), late.image().copy(QRect(QPoint(0, 0), QSize(8, 8) * late.devicePixelRatioF())));
        p.end();
        QCOMPARE(strokesWithCorner, late.image());
    }

    // A block of spots turned from blue to green looks as if it had been
    // drawn green at once: no ring of the old colour stays around a spot.
    void spotsChangeWithoutARing()
    {
        road::startProgram();
        auto &spots = form<antidrasi>();
        spots.show();
        constexpr int side = 5;
        auto draw = [&](std::initializer_list<int> codes) {
            spots.cls();
            spots.setSpotScale(side);
            for (int code : codes)
                for (int i = 1; i <= side; ++i)
                    for (int j = 1; j <= side; ++j)
                        spots.drawSpot(i, j, code, side);
            return spots.image();
        };
        const QImage fresh = draw({kinetics::core::defaultCodeB});
        const QImage changed = draw({kinetics::core::defaultCodeA, kinetics::core::defaultCodeB});
        QCOMPARE(changed.size(), fresh.size());
        QCOMPARE(differingPixels(fresh, changed, 6), 0);
        // Its SVG holds one circle a spot, and shows them alike.
        QCOMPARE(spots.recordedStrokes(), std::size_t(side * side));
        QCOMPARE(differingPixels(svgPicture(spots), fresh, 60), 0);
    }

    // Lines are drawn at the screen's resolution: a thin line is whole device
    // pixels of ink with no blended edge, as wide as the pixel ratio.
    void linesAreSharp_data() { strokesOrImage(); }

    void linesAreSharp()
    {
        QFETCH(bool, asImage);
        auto &w = onScreen(form<Sheet>(), 200, 100, 0, 200);
        if (asImage)
            fillCorner(w, qRgb(255, 255, 255));
        w.line(100, 100, 100, 0, RGB(0, 0, 0));
        w.line(0, 40, 200, 40, RGB(0, 0, 0));
        const QImage shown = w.grab(w.clientRect()).toImage();
        const int dpr = int(std::lround(shown.devicePixelRatio()));
        QCOMPARE(shown.size(), devicePixels(w));
        const int row = int(std::lround(w.yToPixel(70) * dpr));
        // Across the vertical line: its ink and the paper, nothing blended.
        QCOMPARE(pixelsOf(shown, row, qRgb(0, 0, 0)), dpr);
        QCOMPARE(pixelsOf(shown, row, qRgb(255, 255, 255)), shown.width() - dpr);
        int thickness = 0;
        for (int y = 0; y < shown.height(); ++y)
            thickness += (shown.pixel(20 * dpr, y) & 0xffffff) == 0;
        QCOMPARE(thickness, dpr);
    }

    // A dotted line far longer than the window stays dotted, whatever the
    // ratio, and its dots do not move when only part of it is visible.
    void longDottedLinesStayDotted_data()
    {
        QTest::addColumn<double>("reach");
        QTest::newRow("inside") << 90.0;
        QTest::newRow("far beyond") << 1e5;
        QTest::newRow("very far beyond") << 1e9;
    }

    void longDottedLinesStayDotted()
    {
        QFETCH(double, reach);
        auto &w = onScreen(form<Sheet>(), 300, 100, -100, 100);
        w.setDrawStyle(DrawStyle::Dot);
        w.line(-reach, 50, reach, 50, RGB(0, 0, 0));
        const QImage image = w.image();
        const int row = int(std::floor(w.yToPixel(50) * image.devicePixelRatio()));
        const int ink = pixelsOf(image, row, qRgb(0, 0, 0));
        const int span = int(image.width() * std::min(1.0, reach / 100));
        QVERIFY2(ink > span / 4 && ink < span * 3 / 4, qPrintable(QStringLiteral("%1 of %2").arg(ink).arg(span)));
    }

    // The menu bar lies outside the client area: the top of the user scale is
    // the first row below it, for drawing and for controls alike.
    void menuBarOutsideTheClientArea()
    {
        auto &w = form<MenuSheet>();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect menu = w.menuBar()->geometry();
        QVERIFY(menu.height() > 0);
        QCOMPARE(w.clientRect().top(), menu.bottom() + 1);
        QCOMPARE(w.clientRect().bottom(), w.height() - 1);

        w.scale(0, 100, 100, 0);
        w.box(0, 100, 100, 96, RGB(0, 0, 200), true);
        w.label.move(0, 100, 50, 10);
        QCOMPARE(w.label.widget()->y(), w.clientRect().top());
        QCOMPARE(w.label.top(), 100.0);
        const QImage shown = w.grab().toImage();
        const double dpr = shown.devicePixelRatio();
        const int x = int(w.width() * dpr) - 2;
        QCOMPARE(shown.pixelColor(x, int((w.clientRect().top() + 0.5) * dpr)), QColor(0, 0, 200));
        QVERIFY(shown.pixelColor(x, int((w.clientRect().top() - 1.5) * dpr)) != QColor(0, 0, 200));
    }

    // A run draws over the same pixels and spots again and again: the
    // drawing keeps a stroke for each pixel, spot and line that shows, and
    // its SVG still shows what the screen shows, also once it is an image.
    void recordKeepsWhatShows()
    {
        auto &w = onScreen(form<Sheet>(), 240, 160);
        QRandomGenerator random(7);
        const QRgb colours[] = {qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(255, 0, 2), qRgb(255, 255, 255)};
        w.setFillSolid(true);
        for (int round = 0; round < 12; ++round) {
            w.line(0, 50, 100, 50, RGB(0, 0, 0)); // the frame, drawn again by every replay
            w.setCurrentX(5);
            w.setCurrentY(10);
            w.print(QStringLiteral("0.20")); // at the bottom, where the comparison stops
            for (int k = 0; k < 300; ++k) // points over the line, on 10 x 10 pixels
                w.pset(40 + random.bounded(10) * 0.42, 55 - random.bounded(10) * 0.63, colours[random.bounded(3)]);
            w.setDrawWidth(3);
            w.pset(20 + round, 20, colours[round % 3]); // a tick's first points
            w.setDrawWidth(1);
            for (int spot = 0; spot < 8; ++spot) { // spots cleared and drawn again
                const QColor colour = colours[random.bounded(4)];
                w.setFillColor(RGB(255, 255, 255));
                w.circle(10 + 10 * spot, 85, 4, RGB(255, 255, 255));
                w.setFillColor(colour);
                w.circle(10 + 10 * spot, 85, 3, colour);
            }
        }
        QVERIFY(w.hasSurface());
        // The line, the text, the points with the shades of the light ones
        // (11 x 11 pixels), the tick's points on their rims, and a spot with
        // the ring that cleared it: over a line a ring is kept.
        QVERIFY2(w.recordedStrokes() <= 1 + 1 + 121 + 2 * 12 + 2 * 8,
                 qPrintable(QString::number(w.recordedStrokes())));
        // Texts are laid out a little differently by an SVG renderer; the
        // soft edges of a spot may differ by a pixel.
        const QImage shown = w.pictureImage();
        const QRect above(0, 0, shown.width(), int(w.yToPixel(15) * shown.devicePixelRatio()));
        const int differ = differingPixels(svgPicture(w).copy(above), shown.copy(above), 200);
        QVERIFY2(differ <= 4 * shown.devicePixelRatio(), qPrintable(QString::number(differ)));
    }

    // The runs a graph keeps plot their tick points at the same times: a
    // point like an earlier one whose centre lies in the same pixel takes
    // its place.
    void tickPointsOnOnePixel()
    {
        auto &w = onScreen(form<Sheet>(), 240, 160);
        const double unitsPerPixel = 100.0 / w.clientRect().width();
        w.setDrawWidth(3);
        for (int run = 0; run < 12; ++run)
            w.pset((100.2 + run % 3 * 0.3) * unitsPerPixel, 50, qRgb(0, 0, 255));
        QCOMPARE(w.recordedStrokes(), std::size_t(1));
    }

    // A run's points drawn again in one go look as they do plotted one by
    // one, shades, stacking and soft edges alike, on a window large enough
    // for discs, at the size of a point, a tick's point or the first one;
    // and the picture copied and saved holds every one of them.
    void pointsAtOnceAsOneByOne_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("lightColours"); // with shades
        QTest::newRow("samples, shaded") << 1 << true;
        QTest::newRow("tick points, shaded") << 3 << true;
        QTest::newRow("first point, dark") << 5 << false;
    }

    void pointsAtOnceAsOneByOne()
    {
        QFETCH(int, width);
        QFETCH(bool, lightColours);
        const QRgb colours[] = {lightColours ? qRgb(90, 200, 255) : qRgb(0, 0, 160),
                                lightColours ? qRgb(120, 255, 120) : qRgb(0, 100, 0),
                                lightColours ? qRgb(255, 200, 80) : qRgb(160, 0, 0)};
        // Three kinds in turn, crossing, some beyond the edges.
        std::vector<Canvas::PlotPoint> points;
        for (int k = 0; k <= 400; ++k) {
            const double t = k * 0.2575 - 3;
            points.push_back({t, 90 - 0.8 * t + 3 * std::sin(k * 0.7), colours[0]});
            points.push_back({t, 5 + 0.8 * t + 2 * std::cos(k * 1.3), colours[1]});
            points.push_back({t, 50 + 40 * std::sin(t / 9), colours[2]});
        }
        QImage blank; // a sheet before its points
        const auto draw = [&](Sheet &c, bool atOnce) {
            onScreen(c, 800, 640); // even a sample drawn as a disc
            fillCorner(c, qRgb(1, 2, 3)); // an image from the start
            blank = c.image();
            c.setDrawWidth(width);
            if (atOnce)
                c.pset(points);
            else
                for (const auto &p : points)
                    c.pset(p.x, p.y, p.colour);
            c.setDrawWidth(1);
        };
        auto &w = form<Sheet>();
        Sheet other;
        draw(w, false);
        draw(other, true);
        const QImage oneByOne = w.image(), atOnce = other.image();
        QCOMPARE(atOnce.size(), oneByOne.size());
        QCOMPARE(atOnce.devicePixelRatio(), oneByOne.devicePixelRatio());
        // A centre rounded to a sixteenth of a pixel moves a soft edge by a
        // few levels of each colour, rarely more.
        QCOMPARE(differingPixels(atOnce, oneByOne, 96), 0);
        QVERIFY(differingPixels(atOnce, oneByOne, 48) <= 4);
        // Something was drawn: the points differ from a blank sheet.
        const int ink = differingPixels(atOnce, blank, 24);
        QVERIFY(ink > int(points.size()));

        // The picture saved holds the points (a renderer of its own edges a
        // small disc differently, and a point over one like it in its pixel
        // is kept once).
        const int differ = differingPixels(svgPicture(other), atOnce, 120);
        QVERIFY2(differ < ink / 3, qPrintable(QStringLiteral("%1 of %2").arg(differ).arg(ink)));
        QVERIFY(other.recordedStrokes() >= points.size() / 2);
    }

    // Curves drawn a segment at a time, two kinds in turn, as the smooth
    // solution is, and a mark drawn across them half way: the SVG holds
    // about a polyline a curve, and where lines cross, the one drawn later
    // lies on top, as on the screen.
    void curvesAsPolylines()
    {
        auto &w = onScreen(form<Sheet>(), 240, 160);
        w.setDrawWidth(3);
        const QColor red(200, 0, 0), blue(0, 0, 200), green(0, 150, 0);
        for (int k = 0; k < 100; ++k) {
            if (k == 40)
                w.line(60, 0, 60, 100, green);
            w.line(k, 10 + 0.8 * k, k + 1, 10 + 0.8 * (k + 1), red);
            w.line(k, 90 - 0.8 * k, k + 1, 90 - 0.8 * (k + 1), blue);
        }
        const QByteArray svg = pictureSvg(w);
        QVERIFY2(svg.count("<polyline") <= 20, qPrintable(QString::number(svg.count("<polyline"))));
        const QImage shown = w.pictureImage();
        const QImage saved = svgPicture(w);
        const double dpr = shown.devicePixelRatio();
        // Blue over red, and both curves over the mark.
        const std::tuple<int, int, QColor> tops[] = {{50, 50, blue}, {60, 58, red}, {60, 42, blue}};
        for (const auto &[x, y, colour] : tops) {
            const QPoint at = QPointF(w.xToPixel(x) * dpr, w.yToPixel(y) * dpr).toPoint();
            QCOMPARE(shown.pixelColor(at), colour);
            QCOMPARE(saved.pixelColor(at), colour);
        }
    }

    // The picture copied with Ctrl+C and from the menu holds the drawing the
    // window offers, in device pixels, without the controls over it.
    void copyHoldsOnlyTheDrawing_data()
    {
        QTest::addColumn<bool>("onPicture");
        QTest::newRow("the window's drawing") << false;
        QTest::newRow("a picture box's drawing") << true;
    }

    void copyHoldsOnlyTheDrawing()
    {
        QFETCH(bool, onPicture);
        QGuiApplication::clipboard()->clear();
        auto &w = form<MenuSheet>();
        w.resize(240, 160);
        w.corner.setTwips(0, 0, 1800, 1200);
        w.corner.setVisible(onPicture);
        w.check.setTwips(150, 150, 900, 300);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Canvas &target = onPicture ? w.corner.canvas() : w;
        offerPicture(target);
        QCOMPARE(offeredPicture(w), &target);
        target.scale(0, 100, 100, 0);
        target.box(0, 100, 100, 0, RGB(0, 150, 0), true);
        QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
        const QImage copied = QGuiApplication::clipboard()->image();
        const double dpr = w.devicePixelRatioF();
        QCOMPARE(copied.size(), target.clientRect().size() * dpr);
        QCOMPARE(copied.pixelColor(QPoint(20, 15) * dpr), QColor(0, 150, 0)); // under the check box
        QVERIFY(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml")).contains("<svg"));
    }

    // Every drawing of the program opens its menu from the keyboard, named
    // for assistive technology; the run windows also save the counts.
    void menuOnEveryDrawing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("counts");
        for (const char *name : {"antidrasi", "grafiki1", "ravdogram", "apotelesmata"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        for (const char *name : {"mathematical", "grafvxc", "phform", "CARBONIC", "GNOSTED", "YPOTHDIASPASI"})
            QTest::newRow(name) << QString::fromLatin1(name) << false;
    }

    void menuOnEveryDrawing()
    {
        QFETCH(QString, window);
        QFETCH(bool, counts);
        road::startProgram();
        form<mathematical>(), form<grafvxc>(), form<phform>(); // the acid graphs wait for their run
        Form *w = createdForm(window);
        QVERIFY(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, counts ? Qt::Key_Menu : Qt::Key_F10, counts ? Qt::NoModifier : Qt::ShiftModifier);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QVERIFY(!menu->accessibleName().isEmpty());
        QStringList items;
        for (const QAction *item : menu->actions())
            items << item->text();
        QStringList expected{QStringLiteral("Copy Picture"), QStringLiteral("Save Picture As...")};
        if (counts) // a run window: the run's counts, and its repeats
            expected << QStringLiteral("Save Counts As...") << QStringLiteral("Repeat the Run...")
                     << QStringLiteral("Stop Repeating") << QStringLiteral("Distribution of the Copies...")
                     << QStringLiteral("Save the Copies' Counts As...");
        QCOMPARE(items, expected);
        menu->close();
    }

    // Saved from its window, a picture is written while the window goes on,
    // whole, and a notice in the window says so; a file that cannot be
    // written only changes the notice, which says why.
    void saveFromTheWindow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("notice"); // %1: the file
        QTest::newRow("PNG") << QStringLiteral("graph.png") << QStringLiteral("Saved %1");
        QTest::newRow("SVG") << QStringLiteral("graph.svg") << QStringLiteral("Saved %1");
        QTest::newRow("no such folder") << QStringLiteral("none/graph.png")
                                        << QStringLiteral("Could not save %1: no such folder");
        QTest::newRow("full device") << QStringLiteral("/dev/full")
                                     << QStringLiteral("Could not save %1: no space left on the disk");
    }

    void saveFromTheWindow()
    {
        QFETCH(QString, name);
        QFETCH(QString, notice);
        QTemporaryDir dir;
        const QString file = QDir::isAbsolutePath(name) ? name : dir.filePath(name);
        auto &w = form<Sheet>();
        w.resize(240, 160);
        w.box(0, 0, 1200, 900, RGB(200, 0, 0), true);
        savePictureInBackground(w, file);
        QLabel *said = nullptr;
        QTRY_VERIFY((said = w.findChild<QLabel *>(QStringLiteral("fileNotice"))) && said->isVisibleTo(&w));
        QCOMPARE(said->text(), notice.arg(QDir::toNativeSeparators(file)));
        if (notice.startsWith(QLatin1String("Could")))
            return;
        if (name.endsWith(QLatin1String("svg")))
            QVERIFY(QSvgRenderer(file).isValid());
        else
            QCOMPARE(QImage(file).size(), w.pictureImage().size());
    }

    // A file name's bytes go through the program's text unchanged, whatever
    // they are: two names that differ only in a byte that is not UTF-8 are
    // two files, each with its own bytes, and a message shows such a byte
    // as its value.
    void fileNamesKeepTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9 \xce\xb1.csv") << QStringLiteral(u"café α.csv");
        QTest::newRow("four bytes") << QByteArray("\xf0\x9f\x98\x80.csv") << QStringLiteral(u"😀.csv");
        QTest::newRow("ISO-8859-7 Greek") << QByteArray("\xe1\xe2\xe3.csv") << QStringLiteral("\\xe1\\xe2\\xe3.csv");
        QTest::newRow("Latin-1 beside UTF-8") << QByteArray("caf\xe9-\xc3\xa9.csv")
                                              << QStringLiteral(u"caf\\xe9-é.csv");
        QTest::newRow("cut short") << QByteArray("a\xce.csv") << QStringLiteral("a\\xce.csv");
        QTest::newRow("too long a form") << QByteArray("\xc0\xaf.csv") << QStringLiteral("\\xc0\\xaf.csv");
        QTest::newRow("a surrogate in UTF-8") << QByteArray("\xed\xa0\x80.csv")
                                              << QStringLiteral("\\xed\\xa0\\x80.csv");
        QTest::newRow("beyond Unicode") << QByteArray("\xf4\x90\x80\x80.csv")
                                        << QStringLiteral("\\xf4\\x90\\x80\\x80.csv");
    }

    void fileNamesKeepTheirBytes()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, shown);
        const QString text = fileNameText(name);
        QCOMPARE(fileNameBytes(text), name);
        QCOMPARE(printable(text), shown);
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + '/';
        // The name and one that differs from it only in its first byte.
        QByteArray other = name;
        other[0] = char(other[0] ^ 1);
        QCOMPARE(writeWhole(fileNameText(folder + name), "first"), QString());
        QCOMPARE(writeWhole(fileNameText(folder + other), "second"), QString());
        const auto contents = [](const QByteArray &path) { // by the bytes of its name
            std::ifstream in(path.constData(), std::ios::binary);
            return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
        };
        QCOMPARE(contents(folder + name), QByteArray("first"));
        QCOMPARE(contents(folder + other), QByteArray("second"));
    }

    // A save ended by a signal (Ctrl+C, a shutdown, a closed terminal)
    // leaves no temporary file beside the others, and the program still
    // ends as that signal ends it.
    void signalLeavesNoTemporary_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void signalLeavesNoTemporary()
    {
        QFETCH(int, signal);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("table.csv"));
        const auto temporaries = [&] {
            return QDir(dir.path()).entryList({QStringLiteral(".spotsim-*")}, QDir::Files | QDir::Hidden);
        };
        const pid_t child = ::fork();
        if (child == 0) {
            // The test framework's own report of the signal, and the
            // debugger it calls for a stack, are not this test's.
            const int none = ::open("/dev/null", O_WRONLY);
            ::dup2(none, STDOUT_FILENO);
            ::dup2(none, STDERR_FILENO);
            ::setenv("PATH", "", 1);
            // Saves that take a while, one after the other, until the signal.
            const QByteArray large(32 << 20, 'x');
            for (;;)
                writeWhole(file, large);
        }
        QVERIFY(child > 0);
        QElapsedTimer waited;
        waited.start();
        while (temporaries().isEmpty() && waited.elapsed() < 20000)
            QThread::usleep(100);
        ::kill(child, signal);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), signal);
        QCOMPARE(temporaries(), QStringList());
    }

    // A temporary file a crash left is removed at the next save in its
    // folder; one that another save is writing, and any other file, stay.
    void staleTemporaryGoes()
    {
        QTemporaryDir dir;
        const auto path = [&](const char *name) { return QFile::encodeName(dir.filePath(QLatin1String(name))); };
        const auto make = [](const QByteArray &name) { return ::open(name.constData(), O_WRONLY | O_CREAT, 0600); };
        ::close(make(path(".spotsim-1f2e3d4c.part")));
        ::close(make(path(".spotsim-notes.txt")));
        ::close(make(path("spotsim-1f2e3d4c.part")));
        const int held = make(path(".spotsim-5a6b7c8d.part"));
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        QCOMPARE(writeWhole(dir.filePath(QStringLiteral("table.csv")), "1,2\n"), QString());
        ::close(held);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{QStringLiteral(".spotsim-5a6b7c8d.part"), QStringLiteral(".spotsim-notes.txt"),
                              QStringLiteral("spotsim-1f2e3d4c.part"), QStringLiteral("table.csv")}));
    }
};

QTEST_MAIN(TestCanvas)
#include "test_canvas.moc"
