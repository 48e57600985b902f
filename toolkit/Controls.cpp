#include "toolkit/Controls.h"

#include "toolkit/Form.h"
#include "toolkit/Registry.h"
#include "toolkit/Screen.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBrowser>

#include <algorithm>
#include <cmath>

namespace toolkit {

void fire(const Handler &handler)
{
    if (handler && !ended())
        handler();
}

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

} // namespace

// A control designed for a larger window than it is shown in: one that sticks
// out over an edge ends at that edge while it keeps at least half its size,
// otherwise it moves back in whole; one larger than the window takes all of it.
QRect keptInside(const QRect &designed, const QRect &bounds)
{
    if (!bounds.isValid() || bounds.contains(designed))
        return designed;
    QRect r = designed;
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
    keep(r.left(), r.width(), bounds.left(), bounds.right() + 1, x, w);
    keep(r.top(), r.height(), bounds.top(), bounds.bottom() + 1, y, h);
    return QRect(x, y, std::max(0, w), std::max(0, h));
}

namespace {

struct Fitted
{
    QFont font;
    bool wrap = false;
    QRect rect;
};

// The largest font from the designed size down to the readable floor that
// shows the whole caption in the designed box; below the floor the box grows.
Fitted fitCaption(const CaptionSurface &surface, const QFont &base, const QRect &designed, const QRect &bounds,
                  const std::function<qint64(const QRect &)> &overlap)
{
    // Blanks at the end of a caption show nothing, so they need no room.
    QString text = surface.captionText();
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    using Wrap = CaptionSurface::Wrap;
    const double designedPoints = base.pointSizeF() > 0 ? base.pointSizeF() : 8.25;
    const double floorPoints = std::min(designedPoints, readableFloorPoints);
    if (text.isEmpty() || designed.width() <= 0 || designed.height() <= 0)
        return {base, surface.wrapping() != Wrap::Never, designed};

    const QRect box = surface.textBox(designed.size(), base);
    bool wrap = false;
    switch (surface.wrapping()) {
    case Wrap::Never:
        break;
    case Wrap::Designed:
        wrap = box.height() >= 2 * QFontMetrics(base).lineSpacing();
        break;
    case Wrap::Always:
        wrap = true;
        break;
    }
    auto fitsAt = [&](double points) {
        const QFont font = sized(base, points);
        return captionFits(font, text, wrap, surface.textBox(designed.size(), font));
    };
    if (fitsAt(designedPoints))
        return {base, wrap, designed};
    if (fitsAt(floorPoints)) {
        double good = floorPoints, bad = designedPoints;
        while (bad - good > 0.25) {
            const double middle = (good + bad) / 2;
            (fitsAt(middle) ? good : bad) = middle;
        }
        return {sized(base, good), wrap, designed};
    }

    // Even the floor is too large: the control grows. The caption's box
    // keeps its distance from the control's edges.
    const QFont font = sized(base, floorPoints);
    const QRect floorBox = surface.textBox(designed.size(), font);
    const QSize frame = designed.size() - floorBox.size();
    const int widest = bounds.isValid() ? bounds.width() - frame.width() : 1 << 20;
    const Qt::Alignment alignment = surface.textAlignment();
    // The box grows the way its caption is aligned, or, where that would
    // cover other controls, whichever way covers the least of them.
    auto grownTo = [&](const QSize &needed) {
        const QSize size = (needed + frame).expandedTo(designed.size());
        const QRect natural = grownRect(designed, size, alignment, bounds);
        if (!overlap || natural == designed)
            return natural;
        const bool wider = size.width() > designed.width();
        const Qt::Alignment across = wider ? Qt::Alignment(Qt::AlignHorizontal_Mask) : Qt::Alignment(Qt::AlignVertical_Mask);
        QRect best = natural;
        qint64 least = overlap(natural);
        static const Qt::Alignment sideways[] = {Qt::AlignRight, Qt::AlignHCenter, Qt::AlignLeft};
        static const Qt::Alignment upDown[] = {Qt::AlignBottom, Qt::AlignVCenter, Qt::AlignTop};
        for (Qt::Alignment way : wider ? sideways : upDown) {
            if (least == 0)
                break;
            const QRect other = grownRect(designed, size, (alignment & ~across) | way, bounds);
            const qint64 covered = overlap(other);
            if (covered < least) {
                best = other;
                least = covered;
            }
        }
        return best;
    };
    // On one line, as wide as the caption.
    const QSize line = textSize(font, text, false, 0) + QSize(captionSlack, 0);
    // Wrapped in the box's width (or the longest word's), as tall as it takes.
    auto wrapped = [&] {
        const int longestWord = textSize(font, text, true, 1).width() + captionSlack;
        const int width = std::clamp(std::max(floorBox.width(), longestWord), 1, std::max(1, widest));
        QSize needed = textSize(font, text, true, width - captionSlack) + QSize(captionSlack, 0);
        needed.setWidth(std::max(needed.width(), floorBox.width()));
        return grownTo(needed);
    };
    if (wrap)
        return {font, true, wrapped()};
    if (surface.wrapping() == Wrap::Never || line.width() > widest) {
        if (surface.wrapping() != Wrap::Never)
            return {font, true, wrapped()};
        return {font, false, grownTo(line)};
    }
    // A one-line caption that still covers its neighbours rather wraps, when
    // its box is wide enough for a phrase a line and the neighbours are
    // spared so.
    const QRect widened = grownTo(line);
    if (overlap && floorBox.width() >= 12 * QFontMetrics(font).averageCharWidth()) {
        const QRect taller = wrapped();
        if (overlap(taller) < overlap(widened))
            return {font, true, taller};
    }
    return {font, false, widened};
}

QStyleOptionButton buttonOption(const QAbstractButton *button, const QSize &size, const QFont &font)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(QPoint(0, 0), size);
    option.fontMetrics = QFontMetrics(font);
    option.text = button->text();
    return option;
}

