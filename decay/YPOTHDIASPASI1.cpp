#include "decay/YPOTHDIASPASI1.h"

#include "decay/Buttons.h"

#include "decay/GNOSTED.h"
#include "decay/YPOTHDIASPASI.h"
#include "decay/core/DecayConstants.h"
#include "decay/core/DecaySteps.h"
#include "graphs/Captions.h"
#include "graphs/apotelesmata.h"
#include "graphs/grafiki1.h"
#include "graphs/ravdogram.h"
#include "kinetics/YPOTHETIKES.h"
#include "kinetics/antidrasi.h"
#include "kinetics/core/Lattice.h"
#include "kinetics/core/Process.h"
#include "shell/Quantities.h"
#include "shell/Roads.h"
#include "shell/core/SharedState.h"

#include <QFontMetricsF>

#include <algorithm>
#include <numbers>

using namespace toolkit;
using shell::core::shared;
using kinetics::core::ModelCode;
using decay::core::halfLifeFromBar;

namespace {

// The blue row has always shown ln 2 rounded to three places.
constexpr double ln2Rounded = 0.693;

// What each colour's row is made of, as designed: its half-life bar, the
// places of its value and exponent labels, and the rate it sets.
struct Row
{
    ScrollBar YPOTHDIASPASI1::*bar;
    Twips barPlace;
    int designedValue;
    ControlArray<Label> YPOTHDIASPASI1::*labels;
    Twips valuePlace;
    Twips exponentPlace;
    double shell::core::SharedState::*rate;
    const char *index; // the constant's index, written with its row
};

const Row rows[] = {
    {&YPOTHDIASPASI1::blezoi, {960, 1560, 2535, 255}, 1000, &YPOTHDIASPASI1::etiketa1, {6240, 1560, 2200, 375},
     {4560, 1560, 255, 255}, &shell::core::SharedState::rateK1, nullptr},
    {&YPOTHDIASPASI1::prasinizoi, {1080, 2040, 2415, 255}, 100, &YPOTHDIASPASI1::etiketa2, {5520, 2040, 2200, 375},
     {4560, 1920, 255, 255}, &shell::core::SharedState::rateK2, "2"},
    {&YPOTHDIASPASI1::kokinizoi, {960, 2400, 2535, 255}, 200, &YPOTHDIASPASI1::etiketa3, {3480, 2760, 2200, 375},
     {4560, 2280, 255, 255}, &shell::core::SharedState::rateK3, "3"},
};

const QString minutes = QStringLiteral(" min");

QString atomsText(int amount)
{
    return QStringLiteral("Number of Atoms = ") + Format(kinetics::core::layoutTarget(amount), "0");
}

} // namespace

YPOTHDIASPASI1::YPOTHDIASPASI1()
    : Form(QStringLiteral("YPOTHDIASPASI1"), QStringLiteral("RATES OF DECAY"), 8400, 6200)
{
    const QString &serif = fonts::serifGreek;
    const Font bold12{serif, 12, true};
    design(Label1, {2400, 0, 4335, 735}, QStringLiteral("Make your choices about the rate of the decay"),
           {serif, 14, true})
        .setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    design(arithatomon, {1440, 1080, 3135, 375}, {.min = 2, .max = 99, .largeChange = 5, .value = 25});
    design(Label8, {4560, 960, 3375, 615}, bold12);
    for (int c = 0; c < 3; ++c) {
        const Row &r = rows[c];
        design(this->*r.bar, r.barPlace, {100, 15000, 5, 200, r.designedValue});
        auto &row = this->*r.labels;
        design(row[0], r.valuePlace, {fonts::sans, 14, true});
        design(row[1], r.exponentPlace, QStringLiteral("-1"), {fonts::sans, 9, true});
        design(row[2], {120, 2160 + 240.0 * c, 255, 375}, {serif, 14, true, true});
        design(row[3], {120, 2880 + 240.0 * c, 255, 255}, {serif, 9, true, true});
    }
    etiketa3[0].setCaption(QStringLiteral("k"));
    etiketa3[2].setCaption(QStringLiteral("et3"));
    etiketa3[3].setCaption(QStringLiteral("t"));

    design(tempotherm, {1320, 3360, 3015, 375}, {.min = -250, .max = 400, .largeChange = 20});
    design(Label5, {4680, 3360, 3375, 495}, bold12);
    design(piso, {2640, 5520, 1095, 495}, QStringLiteral("< Back"), bold12);
    design(mprosta, {4200, 5520, 1575, 495}, QStringLiteral("Next >"), bold12);
    design(Command1, {6120, 5520, 1215, 495}, QStringLiteral("Exit"), bold12);

    arithatomon.onChange([this] { arithatomonChange(); });
    blezoi.onChange([this] { halfLifeChange(0); });
    prasinizoi.onChange([this] { halfLifeChange(1); });
    kokinizoi.onChange([this] { halfLifeChange(2); });
    tempotherm.onChange([this] { tempothermChange(); });
    piso.onClick([] { form<YPOTHDIASPASI>().show(); });
    mprosta.onClick([this] { next(); });
    Command1.onClick([] { endProgram(); });
    mprosta.setDefault(true);
    piso.setCancel(true);
}

