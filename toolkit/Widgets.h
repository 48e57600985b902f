// The Qt widgets behind the controls: each shows its caption the way the
// caption fitting asks, and the scroll bar, shape and line draw as the forms
// expect. Only the controls use them.
#pragma once

#include "toolkit/CaptionFit.h"
#include "toolkit/Controls.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>

#include <type_traits>

namespace toolkit::widgets {

// Where a button's caption is drawn in a widget of this size and font.
QRect buttonContents(const QAbstractButton &button, QStyle::SubElement element, const QSize &size,
                     const QFont &font);

// A label or display-only text box whose caption the control fits.
class LabelWidget final : public QLabel, public CaptionSurface
{
public:
    explicit LabelWidget(QWidget *parent);
    QString captionText() const override { return text(); }
    QRect textBox(const QSize &size, const QFont &) const override;
    Qt::Alignment textAlignment() const override { return alignment(); }
    Wrap wrapping() const override { return Wrap::Designed; }
    void showCaption(const QFont &font, bool wrap) override;
};

// A push button whose caption wraps onto several lines when it needs to. It
// also answers Return when it has the focus.
class ButtonWidget final : public QPushButton, public CaptionSurface
{
public:
    explicit ButtonWidget(QWidget *parent);
    QString captionText() const override { return text(); }
    QRect textBox(const QSize &size, const QFont &font) const override;
    Qt::Alignment textAlignment() const override { return Qt::AlignCenter; }
    Wrap wrapping() const override { return Wrap::Always; }
    void showCaption(const QFont &font, bool) override;

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A chosen button is released by its window, not by another click.
    void nextCheckState() override { setChecked(true); }
};

// Arrow keys on an option button: the next option of its group in reading
// order (or the previous one), round from the last to the first, takes the
// focus and is chosen.
void chooseNeighbour(QAbstractButton &option, bool forward);

// An option button or a check box with its caption on one line. A click
// always sets an option button and never clears it: the group is managed by
// OptionButton.
template <class Button>
class ToggleWidget final : public Button, public CaptionSurface
{
public:
    using Button::Button;
    static constexpr bool radio = std::is_same_v<Button, QRadioButton>;

    QString captionText() const override { return this->text(); }
    QRect textBox(const QSize &size, const QFont &font) const override
    {
        return buttonContents(*this, radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, size,
                              font);
    }
    Qt::Alignment textAlignment() const override { return Qt::AlignLeft | Qt::AlignVCenter; }
    Wrap wrapping() const override { return Wrap::Never; }
    void showCaption(const QFont &font, bool) override
    {
        if (font != this->font())
            Button::setFont(font);
    }

protected:
    void nextCheckState() override
    {
        if constexpr (radio)
            this->setChecked(true);
        else
            Button::nextCheckState();
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if constexpr (radio) {
            const int key = event->key();
            const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            if (plain && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right)) {
                chooseNeighbour(*this, key == Qt::Key_Down || key == Qt::Key_Right);
                event->accept();
                return;
            }
        }
        Button::keyPressEvent(event);
    }
    // An option group stays a Tab stop for each of its options (an
    // exclusive button's own handling would leave only the focused one).
    void focusInEvent(QFocusEvent *event) override
    {
        if constexpr (radio)
            QWidget::focusInEvent(event);
        else
            Button::focusInEvent(event);
    }
};

using RadioWidget = ToggleWidget<QRadioButton>;
using CheckWidget = ToggleWidget<QCheckBox>;

// A scroll bar that takes the focus and shows when it has it.
class BarWidget final : public QScrollBar
{
public:
    BarWidget(Qt::Orientation orientation, QWidget *parent);
    // The quantity a position stands for, as assistive technology reads the
    // bar's value; without it, the position itself.
    std::function<double(int)> spokenValue;

protected:
    void paintEvent(QPaintEvent *event) override;
    // Arrows move by the small change towards their side (left and up to the
    // left or top end), Page Up and Page Down by the large change, Home and
    // End to the ends, whichever way the bar runs.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

class ShapeWidget final : public QWidget
{
public:
    explicit ShapeWidget(QWidget *parent);

    ShapeKind kind = ShapeKind::Rectangle;
    QColor fill = Qt::black;
    bool fillSolid = false;
    QColor back;
    bool backOpaque = false;
    QColor border = Qt::black;
    int borderWidth = 1;
    bool borderVisible = true;

protected:
    void paintEvent(QPaintEvent *) override;
};

class LineWidget final : public QWidget
{
public:
    explicit LineWidget(QWidget *parent);

    QPointF from, to;
    QColor color = Qt::black;
    int width = 1;
    QPoint clipped; // how much of the line's box the container cut off at the top left

protected:
    void paintEvent(QPaintEvent *) override;
};

} // namespace toolkit::widgets