// A label or display-only text box whose caption the control fits.
class LabelWidget final : public QLabel, public CaptionSurface
{
public:
    explicit LabelWidget(QWidget *parent)
        : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
        setIndent(0);
    }

    QString captionText() const override { return text(); }
    QRect textBox(const QSize &size, const QFont &) const override
    {
        const int inset = frameWidth() + margin();
        return QRect(inset, inset, size.width() - 2 * inset, size.height() - 2 * inset);
    }
    Qt::Alignment textAlignment() const override { return alignment(); }
    Wrap wrapping() const override { return Wrap::Designed; }
    void showCaption(const QFont &font, bool wrap) override
    {
        setWordWrap(wrap);
        if (font != QLabel::font())
            QLabel::setFont(font);
    }
};

// A push button whose caption wraps onto several lines when it needs to. It
// also answers Return when it has the focus.
class ButtonWidget final : public QPushButton, public CaptionSurface
{
public:
    explicit ButtonWidget(QWidget *parent)
        : QPushButton(parent)
    {
        setAutoDefault(false);
    }

    QString captionText() const override { return text(); }
    QRect textBox(const QSize &size, const QFont &font) const override
    {
        const QStyleOptionButton option = buttonOption(this, size, font);
        // A little air between the caption and the bevel.
        return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 1, -2, -1);
    }
    Qt::Alignment textAlignment() const override { return Qt::AlignCenter; }
    Wrap wrapping() const override { return Wrap::Always; }
    void showCaption(const QFont &font, bool) override
    {
        if (font != QPushButton::font())
            QPushButton::setFont(font);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.drawItemText(textBox(size(), font()), Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                             QPalette::ButtonText);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// A radio button that a click always sets and never clears: the group is
// managed by OptionButton.
class RadioWidget final : public QRadioButton, public CaptionSurface
{
public:
    using QRadioButton::QRadioButton;

    QString captionText() const override { return text(); }
    QRect textBox(const QSize &size, const QFont &font) const override
    {
        const QStyleOptionButton option = buttonOption(this, size, font);
        return style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    }
    Qt::Alignment textAlignment() const override { return Qt::AlignLeft | Qt::AlignVCenter; }
    Wrap wrapping() const override { return Wrap::Never; }
    void showCaption(const QFont &font, bool) override
    {
        if (font != QRadioButton::font())
            QRadioButton::setFont(font);
    }

protected:
    void nextCheckState() override { setChecked(true); }
};

class CheckWidget final : public QCheckBox, public CaptionSurface
{
public:
    using QCheckBox::QCheckBox;

    QString captionText() const override { return text(); }
    QRect textBox(const QSize &size, const QFont &font) const override
    {
        const QStyleOptionButton option = buttonOption(this, size, font);
        return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    }
    Qt::Alignment textAlignment() const override { return Qt::AlignLeft | Qt::AlignVCenter; }
    Wrap wrapping() const override { return Wrap::Never; }
    void showCaption(const QFont &font, bool) override
    {
        if (font != QCheckBox::font())
            QCheckBox::setFont(font);
    }
};

// A scroll bar that takes the focus and shows when it has it.
class BarWidget final : public QScrollBar
{
public:
    BarWidget(Qt::Orientation orientation, QWidget *parent)
        : QScrollBar(orientation, parent)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QScrollBar::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }

    // Arrows move by the small change towards their side (left and up to the
    // left or top end), Page Up and Page Down by the large change, Home and
    // End to the ends, whichever way the bar runs.
    void keyPressEvent(QKeyEvent *event) override
    {
        if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        const bool flipped = invertedAppearance();
        auto towardsEnd = [flipped](SliderAction forward, SliderAction back) { return flipped ? back : forward; };
        SliderAction action = SliderNoAction;
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            action = towardsEnd(SliderSingleStepSub, SliderSingleStepAdd);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            action = towardsEnd(SliderSingleStepAdd, SliderSingleStepSub);
            break;
        case Qt::Key_PageUp:
            action = towardsEnd(SliderPageStepSub, SliderPageStepAdd);
            break;
        case Qt::Key_PageDown:
            action = towardsEnd(SliderPageStepAdd, SliderPageStepSub);
            break;
        case Qt::Key_Home:
            action = towardsEnd(SliderToMinimum, SliderToMaximum);
            break;
        case Qt::Key_End:
            action = towardsEnd(SliderToMaximum, SliderToMinimum);
            break;
        default:
            QScrollBar::keyPressEvent(event);
            return;
        }
        triggerAction(action);
        event->accept();
    }

    void focusInEvent(QFocusEvent *event) override
    {
        QScrollBar::focusInEvent(event);
        update();
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        QScrollBar::focusOutEvent(event);
        update();
    }
};

