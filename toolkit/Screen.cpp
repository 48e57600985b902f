#include "toolkit/Screen.h"

#include "toolkit/Fonts.h"
#include "toolkit/Language.h"
#include "toolkit/Text.h"
#include "toolkit/WindowFrame.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QTextStream>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

// The compositor's socket WAYLAND_DISPLAY names: a name within the runtime
// folder, or a path.
QString waylandSocket()
{
    QString socket = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (socket.isEmpty())
        socket = QStringLiteral("wayland-0"); // the one Qt tries
    return socket.startsWith(QLatin1Char('/')) ? socket
                                                : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + socket;
}

// Whether a program listens on that socket: a compositor that died leaves
// its socket behind.
bool answers(const QString &socketPath)
{
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return true; // not a name the test can take: Qt tells
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true;
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

// Why no window can be shown, or an empty string; a line about where the
// windows go goes to `notice`. Chooses the platform on the way.
QString choosePlatform(QString &notice)
{
    if (!qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return {};
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return {};
    }
    const QString path = waylandSocket();
    if (!QFileInfo::exists(path))
        return translate("toolkit", "DISPLAY is not set and the Wayland compositor's socket %1 is not there")
            .arg(quoted(path));
    if (!answers(path))
        return translate("toolkit", "DISPLAY is not set and no Wayland compositor answers on its socket %1")
            .arg(quoted(path));
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    if (platforms.entryList({QStringLiteral("*qwayland*")}, QDir::Files).isEmpty())
        return translate("toolkit", "this Wayland session has no X server (DISPLAY is not set) and Qt's Wayland "
                                    "platform is not installed (package qt6-wayland)");
    qputenv("QT_QPA_PLATFORM", "wayland");
    notice = translate("toolkit", "this Wayland session has no X server (DISPLAY is not set): the compositor places "
                                  "the windows, so the run windows may overlap instead of sharing the screen in "
                                  "quarters");
    return {};
}

// Why the platform Qt was asked for could not start: what is missing.
QString platformProblem()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM").section(QLatin1Char(';'), 0, 0);
    if (platform.isEmpty() || platform == QLatin1String("xcb")) {
        const QString display = qEnvironmentVariable("DISPLAY");
        if (display.isEmpty())
            return translate("toolkit", "DISPLAY is not set");
        return translate("toolkit", "no X server answers on DISPLAY %1").arg(quoted(display));
    }
    if (platform.startsWith(QLatin1String("wayland")))
        return translate("toolkit", "no Wayland compositor answers on its socket %1").arg(quoted(waylandSocket()));
    return translate("toolkit", "Qt's platform %1 found no screen").arg(quoted(platform));
}

// While the application object is made: Qt's lines are held, and its fatal
// one, which would end the program with an abort and four lines of advice,
// becomes the program's one line.
struct Opening
{
    struct Held
    {
        QtMsgType type;
        const char *file, *function, *category;
        int line;
        QString message;
    };
    const char *program = "";
    QString remedy;
    std::vector<Held> held;
    QtMessageHandler before = nullptr;
};
Opening *g_opening = nullptr;

[[noreturn]] void refuseToOpen(const char *program, const QString &problem, const QString &remedy)
{
    QTextStream(stderr) << program << ": " << translate("toolkit", "no display: %1; %2").arg(problem, remedy)
                        << Qt::endl;
    std::_Exit(1);
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg)
        refuseToOpen(g_opening->program, platformProblem(), g_opening->remedy);
    g_opening->held.push_back({type, context.file, context.function, context.category, context.line, message});
}

} // namespace

std::unique_ptr<QApplication> openApplication(int &argc, char **argv, const char *program, const QString &remedy)
{
    QString notice;
    if (const QString problem = choosePlatform(notice); !problem.isEmpty())
        refuseToOpen(program, problem, remedy);
    if (!notice.isEmpty())
        QTextStream(stderr) << program << ": " << notice << Qt::endl;
    Opening opening{program, remedy, {}, nullptr};
    g_opening = &opening;
    opening.before = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(opening.before);
    g_opening = nullptr;
    // A platform without a screen (linuxfb with no frame buffer) has started
    // but can show nothing.
    if (QGuiApplication::screens().isEmpty())
        refuseToOpen(program, platformProblem(), remedy);
    for (const Opening::Held &m : opening.held)
        qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.message);
    return app;
}

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
