// The frames that the window manager puts around the windows, read from the X
// server itself: Qt learns them late or not at all under some window managers,
// and the windows are placed by their frames.
#pragma once

#include <QMargins>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

namespace toolkit::frames {

// Whether the windows are on an X server (directly or through XWayland).
bool onX();

// Whether the window manager publishes the frames it draws
// (_NET_FRAME_EXTENTS): a window without them has not been framed yet.
bool publishesFrames();

// Whether the window manager lays out the windows itself, as a tiling one
// does: it speaks EWMH and offers no maximised state.
bool tiles();

// The frame around a shown window's client area, in device pixels: the
// extents the window manager publishes (_NET_FRAME_EXTENTS), or else the
// frame window it put the client in, borders included. Nothing while the
// window is not framed (not mapped yet, no reparenting window manager, or
// one that publishes its frames and has not yet for this window).
std::optional<QMargins> frameOf(const QWidget &window);

// Where the window's client area is on the screen, in device pixels.
std::optional<QRect> clientOf(const QWidget &window);

// Whether the window manager has the shown window maximised, in either
// direction, or full screen (_NET_WM_STATE): the user's doing, never the
// program's.
bool maximised(const QWidget &window);

// Asks the window manager to bring a shown window out of being maximised or
// full screen.
void restore(const QWidget &window);

// The desktop's work area in device pixels as the window manager publishes
// it (_NET_WORKAREA), or else the screen without what its docks and panels
// keep (_NET_WM_STRUT).
std::optional<QRect> workArea();

// Asks a window manager that tiles to float the window, before it is first
// shown: it is marked a dialog first and a normal window second
// (_NET_WM_WINDOW_TYPE lists the types in order of preference), as tiling
// managers float dialogs.
void preferFloating(const QWidget &window);

// Moves and sizes a shown window's client area in device pixels, exactly,
// where Qt would round through its logical pixels. On a scaled screen Qt
// asks the window manager for sizes in steps of the scale, which would keep
// a frame from meeting the work area's edge: the window then asks for no
// steps, only for this place and size.
void placeClient(const QWidget &window, const QRect &device);

// Calls `changed` with a top-level window, after Qt has seen the event,
// whenever the window manager may have framed it anew: it was reparented,
// mapped, or its frame extents were published. Watching starts with the
// first call; later calls replace the function.
void watch(std::function<void(QWidget *)> changed);

} // namespace toolkit::frames