class ShapeWidget final : public QWidget
{
public:
    explicit ShapeWidget(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    ShapeKind kind = ShapeKind::Rectangle;
    QColor fill = Qt::black;
    bool fillSolid = false;
    QColor back;
    bool backOpaque = false;
    QColor border = Qt::black;
    int borderWidth = 1;
    bool borderVisible = true;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, kind == ShapeKind::Circle || kind == ShapeKind::Oval);
        const double inset = borderVisible ? borderWidth / 2.0 : 0;
        QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
        if (kind == ShapeKind::Circle || kind == ShapeKind::Square) {
            const double side = std::min(r.width(), r.height());
            r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        }
        p.setPen(borderVisible ? QPen(border, borderWidth) : QPen(Qt::NoPen));
        const bool round = kind == ShapeKind::Circle || kind == ShapeKind::Oval;
        if (backOpaque) {
            p.setBrush(back);
            round ? p.drawEllipse(r) : p.drawRect(r);
        }
        p.setBrush(fillSolid ? QBrush(fill) : QBrush(Qt::NoBrush));
        round ? p.drawEllipse(r) : p.drawRect(r);
    }
};

class LineWidget final : public QWidget
{
public:
    explicit LineWidget(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    QPointF from, to;
    QColor color = Qt::black;
    int width = 1;
    QPoint clipped; // how much of the line's box the container cut off at the top left

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.translate(-clipped);
        p.setRenderHint(QPainter::Antialiasing, from.x() != to.x() && from.y() != to.y());
        QPen pen(color, width);
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
        p.drawLine(from, to);
    }
};

} // namespace

// ---------------------------------------------------------------- Control

Control::Control(Canvas *container, const QString &name, QWidget *widget)
    : QObject(container)
    , m_container(container)
    , m_widget(widget)
{
    setObjectName(name);
    widget->setObjectName(name);
    widget->setFont(makeFont(m_fontName, m_fontSize, false, false));
}

void Control::applyFont(const QFont &font)
{
    if (m_widget)
        m_widget->setFont(font);
}

Control::~Control()
{
    delete m_widget.data();
}

