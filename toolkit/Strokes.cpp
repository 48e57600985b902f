#include "toolkit/Strokes.h"

#include <QHashFunctions>
#include <QPainter>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <tuple>
#include <utility>

namespace toolkit {

namespace {

using Kind = Stroke::Kind;

// Discs are found by the square of this many pixels that holds their centre.
constexpr double cellPixels = 32;
// Strokes replaced before the record is packed again.
constexpr std::size_t packAfter = 4096;

std::uint64_t key(int x, int y) { return (std::uint64_t(std::uint32_t(x)) << 32) | std::uint32_t(y); }
int cellOf(double v) { return static_cast<int>(std::floor(v / cellPixels)); }
std::uint64_t cellKey(const QPointF &p) { return key(cellOf(p.x()), cellOf(p.y())); }

bool isDisc(const Stroke &s) { return s.kind == Kind::Disc || (s.kind == Kind::Ellipse && s.filled); }

// How far a disc paints from its centre, across and up: its radii and half
// its pen.
QPointF reach(const Stroke &s)
{
    const double pen = s.kind == Kind::Ellipse ? s.width / 2.0 : 0;
    return s.b + QPointF(pen, pen);
}

// Two discs that look alike and whose centres lie in the same pixel.
bool samePixelDisc(const Stroke &x, const Stroke &y)
{
    return x.kind == y.kind && x.colour == y.colour && x.fill == y.fill && x.filled == y.filled && x.width == y.width
           && x.b == y.b && std::floor(x.a.x()) == std::floor(y.a.x()) && std::floor(x.a.y()) == std::floor(y.a.y());
}

bool allInColour(const Stroke &s, QRgb colour)
{
    const QRgb c = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
    auto is = [c](QRgb v) { return qRgb(qRed(v), qGreen(v), qBlue(v)) == c; };
    return is(s.colour) && (s.kind == Kind::Disc || is(s.fill));
}

bool sameDiscs(const DiscBatch &x, const DiscBatch &y)
{
    return std::equal(x.discs.begin(), x.discs.end(), y.discs.begin(), y.discs.end(),
                      [](const DiscBatch::Disc &a, const DiscBatch::Disc &b) {
                          return a.x == b.x && a.y == b.y && a.colour == b.colour && a.shade == b.shade;
                      });
}

} // namespace

std::size_t DiscBatch::strokes() const
{
    std::size_t n = discs.size();
    for (const Disc &d : discs)
        n += d.shade != d.colour;
    return n;
}

QPen strokePen(const Stroke &s)
{
    QPen p(QColor::fromRgb(s.colour));
    p.setWidth(s.width);
    if (s.width == 1) {
        switch (s.style) {
        case DrawStyle::Dash: p.setStyle(Qt::DashLine); break;
        case DrawStyle::Dot: p.setStyle(Qt::DotLine); break;
        case DrawStyle::DashDot: p.setStyle(Qt::DashDotLine); break;
        case DrawStyle::Solid: break;
        }
        if (s.style != DrawStyle::Solid)
            p.setDashOffset(s.dashOffset);
    } else {
        p.setCapStyle(Qt::RoundCap);
        p.setJoinStyle(Qt::RoundJoin);
    }
    return p;
}

void paintStroke(QPainter &p, const Stroke &s, const StrokeText *text, const DiscBatch *discs)
{
    p.setRenderHint(QPainter::Antialiasing, s.kind == Kind::Ellipse || s.kind == Kind::Disc || s.kind == Kind::Discs);
    switch (s.kind) {
    case Kind::Line:
        p.setPen(strokePen(s));
        p.drawLine(s.a, s.b);
        break;
    case Kind::Rect:
        p.setPen(strokePen(s));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(s.a, s.b));
        break;
    case Kind::Fill:
        p.fillRect(QRectF(s.a, s.b), QColor::fromRgb(s.colour));
        break;
    case Kind::Ellipse:
        p.setPen(strokePen(s));
        p.setBrush(s.filled ? QBrush(QColor::fromRgb(s.fill)) : QBrush(Qt::NoBrush));
        p.drawEllipse(s.a, s.b.x(), s.b.y());
        break;
    case Kind::Disc:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(s.colour));
        p.drawEllipse(s.a, s.b.x(), s.b.y());
        break;
    case Kind::Text:
        if (!text)
            break;
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(text->font);
        p.setPen(QColor::fromRgb(s.colour));
        p.drawText(s.a, text->text);
        break;
    case Kind::Point:
        p.fillRect(QRectF(s.a, QSizeF(1, 1)), QColor::fromRgb(s.colour));
        break;
    case Kind::Discs: {
        if (!discs)
            break;
        p.setPen(Qt::NoPen);
        QRgb brush = 0;
        bool brushSet = false;
        const auto fill = [&](QRgb colour) {
            if (!brushSet || colour != brush) {
                p.setBrush(QColor::fromRgb(colour));
                brush = colour;
                brushSet = true;
            }
        };
        for (const DiscBatch::Disc &d : discs->discs) {
            if (d.shade != d.colour) {
                fill(d.shade);
                p.drawEllipse(QPointF(d.x + 1.0, d.y + 1.0), s.b.x(), s.b.y());
            }
            fill(d.colour);
            p.drawEllipse(QPointF(d.x, d.y), s.b.x(), s.b.y());
        }
        break;
    }
    case Kind::Gone:
        break;
    }
}

