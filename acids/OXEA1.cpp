// The acid examples window: one of four diprotic acids, its concentration,
// the temperature and the duration, then a run of its two dissociation steps.
#include "acids/OXEA1.h"

#include "acids/AcidEquilibrium.h"
#include "graphs/Captions.h"
#include "graphs/apotelesmata.h"
#include "graphs/drawPlotFrame.h"
#include "graphs/grafiki1.h"
#include "kinetics/YPOTHETIKES.h"
#include "kinetics/antidrasi.h"
#include "kinetics/core/Process.h"
#include "shell/Quantities.h"
#include "shell/Roads.h"
#include "shell/core/SharedState.h"

using namespace toolkit;
using kinetics::core::ModelCode;
using shell::core::shared;

OXEA1::OXEA1()
    : Form(QStringLiteral("OXEA1"), 7785, 5835)
{
    setCaption(QStringLiteral("EXAMPLES"));
    const struct
    {
        CommandButton *button;
        const char *caption;
        double left, top, width, height;
    } buttons[] = {
        {&Command1, "Carbonic Acid", 240, 480, 2295, 375},  {&Command2, "PHOSPHORIC", 2880, 480, 2295, 375},
        {&Command3, "ARSENIC", 240, 1200, 2295, 375},       {&Command4, "PYROPHOSPHORIC", 2880, 1200, 2295, 375},
        {&Command7, "Next", 2160, 1920, 1455, 495},         {&Command5, "Back", 2160, 2400, 1455, 495},
        {&Command6, "Exit", 3720, 2400, 1455, 495},
    };
    for (const auto &b : buttons) {
        b.button->setTwips(b.left, b.top, b.width, b.height);
        b.button->setCaption(QString::fromLatin1(b.caption));
        b.button->setFont(fonts::serifGreek, 10, true);
    }

    concentration.setTwips(6000, 720, 375, 3135);
    concentration.setMin(2);
    concentration.setMax(44);
    concentration.setSmallChange(5);
    concentration.setLargeChange(20);
    concentration.setValue(10);
    syngentrono.setTwips(5520, 240, 1935, 495);
    syngentrono.setFont(fonts::serifGreek, 10, true);
    Label3.setTwips(0, 3600, 2295, 495);
    Label3.setCaption(QStringLiteral("Choose duration of the reaction"));
    Label3.setFont(fonts::serifGreek, 10, true);
    xronosolos.setTwips(2400, 3600, 1695, 495);
    xronosolos.setMin(20);
    xronosolos.setMax(1000);
    xronosolos.setSmallChange(10);
    xronosolos.setLargeChange(100);
    xronosolos.setValue(100);
    Label4.setTwips(4080, 3600, 1335, 495);
    Label4.setFont(fonts::serifGreek, 10, true);
    tempotherm.setTwips(1320, 4320, 3255, 375);
    tempotherm.setMin(-250);
    tempotherm.setMax(400);
    tempotherm.setLargeChange(20);
    Label5.setTwips(4680, 4320, 1575, 495);
    Label5.setFont(fonts::serifGreek, 10, true);

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
        a.button->onClick([code = a.code] { shared().modelCode = code; });

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
    Label4.setCaption(QStringLiteral("Duration =   ") + Format(shared().runDuration, "0"));
    showTemperature();
    showConcentration();
}

void OXEA1::showConcentration()
{
    syngentrono.setCaption(QStringLiteral("Συγκέντρωση = ") + Format(concentration.value(), "0.00"));
}

void OXEA1::showTemperature()
{
    Label5.setCaption(graphs::temperatureText(tempotherm.value()));
}

void OXEA1::concentrationChange()
{
    shared().initialAmount = concentration.value();
    showConcentration();
    shell::amount().spread(concentration);
}

void OXEA1::tempothermChange()
{
    shared().temperatureC = tempotherm.value();
    showTemperature();
    shell::temperature().spread(tempotherm);
}

void OXEA1::xronosolosChange()
{
    shared().runDuration = xronosolos.value();
    shell::duration().spread(xronosolos);
    Label4.setCaption(graphs::durationText(xronosolos.value()));
}

void OXEA1::next()
{
    auto &s = shared();
    auto &run = form<apotelesmata>();
    run.Timer1.setEnabled(false); // new parameters end the run in progress
    auto &graphs = form<grafiki1>();
    // The spots with the initial block, the run control, the graphs and the
    // bars standing at the new counts.
    run.showRunWindows();

    s.reactionRun = true;
    shell::setWizardOption(shell::WizardOption::NonReversible, false);
    graphs.cls();

    auto &parameters = form<YPOTHETIKES>();
    if (kinetics::core::isAcid(s.modelCode)) {
        // An acid dissociates in two reversible steps, so the wizard says so
        // too: the red points of the second anion are plotted. Choosing two
        // steps zeroes the second step's bars, which the equilibrium then sets.
        shell::setWizardOption(shell::WizardOption::Reversible, true);
        shell::setWizardOption(shell::WizardOption::TwoSteps, true);
        const double c = s.initialAmount / 100.0;
        s.temperatureC = shell::temperature().value();
        acids::applyEquilibrium(c, s.modelCode, s.temperatureC);
        for (Control *shown : std::initializer_list<Control *>{&parameters.pithanotipiso, &parameters.kokkina,
                                                                &parameters.kokkinaprasina, &parameters.Label1[0],
                                                                &parameters.Label1[1]})
            shown->show();
        s.concentrationAxisTop = kinetics::core::concentrationAxisTop(s.initialAmount);
        graphs.setRunScale();
        run.listReactionRates(shell::core::stepProbabilities(s), true, true);
    } else {
        // No acid chosen: the plain reaction's first step at one half.
        parameters.bleprasino.setValue(50);
        s.rateK1 = 0.5;
        form<antidrasi>().Timer1.setInterval(kinetics::core::chemistryTickInterval(s.temperatureC));
    }
}
