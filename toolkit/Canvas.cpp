#include "toolkit/Canvas.h"

#include "toolkit/Controls.h"
#include "toolkit/Screen.h"
#include "toolkit/core/Colour.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPaintEvent>
#include <QPicture>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace toolkit {

namespace {

// Keeps pixel coordinates finite and within what the raster engine handles.
double safePixel(double v)
{
    if (std::isnan(v))
        return -1e6;
    return std::clamp(v, -1e6, 1e6);
}

double nonZero(double v) { return v == 0 ? 1 : v; }

// Cuts the segment a-b to the rectangle (Liang-Barsky). Returns false when
// nothing of it is inside; start tells how far along the segment, as a
// fraction, the new a lies.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &bounds, double &start)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - bounds.left(), bounds.right() - a.x(), a.y() - bounds.top(), bounds.bottom() - a.y()};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF from = a;
    a = from + t0 * QPointF(dx, dy);
    b = from + t1 * QPointF(dx, dy);
    start = t0;
    return true;
}

// The start-up benchmark sets SPOTSIM_EXIT_WHEN_SHOWN: the program leaves as
// soon as its first window has been painted and flushed to the screen, or
// the window the variable names (a lesson's panel).
void exitIfOnlyStartingUp(const QWidget &painted)
{
    static const bool wanted = qEnvironmentVariableIsSet("SPOTSIM_EXIT_WHEN_SHOWN");
    static const QString awaited = qEnvironmentVariable("SPOTSIM_EXIT_WHEN_SHOWN");
    static bool scheduled = false;
    if (!wanted || scheduled || (awaited != QLatin1String("1") && painted.window()->objectName() != awaited))
        return;
    scheduled = true;
    QTimer::singleShot(0, [] {
        std::fflush(nullptr);
        std::_Exit(0);
    });
}

} // namespace

Canvas::Canvas(QWidget *parent)
    : QWidget(parent)
    , m_font(makeFont(m_fontName, m_fontSize, false, false))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Canvas::~Canvas()
{
    endPainter();
}

QSizeF Canvas::clientTwips() const
{
    const double tpp = twipsPerPixel();
    const QRect client = clientRect();
    return QSizeF(client.width() * tpp, client.height() * tpp);
}

void Canvas::scale(double x1, double y1, double x2, double y2)
{
    m_userScale = true;
    m_scaleLeft = x1;
    m_scaleTop = y1;
    m_scaleWidth = x2 - x1;
    m_scaleHeight = y2 - y1;
    // The controls stay where they are, in the new scale.
    for (Control *control : findChildren<Control *>(Qt::FindDirectChildrenOnly))
        control->rescaled();
}

double Canvas::scaleLeft() const { return m_userScale ? m_scaleLeft : 0; }
double Canvas::scaleTop() const { return m_userScale ? m_scaleTop : 0; }
double Canvas::scaleWidth() const { return m_userScale ? m_scaleWidth : clientTwips().width(); }
double Canvas::scaleHeight() const { return m_userScale ? m_scaleHeight : clientTwips().height(); }

QRectF Canvas::rectToTwips(double left, double top, double width, double height) const
{
    if (!m_userScale)
        return QRectF(left, top, std::fabs(width), std::fabs(height));
    const QSizeF client = clientTwips();
    const double sx = client.width() / nonZero(m_scaleWidth);
    const double sy = client.height() / nonZero(m_scaleHeight);
    return QRectF((left - m_scaleLeft) * sx, (top - m_scaleTop) * sy, std::fabs(width * sx), std::fabs(height * sy));
}

double Canvas::xToTwips(double x) const
{
    if (!m_userScale)
        return x;
    return (x - m_scaleLeft) / nonZero(m_scaleWidth) * clientTwips().width();
}

double Canvas::yToTwips(double y) const
{
    if (!m_userScale)
        return y;
    return (y - m_scaleTop) / nonZero(m_scaleHeight) * clientTwips().height();
}