void StrokeRecord::clear()
{
    *this = StrokeRecord();
}

const StrokeText *StrokeRecord::textOf(const Stroke &s) const
{
    return s.kind == Kind::Text && s.text >= 0 ? &m_texts[std::size_t(s.text)] : nullptr;
}

const DiscBatch *StrokeRecord::discsOf(const Stroke &s) const
{
    return s.kind == Kind::Discs && s.text >= 0 ? m_batches[std::size_t(s.text)].get() : nullptr;
}

std::size_t StrokeRecord::sameKey(const Stroke &s, const StrokeText *text, const DiscBatch *discs) const
{
    std::size_t h = qHashMulti(0, int(s.kind), int(s.style), s.filled, s.width, s.colour, s.fill, s.a.x(), s.a.y(),
                               s.b.x(), s.b.y(), s.dashOffset);
    if (text)
        h = qHashMulti(h, text->text, text->font.key());
    if (discs) {
        static_assert(sizeof(DiscBatch::Disc) == 4 * sizeof(float), "discs are hashed as their bytes");
        h = qHashBits(discs->discs.data(), discs->discs.size() * sizeof(DiscBatch::Disc), h);
    }
    return h;
}

bool StrokeRecord::same(const Stroke &kept, const Stroke &s, const StrokeText *text, const DiscBatch *discs) const
{
    auto fields = [](const Stroke &x) {
        return std::tuple(x.kind, x.style, x.filled, x.width, x.colour, x.fill, x.a, x.b, x.dashOffset);
    };
    if (fields(kept) != fields(s))
        return false;
    if (const DiscBatch *keptDiscs = discsOf(kept))
        return discs && sameDiscs(*keptDiscs, *discs);
    const StrokeText *keptText = textOf(kept);
    return !text || (keptText && keptText->text == text->text && keptText->font == text->font);
}

void StrokeRecord::remove(Index i)
{
    Stroke &s = m_strokes[i];
    if (s.kind == Kind::Gone)
        return;
    if (const DiscBatch *discs = discsOf(s)) {
        m_batchStrokes -= discs->strokes() - 1;
        m_batches[std::size_t(s.text)].reset();
    }
    if (!isDisc(s))
        --m_others;
    s.kind = Kind::Gone;
    ++m_gone;
}

StrokeRecord::Index &StrokeRecord::pointAt(int x, int y, QSize area)
{
    const int height = m_pointsWidth > 0 ? static_cast<int>(m_points.size()) / m_pointsWidth : 0;
    if (x >= m_pointsWidth || y >= height) {
        // Room for the whole client area at once.
        const int width = std::max({x + 1, m_pointsWidth, area.width()});
        const int rows = std::max({y + 1, height, area.height()});
        std::vector<Index> grown(std::size_t(width) * std::size_t(rows), none);
        for (int row = 0; row < height; ++row)
            std::copy_n(m_points.begin() + std::ptrdiff_t(row) * m_pointsWidth, m_pointsWidth,
                        grown.begin() + std::ptrdiff_t(row) * width);
        m_points = std::move(grown);
        m_pointsWidth = width;
    }
    return m_points[std::size_t(y) * std::size_t(m_pointsWidth) + std::size_t(x)];
}

