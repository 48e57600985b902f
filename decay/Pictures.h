// The pictures of the decay windows, drawn as vectors: clean at any size.
#pragma once

class QPainter;
class QString;
class QRectF;

namespace decay {

// The polonium series across the top of the worked example: each nuclide with
// its mass number as a superscript, and the kind of each decay over its arrow.
void seriesBanner(QPainter &painter, const QRectF &box);
// What the banner shows, in words, for a listener.
QString seriesBannerText();
// Each nuclide of the series by its element and mass number
// ("polonium-218"), in the order of the series.
QString nuclideName(int index);

} // namespace decay
