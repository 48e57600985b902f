#include "kinetics/YPOTHETIKES.h"

#include "graphs/Captions.h"
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

QString concentrationText(int value) { return Format(value / 100.0, "0.00") + QStringLiteral("   mol/L"); }

// Each step's rate bar with its designed range, its row of labels and what
// a change of the bar rewrites: the row, its label on the run control
// window and its probability.
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
    const char *kapaPrefix;
    double shell::core::SharedState::*rate;
};

const RateStep rateSteps[] = {
    {&YPOTHETIKES::bleprasino, 15, 50, &YPOTHETIKES::Label2, RGB(192, 255, 192), "K          ", 14, "   A ->B ",
     " sec", "KA->B", &shell::core::SharedState::rateK1},
    {&YPOTHETIKES::pithanotipiso, 10, 25, &YPOTHETIKES::Label4, RGB(192, 192, 255), "K          ", 13,
     "   B ->A ", " sec", "KB->A =", &shell::core::SharedState::rateK1Reverse},
    {&YPOTHETIKES::kokkina, 15, 0, &YPOTHETIKES::Label1, RGB(255, 192, 192), "K           ", 14, "   B ->C ",
     "sec", "KB ->C = ", &shell::core::SharedState::rateK2},
    {&YPOTHETIKES::kokkinaprasina, 20, 0, &YPOTHETIKES::Label6, RGB(128, 255, 128), "K          ", 14,
     "   C ->B ", "sec", "KC->B= ", &shell::core::SharedState::rateK2Reverse},
};

} // namespace

YPOTHETIKES::YPOTHETIKES()
    : Form(QStringLiteral("YPOTHETIKES"), QStringLiteral("Your Model of a Chemical Reaction"), 9600, 7200)
{
    design(tempotherm, {.min = -250, .max = 400, .largeChange = 20});
    design(sidesq, {.min = 2, .max = 44, .largeChange = 5, .value = 20});
    design(xronosolos, {.min = 20, .max = 1000, .smallChange = 10, .largeChange = 100, .value = 100});
    for (const RateStep &r : rateSteps) {
        design(this->*r.bar, {.min = 0, .max = 100, .largeChange = r.largeChange, .value = r.value});
        for (int k = 0; k <= 3; ++k)
            (this->*r.row)[k].setBackColor(r.colour);
    }
    Command2.setCaption(QStringLiteral("Next>"));
    Command1.setCaption(QStringLiteral("<Back"));
    Command3.setCaption(QStringLiteral("Exit"));
    Label8.setCaption(QStringLiteral("Make your choices about the rate of  the reaction:"));
    Label10.setCaption(QStringLiteral("Temperature"));
    Label9.setCaption(QStringLiteral("Initial concentration of A"));

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
}

double YPOTHETIKES::factor() const
{
    // This window's constants are a reaction's, whichever process runs.
    return kinetics::core::temperatureFactor(ModelCode::Reaction, shared().temperatureC);
}

double YPOTHETIKES::rateConstant(const ScrollBar &bar) const
{
    return kinetics::core::rateFromBar(bar.value(), factor());
}

void YPOTHETIKES::showRateConstant(int step, double k)
{
    auto &row = this->*rateSteps[step].row;
    row[0].setCaption(letterK);
    row[2].setCaption(Format(k, "0.00E+00") + QLatin1String(rateSteps[step].unit));
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

    // Every row opens with the same letter; B -> C shows its unit as " sec"
    // until its bar first moves.
    for (const RateStep &r : rateSteps) {
        auto &row = this->*r.row;
        setRowFrame(row, letterK, 14, QLatin1String(r.step));
        const bool last = &r == &rateSteps[3];
        row[2].setCaption(Format(rateConstant(this->*r.bar), "0.00E+00") +
                          (last ? QStringLiteral("sec") : QStringLiteral(" sec")));
    }

    Label3.setCaption(concentrationText(sidesq.value()));
    Label5.setCaption(Format(tempotherm.value(), "0") + QStringLiteral("°C"));
    Label7.setCaption(graphs::durationText(shared().runDuration));

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
    shell::temperature().spread(tempotherm);
    // Moved here, the temperature is the reaction's: a copy of another
    // window's leaves the process alone.
    if (!tempotherm.following()) {
        shell::chooseProcess(ModelCode::Reaction);
        setLatticeInterval();
    }
    Label5.setCaption(Format(tempotherm.value(), "0") + QStringLiteral("°C"));
    auto &run = form<apotelesmata>();
    run.showTemperature(tempotherm.value());
    if (reversible()) {
        const double kCB = rateConstant(kokkinaprasina);
        showRateConstant(3, kCB);
        run.showRate(3, QStringLiteral("KC->B= "), kCB, "0.00E+00");
        const double kBA = rateConstant(pithanotipiso);
        showRateConstant(1, kBA);
        run.showRate(1, QStringLiteral("KB->A ="), kBA, "0.00");
    }
    const double kAB = rateConstant(bleprasino);
    showRateConstant(0, kAB);
    run.showRate(0, QStringLiteral("KA->B"), kAB, "0.00E+00");
}

void YPOTHETIKES::sidesqChange()
{
    auto &s = shared();
    Label3.setCaption(concentrationText(sidesq.value()));
    form<apotelesmata>().concentr.setCaption(concentrationText(sidesq.value()));
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
    Label7.setCaption(graphs::durationText(shared().runDuration));
}

void YPOTHETIKES::rateChanged(int index)
{
    const RateStep &step = rateSteps[index];
    const double k = rateConstant(this->*step.bar);
    auto &row = this->*step.row;
    row[2].setCaption(Format(k, "0.00E+00") + QLatin1String(step.unit));
    setRowFrame(row, QLatin1String(step.letter), step.letterSize, QLatin1String(step.step));
    form<apotelesmata>().showRate(index, QLatin1String(step.kapaPrefix), k, "0.00E+00");
    shared().*step.rate = k;
}

void YPOTHETIKES::next()
{
    auto &s = shared();
    auto &run = form<apotelesmata>();
    // New parameters end the run in progress: its counts start afresh below.
    run.Timer1.setEnabled(false);
    s.modelCode = ModelCode::Reaction;
    s.concentrationAxisTop = kinetics::core::concentrationAxisTop(s.initialAmount);

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
    shell::core::setReactionSteps(s, p);

    // The chosen constants, listed on the run control window.
    run.listReactionRates(p, choice.reversible, !choice.oneStep);
    static const char *prefixes[] = {"KA->B =", "KB->A =", "KB->C =", "KC->B ="};
    for (int step = 0; step < 4; ++step)
        run.showRate(step, QLatin1String(prefixes[step]), rateConstant(this->*rateSteps[step].bar), "0.00E+00");

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
    run.concentr.setCaption(concentrationText(sidesq.value()));
    graphs.xronoimizoi.setVisible(false);
    form<ravdogram>().cls();
}
