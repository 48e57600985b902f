// spotsim-fuzz: random roads through every chapter, as driver scripts, with
// the program's promises checked after every action; a failing road is
// written out, and cut down to the lines that still make it fail. A soak
// walks one road of N actions in one program and samples its memory
// (DIR/soak-memory.csv); it fails when the memory keeps growing.
//   spotsim-fuzz [--actions N] [--road N] [--seed N] [--out DIR]
//   spotsim-fuzz --minimise SCRIPT [--out DIR]
//   spotsim-fuzz --soak N [--seed N] [--out DIR]
#include "lesson/Model.h"
#include "shell/StartUp.h"
#include "toolkit/Toolkit.h"
#include "tools/drive/Driver.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
#include <vector>

#include <unistd.h>

namespace {

using namespace toolkit;

// Growth of a soak's memory beyond what the drawings keep that is still
// noise (the allocator's free lists, Qt's caches), in MB.
constexpr double soakAllowanceMb = 4;

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
    const auto &s = lesson::model();
    const auto n = s.run().counts();
    for (int count : {n.a, n.b, n.c, n.d})
        if (count < 0 || count > kinetics::core::latticeSide * kinetics::core::latticeSide)
            return QStringLiteral("a count out of 0..625");
    if (s.run().running() && n.total() != s.run().spotTotal())
        return QStringLiteral("the counts add up to %1, not %2").arg(n.total()).arg(s.run().spotTotal());
    const int ticks = s.run().tickCount();
    const bool ticked = action.startsWith(QLatin1String("tick")) || action == QLatin1String("run");
    if (ticks > tickCountBefore && !(ticked && timerBefore))
        return QStringLiteral("the tick counter moved while the timer stood");
    const auto next = s.plan().rates;
    const auto &ran = s.run().setup().rates;
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
        const int ticks = lesson::model().run().tickCount();
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
// Exits are rare, or never taken on a road that must go on.
QString nextAction(std::mt19937 &pick, bool exits = true)
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
        static const QStringList exitCaptions = {QStringLiteral("Exit"), QStringLiteral("EXIT"), QStringLiteral("End")};
        if (exitCaptions.contains(button->caption()) && !(exits && chance(3)))
            return QStringLiteral("tick 1"); // exits are rare, so that roads go deep
    }
    return QStringLiteral("click %1").arg(name(*target));
}

// The memory the process holds now (its resident set), in MB.
double residentMegabytes()
{
    long pages = 0, resident = 0;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024);
}

// What the drawings keep by design, in MB: the strokes of every run a graph
// keeps, with the earlier runs' points and curves, and the drawing images.
double keptMegabytes()
{
    double bytes = 0;
    for (Form *form : createdForms()) {
        QList<Canvas *> canvases = form->findChildren<Canvas *>();
        canvases << form;
        for (const Canvas *canvas : canvases)
            bytes += double(canvas->recordedStrokes()) * sizeof(Stroke)
                     + 4.0 * canvas->surfaceSize().width() * canvas->surfaceSize().height();
    }
    return bytes / (1024 * 1024);
}

struct Sample
{
    long action;
    double resident; // MB
    double kept;     // MB
};

// How a road is walked. A campaign's roads are kept, to be written out, and
// sometimes exit. A soak is one long lesson: it never exits, the program's
// events are processed after every action as its event loop would between a
// student's actions (its timers excepted, so that the road stays
// repeatable), the memory is sampled on the way, and the road is not kept
// (it would weigh in the memory measured): it is walked again from its seed
// when it breaks a promise.
struct Walk
{
    bool soak = false;
    bool keepLines = true;
    int every = 0; // actions between samples
    std::vector<Sample> *samples = nullptr;
};

