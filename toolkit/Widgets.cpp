#include "toolkit/Widgets.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <vector>

namespace toolkit::widgets {

QRect buttonContents(const QAbstractButton &button, QStyle::SubElement element, const QSize &size,
                     const QFont &font)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = QRect(QPoint(0, 0), size);
    option.fontMetrics = QFontMetrics(font);
    option.text = button.text();
    return button.style()->subElementRect(element, &option, &button);
}

void chooseNeighbour(QAbstractButton &option, bool forward)
{
    std::vector<QAbstractButton *> group;
    for (QObject *child : option.parentWidget()->children()) {
        auto *other = qobject_cast<QRadioButton *>(child);
        if (other && (other == &option || (other->isVisibleTo(option.parentWidget()) && other->isEnabled())))
            group.push_back(other);
    }
    std::stable_sort(group.begin(), group.end(), [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    const auto at = std::find(group.begin(), group.end(), &option);
    const auto n = std::ptrdiff_t(group.size());
    if (n < 2 || at == group.end())
        return;
    QAbstractButton *next = group[std::size_t(((at - group.begin()) + (forward ? 1 : n - 1)) % n)];
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    next->click();
}

LabelWidget::LabelWidget(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setIndent(0);
}

QRect LabelWidget::textBox(const QSize &size, const QFont &) const
{
    const int inset = frameWidth() + margin();
    return QRect(inset, inset, size.width() - 2 * inset, size.height() - 2 * inset);
}

void LabelWidget::showCaption(const QFont &font, bool wrap)
{
    setWordWrap(wrap);
    if (font != QLabel::font())
        QLabel::setFont(font);
}

ButtonWidget::ButtonWidget(QWidget *parent)
    : QPushButton(parent)
{
    setAutoDefault(false);
}

QRect ButtonWidget::textBox(const QSize &size, const QFont &font) const
{
    // A little air between the caption and the bevel.
    return buttonContents(*this, QStyle::SE_PushButtonContents, size, font).adjusted(2, 1, -2, -1);
}

void ButtonWidget::showCaption(const QFont &font, bool)
{
    if (font != QPushButton::font())
        QPushButton::setFont(font);
    update();
}

void ButtonWidget::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(textBox(size(), font()), Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

void ButtonWidget::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

BarWidget::BarWidget(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void BarWidget::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void BarWidget::keyPressEvent(QKeyEvent *event)
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

void BarWidget::focusInEvent(QFocusEvent *event)
{
    QScrollBar::focusInEvent(event);
    update();
}

void BarWidget::focusOutEvent(QFocusEvent *event)
{
    QScrollBar::focusOutEvent(event);
    update();
}

ShapeWidget::ShapeWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const bool round = kind == ShapeKind::Circle || kind == ShapeKind::Oval;
    p.setRenderHint(QPainter::Antialiasing, round);
    const double inset = borderVisible ? borderWidth / 2.0 : 0;
    QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (kind == ShapeKind::Circle || kind == ShapeKind::Square) {
        const double side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    p.setPen(borderVisible ? QPen(border, borderWidth) : QPen(Qt::NoPen));
    if (backOpaque) {
        p.setBrush(back);
        round ? p.drawEllipse(r) : p.drawRect(r);
    }
    p.setBrush(fillSolid ? QBrush(fill) : QBrush(Qt::NoBrush));
    round ? p.drawEllipse(r) : p.drawRect(r);
}

LineWidget::LineWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.translate(-clipped);
    p.setRenderHint(QPainter::Antialiasing, from.x() != to.x() && from.y() != to.y());
    QPen pen(color, width);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.drawLine(from, to);
}

} // namespace toolkit::widgets
