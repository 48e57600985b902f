// What a canvas draws, one operation at a time, and the record of a whole
// drawing as vectors, which copies and saved pictures replay.
#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRgb>
#include <QSize>
#include <QString>

#include <cstdint>
#include <deque>
#include <memory>
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
    enum class Kind : unsigned char { Line, Rect, Fill, Ellipse, Disc, Text, Point, Discs, Gone };
    Kind kind = Kind::Line;
    DrawStyle style = DrawStyle::Solid;
    bool filled = false; // an ellipse's inside, in fill
    int width = 1;       // pen width
    QRgb colour = 0;     // pen, or the colour of a fill, a disc or a point
    QRgb fill = 0;
    QPointF a; // line start, rectangle corner, centre, text baseline, point
    QPointF b; // line end, opposite corner, radii
    double dashOffset = 0;
    int text = -1; // index into the texts, or the batches of discs, of whoever keeps the stroke
};

struct StrokeText
{
    QFont font;
    QString text;
};

// The discs of a Discs stroke, all of its radii, in the order they are
// drawn: each a point plotted large, on its darker shade a pixel below and
// right of it (none when the shade is the point's own colour), as pset
// draws them one after another. A run's points, thousands at once.
struct DiscBatch
{
    struct Disc
    {
        float x = 0, y = 0; // the centre, in logical pixels of the client area
        QRgb colour = 0;
        QRgb shade = 0;
    };
    std::vector<Disc> discs;
    // The discs and shades painted: two for a disc with a shade.
    std::size_t strokes() const;
};
using SharedDiscs = std::shared_ptr<const DiscBatch>;

QPen strokePen(const Stroke &s);
// Paints one stroke; `text` is a text stroke's text, `discs` a Discs
// stroke's discs.
void paintStroke(QPainter &p, const Stroke &s, const StrokeText *text, const DiscBatch *discs = nullptr);

// Stamps a Discs stroke into an image of the client area (RGB32, at its
// device pixel ratio): each disc with its shade from an image of the two
// rendered once for their size, their colours and the fraction of a pixel
// the centre lies at, blended as a painter fills the shade and then the
// disc. The same pixels, to a level or two of a colour, as paintStroke
// paints, many times faster.
class DiscStamp
{
public:
    void stamp(QImage &image, const Stroke &s, const DiscBatch &discs);

    // The fraction of a device pixel a centre is rounded to.
    static constexpr int phases = 16;

private:
    // What a disc and its shade cover of each pixel around the pixel that
    // holds the centre, for one phase.
    struct Coverage
    {
        int left = 0, top = 0; // from the pixel that holds the centre
        int width = 0, height = 0;
        std::vector<uchar> disc, shade; // row by row
        bool rendered = false;
    };
    // A disc's and its shade's colours, and their sprites: premultiplied,
    // ready to be blended over, one for each phase once it is stamped.
    struct Look
    {
        QRgb colour = 0;
        QRgb shade = 0;
        std::vector<std::vector<QRgb>> sprites;
    };
    // Everything of one size.
    struct Size
    {
        QPointF radii;       // in device pixels
        double shadeOffset;  // a logical pixel, in device pixels
        std::vector<Coverage> coverage;
        std::deque<Look> looks; // where they are while stamped
    };
    Size &size(QPointF radii, double shadeOffset);
    const Coverage &coverage(Size &size, int phase);
    Look &look(Size &size, QRgb colour, QRgb shade);
    const std::vector<QRgb> &sprite(Size &size, Look &look, int phase);

    // A run draws points of two sizes in turn: the sizes stamped last.
    static constexpr std::size_t sizesKept = 4;
    std::vector<Size> m_sizes;
    std::size_t m_nextSize = 0; // the one to give up next
};

// Strokes with their texts, painted in their order as a screen of that pixel
// ratio shows them; the points between two other strokes, which never share
// a pixel, grouped by colour.
struct StrokeList
{
    std::vector<Stroke> strokes;
    std::vector<StrokeText> texts;
    std::vector<SharedDiscs> discs;
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
// covers nothing else is no stroke at all. In a batch of discs, a disc like
// the one before it of its colour whose centre lies in the same pixel takes
// its place.
class StrokeRecord
{
public:
    // `background` is the colour of the canvas the stroke is drawn on, and
    // `area` the size of its client area in pixels.
    void add(Stroke s, const StrokeText *text, QRgb background, QSize area);
    // A Discs stroke and its discs.
    void add(Stroke s, const DiscBatch &discs);
    void clear();
    // Strokes that show, a batch's discs and shades counted one by one.
    std::size_t size() const { return m_strokes.size() - m_gone + m_batchStrokes; }
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
    std::size_t sameKey(const Stroke &s, const StrokeText *text, const DiscBatch *discs) const;
    bool same(const Stroke &kept, const Stroke &s, const StrokeText *text, const DiscBatch *discs) const;
    const StrokeText *textOf(const Stroke &s) const;
    const DiscBatch *discsOf(const Stroke &s) const;
    void append(Stroke s, const StrokeText *text, SharedDiscs discs);

    static constexpr Index none = ~Index(0);
    Index &pointAt(int x, int y, QSize area = QSize());

    std::vector<Stroke> m_strokes; // with Gone where a stroke was replaced
    std::vector<StrokeText> m_texts;
    std::vector<SharedDiscs> m_batches;
    std::size_t m_batchStrokes = 0; // the discs and shades of the live batches, less one a batch
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
