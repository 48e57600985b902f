#include "toolkit/Controls.h"

#include "toolkit/Form.h"
#include "toolkit/Registry.h"
#include "toolkit/Screen.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBrowser>

#include <algorithm>
#include <cmath>

namespace toolkit {

void fire(const Handler &handler)
{
    if (handler && !ended())
        handler();
}

namespace {

// A label whose text always fits its box: the designed fonts were narrower
// than the ones installed, so a text that would be cut off is drawn in a
// smaller size instead (never below half the designed size).
class FitLabel final : public QLabel
{
public:
    explicit FitLabel(QWidget *parent)
        : QLabel(parent)
    {
        setWordWrap(true);
        setTextFormat(Qt::PlainText);
    }

    void setBaseFont(const QFont &font)
    {
        m_base = font;
        refit();
    }

    void setFittedText(const QString &text)
    {
        setText(text);
        refit();
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QLabel::resizeEvent(event);
        refit();
    }

private:
    bool fits(const QFont &font, const QRect &box) const
    {
        const QFontMetrics metrics(font);
        const QRect needed = metrics.boundingRect(box, Qt::TextWordWrap | int(alignment()), text());
        return needed.height() <= box.height() && needed.width() <= box.width();
    }

    void refit()
    {
        const int pad = 2 * (margin() + frameWidth());
        const QRect box(0, 0, width() - pad, height() - pad);
        QFont font = m_base;
        const double designed = m_base.pointSizeF();
        if (!text().isEmpty() && box.width() > 0 && box.height() > 0) {
            for (double size = designed; size >= designed / 2 && !fits(font, box); size *= 0.94)
                font.setPointSizeF(size);
        }
        if (font != QLabel::font())
            QLabel::setFont(font);
    }

    QFont m_base;
};

// A radio button that a click always sets and never clears: the group is
// managed by OptionButton.
class RadioWidget final : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override { setChecked(true); }
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

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, from.x() != to.x() && from.y() != to.y());
        QPen pen(color, width);
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
        p.drawLine(from, to);
    }
};

std::vector<Timer *> &timers()
{
    static std::vector<Timer *> all;
    return all;
}

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
    const QPoint origin = m_container->clientRect().topLeft();
    const double tpp = twipsPerPixel();
    const QRect pixels(origin.x() + toPixels(m_left, tpp), origin.y() + toPixels(m_top, tpp),
                       std::max(0, toPixels(m_width, tpp)), std::max(0, toPixels(m_height, tpp)));
    // The bars are moved hundreds of times a tick: touch the widget only when
    // its pixels change.
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

// ---------------------------------------------------------------- Label, TextBox

Label::Label(Canvas *container, const QString &name)
    : Control(container, name, new FitLabel(container))
    , m_label(static_cast<QLabel *>(widget()))
{
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    applyFont(m_label->font());
}

void Label::applyFont(const QFont &font) { static_cast<FitLabel *>(m_label)->setBaseFont(font); }
QString Label::caption() const { return m_label->text(); }
void Label::setCaption(const QString &caption) { static_cast<FitLabel *>(m_label)->setFittedText(caption); }

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

void Label::setAlignment(Qt::Alignment alignment) { m_label->setAlignment(alignment); }

TextBox::TextBox(Canvas *container, const QString &name)
    : Control(container, name, new FitLabel(container))
    , m_box(static_cast<QLabel *>(widget()))
{
    applyFont(m_box->font());
    m_box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_box->setMargin(2);
    m_box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = m_box->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    m_box->setPalette(palette);
    m_box->setAutoFillBackground(true);
}

void TextBox::applyFont(const QFont &font) { static_cast<FitLabel *>(m_box)->setBaseFont(font); }
QString TextBox::text() const { return m_box->text(); }
void TextBox::setText(const QString &text) { static_cast<FitLabel *>(m_box)->setFittedText(text); }
void TextBox::setAlignment(Qt::Alignment alignment) { m_box->setAlignment(alignment); }

// ---------------------------------------------------------------- buttons

CommandButton::CommandButton(Canvas *container, const QString &name)
    : Control(container, name, new QPushButton(container))
    , m_button(static_cast<QPushButton *>(widget()))
{
    m_button->setAutoDefault(false);
    QObject::connect(m_button, &QPushButton::clicked, this, [this] { click(); });
}

QString CommandButton::caption() const { return m_button->text(); }
void CommandButton::setCaption(const QString &caption) { m_button->setText(caption); }

OptionButton::OptionButton(Canvas *container, const QString &name)
    : Control(container, name, new RadioWidget(container))
    , m_button(static_cast<QRadioButton *>(widget()))
{
    m_button->setAutoExclusive(false);
    QObject::connect(m_button, &QRadioButton::clicked, this, [this] { setValue(true); });
}

QString OptionButton::caption() const { return m_button->text(); }
void OptionButton::setCaption(const QString &caption) { m_button->setText(caption); }
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
    : Control(container, name, new QCheckBox(container))
    , m_box(static_cast<QCheckBox *>(widget()))
{
    QObject::connect(m_box, &QCheckBox::toggled, this, [this] { fire(m_click); });
}

QString CheckBox::caption() const { return m_box->text(); }
void CheckBox::setCaption(const QString &caption) { m_box->setText(caption); }
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
    : Control(container, name, new QScrollBar(orientation, container))
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
QString Document::plainText() const { return m_browser->toPlainText(); }

// ---------------------------------------------------------------- MenuItem

MenuItem::MenuItem(QObject *form, const QString &name, const QString &caption)
    : QObject(form)
    , m_action(new QAction(caption, form))
{
    setObjectName(name);
    m_action->setObjectName(name);
    if (auto *f = qobject_cast<Form *>(form))
        f->menuBar()->addAction(m_action);
    QObject::connect(m_action, &QAction::triggered, this, [this] { click(); });
}

MenuItem::~MenuItem() { delete m_action; }

QString MenuItem::caption() const { return m_action->text(); }
void MenuItem::setCaption(const QString &caption) { m_action->setText(caption); }
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
    timers().push_back(this);
}

Timer::~Timer()
{
    auto &all = timers();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
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

void stopAllTimers()
{
    for (Timer *timer : timers())
        timer->setEnabled(false);
}

} // namespace toolkit
