#include "shell/amfinaioxi.h"

#include "graphs/apotelesmata.h"
#include "kinetics/YPOTHETIKES.h"
#include "shell/core/SharedState.h"
#include "shell/neaepilogi.h"

using namespace toolkit;

amfinaioxi::amfinaioxi()
    : Form(QStringLiteral("amfinaioxi"), QStringLiteral("REVERSIBLE - NON REVERSIBLE"), 8400, 5600)
{
    const Font bold12{fonts::serifGreek, 12, true};
    reversibleno.onToggle([](bool on) { shell::core::shared().choices.nonReversible = on; });
    design(reversibleyes, {480, 720, 1575, 255}, QStringLiteral("Reversible"), bold12);
    design(reversibleno, {480, 1320, 1995, 315}, QStringLiteral("Non reversible"), bold12).setValue(true);
    design(Command2, {2880, 4200, 1695, 735}, QStringLiteral("<Back"), bold12);
    design(Command3, {4680, 4200, 1695, 735}, QStringLiteral("Next>"), bold12);
    design(Command4, {6480, 4200, 1455, 735}, QStringLiteral("Exit"), bold12);

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
