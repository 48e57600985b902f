#include "toolkit/Form.h"

#include "toolkit/Accessible.h"
#include "toolkit/Registry.h"
#include "toolkit/Screen.h"
#include "toolkit/WindowFrame.h"

#include <QApplication>
#include <QGuiApplication>
#include <QRadioButton>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <cmath>
#include <tuple>

namespace toolkit {

namespace {

// Every window of the program gets the same frame from the window manager:
// the last frame seen, in device pixels, stands for a window that has none
// yet (not shown, or shown and not framed yet).
QMargins g_lastFrame;

// The logical pixels inside these device pixels: where a window that cannot
// be placed in device pixels stays within them.
QRect logicalWithin(const QRect &device, double f)
{
    const int left = int(std::ceil(device.left() / f - 1e-9));
    const int top = int(std::ceil(device.top() / f - 1e-9));
    const int right = int(std::floor((device.left() + device.width()) / f + 1e-9));
    const int bottom = int(std::floor((device.top() + device.height()) / f + 1e-9));
    return QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

// Whether two rectangles differ by no more than a pixel at each edge.
bool near(const QRect &a, const QRect &b)
{
    return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1 && std::abs(a.width() - b.width()) <= 1 &&
           std::abs(a.height() - b.height()) <= 1;
}

// When the window manager frames a window anew, the window is placed again
// by its real frame.
void watchFrames()
{
    static bool watching = false;
    if (watching)
        return;
    watching = true;
    frames::watch([](QWidget *window) {
        if (auto *form = qobject_cast<Form *>(window))
            form->frameChanged();
    });
}

} // namespace

Form::Form(const QString &name, const QString &caption, double widthTwips, double heightTwips)
{
    setObjectName(name);
    setWindowTitle(caption);
    installAccessibility();
    watchFrames();
    m_verify.setSingleShot(true);
    m_verify.setInterval(100);
    connect(&m_verify, &QTimer::timeout, this, [this] { verifyPlace(); });
    const QSize client(std::max(1, toPixels(widthTwips)), std::max(1, toPixels(heightTwips)));
    const QSize frame = client.grownBy(frameMarginsPixels());
    m_frame = QRectF(0, 0, frame.width() * twipsPerPixel(), frame.height() * twipsPerPixel());
    placeFrame(); // a screen smaller than the design gets a smaller window
}

Form::~Form() = default;

QMargins Form::deviceMargins() const
{
    // Elsewhere than on X, Qt knows the frames (the offscreen platform draws
    // none but counts one).
    if (!frames::onX()) {
        if (const QWindow *handle = windowHandle()) {
            const QMargins margins = handle->frameMargins() * devicePixelRatio();
            if (!margins.isNull())
                g_lastFrame = margins;
        }
    }
    return m_framed ? m_margins : g_lastFrame;
}

QMargins Form::frameMarginsPixels() const
{
    const QMargins device = deviceMargins();
    const double f = devicePixelRatio();
    return QMargins(qRound(device.left() / f), qRound(device.top() / f), qRound(device.right() / f),
                    qRound(device.bottom() / f));
}

double Form::left() const { return m_frame.x(); }
double Form::top() const { return m_frame.y(); }
double Form::widthTwips() const { return m_frame.width(); }
double Form::heightTwips() const { return m_frame.height(); }

void Form::setLeft(double twips)
{
    m_frame.moveLeft(twips);
    place();
}

void Form::setTop(double twips)
{
    m_frame.moveTop(twips);
    place();
}

void Form::setWidthTwips(double twips)
{
    m_frame.setWidth(std::max(twips, twipsPerPixel()));
    place();
}

void Form::setHeightTwips(double twips)
{
    m_frame.setHeight(std::max(twips, twipsPerPixel()));
    place();
}

void Form::place()
{
    m_byUser = false;
    // A page: asked for the whole work area, whatever the window manager
    // then marks it (xfwm4, mutter and KWin mark such a window maximised).
    const double slack = twipsPerPixel();
    m_page = m_frame.left() <= slack && m_frame.top() <= slack && m_frame.right() >= screenWidth() - slack
             && m_frame.bottom() >= screenHeight() - slack;
    constexpr Qt::WindowStates users = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (windowState() & users)
        setWindowState(windowState() & ~users);
    if (isVisible() && frames::onX())
        frames::restore(*this); // also maximised one way only, which Qt does not tell
    placeFrame();
}

bool Form::maximisedState() const { return windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen); }

bool Form::placedThere() const { return frames::clientOf(*this) == m_placedDevice; }

void Form::placeFrame(bool serverElsewhere)
{
    // In device pixels, where the window manager's frame and the work area
    // are whole numbers: on a scaled screen, logical pixels would round them.
    const QRect area = deviceWorkArea();
    const double f = devicePixelRatio();
    const QMargins margins = deviceMargins();
    // Edges rounded, not sizes: windows that meet in twips meet in pixels.
    // Sticking out of the work area, a window ends at its edge while it keeps
    // at least half its size, and moves back in otherwise.
    const double perTwip = f / twipsPerPixel();
    auto device = [perTwip](double twips) { return toPixels(twips * perTwip, 1.0); };
    const int left = device(m_frame.left());
    const int top = device(m_frame.top());
    const QRect asked(left, top, std::max(1, device(m_frame.left() + m_frame.width()) - left),
                      std::max(1, device(m_frame.top() + m_frame.height()) - top));
    const QRect frame = keptInside(asked, QRect(QPoint(0, 0), area.size()));
    QRect client = frame.translated(area.topLeft()).marginsRemoved(margins);
    client.setWidth(std::max(1, client.width()));
    client.setHeight(std::max(1, client.height()));
    const QRect before = geometry();
    // On X the device pixels are set exactly, and Qt sees them rounded.
    m_placedClient = frames::onX() ? logicalOf(client, f) : logicalWithin(client, f);
    m_placedDevice = client;
    m_placedMargins = margins;
    m_placing = true;
    // A shown window on a scaled screen is placed in device pixels only: Qt
    // would round them and, with them, ask the window manager for sizes in
    // steps of the scale. Qt learns the place from the X server. Nor does Qt
    // ask for a place it believes the window has, when a late event of the
    // window manager's has left the window elsewhere.
    const bool shown = isVisible() && testAttribute(Qt::WA_WState_Created) && frames::onX();
    const bool native = shown && (f != 1.0 || (serverElsewhere && before == m_placedClient));
    if (native)
        frames::placeClient(*this, client);
    else
        setGeometry(m_placedClient);
    m_placing = false;
    if (shown) {
        // Looked at again once the window manager has been quiet a moment.
        m_placedAt.start();
        m_awaiting = true;
        m_there = false;
        m_verify.start();
    } else if (before != m_placedClient) {
        m_awaiting = false;
    }
}

void Form::frameChanged()
{
    if (!isVisible() || !frames::onX())
        return;
    // Mapped and not framed: a window manager that draws no frame, or none.
    // A frame known already stays while the manager is between two, and so
    // does the last one seen until a manager that publishes its frames has
    // published this window's.
    const std::optional<QMargins> read = frames::frameOf(*this);
    if (!read && (m_framed || frames::publishesFrames()))
        return;
    m_framed = true;
    m_settled = true;
    m_margins = read.value_or(QMargins());
    // A new frame for what the user made of the window: a maximised window
    // loses its borders, and some managers publish the frame again after a
    // move. Before the window's new state or place reaches Qt, the X server
    // tells.
    if (m_byUser || maximisedState() || (m_there && (frames::maximised(*this) || !placedThere()))) {
        followUser();
        return;
    }
    g_lastFrame = m_margins;
    m_verifyTries = 0;
    // Also where the window manager moved or shrank it while framing it.
    placeFrame();
}

// The window manager has been quiet for a moment since the window was placed.
// Events may have come late, from an earlier place, and a manager may have
// moved the window on its own: the X server says where it is, and what its
// frame is. A window not where it was placed is placed again, a few times at
// most. One that the manager still has maximised is waiting for the
// program's restore to come through, or for the user's maximise to reach Qt.
void Form::verifyPlace()
{
    if (!isVisible() || !frames::onX())
        return;
    if (maximisedState()) {
        followUser();
        return;
    }
    if (m_verifyTries >= 5) {
        m_awaiting = false;
        return;
    }
    if (frames::maximised(*this)) {
        ++m_verifyTries;
        m_verify.start();
        return;
    }
    // A frame read while the manager was still moving it (twm moves the
    // frame and the client one after the other) is read again.
    if (const std::optional<QMargins> frame = frames::frameOf(*this); frame && *frame != m_margins) {
        m_margins = *frame;
        g_lastFrame = *frame;
        ++m_verifyTries;
        placeFrame();
        return;
    }
    const std::optional<QRect> real = frames::clientOf(*this);
    if (real && *real == m_placedDevice && near(geometry(), logicalOf(*real, devicePixelRatio()))) {
        m_awaiting = false;
        m_there = true;
        return;
    }
    ++m_verifyTries;
    placeFrame(true);
}

// Someone else placed the window: code that moved or resized it directly, the
// user or the window manager. Elsewhere than on X the frame asked for becomes
// where it is, kept inside the work area. On X, events may also tell of an
// earlier place of the program's own, on their way through the window
// manager, long after: while a placement settles they put off the look at
// the X server, and right after it the window manager may still move the
// window on its own. Later, Qt is put right when the server has the window
// where it was placed; a window that was found there and is elsewhere now
// was moved or resized by the user.
void Form::followFrame()
{
    if (m_placing || !isWindow())
        return;
    if (!frames::onX()) {
        // Qt tells the frame once the window is shown: placed again by it.
        if (deviceMargins() != m_placedMargins)
            placeFrame();
        else if (geometry() != m_placedClient)
            adoptPlace(deviceOf(geometry(), devicePixelRatio()));
        return;
    }
    if (!m_settled || geometry() == m_placedClient)
        return;
    if (m_byUser || maximisedState()) {
        followUser();
        return;
    }
    if (m_awaiting) {
        m_verify.start();
        return;
    }
    // Right after it was placed, the window manager moved it on its own.
    if (m_placedAt.isValid() && m_placedAt.elapsed() < 1000) {
        m_awaiting = true;
        m_there = false;
        m_verify.start();
        return;
    }
    if (placedThere()) {
        m_verifyTries = 0;
        m_awaiting = true;
        m_verify.start();
    } else if (m_there) {
        followUser();
    }
}

void Form::followUser()
{
    m_byUser = true;
    m_awaiting = false;
    m_there = false;
    m_verify.stop();
    if (const std::optional<QRect> real = frames::clientOf(*this))
        takePlace(*real);
}

void Form::takePlace(const QRect &client)
{
    const double f = devicePixelRatio();
    const QRect area = deviceWorkArea();
    const QMargins margins = deviceMargins();
    m_placedClient = geometry();
    m_placedDevice = client;
    m_placedMargins = margins;
    const QRect frame = client.marginsAdded(margins).translated(-area.topLeft());
    const double twips = twipsPerPixel() / f;
    m_frame = QRectF(frame.x() * twips, frame.y() * twips, frame.width() * twips, frame.height() * twips);
}

void Form::adoptPlace(const QRect &client)
{
    takePlace(client);
    const QRect area = deviceWorkArea();
    if (!QRect(QPoint(0, 0), area.size()).contains(client.marginsAdded(deviceMargins()).translated(-area.topLeft())))
        placeFrame();
}

bool Form::event(QEvent *event)
{
    const bool result = Canvas::event(event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
        followFrame();
        break;
    case QEvent::WindowStateChange:
        // Maximised by the user: the program never asks it.
        if (maximisedState() && isVisible() && frames::onX())
            followUser();
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
    if (visible != isVisible()) {
        // Moved by the user, it keeps that place.
        if (!visible && m_settled && !m_awaiting && frames::onX())
            if (const std::optional<QRect> real = frames::clientOf(*this); real && *real != m_placedDevice)
                adoptPlace(*real);
        // Framed anew when shown again, and placed where it was left.
        m_settled = false;
        m_awaiting = false;
        m_there = false;
        m_byUser = false;
        m_verify.stop();
    }
    if (visible && !isVisible() && deviceMargins() != m_placedMargins)
        placeFrame(); // by the frame that other windows have had since it was placed
    if (visible) {
        for (Captioned *control : findChildren<Captioned *>())
            control->settle();
        // Reading order for Tab. The focus starts on the page's forward
        // button; on a window without one, on the first control, or it stays
        // where it was when the window comes back.
        const std::vector<Control *> order = arrangeTabOrder(this);
        const QWidget *focus = focusWidget();
        if (CommandButton *forward = defaultButton()) {
            forward->widget()->setFocus(Qt::TabFocusReason);
        } else if (!focus || !focus->isVisibleTo(this) || !focus->isEnabled()) {
            for (Control *control : order) {
                if (control->visible() && control->enabled()) {
                    control->widget()->setFocus(Qt::TabFocusReason);
                    break;
                }
            }
        }
        setAccessibleName(windowTitle());
        for (Control *control : findChildren<Control *>())
            control->describe();
    }
    if (visible && !testAttribute(Qt::WA_WState_Created) && frames::onX()) {
        // On a scaled screen Qt asks the window manager for sizes in steps of
        // the scale, from a base it leaves at minus one step unless told; some
        // managers take that for a minimum of tens of thousands of pixels.
        winId();
        windowHandle()->setBaseSize(QSize(0, 0));
        // A tiling manager would make the window a column of its layout.
        if (frames::tiles())
            frames::preferFloating(*this);
    }
    Canvas::setVisible(visible);
    if (visible) {
        // The focus is drawn from the first window on, not only after a
        // Tab: Qt clears this as a window shows.
        setAttribute(Qt::WA_KeyboardFocusChange);
        takeKeyboard();
    }
}

void Form::takeKeyboard()
{
    // The offscreen platform keeps no stacking order of its own.
    static const bool stacking = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (stacking)
        raise();
    if (!frames::onX()) {
        activateWindow();
        return;
    }
    // Of the windows shown or brought forward together, only the last one
    // asks for the keyboard, once they all are: when each asked as it was
    // mapped, xfwm4 now and then gave it to another of them.
    static QPointer<Form> asking;
    const bool pending = !asking.isNull();
    asking = this;
    if (!pending)
        QTimer::singleShot(0, qApp, [] {
            if (Form *window = asking.data(); window && window->isVisible())
                window->activateWindow();
            asking = nullptr;
        });
}

void Form::raiseOnly()
{
    if (!isVisible())
        return;
    formShown(this, true);
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        raise();
}

void Form::bringToFront()
{
    if (!isVisible())
        return;
    formShown(this, true);
    takeKeyboard();
}

namespace {

// An option group is one stop for Tab, on its chosen option: the others
// are passed over while one of them is chosen.
bool passedOverByTab(const QWidget *w)
{
    const auto *option = qobject_cast<const QRadioButton *>(w);
    if (!option || option->isChecked() || !option->parentWidget())
        return false;
    for (const QObject *child : option->parentWidget()->children()) {
        const auto *other = qobject_cast<const QRadioButton *>(child);
        if (other && other != option && other->isChecked() && other->isVisibleTo(option->parentWidget())
            && other->isEnabled())
            return true;
    }
    return false;
}

} // namespace

bool Form::focusNextPrevChild(bool next)
{
    // Controls may have moved since the window was shown.
    arrangeTabOrder(this);
    const QWidget *from = QApplication::focusWidget();
    for (int stops = 0; stops < 256; ++stops) {
        if (!Canvas::focusNextPrevChild(next))
            return false;
        const QWidget *to = QApplication::focusWidget();
        if (!passedOverByTab(to) || to == from)
            return true;
    }
    return true;
}

CommandButton *Form::defaultButton() const
{
    for (CommandButton *button : findChildren<CommandButton *>())
        if (button->isDefault() && button->widget()->isVisibleTo(this) && button->enabled())
            return button;
    return nullptr;
}

bool Form::fillsWorkArea() const { return m_page; }

void Form::placeAt(double left, double top, double width, double height)
{
    m_frame = QRectF(left, top, std::max(width, twipsPerPixel()), std::max(height, twipsPerPixel()));
    place();
}

void Form::placeOver(const Form &other)
{
    placeAt(other.left(), other.top(), other.widthTwips(), other.heightTwips());
}

namespace {

// The windows of the step the student is at, in reading order of their
// frames: those shown over the top-most window that fills the work area (the
// four run windows and what their menus open), or that window alone when it
// is on top.
std::vector<Form *> stepWindows()
{
    std::vector<Form *> shown = visibleForms();
    std::vector<Form *> withEvery;
    std::copy_if(shown.begin(), shown.end(), std::back_inserter(withEvery), [](const Form *w) { return w->goesWithEveryStep(); });
    std::erase_if(shown, [](const Form *w) { return w->goesWithEveryStep(); });
    auto page = std::find_if(shown.rbegin(), shown.rend(), [](const Form *w) { return w->fillsWorkArea(); });
    std::vector<Form *> step(page == shown.rend() ? shown.begin() : page.base(), shown.end());
    if (step.empty() && page != shown.rend())
        step.push_back(*page);
    // Windows at the same place (the acid graphs) keep the order they were
    // made in, not the stacking order that each F6 changes: otherwise
    // Shift+F6 would go back and forth between two of them.
    const std::vector<Form *> made = createdForms();
    const auto madeAt = [&made](const Form *w) { return std::find(made.begin(), made.end(), w) - made.begin(); };
    std::sort(step.begin(), step.end(), [&madeAt](const Form *a, const Form *b) {
        const QRect ra = a->frameGeometry(), rb = b->frameGeometry();
        return std::tuple(ra.top(), ra.left(), madeAt(a)) < std::tuple(rb.top(), rb.left(), madeAt(b));
    });
    step.insert(step.end(), withEvery.begin(), withEvery.end());
    return step;
}

} // namespace

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
        // Round the windows of the step, forwards or backwards; a page under
        // them stays under them.
        const std::vector<Form *> step = stepWindows();
        const bool forward = modifiers == Qt::NoModifier;
        const auto at = std::find(step.begin(), step.end(), this);
        if (at == step.end() && !step.empty()) {
            // A page under the step, brought up by a click: the step's
            // windows come back over it, and the first (or the last) takes
            // the keyboard.
            for (Form *w : step)
                w->raise();
            (forward ? step.front() : step.back())->bringToFront();
        } else if (step.size() > 1) {
            const auto n = std::ptrdiff_t(step.size());
            const std::ptrdiff_t next = ((at - step.begin()) + (forward ? 1 : n - 1)) % n;
            step[std::size_t(next)]->bringToFront();
        }
        return;
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

void tileQuarters(Form &topLeft, Form &topRight, Form &bottomLeft, Form &bottomRight)
{
    const double w = screenWidth() / 2, h = screenHeight() / 2;
    topLeft.placeAt(0, 0, w, h);
    topRight.placeAt(w, 0, w, h);
    bottomLeft.placeAt(0, h, w, h);
    bottomRight.placeAt(w, h, w, h);
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
