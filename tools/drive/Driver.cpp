#include "tools/drive/Driver.h"

#include "graphs/apotelesmata.h"
#include "graphs/ReadingCursor.h"
#include "graphs/grafiki1.h"
#include "graphs/metriseis.h"
#include "lesson/Model.h"
#include "shell/LessonPlayer.h"
#include "shell/SharedValues.h"
#include "shell/Windows.h"
#include "toolkit/Toolkit.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScopeGuard>
#include <QTimer>

#include <charconv>
#include <cmath>
#include <set>
#include <utility>

#include <sys/stat.h>

namespace drive {

namespace {

// A malformed line or a name the program does not have: exit code 2.
struct ScriptError
{
    QString message;
};

// An expectation that did not hold: exit code 1.
struct ExpectFailure
{
    QString message;
};

// A value or file that could not be written to standard output: exit code 2.
struct OutputFailure
{
    QString reason;
};

[[noreturn]] void fail(const QString &message) { throw ScriptError{message}; }

using toolkit::printable;
using toolkit::quoted;

QString boolText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

toolkit::Form &window(const QString &name)
{
    toolkit::Form *form = shell::formByName(name);
    if (!form)
        fail(QCoreApplication::translate("Driver", "no window %1").arg(quoted(name)));
    return *form;
}

// A control, menu item or timer of a window, by its name.
QObject *child(toolkit::Form &form, const QString &name)
{
    for (auto *control : form.findChildren<toolkit::Control *>())
        if (control->objectName() == name)
            return control;
    for (auto *item : form.findChildren<toolkit::MenuItem *>())
        if (item->objectName() == name)
            return item;
    for (auto *timer : form.findChildren<toolkit::Timer *>())
        if (timer->objectName() == name)
            return timer;
    return nullptr;
}

struct Target
{
    toolkit::Form *form = nullptr;
    QObject *object = nullptr; // nullptr: the window itself
    QString property;
};

Target resolve(const QString &name)
{
    const QStringList parts = name.split(QLatin1Char('.'));
    if (parts.size() < 2 || parts.size() > 3 || parts.contains(QString()))
        fail(QCoreApplication::translate("Driver", "malformed name '%1' (expected WINDOW.CONTROL[.PROPERTY])").arg(quoted(name)));
    Target target;
    target.form = &window(parts[0]);
    target.object = child(*target.form, parts[1]);
    if (target.object) {
        target.property = parts.size() == 3 ? parts[2] : QString();
        return target;
    }
    static const QStringList windowProperties = {QStringLiteral("caption"), QStringLiteral("visible"),
                                                 QStringLiteral("left"),    QStringLiteral("top"),
                                                 QStringLiteral("width"),   QStringLiteral("height")};
    if (parts.size() == 2 && windowProperties.contains(parts[1])) {
        target.property = parts[1];
        return target;
    }
    fail(QCoreApplication::translate("Driver", "no control %1 on window %2").arg(quoted(parts[1]), quoted(parts[0])));
}

template <typename T>
T *as(const Target &target)
{
    return qobject_cast<T *>(target.object);
}

QString windowValue(const toolkit::Form &form, const QString &property)
{
    if (property == QLatin1String("caption"))
        return form.caption();
    if (property == QLatin1String("visible"))
        return boolText(form.isVisible());
    if (property == QLatin1String("left"))
        return shortestNumber(form.left());
    if (property == QLatin1String("top"))
        return shortestNumber(form.top());
    if (property == QLatin1String("width"))
        return shortestNumber(form.widthTwips());
    return shortestNumber(form.heightTwips());
}

QString controlValue(const Target &target)
{
    const QString &p = target.property;
    const QString name = target.object->objectName();
    if (auto *timer = as<toolkit::Timer>(target)) {
        if (p.isEmpty() || p == QLatin1String("interval"))
            return shortestNumber(timer->interval());
        if (p == QLatin1String("enabled"))
            return boolText(timer->enabled());
        fail(QCoreApplication::translate("Driver", "timer %1 has no property '%2'").arg(name, quoted(p)));
    }
    if (auto *item = as<toolkit::MenuItem>(target)) {
        if (p.isEmpty() || p == QLatin1String("caption"))
            return item->caption();
        if (p == QLatin1String("visible"))
            return boolText(item->visible());
        if (p == QLatin1String("enabled"))
            return boolText(item->enabled());
        fail(QCoreApplication::translate("Driver", "menu item %1 has no property '%2'").arg(name, quoted(p)));
    }
    auto *control = as<toolkit::Control>(target);
    if (p == QLatin1String("visible"))
        return boolText(control->visible());
    if (p == QLatin1String("enabled"))
        return boolText(control->enabled());
    if (p == QLatin1String("left"))
        return shortestNumber(control->left());
    if (p == QLatin1String("top"))
        return shortestNumber(control->top());
    if (p == QLatin1String("width"))
        return shortestNumber(control->width());
    if (p == QLatin1String("height"))
        return shortestNumber(control->height());

    const bool value = p.isEmpty() || p == QLatin1String("value");
    const bool caption = p.isEmpty() || p == QLatin1String("caption");
    if (auto *bar = as<toolkit::ScrollBar>(target)) {
        if (value)
            return shortestNumber(bar->value());
        if (p == QLatin1String("min"))
            return shortestNumber(bar->min());
        if (p == QLatin1String("max"))
            return shortestNumber(bar->max());
    } else if (auto *label = as<toolkit::Label>(target); label && caption) {
        return label->caption();
    } else if (auto *box = as<toolkit::TextBox>(target); box && (caption || p == QLatin1String("text"))) {
        return box->text();
    } else if (auto *edit = as<toolkit::EditBox>(target); edit && (caption || p == QLatin1String("text"))) {
        return edit->text();
    } else if (auto *document = as<toolkit::Document>(target); document && (caption || p == QLatin1String("text"))) {
        return document->plainText();
    } else if (auto *button = as<toolkit::CommandButton>(target); button && caption) {
        return button->caption();
    } else if (auto *option = as<toolkit::OptionButton>(target)) {
        if (value)
            return boolText(option->value());
        if (p == QLatin1String("caption"))
            return option->caption();
    } else if (auto *check = as<toolkit::CheckBox>(target)) {
        if (value)
            return shortestNumber(check->value());
        if (p == QLatin1String("caption"))
            return check->caption();
    }
    if (p.isEmpty())
        fail(QCoreApplication::translate("Driver", "%1 has no value; name a property").arg(name));
    fail(QCoreApplication::translate("Driver", "%1 has no property '%2'").arg(name, quoted(p)));
}

int parseInt(const QString &text, const QString &what)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        fail(QCoreApplication::translate("Driver", "%1 must be a whole number, not '%2'").arg(what, quoted(text)));
    return value;
}

double parseDouble(const QString &text, const QString &what)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        fail(QCoreApplication::translate("Driver", "%1 must be a number, not '%2'").arg(what, quoted(text)));
    return value;
}

