// A lesson file: plain UTF-8 text, a command a line. The driver's commands
// act on the windows; `say`, `ask`, `do` and `pause` speak to the student and
// wait; `title` names the lesson; `lang en`, `lang el` and `lang all` mark
// what holds in one language only or in both.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace lesson {

struct Item
{
    enum class Kind { Command, Say, Ask, Do, Pause };
    Kind kind = Kind::Command;
    int line = 0;  // in the file, from 1
    QString text;  // a note, a question, what to do; a command's whole line
    QString name;  // the control a step points at
    std::optional<int> value; // what the step sets it to
    // A pause, a question or a step: the student's turn.
    bool stops() const { return kind == Kind::Ask || kind == Kind::Do || kind == Kind::Pause; }
};

struct Script
{
    QString title;
    std::vector<Item> items;
    // The stops of the lesson: its pauses, questions and steps.
    int steps() const;
};

struct Problem
{
    int line = 0;
    QString reason;
};

// What the program finds wrong with a driver's command, and with a step's
// control and value: "" when nothing.
struct Checks
{
    std::function<QString(const QString &line)> command;
    std::function<QString(const QString &name, std::optional<int> value)> step;
};

// The lesson as it plays in `language` ("en" or "el"). Every line is
// checked, in both languages; each fault is one problem, in the file's order.
Script readLesson(const QByteArray &bytes, const QString &language, const Checks &checks, std::vector<Problem> &problems);

} // namespace lesson
