// The second wizard page: are the steps reversible?
#include "shell/amfinaioxi.h"

#include "graphs/apotelesmata.h"
#include "kinetics/YPOTHETIKES.h"
#include "shell/core/SharedState.h"
#include "shell/neaepilogi.h"

using namespace toolkit;

amfinaioxi::amfinaioxi()
    : Form(QStringLiteral("amfinaioxi"), 8400, 5600)
{
    setCaption(QStringLiteral("REVERSIBLE - NON REVERSIBLE"));
    const QString &serif = fonts::serifGreek;
    reversibleyes.setTwips(480, 720, 1575, 255);
    reversibleyes.setCaption(QStringLiteral("Reversible"));
    reversibleno.onToggle([](bool on) { shell::core::shared().choices.nonReversible = on; });
    reversibleno.setTwips(480, 1320, 1995, 315);
    reversibleno.setCaption(QStringLiteral("Non reversible"));
    reversibleno.setValue(true);
    for (OptionButton *o : {&reversibleyes, &reversibleno})
        o->setFont(serif, 12, true);
    Command2.setTwips(2880, 4200, 1695, 735);
    Command2.setCaption(QStringLiteral("<Back"));
    Command3.setTwips(4680, 4200, 1695, 735);
    Command3.setCaption(QStringLiteral("Next>"));
    Command4.setTwips(6480, 4200, 1455, 735);
    Command4.setCaption(QStringLiteral("Exit"));
    for (CommandButton *b : {&Command2, &Command3, &Command4})
        b->setFont(serif, 12, true);

    reversibleyes.onClick([this] { reversible(); });
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

namespace {

void hideRates()
{
    auto &run = form<apotelesmata>();
    for (int k = 0; k <= 3; ++k)
        run.kapa[k].hide();
}

// The rows and bars of a reversible reaction of one or two steps.
void showReversible(bool oneStep, bool showForwardRow)
{
    auto &p = form<YPOTHETIKES>();
    if (oneStep) {
        p.kokkinaprasina.hide();
        p.pithanotipiso.show();
        for (int k = 0; k <= 3; ++k) {
            if (showForwardRow)
                p.Label2[k].show();
            p.Label4[k].show();
            p.Label6[k].hide();
        }
    } else {
        p.kokkinaprasina.show();
        p.pithanotipiso.show();
        for (int k = 0; k <= 3; ++k) {
            p.Label1[k].show();
            p.Label2[k].show();
            p.Label4[k].show();
            p.Label6[k].show();
        }
    }
    hideRates();
}

} // namespace

void amfinaioxi::reversible()
{
    showReversible(shell::core::shared().choices.oneStep, false);
}

void amfinaioxi::next()
{
    const bool oneStep = shell::core::shared().choices.oneStep;
    auto &p = form<YPOTHETIKES>();
    if (reversibleno.value()) {
        p.kokkinaprasina.setValue(0);
        p.pithanotipiso.setValue(0);
        p.kokkinaprasina.hide();
        p.pithanotipiso.hide();
        for (int k = 0; k <= 3; ++k) {
            p.Label4[k].hide();
            p.Label6[k].hide();
            p.Label1[k].setVisible(!oneStep);
        }
        hideRates();
    } else if (reversibleyes.value()) {
        showReversible(oneStep, true);
    }
}
