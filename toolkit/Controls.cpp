#include "toolkit/Controls.h"

#include "toolkit/Form.h"
#include "toolkit/Registry.h"
#include "toolkit/Screen.h"

#include "toolkit/Widgets.h"

#include <QCoreApplication>
#include <QAction>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextBrowser>

#include <algorithm>
#include <cmath>

namespace toolkit {

using namespace widgets;

void fire(const Handler &handler)
{
    if (handler && !ended())
        handler();
}

namespace {
std::function<void(QObject &)> &useWatcher()
{
    static std::function<void(QObject &)> watcher;
    return watcher;
}
} // namespace

void fire(QObject &used, const Handler &handler)
{
    fire(handler);
    if (const auto &watcher = useWatcher(); watcher && !ended())
        watcher(used);
}

void watchUse(std::function<void(QObject &)> watcher) { useWatcher() = std::move(watcher); }

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

void Control::setLeft(double left) { placeInScale(left, {}, {}, {}); }
void Control::setTop(double top) { placeInScale({}, top, {}, {}); }
void Control::setWidth(double width) { placeInScale({}, {}, width, {}); }
void Control::setHeight(double height) { placeInScale({}, {}, {}, height); }
void Control::move(double left, double top, double width, double height) { placeInScale(left, top, width, height); }

void Control::placeInScale(std::optional<double> left, std::optional<double> top, std::optional<double> width,
                           std::optional<double> height)
{
    const ScaleRect here = m_inScale.value_or(ScaleRect{m_container->xFromTwips(m_left), m_container->yFromTwips(m_top),
                                                        m_container->widthFromTwips(m_width),
                                                        m_container->heightFromTwips(m_height)});
    m_inScale = ScaleRect{left.value_or(here.left), top.value_or(here.top), width.value_or(here.width),
                          height.value_or(here.height)};
    Control::applyGeometry();
}

void Control::rescaled()
{
    if (m_inScale)
        m_inScale = ScaleRect{m_container->xFromTwips(m_left), m_container->yFromTwips(m_top),
                              m_container->widthFromTwips(m_width), m_container->heightFromTwips(m_height)};
}

void Control::setTwips(double left, double top, double width, double height)
{
    m_inScale.reset();
    m_left = left;
    m_top = top;
    m_width = std::fabs(width);
    m_height = std::fabs(height);
    Control::applyGeometry();
}

void Control::applyGeometry()
{
    if (m_inScale) {
        const ScaleRect &r = *m_inScale;
        const QRectF twips = m_container->rectToTwips(r.left, r.top, r.width, r.height);
        m_left = twips.x();
        m_top = twips.y();
        m_width = twips.width();
        m_height = twips.height();
    }
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
    const FittedCaption fitted = fitCaption(*m_surface, m_base, keptInside(designed, bounds), bounds, overlap);
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
        widget()->setAccessibleName(m_spokenName.isEmpty() ? m_surface->captionText().simplified() : m_spokenName);
}

void Captioned::setSpokenName(const QString &name)
{
    m_spokenName = name;
    describe();
}

// ---------------------------------------------------------------- Label, TextBox

Label::Label(Canvas *container, const QString &name)
    : Captioned(container, name, new LabelWidget(container))
    , m_label(static_cast<QLabel *>(widget()))
{
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Canvas::addToPicture(*m_label);
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
bool CommandButton::chosen() const { return m_button->isChecked(); }

void CommandButton::setChosen(bool on)
{
    m_button->setCheckable(true);
    m_button->setChecked(on);
}

OptionButton::OptionButton(Canvas *container, const QString &name)
    : Captioned(container, name, new RadioWidget(container))
    , m_button(static_cast<QRadioButton *>(widget()))
{
    // Exclusive, so that assistive technology knows it as a radio button;
    // the group is kept here all the same.
    m_button->setAutoExclusive(true);
    QObject::connect(m_button, &QRadioButton::clicked, this, [this] { setValue(true); });
    QObject::connect(m_button, &QRadioButton::toggled, this, [this](bool on) {
        if (m_toggled)
            m_toggled(on);
    });
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
        // The checked button of an exclusive group would refuse.
        m_button->setAutoExclusive(false);
        m_button->setChecked(false);
        m_button->setAutoExclusive(true);
        return;
    }
    for (OptionButton *other : container()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly))
        if (other != this)
            other->m_button->setChecked(false);
    m_button->setChecked(true);
    fire(*this, m_click);
}

