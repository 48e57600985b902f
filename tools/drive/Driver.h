// The scripted driver: runs the real program in-process and executes one
// command a line (click, set, get, expect, tick, shot, ...).
#pragma once

#include <QString>
#include <QTextStream>

namespace drive {

class Driver
{
public:
    explicit Driver(QTextStream &out);

    // Runs a whole script; returns 0, 1 for a failed expectation or 2 for a
    // script error. Messages name the line.
    int run(QTextStream &script);
    // Runs one line; throws on failure.
    void execute(const QString &line);

private:
    QString get(const QString &name) const;
    void expectText(const QString &name, const QString &text);
    QTextStream &m_out;
};

// A number in the shortest form that reads back exactly: 10245, 0.5, 1e-07.
QString shortestNumber(double value);

} // namespace drive
