// The scripted driver: runs the real program in-process and executes one
// command a line (click, set, get, expect, tick, shot, ...).
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>

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
    static const QHash<QString, Handler> &commands();

    // One line of values on out, written out and checked at once.
    void print(const QString &line);
    // A file written whole; "-" and /dev/stdout are out itself.
    void writeFile(const QString &file, const QByteArray &bytes);
    QString get(const QString &name) const;
    void expectText(const QString &name, const QString &text);
    QTextStream &m_out;
    QTextStream &m_err;
};

// A number in the shortest form that reads back exactly: 10245, 0.5, 1e-07.
QString shortestNumber(double value);

// Up to `limit` ticks of the run control, each only while its timer is really
// running (enabled with a positive interval), as the timer itself would tick.
// Returns how many ran.
long long tickWhileRunning(long long limit);

} // namespace drive
