// The scripted driver: runs the real program in-process and executes one
// command a line (click, set, get, expect, tick, shot, ...).
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace toolkit {
class Form;
}

namespace drive {

class Driver
{
public:
    // Values go to out, messages about the script to err; each is written a
    // whole line at a time, and a value that out fails to take stops the
    // script (out's device tells why).
    Driver(QTextStream &out, QTextStream &err);

    // Runs a whole script; returns 0, 1 for a failed expectation or 2 for a
    // script error or an output that cannot be written. Messages name the
    // line.
    int run(const QString &script);
    // Runs one line; throws on failure.
    void execute(const QString &line);
    // Runs one line and says why it failed ("" when it ran), with `code` 1
    // for an expectation that did not hold and 2 for anything else.
    QString attempt(const QString &line, int &code);

    // From here on the lines are a lesson's: a control is clicked, set or
    // checked only while the student can see it, and a bar only within its
    // range.
    void followLessonRules() { m_lessonRules = true; }
    // What keeps a line from standing in a lesson, found without doing it:
    // "" when nothing. A lesson writes no file and prints nothing.
    QString lessonProblem(const QString &line);
    // The control a lesson's step points at, to be clicked, or set to
    // `value` (a bar, a check box); nullptr and the problem when it cannot
    // be. `onScreen` asks that the student can see it now.
    QObject *stepTarget(const QString &name, std::optional<int> value, bool onScreen, QString &problem);
    // The line a script would do the step with: the click, or the setting.
    static QString stepLine(const QString &name, const QObject &target, std::optional<int> value);

private:
    // One line split into its command and arguments.
    struct Line
    {
        QString command;
        QString rest; // everything after the one space that follows the command
        QStringList args;
        // Stops the script with the usage unless there are exactly count arguments.
        void need(qsizetype count, const char *usage) const;
    };
    using Handler = void (Driver::*)(const Line &);

    void seed(const Line &line);
    void click(const Line &line);
    void set(const Line &line);
    void check(const Line &line);
    void getCommand(const Line &line);
    void visible(const Line &line);
    void tick(const Line &line);
    void runToEnd(const Line &line);
    // The last run repeated COUNT times, the copies' spread on the graph.
    void repeat(const Line &line);
    // The histogram window of the run's copies, as its menu entry opens it.
    void distribution(const Line &line);
    // The reading cursor of a graph at a place across its axis.
    void cursor(const Line &line);
    void wait(const Line &line);
    void shot(const Line &line);
    void screen(const Line &line);
    void expect(const Line &line);
    void expectNear(const Line &line);
    // A window's drawing as SVG or PNG, and the run's counts as CSV.
    void save(const Line &line);
    void counts(const Line &line);
    // Writes text into a box the student writes in.
    void type(const Line &line);
    // A lesson file opened in its panel, as `spotsim --lesson` does; or played
    // to its end at once by a student who does each step and answers nothing.
    void lessonCommand(const Line &line);
    void play(const Line &line);
    static const QHash<QString, Handler> &commands();

    // One line of values on out, written out and checked at once.
    void print(const QString &line);
    // A file written whole; "-" and /dev/stdout are out itself.
    void writeFile(const QString &file, const QByteArray &bytes);
    QString get(const QString &name) const;
    void expectText(const QString &name, const QString &text);
    // Under a lesson's rules, stops unless the student can see the target.
    void mustSee(const QString &name, const toolkit::Form &form, const QObject *object) const;
    // Under a lesson's rules, or checked, stops unless the bar has the value in its range.
    void mustFit(const QString &name, int value, int min, int max) const;
    QTextStream &m_out;
    QTextStream &m_err;
    bool m_lessonRules = false;
    bool m_checking = false; // a lesson's line is checked, not done
};

// A number in the shortest form that reads back exactly: 10245, 0.5, 1e-07.
QString shortestNumber(double value);

// Up to `limit` ticks of the run control, each only while its timer is really
// running (enabled with a positive interval), as the timer itself would tick.
// Returns how many ran.
long long tickWhileRunning(long long limit);

} // namespace drive
