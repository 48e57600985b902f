// spotsim-drive: runs spotsim from a script, offscreen unless --show.
//   spotsim-drive [--show] [--screen WxH] SCRIPT|-
#include "shell/LessonPlayer.h"
#include "shell/StartUp.h"
#include "toolkit/Files.h"
#include "toolkit/Form.h"
#include "toolkit/Language.h"
#include "toolkit/Registry.h"
#include "toolkit/Screen.h"
#include "toolkit/Text.h"
#include "tools/drive/Driver.h"

#include <QCoreApplication>
#include <QApplication>
#include <QElapsedTimer>
#include <QIODevice>
#include <QTextStream>

#include <memory>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// From the smallest screen the windows are laid out for to an 8K display.
constexpr QSize smallestScreen(320, 240);
constexpr QSize largestScreen(7680, 4320);
// A script is read whole before it runs; anything this long is not a script.
constexpr qsizetype largestScript = 16 * 1024 * 1024;

constexpr const char *usage = "usage: spotsim-drive [--show] [--screen WxH] [--lang el|en] SCRIPT|- | --check LESSON";

// One line on standard error, with anything unprintable escaped; exit code 2.
int refuse(const QString &message)
{
    QTextStream(stderr) << "spotsim-drive: " << toolkit::printable(message) << Qt::endl;
    return 2;
}

// A command-line argument in a message: at most 80 characters of it.
QString local(const char *text) { return toolkit::quoted(toolkit::fileNameText(text)); }

// Standard output, written straight to its descriptor, so that a write that
// fails (a closed output, a full disk, a pipe its reader closed) is known at
// once and by its reason.
class StandardOutput final : public QIODevice
{
public:
    explicit StandardOutput(bool closed)
        : m_closed(closed)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const QByteArray bytes = QByteArray::fromRawData(data, size);
        const QString problem =
            m_closed ? toolkit::translate("Driver", "it is closed") : toolkit::writeToDescriptor(STDOUT_FILENO, bytes);
        if (problem.isEmpty())
            return size;
        setErrorString(problem);
        return -1;
    }

private:
    bool m_closed;
};

// "WxH" in decimal digits only, for example "1366x768".
std::optional<QSize> parseSize(std::string_view text)
{
    auto number = [](std::string_view digits) -> std::optional<int> {
        if (digits.empty() || digits.size() > 6
            || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        int value = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return value;
    };
    const auto x = text.find('x');
    if (x == std::string_view::npos)
        return std::nullopt;
    const auto w = number(text.substr(0, x));
    const auto h = number(text.substr(x + 1));
    if (!w || !h)
        return std::nullopt;
    return QSize(*w, *h);
}

QString screenProblem(const char *text)
{
    const auto size = parseSize(text);
    const QString range = toolkit::translate("Driver", "from %1x%2 to %3x%4")
                              .arg(smallestScreen.width())
                              .arg(smallestScreen.height())
                              .arg(largestScreen.width())
                              .arg(largestScreen.height());
    if (!size)
        return toolkit::translate("Driver", "--screen takes WxH in pixels, for example 1366x768, not '%1'").arg(local(text));
    if (size->width() < smallestScreen.width() || size->height() < smallestScreen.height()
        || size->width() > largestScreen.width() || size->height() > largestScreen.height())
        return toolkit::translate("Driver", "--screen %1 is not a display's size; it takes %2").arg(local(text), range);
    return QString();
}

// The whole script. It is read before the application opens descriptors of
// its own: with standard input closed, one of those would take number 0.
std::optional<QByteArray> readScript(const char *path, QString &problem)
{
    const bool standardInput = std::strcmp(path, "-") == 0;
    const QString source = standardInput ? toolkit::translate("Driver", "from standard input")
                                         : QStringLiteral("'%1'").arg(local(path));
    auto cannot = [&](const QString &why) {
        problem = toolkit::translate("Driver", "cannot read the script %1: %2").arg(source, why);
    };
    int fd = STDIN_FILENO;
    if (standardInput) {
        if (fcntl(STDIN_FILENO, F_GETFD) == -1) {
            cannot(toolkit::translate("Driver", "it is closed"));
            return std::nullopt;
        }
    } else {
        fd = open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            cannot(local(std::strerror(errno)));
            return std::nullopt;
        }
    }
    QByteArray script;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            cannot(local(std::strerror(errno)));
            break;
        }
        if (n == 0)
            break;
        if (script.size() + n > largestScript) {
            cannot(toolkit::translate("Driver", "it is longer than %1 MiB").arg(largestScript >> 20));
            break;
        }
        script.append(buffer, n);
    }
    if (!standardInput)
        close(fd);
    if (!problem.isEmpty())
        return std::nullopt;
    return script;
}