// The run control's timer; nullptr while nothing has created that window,
// whose timer cannot have started then.
toolkit::Timer *runTimer()
{
    toolkit::Form *control = toolkit::createdForm(QStringLiteral("apotelesmata"));
    return control ? control->findChild<toolkit::Timer *>(QStringLiteral("Timer1")) : nullptr;
}

bool runTimerRunning()
{
    const toolkit::Timer *timer = runTimer();
    return timer && timer->running() && !toolkit::ended();
}

// A picture of the screen as PNG, encoded in memory: the file is written
// whole afterwards.
QByteArray pngOf(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        fail(QCoreApplication::translate("Driver", "cannot encode the picture"));
    return png;
}

bool isStandardOutput(const QString &file)
{
    return file == QLatin1String("-") || file == QLatin1String("/dev/stdout");
}

// The kind of file a name asks for, by its suffix: one of `kinds`, or the
// script stops. Standard output, a device or a pipe has no suffix to tell:
// it takes the last of them.
QString kindOf(const char *command, const QString &file, const QStringList &kinds)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (kinds.contains(suffix))
        return suffix;
    struct stat st{};
    if (isStandardOutput(file)
        || (::stat(toolkit::fileNameBytes(file).constData(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)))
        return kinds.back();
    fail(QCoreApplication::translate("Driver", "%1 writes FILE.%2, not '%3'")
             .arg(QLatin1String(command), kinds.join(QStringLiteral(" or FILE.")), quoted(file)));
}

