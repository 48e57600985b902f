#include "toolkit/CaptionFit.h"

#include "toolkit/Fonts.h"

#include <QFontMetrics>

#include <algorithm>
#include <optional>

namespace toolkit {

namespace {

// Room left beside a fitted caption, so that hinting at another scale factor
// never pushes its last letter over the edge.
constexpr int captionSlack = 1;

QSize textSize(const QFont &font, const QString &text, bool wrap, int width)
{
    const QFontMetrics metrics(font);
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wrap ? Qt::TextWordWrap : 0);
    return metrics.boundingRect(QRect(0, 0, wrap ? std::max(1, width) : 1 << 20, 1 << 20), flags, text).size();
}

bool captionFits(const QFont &font, const QString &text, bool wrap, const QRect &box)
{
    const QSize needed = textSize(font, text, wrap, box.width() - captionSlack);
    return needed.width() + captionSlack <= box.width() && needed.height() <= box.height();
}

QFont sized(QFont font, double points)
{
    font.setPointSizeF(points);
    return font;
}

// Grows `rect` to `size` the way its caption is aligned (a left-aligned
// caption grows to the right, a centred one both ways), then keeps it inside
// `bounds`.
QRect grownRect(const QRect &rect, const QSize &size, Qt::Alignment alignment, const QRect &bounds)
{
    QRect r = rect;
    const int dw = size.width() - rect.width();
    const int dh = size.height() - rect.height();
    if (dw > 0) {
        if (alignment & Qt::AlignRight)
            r.setLeft(r.left() - dw);
        else if (alignment & Qt::AlignHCenter)
            r.setLeft(r.left() - dw / 2);
        r.setWidth(size.width());
    }
    if (dh > 0) {
        if (alignment & Qt::AlignBottom)
            r.setTop(r.top() - dh);
        else if (alignment & Qt::AlignVCenter)
            r.setTop(r.top() - dh / 2);
        r.setHeight(size.height());
    }
    if (!bounds.isValid())
        return r;
    r.moveLeft(std::max(bounds.left(), std::min(r.left(), bounds.right() + 1 - r.width())));
    r.moveTop(std::max(bounds.top(), std::min(r.top(), bounds.bottom() + 1 - r.height())));
    return r.intersected(bounds);
}

// What is being fitted: the caption without its trailing blanks (they show
// nothing, so they need no room) and where its control was designed.
struct Fitting
{
    const CaptionSurface &surface;
    QString text;
    QFont base;
    QRect designed;
    QRect bounds;
    const Overlap &overlap;
    bool wrap = false;
};

bool wrapsAtDesign(const CaptionSurface &surface, const QFont &base, const QRect &designed)
{
    switch (surface.wrapping()) {
    case CaptionSurface::Wrap::Never:
        return false;
    case CaptionSurface::Wrap::Designed:
        return surface.textBox(designed.size(), base).height() >= 2 * QFontMetrics(base).lineSpacing();
    case CaptionSurface::Wrap::Always:
        return true;
    }
    return false;
}

// The largest size from the designed one down to the floor, in steps of a
// quarter point, at which the caption fits its designed box; none when even
// the floor is too large.
std::optional<QFont> shrunkFont(const Fitting &f, double designedPoints, double floorPoints)
{
    auto fitsAt = [&](double points) {
        const QFont font = sized(f.base, points);
        return captionFits(font, f.text, f.wrap, f.surface.textBox(f.designed.size(), font));
    };
    if (fitsAt(designedPoints))
        return f.base;
    if (!fitsAt(floorPoints))
        return std::nullopt;
    double good = floorPoints, bad = designedPoints;
    while (bad - good > 0.25) {
        const double middle = (good + bad) / 2;
        (fitsAt(middle) ? good : bad) = middle;
    }
    return sized(f.base, good);
}

// The designed box grown to `size` the way its caption is aligned, or, where
// that would cover other controls, whichever way covers the least of them.
QRect grownBox(const Fitting &f, const QSize &size)
{
    const Qt::Alignment alignment = f.surface.textAlignment();
    const QRect natural = grownRect(f.designed, size, alignment, f.bounds);
    if (!f.overlap || natural == f.designed)
        return natural;
    const bool wider = size.width() > f.designed.width();
    const Qt::Alignment across =
        wider ? Qt::Alignment(Qt::AlignHorizontal_Mask) : Qt::Alignment(Qt::AlignVertical_Mask);
    QRect best = natural;
    qint64 least = f.overlap(natural);
    static const Qt::Alignment sideways[] = {Qt::AlignRight, Qt::AlignHCenter, Qt::AlignLeft};
    static const Qt::Alignment upDown[] = {Qt::AlignBottom, Qt::AlignVCenter, Qt::AlignTop};
    for (Qt::Alignment way : wider ? sideways : upDown) {
        if (least == 0)
            break;
        const QRect other = grownRect(f.designed, size, (alignment & ~across) | way, f.bounds);
        const qint64 covered = f.overlap(other);
        if (covered < least) {
            best = other;
            least = covered;
        }
    }
    return best;
}

// Even the floor is too large: the control grows, on one line or wrapped.
// The caption's box keeps its distance from the control's edges.
FittedCaption grownCaption(const Fitting &f, const QFont &font)
{
    const QRect floorBox = f.surface.textBox(f.designed.size(), font);
    const QSize frame = f.designed.size() - floorBox.size();
    const int widest = f.bounds.isValid() ? f.bounds.width() - frame.width() : 1 << 20;
    auto grownTo = [&](const QSize &needed) { return grownBox(f, (needed + frame).expandedTo(f.designed.size())); };
    // On one line, as wide as the caption.
    const QSize line = textSize(font, f.text, false, 0) + QSize(captionSlack, 0);
    // Wrapped in the box's width (or the longest word's), as tall as it takes.
    auto wrapped = [&] {
        const int longestWord = textSize(font, f.text, true, 1).width() + captionSlack;
        const int width = std::clamp(std::max(floorBox.width(), longestWord), 1, std::max(1, widest));
        QSize needed = textSize(font, f.text, true, width - captionSlack) + QSize(captionSlack, 0);
        needed.setWidth(std::max(needed.width(), floorBox.width()));
        return grownTo(needed);
    };
    const bool oneLineOnly = f.surface.wrapping() == CaptionSurface::Wrap::Never;
    if (f.wrap || (!oneLineOnly && line.width() > widest))
        return {font, true, wrapped()};
    if (oneLineOnly)
        return {font, false, grownTo(line)};
    // A one-line caption that still covers its neighbours rather wraps, when
    // its box is wide enough for a phrase a line and the neighbours are
    // spared so.
    const QRect widened = grownTo(line);
    if (f.overlap && floorBox.width() >= 12 * QFontMetrics(font).averageCharWidth()) {
        const QRect taller = wrapped();
        if (f.overlap(taller) < f.overlap(widened))
            return {font, true, taller};
    }
    return {font, false, widened};
}

} // namespace

