// What a canvas draws, one operation at a time, and the record of a whole
// drawing as vectors, which copies and saved pictures replay.
#pragma once

#include <QFont>
#include <QPointF>
#include <QRgb>
#include <QSize>
#include <QString>

#include <cstdint>
#include <unordered_map>
#include <vector>

class QPainter;
class QPen;

namespace toolkit {

enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3 };

// One drawing operation, in logical pixels of the client area: plain data,
// so that thousands of them cost little to keep.
struct Stroke
{
    enum class Kind : unsigned char { Line, Rect, Fill, Ellipse, Disc, Text, Point, Gone };
    Kind kind = Kind::Line;
    DrawStyle style = DrawStyle::Solid;
    bool filled = false; // an ellipse's inside, in fill
    int width = 1;       // pen width
    QRgb colour = 0;     // pen, or the colour of a fill, a disc or a point
    QRgb fill = 0;
    QPointF a; // line start, rectangle corner, centre, text baseline, point
    QPointF b; // line end, opposite corner, radii
    double dashOffset = 0;
    int text = -1; // index into the texts of whoever keeps the stroke
};

struct StrokeText
{
    QFont font;
    QString text;
};

QPen strokePen(const Stroke &s);
// Paints one stroke; `text` is a text stroke's text.
void paintStroke(QPainter &p, const Stroke &s, const StrokeText *text);

// Strokes with their texts, painted in their order as a screen of that pixel
// ratio shows them; the points between two other strokes, which never share
// a pixel, grouped by colour.
struct StrokeList
{
    std::vector<Stroke> strokes;
    std::vector<StrokeText> texts;
    void paint(QPainter &p, double devicePixelRatio) const;
};

// Texts that stay over a drawing, whatever is drawn later, each on a rim of
// the background colour so that it reads where a curve crosses it: the
// numbers and names of a graph's axes. The same text printed again at the
// same place is kept once.
struct LabelList
{
    std::vector<Stroke> strokes;
    std::vector<StrokeText> texts;
    void add(Stroke s, const StrokeText &text);
    void clear();
    bool empty() const { return strokes.empty(); }
    void paint(QPainter &p, QRgb background) const;
};

// A drawing as the strokes that still show in it, in the order they were
// drawn. What is drawn over again leaves one stroke, so that a run of
// hundreds of ticks keeps about one stroke per pixel it plotted and one
// circle per spot: a point replaces an earlier point at its pixel; a disc
// replaces the discs at its centre that it covers and a disc like it whose
// centre lies in the same pixel; a stroke drawn again
// exactly replaces its copy; and a disc in the background colour that
// covers nothing else is no stroke at all.
class StrokeRecord
{
public:
    // `background` is the colour of the canvas the stroke is drawn on, and
    // `area` the size of its client area in pixels.
    void add(Stroke s, const StrokeText *text, QRgb background, QSize area);
    void clear();
    std::size_t size() const { return m_strokes.size() - m_gone; }
    // The strokes that show, to be painted now or on another thread.
    StrokeList list() const;

private:
    using Index = std::uint32_t;
    // Whether the disc is kept: false when it would show nothing.
    bool addDisc(const Stroke &s, Index index, QRgb background);
    bool overlapsDisc(const Stroke &s) const;
    void index(const Stroke &s, Index i);
    void remove(Index i);
    void compact();
    std::size_t sameKey(const Stroke &s, const StrokeText *text) const;
    bool same(const Stroke &kept, const Stroke &s, const StrokeText *text) const;
    const StrokeText *textOf(const Stroke &s) const;

    static constexpr Index none = ~Index(0);
    Index &pointAt(int x, int y, QSize area = QSize());

    std::vector<Stroke> m_strokes; // with Gone where a stroke was replaced
    std::vector<StrokeText> m_texts;
    // The point at each pixel, row by row: a run plots thousands a tick.
    std::vector<Index> m_points;
    int m_pointsWidth = 0;
    Index m_lastOther = none; // the latest stroke that is not a point
    std::unordered_map<std::uint64_t, std::vector<Index>> m_discs; // by the cell of the centre
    std::unordered_map<std::size_t, Index> m_same;                 // other strokes, by content
    std::size_t m_gone = 0;
    std::size_t m_others = 0; // live strokes that are not discs
    double m_widestDisc = 0;  // the largest reach of a disc from its centre
};

} // namespace toolkit