QImage screenImage()
{
    // The work area at the screen's own resolution; each window in its frame.
    const QRect area = toolkit::workArea();
    const double ratio = qApp->devicePixelRatio();
    QImage screen(area.size() * ratio, QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    screen.fill(QColor(58, 64, 72));
    QPainter p(&screen);
    for (toolkit::Form *form : toolkit::visibleForms()) {
        p.fillRect(form->frameGeometry().translated(-area.topLeft()), QColor(112, 120, 132));
        p.drawPixmap(form->geometry().topLeft() - area.topLeft(), form->grab());
    }
    return screen;
}

} // namespace

QString shortestNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, static_cast<int>(result.ptr - buf));
}

long long tickWhileRunning(long long limit)
{
    toolkit::Timer *timer = runTimer();
    long long ticks = 0;
    for (; ticks < limit && runTimerRunning(); ++ticks)
        timer->tick();
    return ticks;
}

Driver::Driver(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

int Driver::run(const QString &script)
{
    QStringList lines = script.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.pop_back(); // the newline that ends the last line
    int number = 0;
    for (QString &line : lines) {
        ++number;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        int code = 0;
        const QString message = attempt(line, code);
        if (message.isEmpty())
            continue;
        m_err << QCoreApplication::translate("Driver", "line %1: %2").arg(number).arg(printable(message)) << Qt::endl;
        return code;
    }
    return 0;
}

QString Driver::attempt(const QString &line, int &code)
{
    code = 2;
    try {
        execute(line);
        code = 0;
        return QString();
    } catch (const ScriptError &e) {
        return e.message;
    } catch (const ExpectFailure &e) {
        code = 1;
        return e.message;
    } catch (const OutputFailure &e) {
        return QCoreApplication::translate("Driver", "cannot write to standard output: %1").arg(e.reason);
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    }
}

QString Driver::lessonProblem(const QString &line)
{
    static const QStringList notInLessons = {QStringLiteral("get"),  QStringLiteral("visible"), QStringLiteral("shot"),
                                             QStringLiteral("screen"), QStringLiteral("save"),  QStringLiteral("counts"),
                                             QStringLiteral("lesson"), QStringLiteral("play")};
    const QString command = line.trimmed().section(QLatin1Char(' '), 0, 0);
    if (notInLessons.contains(command))
        return QCoreApplication::translate("Driver", "'%1' is not for lessons: a lesson writes no file and prints nothing")
            .arg(command);
    m_checking = true;
    int code = 0;
    const QString problem = attempt(line, code);
    m_checking = false;
    return problem;
}

QObject *Driver::stepTarget(const QString &name, std::optional<int> value, bool onScreen, QString &problem)
{
    try {
        const Target target = resolve(name);
        if (!target.object || !target.property.isEmpty())
            fail(QCoreApplication::translate("Driver", "a step needs a control, not '%1'").arg(quoted(name)));
        const bool settable = as<toolkit::ScrollBar>(target) || as<toolkit::CheckBox>(target);
        const bool clickable = as<toolkit::CommandButton>(target) || as<toolkit::OptionButton>(target)
                               || as<toolkit::CheckBox>(target) || as<toolkit::MenuItem>(target);
        if (value && !settable)
            fail(QCoreApplication::translate("Driver", "%1 takes no value: only a scroll bar or a check box is set").arg(name));
        if (!value && !clickable && !settable)
            fail(QCoreApplication::translate("Driver", "%1 cannot be clicked or set").arg(name));
        const bool rules = std::exchange(m_lessonRules, true);
        const bool checking = std::exchange(m_checking, false);
        auto restore = qScopeGuard([&] {
            m_lessonRules = rules;
            m_checking = checking;
        });
        if (value) {
            if (auto *bar = as<toolkit::ScrollBar>(target))
                mustFit(name, *value, bar->min(), bar->max());
            else
                mustFit(name, *value, 0, 1);
        }
        if (onScreen)
            mustSee(name, *target.form, target.object);
        return target.object;
    } catch (const ScriptError &e) {
        problem = e.message;
        return nullptr;
    }
}

QString Driver::stepLine(const QString &name, const QObject &target, std::optional<int> value)
{
    if (qobject_cast<const toolkit::ScrollBar *>(&target))
        return QStringLiteral("set %1 %2").arg(name).arg(value.value_or(0));
    if (value && qobject_cast<const toolkit::CheckBox *>(&target))
        return QStringLiteral("check %1 %2").arg(name).arg(*value);
    return QStringLiteral("click ") + name;
}

void Driver::mustSee(const QString &name, const toolkit::Form &form, const QObject *object) const
{
    if (!m_lessonRules || m_checking)
        return;
    bool seen = form.isVisible();
    if (auto *control = qobject_cast<const toolkit::Control *>(object))
        seen = seen && control->visible() && control->enabled();
    else if (auto *item = qobject_cast<const toolkit::MenuItem *>(object))
        seen = seen && item->visible() && item->enabled();
    if (!seen)
        fail(QCoreApplication::translate("Driver", "%1 is not on the screen: a lesson moves only what the student sees")
                 .arg(name));
}

void Driver::mustFit(const QString &name, int value, int min, int max) const
{
    if ((m_lessonRules || m_checking) && (value < std::min(min, max) || value > std::max(min, max)))
        fail(QCoreApplication::translate("Driver", "%1 goes from %2 to %3, not to %4")
                 .arg(name)
                 .arg(std::min(min, max))
                 .arg(std::max(min, max))
                 .arg(value));
}

QString Driver::get(const QString &name) const
{
    const bool sharedName = name.startsWith(QLatin1String("shared."));
    if (sharedName || name.startsWith(QLatin1String("run."))) {
        const QString variable = name.mid(sharedName ? 7 : 4);
        const QByteArray utf8 = variable.toUtf8();
        const std::string_view key(utf8.constData(), std::size_t(utf8.size()));
        const auto value = sharedName ? shell::sharedValue(key) : shell::runValue(key);
        if (!value)
            fail(QCoreApplication::translate("Driver", "no %1 variable %2").arg(sharedName ? QStringLiteral("shared") : QStringLiteral("run"),
                                                      quoted(variable)));
        if (const bool *flag = std::get_if<bool>(&*value))
            return boolText(*flag);
        return shortestNumber(std::get<double>(*value));
    }
    if (name.startsWith(QLatin1String("measure."))) {
        // measure.NAME, measure.NAME.uncertainty or measure.NAME.set.
        const QStringList parts = name.mid(8).split(QLatin1Char('.'));
        const QString part = parts.value(1);
        const bool known = parts.size() <= 2 && (part.isEmpty() || part == QLatin1String("uncertainty") || part == QLatin1String("set"));
        if (known && m_checking)
            for (int m = 0; m <= int(graphs::core::Measured::PercentC); ++m)
                if (QString::fromStdString(graphs::core::measureName(graphs::core::Measured(m))) == parts[0])
                    return QString();
        if (known)
            for (const auto &m : metriseis::measuredRun())
                if (QString::fromStdString(graphs::core::measureName(m.what)) == parts[0])
                    return shortestNumber(part.isEmpty() ? m.value : part == QLatin1String("set") ? m.set : m.uncertainty);
        fail(QCoreApplication::translate("Driver", "the run gives no measurement %1").arg(quoted(name.mid(8))));
    }
    const Target target = resolve(name);
    // A value is printed on one line, so it is compared in its printed form.
    if (!target.object)
        return printable(windowValue(*target.form, target.property));
    return printable(controlValue(target));
}

void Driver::expectText(const QString &name, const QString &text)
{
    const QString actual = get(name);
    if (m_checking)
        return;
    if (actual != text)
        throw ExpectFailure{QCoreApplication::translate("Driver", "expected %1 = '%2', got '%3'").arg(name, quoted(text), quoted(actual))};
}

void Driver::Line::need(qsizetype count, const char *usage) const
{
    if (args.size() != count)
        fail(QCoreApplication::translate("Driver", "usage: %1").arg(QLatin1String(usage)));
}

const QHash<QString, Driver::Handler> &Driver::commands()
{
    static const QHash<QString, Handler> table = {
        {QStringLiteral("seed"), &Driver::seed},
        {QStringLiteral("click"), &Driver::click},
        {QStringLiteral("set"), &Driver::set},
        {QStringLiteral("check"), &Driver::check},
        {QStringLiteral("get"), &Driver::getCommand},
        {QStringLiteral("visible"), &Driver::visible},
        {QStringLiteral("tick"), &Driver::tick},
        {QStringLiteral("run"), &Driver::runToEnd},
        {QStringLiteral("repeat"), &Driver::repeat},
        {QStringLiteral("distribution"), &Driver::distribution},
        {QStringLiteral("cursor"), &Driver::cursor},
        {QStringLiteral("wait"), &Driver::wait},
        {QStringLiteral("shot"), &Driver::shot},
        {QStringLiteral("screen"), &Driver::screen},
        {QStringLiteral("expect"), &Driver::expect},
        {QStringLiteral("expect-near"), &Driver::expectNear},
        {QStringLiteral("save"), &Driver::save},
        {QStringLiteral("counts"), &Driver::counts},
        {QStringLiteral("type"), &Driver::type},
        {QStringLiteral("lesson"), &Driver::lessonCommand},
        {QStringLiteral("play"), &Driver::play},
    };
    return table;
}

void Driver::execute(const QString &rawLine)
{
    const QString trimmed = rawLine.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return;
    // The text after a name keeps its blanks: only the one space after the
    // command and the one after the name are separators.
    const QString body = rawLine.mid(rawLine.indexOf(trimmed.at(0)));
    const qsizetype commandEnd = body.indexOf(QLatin1Char(' '));
    Line line;
    line.command = commandEnd < 0 ? body : body.left(commandEnd);
    line.rest = commandEnd < 0 ? QString() : body.mid(commandEnd + 1);
    line.args = line.rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);

    if (toolkit::ended()) {
        if (line.command == QLatin1String("expect") && line.args == QStringList{QStringLiteral("ended")})
            return;
        fail(QCoreApplication::translate("Driver", "the program has ended; only 'expect ended' may follow"));
    }
    const Handler handler = commands().value(line.command);
    if (!handler)
        fail(QCoreApplication::translate("Driver", "unknown command '%1'").arg(quoted(line.command)));
    (this->*handler)(line);
}