// A control designed for a larger window than it is shown in: one that sticks
// out over an edge ends at that edge while it keeps at least half its size,
// otherwise it moves back in whole; one larger than the window takes all of it.
QRect keptInside(const QRect &designed, const QRect &bounds)
{
    if (!bounds.isValid() || bounds.contains(designed))
        return designed;
    auto keep = [](int start, int length, int lowest, int highest, int &newStart, int &newLength) {
        const int from = std::max(start, lowest);
        const int to = std::min(start + length, highest);
        if (from == start && to == start + length) {
            newStart = start;
            newLength = length;
        } else if (2 * (to - from) >= length) {
            newStart = from;
            newLength = to - from;
        } else {
            newLength = std::min(length, highest - lowest);
            newStart = std::clamp(start, lowest, highest - newLength);
        }
    };
    int x = 0, w = 0, y = 0, h = 0;
    keep(designed.left(), designed.width(), bounds.left(), bounds.right() + 1, x, w);
    keep(designed.top(), designed.height(), bounds.top(), bounds.bottom() + 1, y, h);
    return QRect(x, y, std::max(0, w), std::max(0, h));
}

FittedCaption fitCaption(const CaptionSurface &surface, const QFont &base, const QRect &designed, const QRect &bounds,
                         const Overlap &overlap)
{
    Fitting f{surface, surface.captionText(), base, designed, bounds, overlap};
    while (!f.text.isEmpty() && f.text.back().isSpace())
        f.text.chop(1);
    if (f.text.isEmpty() || designed.width() <= 0 || designed.height() <= 0)
        return {base, surface.wrapping() != CaptionSurface::Wrap::Never, designed};

    const double designedPoints = base.pointSizeF() > 0 ? base.pointSizeF() : fonts::defaultPointSize;
    const double floorPoints = std::min(designedPoints, readableFloorPoints);
    f.wrap = wrapsAtDesign(surface, base, designed);
    if (const auto font = shrunkFont(f, designedPoints, floorPoints))
        return {*font, f.wrap, designed};
    // Too long for one line even at the floor, it may still show whole on
    // several in its own box rather than reach over its neighbours.
    if (!f.wrap && surface.wrapping() != CaptionSurface::Wrap::Never) {
        f.wrap = true;
        if (const auto font = shrunkFont(f, designedPoints, floorPoints))
            return {*font, true, designed};
        f.wrap = false;
    }
    return grownCaption(f, sized(base, floorPoints));
}

} // namespace toolkit
