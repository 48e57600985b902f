// The controls of a form: labels, buttons, option buttons, check boxes,
// scroll bars, text boxes, shapes, line controls, picture boxes, the embedded
// document, menu items and timers. Each is a named object holding its widget;
// positions are read and written in the units of the container's scale.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/CaptionFit.h"
#include "toolkit/Fonts.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>
#include <memory>
#include <stdexcept>
#include <vector>

class QAction;
class QLabel;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QScrollBar;
class QTextBrowser;
class QPlainTextEdit;
class QShortcut;

namespace toolkit {

class Quantity;

using Handler = std::function<void()>;

// Runs a handler unless the program has ended.
void fire(const Handler &handler);
// The same for a control that was used (clicked, chosen, checked or moved
// to a new value); the watcher hears of it after the handler ran.
void fire(QObject &used, const Handler &handler);
// The one watcher of every control used, by the user or the program; an
// empty function stops watching.
void watchUse(std::function<void(QObject &)> watcher);

// Geometry, visibility and font of a control placed on a canvas.
class Control : public QObject
{
    Q_OBJECT
public:
    Control(Canvas *container, const QString &name, QWidget *widget);
    ~Control() override;

    Canvas *container() const { return m_container; }
    QWidget *widget() const { return m_widget; }

    double left() const;
    double top() const;
    double width() const;
    double height() const;
    void setLeft(double left);
    void setTop(double top);
    void setWidth(double width);
    void setHeight(double height);
    void move(double left, double top, double width, double height);
    // Designed position and size in twips, whatever the scale.
    void setTwips(double left, double top, double width, double height);
    // Places the widget again after the container's client area moved. A
    // control placed in the container's user scale keeps its place in that
    // scale: it moves and grows with the client area.
    virtual void applyGeometry();
    // The container's scale changed: the control stays where it is, and
    // keeps that place in the new scale.
    virtual void rescaled();
    // The widget's rectangle in the container, in pixels: the designed one,
    // or larger when a caption needed more room.
    QRect pixelRect() const { return m_pixels; }

    // Refreshes what assistive technology reads (the caption, or the quantity
    // and value of a scroll bar); forms do it when they are shown.
    virtual void describe() {}

    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool enabled() const;
    void setEnabled(bool enabled);