void Driver::seed(const Line &line)
{
    line.need(1, "seed NUMBER");
    bool ok = false;
    const qulonglong seed = line.args[0].toULongLong(&ok);
    if (!ok)
        fail(QCoreApplication::translate("Driver", "seed must be a whole number, not '%1'").arg(quoted(line.args[0])));
    if (!m_checking)
        toolkit::core::generator().seed(seed);
}

void Driver::click(const Line &line)
{
    line.need(1, "click WINDOW.CONTROL");
    const QString &name = line.args[0];
    const Target target = resolve(name);
    if (!target.object || !target.property.isEmpty())
        fail(QCoreApplication::translate("Driver", "click needs a control, not '%1'").arg(quoted(name)));
    if (!as<toolkit::CommandButton>(target) && !as<toolkit::OptionButton>(target) && !as<toolkit::CheckBox>(target)
        && !as<toolkit::MenuItem>(target))
        fail(QCoreApplication::translate("Driver", "%1 cannot be clicked").arg(name));
    mustSee(name, *target.form, target.object);
    if (m_checking)
        return;
    if (auto *button = as<toolkit::CommandButton>(target))
        button->click();
    else if (auto *option = as<toolkit::OptionButton>(target))
        option->click();
    else if (auto *box = as<toolkit::CheckBox>(target))
        box->click();
    else if (auto *item = as<toolkit::MenuItem>(target))
        item->click();
}