double Control::left() const { return m_container->xFromTwips(m_left); }
double Control::top() const { return m_container->yFromTwips(m_top); }
double Control::width() const { return m_container->widthFromTwips(m_width); }
double Control::height() const { return m_container->heightFromTwips(m_height); }

void Control::setLeft(double left)
{
    m_left = m_container->xToTwips(left);
    applyGeometry();
}

void Control::setTop(double top)
{
    m_top = m_container->yToTwips(top);
    applyGeometry();
}

void Control::setWidth(double width)
{
    m_width = m_container->widthToTwips(width);
    applyGeometry();
}

void Control::setHeight(double height)
{
    m_height = m_container->heightToTwips(height);
    applyGeometry();
}

void Control::move(double left, double top, double width, double height)
{
    const QRectF twips = m_container->rectToTwips(left, top, width, height);
    m_left = twips.x();
    m_top = twips.y();
    m_width = twips.width();
    m_height = twips.height();
    applyGeometry();
}

void Control::setTwips(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_width = std::fabs(width);
    m_height = std::fabs(height);
    applyGeometry();
}

void Control::applyGeometry()
{
    if (!m_widget)
        return;
    const QRect client = m_container->clientRect();
    const double tpp = twipsPerPixel();
    // Edges rounded, not sizes: controls that meet in twips meet in pixels,
    // and one that ends at the client area's edge ends there.
    const int left = toPixels(m_left, tpp);
    const int top = toPixels(m_top, tpp);
    const QRect designed(client.x() + left, client.y() + top, std::max(0, toPixels(m_left + m_width, tpp) - left),
                         std::max(0, toPixels(m_top + m_height, tpp) - top));
    // The bars are moved hundreds of times a tick: touch the widget only when
    // its pixels change.
    if (m_placed && designed == m_designed && client == m_bounds)
        return;
    m_placed = true;
    m_designed = designed;
    m_bounds = client;
    fitAndPlace();
}

QRect Control::fit(const QRect &designed, const QRect &bounds) { return keptInside(designed, bounds); }

void Control::fitAndPlace()
{
    if (!m_widget || !m_placed)
        return;
    const QRect pixels = fit(m_designed, m_bounds);
    if (pixels == m_pixels)
        return;
    m_pixels = pixels;
    m_widget->setGeometry(pixels);
}

void Control::setVisible(bool visible)
{
    m_visible = visible;
    if (m_widget)
        m_widget->setVisible(visible);
}

bool Control::enabled() const { return m_widget && m_widget->isEnabled(); }

void Control::setEnabled(bool enabled)
{
    if (m_widget)
        m_widget->setEnabled(enabled);
}

void Control::setFont(const QString &name, double size, bool bold, bool italic)
{
    m_fontName = name;
    m_fontSize = size;
    m_bold = bold;
    m_italic = italic;
    applyFont(makeFont(name, size, bold, italic));
}

void Control::setFontName(const QString &name) { setFont(name, m_fontSize, fontBold(), fontItalic()); }
void Control::setFontSize(double points) { setFont(m_fontName, points, fontBold(), fontItalic()); }
bool Control::fontBold() const { return m_bold; }
void Control::setFontBold(bool bold) { setFont(m_fontName, m_fontSize, bold, fontItalic()); }
bool Control::fontItalic() const { return m_italic; }
void Control::setFontItalic(bool italic) { setFont(m_fontName, m_fontSize, fontBold(), italic); }

// ---------------------------------------------------------------- Captioned

Captioned::Captioned(Canvas *container, const QString &name, QWidget *widget)
    : Control(container, name, widget)
    , m_surface(dynamic_cast<CaptionSurface *>(widget))
    , m_base(widget->font())
{
    Q_ASSERT(m_surface);
}

QFont Captioned::shownFont() const { return widget() ? widget()->font() : m_base; }

void Captioned::applyFont(const QFont &font)
{
    m_base = font;
    captionChanged();
}

void Captioned::settle()
{
    if (!m_fitPending)
        return;
    m_settling = true;
    fitAndPlace();
    m_settling = false;
}