void OptionButton::setLabel(Label &label)
{
    m_label = &label;
    static_cast<QLabel *>(label.widget())->setBuddy(m_button);
    label.widget()->installEventFilter(this);
    describe();
}

void OptionButton::describe()
{
    if (m_label && caption().trimmed().isEmpty() && widget())
        widget()->setAccessibleName(m_label->caption().simplified());
    else
        Captioned::describe();
}

bool OptionButton::eventFilter(QObject *watched, QEvent *event)
{
    if (m_label && watched == m_label->widget() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && m_button->isEnabled()
        && m_label->widget()->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
        m_button->setFocus(Qt::MouseFocusReason);
        m_button->click();
        return true;
    }
    return Captioned::eventFilter(watched, event);
}

CheckBox::CheckBox(Canvas *container, const QString &name)
    : Captioned(container, name, new CheckWidget(container))
    , m_box(static_cast<QCheckBox *>(widget()))
{
    QObject::connect(m_box, &QCheckBox::toggled, this, [this] { fire(*this, m_click); });
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

// ---------------------------------------------------------------- Shape, LineControl

Shape::Shape(Canvas *container, const QString &name)
    : Control(container, name, new ShapeWidget(container))
{
    Canvas::addToPicture(*widget());
}

void Shape::setName(const QString &name) { widget()->setAccessibleName(name); }

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
    Canvas::addToPicture(*widget());
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
    m_inScale = std::array{x1, y1, x2, y2};
    applyGeometry();
}

void LineControl::applyGeometry()
{
    if (!m_inScale)
        return Control::applyGeometry();
    const auto &[x1, y1, x2, y2] = *m_inScale;
    const Canvas &c = *container();
    m_x1 = c.xToTwips(x1);
    m_y1 = c.yToTwips(y1);
    m_x2 = c.xToTwips(x2);
    m_y2 = c.yToTwips(y2);
    place();
}

void LineControl::rescaled()
{
    if (m_inScale) {
        const Canvas &c = *container();
        m_inScale = std::array{c.xFromTwips(m_x1), c.yFromTwips(m_y1), c.xFromTwips(m_x2), c.yFromTwips(m_y2)};
    }
}

void LineControl::setTwipsPoints(double x1, double y1, double x2, double y2)
{
    m_inScale.reset();
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
    Canvas::addToPicture(*m_canvas);
}

void PictureBox::describe()
{
    m_canvas->setAccessibleName(m_name.isEmpty() ? QCoreApplication::translate("toolkit", "Picture of %1")
                                                       .arg(container()->window()->windowTitle())
                                                 : m_name);
}

void PictureBox::setName(const QString &name)
{
    m_name = name;
    describe();
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

void Document::showEnd()
{
    m_browser->moveCursor(QTextCursor::End);
    m_browser->ensureCursorVisible();
}

EditBox::EditBox(Canvas *container, const QString &name)
    : Control(container, name, new QPlainTextEdit(container))
    , m_edit(static_cast<QPlainTextEdit *>(widget()))
{
    m_edit->setTabChangesFocus(true);
    m_edit->setFocusPolicy(Qt::StrongFocus);
}

QString EditBox::text() const { return m_edit->toPlainText(); }
void EditBox::setText(const QString &text) { m_edit->setPlainText(text); }
void EditBox::setAccessibleName(const QString &name) { m_edit->setAccessibleName(name); }

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
    QObject::connect(m_action, &QAction::triggered, this, [this] {
        // The item has no menu of its own: the bar lets go of it at once, so
        // that nothing stays highlighted, or focused to a screen reader,
        // once it has run.
        for (QObject *owner : m_action->associatedObjects())
            if (auto *bar = qobject_cast<QMenuBar *>(owner))
                bar->setActiveAction(nullptr);
        click();
    });
}

