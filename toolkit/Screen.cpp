#include "toolkit/Screen.h"

#include "toolkit/Fonts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

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

QRect workArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect real = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
    if (!g_screenOverride.isValid() || g_screenOverride.isEmpty())
        return real;
    const double ratio = screen ? screen->devicePixelRatio() : 1.0;
    QSize logical(qRound(g_screenOverride.width() / ratio), qRound(g_screenOverride.height() / ratio));
    // The offscreen platform's own screen is only a placeholder; a real one
    // bounds the stand-in, so that no window is ever placed off it.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        logical = logical.boundedTo(real.size());
    return QRect(real.topLeft(), logical.expandedTo(QSize(1, 1)));
}

QSize screenPixels() { return workArea().size(); }

void setScreenPixels(QSize devicePixels) { g_screenOverride = devicePixels; }

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
    return QStringLiteral("QT_SCALE_FACTOR=%1 is not a scale the windows can be laid out at; starting at scale 1")
        .arg(QString::fromLocal8Bit(text.left(80)));
}

void setUpApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(makeFont(fonts::defaultSans, 8.25, false, false));
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