QRect Captioned::fit(const QRect &designed, const QRect &bounds)
{
    // The start routine sets up many windows that stay hidden for long or
    // for ever: their captions are fitted when they are shown.
    if (!m_settling && widget() && widget()->window()->isHidden()) {
        m_fitPending = true;
        return keptInside(designed, bounds);
    }
    m_fitPending = false;
    // How much a rectangle would cover of the other controls beside it.
    auto overlap = [this](const QRect &r) {
        qint64 area = 0;
        for (const Control *other : container()->findChildren<Control *>(Qt::FindDirectChildrenOnly)) {
            if (other == this || !other->visible() || qobject_cast<const LineControl *>(other))
                continue;
            const QRect common = r.intersected(other->pixelRect());
            area += qint64(common.width()) * common.height();
        }
        return area;
    };
    const Fitted fitted = fitCaption(*m_surface, m_base, keptInside(designed, bounds), bounds, overlap);
    m_surface->showCaption(fitted.font, fitted.wrap);
    // A control that grew over its neighbours shows above them.
    if (fitted.rect != designed && widget())
        widget()->raise();
    return fitted.rect;
}

void Captioned::captionChanged()
{
    if (!widget())
        return;
    describe();
    if (placed())
        fitAndPlace(); // the fit depends on the caption and the font even when the box stays
    else
        m_surface->showCaption(m_base, m_surface->wrapping() == CaptionSurface::Wrap::Always);
}

void Captioned::describe()
{
    if (widget())
        widget()->setAccessibleName(m_surface->captionText().simplified());
}

// ---------------------------------------------------------------- Label, TextBox

Label::Label(Canvas *container, const QString &name)
    : Captioned(container, name, new LabelWidget(container))
    , m_label(static_cast<QLabel *>(widget()))
{
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QString Label::caption() const { return m_label->text(); }

void Label::setCaption(const QString &caption)
{
    if (caption == m_label->text())
        return;
    m_label->setText(caption);
    captionChanged();
    // A scroll bar beside this label describes itself by it.
    if (container()->isVisible())
        for (ScrollBar *bar : container()->findChildren<ScrollBar *>(Qt::FindDirectChildrenOnly))
            bar->describe();
}

void Label::setBackColor(const QColor &color)
{
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::Window, color);
    m_label->setPalette(palette);
    m_label->setAutoFillBackground(true);
}

void Label::setForeColor(const QColor &color)
{
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, color);
    m_label->setPalette(palette);
}

void Label::setAlignment(Qt::Alignment alignment)
{
    m_label->setAlignment(alignment);
    captionChanged();
}

TextBox::TextBox(Canvas *container, const QString &name)
    : Captioned(container, name, new LabelWidget(container))
    , m_box(static_cast<QLabel *>(widget()))
{
    m_box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_box->setMargin(2);
    m_box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = m_box->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    m_box->setPalette(palette);
    m_box->setAutoFillBackground(true);
}

QString TextBox::text() const { return m_box->text(); }

void TextBox::setText(const QString &text)
{
    if (text == m_box->text())
        return;
    m_box->setText(text);
    captionChanged();
}

void TextBox::setAlignment(Qt::Alignment alignment)
{
    m_box->setAlignment(alignment);
    captionChanged();
}

// ---------------------------------------------------------------- buttons

CommandButton::CommandButton(Canvas *container, const QString &name)
    : Captioned(container, name, new ButtonWidget(container))
    , m_button(static_cast<QPushButton *>(widget()))
{
    QObject::connect(m_button, &QPushButton::clicked, this, [this] { click(); });
}

QString CommandButton::caption() const { return m_button->text(); }

void CommandButton::setCaption(const QString &caption)
{
    m_button->setText(caption);
    captionChanged();
}

bool CommandButton::isDefault() const { return m_button->isDefault(); }
void CommandButton::setDefault(bool on) { m_button->setDefault(on); }

OptionButton::OptionButton(Canvas *container, const QString &name)
    : Captioned(container, name, new RadioWidget(container))
    , m_button(static_cast<QRadioButton *>(widget()))
{
    m_button->setAutoExclusive(false);
    QObject::connect(m_button, &QRadioButton::clicked, this, [this] { setValue(true); });
}

QString OptionButton::caption() const { return m_button->text(); }

void OptionButton::setCaption(const QString &caption)
{
    m_button->setText(caption);
    captionChanged();
}

bool OptionButton::value() const { return m_button->isChecked(); }

