// The reaction parameters window: temperature, concentration, duration and
// the rates of the steps, with the rate constants rewritten at every change.
#include "kinetics/YPOTHETIKES.h"

#include "graphs/apotelesmata.h"
#include "graphs/grafiki1.h"
#include "graphs/ravdogram.h"
#include "kinetics/antidrasi.h"
#include "kinetics/core/Process.h"
#include "kinetics/core/TemperatureFactor.h"
#include "shell/Quantities.h"
#include "shell/Roads.h"
#include "shell/core/SharedState.h"

using namespace toolkit;
using shell::core::shared;
using kinetics::core::ModelCode;

namespace {

const QString letterK = QStringLiteral("K          ");

// The lattice window's timer follows the temperature, although nothing ever
// enables it.
void setLatticeInterval()
{
    form<antidrasi>().Timer1.setInterval(kinetics::core::chemistryTickInterval(shared().temperatureC));
}

bool reversible() { return shared().choices.reversible(); }

} // namespace

YPOTHETIKES::YPOTHETIKES()
    : Form(QStringLiteral("YPOTHETIKES"), 9600, 7200)
{
    setCaption(QStringLiteral("Your Model of a Chemical Reaction"));
    tempotherm.setMin(-250);
    tempotherm.setMax(400);
    tempotherm.setLargeChange(20);
    sidesq.setMin(2);
    sidesq.setMax(44);
    sidesq.setLargeChange(5);
    sidesq.setValue(20);
    xronosolos.setMin(20);
    xronosolos.setMax(1000);
    xronosolos.setSmallChange(10);
    xronosolos.setLargeChange(100);
    xronosolos.setValue(100);
    const struct
    {
        ScrollBar *bar;
        int large;
        int value;
    } rates[] = {{&bleprasino, 15, 50}, {&pithanotipiso, 10, 25}, {&kokkina, 15, 0}, {&kokkinaprasina, 20, 0}};
    for (const auto &r : rates) {
        r.bar->setMin(0);
        r.bar->setMax(100);
        r.bar->setLargeChange(r.large);
        r.bar->setValue(r.value);
    }

    Command2.setCaption(QStringLiteral("Next>"));
    Command1.setCaption(QStringLiteral("<Back"));
    Command3.setCaption(QStringLiteral("Exit"));
    Label8.setCaption(QStringLiteral("Make your choices about the rate of  the reaction:"));
    Label10.setCaption(QStringLiteral("Temperature"));
    Label9.setCaption(QStringLiteral("Initial concentration of A"));
    const struct
    {
        ControlArray<Label> *row;
        QColor colour;
    } rows[] = {{&Label2, RGB(192, 255, 192)},
                {&Label4, RGB(192, 192, 255)},
                {&Label1, RGB(255, 192, 192)},
                {&Label6, RGB(128, 255, 128)}};
    for (const auto &r : rows)
        for (int k = 0; k <= 3; ++k)
            (*r.row)[k].setBackColor(r.colour);

    tempotherm.onChange([this] { tempothermChange(); });
    sidesq.onChange([this] { sidesqChange(); });
    xronosolos.onChange([this] { xronosolosChange(); });
    bleprasino.onChange([this] { rateChanged(0); });
    pithanotipiso.onChange([this] { rateChanged(1); });
    kokkina.onChange([this] { rateChanged(2); });
    kokkinaprasina.onChange([this] { rateChanged(3); });
    Command2.onClick([this] { next(); });
    Command1.onClick([this] {
        hide();
        shell::showPage(shell::Page::Reversibility);
    });
    Command3.onClick([] { endProgram(); });
    Command2.setDefault(true);
    Command1.setCancel(true);
}

double YPOTHETIKES::factor() const
{
    return kinetics::core::temperatureFactor(shared().modelCode, shared().temperatureC, shared().temperatureC);
}

double YPOTHETIKES::rateConstant(const ScrollBar &bar) const
{
    return kinetics::core::rateFromBar(bar.value(), factor());
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
    ScrollBar *bars[] = {&bleprasino, &pithanotipiso, &kokkina, &kokkinaprasina};
    ControlArray<Label> *rows[] = {&Label2, &Label4, &Label1, &Label6};
    for (int n = 2; n <= 5; ++n) {
        const double top = 210 - n * 20;
        bars[n - 2]->move(47, top, 61, 10);
        auto &row = *rows[n - 2];
        // "K" with the step as a subscript, the value and the "-1" exponent.
        row[0].move(2, top, 4, 10);
        row[1].move(6, top, 12, 10);
        row[2].move(18, top, 21, 10);
        row[3].move(39, top, 4, 10);
        row[0].setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        row[1].setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        row[2].setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        row[3].setAlignment(Qt::AlignLeft | Qt::AlignTop);
        row[2].setFont(fonts::sans, 12, true);
    }
}

