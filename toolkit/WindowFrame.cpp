#include "toolkit/WindowFrame.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace toolkit::frames {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> reply(T *raw)
{
    return Reply<T>(raw, &std::free);
}

xcb_connection_t *connection()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    auto r = reply(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_atom_t frameExtentsAtom(xcb_connection_t *c)
{
    static const xcb_atom_t a = atom(c, "_NET_FRAME_EXTENTS");
    return a;
}

xcb_window_t windowOf(const QWidget &window)
{
    if (!window.isWindow() || !window.testAttribute(Qt::WA_WState_Created))
        return XCB_WINDOW_NONE;
    return xcb_window_t(window.winId());
}

// Four 32-bit cardinals of a window's property, when it has them.
std::optional<std::array<quint32, 4>> cardinals(xcb_connection_t *c, xcb_window_t w, xcb_atom_t property)
{
    auto r = reply(xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!r || r->type != XCB_ATOM_CARDINAL || r->format != 32 || xcb_get_property_value_length(r.get()) < 16)
        return std::nullopt;
    const auto *v = static_cast<const quint32 *>(xcb_get_property_value(r.get()));
    return std::array<quint32, 4>{v[0], v[1], v[2], v[3]};
}

std::optional<QRect> clientRect(xcb_connection_t *c, xcb_window_t w)
{
    auto geometry = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
    if (!geometry)
        return std::nullopt;
    auto at = reply(xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, geometry->root, 0, 0), nullptr));
    if (!at)
        return std::nullopt;
    return QRect(at->dst_x, at->dst_y, geometry->width, geometry->height);
}

class Watcher final : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        xcb_window_t window = XCB_WINDOW_NONE;
        switch (event->response_type & ~0x80) {
        case XCB_REPARENT_NOTIFY:
            window = reinterpret_cast<const xcb_reparent_notify_event_t *>(event)->window;
            break;
        case XCB_MAP_NOTIFY:
            window = reinterpret_cast<const xcb_map_notify_event_t *>(event)->window;
            break;
        case XCB_PROPERTY_NOTIFY: {
            const auto *p = reinterpret_cast<const xcb_property_notify_event_t *>(event);
            if (xcb_connection_t *c = connection(); c && p->atom == frameExtentsAtom(c))
                window = p->window;
            break;
        }
        default:
            break;
        }
        if (window == XCB_WINDOW_NONE)
            return false;
        QWidget *widget = QWidget::find(WId(window));
        if (!widget || !widget->isWindow())
            return false;
        // Qt handles the event first; then the frame is read.
        QTimer::singleShot(0, widget, [target = QPointer<QWidget>(widget), this] {
            if (target && changed)
                changed(target);
        });
        return false;
    }

    std::function<void(QWidget *)> changed;
};

Watcher *g_watcher = nullptr;

// The root window's list of what the window manager supports, read once.
bool supported(xcb_connection_t *c, const char *name)
{
    static const std::vector<xcb_atom_t> atoms = [c] {
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        auto r = reply(xcb_get_property_reply(
            c, xcb_get_property(c, 0, screen->root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096), nullptr));
        if (!r || r->type != XCB_ATOM_ATOM || r->format != 32)
            return std::vector<xcb_atom_t>();
        const auto *v = static_cast<const xcb_atom_t *>(xcb_get_property_value(r.get()));
        return std::vector<xcb_atom_t>(v, v + xcb_get_property_value_length(r.get()) / 4);
    }();
    const xcb_atom_t wanted = atom(c, name);
    return std::find(atoms.begin(), atoms.end(), wanted) != atoms.end();
}

} // namespace

bool onX() { return connection() != nullptr; }

bool publishesFrames()
{
    xcb_connection_t *c = connection();
    return c && supported(c, "_NET_FRAME_EXTENTS");
}

bool tiles()
{
    xcb_connection_t *c = connection();
    return c && supported(c, "_NET_SUPPORTING_WM_CHECK") && !supported(c, "_NET_WM_STATE_MAXIMIZED_VERT");
}

void preferFloating(const QWidget &window)
{
    xcb_connection_t *c = connection();
    const xcb_window_t client = windowOf(window);
    if (!c || client == XCB_WINDOW_NONE)
        return;
    const xcb_atom_t types[] = {atom(c, "_NET_WM_WINDOW_TYPE_DIALOG"), atom(c, "_NET_WM_WINDOW_TYPE_NORMAL")};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, client, atom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 2, types);
    xcb_flush(c);
}

