#include "shell/eisodos.h"

#include "shell/LessonPlayer.h"
#include "shell/eisagogi.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>

using namespace toolkit;

eisodos::eisodos()
    : Form(QStringLiteral("eisodos"), QStringLiteral("spotsim"), 7500, 6100)
{
    setBackColor(RGB(255, 255, 224));
    const Font text{fonts::serifGreek, 12};
    design(Text1[0], {240, 240, 6855, 975}, text).setAlignment(Qt::AlignCenter);
    design(Text1[1], {240, 1200, 6855, 585}, text).setAlignment(Qt::AlignCenter);
    design(Text1[2], {240, 1680, 6855, 900}, text).setAlignment(Qt::AlignCenter);
    design(Text2, {600, 2880, 6135, 615}, text).setAlignment(Qt::AlignCenter);
    design(Command1, {2160, 3720, 3255, 975}, tr("Start"), {fonts::serifGreek, 26.25});
    design(Command2, {5520, 5160, 1575, 495}, tr("Exit"), {fonts::serifGreek, 15.75});
    design(Command3, {2160, 5160, 3255, 495}, tr("Lessons..."), {fonts::serifGreek, 15.75});
    for (LineControl *line : {&Line1, &Line2, &Line3, &Line4})
        line->setBorder(RGB(255, 0, 0), 6);

    Command1.onClick([] { form<eisagogi>().show(); });
    Command2.onClick([] { endProgram(); });
    Command3.onClick([this] { offerLessons(); });
    Command1.setDefault(true);
}

void eisodos::load()
{
    setWidthTwips(screenWidth());
    setHeightTwips(screenHeight());
    setTop(0);
    setLeft(0);
    scale(0, 250, 150, 0);

    const QString &serif = fonts::serifGreek;
    Text1[0].setFont(serif, 20, true);
    Text1[0].setWidth(120);
    Text1[0].setLeft(15);
    Text1[0].setText(tr("KINETICS of CHEMICAL REACTIONS"));
    Text1[1].setWidth(120);
    Text1[1].setLeft(15);
    Text1[1].setFont(serif, 20, true);
    Text1[1].setText(tr("and"));
    Text1[2].setWidth(120);
    Text1[2].setLeft(15);
    Text1[2].setFont(serif, 20, true);
    Text1[2].setText(tr(" RADIOACTIVE DECAYS"));
    Text2.setWidth(70);
    Text2.setLeft(35);
    Text2.setFont(serif, 16, true);
    Text2.setText(tr("by the spotsim developers"));

    // A red frame from the top of the first text to the bottom of the third;
    // in the upward scale T - H is a box's lower edge.
    auto T = [this](int k) { return Text1[k].top(); };
    auto L = [this](int k) { return Text1[k].left(); };
    auto W = [this](int k) { return Text1[k].width(); };
    auto H = [this](int k) { return Text1[k].height(); };
    Line1.setPoints(L(0), T(0), L(0), T(2) - H(2));
    Line2.setPoints(L(0) + W(0), T(0), L(0) + W(0), T(2) - H(2));
    Line3.setPoints(L(0), T(0), L(0) + W(0), T(0));
    Line4.setPoints(L(2), T(2) - H(2), L(2) + W(2), T(2) - H(2));
}

namespace {

// A lesson played from its start; one that cannot be says why in a notice.
void playLesson(QWidget &over, const QString &file)
{
    const QStringList problems = lesson::player().open(file);
    if (!problems.isEmpty()) {
        showNotice(over, eisodos::tr("This lesson cannot be played: %1").arg(problems.front()), true);
        return;
    }
    // The program starts afresh for it, this window too: after the click.
    QTimer::singleShot(0, &lesson::player(), [] { lesson::player().begin(); });
}

} // namespace

void eisodos::offerLessons()
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(tr("Lessons"));
    const QString code = languageInUse() == Language::Greek ? QStringLiteral("el") : QStringLiteral("en");
    const QDir shipped(QStringLiteral(":/lessons"));
    for (const QString &name : shipped.entryList({QStringLiteral("*.spotsim-lesson")}, QDir::Files, QDir::Name)) {
        const QString file = shipped.filePath(name);
        QFile in(file);
        std::vector<lesson::Problem> ignored;
        const QString title = in.open(QIODevice::ReadOnly) ? lesson::readLesson(in.readAll(), code, {}, ignored).title : QString();
        menu->addAction(title.isEmpty() ? name : title, this, [this, file] { playLesson(*this, file); });
    }
    menu->addSeparator();
    menu->addAction(tr("Other Lesson File..."), this, [this] {
        const QFileDialog::Options options =
            languageInUse() == Language::Greek ? QFileDialog::DontUseNativeDialog : QFileDialog::Options();
        const QString file = QFileDialog::getOpenFileName(this, tr("Open a Lesson"), QDir::homePath(),
                                                          tr("spotsim lessons (*.spotsim-lesson);;All files (*)"), nullptr, options);
        if (!file.isEmpty())
            playLesson(*this, file);
    });
    QWidget *button = Command3.widget();
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    if (!menu->actions().isEmpty())
        menu->setActiveAction(menu->actions().front());
}
