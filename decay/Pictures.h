// The pictures of the decay windows, drawn as vectors: clean at any size.
#pragma once

class QPainter;
class QRectF;

namespace decay {

// The polonium series across the top of the worked example: each nuclide with
// its mass number as a superscript, and the kind of each decay over its arrow.
void seriesBanner(QPainter &painter, const QRectF &box);

} // namespace decay