void StrokeRecord::add(Stroke s, const StrokeText *text, QRgb background, QSize area)
{
    const auto index = static_cast<Index>(m_strokes.size());
    if (s.kind == Kind::Point) {
        Index &at = pointAt(static_cast<int>(s.a.x()), static_cast<int>(s.a.y()), area);
        if (at != none) {
            // The same point again, with nothing but points drawn since, is
            // already there.
            if (m_strokes[at].colour == s.colour && (m_lastOther == none || m_lastOther < at))
                return;
            remove(at);
        }
        at = index;
    } else if (isDisc(s)) {
        if (!addDisc(s, index, background))
            return;
    } else {
        auto [at, fresh] = m_same.try_emplace(sameKey(s, text, nullptr), index);
        if (!fresh) {
            if (same(m_strokes[at->second], s, text, nullptr))
                remove(at->second);
            at->second = index;
        }
    }
    append(s, text, nullptr);
}

void StrokeRecord::add(Stroke s, const DiscBatch &discs)
{
    // Of the discs of a colour, one after another, each whose centre lies
    // in the pixel of the one before takes its place: a long run plots
    // dozens of samples a pixel.
    auto kept = std::make_shared<DiscBatch>();
    kept->discs.reserve(discs.discs.size());
    struct Last
    {
        QRgb colour;
        std::size_t at;
    };
    std::vector<Last> last;
    for (const DiscBatch::Disc &d : discs.discs) {
        auto of = std::find_if(last.begin(), last.end(), [&](const Last &l) { return l.colour == d.colour; });
        if (of != last.end()) {
            DiscBatch::Disc &before = kept->discs[of->at];
            if (before.shade == d.shade && std::floor(before.x) == std::floor(d.x)
                && std::floor(before.y) == std::floor(d.y)) {
                before.x = d.x;
                before.y = d.y;
                continue;
            }
            of->at = kept->discs.size();
        } else {
            last.push_back({d.colour, kept->discs.size()});
        }
        kept->discs.push_back(d);
    }
    if (kept->discs.empty())
        return;
    kept->discs.shrink_to_fit();
    const auto index = static_cast<Index>(m_strokes.size());
    auto [at, fresh] = m_same.try_emplace(sameKey(s, nullptr, kept.get()), index);
    if (!fresh) {
        if (same(m_strokes[at->second], s, nullptr, kept.get()))
            remove(at->second);
        at->second = index;
    }
    append(s, nullptr, std::move(kept));
}

void StrokeRecord::append(Stroke s, const StrokeText *text, SharedDiscs discs)
{
    const auto index = static_cast<Index>(m_strokes.size());
    if (text) {
        s.text = static_cast<int>(m_texts.size());
        m_texts.push_back(*text);
    }
    if (discs) {
        s.text = static_cast<int>(m_batches.size());
        m_batchStrokes += discs->strokes() - 1;
        m_batches.push_back(std::move(discs));
    }
    if (!isDisc(s))
        ++m_others;
    if (s.kind != Kind::Point)
        m_lastOther = index;
    m_strokes.push_back(s);
    if (m_gone > packAfter && m_gone > m_strokes.size() / 2)
        compact();
}

bool StrokeRecord::addDisc(const Stroke &s, Index index, QRgb background)
{
    const QPointF r = reach(s);
    auto &here = m_discs[cellKey(s.a)];
    // The discs at the same centre that this one covers show no more, nor
    // does one just like it whose centre lies in the same pixel: the runs a
    // graph keeps plot their points at the same times, and many of them
    // land on a pixel that an earlier run's point of that kind took.
    std::erase_if(here, [&](Index i) {
        const Stroke &kept = m_strokes[i];
        const QPointF k = reach(kept);
        const bool covered = kept.a == s.a && k.x() <= r.x() && k.y() <= r.y();
        if (!covered && !samePixelDisc(kept, s))
            return false;
        remove(i);
        return true;
    });
    // The spot window clears a site with a disc in its background colour
    // before it draws the site's new spot: over nothing it shows nothing.
    if (allInColour(s, background) && m_others == 0 && !overlapsDisc(s))
        return false;
    here.push_back(index);
    m_widestDisc = std::max({m_widestDisc, r.x(), r.y()});
    return true;
}