std::optional<QMargins> frameOf(const QWidget &window)
{
    xcb_connection_t *c = connection();
    const xcb_window_t client = windowOf(window);
    if (!c || client == XCB_WINDOW_NONE)
        return std::nullopt;
    const auto e = cardinals(c, client, frameExtentsAtom(c));
    if (e && ((*e)[0] || (*e)[1] || (*e)[2] || (*e)[3]))
        return QMargins(int((*e)[0]), int((*e)[2]), int((*e)[1]), int((*e)[3])); // left, right, top, bottom
    // A manager that publishes its frames has not framed the window yet: its
    // frame window may not have its size yet (metacity takes a client as
    // large as the screen, frameless for a moment, for a request to be full
    // screen).
    if (!e && publishesFrames())
        return std::nullopt;
    // The frame window: the client's ancestor just under the root.
    xcb_window_t frame = client;
    for (;;) {
        auto tree = reply(xcb_query_tree_reply(c, xcb_query_tree(c, frame), nullptr));
        if (!tree)
            return std::nullopt;
        if (tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE)
            break;
        frame = tree->parent;
    }
    if (frame == client)
        return std::nullopt;
    auto outer = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, frame), nullptr));
    const std::optional<QRect> inner = clientRect(c, client);
    if (!outer || !inner)
        return std::nullopt;
    // The frame's position is that of its border's outer corner.
    const QRect framed(outer->x, outer->y, outer->width + 2 * outer->border_width,
                       outer->height + 2 * outer->border_width);
    return QMargins(inner->left() - framed.left(), inner->top() - framed.top(), framed.right() - inner->right(),
                    framed.bottom() - inner->bottom());
}

std::optional<QRect> clientOf(const QWidget &window)
{
    xcb_connection_t *c = connection();
    const xcb_window_t client = windowOf(window);
    if (!c || client == XCB_WINDOW_NONE)
        return std::nullopt;
    return clientRect(c, client);
}

namespace {

struct States
{
    xcb_atom_t property, vertical, horizontal, fullScreen;
};

const States &states(xcb_connection_t *c)
{
    static const States s{atom(c, "_NET_WM_STATE"), atom(c, "_NET_WM_STATE_MAXIMIZED_VERT"),
                          atom(c, "_NET_WM_STATE_MAXIMIZED_HORZ"), atom(c, "_NET_WM_STATE_FULLSCREEN")};
    return s;
}

} // namespace

bool maximised(const QWidget &window)
{
    xcb_connection_t *c = connection();
    const xcb_window_t client = windowOf(window);
    if (!c || client == XCB_WINDOW_NONE)
        return false;
    const States &s = states(c);
    auto r = reply(xcb_get_property_reply(c, xcb_get_property(c, 0, client, s.property, XCB_ATOM_ATOM, 0, 32), nullptr));
    if (!r || r->type != XCB_ATOM_ATOM || r->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(r.get()));
    const auto *end = atoms + xcb_get_property_value_length(r.get()) / 4;
    return std::any_of(atoms, end, [&s](xcb_atom_t a) { return a == s.vertical || a == s.horizontal || a == s.fullScreen; });
}

void restore(const QWidget &window)
{
    xcb_connection_t *c = connection();
    const xcb_window_t client = windowOf(window);
    if (!c || client == XCB_WINDOW_NONE || !maximised(window))
        return;
    const States &s = states(c);
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    constexpr uint32_t remove = 0, fromApplication = 1;
    for (const auto &[first, second] : {std::pair(s.vertical, s.horizontal), std::pair(s.fullScreen, xcb_atom_t(0))}) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = client;
        message.type = s.property;
        message.data.data32[0] = remove;
        message.data.data32[1] = first;
        message.data.data32[2] = second;
        message.data.data32[3] = fromApplication;
        xcb_send_event(c, 0, screen->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&message));
    }
    xcb_flush(c);
}

