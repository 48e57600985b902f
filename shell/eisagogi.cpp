#include "shell/eisagogi.h"

#include "acids/OXEA1.h"
#include "decay/GNOSTED.h"
#include "decay/YPOTHDIASPASI.h"
#include "graphs/Captions.h"
#include "graphs/apotelesmata.h"
#include "graphs/grafiki1.h"
#include "kinetics/YPOTHETIKES.h"
#include "shell/amfinaioxi.h"
#include "shell/core/SharedState.h"
#include "shell/neaepilogi.h"

using namespace toolkit;
using shell::core::shared;

eisagogi::eisagogi()
    : Form(QStringLiteral("eisagogi"), QStringLiteral("CHOICES"), 10600, 6800)
{
    const QString &serif = fonts::serifGreek;
    const Font text{serif, 12};
    design(Text1[0], {720, 0, 9135, 615}, text);
    design(Text1[1], {120, 720, 9855, 975}, text);
    design(Text1[2], {120, 1680, 9855, 615}, text);
    design(Text1[3], {1920, 2400, 5415, 615}, text);
    design(ximia[0], {480, 3480, 4215, 1455}, QStringLiteral("Chemical Reactions"), {serif, 21.75});
    design(RADIO[1], {5040, 3480, 4215, 1455}, QStringLiteral("Radioactive Decays"), {serif, 21.75});
    design(Command2, {8880, 6120, 1575, 495}, QStringLiteral("EXIT"), {serif, 15.75});

    ximia[0].onClick([this] { chemicalReactions(); });
    RADIO[1].onClick([this] { radioactiveDecays(); });
    Command2.onClick([] { endProgram(); });
}

void eisagogi::load()
{
    placeFullScreen(*this);
    shared().modelCode = kinetics::core::ModelCode::Reaction;
    setTop(0);
    setLeft(0);

    const QString &serif = fonts::serifGreek;
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

    // The parameters window's first state.
    auto &p = form<YPOTHETIKES>();
    p.sidesq.setValue(15);
    p.Label3.setCaption(Format(p.sidesq.value() / 100.0, "0.00") +
                        QStringLiteral("  mol/L"));
    p.bleprasino.setValue(50);
    p.kokkina.setValue(0);
    p.pithanotipiso.show();
    p.Label4[0].show();
    p.Label4[0].setFont(p.Label4[0].fontName(), 14, true, true);
    p.Label4[0].setCaption(QStringLiteral("K        = ") +
                           Format(p.pithanotipiso.value(), "0") + QStringLiteral(" %"));
    p.Label4[1].setFont(p.Label4[1].fontName(), 13, true, true);
    p.Label4[1].setCaption(QStringLiteral("   B ->A "));
    p.tempotherm.setValue(25);
    p.tempotherm.show();
    p.Label5.show();
    for (Label *label : {&p.Label1[0], &p.Label1[1], &p.Label2[0], &p.Label2[1], &p.Label3, &p.Label4[0],
                         &p.Label4[1], &p.Label5})
        label->setFontName(fonts::sans);
    p.kokkinaprasina.show();
    p.Label6[0].show();
    p.Label6[1].show();
    p.xronosolos.setValue(250);
    form<YPOTHDIASPASI>().xronosolos.setValue(250);
    p.Label7.setCaption(graphs::durationText(p.xronosolos.value()));

    form<apotelesmata>().Timer1.setEnabled(false);
    shared().temperatureC = p.tempotherm.value();
}

void eisagogi::chemicalReactions()
{
    auto &s = shared();
    s.derivedGraphCount = 0;
    s.runCount = 0;
    s.chemistryChosen = true;
    s.runDuration = 250;
    s.temperatureC = 25;
    auto &p = form<YPOTHETIKES>();
    p.xronosolos.setValue(s.runDuration);
    p.tempotherm.setValue(s.temperatureC);
    form<grafiki1>().cls();
    p.bleprasino.setValue(50);
    form<neaepilogi>().show();
}

void eisagogi::radioactiveDecays()
{
    auto &s = shared();
    s.chemistryChosen = false;
    form<YPOTHDIASPASI>().show();
    s.reactionRun = false;
    auto &wizard = form<amfinaioxi>();
    wizard.reversibleno.setValue(true);
    wizard.reversibleyes.setValue(false);
    form<grafiki1>().cls();
    s.runDuration = 75;
    form<YPOTHDIASPASI>().xronosolos.setValue(s.runDuration);
    form<GNOSTED>().xronosolos.setValue(s.runDuration);
    s.derivedGraphCount = 0;
    s.runCount = 0;
    form<OXEA1>().tempotherm.setValue(s.temperatureC);
}
