#include "toolkit/Form.h"

#include "toolkit/Registry.h"
#include "toolkit/Screen.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace toolkit {

namespace {

// Every window of the program gets the same frame from the window manager:
// the last frame seen stands for a window that has none yet (not shown).
QMargins g_lastFrame;

} // namespace

Form::Form(const QString &name, const QString &caption, double widthTwips, double heightTwips)
{
    setObjectName(name);
    setWindowTitle(caption);
    const QSize client(std::max(1, toPixels(widthTwips)), std::max(1, toPixels(heightTwips)));
    const QSize frame = client.grownBy(frameMarginsPixels());
    m_frame = QRectF(0, 0, frame.width() * twipsPerPixel(), frame.height() * twipsPerPixel());
    placeFrame(); // a screen smaller than the design gets a smaller window
}

Form::~Form() = default;

QMargins Form::frameMarginsPixels() const
{
    if (const QWindow *handle = windowHandle()) {
        const QMargins margins = handle->frameMargins();
        if (!margins.isNull()) {
            g_lastFrame = margins;
            return margins;
        }
    }
    return g_lastFrame;
}

double Form::left() const { return m_frame.x(); }
double Form::top() const { return m_frame.y(); }
double Form::widthTwips() const { return m_frame.width(); }
double Form::heightTwips() const { return m_frame.height(); }

void Form::setLeft(double twips)
{
    m_frame.moveLeft(twips);
    placeFrame();
}

void Form::setTop(double twips)
{
    m_frame.moveTop(twips);
    placeFrame();
}

void Form::setWidthTwips(double twips)
{
    m_frame.setWidth(std::max(twips, twipsPerPixel()));
    placeFrame();
}

void Form::setHeightTwips(double twips)
{
    m_frame.setHeight(std::max(twips, twipsPerPixel()));
    placeFrame();
}

void Form::placeFrame()
{
    const QRect area = workArea();
    const QMargins margins = frameMarginsPixels();
    // Edges rounded, not sizes: windows that meet in twips meet in pixels.
    // Sticking out of the work area, a window ends at its edge while it keeps
    // at least half its size, and moves back in otherwise.
    const double tpp = twipsPerPixel();
    const int left = toPixels(m_frame.left(), tpp);
    const int top = toPixels(m_frame.top(), tpp);
    const QRect asked(left, top, std::max(1, toPixels(m_frame.left() + m_frame.width(), tpp) - left),
                      std::max(1, toPixels(m_frame.top() + m_frame.height(), tpp) - top));
    const QRect frame = keptInside(asked, QRect(QPoint(0, 0), area.size()));
    QRect client = frame.translated(area.topLeft()).marginsRemoved(margins);
    client.setWidth(std::max(1, client.width()));
    client.setHeight(std::max(1, client.height()));
    m_placedClient = client;
    m_placedMargins = margins;
    m_placing = true;
    setGeometry(client);
    m_placing = false;
}

// Someone else placed the window: code that moved or resized it directly, the
// user or the window manager. The frame asked for becomes where it is, kept
// inside the work area. And when the window manager's frame arrives or
// changes (it is known only once a window is shown), the window is placed
// again so that the frame, not the client area, takes its place.
void Form::followFrame(const QEvent *event)
{
    if (m_placing || !isWindow())
        return;
    const QMargins margins = frameMarginsPixels();
    if (geometry() != m_placedClient && margins != m_placedMargins && event->spontaneous()) {
        // The window manager framing a window it was given without a frame.
        placeFrame();
    } else if (geometry() != m_placedClient) {
        const QRect area = workArea();
        m_placedClient = geometry();
        m_placedMargins = margins;
        const QRect frame = m_placedClient.marginsAdded(margins).translated(-area.topLeft());
        const double tpp = twipsPerPixel();
        m_frame = QRectF(frame.x() * tpp, frame.y() * tpp, frame.width() * tpp, frame.height() * tpp);
        if (!QRect(QPoint(0, 0), area.size()).contains(frame))
            placeFrame();
    } else if (margins != m_placedMargins) {
        placeFrame();
    }
}