double Canvas::widthToTwips(double w) const
{
    if (!m_userScale)
        return w;
    return std::fabs(w / nonZero(m_scaleWidth)) * clientTwips().width();
}

double Canvas::heightToTwips(double h) const
{
    if (!m_userScale)
        return h;
    return std::fabs(h / nonZero(m_scaleHeight)) * clientTwips().height();
}

double Canvas::xFromTwips(double twips) const
{
    if (!m_userScale)
        return twips;
    const double w = clientTwips().width();
    return m_scaleLeft + (w > 0 ? twips / w : 0) * m_scaleWidth;
}

double Canvas::yFromTwips(double twips) const
{
    if (!m_userScale)
        return twips;
    const double h = clientTwips().height();
    return m_scaleTop + (h > 0 ? twips / h : 0) * m_scaleHeight;
}

double Canvas::widthFromTwips(double twips) const
{
    if (!m_userScale)
        return twips;
    const double w = clientTwips().width();
    return w > 0 ? std::fabs(twips / w * m_scaleWidth) : 0;
}

double Canvas::heightFromTwips(double twips) const
{
    if (!m_userScale)
        return twips;
    const double h = clientTwips().height();
    return h > 0 ? std::fabs(twips / h * m_scaleHeight) : 0;
}

double Canvas::xToPixel(double x) const
{
    if (!m_userScale)
        return safePixel(x / twipsPerPixel());
    return safePixel((x - m_scaleLeft) / nonZero(m_scaleWidth) * clientRect().width());
}

double Canvas::yToPixel(double y) const
{
    if (!m_userScale)
        return safePixel(y / twipsPerPixel());
    return safePixel((y - m_scaleTop) / nonZero(m_scaleHeight) * clientRect().height());
}

QSize Canvas::deviceSize(double dpr) const
{
    const QRect client = clientRect();
    return QSize(std::max(1, static_cast<int>(std::ceil(client.width() * dpr))),
                 std::max(1, static_cast<int>(std::ceil(client.height() * dpr))));
}

QImage Canvas::blankImage(double dpr) const
{
    QImage picture(deviceSize(dpr), QImage::Format_RGB32);
    picture.setDevicePixelRatio(dpr);
    // Fonts given in points come out at the screen's logical dpi.
    const int dotsPerMeter = qRound(1440.0 / twipsPerPixel() / 0.0254);
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    picture.fill(m_backColor);
    return picture;
}

QImage Canvas::render(double dpr) const
{
    QImage picture = blankImage(dpr);
    QPainter p(&picture);
    if (!m_image.isNull())
        p.drawImage(QPointF(0, 0), m_image);
    paintStrokes(p);
    return picture;
}

void Canvas::makeSurface()
{
    endPainter();
    const double dpr = devicePixelRatioF();
    QImage fresh = render(dpr);
    m_strokes.clear();
    m_strokes.shrink_to_fit();
    m_texts.clear();
    m_texts.shrink_to_fit();
    m_image = std::move(fresh);
    m_imageClient = clientRect().size();
    m_dpr = dpr;
    m_bits = nullptr;
}

QPainter &Canvas::surfacePainter()
{
    if (!surfaceFits())
        makeSurface();
    if (!m_painter.isActive())
        m_painter.begin(&m_image);
    return m_painter;
}

void Canvas::endPainter()
{
    if (m_painter.isActive())
        m_painter.end();
}

double Canvas::growth() const { return std::max(1.0, clientRect().height() / designedHeight); }

Stroke Canvas::stroke(Stroke::Kind kind, QRgb colour) const
{
    Stroke s;
    s.kind = kind;
    s.style = m_drawStyle;
    s.width = m_drawWidth;
    s.colour = colour;
    return s;
}

void Canvas::paintStrokes(QPainter &p) const
{
    for (const Stroke &s : m_strokes)
        paintStroke(p, s, s.kind == Stroke::Kind::Text ? &m_texts[std::size_t(s.text)] : nullptr);
    p.setBrush(Qt::NoBrush);
}