    void setFont(const QString &name, double size, bool bold = false, bool italic = false);
    QString fontName() const { return m_fontName; }
    void setFontName(const QString &name);
    double fontSize() const { return m_fontSize; }
    void setFontSize(double points);
    bool fontBold() const;
    void setFontBold(bool bold);
    bool fontItalic() const;
    void setFontItalic(bool italic);

protected:
    // How the widget takes a font; text controls fit it to their box.
    virtual void applyFont(const QFont &font);
    // The rectangle the widget takes when it was designed at `designed`
    // inside a container whose client area is `bounds` (pixels).
    virtual QRect fit(const QRect &designed, const QRect &bounds);
    // Fits and places the widget again, after its caption or font changed.
    void fitAndPlace();
    // Whether the control has been given a position and size.
    bool placed() const { return m_placed; }

private:
    Canvas *m_container;
    QPointer<QWidget> m_widget;
    // Sets the place in scale units, each missing one where the control is.
    void placeInScale(std::optional<double> left, std::optional<double> top, std::optional<double> width,
                      std::optional<double> height);
    double m_left = 0, m_top = 0, m_width = 0, m_height = 0; // twips
    // The place given in the container's user scale, when it was given so.
    struct ScaleRect
    {
        double left, top, width, height;
    };
    std::optional<ScaleRect> m_inScale;
    QRect m_designed; // pixels, from the twips above
    QRect m_bounds;   // the container's client area when last placed
    QRect m_pixels;   // where the widget is
    bool m_placed = false;
    bool m_visible = true;
    QString m_fontName = fonts::defaultSans;
    double m_fontSize = fonts::defaultPointSize;
    bool m_bold = false;
    bool m_italic = false;
};

// A control that shows a caption, whole: the caption's font shrinks from its
// designed size to the readable floor, and below that the control grows (a
// one-line caption widens, a caption designed on several lines wraps and
// grows taller), staying inside its container. Its accessible name is the
// caption.
class Captioned : public Control
{
    Q_OBJECT
public:
    // The font the caption shows in now; smaller than designed when it had
    // to shrink.
    QFont shownFont() const;
    void describe() override;
    // What assistive technology reads instead of the caption, where the
    // caption alone does not say what it shows (a mass number without its
    // element); empty: the caption.
    void setSpokenName(const QString &name);
    // Fits a caption that waited for its window to be shown.
    void settle();

protected:
    // widget is one of the toolkit's caption widgets.
    Captioned(Canvas *container, const QString &name, QWidget *widget);
    void applyFont(const QFont &font) override;
    QRect fit(const QRect &designed, const QRect &bounds) override;
    // Call after the caption or its alignment changed.
    void captionChanged();

private:
    CaptionSurface *m_surface;
    QString m_spokenName;
    QFont m_base;
    bool m_fitPending = false;
    bool m_settling = false;
};

class Label final : public Captioned
{
    Q_OBJECT
public:
    Label(Canvas *container, const QString &name);
    QString caption() const;
    void setCaption(const QString &caption);
    void setBackColor(const QColor &color);
    void setForeColor(const QColor &color);
    void setAlignment(Qt::Alignment alignment);

private:
    QLabel *m_label;
};

// Shows text; nothing typed into it is read.
class TextBox final : public Captioned
{
    Q_OBJECT
public:
    TextBox(Canvas *container, const QString &name);
    QString text() const;
    void setText(const QString &text);
    void setAlignment(Qt::Alignment alignment);

private:
    QLabel *m_box;
};

// Return presses the focused button. A default button is pressed by Return
// wherever the focus is in its window (a wizard page's forward button); a
// cancel button by Escape (its Back).
class CommandButton final : public Captioned
{
    Q_OBJECT
public:
    CommandButton(Canvas *container, const QString &name);
    QString caption() const;
    void setCaption(const QString &caption);
    void onClick(Handler handler) { m_click = std::move(handler); }
    void click() { fire(*this, m_click); }
    bool isDefault() const;
    void setDefault(bool on);
    bool isCancel() const { return m_cancel; }
    void setCancel(bool on) { m_cancel = on; }
    // A button that chooses among others stays pressed in while its choice
    // holds.
    bool chosen() const;
    void setChosen(bool on);

private:
    QPushButton *m_button;
    Handler m_click;
    bool m_cancel = false;
};

// Option buttons of one container form a group: setting one True clears the
// others and runs its click handler, also when it was True already.
class OptionButton final : public Captioned
{
    Q_OBJECT
public:
    OptionButton(Canvas *container, const QString &name);
    QString caption() const;
    void setCaption(const QString &caption);
    bool value() const;
    void setValue(bool value);
    void onClick(Handler handler) { m_click = std::move(handler); }
    void click() { setValue(true); }
    // Runs whenever the value changes, whatever changed it, with the new
    // value: how a window keeps a choice where other windows read it.
    void onToggle(std::function<void(bool)> toggled) { m_toggled = std::move(toggled); }
    // A label beside an option without a caption of its own serves as its
    // caption: a click on it chooses the option, and assistive technology
    // reads the option by it.
    void setLabel(Label &label);
    void describe() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRadioButton *m_button;
    Handler m_click;
    std::function<void(bool)> m_toggled;
    Label *m_label = nullptr;
};

// Value 0 or 1; its click handler runs whenever the value changes.
class CheckBox final : public Captioned
{
    Q_OBJECT
public:
    CheckBox(Canvas *container, const QString &name);
    QString caption() const;
    void setCaption(const QString &caption);
    int value() const;
    void setValue(int value);
    void onClick(Handler handler) { m_click = std::move(handler); }
    void click() { setValue(value() ? 0 : 1); }
    void setBackColor(const QColor &color);

private:
    QCheckBox *m_box;
    Handler m_click;
};

// The change handler runs whenever the value changes, by the user or by code;
// setting the value it already has runs nothing. A value outside min..max is
// clamped, and changing min or max re-clamps it. The bar takes the keyboard
// focus: arrows move it by the small change, Page Up/Down by the large one,
// Home/End to its ends. Assistive technology reads it by the labels on its
// left: the quantity as its name ("Temperature") and the quantity with the
// value as its description ("Temperature, 25°C").
class ScrollBar final : public Control
{
    Q_OBJECT
public:
    ScrollBar(Qt::Orientation orientation, Canvas *container, const QString &name);
    int value() const { return m_value; }
    void setValue(int value);
    int min() const { return m_min; }
    void setMin(int min);
    int max() const { return m_max; }
    void setMax(int max);
    int smallChange() const { return m_smallChange; }
    void setSmallChange(int step);
    int largeChange() const { return m_largeChange; }
    void setLargeChange(int step);
    void onChange(Handler handler) { m_change = std::move(handler); }
    // The bar shows a quantity that bars on other windows show too: once its
    // change handler has run for a move of its own, it tells the quantity.
    void join(Quantity &quantity) { m_quantity = &quantity; }
    // Takes the value its quantity was moved to by another bar or set to;
    // following() is true while the change handler runs for it, and the bar
    // tells nobody.
    void follow(int value);
    bool following() const { return m_following; }
    void describe() override;
    // The quantity each position stands for, which assistive technology
    // reads as the bar's value (the rate constant its row shows, where the
    // position is a half-life).
    void setSpokenValue(std::function<double(int)> valueOf);

private:
    void sync();
    QScrollBar *m_bar;
    int m_min = 0;
    int m_max = 32767;
    int m_value = 0;
    int m_smallChange = 1;
    int m_largeChange = 1;
    bool m_following = false;
    Quantity *m_quantity = nullptr;
    Handler m_change;
};

enum class ShapeKind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3 };

