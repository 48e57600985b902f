// The choices window: introduces the program and leads into a chapter.
#include "shell/eisagogi.h"

#include "shell/StartUp.h"
#include "shell/core/SharedState.h"

using namespace toolkit;
using shell::core::shared;

eisagogi::eisagogi()
    : Form(QStringLiteral("eisagogi"), 10600, 6800)
{
    setCaption(QStringLiteral("CHOICES"));
    const QString serif = QStringLiteral("Times New Roman Greek");
    Text1[0].setTwips(720, 0, 9135, 615);
    Text1[1].setTwips(120, 720, 9855, 975);
    Text1[2].setTwips(120, 1680, 9855, 615);
    Text1[3].setTwips(1920, 2400, 5415, 615);
    for (int k = 0; k <= 3; ++k)
        Text1[k].setFont(serif, 12);

    ximia[0].setTwips(480, 3480, 4215, 1455);
    ximia[0].setCaption(QStringLiteral("Chemical Reactions"));
    ximia[0].setFont(serif, 21.75);
    RADIO[1].setTwips(5040, 3480, 4215, 1455);
    RADIO[1].setCaption(QStringLiteral("Radioactive Decays"));
    RADIO[1].setFont(serif, 21.75);
    Command2.setTwips(8880, 6120, 1575, 495);
    Command2.setCaption(QStringLiteral("EXIT"));
    Command2.setFont(serif, 15.75);

    ximia[0].onClick([this] { chemicalReactions(); });
    RADIO[1].onClick([this] { radioactiveDecays(); });
    Command2.onClick([] { endProgram(); });
}

void eisagogi::load()
{
    shell::placeFullScreen(*this);
    shared().modelCode = 0;
    setTop(0);
    setLeft(0);

    const QString serif = QStringLiteral("Times New Roman Greek");
    Text1[0].setFont(serif, 18, true);
    Text1[0].setText(QStringLiteral("This Software will give you the opportunity to study"));
    Text1[1].setFont(serif, 13);
    Text1[1].setText(QStringLiteral(
        "1. The kinetics of a reaction where a substance A is transformed into another B. Substance B could have "
        "the possibility (if you want to) to be transformed into a third C. All these transformations could be "
        "reversible  or not"));
    Text1[2].setFont(serif, 13);
    Text1[2].setText(QStringLiteral("2. A radioactive decay or a radioactive series up to four steps."));
    Text1[3].setFont(serif, 16, true, true);
    Text1[3].setText(QStringLiteral("Choose"));

    // The buttons follow the screen width; "Chemical Reactions" keeps its left.
    const double W = widthTwips();
    Command2.setWidth(W / 5);
    RADIO[1].setWidth(W / 3);
    ximia[0].setWidth(W / 3);
    RADIO[1].setLeft(W / 2);
    Command2.setLeft(W / 5 + left());
}

void eisagogi::chemicalReactions()
{
    auto &s = shared();
    s.derivedGraphCount = 0;
    s.runCount = 0;
    s.chemistryChosen = true;
    s.runDuration = 250;
    s.temperatureC = 25;
}

void eisagogi::radioactiveDecays()
{
    auto &s = shared();
    s.chemistryChosen = false;
    s.reactionRun = false;
    s.runDuration = 75;
    s.derivedGraphCount = 0;
    s.runCount = 0;
}