namespace {

// What the docks and panels keep of the screen's edges (_NET_WM_STRUT and
// _NET_WM_STRUT_PARTIAL: left, right, top and bottom), for a window manager that publishes no work area
// (i3 keeps its bar so): the windows just under the root and their
// children, where a reparenting manager put them.
QMargins struts(xcb_connection_t *c, xcb_window_t root)
{
    auto children = [c](xcb_window_t parent) {
        auto tree = reply(xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr));
        if (!tree)
            return std::vector<xcb_window_t>();
        const xcb_window_t *w = xcb_query_tree_children(tree.get());
        return std::vector<xcb_window_t>(w, w + xcb_query_tree_children_length(tree.get()));
    };
    std::vector<xcb_window_t> windows = children(root);
    std::vector<xcb_query_tree_cookie_t> trees;
    for (xcb_window_t w : windows)
        trees.push_back(xcb_query_tree(c, w));
    for (const xcb_query_tree_cookie_t &cookie : trees) {
        if (auto tree = reply(xcb_query_tree_reply(c, cookie, nullptr))) {
            const xcb_window_t *w = xcb_query_tree_children(tree.get());
            windows.insert(windows.end(), w, w + xcb_query_tree_children_length(tree.get()));
        }
    }
    // The partial struts begin with the same four widths.
    static const xcb_atom_t strut = atom(c, "_NET_WM_STRUT"), partial = atom(c, "_NET_WM_STRUT_PARTIAL");
    std::vector<xcb_get_property_cookie_t> asked;
    for (xcb_window_t w : windows)
        for (xcb_atom_t property : {strut, partial})
            asked.push_back(xcb_get_property(c, 0, w, property, XCB_ATOM_CARDINAL, 0, 4));
    QMargins kept;
    for (const xcb_get_property_cookie_t &cookie : asked) {
        auto r = reply(xcb_get_property_reply(c, cookie, nullptr));
        if (!r || r->type != XCB_ATOM_CARDINAL || r->format != 32 || xcb_get_property_value_length(r.get()) < 16)
            continue;
        const auto *v = static_cast<const quint32 *>(xcb_get_property_value(r.get()));
        kept = QMargins(std::max(kept.left(), int(v[0])), std::max(kept.top(), int(v[2])),
                        std::max(kept.right(), int(v[1])), std::max(kept.bottom(), int(v[3])));
    }
    return kept;
}

} // namespace

std::optional<QRect> workArea()
{
    xcb_connection_t *c = connection();
    if (!c)
        return std::nullopt;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return std::nullopt;
    const QRect whole(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    static const xcb_atom_t workAreaAtom = atom(c, "_NET_WORKAREA");
    const auto published = cardinals(c, screen->root, workAreaAtom);
    if (!published)
        return whole - struts(c, screen->root);
    const auto &v = *published;
    const QRect area{int(v[0]), int(v[1]), int(v[2]), int(v[3])};
    return area.isEmpty() ? whole : area.intersected(whole);
}

namespace {

void placeWithoutSteps(xcb_connection_t *c, xcb_window_t client, const QRect &device)
{
    // Qt's hints without the size steps: the place and size the program
    // gives, the client staying where it is when framed.
    constexpr uint32_t userPosition = 1u << 0, userSize = 1u << 1, gravity = 1u << 9, staticGravity = 10;
    uint32_t hints[18] = {};
    hints[0] = userPosition | userSize | gravity;
    hints[1] = uint32_t(device.x());
    hints[2] = uint32_t(device.y());
    hints[3] = uint32_t(std::max(1, device.width()));
    hints[4] = uint32_t(std::max(1, device.height()));
    hints[17] = staticGravity;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, client, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 32, 18,
                        hints);
}

} // namespace

void placeClient(const QWidget &window, const QRect &device)
{
    xcb_connection_t *c = connection();
    const xcb_window_t client = windowOf(window);
    if (!c || client == XCB_WINDOW_NONE)
        return;
    placeWithoutSteps(c, client, device);
    const uint32_t values[] = {uint32_t(device.x()), uint32_t(device.y()), uint32_t(std::max(1, device.width())),
                               uint32_t(std::max(1, device.height()))};
    xcb_configure_window(c, client,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT,
                         values);
    xcb_flush(c);
}

void watch(std::function<void(QWidget *)> changed)
{
    if (!onX())
        return;
    if (!g_watcher) {
        g_watcher = new Watcher; // for the life of the process, as the application's filters are
        QCoreApplication::instance()->installNativeEventFilter(g_watcher);
    }
    g_watcher->changed = std::move(changed);
}

} // namespace toolkit::frames
