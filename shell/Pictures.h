// Vector pictures shown in picture boxes, clean at any size.
#pragma once

class QPainter;
class QRectF;

namespace shell {

// A right-pointing arrow across the box, as between two kinds of spot.
void arrowPicture(QPainter &painter, const QRectF &box);

} // namespace shell
