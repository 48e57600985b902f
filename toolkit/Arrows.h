// Arrows drawn in picture boxes, clean at any size.
#pragma once

class QPainter;
class QRectF;

namespace toolkit {

// A right-pointing arrow across the box, as between two kinds of spot.
void arrowPicture(QPainter &painter, const QRectF &box);

// A right-pointing arrow from x1 to x2 at height y, with a head `head` long
// and a shaft `width` thick, in the pictures' dark ink.
void drawRightArrow(QPainter &painter, double x1, double x2, double y, double head, double width);

} // namespace toolkit