void Canvas::draw(const Stroke &s)
{
    changing();
    const StrokeText *text = s.kind == Stroke::Kind::Text ? &m_texts[std::size_t(s.text)] : nullptr;
    m_record.add(s, text, m_backColor.rgb(), clientRect().size());
    if (!m_image.isNull()) {
        paintStroke(surfacePainter(), s, text);
        m_texts.clear(); // with an image, a text is kept only while it is drawn
    } else {
        m_strokes.push_back(s);
        // A run draws thousands of points: past a few hundred strokes one
        // image paints faster than the list. A hidden window keeps its
        // strokes until it is shown, within a bound.
        if (m_strokes.size() > std::size_t(isVisible() ? strokeLimit : hiddenStrokeLimit))
            makeSurface();
    }
    changed();
}

void Canvas::drawDiscs(const Stroke &s, const DiscBatch &discs)
{
    changing();
    m_record.add(s, discs);
    if (m_image.isNull())
        makeSurface();
    surfacePainter(); // fits the image to the client area
    endPainter();
    m_stamp.stamp(m_image, s, discs);
    m_bits = nullptr;
    changed();
}

void Canvas::changed()
{
    if (!m_dirty) {
        m_dirty = true;
        update();
    }
}

void Canvas::clear()
{
    changing();
    endPainter();
    m_image = QImage();
    m_imageClient = QSize();
    m_bits = nullptr;
    m_strokes.clear();
    m_strokes.shrink_to_fit();
    m_texts.clear();
    m_texts.shrink_to_fit();
    m_record.clear();
    m_labels.clear();
    m_said.clear();
    m_currentX = 0;
    m_currentY = 0;
    describeDrawing();
    update();
}

void Canvas::setDescription(const QString &description)
{
    m_description = description;
    describeDrawing();
}

void Canvas::describeDrawing()
{
    // What a listener hears of a drawing: what the window says it shows, or
    // else the texts printed on it (a graph's title and axes, a list of rates).
    if (!m_description.isEmpty()) {
        setAccessibleDescription(m_description);
        return;
    }
    setAccessibleDescription(m_said.join(QStringLiteral("; ")));
}

void Canvas::cls()
{
    clear();
    changed();
    drawingCleared();
}

void Canvas::redraw()
{
    m_drawnFor = clientRect().size();
    if (!m_redraw)
        return;
    clear();
    changed();
    m_redraw();
}

void Canvas::setBackColor(const QColor &color)
{
    m_backColor = color;
    clear();
}

void Canvas::line(double x1, double y1, double x2, double y2, const QColor &color)
{
    m_currentX = x2;
    m_currentY = y2;
    Stroke s = stroke(Stroke::Kind::Line, color.rgb());
    // A curve (a pen wider than the frames' one) grows with the drawing.
    if (m_drawWidth > 1)
        s.width = int(std::lround(m_drawWidth * growth()));
    s.a = QPointF(xToPixel(x1), yToPixel(y1));
    s.b = QPointF(xToPixel(x2), yToPixel(y2));
    // Only the part inside the client area is kept: the frames draw grid
    // lines far past the edges, and a dashed line that long would come out
    // solid. The dashes keep their phase.
    const double full = QLineF(s.a, s.b).length();
    const double margin = m_drawWidth + 2;
    double start = 0;
    if (!clipSegment(s.a, s.b, QRectF(QPointF(0, 0), QSizeF(clientRect().size())).adjusted(-margin, -margin, margin, margin),
                     start))
        return;
    s.dashOffset = start * full / m_drawWidth;
    // A light line is drawn over a darker edge; grid lines are dotted.
    if (!m_plainLines && (s.style == DrawStyle::Solid || s.style == DrawStyle::Dash)) {
        if (const QRgb edge = edgeOf(s.colour); edge != s.colour) {
            Stroke under = s;
            under.colour = edge;
            under.width = s.width + 2;
            draw(under);
        }
    }
    draw(s);
}