bool StrokeRecord::overlapsDisc(const Stroke &s) const
{
    // A pixel of margin for the soft edges.
    const QPointF r = reach(s) + QPointF(1, 1);
    auto overlaps = [&](const std::vector<Index> &discs) {
        return std::any_of(discs.begin(), discs.end(), [&](Index i) {
            const Stroke &kept = m_strokes[i];
            const QPointF k = reach(kept);
            return std::fabs(kept.a.x() - s.a.x()) < r.x() + k.x() && std::fabs(kept.a.y() - s.a.y()) < r.y() + k.y();
        });
    };
    // The cells that may hold a disc reaching this one; or every disc, when
    // that is fewer.
    const double around = m_widestDisc;
    const int left = cellOf(s.a.x() - r.x() - around), right = cellOf(s.a.x() + r.x() + around);
    const int top = cellOf(s.a.y() - r.y() - around), bottom = cellOf(s.a.y() + r.y() + around);
    if (double(right - left + 1) * double(bottom - top + 1) > double(m_discs.size()))
        return std::any_of(m_discs.begin(), m_discs.end(), [&](const auto &cell) { return overlaps(cell.second); });
    for (int cx = left; cx <= right; ++cx) {
        for (int cy = top; cy <= bottom; ++cy) {
            const auto cell = m_discs.find(key(cx, cy));
            if (cell != m_discs.end() && overlaps(cell->second))
                return true;
        }
    }
    return false;
}

void StrokeRecord::index(const Stroke &s, Index i)
{
    if (s.kind == Kind::Point)
        pointAt(static_cast<int>(s.a.x()), static_cast<int>(s.a.y())) = i;
    else if (isDisc(s))
        m_discs[cellKey(s.a)].push_back(i);
    else
        m_same[sameKey(s, textOf(s), discsOf(s))] = i;
}

void StrokeRecord::compact()
{
    StrokeList kept = list();
    m_strokes = std::move(kept.strokes);
    m_texts = std::move(kept.texts);
    m_batches = std::move(kept.discs);
    m_gone = 0;
    std::fill(m_points.begin(), m_points.end(), none);
    m_discs.clear();
    m_same.clear();
    m_lastOther = none;
    for (std::size_t i = 0; i < m_strokes.size(); ++i) {
        index(m_strokes[i], static_cast<Index>(i));
        if (m_strokes[i].kind != Kind::Point)
            m_lastOther = static_cast<Index>(i);
    }
}

namespace {

// Points that share no pixel, in any order: one rectangle for each run of
// neighbours of a colour along a row.
void paintPoints(QPainter &p, std::vector<const Stroke *> &points)
{
    if (points.empty())
        return;
    std::sort(points.begin(), points.end(), [](const Stroke *x, const Stroke *y) {
        return std::tuple(x->colour, x->a.y(), x->a.x()) < std::tuple(y->colour, y->a.y(), y->a.x());
    });
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    std::vector<QRectF> rects;
    for (std::size_t i = 0; i < points.size();) {
        const QRgb colour = points[i]->colour;
        rects.clear();
        for (; i < points.size() && points[i]->colour == colour; ++i) {
            const QPointF at = points[i]->a;
            if (!rects.empty() && rects.back().top() == at.y() && rects.back().right() == at.x())
                rects.back().setRight(at.x() + 1);
            else
                rects.emplace_back(at, QSizeF(1, 1));
        }
        p.setBrush(QColor::fromRgb(colour));
        p.drawRects(rects.data(), static_cast<int>(rects.size()));
    }
    p.setBrush(Qt::NoBrush);
    points.clear();
}

} // namespace

StrokeList StrokeRecord::list() const
{
    StrokeList list;
    list.strokes.reserve(size());
    for (const Stroke &s : m_strokes) {
        if (s.kind == Kind::Gone)
            continue;
        list.strokes.push_back(s);
        if (const StrokeText *t = textOf(s)) {
            list.strokes.back().text = static_cast<int>(list.texts.size());
            list.texts.push_back(*t);
        } else if (s.kind == Kind::Discs) {
            list.strokes.back().text = static_cast<int>(list.discs.size());
            list.discs.push_back(m_batches[std::size_t(s.text)]);
        }
    }
    return list;
}

void LabelList::add(Stroke s, const StrokeText &text)
{
    for (const Stroke &kept : strokes) {
        const StrokeText &t = texts[std::size_t(kept.text)];
        if (kept.a == s.a && kept.colour == s.colour && t.text == text.text && t.font == text.font)
            return;
    }
    s.text = static_cast<int>(texts.size());
    texts.push_back(text);
    strokes.push_back(s);
}

