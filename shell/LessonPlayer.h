// The lesson being played: it runs a lesson file's lines on the program,
// stops where the student has a turn, and keeps the answers and the runs.
// Its panel (the window `mathima`) shows where it stands.
#pragma once

#include "shell/LessonFile.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QTimer>

#include <climits>
#include <functional>
#include <map>
#include <memory>

namespace drive {
class Driver;
}

namespace lesson {

class Player final : public QObject
{
    Q_OBJECT
public:
    Player();
    ~Player() override;

    // Reads and checks the lesson in FILE, every line in both languages:
    // what is wrong, a "FILE:LINE: reason" each; none, and the lesson is
    // ready to begin.
    QStringList open(const QString &file);
    // From its first line, the program started afresh (unless it has just
    // started): the same seed, so the class sees the same runs. What comes
    // before its turn `shownFrom` (from 1) passes at once, with the
    // student's earlier answers and steps; a bar moved in a step is moved
    // there again.
    void begin(int shownFrom = 0, bool fresh = false);
    // "Go on": past a pause or a question; at the end, the lesson again,
    // without its answers.
    void goOn();
    // "Back one step": the lesson replayed from its start to the stop
    // before the one shown.
    void back();
    // The lesson played on from its start to its end, at once, by a student
    // who does each step and answers nothing; "" or why it stopped, with
    // `code` 1 for an expectation of the lesson that failed.
    QString playToEnd(int &code);

    bool isOpen() const { return !m_file.isEmpty(); }
    const Script &script() const { return m_script; }
    // The student's turn shown, or nullptr between turns and at the end.
    const Item *current() const { return m_current; }
    int step() const { return m_step; }
    bool ended() const { return m_ended; }
    // The notes said since the last turn.
    QString note() const { return m_note; }
    // Why the lesson stopped short, "LINE: reason"; "" while it plays.
    QString problem() const { return m_problem; }
    // The answer given at the turn shown, kept through a replay.
    QString answer() const;
    void setAnswer(const QString &text);
    bool asksQuestions() const;
    // The questions and answers, then each run's setup and counts.
    QString answersText() const;

signals:
    // Where the lesson stands changed: the panel shows it again.
    void changed();

private:
    // Plays on until the student's turn, a wait, or the end.
    void advance();
    // Does one item: true to go on at once.
    bool perform(const Item &item);
    bool stopAt(const Item &item);
    bool command(const Item &item, bool fast);
    void waitUntil(std::function<bool()> done);
    void stopShort(const Item &item, const QString &reason, int code);
    void used(QObject &control);
    void point(bool on);
    bool fast() const { return m_step < m_fastBelow; }

    QString m_file;
    QByteArray m_bytes;
    Script m_script;
    quint64 m_seed = 0;
    std::unique_ptr<drive::Driver> m_driver;
    QString m_printed;
    QTextStream m_out{&m_printed};
    QTextStream m_err{&m_printed};

    std::size_t m_next = 0;     // the next item
    int m_step = 0;             // turns reached
    int m_fastBelow = 0;        // what comes before this turn passes at once
    const Item *m_current = nullptr;
    QPointer<QObject> m_target; // what a step points at
    QPointer<QWidget> m_pointer;
    QString m_note;
    QString m_problem;
    int m_failure = 0;
    bool m_ended = false;
    std::map<int, QString> m_answers; // by turn
    std::map<int, QString> m_done;    // by turn: the line that did the step
    QStringList m_runs;               // the counts of each run that ended
    QTimer m_poll;
    std::function<bool()> m_until;
};

Player &player();

} // namespace lesson