void Canvas::polyline(const std::vector<QPointF> &points, const QColor &color)
{
    const QRgb edge = edgeOf(color.rgb());
    const int width = m_drawWidth;
    m_plainLines = true;
    const auto trace = [&](const QColor &c) {
        for (std::size_t i = 1; i < points.size(); ++i)
            line(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y(), c);
    };
    // The whole edge first, so that no part of it covers the curve.
    if (edge != color.rgb() && (m_drawStyle == DrawStyle::Solid || m_drawStyle == DrawStyle::Dash)) {
        m_drawWidth = width + 2;
        trace(QColor(edge));
        m_drawWidth = width;
    }
    trace(color);
    m_plainLines = false;
}

QRgb Canvas::edgeOf(QRgb colour)
{
    const QRgb background = m_backColor.rgb();
    if ((colour & 0xffffff) == (background & 0xffffff))
        return colour; // drawn to clear, not to be seen
    if (m_edgeBackground != background) {
        m_edges.clear();
        m_edgeBackground = background;
    }
    auto [it, added] = m_edges.try_emplace(colour, colour);
    if (added) {
        const auto rgb = [](QRgb c) { return core::Rgb{qRed(c), qGreen(c), qBlue(c)}; };
        const core::Rgb edge = core::edgeFor(rgb(colour), rgb(background));
        it->second = qRgb(edge.r, edge.g, edge.b);
    }
    return it->second;
}

void Canvas::box(double x1, double y1, double x2, double y2, const QColor &color, bool filled)
{
    const QRectF r = QRectF(QPointF(xToPixel(x1), yToPixel(y1)), QPointF(xToPixel(x2), yToPixel(y2))).normalized();
    Stroke s = stroke(filled ? Stroke::Kind::Fill : Stroke::Kind::Rect, color.rgb());
    s.a = r.topLeft();
    s.b = r.bottomRight();
    draw(s);
    m_currentX = x2;
    m_currentY = y2;
}

void Canvas::circle(double x, double y, double radius, const QColor &color)
{
    const double r = safePixel(std::fabs(radius / nonZero(scaleWidth())) * clientRect().width());
    Stroke s = stroke(Stroke::Kind::Ellipse, color.rgb());
    s.a = QPointF(xToPixel(x), yToPixel(y));
    s.b = QPointF(r, r);
    s.filled = m_fillSolid;
    s.fill = m_fillColor.rgb();
    // A light disc outlined in its own colour gets a darker rim instead.
    if (s.filled && s.colour == s.fill)
        s.colour = edgeOf(s.fill);
    draw(s);
    m_currentX = x;
    m_currentY = y;
}

void Canvas::pset(double x, double y, QRgb color)
{
    m_currentX = x;
    m_currentY = y;
    const double px = xToPixel(x);
    const double py = yToPixel(y);
    const QRgb edge = edgeOf(color);
    // Points grow with the drawing, as its text does, to read from afar.
    const double width = m_drawWidth * growth();
    if (width >= 1.5) {
        // A light point casts a darker shade below and right of it, which
        // the points plotted after it leave alone.
        const double r = width / 2;
        Stroke s = stroke(Stroke::Kind::Disc, color);
        s.b = QPointF(r, r);
        if (edge != color) {
            Stroke shade = s;
            shade.colour = edge;
            shade.a = QPointF(px + 1, py + 1);
            draw(shade);
        }
        s.a = QPointF(px, py);
        draw(s);
        return;
    }
    const int ix = static_cast<int>(std::floor(px));
    const int iy = static_cast<int>(std::floor(py));
    // A light point casts a darker shade below and right of it: the points
    // of a run read as a curve with a dark edge.
    if (edge != color)
        plotPixel(ix + 1, iy + 1, edge);
    plotPixel(ix, iy, color);
}

