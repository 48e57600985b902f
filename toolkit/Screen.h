// Screen size and units: positions are in twips (1440 per inch).
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QApplication;
class QWidget;

namespace toolkit {

// Twips per pixel, from the screen's logical dpi (15 at 96 dpi).
double twipsPerPixel();

// Twips to whole pixels, rounded, kept within what a widget can take.
inline int toPixels(double twips, double tpp)
{
    const double px = twips / tpp;
    if (!(px > -1e6 && px < 1e6))
        return px > 0 ? 1000000 : -1000000;
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}
inline int toPixels(double twips) { return toPixels(twips, twipsPerPixel()); }

// The screen that windows are placed on is the desktop's work area: the
// primary screen without its panels and taskbars, in logical pixels.
QRect workArea();
// The same in device pixels, exactly as the window manager gives it (on a
// scaled screen the logical pixels above are rounded).
QRect deviceWorkArea();
// Device pixels per logical pixel.
double devicePixelRatio();
// A rectangle of device pixels as Qt sees it in logical pixels at ratio f
// (position and size each rounded), and back.
QRect logicalOf(const QRect &device, double f);
QRect deviceOf(const QRect &logical, double f);
// The work area in twips: what the windows read as the screen's size.
double screenWidth();
double screenHeight();
// Stands in for the whole work area (the driver's --screen and the tests):
// a screen of that many device pixels, seen through the scale factor, so a
// 1366 x 768 screen at scale 2 gives a work area of 683 x 384. On a real
// display the work area never grows beyond the real one. An empty size
// brings back the real screen.
void setScreenPixels(QSize devicePixels);

// A 24-bit colour as the forms name it.
inline QColor RGB(int r, int g, int b) { return QColor(r, g, b); }

// The fonts the windows were designed with, mapped to installed fonts that
// cover Greek.
QString fontFamily(const QString &designName);
QFont makeFont(const QString &designName, double pointSize, bool bold, bool italic);

// Style and fonts shared by the program, the driver, the tests and the
// benchmarks, so that every window looks the same wherever it runs.
void setUpApplication();

// A QT_SCALE_FACTOR the windows cannot be laid out at (zero, negative, not a
// number, below 1/4 or above 16) is dropped before the application reads it,
// so that the program starts at scale 1. Returns the line that says so, or
// an empty string. Call before the application object is made.
QString dropUnusableScaleFactor();

// Makes the application object on the display the session has. A Wayland
// session lets no client place its windows; XWayland does, and the windows
// go through it wherever the session has it (DISPLAY); without it they are
// Wayland's own, placed by the compositor, and a line on standard error
// says so. Without any display (DISPLAY not set, an X server that does not
// answer, a compositor gone or its socket left behind, a platform with no
// screen) it writes one line, "program: no display: ...; remedy", in the
// desktop's language, and ends the program with exit status 1.
std::unique_ptr<QApplication> openApplication(int &argc, char **argv, const char *program, const QString &remedy);

// Outside a desktop session (a terminal, a test) XDG_RUNTIME_DIR is often
// unset, and Qt says so on standard error at every start: the folder Qt
// would fall back to is given instead, made private to the user. Call
// before the application object is made.
void provideRuntimeDir();

// Runs `work` once, as soon as `window`'s first picture is on the screen
// (after anything that painting asked for), or earlier, before the first key
// or mouse button of the session reaches any window. A window that is
// destroyed first cancels it.
void afterFirstShown(QWidget &window, std::function<void()> work);

// The system beep.
void beep();

} // namespace toolkit