void LabelList::clear()
{
    strokes.clear();
    texts.clear();
}

void LabelList::paint(QPainter &p, QRgb background) const
{
    p.save();
    for (const Stroke &s : strokes) {
        const StrokeText &t = texts[std::size_t(s.text)];
        p.setFont(t.font);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setPen(QColor::fromRgb(background));
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (dx != 0 || dy != 0)
                    p.drawText(s.a + QPointF(dx, dy), t.text);
        paintStroke(p, s, &t);
    }
    p.restore();
}

namespace {

// The screen draws a line without soft edges: one an odd number of device
// pixels wide takes the pixels right of and below its points, and as
// vectors it lies half a device pixel further.
double lineShift(const Stroke &s, double devicePixelRatio)
{
    const bool straight = s.kind == Kind::Line || s.kind == Kind::Rect;
    return straight && std::lround(s.width * devicePixelRatio) % 2 == 1 ? 0.5 / devicePixelRatio : 0;
}

// Solid lines drawn one after another, painted as polylines: a curve drawn
// segment by segment, several curves in turn, comes out as one polyline a
// curve rather than thousands of lines. A segment continues the polyline of
// its pen that ends where it starts, unless a line of another pen painted
// after that polyline but drawn before the segment comes near it: where
// lines cross, the one drawn later still lies on top.
class LineBatch
{
public:
    static bool takes(const Stroke &s) { return s.kind == Kind::Line && (s.style == DrawStyle::Solid || s.width > 1); }

    void add(const Stroke &s)
    {
        const double reach = s.width / 2.0 + 1;
        const QRectF bounds = QRectF(s.a, s.b).normalized().adjusted(-reach, -reach, reach, reach);
        const auto end = m_ends.find(endKey(s, s.a));
        int chain = -1;
        if (end != m_ends.end() && clear(end->second, s, bounds)) {
            chain = end->second;
            m_ends.erase(end);
            m_chains[std::size_t(chain)].points.push_back(s.b);
        } else {
            chain = static_cast<int>(m_chains.size());
            m_chains.push_back({&s, {s.a, s.b}});
        }
        m_ends[endKey(s, s.b)] = chain;
        const int left = cellOf(bounds.left()), right = cellOf(bounds.right());
        const int top = cellOf(bounds.top()), bottom = cellOf(bounds.bottom());
        for (int cx = left; cx <= right; ++cx)
            for (int cy = top; cy <= bottom; ++cy)
                m_cells[key(cx, cy)].push_back({bounds, chain});
    }

    void paint(QPainter &p, double devicePixelRatio)
    {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        for (const Chain &c : m_chains) {
            const double shift = lineShift(*c.pen, devicePixelRatio);
            p.translate(shift, shift);
            p.setPen(strokePen(*c.pen));
            if (c.points.size() == 2)
                p.drawLine(c.points[0], c.points[1]);
            else
                p.drawPolyline(c.points.data(), static_cast<int>(c.points.size()));
            p.translate(-shift, -shift);
        }
        m_chains.clear();
        m_ends.clear();
        m_cells.clear();
    }

private:
    struct Chain
    {
        const Stroke *pen;
        std::vector<QPointF> points;
    };
    struct Placed
    {
        QRectF bounds;
        int chain;
    };

    static bool samePen(const Stroke &x, const Stroke &y) { return x.colour == y.colour && x.width == y.width; }
    // A polyline's end, by its pen and its point to 1/1024 of a pixel.
    static std::size_t endKey(const Stroke &s, const QPointF &at)
    {
        return qHashMulti(0, s.colour, s.width, std::llround(at.x() * 1024), std::llround(at.y() * 1024));
    }
    // Whether the segment may join `chain`: no line of another pen in a
    // later polyline, drawn before it, comes near it.
    bool clear(int chain, const Stroke &s, const QRectF &bounds) const
    {
        if (!samePen(*m_chains[std::size_t(chain)].pen, s))
            return false;
        const int left = cellOf(bounds.left()), right = cellOf(bounds.right());
        const int top = cellOf(bounds.top()), bottom = cellOf(bounds.bottom());
        for (int cx = left; cx <= right; ++cx) {
            for (int cy = top; cy <= bottom; ++cy) {
                const auto cell = m_cells.find(key(cx, cy));
                if (cell == m_cells.end())
                    continue;
                for (const Placed &other : cell->second)
                    if (other.chain > chain && !samePen(*m_chains[std::size_t(other.chain)].pen, s)
                        && other.bounds.intersects(bounds))
                        return false;
            }
        }
        return true;
    }