void OptionButton::setValue(bool value)
{
    if (!value) {
        m_button->setChecked(false);
        return;
    }
    for (OptionButton *other : container()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly))
        if (other != this)
            other->m_button->setChecked(false);
    m_button->setChecked(true);
    fire(m_click);
}

CheckBox::CheckBox(Canvas *container, const QString &name)
    : Captioned(container, name, new CheckWidget(container))
    , m_box(static_cast<QCheckBox *>(widget()))
{
    QObject::connect(m_box, &QCheckBox::toggled, this, [this] { fire(m_click); });
}

QString CheckBox::caption() const { return m_box->text(); }

void CheckBox::setCaption(const QString &caption)
{
    m_box->setText(caption);
    captionChanged();
}

int CheckBox::value() const { return m_box->isChecked() ? 1 : 0; }
void CheckBox::setValue(int value) { m_box->setChecked(value != 0); }

void CheckBox::setBackColor(const QColor &color)
{
    QPalette palette = m_box->palette();
    palette.setColor(QPalette::Window, color);
    m_box->setPalette(palette);
    m_box->setAutoFillBackground(true);
}

// ---------------------------------------------------------------- ScrollBar

ScrollBar::ScrollBar(Qt::Orientation orientation, Canvas *container, const QString &name)
    : Control(container, name, new BarWidget(orientation, container))
    , m_bar(static_cast<QScrollBar *>(widget()))
{
    sync();
    QObject::connect(m_bar, &QScrollBar::valueChanged, this, [this](int v) {
        if (v != m_value)
            setValue(v);
    });
}

void ScrollBar::sync()
{
    const QSignalBlocker block(m_bar);
    m_bar->setRange(std::min(m_min, m_max), std::max(m_min, m_max));
    m_bar->setInvertedAppearance(m_min > m_max);
    m_bar->setSingleStep(m_smallChange);
    m_bar->setPageStep(m_largeChange);
    m_bar->setValue(m_value);
}

void ScrollBar::setValue(int value)
{
    const int clamped = std::clamp(value, std::min(m_min, m_max), std::max(m_min, m_max));
    if (clamped == m_value) {
        sync(); // a user's move beyond the ends snaps back
        return;
    }
    m_value = clamped;
    sync();
    fire(m_change);
    // The handler rewrites the labels that the bars are read by.
    if (container()->isVisible())
        for (ScrollBar *bar : container()->findChildren<ScrollBar *>(Qt::FindDirectChildrenOnly))
            bar->describe();
}

namespace {

// The quantity and the value a row of labels shows: the labels before the
// first one with a digit name the quantity ("Temperature"), the rest give its
// value ("25°C"); a single label reads "Quantity = value".
std::pair<QString, QString> quantityAndValue(const QStringList &texts)
{
    QStringList name, value;
    for (const QString &text : texts) {
        const bool hasDigit = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
        (value.isEmpty() && !hasDigit ? name : value) << text;
    }
    QString quantity = name.join(QLatin1Char(' '));
    QString shown = value.join(QLatin1Char(' '));
    if (quantity.isEmpty()) {
        const qsizetype equals = shown.indexOf(QLatin1Char('='));
        if (equals > 0) {
            quantity = shown.left(equals).trimmed();
            shown = shown.mid(equals + 1).trimmed();
        } else {
            std::swap(quantity, shown);
        }
    }
    return {quantity, shown};
}

} // namespace

