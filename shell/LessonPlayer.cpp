#include "shell/LessonPlayer.h"

#include "graphs/apotelesmata.h"
#include "graphs/grafiki1.h"
#include "lesson/Model.h"
#include "shell/mathima.h"
#include "shell/StartUp.h"
#include "toolkit/Toolkit.h"
#include "tools/drive/Driver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPainter>
#include <QRandomGenerator>

namespace lesson {

namespace {

QString languageCode()
{
    return toolkit::languageInUse() == toolkit::Language::Greek ? QStringLiteral("el") : QStringLiteral("en");
}

// A lesson is read whole; anything this long is not one.
constexpr qint64 longestLesson = 1 << 20;

// The frame drawn around the control a step points at.
class Pointer final : public QWidget
{
public:
    explicit Pointer(QWidget &window)
        : QWidget(&window)
    {
        setObjectName(QStringLiteral("lessonPointer"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    void around(const QRect &rect)
    {
        const int pen = std::max(3, fontMetrics().height() / 6);
        setGeometry(rect.adjusted(-2 * pen, -2 * pen, 2 * pen, 2 * pen));
        show();
        raise();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int pen = std::max(3, fontMetrics().height() / 6);
        p.setPen(QPen(QColor(230, 110, 0), pen));
        p.drawRoundedRect(QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0), pen, pen);
    }
};

// Where a control or a menu item is drawn in its window.
QRect placeIn(QWidget &window, QObject &target)
{
    if (auto *control = qobject_cast<toolkit::Control *>(&target); control && control->widget())
        return QRect(control->widget()->mapTo(&window, QPoint()), control->widget()->size());
    if (auto *item = qobject_cast<toolkit::MenuItem *>(&target))
        if (auto *form = qobject_cast<toolkit::Form *>(&window))
            return form->menuBar()->actionGeometry(item->action()).translated(form->menuBar()->pos());
    return QRect();
}

} // namespace

Player::Player()
{
    m_poll.setInterval(50);
    connect(&m_poll, &QTimer::timeout, this, [this] {
        if (m_until && m_until()) {
            m_poll.stop();
            m_until = nullptr;
            advance();
        }
    });
    toolkit::watchUse([this](QObject &control) { used(control); });
    connect(&announcer(), &Announcer::runFinished, this, [this] {
        if (isOpen() && model().run().started())
            m_runs << QString::fromUtf8(toolkit::form<apotelesmata>().countsCsv());
    });
}

Player::~Player() { toolkit::watchUse(nullptr); }

QStringList Player::open(const QString &file)
{
    QStringList problems;
    const QString shown = toolkit::printable(file);
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || in.size() > longestLesson) {
        problems << QStringLiteral("%1:1: %2").arg(shown, in.isOpen() ? tr("longer than a lesson can be")
                                                                      : tr("cannot be read: %1").arg(in.errorString()));
        return problems;
    }
    const QByteArray bytes = in.readAll();
    drive::Driver checker(m_out, m_err);
    Checks checks;
    checks.command = [&checker](const QString &line) { return checker.lessonProblem(line); };
    checks.step = [&checker](const QString &name, std::optional<int> value) {
        QString problem;
        checker.stepTarget(name, value, false, problem);
        return problem;
    };
    std::vector<Problem> found;
    Script script = readLesson(bytes, languageCode(), checks, found);
    for (const Problem &p : found)
        problems << QStringLiteral("%1:%2: %3").arg(shown).arg(p.line).arg(toolkit::printable(p.reason));
    if (!problems.isEmpty())
        return problems;
    if (script.title.isEmpty())
        script.title = QFileInfo(file).completeBaseName().section(QLatin1Char('.'), 0, 0);
    // A lesson in play gives way: nothing of it is waited for or pointed at.
    m_poll.stop();
    m_until = nullptr;
    m_current = nullptr;
    point(false);
    m_target = nullptr;
    m_file = file;
    m_script = std::move(script);
    m_seed = QRandomGenerator::global()->generate64();
    m_answers.clear();
    m_done.clear();
    return problems;
}

void Player::begin(int shownFrom, bool fresh)
{
    m_poll.stop();
    m_until = nullptr;
    point(false);
    if (!fresh) {
        shell::resetProgram();
        shell::startRoutine();
    }
    toolkit::core::generator().seed(m_seed);
    m_driver = std::make_unique<drive::Driver>(m_out, m_err);
    m_driver->followLessonRules();
    m_next = 0;
    m_step = 0;
    m_fastBelow = shownFrom;
    m_current = nullptr;
    m_note.clear();
    m_problem.clear();
    m_failure = 0;
    m_ended = false;
    m_runs.clear();
    toolkit::form<mathima>().showLesson();
    advance();
}

void Player::advance()
{
    while (m_next < m_script.items.size() && m_problem.isEmpty())
        if (!perform(m_script.items[m_next++]))
            return;
    if (m_problem.isEmpty())
        m_ended = true;
    m_fastBelow = 0;
    emit changed();
}

bool Player::perform(const Item &item)
{
    switch (item.kind) {
    case Item::Kind::Say:
        m_note += (m_note.isEmpty() ? QString() : QStringLiteral("\n\n")) + item.text;
        if (!fast())
            emit changed();
        return true;
    case Item::Kind::Command:
        return command(item, fast());
    default:
        return stopAt(item);
    }
}

bool Player::stopAt(const Item &item)
{
    ++m_step;
    if (m_step < m_fastBelow) {
        // Passed as the student passed it: the step done again, the
        // answer kept.
        if (item.kind == Item::Kind::Do) {
            QString problem;
            QObject *target = m_driver->stepTarget(item.name, item.value, true, problem);
            if (!target) {
                stopShort(item, problem, 2);
                return false;
            }
            // As the student did it; else as asked, a bar without a value one up.
            std::optional<int> value = item.value;
            if (auto *bar = qobject_cast<toolkit::ScrollBar *>(target); bar && !value)
                value = bar->value() < std::max(bar->min(), bar->max()) ? bar->value() + 1 : bar->value() - 1;
            const auto done = m_done.find(m_step);
            const QString line = done != m_done.end() ? done->second : drive::Driver::stepLine(item.name, *target, value);
            int code = 0;
            if (const QString failed = m_driver->attempt(line, code); !failed.isEmpty()) {
                stopShort(item, failed, code);
                return false;
            }
        }
        m_note.clear();
        return true;
    }
    m_current = &item;
    if (item.kind == Item::Kind::Do) {
        QString problem;
        m_target = m_driver->stepTarget(item.name, item.value, true, problem);
        if (!m_target) {
            stopShort(item, problem, 2);
            return false;
        }
        point(true);
    }
    emit changed();
    return false;
}

bool Player::command(const Item &item, bool fast)
{
    const QString command = item.text.section(QLatin1Char(' '), 0, 0);
    if (!fast && command == QLatin1String("run")) {
        // The class watches the run at its own pace.
        waitUntil([] { return !model().running() || toolkit::ended(); });
        return false;
    }
    if (command == QLatin1String("wait")) {
        if (fast)
            return true;
        auto until = std::make_shared<QDeadlineTimer>(item.text.section(QLatin1Char(' '), 1, 1).toInt());
        waitUntil([until] { return until->hasExpired() || toolkit::ended(); });
        return false;
    }
    const bool repeatLive = !fast && command == QLatin1String("repeat");
    int code = 0;
    if (const QString failed = m_driver->attempt(repeatLive ? item.text + QStringLiteral(" started") : item.text, code);
        !failed.isEmpty()) {
        stopShort(item, failed, code);
        return false;
    }
    if (repeatLive) {
        waitUntil([] { return !toolkit::form<grafiki1>().repeating() || toolkit::ended(); });
        return false;
    }
    return !toolkit::ended();
}

void Player::waitUntil(std::function<bool()> done)
{
    m_until = std::move(done);
    m_poll.start();
    emit changed();
}

void Player::stopShort(const Item &item, const QString &reason, int code)
{
    m_problem = QStringLiteral("%1: %2").arg(item.line).arg(reason);
    m_failure = code;
    m_current = nullptr;
    point(false);
    emit changed();
}

void Player::goOn()
{
    if (m_ended) {
        // Played again from its start, without its answers.
        m_answers.clear();
        m_done.clear();
        begin();
        return;
    }
    if (!m_current || m_current->kind == Item::Kind::Do)
        return;
    m_current = nullptr;
    m_note.clear();
    advance();
}

void Player::back()
{
    const int shown = m_current ? m_step - 1 : m_step;
    begin(std::max(shown, 1));
}

QString Player::playToEnd(int &code)
{
    begin(INT_MAX);
    code = m_failure;
    return m_problem;
}

void Player::used(QObject &control)
{
    if (!m_current || m_current->kind != Item::Kind::Do || &control != m_target.data())
        return;
    std::optional<int> now;
    if (auto *bar = qobject_cast<toolkit::ScrollBar *>(&control))
        now = bar->value();
    else if (auto *box = qobject_cast<toolkit::CheckBox *>(&control))
        now = box->value();
    if (m_current->value && now != m_current->value)
        return;
    m_done[m_step] = drive::Driver::stepLine(m_current->name, control, now);
    m_current = nullptr;
    m_note.clear();
    point(false);
    // The control's own handler is still on its way out.
    QTimer::singleShot(0, this, [this] { advance(); });
}

void Player::point(bool on)
{
    delete m_pointer.data();
    if (!on || !m_target)
        return;
    QObject *form = m_target;
    while (form && !qobject_cast<toolkit::Form *>(form))
        form = form->parent();
    auto *window = qobject_cast<toolkit::Form *>(form);
    if (!window)
        return;
    window->bringToFront();
    if (auto *control = qobject_cast<toolkit::Control *>(m_target.data()); control && control->widget())
        control->widget()->setFocus(Qt::OtherFocusReason);
    auto *pointer = new Pointer(*window);
    pointer->around(placeIn(*window, *m_target));
    m_pointer = pointer;
    toolkit::form<mathima>().keepClearOf(*window, pointer->geometry());
}

QString Player::answer() const
{
    const auto found = m_answers.find(m_step);
    return found != m_answers.end() ? found->second : QString();
}

void Player::setAnswer(const QString &text)
{
    if (m_current && m_current->kind == Item::Kind::Ask)
        m_answers[m_step] = text;
}

bool Player::asksQuestions() const
{
    return std::any_of(m_script.items.begin(), m_script.items.end(),
                       [](const Item &item) { return item.kind == Item::Kind::Ask; });
}

QString Player::answersText() const
{
    QString text = tr("Lesson: %1").arg(m_script.title) + QLatin1Char('\n');
    text += tr("File: %1").arg(toolkit::printable(QFileInfo(m_file).fileName())) + QLatin1Char('\n');
    text += tr("Saved: %1").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))) + QLatin1Char('\n');
    int turn = 0, question = 0;
    for (const Item &item : m_script.items) {
        if (!item.stops())
            continue;
        ++turn;
        if (item.kind != Item::Kind::Ask)
            continue;
        const auto found = m_answers.find(turn);
        text += QLatin1Char('\n') + tr("Question %1: %2").arg(++question).arg(item.text) + QLatin1Char('\n');
        text += tr("Answer: %1").arg(found != m_answers.end() ? found->second : QString()) + QLatin1Char('\n');
    }
    for (qsizetype run = 0; run < m_runs.size(); ++run)
        text += QLatin1Char('\n') + tr("Run %1").arg(run + 1) + QLatin1Char('\n') + m_runs[run];
    return text;
}

Player &player()
{
    static Player thePlayer;
    return thePlayer;
}

} // namespace lesson
