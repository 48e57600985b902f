#include "shell/Pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace shell {

void arrowPicture(QPainter &painter, const QRectF &box)
{
    const double midY = box.center().y();
    const double head = std::min(box.height() * 0.45, box.width() * 0.3);
    const double left = box.left() + box.width() * 0.08;
    const double right = box.right() - box.width() * 0.08;
    QPen pen(QColor(40, 40, 40), std::max(1.5, box.height() / 10));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(left, midY), QPointF(right - head * 0.6, midY));
    QPainterPath tip;
    tip.moveTo(right, midY);
    tip.lineTo(right - head, midY - head * 0.6);
    tip.lineTo(right - head, midY + head * 0.6);
    tip.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    painter.drawPath(tip);
}

} // namespace shell
