#include "toolkit/Arrows.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace toolkit {

void arrowPicture(QPainter &painter, const QRectF &box)
{
    const double head = std::min(box.height() * 0.45, box.width() * 0.3);
    drawRightArrow(painter, box.left() + box.width() * 0.08, box.right() - box.width() * 0.08, box.center().y(), head,
                   std::max(1.5, box.height() / 10));
}

void drawRightArrow(QPainter &painter, double x1, double x2, double y, double head, double width)
{
    const QColor ink(40, 40, 40);
    QPen pen(ink, width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(x1, y), QPointF(x2 - head * 0.6, y));
    QPainterPath tip;
    tip.moveTo(x2, y);
    tip.lineTo(x2 - head, y - head * 0.6);
    tip.lineTo(x2 - head, y + head * 0.6);
    tip.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(tip);
    painter.setBrush(Qt::NoBrush);
}

} // namespace toolkit
