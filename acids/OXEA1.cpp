#include "acids/OXEA1.h"

#include "graphs/Captions.h"
#include "graphs/apotelesmata.h"
#include "kinetics/core/Process.h"
#include "lesson/Model.h"
#include "shell/Quantities.h"
#include "shell/Roads.h"
#include "toolkit/Quantity.h"

using namespace toolkit;
using kinetics::core::ModelCode;

OXEA1::OXEA1()
    : Form(QStringLiteral("OXEA1"), tr("EXAMPLES"), 7785, 5835)
{
    const Font bold10{fonts::serifGreek, 10, true};
    design(Command1, {240, 480, 2295, 375}, tr("Carbonic Acid"), bold10);
    design(Command2, {2880, 480, 2295, 375}, tr("PHOSPHORIC"), bold10);
    design(Command3, {240, 1200, 2295, 375}, tr("ARSENIC"), bold10);
    design(Command4, {2880, 1200, 2295, 375}, tr("PYROPHOSPHORIC"), bold10);
    design(Command7, {2160, 1920, 1455, 495}, tr("Next"), bold10);
    design(Command5, {2160, 2400, 1455, 495}, tr("Back"), bold10);
    design(Command6, {3720, 2400, 1455, 495}, tr("Exit"), bold10);
    design(concentration, {6000, 720, 375, 3135}, {2, 44, 5, 20, 10});
    design(syngentrono, {5520, 240, 1935, 495}, bold10);
    design(Label3, {0, 3600, 2295, 495}, tr("Choose duration of the reaction"), bold10);
    design(xronosolos, {2400, 3600, 1695, 495}, {20, 1000, 10, 100, 100});
    design(Label4, {4080, 3600, 1335, 495}, bold10);
    design(tempotherm, {1320, 4320, 3255, 375}, {.min = -250, .max = 400, .largeChange = 20});
    design(Label5, {4680, 4320, 1575, 495}, bold10);

    // The button codes are those of every other window: phosphoric 3,
    // arsenic 2.
    const struct
    {
        CommandButton *button;
        ModelCode code;
    } acids[] = {{&Command1, ModelCode::Carbonic},
                 {&Command2, ModelCode::Phosphoric},
                 {&Command3, ModelCode::Arsenic},
                 {&Command4, ModelCode::Pyrophosphoric}};
    for (const auto &a : acids)
        a.button->onClick([this, chosen = a.button, code = a.code] {
            lesson::model().chooseProcess(code);
            // The chosen acid's button stays pressed in.
            for (CommandButton *b : {&Command1, &Command2, &Command3, &Command4})
                b->setChosen(b == chosen);
        });

    concentration.join(shell::amount());
    tempotherm.join(shell::temperature());
    xronosolos.join(shell::duration());
    concentration.onChange([this] { concentrationChange(); });
    tempotherm.onChange([this] { tempothermChange(); });
    xronosolos.onChange([this] { xronosolosChange(); });
    Command7.onClick([this] { next(); });
    Command5.onClick([] { shell::showPage(shell::Page::Steps); });
    Command6.onClick([] { endProgram(); });
    Command7.setDefault(true);
    Command5.setCancel(true);
}

void OXEA1::load()
{
    Label4.setCaption(graphs::durationText(xronosolos.value(), 3));
    showTemperature();
    showConcentration();
}

void OXEA1::showConcentration()
{
    syngentrono.setCaption(tr("Συγκέντρωση = ") + Format(concentration.value(), "0.00"));
}

void OXEA1::showTemperature() { Label5.setCaption(graphs::temperatureText(tempotherm.value())); }

void OXEA1::concentrationChange() { showConcentration(); }

void OXEA1::tempothermChange() { showTemperature(); }

void OXEA1::xronosolosChange() { Label4.setCaption(graphs::durationText(xronosolos.value())); }

void OXEA1::next()
{
    auto &lesson = lesson::model();
    shell::setWizardOption(shell::WizardOption::NonReversible, false);
    if (kinetics::core::isAcid(lesson.inputs().process)) {
        // An acid dissociates in two reversible steps, so the wizard says so
        // too; its rates follow from its equilibrium.
        shell::setWizardOption(shell::WizardOption::Reversible, true);
        shell::setWizardOption(shell::WizardOption::TwoSteps, true);
    } else {
        // No acid chosen: the plain reaction of the parameters window, its
        // first step at one half.
        lesson.chooseProcess(ModelCode::Reaction);
        lesson.setReactionBar(0, 50);
        lesson.setFirstStepHalf(true);
    }
    form<apotelesmata>().prepareRun();
}