MenuItem::~MenuItem() { delete m_action; }

QString MenuItem::caption() const { return m_caption; }

void MenuItem::setCaption(const QString &caption)
{
    m_caption = caption;
    // Letters are taken by their key: a Greek letter and the Latin letter of
    // its key are one.
    QString taken;
    if (parent())
        for (const MenuItem *other : parent()->findChildren<MenuItem *>(Qt::FindDirectChildrenOnly))
            if (other != this && !other->m_mnemonic.isNull())
                taken += keyLetter(other->m_mnemonic);
    m_mnemonic = QChar();
    // A kept letter that the caption (in another language) lacks gives way
    // to the usual choice.
    const bool keep = !m_kept.isNull() && caption.contains(m_kept, Qt::CaseInsensitive);
    QString shown;
    for (QChar c : caption) {
        const bool free = keep ? c.toLower() == m_kept : !taken.contains(keyLetter(c));
        if (m_mnemonic.isNull() && c.isLetterOrNumber() && free) {
            m_mnemonic = c.toLower();
            shown += QLatin1Char('&');
        }
        shown += c;
        if (c == QLatin1Char('&'))
            shown += c; // a literal ampersand
    }
    m_action->setText(shown);
    const QChar latin = keyLetter(m_mnemonic);
    auto *window = qobject_cast<QWidget *>(parent());
    if (m_mnemonic.isNull() || latin == m_mnemonic || !window) {
        delete m_latin.data();
        return;
    }
    if (!m_latin) {
        m_latin = new QShortcut(window);
        m_latin->setContext(Qt::WindowShortcut);
        const auto trigger = [this] {
            if (m_action->isVisible() && m_action->isEnabled())
                m_action->trigger();
        };
        // On a Greek layout Qt may match both this and the menu bar's own
        // letter: whichever gets the key runs the item, once.
        QObject::connect(m_latin, &QShortcut::activated, this, trigger);
        QObject::connect(m_latin, &QShortcut::activatedAmbiguously, this, trigger);
    }
    m_latin->setKey(QKeySequence(Qt::ALT | Qt::Key(latin.toUpper().unicode())));
}

QChar keyLetter(QChar letter)
{
    // The Greek keyboard's letters, key by key from A to Z.
    static const QString greek = QStringLiteral("αβψδεφγηιξκλμνοπ;ρστθωςχυζ");
    QChar c = letter.toLower();
    if (const QString parts = c.decomposition(); !parts.isEmpty())
        c = parts.front();
    const qsizetype at = greek.indexOf(c);
    return at >= 0 && c.script() == QChar::Script_Greek ? QChar(char16_t(u'a' + at)) : c;
}

void MenuItem::setMnemonic(QChar letter)
{
    m_kept = letter.toLower();
    setCaption(m_caption);
    if (!parent())
        return;
    // The others choose again, in their order, around the kept letters.
    const auto items = parent()->findChildren<MenuItem *>(Qt::FindDirectChildrenOnly);
    for (MenuItem *other : items)
        if (other->m_kept.isNull())
            other->m_mnemonic = QChar();
    for (MenuItem *other : items)
        if (other->m_kept.isNull())
            other->setCaption(other->m_caption);
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
    // Rows: a control reads along with the row's first one when its top lies
    // less than half the lower one's height below that one's top (a tall bar
    // beside several rows reads after its own row, not with all of them).
    auto sameRow = [](const QRect &a, const QRect &b) {
        return b.top() - a.top() < std::min(a.height(), b.height()) / 2;
    };
    std::vector<Control *> order;
    for (std::size_t first = 0; first < stops.size();) {
        std::size_t end = first + 1;
        while (end < stops.size() && sameRow(stops[first].rect, stops[end].rect))
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
