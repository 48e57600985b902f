#include "kinetics/YPOTHETIKES.h"

#include "graphs/Captions.h"
#include "graphs/apotelesmata.h"
#include "kinetics/core/Process.h"
#include "kinetics/core/TemperatureFactor.h"
#include "lesson/Model.h"
#include "shell/Quantities.h"
#include "shell/Roads.h"

#include <QFontMetricsF>

#include <algorithm>

using namespace toolkit;
using kinetics::core::ModelCode;

namespace {

const QString letterK = QStringLiteral("K          ");

const lesson::core::WizardChoices &choices() { return lesson::model().inputs().choices; }

// Each step's rate bar with its designed range and its row of labels, which
// a change of the bar rewrites.
struct RateStep
{
    ScrollBar YPOTHETIKES::*bar;
    int largeChange;
    int value;
    ControlArray<Label> YPOTHETIKES::*row;
    QColor colour;
    const char *letter;
    double letterSize;
    const char *step;
    const char *unit;
};

const RateStep rateSteps[] = {
    {&YPOTHETIKES::bleprasino, 15, 50, &YPOTHETIKES::Label2, RGB(192, 255, 192), "K          ", 14, "   A ->B ",
     QT_TRANSLATE_NOOP("YPOTHETIKES", " sec")},
    {&YPOTHETIKES::pithanotipiso, 10, 25, &YPOTHETIKES::Label4, RGB(192, 192, 255), "K          ", 13,
     "   B ->A ", QT_TRANSLATE_NOOP("YPOTHETIKES", " sec")},
    {&YPOTHETIKES::kokkina, 15, 0, &YPOTHETIKES::Label1, RGB(255, 192, 192), "K           ", 14, "   B ->C ",
     QT_TRANSLATE_NOOP("YPOTHETIKES", "sec")},
    {&YPOTHETIKES::kokkinaprasina, 20, 0, &YPOTHETIKES::Label6, RGB(128, 255, 128), "K          ", 14,
     "   C ->B ", QT_TRANSLATE_NOOP("YPOTHETIKES", "sec")},
};

} // namespace

YPOTHETIKES::YPOTHETIKES()
    : Form(QStringLiteral("YPOTHETIKES"), tr("Your Model of a Chemical Reaction"), 9600, 7200)
{
    design(tempotherm, {.min = -250, .max = 400, .largeChange = 20});
    design(sidesq, {.min = 2, .max = 44, .largeChange = 5, .value = 20});
    design(xronosolos, {.min = 20, .max = 1000, .smallChange = 10, .largeChange = 100, .value = 100});
    for (const RateStep &r : rateSteps) {
        design(this->*r.bar, {.min = 0, .max = 100, .largeChange = r.largeChange, .value = r.value});
        for (int k = 0; k <= 3; ++k)
            (this->*r.row)[k].setBackColor(r.colour);
    }
    Command2.setCaption(tr("Next>"));
    Command1.setCaption(tr("<Back"));
    Command3.setCaption(tr("Exit"));
    Label8.setCaption(tr("Make your choices about the rate of  the reaction:"));
    Label10.setCaption(tr("Temperature"));
    Label9.setCaption(tr("Initial concentration of A"));
    tempotherm.join(shell::temperature());
    sidesq.join(shell::amount());
    xronosolos.join(shell::duration());

    tempotherm.onChange([this] { tempothermChange(); });
    sidesq.onChange([this] { sidesqChange(); });
    xronosolos.onChange([this] { xronosolosChange(); });
    for (int step = 0; step < 4; ++step)
        (this->*rateSteps[step].bar).onChange([this, step] { rateChanged(step); });
    Command2.onClick([this] { next(); });
    Command1.onClick([this] {
        hide();
        shell::showPage(shell::Page::Reversibility);
    });
    Command3.onClick([] { endProgram(); });
    Command2.setDefault(true);
    Command1.setCancel(true);
    QObject::connect(&lesson::announcer(), &lesson::Announcer::inputsChanged, this, [this] { followLesson(); });
}

double YPOTHETIKES::factor() const
{
    // This window's constants are a reaction's, whichever process runs.
    return kinetics::core::temperatureFactor(ModelCode::Reaction, tempotherm.value());
}

