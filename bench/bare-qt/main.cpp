// spotsim-bare: the smallest Qt Widgets program that shows what spotsim's
// start shows, the yardstick of bench/startup-x.sh.
//
// Usage: spotsim-bare [FULL [QUARTERS]]
// Shows FULL windows (1 unless given) that fill the screen's work area, each
// a label, and QUARTERS windows of a quarter of it, one in each corner in
// turn. With SPOTSIM_EXIT_WHEN_SHOWN set it leaves as soon as every window
// has been painted, as spotsim does after its first window.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <vector>

namespace {

// Leaves once every window has had its first paint.
class ExitWhenPainted final : public QObject
{
public:
    explicit ExitWhenPainted(std::size_t windows)
        : m_windows(windows)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            m_painted.insert(watched);
            if (m_painted.size() == m_windows && !m_leaving) {
                m_leaving = true;
                QTimer::singleShot(0, [] {
                    std::fflush(nullptr);
                    std::_Exit(0);
                });
            }
        }
        return false;
    }

private:
    std::size_t m_windows;
    std::set<QObject *> m_painted;
    bool m_leaving = false;
};

int count(int argc, char **argv, int index, int fallback)
{
    if (argc <= index)
        return fallback;
    const int n = std::atoi(argv[index]);
    return n >= 0 && n <= 50 ? n : fallback;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int full = count(argc, argv, 1, 1);
    const int quarters = count(argc, argv, 2, 0);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();

    std::vector<std::unique_ptr<QLabel>> windows;
    for (int k = 0; k < full + quarters; ++k) {
        auto label = std::make_unique<QLabel>(QStringLiteral("A chemical reaction on a lattice of spots"));
        label->setAlignment(Qt::AlignCenter);
        if (k < full) {
            label->setGeometry(area);
        } else {
            const int corner = (k - full) % 4;
            const QSize half = area.size() / 2;
            label->setGeometry(QRect(area.topLeft() + QPoint(corner % 2 * half.width(), corner / 2 * half.height()), half));
        }
        windows.push_back(std::move(label));
    }

    ExitWhenPainted exit(windows.size());
    if (qEnvironmentVariableIsSet("SPOTSIM_EXIT_WHEN_SHOWN"))
        app.installEventFilter(&exit);
    for (auto &window : windows)
        window->show();
    return app.exec();
}
