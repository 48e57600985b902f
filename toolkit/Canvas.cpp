#include "toolkit/Canvas.h"

#include "toolkit/Screen.h"

#include <QFontMetricsF>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>

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
}

void Canvas::scaleTwips() { m_userScale = false; }

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

void Canvas::ensureImage()
{
    const QSize client = clientRect().size();
    if (m_image.width() >= client.width() && m_image.height() >= client.height() && !m_image.isNull())
        return;
    endPainter();
    QImage grown(std::max({client.width(), m_image.width(), 1}), std::max({client.height(), m_image.height(), 1}),
                 QImage::Format_RGB32);
    const int dotsPerMeter = qRound(1440.0 / twipsPerPixel() / 0.0254);
    grown.setDotsPerMeterX(dotsPerMeter);
    grown.setDotsPerMeterY(dotsPerMeter);
    grown.fill(m_backColor);
    if (!m_image.isNull()) {
        QPainter copy(&grown);
        copy.drawImage(0, 0, m_image);
    }
    m_image = std::move(grown);
    m_bits = nullptr;
}

QPainter &Canvas::painter()
{
    ensureImage();
    if (!m_painter.isActive()) {
        m_painter.begin(&m_image);
        m_painter.setRenderHint(QPainter::Antialiasing, false);
    }
    return m_painter;
}

void Canvas::endPainter()
{
    if (m_painter.isActive())
        m_painter.end();
}

void Canvas::markDirty()
{
    if (!m_dirty) {
        m_dirty = true;
        update();
    }
}

QPen Canvas::pen(const QColor &color) const
{
    QPen p(color);
    p.setWidth(m_drawWidth);
    if (m_drawWidth == 1) {
        switch (m_drawStyle) {
        case DrawStyle::Dash: p.setStyle(Qt::DashLine); break;
        case DrawStyle::Dot: p.setStyle(Qt::DotLine); break;
        case DrawStyle::DashDot: p.setStyle(Qt::DashDotLine); break;
        case DrawStyle::Solid: break;
        }
    } else {
        p.setCapStyle(Qt::RoundCap);
        p.setJoinStyle(Qt::RoundJoin);
    }
    return p;
}

void Canvas::cls()
{
    ensureImage();
    endPainter();
    m_image.fill(m_backColor);
    m_bits = nullptr;
    m_currentX = 0;
    m_currentY = 0;
    markDirty();
}

void Canvas::setBackColor(const QColor &color)
{
    m_backColor = color;
    cls();
}

void Canvas::line(double x1, double y1, double x2, double y2, const QColor &color)
{
    QPainter &p = painter();
    p.setPen(pen(color));
    p.drawLine(QPointF(xToPixel(x1), yToPixel(y1)), QPointF(xToPixel(x2), yToPixel(y2)));
    m_currentX = x2;
    m_currentY = y2;
    markDirty();
}

void Canvas::box(double x1, double y1, double x2, double y2, const QColor &color, bool filled)
{
    QPainter &p = painter();
    const QRectF r = QRectF(QPointF(xToPixel(x1), yToPixel(y1)), QPointF(xToPixel(x2), yToPixel(y2))).normalized();
    if (filled) {
        p.fillRect(r, color);
    } else {
        p.setPen(pen(color));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
    m_currentX = x2;
    m_currentY = y2;
    markDirty();
}

void Canvas::circle(double x, double y, double radius, const QColor &color)
{
    QPainter &p = painter();
    const double r = safePixel(std::fabs(radius / nonZero(scaleWidth())) * clientRect().width());
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(pen(color));
    p.setBrush(m_fillSolid ? QBrush(m_fillColor) : QBrush(Qt::NoBrush));
    p.drawEllipse(QPointF(xToPixel(x), yToPixel(y)), r, r);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    m_currentX = x;
    m_currentY = y;
    markDirty();
}

void Canvas::pset(double x, double y, QRgb color)
{
    m_currentX = x;
    m_currentY = y;
    const double px = xToPixel(x);
    const double py = yToPixel(y);
    if (m_drawWidth > 1) {
        QPainter &p = painter();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(color));
        const double r = m_drawWidth / 2.0;
        p.drawEllipse(QPointF(px, py), r, r);
        p.setBrush(Qt::NoBrush);
        p.setRenderHint(QPainter::Antialiasing, false);
        markDirty();
        return;
    }
    // The run plots thousands of single points a tick: write the pixel directly.
    const int ix = static_cast<int>(std::floor(px));
    const int iy = static_cast<int>(std::floor(py));
    if (ix < 0 || iy < 0 || ix >= width() || iy >= height() - m_clientTop)
        return;
    ensureImage();
    endPainter();
    if (!m_image.isDetached() || !m_bits)
        m_bits = m_image.bits();
    reinterpret_cast<QRgb *>(m_bits + iy * m_image.bytesPerLine())[ix] = color;
    markDirty();
}

void Canvas::print(const QString &text)
{
    QPainter &p = painter();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(m_font);
    p.setPen(m_foreColor);
    const QFontMetricsF metrics(m_font, &m_image);
    const double px = xToPixel(m_currentX);
    const double py = yToPixel(m_currentY);
    p.drawText(QPointF(px, py + metrics.ascent()), text);
    const double nextY = py + metrics.height();
    m_currentY = m_userScale ? m_scaleTop + nextY / std::max(1, clientRect().height()) * m_scaleHeight
                             : nextY * twipsPerPixel();
    m_currentX = scaleLeft();
    markDirty();
}

double Canvas::textHeight() const
{
    const QFontMetricsF metrics(m_font, &m_image);
    return heightFromTwips(metrics.height() * twipsPerPixel());
}

void Canvas::setFontName(const QString &name)
{
    m_fontName = name;
    m_font.setFamily(fontFamily(name));
}

void Canvas::setFontSize(double points)
{
    m_fontSize = points;
    m_font.setPointSizeF(points > 0 ? points : 8.25);
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

QColor Canvas::pixelAt(double x, double y) const
{
    const int ix = static_cast<int>(std::floor(xToPixel(x)));
    const int iy = static_cast<int>(std::floor(yToPixel(y)));
    if (ix < 0 || iy < 0 || ix >= m_image.width() || iy >= m_image.height())
        return m_backColor;
    return m_image.pixelColor(ix, iy);
}

void Canvas::paintEvent(QPaintEvent *event)
{
    endPainter();
    m_dirty = false;
    ensureImage();
    QPainter p(this);
    const QRect client = clientRect();
    p.setClipRect(client & event->rect());
    p.drawImage(client.topLeft(), m_image, QRect(QPoint(0, 0), client.size()));
    if (m_picture) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.translate(client.topLeft());
        m_picture(p, QRectF(QPointF(0, 0), QSizeF(client.size())));
    }
    if (m_border) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(110, 110, 110));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(0, 0, width() - 1, height() - 1));
    }
}

} // namespace toolkit