void Driver::set(const Line &line)
{
    line.need(2, "set WINDOW.SCROLLBAR VALUE");
    const Target target = resolve(line.args[0]);
    auto *bar = as<toolkit::ScrollBar>(target);
    if (!bar || !target.property.isEmpty())
        fail(QCoreApplication::translate("Driver", "%1 is not a scroll bar").arg(quoted(line.args[0])));
    const int value = parseInt(line.args[1], QCoreApplication::translate("Driver", "the value"));
    mustFit(line.args[0], value, bar->min(), bar->max());
    mustSee(line.args[0], *target.form, bar);
    if (!m_checking)
        bar->setValue(value);
}

void Driver::check(const Line &line)
{
    line.need(2, "check WINDOW.CHECKBOX 0|1");
    const Target target = resolve(line.args[0]);
    auto *box = as<toolkit::CheckBox>(target);
    if (!box || !target.property.isEmpty())
        fail(QCoreApplication::translate("Driver", "%1 is not a check box").arg(quoted(line.args[0])));
    const int value = parseInt(line.args[1], QCoreApplication::translate("Driver", "the value"));
    if (value != 0 && value != 1)
        fail(QCoreApplication::translate("Driver", "a check box takes 0 or 1, not %1").arg(value));
    mustSee(line.args[0], *target.form, box);
    if (!m_checking)
        box->setValue(value);
}