void YPOTHETIKES::load()
{
    placeFullScreen(*this);
    shared().modelCode = ModelCode::Reaction;
    scale(-40, 250, 110, 0);
    setAutoRedraw(true);
    layOut();

    setRowFrame(Label2, letterK, 14, QStringLiteral("   A ->B "));
    setRowFrame(Label4, letterK, 14, QStringLiteral("   B ->A "));
    setRowFrame(Label1, letterK, 14, QStringLiteral("   B ->C "));
    setRowFrame(Label6, letterK, 14, QStringLiteral("   C ->B "));
    Label2[2].setCaption(Format(rateConstant(bleprasino), "0.00E+00") + QStringLiteral(" sec"));
    Label4[2].setCaption(Format(rateConstant(pithanotipiso), "0.00E+00") + QStringLiteral(" sec"));
    Label1[2].setCaption(Format(rateConstant(kokkina), "0.00E+00") + QStringLiteral(" sec"));
    Label6[2].setCaption(Format(rateConstant(kokkinaprasina), "0.00E+00") + QStringLiteral("sec"));

    Label3.setCaption(Format(sidesq.value() / 100.0, "0.00") + QStringLiteral("   mol/L"));
    Label5.setCaption(Format(tempotherm.value(), "0") + QStringLiteral("°C"));
    Label7.setCaption(QStringLiteral("Duration = ") + Format(shared().runDuration, "0"));

    kokkinaprasina.show();
    kokkina.show();
    pithanotipiso.show();
    tempotherm.show();
    const double buttonTop = kokkinaprasina.top() - kokkinaprasina.height() - 2;
    Command1.move(0, buttonTop, 28, 12);
    Command2.move(34, buttonTop, 28, 12);
    Command3.move(80, buttonTop, 28, 12);
    for (CommandButton *b : {&Command1, &Command2, &Command3})
        b->setFont(fonts::serifGreek, 12, true);

    // Frames the rate rows from above and from the left.
    box(0, 210 - 1.65 * 20, 70 * 3.7, -150, RGB(0, 0, 0));

    // The row of B -> C only with two steps, while the wizard says
    // "Non reversible".
    const auto &choices = shared().choices;
    if (!choices.reversible()) {
        Label1[0].setVisible(choices.twoSteps());
        Label1[1].setVisible(choices.twoSteps());
    }
}

void YPOTHETIKES::tempothermChange()
{
    auto &s = shared();
    s.temperatureC = tempotherm.value();
    // The other bars first: the decay window's handler chooses the decay
    // model, and this window's constants are a reaction's.
    shell::temperature().spread(tempotherm);
    s.modelCode = ModelCode::Reaction;
    Label5.setCaption(Format(tempotherm.value(), "0") + QStringLiteral("°C"));
    auto &run = form<apotelesmata>();
    run.temperatura.setCaption(QStringLiteral("Temperature  = ") + Format(tempotherm.value(), "0") + QStringLiteral("°C"));
    setLatticeInterval();
    if (reversible()) {
        const double kCB = rateConstant(kokkinaprasina);
        Label6[2].setCaption(Format(kCB, "0.00E+00") + QStringLiteral("sec"));
        run.kapa[3].setCaption(QStringLiteral("KC->B= ") + Format(kCB, "0.00E+00"));
        const double kBA = rateConstant(pithanotipiso);
        Label4[2].setCaption(Format(kBA, "0.00E+00") + QStringLiteral(" sec"));
        run.kapa[1].setCaption(QStringLiteral("KB->A =") + Format(kBA, "0.00"));
        Label6[0].setCaption(letterK);
        Label4[0].setCaption(letterK);
    }
    const double kAB = rateConstant(bleprasino);
    Label2[2].setCaption(Format(kAB, "0.00E+00") + QStringLiteral(" sec"));
    run.kapa[0].setCaption(QStringLiteral("KA->B") + Format(kAB, "0.00E+00"));
    Label2[0].setCaption(letterK);
}

void YPOTHETIKES::sidesqChange()
{
    auto &s = shared();
    const QString text = Format(sidesq.value() / 100.0, "0.00") + QStringLiteral("   mol/L");
    Label3.setCaption(text);
    form<apotelesmata>().concentr.setCaption(text);
    setLatticeInterval();
    s.initialAmount = sidesq.value();
    s.latticeSide = kinetics::core::latticeSide;
    s.amountChanged = true;
    shell::amount().spread(sidesq);
    auto &spots = form<antidrasi>();
    spots.setAutoRedraw(false);
    spots.cls();
    form<grafiki1>().cls();
}

void YPOTHETIKES::xronosolosChange()
{
    form<grafiki1>().cls();
    shared().runDuration = xronosolos.value();
    shell::duration().spread(xronosolos);
    Label7.setCaption(QStringLiteral("Duration = ") + Format(shared().runDuration, "0"));
}

