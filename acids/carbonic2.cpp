#include "acids/carbonic2.h"

#include "acids/OXEA1.h"
#include "graphs/Captions.h"
#include "graphs/apotelesmata.h"
#include "kinetics/core/Process.h"
#include "lesson/Model.h"
#include "shell/Quantities.h"
#include "shell/Roads.h"
#include "toolkit/Quantity.h"

#include <algorithm>

using namespace toolkit;
using kinetics::core::ModelCode;

namespace {

// What the page explains, in the language in use.
QString explanation()
{
    return carbonic2::tr(
    "<div style='font-family: DejaVu Serif; font-size: 10pt;'>"
    "<p>Carbonic acid gives up its two hydrogen ions one after the other:</p>"
    "<p align='center'>H<sub>2</sub>CO<sub>3</sub> &#8652; H<sup>+</sup> + HCO<sub>3</sub><sup>&minus;</sup>"
    "&nbsp;&nbsp;&nbsp;K<sub>a1</sub> = [H<sup>+</sup>][HCO<sub>3</sub><sup>&minus;</sup>] / "
    "[H<sub>2</sub>CO<sub>3</sub>]</p>"
    "<p align='center'>HCO<sub>3</sub><sup>&minus;</sup> &#8652; H<sup>+</sup> + CO<sub>3</sub><sup>2&minus;</sup>"
    "&nbsp;&nbsp;&nbsp;K<sub>a2</sub> = [H<sup>+</sup>][CO<sub>3</sub><sup>2&minus;</sup>] / "
    "[HCO<sub>3</sub><sup>&minus;</sup>]</p>"
    "<p>K<sub>a1</sub> (about 4&times;10<sup>&minus;7</sup> at 25&nbsp;&deg;C) grows with the temperature; "
    "K<sub>a2</sub> is some ten thousand times smaller. The program finds [H<sup>+</sup>] from the "
    "concentration and both constants, together with the ions of water.</p>"
    "<p>On the lattice the blue spots are H<sub>2</sub>CO<sub>3</sub>, the green HCO<sub>3</sub><sup>&minus;</sup> "
    "and the red CO<sub>3</sub><sup>2&minus;</sup>. The rates k<sub>1</sub> (blue to green) and k<sub>2</sub> "
    "(green to blue) stand in the ratio K<sub>a1</sub> / [H<sup>+</sup>], k<sub>3</sub> (green to red) and "
    "k<sub>4</sub> (red to green) in the ratio K<sub>a2</sub> / [H<sup>+</sup>]; each pair adds up to the "
    "temperature factor. So the spots settle at the equilibrium ratios of the acid.</p>"
    "</div>");
}

} // namespace

carbonic2::carbonic2()
    : Form(QStringLiteral("carbonic2"), tr("Form1"), 7815, 5175)
{
    const Font bold12{fonts::serifGreek, 12, true};
    design(Label2, {0, 360, 2775, 615}, tr("Concentration"), bold12);
    design(moleanalitro, {3360, 480, 2655, 375}, {.min = 2, .max = 99, .largeChange = 10, .value = 25});
    design(Label1, {6120, 480, 1695, 495}, bold12);
    design(Label10, {120, 1200, 1935, 495}, tr("Temperature"), bold12);
    design(tempotherm, {2760, 1200, 3015, 375}, {.min = -250, .max = 400, .largeChange = 20, .value = 25});
    design(Label5, {5760, 1200, 2415, 495}, bold12);
    design(OLE1, {240, 5160, 7335, 2460}).setHtml(explanation());
    design(Command1, {1560, 4320, 1575, 615}, tr("Back"), bold12);
    design(Command2, {3360, 4320, 1455, 615}, tr("Next"), bold12);
    design(Command3, {5040, 4320, 1335, 615}, tr("End"), bold12);

    moleanalitro.onChange([this] {
        // The concentration of the run: the amount bars of the other windows
        // follow.
        shell::amount().set(moleanalitro.value());
        recompute();
    });
    tempotherm.onChange([this] { tempothermChange(); });
    Command1.onClick([] { shell::showExample(true); });
    Command2.onClick([this] { next(); });
    Command3.onClick([] { endProgram(); });
    Command2.setDefault(true);
    Command1.setCancel(true);
}

void carbonic2::load() { recompute(); }

void carbonic2::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    // The explanation reads best wide: it takes the width under the buttons.
    const double w = width() * twipsPerPixel();
    const double h = height() * twipsPerPixel();
    const double top = 5160;
    OLE1.setTwips(240, top, std::clamp(w - 480, 5055.0, 11000.0), std::clamp(h - top - 240, 2460.0, 5200.0));
}

void carbonic2::tempothermChange()
{
    shell::temperature().set(tempotherm.value());
    recompute();
}

void carbonic2::recompute()
{
    Label1.setCaption(graphs::concentrationText(moleanalitro.value(), 1));
    Label5.setCaption(graphs::celsiusText(tempotherm.value()));

    // The page's own concentration and temperature give its rates; set up
    // hidden, at start-up, it leaves the lesson's process alone until the
    // student comes here.
    lesson::core::Inputs page;
    page.process = ModelCode::Carbonic;
    page.amount = moleanalitro.value();
    page.temperatureC = tempotherm.value();
    if (isVisible())
        lesson::model().chooseProcess(ModelCode::Carbonic);
    printRates(lesson::core::ratesOf(page).steps);
}

void carbonic2::printRates(const kinetics::core::StepProbabilities &k)
{
    setRedraw([this, k] { drawRates(k); });
    redraw();
}

void carbonic2::drawRates(const kinetics::core::StepProbabilities &k)
{
    setFontName(fonts::serifGreek);
    setFontSize(12);
    setFontBold(true);
    setFontItalic(false);
    setForeColor(RGB(0, 0, 0));
    const QString index[] = {QStringLiteral("\u2081"), QStringLiteral("\u2082"), QStringLiteral("\u2083"),
                             QStringLiteral("\u2084")};
    const double rates[] = {k.k1, k.k1Reverse, k.k2, k.k2Reverse};
    for (int step = 0; step < 4; ++step) {
        setCurrentX(240);
        setCurrentY(1800 + 540 * step);
        print(QStringLiteral("k") + index[step] + QStringLiteral("     = ") + Format(rates[step], "0.00e+00"));
    }
}

void carbonic2::next()
{
    lesson::model().chooseProcess(ModelCode::Carbonic);
    shell::setWizardOption(shell::WizardOption::NonReversible, false);
    shell::setWizardOption(shell::WizardOption::Reversible, true);
    shell::setWizardOption(shell::WizardOption::OneStep, false);
    shell::setWizardOption(shell::WizardOption::TwoSteps, true);
    form<apotelesmata>().prepareRun();
}