void Canvas::pset(const std::vector<PlotPoint> &points)
{
    if (points.empty())
        return;
    const double width = m_drawWidth * growth();
    // Single pixels are drawn as they come, and so are a few points while
    // the drawing is kept as strokes.
    if (width < 1.5 || (m_image.isNull() && points.size() <= std::size_t(strokeLimit))) {
        for (const PlotPoint &point : points)
            pset(point.x, point.y, point.colour);
        return;
    }
    m_currentX = points.back().x;
    m_currentY = points.back().y;
    const double r = width / 2;
    Stroke s = stroke(Stroke::Kind::Discs, points.front().colour);
    s.b = QPointF(r, r);
    // The points that show, with their shades.
    const double margin = r + 2;
    const QSize client = clientRect().size();
    const double left = -margin, right = client.width() + margin;
    const double top = -margin, bottom = client.height() + margin;
    DiscBatch batch;
    batch.discs.reserve(points.size());
    // The few colours of a run's kinds, each with its edge.
    std::vector<std::pair<QRgb, QRgb>> edges;
    const auto edgeFor = [&](QRgb colour) {
        for (const auto &[c, edge] : edges)
            if (c == colour)
                return edge;
        edges.emplace_back(colour, edgeOf(colour));
        return edges.back().second;
    };
    // As xToPixel and yToPixel place them.
    const double tpp = twipsPerPixel();
    const double scaleWidth = nonZero(m_scaleWidth), scaleHeight = nonZero(m_scaleHeight);
    for (const PlotPoint &point : points) {
        const double px = m_userScale ? (point.x - m_scaleLeft) / scaleWidth * client.width() : point.x / tpp;
        const double py = m_userScale ? (point.y - m_scaleTop) / scaleHeight * client.height() : point.y / tpp;
        if (!(px >= left && px <= right && py >= top && py <= bottom))
            continue;
        batch.discs.push_back({float(px), float(py), point.colour, edgeFor(point.colour)});
    }
    if (!batch.discs.empty())
        drawDiscs(s, batch);
}

void Canvas::plotPixel(int ix, int iy, QRgb color)
{
    const QSize client = clientRect().size();
    if (ix < 0 || iy < 0 || ix >= client.width() || iy >= client.height())
        return;
    if (m_image.isNull()) {
        Stroke s = stroke(Stroke::Kind::Point, color);
        s.a = QPointF(ix, iy);
        draw(s);
        return;
    }
    // The run plots thousands of single points a tick: write the pixels of
    // the point directly, the block of device pixels a logical pixel covers.
    changing();
    Stroke s = stroke(Stroke::Kind::Point, color);
    s.a = QPointF(ix, iy);
    m_record.add(s, nullptr, m_backColor.rgb(), client);
    if (m_imageClient != client)
        makeSurface();
    endPainter();
    if (!m_bits || !m_image.isDetached())
        m_bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    if (m_dpr == 1) {
        reinterpret_cast<QRgb *>(m_bits + iy * stride)[ix] = color;
    } else {
        const int x0 = qRound(ix * m_dpr), x1 = std::min(m_image.width(), qRound((ix + 1) * m_dpr));
        const int y0 = qRound(iy * m_dpr), y1 = std::min(m_image.height(), qRound((iy + 1) * m_dpr));
        for (int row = y0; row < y1; ++row) {
            auto *line = reinterpret_cast<QRgb *>(m_bits + row * stride);
            for (int column = x0; column < x1; ++column)
                line[column] = color;
        }
    }
    changed();
}

void Canvas::print(const QString &text) { printText(text, false); }

void Canvas::printLabel(const QString &text) { printText(text, true); }

QFont Canvas::printFont() const
{
    // Text grows with the drawing: at least a fiftieth of its height, never
    // below the size asked for.
    const double grown = readableShare * clientRect().height() * 72.0 / std::max(1, logicalDpiY());
    if (grown <= m_font.pointSizeF())
        return m_font;
    QFont font = m_font;
    font.setPointSizeF(grown);
    return font;
}

