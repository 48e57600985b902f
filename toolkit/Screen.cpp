#include "toolkit/Screen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace toolkit {

namespace {
QSize g_screenOverride;
}

double twipsPerPixel()
{
    // Read once: every placement and every point of a run converts with it.
    static double cached = 0;
    if (cached > 0)
        return cached;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 15.0;
    const double dpi = screen->logicalDotsPerInchX();
    cached = dpi > 0 ? 1440.0 / dpi : 15.0;
    return cached;
}

QSize screenPixels()
{
    if (g_screenOverride.isValid())
        return g_screenOverride;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1366, 768);
}

void setScreenPixels(QSize pixels) { g_screenOverride = pixels; }

double screenWidth() { return screenPixels().width() * twipsPerPixel(); }
double screenHeight() { return screenPixels().height() * twipsPerPixel(); }

QString fontFamily(const QString &designName)
{
    const QString name = designName.trimmed().toLower();
    if (name.startsWith(QLatin1String("times new roman")))
        return QStringLiteral("DejaVu Serif");
    if (name == QLatin1String("arial narrow"))
        return QStringLiteral("DejaVu Sans Condensed");
    return QStringLiteral("DejaVu Sans"); // Arial, Symbol and the default sans font
}

QFont makeFont(const QString &designName, double pointSize, bool bold, bool italic)
{
    QFont font(fontFamily(designName));
    font.setPointSizeF(pointSize > 0 ? pointSize : 8.25);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void setUpApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(makeFont(QStringLiteral("MS Sans Serif"), 8.25, false, false));
    QApplication::setQuitOnLastWindowClosed(true);
}

void beep() { QApplication::beep(); }

} // namespace toolkit
