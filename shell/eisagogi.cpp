#include "shell/eisagogi.h"

#include "decay/YPOTHDIASPASI.h"
#include "graphs/apotelesmata.h"
#include "graphs/grafiki1.h"
#include "kinetics/YPOTHETIKES.h"
#include "lesson/Model.h"
#include "shell/Quantities.h"
#include "shell/Roads.h"
#include "shell/neaepilogi.h"
#include "toolkit/Quantity.h"

using namespace toolkit;

eisagogi::eisagogi()
    : Form(QStringLiteral("eisagogi"), tr("CHOICES"), 10600, 6800)
{
    const QString &serif = fonts::serifGreek;
    const Font text{serif, 12};
    design(Text1[0], {720, 0, 9135, 615}, text);
    design(Text1[1], {120, 720, 9855, 975}, text);
    design(Text1[2], {120, 1680, 9855, 615}, text);
    design(Text1[3], {1920, 2400, 5415, 615}, text);
    design(ximia[0], {480, 3480, 4215, 1455}, tr("Chemical Reactions"), {serif, 21.75});
    design(RADIO[1], {5040, 3480, 4215, 1455}, tr("Radioactive Decays"), {serif, 21.75});
    design(Command2, {8880, 6120, 1575, 495}, tr("EXIT"), {serif, 15.75});

    ximia[0].onClick([this] { chemicalReactions(); });
    RADIO[1].onClick([this] { radioactiveDecays(); });
    Command2.onClick([] { endProgram(); });
}

void eisagogi::load()
{
    placeFullScreen(*this);
    lesson::model().chooseProcess(kinetics::core::ModelCode::Reaction);
    setTop(0);
    setLeft(0);

    const QString &serif = fonts::serifGreek;
    Text1[0].setFont(serif, 18, true);
    Text1[0].setText(tr("This Software will give you the opportunity to study"));
    Text1[1].setFont(serif, 13);
    Text1[1].setText(tr(
        "1. The kinetics of a reaction where a substance A is transformed into another B. Substance B could have "
        "the possibility (if you want to) to be transformed into a third C. All these transformations could be "
        "reversible  or not"));
    Text1[2].setFont(serif, 13);
    Text1[2].setText(tr("2. A radioactive decay or a radioactive series up to four steps."));
    Text1[3].setFont(serif, 16, true, true);
    Text1[3].setText(tr("Choose"));

    // The buttons follow the screen width; "Chemical Reactions" keeps its left.
    const double W = widthTwips();
    Command2.setWidth(W / 5);
    RADIO[1].setWidth(W / 3);
    ximia[0].setWidth(W / 3);
    RADIO[1].setLeft(W / 2);
    Command2.setLeft(W / 5 + left());

    // The parameters window's first state.
    form<YPOTHETIKES>().takeFirstState();
    form<apotelesmata>().Timer1.setEnabled(false);
}

void eisagogi::chemicalReactions()
{
    lesson::model().chooseChapter(true);
    shell::duration().set(250);
    shell::temperature().set(25);
    form<grafiki1>().cls();
    lesson::model().setReactionBar(0, 50);
    form<neaepilogi>().show();
}

void eisagogi::radioactiveDecays()
{
    lesson::model().chooseChapter(false);
    form<YPOTHDIASPASI>().show();
    shell::setWizardOption(shell::WizardOption::NonReversible, true);
    shell::setWizardOption(shell::WizardOption::Reversible, false);
    form<grafiki1>().cls();
    shell::duration().set(75);
}