    std::vector<Chain> m_chains;
    std::unordered_map<std::size_t, int> m_ends; // open polylines, by their pen and end
    std::unordered_map<std::uint64_t, std::vector<Placed>> m_cells;
};

} // namespace

void StrokeList::paint(QPainter &p, double devicePixelRatio) const
{
    std::vector<const Stroke *> points;
    LineBatch lines;
    bool linesPending = false;
    for (const Stroke &s : strokes) {
        if (s.kind == Kind::Point) {
            if (std::exchange(linesPending, false))
                lines.paint(p, devicePixelRatio);
            points.push_back(&s);
            continue;
        }
        paintPoints(p, points);
        if (LineBatch::takes(s)) {
            lines.add(s);
            linesPending = true;
            continue;
        }
        if (std::exchange(linesPending, false))
            lines.paint(p, devicePixelRatio);
        const double shift = lineShift(s, devicePixelRatio);
        p.translate(shift, shift);
        paintStroke(p, s, s.kind == Kind::Text ? &texts[std::size_t(s.text)] : nullptr,
                    s.kind == Kind::Discs ? discs[std::size_t(s.text)].get() : nullptr);
        p.translate(-shift, -shift);
    }
    if (linesPending)
        lines.paint(p, devicePixelRatio);
    paintPoints(p, points);
}

namespace {

// x times a / 255 in each of the four bytes, rounded as the painter does.
inline QRgb byteMul(QRgb x, uint a)
{
    uint t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = x + ((x >> 8) & 0xff00ff) + 0x800080;
    x &= 0xff00ff00;
    return x | t;
}

} // namespace

DiscStamp::Size &DiscStamp::size(QPointF radii, double shadeOffset)
{
    for (Size &kept : m_sizes)
        if (kept.radii == radii && kept.shadeOffset == shadeOffset)
            return kept;
    Size fresh{radii, shadeOffset, std::vector<Coverage>(std::size_t(phases) * phases), {}};
    if (m_sizes.size() < sizesKept) {
        m_sizes.push_back(std::move(fresh));
        return m_sizes.back();
    }
    Size &given = m_sizes[m_nextSize];
    m_nextSize = (m_nextSize + 1) % sizesKept;
    given = std::move(fresh);
    return given;
}