void ScrollBar::describe()
{
    // The labels on the bar's left whose height covers the bar's middle, read
    // left to right; without any, the nearest label above it.
    const QRect bar = m_bar->geometry();
    std::vector<std::pair<int, QString>> row;
    const Label *above = nullptr;
    int aboveGap = 0;
    for (const Label *label : container()->findChildren<Label *>(Qt::FindDirectChildrenOnly)) {
        const QString text = label->caption().simplified();
        if (!label->visible() || text.isEmpty())
            continue;
        const QRect r = label->widget()->geometry();
        if (r.right() < bar.left() + 2 && r.top() <= bar.center().y() && r.bottom() >= bar.center().y())
            row.emplace_back(r.left(), text);
        else if (r.bottom() <= bar.top() + 2 && r.left() < bar.right() && r.right() > bar.left()
                 && (!above || bar.top() - r.bottom() < aboveGap)) {
            above = label;
            aboveGap = bar.top() - r.bottom();
        }
    }
    std::sort(row.begin(), row.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList texts;
    for (const auto &item : row)
        texts << item.second;
    if (texts.isEmpty() && above)
        texts << above->caption().simplified();
    auto [quantity, shown] = quantityAndValue(texts);
    if (quantity.isEmpty())
        quantity = objectName();
    m_bar->setAccessibleName(quantity);
    m_bar->setAccessibleDescription(shown.isEmpty() ? quantity : quantity + QStringLiteral(", ") + shown);
}

void ScrollBar::setMin(int min)
{
    m_min = min;
    sync();
    setValue(m_value);
}

void ScrollBar::setMax(int max)
{
    m_max = max;
    sync();
    setValue(m_value);
}

void ScrollBar::setSmallChange(int step)
{
    m_smallChange = step;
    sync();
}

void ScrollBar::setLargeChange(int step)
{
    m_largeChange = step;
    sync();
}

// ---------------------------------------------------------------- Shape, LineControl

Shape::Shape(Canvas *container, const QString &name)
    : Control(container, name, new ShapeWidget(container))
{
}

void Shape::setShape(ShapeKind kind)
{
    static_cast<ShapeWidget *>(widget())->kind = kind;
    widget()->update();
}

void Shape::setFill(const QColor &color, bool solid)
{
    auto *w = static_cast<ShapeWidget *>(widget());
    w->fill = color;
    w->fillSolid = solid;
    w->update();
}

void Shape::setBackOpaque(const QColor &color)
{
    auto *w = static_cast<ShapeWidget *>(widget());
    w->back = color;
    w->backOpaque = true;
    w->update();
}

void Shape::setBorder(const QColor &color, int width, bool visible)
{
    auto *w = static_cast<ShapeWidget *>(widget());
    w->border = color;
    w->borderWidth = std::max(1, width);
    w->borderVisible = visible;
    w->update();
}

LineControl::LineControl(Canvas *container, const QString &name)
    : Control(container, name, new LineWidget(container))
{
}

QRect LineControl::fit(const QRect &designed, const QRect &bounds)
{
    // The room for the pen may reach past the container's edge: the widget
    // stops there, as the drawing would. A line is never moved.
    const QRect kept = bounds.isValid() ? designed.intersected(bounds) : designed;
    auto *w = static_cast<LineWidget *>(widget());
    w->clipped = kept.isEmpty() ? QPoint() : kept.topLeft() - designed.topLeft();
    w->update();
    return kept;
}

void LineControl::setPoints(double x1, double y1, double x2, double y2)
{
    setTwipsPoints(container()->xToTwips(x1), container()->yToTwips(y1), container()->xToTwips(x2),
                   container()->yToTwips(y2));
}

void LineControl::setTwipsPoints(double x1, double y1, double x2, double y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    place();
}

double LineControl::x1() const { return container()->xFromTwips(m_x1); }
double LineControl::y1() const { return container()->yFromTwips(m_y1); }
double LineControl::x2() const { return container()->xFromTwips(m_x2); }
double LineControl::y2() const { return container()->yFromTwips(m_y2); }

void LineControl::setBorder(const QColor &color, int width)
{
    auto *w = static_cast<LineWidget *>(widget());
    w->color = color;
    w->width = std::max(1, width);
    place();
}

void LineControl::place()
{
    auto *w = static_cast<LineWidget *>(widget());
    const double tpp = twipsPerPixel();
    const double pad = w->width * tpp; // room for the pen on every side
    const double left = std::min(m_x1, m_x2) - pad;
    const double top = std::min(m_y1, m_y2) - pad;
    setTwips(left, top, std::fabs(m_x2 - m_x1) + 2 * pad, std::fabs(m_y2 - m_y1) + 2 * pad);
    w->from = QPointF((m_x1 - left) / tpp, (m_y1 - top) / tpp);
    w->to = QPointF((m_x2 - left) / tpp, (m_y2 - top) / tpp);
    w->update();
}

// ---------------------------------------------------------------- PictureBox, Document

PictureBox::PictureBox(Canvas *container, const QString &name)
    : Control(container, name, new Canvas(container))
    , m_canvas(static_cast<Canvas *>(widget()))
{
    m_canvas->setBorder(true);
}

Document::Document(Canvas *container, const QString &name)
    : Control(container, name, new QTextBrowser(container))
    , m_browser(static_cast<QTextBrowser *>(widget()))
{
    m_browser->setReadOnly(true);
    m_browser->setOpenLinks(false);
}

void Document::setHtml(const QString &html) { m_browser->setHtml(html); }

QRect Document::fit(const QRect &designed, const QRect &bounds)
{
    // While two lines still show, the rest scrolls into view.
    const int fewLines = 2 * QFontMetrics(m_browser->font()).lineSpacing();
    const QRect shown = designed.intersected(bounds);
    const bool twoLinesShow = shown.height() >= std::min(fewLines, designed.height());
    if (bounds.isValid() && shown.width() == designed.width() && twoLinesShow)
        return shown;
    return Control::fit(designed, bounds);
}
void Document::describe() { m_browser->setAccessibleName(container()->window()->windowTitle()); }
QString Document::plainText() const { return m_browser->toPlainText(); }

// ---------------------------------------------------------------- MenuItem

MenuItem::MenuItem(QObject *form, const QString &name, const QString &caption)
    : QObject(form)
    , m_action(new QAction(form))
{
    setObjectName(name);
    m_action->setObjectName(name);
    setCaption(caption);
    if (auto *f = qobject_cast<Form *>(form))
        f->menuBar()->addAction(m_action);
    QObject::connect(m_action, &QAction::triggered, this, [this] { click(); });
}

MenuItem::~MenuItem() { delete m_action; }

QString MenuItem::caption() const { return m_caption; }

void MenuItem::setCaption(const QString &caption)
{
    m_caption = caption;
    QString taken;
    if (parent())
        for (const MenuItem *other : parent()->findChildren<MenuItem *>(Qt::FindDirectChildrenOnly))
            if (other != this && !other->m_mnemonic.isNull())
                taken += other->m_mnemonic;
    m_mnemonic = QChar();
    QString shown;
    for (QChar c : caption) {
        if (m_mnemonic.isNull() && c.isLetterOrNumber() && !taken.contains(c.toLower())) {
            m_mnemonic = c.toLower();
            shown += QLatin1Char('&');
        }
        shown += c;
        if (c == QLatin1Char('&'))
            shown += c; // a literal ampersand
    }
    m_action->setText(shown);
}
bool MenuItem::visible() const { return m_action->isVisible(); }
void MenuItem::setVisible(bool visible) { m_action->setVisible(visible); }
bool MenuItem::enabled() const { return m_action->isEnabled(); }
void MenuItem::setEnabled(bool enabled) { m_action->setEnabled(enabled); }

// ---------------------------------------------------------------- Timer

Timer::Timer(QObject *form, const QString &name)
    : QObject(form)
{
    setObjectName(name);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
}

void Timer::setInterval(int ms)
{
    m_interval = std::max(0, ms);
    restart();
}

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    restart();
}