void Canvas::printText(const QString &text, bool label)
{
    const QFont font = printFont();
    const QFontMetricsF metrics(font, this);
    const double px = xToPixel(m_currentX);
    const double py = yToPixel(m_currentY);
    Stroke s = stroke(Stroke::Kind::Text, m_foreColor.rgb());
    s.a = QPointF(px, py + metrics.ascent());
    if (label) {
        changing();
        m_labels.add(s, StrokeText{font, text});
        changed();
    } else {
        s.text = static_cast<int>(m_texts.size());
        m_texts.push_back(StrokeText{font, text});
        draw(s);
    }
    // A text printed again (a graph's frame drawn again for the next run)
    // is said once.
    if (const QString said = text.simplified(); !said.isEmpty() && !m_said.contains(said)) {
        m_said << said;
        describeDrawing();
    }
    const double nextY = py + metrics.height();
    m_currentY = m_userScale ? m_scaleTop + nextY / std::max(1, clientRect().height()) * m_scaleHeight
                             : nextY * twipsPerPixel();
    m_currentX = scaleLeft();
}

double Canvas::textHeight() const
{
    const QFontMetricsF metrics(printFont(), this);
    return heightFromTwips(metrics.height() * twipsPerPixel());
}

double Canvas::textWidth(const QString &text) const
{
    const QFontMetricsF metrics(printFont(), this);
    return widthFromTwips(metrics.horizontalAdvance(text) * twipsPerPixel());
}

void Canvas::setFontName(const QString &name)
{
    m_fontName = name;
    m_font.setFamily(fontFamily(name));
}

void Canvas::setFontSize(double points)
{
    m_fontSize = points;
    m_font.setPointSizeF(points > 0 ? points : fonts::defaultPointSize);
}

void Canvas::setPicture(std::function<void(QPainter &, const QRectF &)> picture)
{
    m_picture = std::move(picture);
    update();
}

void Canvas::setBorder(bool visible)
{
    m_border = visible;
    update();
}

QImage Canvas::image() const
{
    QImage shown;
    if (!m_image.isNull() && surfaceFits())
        shown = m_painter.isActive() || !m_labels.empty() ? m_image.copy() : m_image;
    else
        shown = render(m_image.isNull() ? devicePixelRatioF() : m_dpr);
    if (!m_labels.empty()) {
        QPainter p(&shown);
        m_labels.paint(p, m_backColor.rgb());
    }
    return shown;
}

namespace {

const char *const inPicture = "spotsimInPicture";

} // namespace

void Canvas::addToPicture(QWidget &widget) { widget.setProperty(inPicture, true); }

namespace {

// What a picture shows over what is drawn: the vector picture and the border.
void paintOver(QPainter &p, const QRectF &area, const std::function<void(QPainter &, const QRectF &)> &picture,
               bool border)
{
    if (picture) {
        p.setRenderHint(QPainter::Antialiasing, true);
        picture(p, area);
    }
    if (border) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(110, 110, 110));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0, 0, area.width() - 1, area.height() - 1));
    }
}

} // namespace

std::vector<std::pair<QWidget *, QPoint>> Canvas::pictureParts() const
{
    std::vector<std::pair<QWidget *, QPoint>> parts;
    for (QObject *child : children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && !widget->isHidden() && widget->property(inPicture).toBool())
            parts.emplace_back(widget, widget->pos() - QPoint(0, m_clientTop));
    }
    return parts;
}

void Canvas::paintPicture(QPainter &p, bool vectors) const
{
    if (vectors) {
        vectorPicture()(p);
        return;
    }
    const QRectF area(QPointF(0, 0), QSizeF(clientRect().size()));
    p.save();
    p.fillRect(area, m_backColor);
    if (!m_image.isNull())
        p.drawImage(QPointF(0, 0), m_image);
    paintStrokes(p);
    m_labels.paint(p, m_backColor.rgb());
    paintOver(p, area, m_picture, m_border);
    for (const auto &[widget, at] : pictureParts()) {
        if (const auto *box = qobject_cast<const Canvas *>(widget)) {
            p.save();
            p.translate(at);
            box->paintPicture(p, false);
            p.restore();
        } else {
            widget->render(&p, at, QRegion(), QWidget::DrawChildren);
        }
    }
    p.restore();
}