std::array<double, 4> YPOTHDIASPASI1::seriesConstants() const
{
    using decay::core::halfLifeFromBar;
    return decay::core::seriesConstants(form<YPOTHDIASPASI>().steps(), halfLifeFromBar(blezoi.value()),
                                        halfLifeFromBar(prasinizoi.value()), halfLifeFromBar(kokinizoi.value()));
}

void YPOTHDIASPASI1::applySeriesRates(const std::array<double, 4> &k)
{
    auto &parameters = form<YPOTHETIKES>();
    parameters.bleprasino.setValue(100 * int(toolkit::core::Int(k[0])));
    parameters.kokkina.setValue(100 * int(toolkit::core::Int(k[1])));
    parameters.pithanotipiso.setValue(0);
    parameters.kokkinaprasina.setValue(0);
    auto &s = shared();
    s.rateK1 = k[0];
    s.rateK2 = k[1];
    s.rateK3 = k[2];
    s.rateK4 = k[3];
    s.rateK5 = 0;
}

void YPOTHDIASPASI1::load()
{
    placeFullScreen(*this);
    scale(0, 250, 150, 0);
    setAutoRedraw(true);
    etiketa1[0].setCaption(QStringLiteral("Half Life for blue= ") + Format(halfLifeFromBar(blezoi.value()), "0.00"));
    etiketa2[0].setCaption(QStringLiteral("Half Life for green= ") +
                           Format(halfLifeFromBar(prasinizoi.value()), "0.00"));
    etiketa3[0].setCaption(QStringLiteral("Half Life for red= ") + Format(halfLifeFromBar(kokinizoi.value()), "0.00"));
    Label5.setCaption(graphs::temperatureText(shell::temperature().value()));
    decay::placeButtons(piso, mprosta, Command1);
}

void YPOTHDIASPASI1::layOut()
{
    constexpr double a = 18;
    constexpr double b = 210;
    Label1.setTop(240);
    Label1.setLeft(scaleLeft() + scaleWidth() / 2 - Label1.width() / 2);
    arithatomon.setTop(b);
    arithatomon.setLeft(50);
    arithatomon.setWidth(3 * a);
    showWorkedHalfLives();
    Label8.setTop(arithatomon.top());
    Label8.setLeft(arithatomon.left() + arithatomon.width());
    // One row high: on a narrow window the amount shrinks rather than wraps
    // onto the temperature below it.
    Label8.setHeight(a);
    tempotherm.setTop(arithatomon.top() - a);
    tempotherm.setLeft(arithatomon.left());
    tempotherm.setWidth(arithatomon.width());
    Label5.setTop(tempotherm.top());
    Label5.setLeft(tempotherm.left() + tempotherm.width());

    blezoi.setLeft(50);
    blezoi.setTop(tempotherm.top() - 1.5 * a);
    prasinizoi.setLeft(50);
    prasinizoi.setTop(blezoi.top() - a);
    kokinizoi.setLeft(50);
    kokinizoi.setTop(prasinizoi.top() - a);

    // The "-1" completes the unit as a superscript: it starts where "min"
    // ends and its foot rises to the middle of the constant's capitals.
    const QFont valueFont = makeFont(etiketa1[0].fontName(), etiketa1[0].fontSize(), true, false);
    const QFontMetricsF metrics(valueFont);
    const double textWidth = widthFromTwips(metrics.horizontalAdvance(QStringLiteral("0.00000 min ")) * twipsPerPixel());
    const double capitals = heightFromTwips(metrics.capHeight() * twipsPerPixel());

    for (const Row &r : rows) {
        ScrollBar &bar = this->*r.bar;
        auto &row = this->*r.labels;
        row[0].setWidth(50);
        bar.setWidth(40);
        row[0].setTop(bar.top());
        row[0].setLeft(bar.left() + bar.width());
        row[1].setTop(row[0].top() + a / 3);
        row[1].setLeft(row[0].left() + textWidth);
        row[1].setHeight(a / 3 + 0.5 * capitals);
        row[1].setWidth(5);
        row[1].setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        row[2].setTop(bar.top());
        row[2].setLeft(bar.left() - bar.width() / 5);
        row[3].setTop(bar.top() - a / 3);
        row[3].setLeft(row[2].left() + a / 5);
    }
    drawFrame();
}