bool Form::event(QEvent *event)
{
    const bool result = Canvas::event(event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
        followFrame(event);
        break;
    default:
        break;
    }
    return result;
}

void Form::setVisible(bool visible)
{
    if (visible && ended())
        return;
    formShown(this, visible);
    if (visible) {
        for (Captioned *control : findChildren<Captioned *>())
            control->settle();
        // Reading order for Tab; the focus starts on the first control, or
        // stays where it was when the window comes back.
        const std::vector<Control *> order = arrangeTabOrder(this);
        const QWidget *focus = focusWidget();
        if (!focus || !focus->isVisibleTo(this) || !focus->isEnabled()) {
            for (Control *control : order) {
                if (control->visible() && control->enabled()) {
                    control->widget()->setFocus(Qt::TabFocusReason);
                    break;
                }
            }
        }
        for (Control *control : findChildren<Control *>())
            control->describe();
    }
    Canvas::setVisible(visible);
    if (visible)
        takeKeyboard();
}

void Form::takeKeyboard()
{
    // The offscreen platform keeps no stacking order of its own.
    static const bool stacking = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (stacking)
        raise();
    activateWindow();
}

void Form::bringToFront()
{
    if (!isVisible())
        return;
    formShown(this, true);
    takeKeyboard();
}

bool Form::focusNextPrevChild(bool next)
{
    // Controls may have moved since the window was shown.
    arrangeTabOrder(this);
    return Canvas::focusNextPrevChild(next);
}

void Form::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (modifiers == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)) {
        const bool escape = key == Qt::Key_Escape;
        for (CommandButton *button : findChildren<CommandButton *>()) {
            if ((escape ? button->isCancel() : button->isDefault()) && button->widget()->isVisibleTo(this)
                && button->enabled()) {
                button->click();
                return;
            }
        }
    }
    if (key == Qt::Key_F6 && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        // The stack holds the front window last. F6 brings the one at the
        // back to the front, so that pressing it again visits every window;
        // Shift+F6 goes back to the one just under this window.
        const std::vector<Form *> shown = visibleForms();
        const auto at = std::find(shown.begin(), shown.end(), this);
        if (shown.size() > 1 && at != shown.end()) {
            Form *target = modifiers == Qt::NoModifier ? shown.front() : (at == shown.begin() ? shown.back() : *(at - 1));
            target->bringToFront();
            return;
        }
    }
    Canvas::keyPressEvent(event);
}

QMenuBar *Form::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setNativeMenuBar(false);
        m_menuBar->installEventFilter(this);
        placeMenuBar();
        for (Control *control : findChildren<Control *>(Qt::FindDirectChildrenOnly))
            control->applyGeometry();
    }
    return m_menuBar;
}

void Form::placeMenuBar()
{
    if (!m_menuBar)
        return;
    m_menuHeight = m_menuBar->sizeHint().height();
    setClientTop(m_menuHeight);
    m_menuBar->setGeometry(0, 0, width(), m_menuHeight);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menuBar && (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged ||
                                 event->type() == QEvent::ActionRemoved)) {
        const int before = m_menuHeight;
        placeMenuBar();
        if (m_menuHeight != before)
            for (Control *control : findChildren<Control *>(Qt::FindDirectChildrenOnly))
                control->applyGeometry();
    }
    return Canvas::eventFilter(watched, event);
}

void Form::resizeEvent(QResizeEvent *event)
{
    placeMenuBar();
    // Captions that grew stay inside the new client area.
    for (Control *control : findChildren<Control *>(Qt::FindDirectChildrenOnly))
        control->applyGeometry();
    Canvas::resizeEvent(event);
}

ScreenRect fullScreenRect(const Form &)
{
    return ScreenRect{static_cast<float>(screenWidth()), static_cast<float>(screenHeight()), 0.0f, 0.0f};
}

void placeFullScreen(Form &window)
{
    const ScreenRect r = fullScreenRect(window);
    window.setLeft(r.left);
    window.setTop(r.top);
    window.setWidthTwips(r.width);
    window.setHeightTwips(r.height);
}

} // namespace toolkit