Canvas::Painting Canvas::vectorPicture() const
{
    // Picture boxes give their own vectors; the other controls are recorded
    // as they paint themselves now.
    std::vector<std::pair<QPoint, Painting>> parts;
    for (const auto &[widget, at] : pictureParts()) {
        if (const auto *box = qobject_cast<const Canvas *>(widget)) {
            parts.emplace_back(at, box->vectorPicture());
            continue;
        }
        auto recorded = std::make_shared<QPicture>();
        QPainter recorder(recorded.get());
        widget->render(&recorder, QPoint(), QRegion(), QWidget::DrawChildren);
        recorder.end();
        parts.emplace_back(at, [recorded](QPainter &p) { p.drawPicture(0, 0, *recorded); });
    }
    return [area = QRectF(QPointF(0, 0), QSizeF(clientRect().size())), back = m_backColor, strokes = m_record.list(),
            dpr = m_image.isNull() ? devicePixelRatioF() : m_dpr, labels = m_labels, picture = m_picture,
            border = m_border, parts = std::move(parts)](QPainter &p) {
        p.save();
        p.fillRect(area, back);
        strokes.paint(p, dpr);
        labels.paint(p, back.rgb());
        paintOver(p, area, picture, border);
        for (const auto &[at, part] : parts) {
            p.save();
            p.translate(at);
            part(p);
            p.restore();
        }
        p.restore();
    };
}

QImage Canvas::pictureImage() const
{
    QImage picture = blankImage(m_image.isNull() ? devicePixelRatioF() : m_dpr);
    QPainter p(&picture);
    paintPicture(p, false);
    return picture;
}

QColor Canvas::pixelAt(double x, double y) const
{
    if (m_snapshot.isNull())
        m_snapshot = image();
    const double dpr = m_snapshot.devicePixelRatio();
    const int ix = static_cast<int>(std::floor(xToPixel(x) * dpr));
    const int iy = static_cast<int>(std::floor(yToPixel(y) * dpr));
    if (ix < 0 || iy < 0 || ix >= m_snapshot.width() || iy >= m_snapshot.height())
        return m_backColor;
    return m_snapshot.pixelColor(ix, iy);
}

void Canvas::resizeEvent(QResizeEvent *event)
{
    changing();
    if (!m_image.isNull() && !surfaceFits())
        makeSurface();
    QWidget::resizeEvent(event);
    if (m_redraw && clientRect().size() != m_drawnFor)
        redraw();
}

void Canvas::paintEvent(QPaintEvent *event)
{
    endPainter();
    m_dirty = false;
    if (m_image.isNull() ? m_strokes.size() > std::size_t(strokeLimit)
                         : !surfaceFits() || devicePixelRatioF() != m_dpr) {
        changing();
        makeSurface();
    }
    QPainter p(this);
    const QRect client = clientRect();
    p.setClipRect(client & event->rect());
    if (!m_image.isNull()) {
        p.drawImage(client.topLeft(), m_image);
    } else {
        p.fillRect(client, m_backColor);
        if (!m_strokes.empty()) {
            p.save();
            p.translate(client.topLeft());
            paintStrokes(p);
            p.restore();
        }
    }
    if (!m_labels.empty()) {
        p.save();
        p.translate(client.topLeft());
        m_labels.paint(p, m_backColor.rgb());
        p.restore();
    }
    if (m_picture) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.translate(client.topLeft());
        m_picture(p, QRectF(QPointF(0, 0), QSizeF(client.size())));
        p.resetTransform();
    }
    if (m_border) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(110, 110, 110));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(0, 0, width() - 1, height() - 1));
    }
    if (isWindow())
        exitIfOnlyStartingUp(*this);
}

} // namespace toolkit