void YPOTHDIASPASI1::showWorkedHalfLives()
{
    for (std::size_t c = 0; c < 3; ++c)
        (this->*rows[c].bar).setValue(decay::core::barFromHalfLife(decay::core::workedHalfLives[c]));
}

void YPOTHDIASPASI1::drawFrame()
{
    // Nothing else is drawn here: a frame drawn before the window last
    // changed size would show beside the new one.
    cls();
    box(frameLeft, frameTop, frameRight, frameBottom, RGB(0, 0, 0));
}

void YPOTHDIASPASI1::halfLifeChange(int colour)
{
    const Row &r = rows[colour];
    auto &s = shared();
    const double T = halfLifeFromBar((this->*r.bar).value());
    const double k = decay::core::decayConstant(T, ModelCode::DecaySeries, s.temperatureC);
    auto &row = this->*r.labels;
    // Blue shows ln 2 to three places; the others the constant itself.
    row[0].setCaption(Format(colour == 0 ? ln2Rounded / T : k, "0.00000") + minutes);
    if (r.index) {
        row[2].setCaption(QStringLiteral("K"));
        row[3].setCaption(QLatin1String(r.index));
    }
    s.*r.rate = k;
    drawFrame();
}

void YPOTHDIASPASI1::arithatomonChange()
{
    auto &s = shared();
    const int n = arithatomon.value();
    s.initialAmount = n;
    shell::amount().spread(arithatomon);
    Label8.setCaption(atomsText(n));
    s.concentrationAxisTop = kinetics::core::concentrationAxisTop(n);
    form<ravdogram>().setTotal(toolkit::core::Int(kinetics::core::layoutTarget(n) + 1));
    s.amountChanged = true;
}

void YPOTHDIASPASI1::tempothermChange()
{
    auto &s = shared();
    s.temperatureC = tempotherm.value();
    shell::temperature().spread(tempotherm);
    Label5.setCaption(graphs::temperatureText(tempotherm.value()));
    auto &run = form<apotelesmata>();
    run.showTemperature(tempotherm.value());
    // Moved here, the temperature chooses the decay series and its pace; a
    // copy of another window's leaves the process alone.
    if (tempotherm.following())
        return;
    shell::chooseProcess(ModelCode::DecaySeries);
    form<antidrasi>().Timer1.setInterval(1);
    run.Timer1.setInterval(kinetics::core::decayTickInterval);
}

void YPOTHDIASPASI1::next()
{
    auto &s = shared();
    auto &run = form<apotelesmata>();
    // New parameters end the run in progress.
    run.Timer1.setEnabled(false);
    auto &model = form<YPOTHDIASPASI>();
    auto &graphs = form<grafiki1>();
    auto &parameters = form<YPOTHETIKES>();

    shell::setWizardOption(shell::WizardOption::NonReversible, true);
    run.showRunWindows();
    s.modelCode = ModelCode::DecaySeries;
    graphs.cls();
    parameters.pithanotipiso.setValue(0);
    parameters.kokkinaprasina.setValue(0);
    s.runDuration = model.xronosolos.value();
    model.xronosolos.setValue(s.runDuration);
    form<GNOSTED>().xronosolos.setValue(s.runDuration);
    graphs.xronoimizoi.setVisible(true);
    graphs.setRunScale();

    const int steps = model.steps();
    const auto k = seriesConstants();
    shell::setWizardOption(steps == 1 ? shell::WizardOption::OneStep : shell::WizardOption::TwoSteps, true);
    applySeriesRates(k);

    run.showRate(0, QStringLiteral("K1= "), s.rateK1, "0.00e+00");
    run.showRate(1, QStringLiteral("K2= "), s.rateK2, "0.00");
    run.showRate(2, QStringLiteral("K3= "), s.rateK3, "0.00");
    run.listDecayRates({s.rateK1, s.rateK2, s.rateK3}, steps);

    if (s.runCount != 0)
        run.replayEarlierRun();
    run.Timer1.setInterval(kinetics::core::decayTickInterval);
    s.concentrationAxisTop = kinetics::core::concentrationAxisTop(s.initialAmount);
    run.concentr.setCaption(atomsText(s.initialAmount));
    run.showTemperature(shell::temperature().value());
    form<ravdogram>().cls();
}
