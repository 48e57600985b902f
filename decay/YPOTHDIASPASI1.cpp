#include "decay/YPOTHDIASPASI1.h"

#include "decay/Buttons.h"

#include "decay/core/DecayConstants.h"
#include "decay/core/DecaySteps.h"
#include "graphs/Captions.h"
#include "graphs/apotelesmata.h"
#include "kinetics/core/Lattice.h"
#include "kinetics/core/Process.h"
#include "lesson/Model.h"
#include "shell/Quantities.h"
#include "shell/Roads.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace toolkit;
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
    const char *index; // the constant's index, written with its row
};

const Row rows[] = {
    {&YPOTHDIASPASI1::blezoi, {960, 1560, 2535, 255}, 1000, &YPOTHDIASPASI1::etiketa1, {6240, 1560, 2200, 375},
     {4560, 1560, 255, 255}, nullptr},
    {&YPOTHDIASPASI1::prasinizoi, {1080, 2040, 2415, 255}, 100, &YPOTHDIASPASI1::etiketa2, {5520, 2040, 2200, 375},
     {4560, 1920, 255, 255}, "2"},
    {&YPOTHDIASPASI1::kokinizoi, {960, 2400, 2535, 255}, 200, &YPOTHDIASPASI1::etiketa3, {3480, 2760, 2200, 375},
     {4560, 2280, 255, 255}, "3"},
};

} // namespace

YPOTHDIASPASI1::YPOTHDIASPASI1()
    : Form(QStringLiteral("YPOTHDIASPASI1"), tr("RATES OF DECAY"), 8400, 6200)
{
    const QString &serif = fonts::serifGreek;
    const Font bold12{serif, 12, true};
    design(Label1, {2400, 0, 4335, 735}, tr("Make your choices about the rate of the decay"),
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
    design(piso, {2640, 5520, 1095, 495}, tr("< Back"), bold12);
    design(mprosta, {4200, 5520, 1575, 495}, tr("Next >"), bold12);
    design(Command1, {6120, 5520, 1215, 495}, tr("Exit"), bold12);

    arithatomon.join(shell::amount());
    tempotherm.join(shell::temperature());
    arithatomon.onChange([this] { arithatomonChange(); });
    blezoi.onChange([this] { halfLifeChange(0); });
    prasinizoi.onChange([this] { halfLifeChange(1); });
    kokinizoi.onChange([this] { halfLifeChange(2); });
    // A listener hears the constant the row shows, not the half-life in
    // hundredths of a minute that the bar's position stands for.
    for (int c = 0; c < 3; ++c)
        (this->*rows[c].bar).setSpokenValue([this, c](int position) {
            return std::round(shownConstant(c, position) * 1e5) / 1e5;
        });
    // The atoms bar is heard by the number of atoms its row shows.
    arithatomon.setSpokenValue([](int position) { return std::round(kinetics::core::layoutTarget(position)); });
    tempotherm.onChange([this] { tempothermChange(); });
    piso.onClick([] { shell::showPage(shell::Page::DecayModel); });
    mprosta.onClick([this] { next(); });
    Command1.onClick([] { endProgram(); });
    mprosta.setDefault(true);
    piso.setCancel(true);
}

void YPOTHDIASPASI1::showModelCaptions()
{
    using decay::core::workedHalfLives;
    etiketa1[0].setCaption(Format(workedHalfLives[0], "0.00"));
    etiketa1[2].setCaption(QStringLiteral("K"));
    etiketa1[3].setCaption(QStringLiteral("1"));
    etiketa2[0].setCaption(tr("Half Life for green= ") + Format(workedHalfLives[1], "0.00"));
    etiketa3[0].setCaption(tr("Half Life for red= ") + Format(workedHalfLives[2], "0.00"));
}

void YPOTHDIASPASI1::setVisible(bool visible)
{
    if (visible)
        showRows();
    Form::setVisible(visible);
}

void YPOTHDIASPASI1::showRows()
{
    const auto v = decay::core::stepVisibility(lesson::model().inputs().choices.decaySteps);
    prasinizoi.setVisible(v.greenRow);
    kokinizoi.setVisible(v.redRow);
    for (int k = 0; k <= 3; ++k) {
        etiketa2[k].setVisible(v.greenRow);
        etiketa3[k].setVisible(v.redRow);
    }
}

void YPOTHDIASPASI1::load()
{
    placeFullScreen(*this);
    scale(0, 250, 150, 0);
    etiketa1[0].setCaption(tr("Half Life for blue= ") + Format(halfLifeFromBar(blezoi.value()), "0.00"));
    etiketa2[0].setCaption(tr("Half Life for green= ") +
                           Format(halfLifeFromBar(prasinizoi.value()), "0.00"));
    etiketa3[0].setCaption(tr("Half Life for red= ") + Format(halfLifeFromBar(kokinizoi.value()), "0.00"));
    Label5.setCaption(graphs::temperatureText(shell::temperature().value()));
    decay::placeButtons(piso, mprosta, Command1);
    showRows();
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
    const double textWidth = widthFromTwips(metrics.horizontalAdvance(QStringLiteral("0.00000") + tr(" min") + QLatin1Char(' ')) * twipsPerPixel());
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
    // The window's drawing is this frame alone, drawn anew at its size.
    setRedraw([this] { box(frameLeft, frameTop, frameRight, frameBottom, RGB(0, 0, 0)); });
    redraw();
}

void YPOTHDIASPASI1::halfLifeChange(int colour)
{
    const Row &r = rows[colour];
    auto &row = this->*r.labels;
    row[0].setCaption(Format(shownConstant(colour, (this->*r.bar).value()), "0.00000") + tr(" min"));
    if (r.index) {
        row[2].setCaption(QStringLiteral("K"));
        row[3].setCaption(QLatin1String(r.index));
    }
    lesson::model().setHalfLifeBar(colour, (this->*r.bar).value());
    drawFrame();
}

double YPOTHDIASPASI1::shownConstant(int colour, int position) const
{
    const double T = halfLifeFromBar(position);
    return colour == 0 ? ln2Rounded / T : decay::core::decayConstant(T, ModelCode::DecaySeries, tempotherm.value());
}

void YPOTHDIASPASI1::arithatomonChange() { Label8.setCaption(graphs::atomsText(arithatomon.value())); }

void YPOTHDIASPASI1::tempothermChange()
{
    Label5.setCaption(graphs::temperatureText(tempotherm.value()));
    // Moved here, the temperature chooses the decay series; a copy of
    // another window's leaves the process alone.
    if (!tempotherm.following())
        lesson::model().chooseProcess(ModelCode::DecaySeries);
}

void YPOTHDIASPASI1::next()
{
    auto &lesson = lesson::model();
    shell::setWizardOption(shell::WizardOption::NonReversible, true);
    lesson.chooseProcess(ModelCode::DecaySeries);
    const int steps = lesson.inputs().choices.decaySteps;
    shell::setWizardOption(steps == 1 ? shell::WizardOption::OneStep : shell::WizardOption::TwoSteps, true);
    form<apotelesmata>().prepareRun();
}