void Timer::restart()
{
    if (m_enabled && m_interval > 0 && !ended())
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

std::vector<Control *> arrangeTabOrder(QWidget *window)
{
    struct Stop
    {
        Control *control;
        QRect rect;
    };
    std::vector<Stop> stops;
    for (Control *control : window->findChildren<Control *>()) {
        QWidget *w = control->widget();
        if (w && (w->focusPolicy() & Qt::TabFocus))
            stops.push_back({control, QRect(w->mapTo(window, QPoint(0, 0)), w->size())});
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Stop &a, const Stop &b) { return a.rect.top() < b.rect.top(); });
    // Rows: a control whose top lies above the middle of the row's first
    // control reads along with it.
    std::vector<Control *> order;
    for (std::size_t first = 0; first < stops.size();) {
        std::size_t end = first + 1;
        while (end < stops.size() && stops[end].rect.top() < stops[first].rect.center().y())
            ++end;
        std::stable_sort(stops.begin() + static_cast<std::ptrdiff_t>(first), stops.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const Stop &a, const Stop &b) { return a.rect.left() < b.rect.left(); });
        for (std::size_t k = first; k < end; ++k)
            order.push_back(stops[k].control);
        first = end;
    }
    for (std::size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(order[k - 1]->widget(), order[k]->widget());
    return order;
}

} // namespace toolkit
