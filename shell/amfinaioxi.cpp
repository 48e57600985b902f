#include "shell/amfinaioxi.h"

#include "kinetics/YPOTHETIKES.h"
#include "lesson/Model.h"
#include "shell/neaepilogi.h"

using namespace toolkit;

amfinaioxi::amfinaioxi()
    : Form(QStringLiteral("amfinaioxi"), tr("REVERSIBLE - NON REVERSIBLE"), 8400, 5600)
{
    const Font bold12{fonts::serifGreek, 12, true};
    reversibleno.onToggle([](bool on) { lesson::model().setNonReversible(on); });
    design(reversibleyes, {480, 720, 1575, 255}, tr("Reversible"), bold12);
    design(reversibleno, {480, 1320, 1995, 315}, tr("Non reversible"), bold12).setValue(true);
    design(Command2, {2880, 4200, 1695, 735}, tr("<Back"), bold12);
    design(Command3, {4680, 4200, 1695, 735}, tr("Next>"), bold12);
    design(Command4, {6480, 4200, 1455, 735}, tr("Exit"), bold12);

    Command3.onClick([this] {
        next();
        form<YPOTHETIKES>().show();
    });
    Command2.onClick([] { form<neaepilogi>().show(); });
    Command4.onClick([] { endProgram(); });
    Command3.setDefault(true);
    Command2.setCancel(true);
}

void amfinaioxi::load()
{
    setTop(0);
    setLeft(0);
    setWidthTwips(screenWidth());
    setHeightTwips(screenHeight());
}

void amfinaioxi::next()
{
    // Not reversible: the reverse steps' bars are emptied.
    if (reversibleno.value()) {
        lesson::model().setReactionBar(3, 0);
        lesson::model().setReactionBar(1, 0);
    }
}
