#include "shell/mathima.h"

#include "shell/LessonPlayer.h"

#include <QPlainTextEdit>
#include <QPointer>

#include <algorithm>

using namespace toolkit;
using lesson::Item;

mathima::mathima()
    : Form(QStringLiteral("mathima"), tr("Lesson"), 6800, 3200)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    goWithEveryStep();
    const Font text{fonts::sans, 11};
    design(Label1, {120, 60, 6560, 320}, QString(), {fonts::sans, 10, true});
    design(keimeno, {120, 420, 6560, 1500}, text);
    design(apantisi, {120, 1980, 6560, 560}, text);
    design(Command2, {120, 2640, 2100, 460}, tr("Back one step"), text);
    design(Command3, {2340, 2640, 2100, 460}, tr("Save Answers..."), text);
    design(Command1, {4580, 2640, 2100, 460}, tr("Go on"), {fonts::sans, 11, true});
    Command1.setDefault(true);

    auto &player = lesson::player();
    Command1.onClick([&player] {
        // Played again, the program starts afresh, this window with it: after the click.
        if (player.ended())
            QTimer::singleShot(0, &player, [&player] { player.goOn(); });
        else
            player.goOn();
    });
    // The program starts afresh for the replay, this window with it: after the click.
    Command2.onClick([&player] { QTimer::singleShot(0, &player, [&player] { player.back(); }); });
    Command3.onClick([this, &player] {
        askAndSave(*this, tr("Save Answers..."), tr("Text file (*.txt)"),
                   [&player] { return player.answersText().toUtf8(); });
    });
    connect(static_cast<QPlainTextEdit *>(apantisi.widget()), &QPlainTextEdit::textChanged, this,
            [this, &player] { player.setAnswer(apantisi.text()); });
    connect(&player, &lesson::Player::changed, this, [this] { follow(); });
}

void mathima::showLesson()
{
    if (!isVisible())
        placeInCorner(false);
    show();
    follow();
}

void mathima::placeInCorner(bool right)
{
    m_right = right;
    const double width = screenWidth() / 2, height = screenHeight() * 0.3;
    placeAt(right ? screenWidth() - width : 0, screenHeight() - height, width, height);
}

void mathima::keepClearOf(const QWidget &window, const QRect &place)
{
    const QRect there(window.mapToGlobal(place.topLeft()), place.size());
    if (isVisible() && frameGeometry().intersects(there))
        placeInCorner(!m_right);
}

void mathima::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    layOut();
}

void mathima::layOut()
{
    const double w = width() * twipsPerPixel(), h = height() * twipsPerPixel();
    const double gap = 120, button = 460, answer = apantisi.visible() ? 700 : 0;
    const double buttons = h - gap - button;
    Label1.setTwips(gap, 60, w - 2 * gap, 320);
    keimeno.setTwips(gap, 420, w - 2 * gap, std::max(300.0, buttons - 420 - gap - (answer ? answer + gap : 0)));
    apantisi.setTwips(gap, buttons - gap - answer, w - 2 * gap, answer);
    const double each = (w - 4 * gap) / 3;
    Command2.setTwips(gap, buttons, each, button);
    Command3.setTwips(2 * gap + each, buttons, each, button);
    Command1.setTwips(3 * gap + 2 * each, buttons, each, button);
}

void mathima::follow()
{
    const auto &player = lesson::player();
    const Item *turn = player.current();
    const int steps = player.script().steps();
    setCaption(tr("Lesson: %1").arg(player.script().title));
    if (!player.problem().isEmpty())
        Label1.setCaption(tr("The lesson stopped"));
    else if (player.ended())
        Label1.setCaption(tr("The end of the lesson"));
    else
        Label1.setCaption(tr("Step %1 of %2").arg(std::max(player.step(), 1)).arg(steps));

    QString text = player.note();
    if (turn && turn->kind != Item::Kind::Pause)
        text += (text.isEmpty() ? QString() : QStringLiteral("\n\n")) + turn->text;
    if (!player.problem().isEmpty())
        text = tr("The lesson cannot go on. At line %1").arg(player.problem());
    else if (player.ended())
        text = player.asksQuestions() ? tr("The lesson is over. Save your answers, or play it again.")
                                      : tr("The lesson is over. You can play it again.");
    else if (turn && turn->kind == Item::Kind::Do)
        text += QStringLiteral("\n\n") + tr("(The lesson goes on when you have done it.)");
    // A note a paragraph, its '|' lines each on a line of its own.
    QString html;
    for (const QString &paragraph : text.split(QStringLiteral("\n\n")))
        html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    keimeno.setHtml(html);
    // What to do, or the question, comes last: it is in view.
    keimeno.showEnd();

    const bool asking = turn && turn->kind == Item::Kind::Ask;
    if (asking != apantisi.visible()) {
        apantisi.setVisible(asking);
        layOut();
    }
    if (asking) {
        apantisi.setText(player.answer());
        apantisi.setAccessibleName(turn->text);
    }
    const bool waitsForGoOn = turn && turn->kind != Item::Kind::Do;
    Command1.setCaption(player.ended() ? tr("Play Again") : tr("Go on"));
    Command1.setEnabled(waitsForGoOn || player.ended());
    Command2.setEnabled(player.step() > 1 || player.ended() || (!turn && player.step() > 0));
    Command3.setEnabled(player.asksQuestions());
    // What the reader says with the focus on the button: the note itself.
    Command1.widget()->setAccessibleDescription(text);
    if (isVisible() && (waitsForGoOn || player.ended()))
        takeKeyboardWhenFramed(asking ? apantisi.widget() : Command1.widget(), 0);
    // A step leaves the keyboard on its control: a listener hears what to do.
    if (isVisible() && turn && turn->kind == Item::Kind::Do)
        announce(*this, text);
}

void mathima::takeKeyboardWhenFramed(QWidget *focus, int tries)
{
    // A window manager that gives the keyboard to each window it maps (fluxbox,
    // twm, metacity) would give it to the run windows shown with this turn:
    // the panel asks once every window is framed, or after a few seconds.
    const auto shown = visibleForms();
    const bool framed = std::all_of(shown.begin(), shown.end(), [](const Form *w) { return w->framed(); });
    if (!framed && tries < 60) {
        QTimer::singleShot(50, this, [this, focus = QPointer<QWidget>(focus), tries] {
            if (focus)
                takeKeyboardWhenFramed(focus, tries + 1);
        });
        return;
    }
    if (!isVisible())
        return;
    bringToFront();
    focus->setFocus(Qt::OtherFocusReason);
}
