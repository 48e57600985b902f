#include "graphs/ReadingCursor.h"

#include "toolkit/Canvas.h"
#include "toolkit/Screen.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace graphs {

namespace {

constexpr int margin = 4; // pixels between the line, the box and its text

} // namespace

ReadingCursor::ReadingCursor(toolkit::Canvas &graph, Reader reader)
    : QWidget(&graph)
    , m_graph(graph)
    , m_reader(std::move(reader))
{
    setObjectName(QStringLiteral("readingCursor"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(tr("Reading of the graph"));
    graph.setMouseTracking(true);
    graph.installEventFilter(this);
    setGeometry(graph.rect());
    hide();
}

void ReadingCursor::setRange(double from, double to, double step)
{
    m_from = std::min(from, to);
    m_to = std::max(from, to);
    m_step = step > 0 ? step : 1;
    if (std::isfinite(m_at))
        moveTo(m_at);
}

void ReadingCursor::moveTo(double x)
{
    if (!std::isfinite(x))
        return hideLine();
    const QRect before = isVisible() ? drawnRect() : QRect();
    m_at = std::clamp(x, m_from, m_to);
    m_reading = m_reader(m_at);
    if (!m_reading)
        return hideLine();
    setGeometry(m_graph.rect());
    raise();
    show();
    update(before.united(drawnRect()));
    setAccessibleDescription(spoken());
}

void ReadingCursor::hideLine()
{
    m_at = NAN;
    m_reading.reset();
    hide();
}

void ReadingCursor::refresh()
{
    if (std::isfinite(m_at))
        moveTo(m_at);
}

QString ReadingCursor::spoken() const
{
    if (!m_reading)
        return QString();
    QStringList parts;
    for (const auto &[text, colour] : m_reading->values)
        parts << text;
    return m_reading->heading + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
}

bool ReadingCursor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_graph)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QRect client = m_graph.clientRect();
        if (client.contains(mouse->position().toPoint()))
            moveTo(m_graph.xFromTwips(mouse->position().x() * toolkit::twipsPerPixel()));
        break;
    }
    case QEvent::Leave:
        hideLine();
        break;
    case QEvent::Resize:
        setGeometry(m_graph.rect());
        refresh();
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
            break;
        const double here = std::isfinite(m_at) ? m_at : m_from;
        double to = NAN;
        switch (key->key()) {
        case Qt::Key_Left: to = std::isfinite(m_at) ? here - m_step : here; break;
        case Qt::Key_Right: to = std::isfinite(m_at) ? here + m_step : here; break;
        case Qt::Key_PageDown: to = here - 10 * m_step; break;
        case Qt::Key_PageUp: to = here + 10 * m_step; break;
        case Qt::Key_Home: to = m_from; break;
        case Qt::Key_End: to = m_to; break;
        default: break;
        }
        if (!std::isfinite(to))
            break;
        moveTo(to);
        return true;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

QFont ReadingCursor::readingFont() const
{
    // As the graph's own text grows: a fortieth of its height, 9 points at
    // least.
    QFont font(QStringLiteral("DejaVu Sans"));
    const double points = m_graph.clientRect().height() / 40.0 * 72.0 / std::max(1, logicalDpiY());
    font.setPointSizeF(std::max(9.0, points));
    return font;
}

QRect ReadingCursor::boxRect() const
{
    if (!m_reading || !std::isfinite(m_at))
        return QRect();
    const QRect client = m_graph.clientRect();
    const QFontMetrics metrics(readingFont());
    int width = metrics.horizontalAdvance(m_reading->heading);
    for (const auto &[text, colour] : m_reading->values)
        width = std::max(width, metrics.height() + metrics.horizontalAdvance(text));
    width += 2 * margin;
    const int height = metrics.height() * int(m_reading->values.size() + 1) + 2 * margin;
    const int x = int(std::lround(m_graph.xToPixel(m_at)));
    // Beside the line, on the side with room for the box.
    const int left = x + margin + width <= client.right() ? x + margin : x - margin - width;
    return QRect(left, client.top() + margin, width, height);
}

QRect ReadingCursor::drawnRect() const
{
    if (!m_reading || !std::isfinite(m_at))
        return QRect();
    const QRect client = m_graph.clientRect();
    const int x = int(std::lround(m_graph.xToPixel(m_at)));
    return boxRect().united(QRect(x - 1, client.top(), 3, client.height())).adjusted(-1, -1, 1, 1);
}

void ReadingCursor::paintEvent(QPaintEvent *)
{
    if (!m_reading || !std::isfinite(m_at))
        return;
    QPainter p(this);
    const QRect client = m_graph.clientRect();
    const double x = m_graph.xToPixel(m_at);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(QPointF(x, client.top()), QPointF(x, client.bottom()));

    const QFont font = readingFont();
    const QFontMetrics metrics(font);
    const QRect box = boxRect();
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setFont(font);
    p.setPen(Qt::black);
    int y = box.top() + margin + metrics.ascent();
    p.drawText(box.left() + margin, y, m_reading->heading);
    for (const auto &[text, colour] : m_reading->values) {
        y += metrics.height();
        const int side = metrics.ascent() * 2 / 3;
        p.fillRect(QRect(box.left() + margin, y - side, side, side), colour);
        p.drawText(box.left() + margin + metrics.height(), y, text);
    }
}

} // namespace graphs
