#include "toolkit/Screen.h"

#include "toolkit/Fonts.h"
#include "toolkit/Language.h"
#include "toolkit/Text.h"
#include "toolkit/WindowFrame.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <sys/stat.h>
#include <unistd.h>

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

double devicePixelRatio()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

namespace {

// The real work area in device pixels, read from the window manager once and
// again whenever the screen says it changed.
QRect realDeviceArea()
{
    static QRect cached;
    static bool watching = false;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!watching && screen) {
        watching = true;
        auto forget = [] { cached = QRect(); };
        QObject::connect(screen, &QScreen::availableGeometryChanged, qApp, forget);
        QObject::connect(screen, &QScreen::geometryChanged, qApp, forget);
    }
    if (cached.isValid())
        return cached;
    if (const auto area = frames::workArea()) {
        cached = *area;
    } else {
        const QRect logical = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
        const double f = devicePixelRatio();
        cached = deviceOf(logical, f);
    }
    return cached;
}

} // namespace

QRect deviceWorkArea()
{
    const QRect real = realDeviceArea();
    if (!g_screenOverride.isValid() || g_screenOverride.isEmpty())
        return real;
    QSize size = g_screenOverride;
    // The offscreen platform's own screen is only a placeholder; a real one
    // bounds the stand-in, so that no window is ever placed off it.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        size = size.boundedTo(real.size());
    return QRect(real.topLeft(), size.expandedTo(QSize(1, 1)));
}

QRect logicalOf(const QRect &device, double f)
{
    return QRect(qRound(device.x() / f), qRound(device.y() / f), std::max(1, qRound(device.width() / f)),
                 std::max(1, qRound(device.height() / f)));
}

QRect deviceOf(const QRect &logical, double f)
{
    return QRect(qRound(logical.x() * f), qRound(logical.y() * f), qRound(logical.width() * f),
                 qRound(logical.height() * f));
}

// As Qt sees a window at these device pixels.
QRect workArea() { return logicalOf(deviceWorkArea(), devicePixelRatio()); }

void setScreenPixels(QSize devicePixels) { g_screenOverride = devicePixels; }

// Exact, not rounded to logical pixels: halves of the work area meet.
double screenWidth() { return deviceWorkArea().width() / devicePixelRatio() * twipsPerPixel(); }
double screenHeight() { return deviceWorkArea().height() / devicePixelRatio() * twipsPerPixel(); }

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
    font.setPointSizeF(pointSize > 0 ? pointSize : fonts::defaultPointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString dropUnusableScaleFactor()
{
    const QByteArray text = qgetenv("QT_SCALE_FACTOR");
    if (text.isEmpty())
        return {};
    bool ok = false;
    const double factor = text.trimmed().toDouble(&ok);
    if (ok && factor >= 0.25 && factor <= 16)
        return {};
    qunsetenv("QT_SCALE_FACTOR");
    return translate("toolkit", "QT_SCALE_FACTOR=%1 is not a scale the windows can be laid out at; starting at scale 1")
        .arg(quoted(QString::fromLocal8Bit(text)));
}

namespace {
bool g_platformAvailable = true;
}

QString choosePlatform()
{
    if (!qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return {};
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return {};
    }
    // The compositor's socket: a name within the runtime folder, or a path.
    const QString socket = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString path = socket.startsWith(QLatin1Char('/'))
                             ? socket
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + socket;
    if (!QFileInfo::exists(path)) {
        g_platformAvailable = false;
        return translate("toolkit", "no display: DISPLAY is not set and the Wayland compositor's socket %1 is not there")
            .arg(quoted(path));
    }
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    if (platforms.entryList({QStringLiteral("*qwayland*")}, QDir::Files).isEmpty()) {
        g_platformAvailable = false;
        return translate("toolkit", "this Wayland session has no X server (DISPLAY is not set) and Qt's Wayland platform "
                              "is not installed (package qt6-wayland): no window can be shown");
    }
    qputenv("QT_QPA_PLATFORM", "wayland");
    return translate("toolkit", "this Wayland session has no X server (DISPLAY is not set): the compositor places the "
                          "windows, so the run windows may overlap instead of sharing the screen in quarters");
}

bool platformAvailable() { return g_platformAvailable; }

void provideRuntimeDir()
{
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        return;
    const QByteArray dir = QByteArray("/tmp/runtime-") + QByteArray::number(uint(::getuid()));
    struct stat st{};
    if (::mkdir(dir.constData(), 0700) != 0 &&
        (::lstat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
         (st.st_mode & 0777) != 0700))
        return; // not a folder of the user's own: Qt chooses, and says so
    qputenv("XDG_RUNTIME_DIR", dir);
}

void setUpApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(makeFont(fonts::defaultSans, fonts::defaultPointSize, false, false));
    QApplication::setQuitOnLastWindowClosed(true);
}

namespace {

// Watches one window's first paint and every input of the application until
// its work has run.
class FirstShown final : public QObject
{
public:
    FirstShown(QWidget &window, std::function<void()> work)
        : QObject(&window)
        , m_window(&window)
        , m_work(std::move(work))
    {
        window.installEventFilter(this);
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Paint:
            if (watched == m_window && !m_queued) {
                // Queued twice: the first turn is still the paint's own, with
                // whatever it queued; the second comes after it.
                m_queued = true;
                QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, [this] { run(); }); });
            }
            break;
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            run();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void run()
    {
        qApp->removeEventFilter(this);
        m_window->removeEventFilter(this);
        const auto work = std::move(m_work);
        m_work = nullptr;
        deleteLater();
        if (work)
            work();
    }

    QWidget *m_window; // its parent: it goes with the window
    std::function<void()> m_work;
    bool m_queued = false;
};

} // namespace

void afterFirstShown(QWidget &window, std::function<void()> work)
{
    new FirstShown(window, std::move(work));
}

void beep() { QApplication::beep(); }

} // namespace toolkit