// A random road of `actions` lines, generated as it is played; the finding
// that ends it early, if any.
std::optional<Finding> walk(Road &road, unsigned seed, int actions, const Walk &how = {})
{
    std::mt19937 pick(seed);
    road.lines = {QStringLiteral("seed %1").arg(seed)};
    restart(road.screen);
    QString sink;
    QTextStream out(&sink), err(&sink);
    drive::Driver driver(out, err);
    driver.execute(road.lines.front());
    int k = 0;
    for (; k < actions && !ended(); ++k) {
        if (how.samples && k % how.every == 0)
            how.samples->push_back({k, residentMegabytes(), keptMegabytes()});
        const QString line = nextAction(pick, !how.soak);
        if (how.keepLines)
            road.lines << line;
        const int ticks = lesson::model().run().tickCount();
        const bool timer = timerRuns();
        try {
            driver.execute(line);
        } catch (...) {
            return Finding{QStringLiteral("the driver refused the line"), k + 1};
        }
        sink.clear();
        if (how.soak) {
            QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (ended())
            break;
        if (const QString broken = brokenPromise(ticks, timer, line); !broken.isEmpty())
            return Finding{broken, k + 1};
    }
    if (how.samples)
        how.samples->push_back({k, residentMegabytes(), keptMegabytes()});
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
    QString text;
    QTextStream(&text) << "# spotsim-drive --screen " << road.screen.width() << 'x' << road.screen.height() << ' '
                       << file << '\n'
                       << "# breaks: " << finding.promise << " (at its last line)\n";
    for (const QString &line : road.lines)
        text += line + QLatin1Char('\n');
    text += QStringLiteral("get shared.countA\nget shared.countB\nget shared.countC\nget shared.countD\n"
                           "get shared.tickCount\n");
    const QString problem = writeWhole(file, text.toUtf8());
    if (!problem.isEmpty())
        std::fprintf(stderr, "spotsim-fuzz: cannot write %s: %s\n", qPrintable(file), qPrintable(problem));
    return problem.isEmpty();
}

int usage()
{
    std::fprintf(stderr, "usage: spotsim-fuzz [--actions N] [--road N] [--seed N] [--out DIR] | --minimise SCRIPT"
                         " | --soak N [--seed N] [--out DIR]\n");
    return 2;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Whether the memory the drawings do not keep by design goes on growing once
// the program has warmed up (fonts, caches, every window made): the median
// of the last fifth of the samples against that of the second fifth, each
// less what the drawings keep then, may differ by the allowance. Says what it
// found either way.
bool keepsGrowing(const std::vector<Sample> &samples, double allowanceMb)
{
    const std::size_t fifth = samples.size() / 5;
    auto unexplained = [&](std::size_t from) {
        std::vector<double> values;
        for (std::size_t i = from; i < from + fifth; ++i)
            values.push_back(samples[i].resident - samples[i].kept);
        return median(values);
    };
    const double early = unexplained(fifth), late = unexplained(samples.size() - fifth);
    const Sample &last = samples.back();
    std::printf("soak: %ld actions; resident %.1f MB at the end (%.1f MB at action %ld), the drawings keeping %.1f MB;"
                " beyond what they keep, %.1f MB after warming up and %.1f MB at the end\n",
                last.action, last.resident, samples[fifth].resident, samples[fifth].action, last.kept, early, late);
    return late - early > allowanceMb;
}

} // namespace

int main(int argc, char *argv[])
{
    long actions = 10000, roadLength = 500;
    unsigned firstSeed = 1;
    QString outDir = QStringLiteral(".");
    QString minimiseScript;
    long soakActions = 0;
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
        else if (arg == "--soak")
            soakActions = value.toLong(&ok);
        else
            return usage();
        if (!ok || actions < 1 || roadLength < 1 || soakActions < 0 || soakActions > 100000000)
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
    if (soakActions > 0) {
        // One program for the whole road, as in a long lesson: its memory
        // sampled two hundred times on the way.
        Road road{screens[0], {}};
        std::vector<Sample> samples;
        const int every = int(std::max(1L, soakActions / 200));
        auto finding = walk(road, firstSeed, int(soakActions), Walk{true, false, every, &samples});
        if (finding) // the same road again, kept up to the line that broke the promise
            if (auto again = walk(road, firstSeed, finding->line, Walk{true, true, 0, nullptr}))
                finding = again;
        QByteArray table = "action,resident MB,kept MB\n";
        for (const Sample &sample : samples)
            table += QByteArray::number(qlonglong(sample.action)) + ',' + QByteArray::number(sample.resident, 'f', 2)
                     + ',' + QByteArray::number(sample.kept, 'f', 2) + '\n';
        const QString memory = outDir + QStringLiteral("/soak-memory.csv");
        if (const QString problem = writeWhole(memory, table); !problem.isEmpty())
            std::fprintf(stderr, "spotsim-fuzz: cannot write %s: %s\n", qPrintable(memory), qPrintable(problem));
        if (finding) {
            const QString file = outDir + QStringLiteral("/soak-%1.drive").arg(firstSeed);
            write(road, *finding, file);
            std::printf("seed %u: %s; the road is in %s\n", firstSeed, qPrintable(finding->promise), qPrintable(file));
            result = 1;
        } else if (samples.size() < 10) {
            std::printf("soak: the road ended after %ld actions\n", samples.back().action);
            result = 1;
        } else if (keepsGrowing(samples, soakAllowanceMb)) {
            std::printf("soak: the memory keeps growing beyond what the drawings keep\n");
            result = 1;
        }
    } else if (!minimiseScript.isEmpty()) {
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