const DiscStamp::Coverage &DiscStamp::coverage(Size &size, int phase)
{
    Coverage &c = size.coverage[std::size_t(phase)];
    if (c.rendered)
        return c;
    c.rendered = true;
    // The disc and its shade as the painter fills them, the disc's centre
    // that far into a pixel, with room around them; then only the rows and
    // columns they cover.
    const QPointF r = size.radii;
    const int padX = static_cast<int>(std::ceil(r.x())) + 1;
    const int padY = static_cast<int>(std::ceil(r.y())) + 1;
    const int reach = static_cast<int>(std::ceil(size.shadeOffset));
    const QPointF centre(padX + double(phase % phases) / phases, padY + double(phase / phases) / phases);
    const auto render = [&](QPointF at) {
        QImage disc(2 * padX + 2 + reach, 2 * padY + 2 + reach, QImage::Format_ARGB32_Premultiplied);
        disc.fill(Qt::transparent);
        QPainter p(&disc);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(at, r.x(), r.y());
        p.end();
        return disc;
    };
    const QImage disc = render(centre);
    const QImage shade = render(centre + QPointF(size.shadeOffset, size.shadeOffset));
    const auto alpha = [](const QImage &image, int x, int y) {
        return static_cast<uchar>(qAlpha(reinterpret_cast<const QRgb *>(image.constScanLine(y))[x]));
    };
    int left = disc.width(), right = -1, top = disc.height(), bottom = -1;
    for (int y = 0; y < disc.height(); ++y)
        for (int x = 0; x < disc.width(); ++x)
            if (alpha(disc, x, y) || alpha(shade, x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return c; // too small to cover anything
    c.left = left - padX;
    c.top = top - padY;
    c.width = right - left + 1;
    c.height = bottom - top + 1;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x < left + c.width; ++x) {
            const bool inside = x < disc.width();
            c.disc.push_back(inside ? alpha(disc, x, y) : 0);
            c.shade.push_back(inside ? alpha(shade, x, y) : 0);
        }
    return c;
}

DiscStamp::Look &DiscStamp::look(Size &size, QRgb colour, QRgb shade)
{
    for (Look &kept : size.looks)
        if (kept.colour == colour && kept.shade == shade)
            return kept;
    size.looks.push_back({colour, shade, std::vector<std::vector<QRgb>>(std::size_t(phases) * phases)});
    return size.looks.back();
}

const std::vector<QRgb> &DiscStamp::sprite(Size &size, Look &look, int phase)
{
    std::vector<QRgb> &sprite = look.sprites[std::size_t(phase)];
    if (!sprite.empty())
        return sprite;
    const Coverage &c = coverage(size, phase);
    const bool shaded = look.shade != look.colour;
    sprite.reserve(c.disc.size() + 1);
    // The shade blended over the pixel, then the disc over that: what is
    // left of the pixel, and what the two add, premultiplied.
    for (std::size_t i = 0; i < c.disc.size(); ++i) {
        const double disc = c.disc[i] / 255.0;
        const double under = shaded ? c.shade[i] / 255.0 * (1 - disc) : 0;
        const auto channel = [&](int shift) {
            const double added = ((look.colour >> shift) & 0xff) * disc + ((look.shade >> shift) & 0xff) * under;
            return uint(std::lround(added)) << shift;
        };
        const uint alpha = uint(std::lround(255 * (disc + under)));
        sprite.push_back(alpha << 24 | channel(16) | channel(8) | channel(0));
    }
    sprite.push_back(0); // never empty once made
    return sprite;
}

void DiscStamp::stamp(QImage &image, const Stroke &s, const DiscBatch &discs)
{
    Q_ASSERT(image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied);
    const double dpr = image.devicePixelRatio();
    Size &sized = size(s.b * dpr, dpr);
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int width = image.width(), height = image.height();
    // The looks of the batch: a run's kinds, in turn.
    std::array<Look *, 4> recent{};
    std::size_t next = 0;
    for (const DiscBatch::Disc &d : discs.discs) {
        const double x = d.x * dpr, y = d.y * dpr;
        if (!(std::fabs(x) < 1e6 && std::fabs(y) < 1e6))
            continue;
        Look *last = nullptr;
        for (Look *l : recent)
            if (l && l->colour == d.colour && l->shade == d.shade)
                last = l;
        if (!last) {
            last = &look(sized, d.colour, d.shade);
            recent[next] = last;
            next = (next + 1) % recent.size();
        }
        // The centre to the nearest of the phases, then its pixel and phase.
        constexpr int offset = (1 << 22) * phases; // keeps the rounding away from zero
        const int qx = static_cast<int>(x * phases + 0.5 + offset) - offset;
        const int qy = static_cast<int>(y * phases + 0.5 + offset) - offset;
        static_assert((phases & (phases - 1)) == 0, "the phase is the low bits");
        constexpr int bitsOfPhase = std::countr_zero(unsigned(phases));
        const int phase = (qy & (phases - 1)) * phases + (qx & (phases - 1));
        const std::vector<QRgb> &made = last->sprites[std::size_t(phase)];
        const std::vector<QRgb> &sprite = made.empty() ? this->sprite(sized, *last, phase) : made;
        const Coverage &c = sized.coverage[std::size_t(phase)];
        const int x0 = (qx >> bitsOfPhase) + c.left, y0 = (qy >> bitsOfPhase) + c.top;
        const int left = std::max(0, x0), right = std::min(width, x0 + c.width);
        const int top = std::max(0, y0), bottom = std::min(height, y0 + c.height);
        for (int row = top; row < bottom; ++row) {
            auto *line = reinterpret_cast<QRgb *>(bits + row * stride);
            const QRgb *from = sprite.data() + std::size_t(row - y0) * std::size_t(c.width);
            for (int column = left; column < right; ++column) {
                const QRgb over = from[column - x0];
                line[column] = over + byteMul(line[column], 255 - qAlpha(over));
            }
        }
    }
}

} // namespace toolkit