// A closed standard stream is pointed at /dev/null, so that none of the
// application's own descriptors takes its number and receives the output.
// Values written to a closed standard output still fail (StandardOutput).
void occupyStandardDescriptors()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1)
            continue;
        const int null = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            dup2(null, fd);
            close(null);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // A reader that goes away early is a failed write, said in one line, not
    // the end of the driver.
    std::signal(SIGPIPE, SIG_IGN);
    // Told now, before any descriptor of the driver's own can take its number.
    const bool outputClosed = fcntl(STDOUT_FILENO, F_GETFD) == -1;
    bool show = false;
    std::optional<QSize> screen;
    std::optional<toolkit::Language> language;
    const char *scriptPath = nullptr;
    const char *lessonPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--check") {
            if (i + 1 == argc)
                return refuse(QLatin1String(usage));
            lessonPath = argv[++i];
        } else if (arg == "--show") {
            show = true;
        } else if (arg == "--screen") {
            if (i + 1 == argc)
                return refuse(toolkit::translate("Driver", "--screen needs WxH, for example 1366x768"));
            const char *size = argv[++i];
            if (const QString problem = screenProblem(size); !problem.isEmpty())
                return refuse(problem);
            screen = *parseSize(size);
        } else if (arg == "--lang" || arg.starts_with("--lang=")) {
            const QString name = QString::fromLocal8Bit(arg == "--lang" ? (i + 1 < argc ? argv[++i] : "") : argv[i] + 7);
            language = toolkit::languageNamed(name);
            if (!language)
                return refuse(toolkit::translate("toolkit", "--lang takes el or en, not '%1'")
                                  .arg(toolkit::quoted(name)));
        } else if (arg.size() > 1 && arg.front() == '-') {
            return refuse(toolkit::translate("Driver", "unknown option '%1'; %2").arg(local(argv[i]), QLatin1String(usage)));
        } else if (!scriptPath) {
            scriptPath = argv[i];
        } else {
            return refuse(toolkit::translate("Driver", "one script only; %1").arg(QLatin1String(usage)));
        }
    }
    if (!scriptPath == !lessonPath)
        return refuse(QLatin1String(usage));

    QString problem;
    const std::optional<QByteArray> script = scriptPath ? readScript(scriptPath, problem) : QByteArray();
    if (!script)
        return refuse(problem);
    occupyStandardDescriptors();
    // Qt wants a private runtime folder and says so on standard error when
    // the session has none: the driver gives it one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = "/tmp/runtime-" + QByteArray::number(getuid());
        mkdir(runtime.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }

    toolkit::provideRuntimeDir();
    if (const QString dropped = toolkit::dropUnusableScaleFactor(); !dropped.isEmpty())
        QTextStream(stderr) << "spotsim-drive: " << dropped << Qt::endl;
    std::unique_ptr<QApplication> app;
    if (!show) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = toolkit::openApplication(argc, argv, "spotsim-drive",
                                       toolkit::translate("Driver", "start it in a desktop session, or without --show "
                                                                    "to drive the windows offscreen"));
    }
    toolkit::setUpApplication();
    toolkit::useLanguage(language.value_or(toolkit::desktopLanguage()));
    // Offscreen the screen is 1366 x 768 unless told; shown, the real one.
    toolkit::setScreenPixels(screen.value_or(show ? QSize() : QSize(1366, 768)));
    shell::startRoutine();
    if (show) {
        // A script runs faster than a window manager frames: windows drawn
        // before it has framed the first would be drawn for a client area
        // their frame then shrinks. The title window's frame comes first.
        QElapsedTimer waited;
        waited.start();
        const auto framed = [] {
            const std::vector<toolkit::Form *> shown = toolkit::visibleForms();
            return std::all_of(shown.begin(), shown.end(), [](const toolkit::Form *w) { return w->framed(); });
        };
        while (!framed() && waited.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }

    if (lessonPath) {
        // Each fault of the lesson a line, as FILE:LINE: reason.
        const QStringList problems = lesson::player().open(toolkit::fileNameText(lessonPath));
        for (const QString &line : problems)
            QTextStream(stderr) << line << Qt::endl;
        toolkit::resetForms();
        return problems.isEmpty() ? 0 : 2;
    }

    // Every value is written out and checked as it is printed: a failed
    // write stops the script there.
    StandardOutput output(outputClosed);
    QTextStream out(&output);
    QTextStream err(stderr);
    drive::Driver driver(out, err);
    // Byte for byte: a file name that is not UTF-8 is written as it is.
    const int result = driver.run(toolkit::fileNameText(*script));
    toolkit::resetForms(); // windows go before the application object
    return result;
}
