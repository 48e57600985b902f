// Screen size and units: positions are in twips (1440 per inch).
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

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

// The screen in twips. A size set with setScreenPixels (the driver and the
// tests do) replaces the real screen's.
double screenWidth();
double screenHeight();
QSize screenPixels();
void setScreenPixels(QSize pixels);

// A 24-bit colour as the forms name it.
inline QColor RGB(int r, int g, int b) { return QColor(r, g, b); }

// The fonts the windows were designed with, mapped to installed fonts that
// cover Greek.
QString fontFamily(const QString &designName);
QFont makeFont(const QString &designName, double pointSize, bool bold, bool italic);

// Style and fonts shared by the program, the driver, the tests and the
// benchmarks, so that every window looks the same wherever it runs.
void setUpApplication();

// The system beep.
void beep();

} // namespace toolkit