void Driver::getCommand(const Line &line)
{
    line.need(1, "get NAME");
    const QString value = get(line.args[0]); // may fail: nothing is written then
    print(line.args[0] + QStringLiteral(" = ") + value);
}

void Driver::visible(const Line &line)
{
    line.need(0, "visible");
    QStringList names;
    for (toolkit::Form *form : toolkit::visibleForms())
        names << form->objectName();
    print(QStringLiteral("visible = ") + names.join(QLatin1Char(' ')));
}

void Driver::tick(const Line &line)
{
    line.need(1, "tick COUNT");
    const int count = parseInt(line.args[0], QCoreApplication::translate("Driver", "the count"));
    if (count < 0)
        fail(QCoreApplication::translate("Driver", "the count must not be negative, not %1").arg(count));
    if (m_checking)
        return;
    // Fewer ticks run when the timer stops on the way (the run ended, new
    // parameters were chosen) or was never started.
    tickWhileRunning(count);
}

void Driver::runToEnd(const Line &line)
{
    line.need(0, "run");
    if (m_checking)
        return;
    constexpr long long limit = 1000000;
    tickWhileRunning(limit);
    if (runTimerRunning())
        fail(QCoreApplication::translate("Driver", "the run did not end within %1 ticks").arg(limit));
}

void Driver::repeat(const Line &line)
{
    // "repeat COUNT started" goes on with the script while the copies run.
    const bool started = line.args.size() == 2 && line.args[1] == QLatin1String("started");
    if (!started)
        line.need(1, "repeat COUNT [started]");
    const int count = parseInt(line.args[0], QCoreApplication::translate("Driver", "the count"));
    using kinetics::core::fewestCopies, kinetics::core::mostCopies;
    if (count < fewestCopies || count > mostCopies)
        fail(QCoreApplication::translate("Driver", "the count must be %1 to %2, not %3")
                 .arg(fewestCopies)
                 .arg(mostCopies)
                 .arg(count));
    if (m_checking)
        return;
    // Refused as the window refuses it, in its words.
    if (!lesson::model().repeatable())
        fail(QCoreApplication::translate("grafiki1", "A run is repeated once it has ended"));
    auto &graphs = toolkit::form<grafiki1>();
    graphs.repeatRun(count);
    if (!started)
        graphs.finishRepeats();
}

