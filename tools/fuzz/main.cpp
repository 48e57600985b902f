// spotsim-fuzz: random roads through every chapter, as driver scripts, with
// the program's promises checked after every action; a failing road is
// written out, and cut down to the lines that still make it fail.
//   spotsim-fuzz [--actions N] [--road N] [--seed N] [--out DIR]
//   spotsim-fuzz --minimise SCRIPT [--out DIR]
#include "shell/StartUp.h"
#include "shell/core/SharedState.h"
#include "toolkit/Toolkit.h"
#include "tools/drive/Driver.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <optional>
#include <random>

namespace {

using namespace toolkit;

// The screens a road runs on, from the smallest the windows are laid out for.
const QSize screens[] = {{1366, 768}, {320, 240}, {1024, 600}, {3840, 2160}, {800, 600}, {1920, 1080}};

struct Road
{
    QSize screen;
    QStringList lines; // driver lines, a seed first
};

// A broken promise: which one, and after which line.
struct Finding
{
    QString promise;
    int line = 0;
};

QString name(const QObject &control) { return control.parent()->objectName() + QLatin1Char('.') + control.objectName(); }

// What the program promises after every action; the empty string when it
// holds. tickCountBefore and timerBefore are read before the action.
QString brokenPromise(int tickCountBefore, bool timerBefore, const QString &action)
{
    const auto &s = shell::core::shared();
    const auto n = s.run.counts();
    for (int count : {n.a, n.b, n.c, n.d})
        if (count < 0 || count > kinetics::core::latticeSide * kinetics::core::latticeSide)
            return QStringLiteral("a count out of 0..625");
    if (s.run.running() && n.total() != s.run.spotTotal())
        return QStringLiteral("the counts add up to %1, not %2").arg(n.total()).arg(s.run.spotTotal());
    const int ticks = s.run.tickCount();
    const bool ticked = action.startsWith(QLatin1String("tick")) || action == QLatin1String("run");
    if (ticks > tickCountBefore && !(ticked && timerBefore))
        return QStringLiteral("the tick counter moved while the timer stood");
    const auto &next = s.rates;
    const auto &ran = s.run.setup().rates;
    for (double rate : {next.steps.k1, next.steps.k2, next.steps.k3, next.k4, next.k5, next.steps.k1Reverse,
                        next.steps.k2Reverse, ran.steps.k1, ran.steps.k2, ran.steps.k3, ran.k4, ran.k5,
                        ran.steps.k1Reverse, ran.steps.k2Reverse})
        if (!std::isfinite(rate))
            return QStringLiteral("a rate that is not finite");
    static const QRegularExpression notANumber(QStringLiteral("\\b(nan|inf)\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    const QRect area = workArea();
    for (Form *form : createdForms()) {
        for (Label *label : form->findChildren<Label *>())
            if (notANumber.match(label->caption()).hasMatch())
                return QStringLiteral("%1 shows '%2'").arg(name(*label), label->caption());
        for (ScrollBar *bar : form->findChildren<ScrollBar *>())
            if (bar->value() < std::min(bar->min(), bar->max()) || bar->value() > std::max(bar->min(), bar->max()))
                return QStringLiteral("%1 = %2 is out of its range").arg(name(*bar)).arg(bar->value());
        if (form->isVisible() && !area.contains(form->frameGeometry()))
            return QStringLiteral("%1 lies outside the work area").arg(form->objectName());
    }
    return {};
}

bool timerRuns()
{
    Form *control = createdForm(QStringLiteral("apotelesmata"));
    const Timer *timer = control ? control->findChild<Timer *>(QStringLiteral("Timer1")) : nullptr;
    return timer && timer->running() && !ended();
}

// A fresh program on the road's screen.
void restart(const QSize &screen)
{
    setScreenPixels(screen);
    shell::resetProgram();
    shell::startRoutine();
}

// Plays the lines from a fresh program and checks the promises after each;
// the first broken one, if any.
std::optional<Finding> play(const Road &road)
{
    restart(road.screen);
    QString sink;
    QTextStream out(&sink), err(&sink);
    drive::Driver driver(out, err);
    for (int k = 0; k < road.lines.size(); ++k) {
        const QString &line = road.lines[k];
        const int ticks = shell::core::shared().run.tickCount();
        const bool timer = timerRuns();
        try {
            driver.execute(line);
        } catch (...) {
            return Finding{QStringLiteral("the driver refused the line"), k};
        }
        sink.clear();
        if (ended())
            return std::nullopt;
        if (const QString broken = brokenPromise(ticks, timer, line); !broken.isEmpty())
            return Finding{broken, k};
    }
    return std::nullopt;
}

// The next action of a road: a control or menu item a student can reach on
// the visible windows, a bar value in or far out of its range, or ticks.
QString nextAction(std::mt19937 &pick)
{
    auto chance = [&](int percent) { return int(pick() % 100) < percent; };
    if (timerRuns() && chance(45))
        return chance(5) ? QStringLiteral("run") : chance(10) ? QStringLiteral("tick 20") : QStringLiteral("tick 1");
    std::vector<QObject *> reachable;
    for (Form *form : visibleForms()) {
        for (Control *c : form->findChildren<Control *>())
            if (c->visible() && c->enabled()
                && (qobject_cast<CommandButton *>(c) || qobject_cast<OptionButton *>(c) || qobject_cast<CheckBox *>(c)
                    || qobject_cast<ScrollBar *>(c)))
                reachable.push_back(c);
        for (MenuItem *m : form->findChildren<MenuItem *>())
            if (m->visible() && m->enabled())
                reachable.push_back(m);
    }
    if (reachable.empty())
        return QStringLiteral("tick 1");
    QObject *target = reachable[pick() % reachable.size()];
    if (auto *bar = qobject_cast<ScrollBar *>(target)) {
        const long low = std::min(bar->min(), bar->max()), high = std::max(bar->min(), bar->max());
        long value = low + long(pick() % unsigned(high - low + 1));
        if (chance(20))
            value = chance(50) ? low - 1 - long(pick() % 100000) : high + 1 + long(pick() % 100000);
        return QStringLiteral("set %1 %2").arg(name(*target)).arg(value);
    }
    if (auto *box = qobject_cast<CheckBox *>(target))
        return QStringLiteral("check %1 %2").arg(name(*box)).arg(box->value() ? 0 : 1);
    if (auto *button = qobject_cast<CommandButton *>(target)) {
        static const QStringList exits = {QStringLiteral("Exit"), QStringLiteral("EXIT"), QStringLiteral("End")};
        if (exits.contains(button->caption()) && !chance(3))
            return QStringLiteral("tick 1"); // exits are rare, so that roads go deep
    }
    return QStringLiteral("click %1").arg(name(*target));
}

// A random road of `actions` lines, generated as it is played; the finding
// that ends it early, if any.
std::optional<Finding> walk(Road &road, unsigned seed, int actions)
{
    std::mt19937 pick(seed);
    road.lines = {QStringLiteral("seed %1").arg(seed)};
    restart(road.screen);
    QString sink;
    QTextStream out(&sink), err(&sink);
    drive::Driver driver(out, err);
    driver.execute(road.lines.front());
    for (int k = 0; k < actions && !ended(); ++k) {
        const QString line = nextAction(pick);
        road.lines << line;
        const int ticks = shell::core::shared().run.tickCount();
        const bool timer = timerRuns();
        try {
            driver.execute(line);
        } catch (...) {
            return Finding{QStringLiteral("the driver refused the line"), int(road.lines.size()) - 1};
        }
        sink.clear();
        if (ended())
            break;
        if (const QString broken = brokenPromise(ticks, timer, line); !broken.isEmpty())
            return Finding{broken, int(road.lines.size()) - 1};
    }
    return std::nullopt;
}

// Cuts the road down to lines that still break the same promise: ever
// smaller chunks are left out while the road keeps failing so.
Road minimise(Road road, const Finding &finding)
{
    road.lines = road.lines.mid(0, finding.line + 1);
    for (qsizetype chunk = road.lines.size() / 2; chunk >= 1; chunk /= 2) {
        for (qsizetype at = 1; at < road.lines.size();) { // the seed line stays
            Road shorter = road;
            shorter.lines.remove(at, std::min(chunk, shorter.lines.size() - at));
            const auto again = play(shorter);
            if (again && again->promise.section(QLatin1Char(' '), 0, 2) == finding.promise.section(QLatin1Char(' '), 0, 2)) {
                road.lines = shorter.lines.mid(0, again->line + 1);
            } else {
                at += chunk;
            }
        }
    }
    return road;
}

bool write(const Road &road, const Finding &finding, const QString &file)
{
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream text(&out);
    text << "# spotsim-drive --screen " << road.screen.width() << 'x' << road.screen.height() << ' ' << file << '\n'
         << "# breaks: " << finding.promise << " (at its last line)\n";
    for (const QString &line : road.lines)
        text << line << '\n';
    text << "get shared.countA\nget shared.countB\nget shared.countC\nget shared.countD\nget shared.tickCount\n";
    text.flush();
    return out.flush();
}

int usage()
{
    std::fprintf(stderr, "usage: spotsim-fuzz [--actions N] [--road N] [--seed N] [--out DIR] | --minimise SCRIPT\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    long actions = 10000, roadLength = 500;
    unsigned firstSeed = 1;
    QString outDir = QStringLiteral(".");
    QString minimiseScript;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        if (i + 1 == argc)
            return usage();
        const QByteArray value = argv[++i];
        bool ok = true;
        if (arg == "--actions")
            actions = value.toLong(&ok);
        else if (arg == "--road")
            roadLength = value.toLong(&ok);
        else if (arg == "--seed")
            firstSeed = value.toUInt(&ok);
        else if (arg == "--out")
            outDir = QString::fromLocal8Bit(value);
        else if (arg == "--minimise")
            minimiseScript = QString::fromLocal8Bit(value);
        else
            return usage();
        if (!ok || actions < 1 || roadLength < 1)
            return usage();
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    provideRuntimeDir();
    if (const QString dropped = dropUnusableScaleFactor(); !dropped.isEmpty())
        std::fprintf(stderr, "spotsim-fuzz: %s\n", qPrintable(dropped));
    QApplication app(argc, argv);
    setUpApplication();
    QDir().mkpath(outDir);

    int result = 0;
    if (!minimiseScript.isEmpty()) {
        QFile in(minimiseScript);
        if (!in.open(QIODevice::ReadOnly))
            return usage();
        Road road{screens[0], {}};
        for (const QString &line : QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'))) {
            static const QRegularExpression screen(QStringLiteral("--screen (\\d+)x(\\d+)"));
            if (const auto m = screen.match(line); line.startsWith(QLatin1Char('#')) && m.hasMatch())
                road.screen = QSize(m.captured(1).toInt(), m.captured(2).toInt());
            else if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#')) && !line.startsWith(QLatin1String("get ")))
                road.lines << line;
        }
        if (const auto finding = play(road)) {
            const Road cut = minimise(road, *finding);
            write(cut, *finding, outDir + QStringLiteral("/minimal.drive"));
            std::printf("%s: %lld lines\n", qPrintable(finding->promise), static_cast<long long>(cut.lines.size()));
            result = 1;
        } else {
            std::printf("the script keeps every promise\n");
        }
    } else {
        long done = 0, roads = 0;
        for (unsigned seed = firstSeed; done < actions; ++seed, ++roads) {
            Road road{screens[seed % std::size(screens)], {}};
            const auto finding = walk(road, seed, int(std::min(roadLength, actions - done)));
            done += road.lines.size() - 1;
            if (!finding)
                continue;
            const QString file = outDir + QStringLiteral("/road-%1.drive").arg(seed);
            const QString cut = outDir + QStringLiteral("/road-%1-minimal.drive").arg(seed);
            write(road, *finding, file);
            write(minimise(road, *finding), *finding, cut);
            std::printf("seed %u: %s; the road is in %s, cut down in %s\n", seed, qPrintable(finding->promise),
                        qPrintable(file), qPrintable(cut));
            result = 1;
            break;
        }
        if (result == 0)
            std::printf("%ld actions on %ld roads kept every promise\n", done, roads);
    }
    resetForms();
    return result;
}
