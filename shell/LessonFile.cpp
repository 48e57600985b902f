#include "shell/LessonFile.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <map>

namespace lesson {

namespace {

// In the context the translations file gives these texts: the namespace.
QString tr(const char *text) { return QCoreApplication::translate("lesson", text); }

// A line of the file: its first word and what follows the one space after it.
struct Words
{
    QString command;
    QString rest;
};

Words wordsOf(const QString &trimmed)
{
    const qsizetype space = trimmed.indexOf(QLatin1Char(' '));
    if (space < 0)
        return {trimmed, QString()};
    return {trimmed.left(space), trimmed.mid(space + 1).trimmed()};
}

// `do NAME[=VALUE] TEXT`, or the problem with it.
std::optional<Item> stepOf(const QString &rest, QString &problem)
{
    const qsizetype space = rest.indexOf(QLatin1Char(' '));
    const QString target = space < 0 ? rest : rest.left(space);
    Item item;
    item.kind = Item::Kind::Do;
    item.text = space < 0 ? QString() : rest.mid(space + 1).trimmed();
    item.name = target.section(QLatin1Char('='), 0, 0);
    if (target.contains(QLatin1Char('='))) {
        bool ok = false;
        item.value = target.section(QLatin1Char('='), 1).toInt(&ok);
        if (!ok) {
            problem = tr("do %1: the value after '=' must be a whole number").arg(item.name);
            return std::nullopt;
        }
    }
    if (item.name.isEmpty()) {
        problem = tr("do needs a control and a text: do WINDOW.CONTROL[=VALUE] TEXT");
        return std::nullopt;
    }
    if (item.text.isEmpty()) {
        problem = tr("do %1 needs a text that tells the student what to do").arg(item.name);
        return std::nullopt;
    }
    return item;
}

} // namespace

int Script::steps() const
{
    return int(std::count_if(items.begin(), items.end(), [](const Item &item) { return item.stops(); }));
}

Script readLesson(const QByteArray &bytes, const QString &language, const Checks &checks, std::vector<Problem> &problems)
{
    Script script;
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.pop_back();
    QString block = QStringLiteral("all");
    std::map<QString, int> stepsIn;  // stops per language block, "all" counted in both
    bool continues = false;          // a '|' line may follow
    Item *continued = nullptr;       // and adds to this item, when it plays
    int number = 0;
    for (QByteArray raw : lines) {
        ++number;
        if (raw.endsWith('\r'))
            raw.chop(1);
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString text = utf8.decode(raw);
        auto fault = [&](const QString &reason) { problems.push_back({number, reason}); };
        if (utf8.hasError()) {
            fault(tr("the line is not UTF-8 text"));
            continues = false;
            continue;
        }
        const QString trimmed = text.trimmed();
        if (trimmed.startsWith(QLatin1Char('|'))) {
            if (!continues)
                fault(tr("a line starting with '|' goes on with a say, ask or do line"));
            else if (continued)
                continued->text += QLatin1Char('\n') + trimmed.mid(1).trimmed();
            continue;
        }
        continues = false;
        continued = nullptr;
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const bool plays = block == QLatin1String("all") || block == language;
        const auto [command, rest] = wordsOf(trimmed);
        Item item;
        item.line = number;
        if (command == QLatin1String("lang")) {
            if (rest != QLatin1String("en") && rest != QLatin1String("el") && rest != QLatin1String("all"))
                fault(tr("lang takes en, el or all, not '%1'").arg(rest));
            else
                block = rest;
            continue;
        }
        if (command == QLatin1String("title")) {
            if (rest.isEmpty())
                fault(tr("title needs a text"));
            else if (plays)
                script.title = rest;
            continue;
        }
        if (command == QLatin1String("say") || command == QLatin1String("ask")) {
            if (rest.isEmpty()) {
                fault(tr("%1 needs a text").arg(command));
                continue;
            }
            item.kind = command == QLatin1String("say") ? Item::Kind::Say : Item::Kind::Ask;
            item.text = rest;
        } else if (command == QLatin1String("do")) {
            QString problem;
            const auto step = stepOf(rest, problem);
            if (step && checks.step)
                problem = checks.step(step->name, step->value);
            if (!problem.isEmpty()) {
                fault(problem);
                continue;
            }
            item.kind = Item::Kind::Do;
            item.text = step->text;
            item.name = step->name;
            item.value = step->value;
        } else if (command == QLatin1String("pause")) {
            if (!rest.isEmpty()) {
                fault(tr("pause takes nothing after it"));
                continue;
            }
            item.kind = Item::Kind::Pause;
        } else {
            if (const QString problem = checks.command ? checks.command(trimmed) : QString(); !problem.isEmpty()) {
                fault(problem);
                continue;
            }
            item.text = trimmed;
        }
        if (item.stops())
            ++stepsIn[block];
        continues = item.kind == Item::Kind::Say || item.kind == Item::Kind::Ask || item.kind == Item::Kind::Do;
        if (plays) {
            script.items.push_back(item);
            continued = continues ? &script.items.back() : nullptr;
        }
    }
    const int english = stepsIn[QStringLiteral("all")] + stepsIn[QStringLiteral("en")];
    const int greek = stepsIn[QStringLiteral("all")] + stepsIn[QStringLiteral("el")];
    if (english != greek)
        problems.push_back({number, tr("the lesson has %1 steps in English and %2 in Greek").arg(english).arg(greek)});
    else if (english == 0)
        problems.push_back({std::max(number, 1), tr("the lesson has no step: no pause, ask or do")});
    return script;
}

} // namespace lesson