void Driver::distribution(const Line &line)
{
    line.need(0, "distribution");
    if (m_checking)
        return;
    auto &graphs = toolkit::form<grafiki1>();
    if (!graphs.ensembleOf(lesson::model().run()))
        fail(QCoreApplication::translate("grafiki1", "Repeat the run first: the distribution is that of its copies"));
    graphs.showDistribution();
}

void Driver::cursor(const Line &line)
{
    line.need(2, "cursor WINDOW X");
    toolkit::Form &form = window(line.args[0]);
    auto *cursor = form.findChild<graphs::ReadingCursor *>();
    if (!cursor)
        fail(QCoreApplication::translate("Driver", "%1 has no reading cursor").arg(quoted(line.args[0])));
    const double place = parseDouble(line.args[1], QCoreApplication::translate("Driver", "the place"));
    if (!m_checking)
        cursor->moveTo(place);
}

void Driver::wait(const Line &line)
{
    line.need(1, "wait MILLISECONDS");
    const int ms = parseInt(line.args[0], QCoreApplication::translate("Driver", "the time"));
    constexpr int hour = 3600 * 1000;
    if (ms < 0 || ms > hour)
        fail(QCoreApplication::translate("Driver", "the time must be from 0 to %1 ms (an hour), not %2").arg(hour).arg(ms));
    if (m_checking)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Driver::shot(const Line &line)
{
    line.need(2, "shot WINDOW FILE.png");
    toolkit::Form &form = window(line.args[0]);
    kindOf("shot", line.args[1], {QStringLiteral("png")});
    QCoreApplication::sendPostedEvents();
    writeFile(line.args[1], pngOf(form.grab().toImage()));
}

void Driver::screen(const Line &line)
{
    line.need(1, "screen FILE.png");
    kindOf("screen", line.args[0], {QStringLiteral("png")});
    QCoreApplication::sendPostedEvents();
    writeFile(line.args[0], pngOf(screenImage()));
}

void Driver::expect(const Line &line)
{
    const QStringList &args = line.args;
    if (args.isEmpty())
        fail(QCoreApplication::translate("Driver", "usage: expect NAME TEXT | expect visible WINDOW... | expect ended"));
    if (args[0] == QLatin1String("ended")) {
        line.need(1, "expect ended");
        if (m_checking)
            return;
        throw ExpectFailure{QCoreApplication::translate("Driver", "expected the program to have ended, but it runs")};
    }
    if (args[0] == QLatin1String("visible")) {
        const std::set<QString> expected(args.begin() + 1, args.end());
        for (const QString &name : expected)
            if (!shell::windowNames().contains(name))
                fail(QCoreApplication::translate("Driver", "no window %1").arg(quoted(name)));
        if (m_checking)
            return;
        std::set<QString> actual;
        QStringList shown;
        for (toolkit::Form *form : toolkit::visibleForms()) {
            actual.insert(form->objectName());
            shown << form->objectName();
        }
        if (actual != expected)
            throw ExpectFailure{QCoreApplication::translate("Driver", "expected visible '%1', got '%2'")
                                    .arg(quoted(QStringList(args.begin() + 1, args.end()).join(QLatin1Char(' '))),
                                         shown.join(QLatin1Char(' ')))};
        return;
    }
    const QString &name = args[0];
    const qsizetype nameEnd = line.rest.indexOf(name) + name.size();
    if (nameEnd >= line.rest.size())
        fail(QCoreApplication::translate("Driver", "usage: expect NAME TEXT"));
    expectText(name, line.rest.mid(nameEnd + 1));
}

void Driver::expectNear(const Line &line)
{
    line.need(3, "expect-near NAME VALUE TOLERANCE");
    const QStringList &args = line.args;
    const double expected = parseDouble(args[1], QCoreApplication::translate("Driver", "the value"));
    const double tolerance = parseDouble(args[2], QCoreApplication::translate("Driver", "the tolerance"));
    if (!std::isfinite(expected))
        fail(QCoreApplication::translate("Driver", "the value must be a finite number, not '%1'").arg(quoted(args[1])));
    if (!(std::isfinite(tolerance) && tolerance >= 0))
        fail(QCoreApplication::translate("Driver", "the tolerance must be a finite number of 0 or more, not '%1'").arg(quoted(args[2])));
    const QString text = get(args[0]);
    if (m_checking)
        return;
    bool ok = false;
    const double actual = text.toDouble(&ok);
    if (!ok)
        fail(QCoreApplication::translate("Driver", "%1 = '%2' is not a number").arg(args[0], quoted(text)));
    if (!(std::fabs(actual - expected) <= tolerance))
        throw ExpectFailure{QCoreApplication::translate("Driver", "expected %1 = %2 within %3, got %4")
                                .arg(args[0], quoted(args[1]), quoted(args[2]), quoted(text))};
}

void Driver::save(const Line &line)
{
    line.need(2, "save WINDOW FILE.svg|FILE.png");
    toolkit::Form &form = window(line.args[0]);
    const toolkit::Canvas *drawing = toolkit::offeredPicture(form);
    if (!drawing)
        fail(QCoreApplication::translate("Driver", "%1 has no drawing to save").arg(line.args[0]));
    const QString &file = line.args[1];
    const bool svg = kindOf("save", file, {QStringLiteral("svg"), QStringLiteral("png")}) == QLatin1String("svg");
    QCoreApplication::sendPostedEvents();
    writeFile(file, svg ? toolkit::pictureSvg(*drawing) : toolkit::picturePng(*drawing));
}

void Driver::counts(const Line &line)
{
    line.need(1, "counts FILE.csv");
    writeFile(line.args[0], toolkit::form<apotelesmata>().countsCsv());
}

void Driver::type(const Line &line)
{
    if (line.args.isEmpty())
        fail(QCoreApplication::translate("Driver", "usage: type WINDOW.BOX TEXT"));
    const QString &name = line.args[0];
    const Target target = resolve(name);
    auto *box = as<toolkit::EditBox>(target);
    if (!box || !target.property.isEmpty())
        fail(QCoreApplication::translate("Driver", "%1 is not a box to write in").arg(quoted(name)));
    mustSee(name, *target.form, box);
    if (!m_checking)
        box->setText(line.rest.mid(name.size() + 1));
}

void Driver::lessonCommand(const Line &line)
{
    line.need(1, "lesson FILE");
    if (const QStringList problems = lesson::player().open(line.args[0]); !problems.isEmpty())
        fail(problems.front());
    lesson::player().begin();
}

void Driver::play(const Line &line)
{
    line.need(1, "play FILE");
    if (const QStringList problems = lesson::player().open(line.args[0]); !problems.isEmpty())
        fail(problems.front());
    int code = 0;
    if (const QString problem = lesson::player().playToEnd(code); code == 1)
        throw ExpectFailure{problem};
    else if (!problem.isEmpty())
        fail(problem);
}

void Driver::print(const QString &line)
{
    m_out << line << '\n';
    m_out.flush();
    if (m_out.status() != QTextStream::Ok)
        throw OutputFailure{m_out.device() ? m_out.device()->errorString() : QCoreApplication::translate("Driver", "the output failed")};
}

void Driver::writeFile(const QString &file, const QByteArray &bytes)
{
    // Standard output is written to after the values before it, and never
    // replaced, whatever it is.
    if (isStandardOutput(file)) {
        m_out.flush();
        QIODevice *device = m_out.device();
        if (!device)
            m_out << QString::fromUtf8(bytes);
        else if (m_out.status() == QTextStream::Ok && device->write(bytes) != bytes.size())
            throw OutputFailure{device->errorString()};
        if (m_out.status() != QTextStream::Ok)
            throw OutputFailure{device ? device->errorString() : QCoreApplication::translate("Driver", "the output failed")};
        return;
    }
    if (const QString problem = toolkit::writeWhole(file, bytes); !problem.isEmpty())
        fail(QCoreApplication::translate("Driver", "cannot write %1: %2").arg(quoted(file), problem));
}

} // namespace drive