double YPOTHETIKES::rateConstant(const ScrollBar &bar) const
{
    return kinetics::core::rateFromBar(bar.value(), factor());
}

void YPOTHETIKES::showRateConstant(int step, double k)
{
    auto &row = this->*rateSteps[step].row;
    row[0].setCaption(letterK);
    setValueText(row, Format(k, "0.00E+00") + tr(rateSteps[step].unit));
}

void YPOTHETIKES::setValueText(ControlArray<Label> &row, const QString &text)
{
    row[2].setCaption(text);
    if (!m_laidOut)
        return;
    // The "-1" stands against the unit it belongs to: where the layout puts
    // it, or nearer where the value and its unit end sooner.
    const QFontMetricsF metrics(makeFont(row[2].fontName(), row[2].fontSize(), true, false));
    const double end = row[2].left() + widthFromTwips(metrics.horizontalAdvance(text) * twipsPerPixel());
    row[3].setLeft(std::min(exponentLeft, end));
}

void YPOTHETIKES::setRowFrame(ControlArray<Label> &row, const QString &letter, double letterSize, const QString &step)
{
    row[0].setCaption(letter);
    row[0].setFont(row[0].fontName(), letterSize, true, true);
    row[1].setCaption(step);
    row[1].setFont(row[1].fontName(), 13, true, true);
    row[3].setCaption(QStringLiteral("-1"));
    row[3].setFont(row[3].fontName(), 9, true);
}

void YPOTHETIKES::layOut()
{
    // The layout is in the window's scale: x from -40 to 110, y from 250 down.
    Label8.move(0, 250, 105, 12);
    Label9.move(0, 220, 30, 10);
    Label7.move(0, 205, 30, 10);
    Label10.move(0, 190, 30, 10);
    for (Label *l : {&Label8, &Label9, &Label10, &Label7})
        l->setFont(fonts::sans, 13, l == &Label8);
    // The bars end inside the window so that both arrows can be reached; the
    // value labels sit between the captions and the bars.
    sidesq.move(47, 220, 61, 10);
    xronosolos.move(47, 205, 61, 10);
    tempotherm.move(47, 190, 61, 10);
    Label3.move(31, 220, 15, 10);
    Label5.move(31, 190, 15, 10);
    Label5.setFont(Label5.fontName(), 13);
    Label3.setFont(Label3.fontName(), 12);
    for (int n = 2; n <= 5; ++n) {
        const double top = 210 - n * 20;
        const RateStep &r = rateSteps[n - 2];
        (this->*r.bar).move(47, top, 61, 10);
        auto &row = this->*r.row;
        // "K" with the step as a subscript, the value and the "-1" exponent.
        row[0].move(2, top, 4, 10);
        row[1].move(6, top, 12, 10);
        row[2].move(18, top, 21, 10);
        row[3].move(exponentLeft, top, 4, 10);
        row[0].setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        row[1].setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        row[2].setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        row[3].setAlignment(Qt::AlignLeft | Qt::AlignTop);
        row[2].setFont(fonts::sans, 12, true);
    }
    m_laidOut = true;
}

void YPOTHETIKES::load()
{
    placeFullScreen(*this);
    lesson::model().chooseProcess(ModelCode::Reaction);
    scale(-40, 250, 110, 0);
    layOut();

    // Every row opens with the same letter; B -> C shows its unit as " sec"
    // until its bar first moves.
    for (const RateStep &r : rateSteps) {
        auto &row = this->*r.row;
        setRowFrame(row, letterK, 14, QLatin1String(r.step));
        const bool last = &r == &rateSteps[3];
        setValueText(row, Format(rateConstant(this->*r.bar), "0.00E+00") + (last ? tr("sec") : tr(" sec")));
    }

    Label3.setCaption(graphs::concentrationText(sidesq.value()));
    Label5.setCaption(graphs::celsiusText(tempotherm.value()));
    Label7.setCaption(graphs::durationText(xronosolos.value()));

    tempotherm.show();
    const double buttonTop = kokkinaprasina.top() - kokkinaprasina.height() - 2;
    Command1.move(0, buttonTop, 28, 12);
    Command2.move(34, buttonTop, 28, 12);
    Command3.move(80, buttonTop, 28, 12);
    for (CommandButton *b : {&Command1, &Command2, &Command3})
        b->setFont(fonts::serifGreek, 12, true);

    // Frames the rate rows from above and from the left.
    setRedraw([this] { box(0, 210 - 1.65 * 20, 70 * 3.7, -150, RGB(0, 0, 0)); });
    redraw();
    showRows();
}