class Shape final : public Control
{
    Q_OBJECT
public:
    Shape(Canvas *container, const QString &name);
    void setShape(ShapeKind kind);
    void setFill(const QColor &color, bool solid = true);
    void setBackOpaque(const QColor &color);
    void setBorder(const QColor &color, int width = 1, bool visible = true);
    // What a listener hears it as: what it stands for.
    void setName(const QString &name);
};

// A straight line between two points of the container's scale.
class LineControl final : public Control
{
    Q_OBJECT
public:
    LineControl(Canvas *container, const QString &name);
    void setPoints(double x1, double y1, double x2, double y2);
    double x1() const;
    double y1() const;
    double x2() const;
    double y2() const;
    void setBorder(const QColor &color, int width);
    // End points in twips, whatever the scale.
    void setTwipsPoints(double x1, double y1, double x2, double y2);
    // A line drawn in the container's scale keeps its ends there.
    void applyGeometry() override;
    void rescaled() override;

protected:
    QRect fit(const QRect &designed, const QRect &bounds) override;

private:
    void place();
    double m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0; // twips
    std::optional<std::array<double, 4>> m_inScale; // the ends as given in the scale
};

// A canvas of its own inside a form.
class PictureBox final : public Control
{
    Q_OBJECT
public:
    PictureBox(Canvas *container, const QString &name);
    Canvas &canvas() { return *m_canvas; }
    // Named by what it shows (setName), or after its window, as a picture
    // of it.
    void describe() override;
    void setName(const QString &name);

private:
    Canvas *m_canvas;
    QString m_name;
};

// Text the student writes, on as many lines as needed; Tab leaves it.
class EditBox final : public Control
{
    Q_OBJECT
public:
    EditBox(Canvas *container, const QString &name);
    QString text() const;
    void setText(const QString &text);
    // What a screen reader calls it: the question it answers.
    void setAccessibleName(const QString &name);

private:
    QPlainTextEdit *m_edit;
};