namespace {

// What a change of each rate bar rewrites: its row, its label on the run
// control window and its probability.
struct RateStep
{
    ScrollBar YPOTHETIKES::*bar;
    ControlArray<Label> YPOTHETIKES::*row;
    const char *letter;
    double letterSize;
    const char *step;
    const char *unit;
    int kapa;
    const char *kapaPrefix;
    double shell::core::SharedState::*rate;
};

const RateStep rateSteps[] = {
    {&YPOTHETIKES::bleprasino, &YPOTHETIKES::Label2, "K          ", 14, "   A ->B ", " sec", 0, "KA->B",
     &shell::core::SharedState::rateK1},
    {&YPOTHETIKES::pithanotipiso, &YPOTHETIKES::Label4, "K          ", 13, "   B ->A ", " sec", 1, "KB->A =",
     &shell::core::SharedState::rateK1Reverse},
    {&YPOTHETIKES::kokkina, &YPOTHETIKES::Label1, "K           ", 14, "   B ->C ", "sec", 2, "KB ->C = ",
     &shell::core::SharedState::rateK2},
    {&YPOTHETIKES::kokkinaprasina, &YPOTHETIKES::Label6, "K          ", 14, "   C ->B ", "sec", 3, "KC->B= ",
     &shell::core::SharedState::rateK2Reverse},
};

} // namespace

void YPOTHETIKES::rateChanged(int index)
{
    const RateStep &step = rateSteps[index];
    const double k = rateConstant(this->*step.bar);
    auto &row = this->*step.row;
    row[2].setCaption(Format(k, "0.00E+00") + QLatin1String(step.unit));
    setRowFrame(row, QLatin1String(step.letter), step.letterSize, QLatin1String(step.step));
    form<apotelesmata>().kapa[step.kapa].setCaption(QLatin1String(step.kapaPrefix) + Format(k, "0.00E+00"));
    shared().*step.rate = k;
}

void YPOTHETIKES::next()
{
    auto &s = shared();
    // New parameters end the run in progress: its counts start afresh below.
    form<apotelesmata>().Timer1.setEnabled(false);
    s.modelCode = ModelCode::Reaction;
    s.concentrationAxisTop = kinetics::core::concentrationAxisTop(s.initialAmount);

    auto &run = form<apotelesmata>();
    run.showRunWindows();
    auto &graphs = form<grafiki1>();
    if (graphs.Check1.value())
        graphs.cls();

    kinetics::core::ReactionChoice choice;
    choice.abBar = bleprasino.value();
    choice.baBar = pithanotipiso.value();
    choice.bcBar = kokkina.value();
    choice.cbBar = kokkinaprasina.value();
    choice.reversible = reversible();
    choice.oneStep = s.choices.oneStep;
    const auto p = kinetics::core::reactionProbabilities(choice, factor());
    s.rateK1 = p.k1;
    s.rateK1Reverse = p.k1Reverse;
    s.rateK2 = p.k2;
    s.rateK2Reverse = p.k2Reverse;

    // The chosen constants, listed on the run control window.
    run.beginRateList();
    run.printRate(s.rateK1, 185, QStringLiteral(" A->B"), "0.00E+00");
    if (choice.reversible)
        run.printRate(s.rateK1Reverse, 161, QStringLiteral(" B->A"), "0.00E+00");
    if (!choice.oneStep) {
        run.printRate(s.rateK2, 137, QStringLiteral(" B->C"), "0.00E+00");
        if (choice.reversible)
            run.printRate(s.rateK2Reverse, 113, QStringLiteral(" C->B"), "0.00E+00");
    }

    run.kapa[0].setCaption(QStringLiteral("KA->B =") + Format(rateConstant(bleprasino), "0.00E+00"));
    run.kapa[1].setCaption(QStringLiteral("KB->A =") + Format(rateConstant(pithanotipiso), "0.00E+00"));
    run.kapa[2].setCaption(QStringLiteral("KB->C =") + Format(rateConstant(kokkina), "0.00E+00"));
    run.kapa[3].setCaption(QStringLiteral("KC->B =") + Format(rateConstant(kokkinaprasina), "0.00E+00"));

    auto counts = s.run.counts();
    counts.d = 0;
    s.run.setCounts(counts);
    s.latticeSide = kinetics::core::latticeSide;
    s.initialAmount = sidesq.value();
    if (s.runCount == 0) {
        graphs.cls();
        form<antidrasi>().cls();
    } else if (run.replayEarlierRun()) {
        const int interval = kinetics::core::chemistryTickInterval(s.temperatureC);
        form<antidrasi>().Timer1.setInterval(interval);
        run.Timer1.setInterval(interval);
    }

    s.modelCode = ModelCode::Reaction;
    run.concentr.setCaption(Format(sidesq.value() / 100.0, "0.00") + QStringLiteral("   mol/L"));
    graphs.xronoimizoi.setVisible(false);
    form<ravdogram>().cls();
}