void YPOTHETIKES::takeFirstState()
{
    sidesq.setValue(15);
    Label3.setCaption(graphs::concentrationText(sidesq.value(), 2));
    bleprasino.setValue(50);
    kokkina.setValue(0);
    Label4[0].setFont(Label4[0].fontName(), 14, true, true);
    Label4[0].setCaption(QStringLiteral("K        = ") + Format(pithanotipiso.value(), "0") + QStringLiteral(" %"));
    Label4[1].setFont(Label4[1].fontName(), 13, true, true);
    Label4[1].setCaption(QStringLiteral("   B ->A "));
    tempotherm.setValue(25);
    for (Label *label : {&Label1[0], &Label1[1], &Label2[0], &Label2[1], &Label3, &Label4[0], &Label4[1], &Label5})
        label->setFontName(fonts::sans);
    xronosolos.setValue(250);
    Label7.setCaption(graphs::durationText(xronosolos.value()));
}

void YPOTHETIKES::setVisible(bool visible)
{
    if (visible) {
        followLesson();
        showRows();
    }
    Form::setVisible(visible);
}

void YPOTHETIKES::showRows()
{
    const auto &c = choices();
    const bool shown[] = {true, c.reversible(), c.twoSteps(), c.reversible() && c.twoSteps()};
    for (int step = 0; step < 4; ++step) {
        (this->*rateSteps[step].bar).setVisible(shown[step]);
        auto &row = this->*rateSteps[step].row;
        for (int k = 0; k <= 3; ++k)
            row[k].setVisible(shown[step]);
    }
}

void YPOTHETIKES::tempothermChange()
{
    // Moved here, the temperature is the reaction's: a copy of another
    // window's leaves the process alone.
    if (!tempotherm.following())
        lesson::model().chooseProcess(ModelCode::Reaction);
    Label5.setCaption(graphs::celsiusText(tempotherm.value()));
    if (choices().reversible()) {
        showRateConstant(3, rateConstant(kokkinaprasina));
        showRateConstant(1, rateConstant(pithanotipiso));
    }
    showRateConstant(0, rateConstant(bleprasino));
}

void YPOTHETIKES::sidesqChange() { Label3.setCaption(graphs::concentrationText(sidesq.value())); }

void YPOTHETIKES::xronosolosChange() { Label7.setCaption(graphs::durationText(xronosolos.value())); }

void YPOTHETIKES::rateChanged(int index)
{
    const RateStep &step = rateSteps[index];
    const double k = rateConstant(this->*step.bar);
    auto &row = this->*step.row;
    setValueText(row, Format(k, "0.00E+00") + tr(step.unit));
    setRowFrame(row, QLatin1String(step.letter), step.letterSize, QLatin1String(step.step));
    // Moved here, the rates are the reaction's; set to follow another
    // process, they leave it alone.
    if (!m_following)
        lesson::model().chooseProcess(ModelCode::Reaction);
    lesson::model().setReactionBar(index, (this->*step.bar).value());
}

void YPOTHETIKES::followLesson()
{
    const auto &in = lesson::model().inputs();
    const auto bars = lesson::core::parameterBarsOf(in).value_or(in.reactionBars);
    const bool was = m_following;
    m_following = true;
    for (int step = 0; step < 4; ++step)
        (this->*rateSteps[step].bar).setValue(bars[std::size_t(step)]);
    m_following = was;
    // Carbonic acid's rows show its exact rates, not its bars' rounded ones.
    if (in.process == ModelCode::Carbonic) {
        const auto k = lesson::model().plan().rates.steps;
        const double steps[] = {k.k1, k.k1Reverse, k.k2, k.k2Reverse};
        for (int step = 0; step < 4; ++step)
            showRateConstant(step, steps[step]);
    }
}


void YPOTHETIKES::next()
{
    lesson::model().chooseProcess(ModelCode::Reaction);
    form<apotelesmata>().prepareRun();
}