// A formatted document shown, not edited.
class Document final : public Control
{
    Q_OBJECT
public:
    Document(Canvas *container, const QString &name);
    void setHtml(const QString &html);
    QString plainText() const;
    // Scrolled so that its end is in view.
    void showEnd();
    // Read by its window's caption.
    void describe() override;

protected:
    // It scrolls: on a window too short for it, it ends at the bottom edge
    // rather than move up over the controls above it.
    QRect fit(const QRect &designed, const QRect &bounds) override;

private:
    QTextBrowser *m_browser;
};

// A top-level menu item. Alt and a letter of its caption (the first one no
// other item of the window has taken) choose it; the letter is underlined on
// screen while the caption itself stays as it is.
class MenuItem final : public QObject
{
    Q_OBJECT
public:
    MenuItem(QObject *form, const QString &name, const QString &caption);
    ~MenuItem() override;
    QAction *action() const { return m_action; }
    QString caption() const;
    void setCaption(const QString &caption);
    bool visible() const;
    void setVisible(bool visible);
    bool enabled() const;
    void setEnabled(bool enabled);
    void onClick(Handler handler) { m_click = std::move(handler); }
    void click() { fire(*this, m_click); }
    // The letter that chooses the item with Alt, or a null character.
    QChar mnemonic() const { return m_mnemonic; }
    // Keeps that letter (one of the caption's) for the item whichever other
    // items the menu shows; the others take theirs around it. A caption
    // without it chooses as usual.
    void setMnemonic(QChar letter);

private:
    QAction *m_action;
    QString m_caption;
    QChar m_mnemonic;
    QChar m_kept;
    Handler m_click;
    // Alt and the Latin letter of the key that types a Greek letter: the
    // same item with the Latin layout of a Greek keyboard active.
    QPointer<QShortcut> m_latin;
};

// The Latin letter of the key that types `letter` on a Greek keyboard
// (its accent left aside), or the letter itself in lower case.
QChar keyLetter(QChar letter);

// Interval in milliseconds; 0 never ticks. Tests call tick() directly.
class Timer final : public QObject
{
    Q_OBJECT
public:
    Timer(QObject *form, const QString &name);
    int interval() const { return m_interval; }
    void setInterval(int ms);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    void onTick(Handler handler) { m_tick = std::move(handler); }
    void tick() { fire(m_tick); }
    // Whether the timer is really counting (enabled with a positive interval).
    bool running() const { return m_timer.isActive(); }

private:
    void restart();
    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
    Handler m_tick;
};

// Sets the Tab order of a window's controls to their reading order: top to
// bottom, and left to right along a row. Returns the controls that take the
// focus with Tab, in that order.
std::vector<Control *> arrangeTabOrder(QWidget *window);

// A control array: elements named "Name(index)", reached by their index.
template <typename T>
class ControlArray
{
public:
    ControlArray(Canvas *container, const QString &name, std::initializer_list<int> indices)
    {
        for (int index : indices)
            add(container, name, index);
    }
    ControlArray(Canvas *container, const QString &name, int count)
    {
        for (int index = 0; index < count; ++index)
            add(container, name, index);
    }
    T &operator[](int index) const
    {
        const auto slot = static_cast<std::size_t>(index - m_first);
        if (index < m_first || slot >= m_elements.size() || !m_elements[slot])
            throw std::out_of_range("control array index");
        return *m_elements[slot];
    }
    int lowest() const { return m_first; }
    int highest() const { return m_first + static_cast<int>(m_elements.size()) - 1; }

private:
    void add(Canvas *container, const QString &name, int index)
    {
        if (m_elements.empty())
            m_first = index;
        while (m_first + static_cast<int>(m_elements.size()) < index)
            m_elements.push_back(nullptr);
        m_elements.push_back(std::make_unique<T>(container, QStringLiteral("%1(%2)").arg(name).arg(index)));
    }
    int m_first = 0;
    std::vector<std::unique_ptr<T>> m_elements;
};

} // namespace toolkit
