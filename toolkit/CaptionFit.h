// How a control shows its whole caption: the font shrinks from its designed
// size to the readable floor, then the control grows, and a control designed
// for a larger window than it is shown in is kept inside it.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <functional>

namespace toolkit {

// The smallest font a caption shrinks to, in points: below it the control
// grows instead.
inline constexpr double readableFloorPoints = 7;

// Where a control designed at `designed` (pixels) goes in a container whose
// client area is `bounds`: unchanged when it fits; sticking out over an edge,
// it ends there while it keeps at least half its size and moves back in
// otherwise.
QRect keptInside(const QRect &designed, const QRect &bounds);

// What fitting a caption needs from the widget that shows it.
class CaptionSurface
{
public:
    enum class Wrap {
        Never,    // one line, always
        Designed, // on several lines when the box holds two at the designed size
        Always,   // whenever the words fit the box better so
    };

    virtual ~CaptionSurface() = default;
    virtual QString captionText() const = 0;
    // Where the caption is drawn in a widget of this size, widget coordinates.
    virtual QRect textBox(const QSize &size, const QFont &font) const = 0;
    virtual Qt::Alignment textAlignment() const = 0;
    virtual Wrap wrapping() const = 0;
    virtual void showCaption(const QFont &font, bool wrap) = 0;
};

struct FittedCaption
{
    QFont font;
    bool wrap = false;
    QRect rect;
};

// How much a rectangle would cover of the controls beside it.
using Overlap = std::function<qint64(const QRect &)>;

// The largest font from the designed size down to the readable floor that
// shows the whole caption in the designed box; below the floor the box grows,
// the way its caption is aligned or, where that covers other controls, the
// way that covers least of them.
FittedCaption fitCaption(const CaptionSurface &surface, const QFont &base, const QRect &designed, const QRect &bounds,
                         const Overlap &overlap);

} // namespace toolkit
