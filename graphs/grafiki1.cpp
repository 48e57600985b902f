#include "graphs/grafiki1.h"

#include "graphs/apotelesmata.h"
#include "graphs/core/Chain.h"
#include "graphs/core/DecaySeries.h"
#include "graphs/drawPlotFrame.h"
#include "graphs/mathematical.h"
#include "kinetics/core/Palette.h"
#include "kinetics/core/Process.h"
#include "kinetics/core/TemperatureFactor.h"
#include "shell/Quantities.h"
#include "shell/Roads.h"
#include "shell/core/SharedState.h"

#include <cmath>

using namespace toolkit;
using shell::core::shared;
using toolkit::core::CInt;

namespace {

using kinetics::core::ModelCode;
namespace palette = kinetics::core::palette;

const QColor darkColours[] = {qColor(palette::darkBlue), qColor(palette::darkGreen), qColor(palette::darkRed),
                              qColor(palette::darkCyan)};

} // namespace

grafiki1::grafiki1()
    : Form(QStringLiteral("grafiki1"), QStringLiteral("Graphs"), 6000, 4500)
{
    setBackColor(RGB(255, 255, 192));
    setFontName(fonts::serifGreek);
    design(Check1, {1680, 0, 2175, 200}).setCaption(QStringLiteral("Erase Previous Graphs"));
    Check1.setBackColor(RGB(255, 255, 192));
    diaforikes.setEnabled(false);

    diaforikes.onClick([this] { optimization(); });
    changerates.onClick([this] { changeOfRates(); });
    voithia.onClick([this] { help(); });
    xronoimizoi.onClick([this] { halfLifes(); });
    offerPicture(*this);
}

void grafiki1::load()
{
    setWidthTwips(screenWidth() / 2);
    setHeightTwips(screenHeight() / 2);
    setTop(0);
    setLeft(screenWidth() / 2);
    // The check box keeps to the top right corner, clear of the unit printed
    // at the top left of the graph.
    Check1.setTwips(widthTwips() - 2175 - 120, 0, 2175, 200);
    auto &s = shared();
    s.latticeSide = kinetics::core::latticeSide;
    s.initialAmount = shell::amount().value();
    setRunScale();
    xronoimizoi.setVisible(kinetics::core::isDecay(s.modelCode));
    curveStep = form<apotelesmata>().Timer1.interval();
}

void grafiki1::setRunScale()
{
    const auto &s = shared();
    scale(-s.runDuration / 20.0, s.concentrationAxisTop, s.runDuration, -s.concentrationAxisTop / 10);
    drawConcentrationFrame(*this, s.runDuration, s.concentrationAxisTop);
}

void grafiki1::drawCurves(double duration)
{
    const auto &s = shared();
    if (!(curveStep > 0) || !(curveTotal > 0))
        return;
    const std::vector<double> *curves[] = {&s.curveA, &s.curveB, &s.curveC, &s.curveD};
    const int last = CInt(s.runDuration / curveStep) - 1;
    const double scaleY = s.initialAmount / curveTotal / 100;
    setDrawWidth(2);
    for (int k = 0; k <= last && k * curveStep <= duration; ++k) {
        const double t = k * curveStep;
        bool drawn = false;
        for (int m = 0; m < 4; ++m) {
            const auto &curve = *curves[m];
            if (static_cast<std::size_t>(k) + 1 >= curve.size())
                continue;
            line(t, curve[k] * scaleY, t + curveStep, curve[k + 1] * scaleY, darkColours[m]);
            drawn = true;
        }
        if (!drawn)
            break; // past the stored samples: the curves drawn so far stay
    }
    setDrawWidth(1);
}

void grafiki1::kratimatimon() { drawCurves(shared().runDuration); }

graphs::core::Coefficients grafiki1::solveCurves()
{
    auto &s = shared();
    s.derivedGraphCount += 1;
    auto &rates = form<mathematical>();
    // The species and pH graphs belong to the acids.
    rates.grafvcshos.setVisible(kinetics::core::isAcid(s.modelCode));

    if (kinetics::core::isChemistry(s.modelCode))
        s.temperatureC = shell::temperature().value();
    else
        shell::temperature().set(s.temperatureC);
    const double f = kinetics::core::temperatureFactor(s.modelCode, s.temperatureC);

    curveTotal = kinetics::core::layoutTarget(s.initialAmount);
    const auto p = graphs::core::chainCoefficients(s.modelCode, shell::core::runRates(s), f);
    curveStep = graphs::core::curveStepTicks;
    const auto amounts = graphs::core::solveChain(curveTotal, p, graphs::core::curveStepCount(s.runDuration),
                                                  graphs::core::curveStepTicks);
    shell::core::storeCurves(s, amounts);
    return p;
}

void grafiki1::optimization()
{
    setRunScale();
    solveCurves();
    curveStep = form<apotelesmata>().Timer1.interval() / 5.0;
    drawCurves(shared().runDuration);
    smoothRun = shared().runCount;
}

void grafiki1::changeOfRates()
{
    auto &s = shared();
    const ModelCode savedModel = s.modelCode;
    const auto p = solveCurves();
    const double duration = s.runDuration;
    const graphs::core::ChainSeries amounts = {s.curveA, s.curveB, s.curveC, s.curveD, s.curveE, s.curveF};
    const auto rates = graphs::core::chainRateSeries(amounts, p);
    shell::core::storeRateCurves(s, rates);
    const double largest = graphs::core::largestMagnitude(rates);

    // The rates axis reaches 1.2 x the first rate at the start either way,
    // and the largest rate reaches that first rate.
    const double c0 = s.initialAmount / 100.0;
    const double p1 = s.rateK1;
    auto &w = form<mathematical>();
    w.showFrame(duration, 1.2 * p1 * c0);

    s.latticeSide = kinetics::core::latticeSide;
    s.initialAmount = shell::amount().value();
    curveStep = form<apotelesmata>().Timer1.interval() / 5.0;
    if (curveStep > 0 && largest > 0)
        w.drawRates({&s.rateCurveA, &s.rateCurveB, &s.rateCurveC, &s.rateCurveD}, curveStep, duration,
                    p1 * c0 / largest);
    s.modelCode = savedModel;
}

void grafiki1::help() { shell::showNotes(form<apotelesmata>()); }

void grafiki1::drawMarks(const std::vector<graphs::core::MarkItem> &marks)
{
    using Kind = graphs::core::MarkItem::Kind;
    for (const auto &m : marks) {
        switch (m.kind) {
        case Kind::Line:
            line(m.x, m.y1, m.x, m.y2, qColor(m.colour));
            break;
        case Kind::TextColour:
            setForeColor(qColor(m.colour));
            break;
        case Kind::TextPosition:
            setCurrentX(m.x);
            setCurrentY(m.y1);
            break;
        case Kind::Text:
            setCurrentX(m.x);
            setCurrentY(m.y1);
            print(QString::fromStdString(m.text));
            break;
        }
    }
}

void grafiki1::halfLifes()
{
    const auto &s = shared();
    auto &run = form<apotelesmata>();
    run.Timer1.setInterval(kinetics::core::decayTickInterval);
    drawMarks(graphs::core::halfLifeMarks(run.Timer1.interval(), s.rateK1, s.rateK2, s.rateK3,
                                          s.concentrationAxisTop));
}

void grafiki1::drawDecaySeries(const std::array<double, 4> &k)
{
    const auto &s = shared();
    const double total = kinetics::core::layoutTarget(s.initialAmount);
    setRunScale();
    drawMarks(graphs::core::decaySeriesMarks(k[0], k[1], k[2]));

    const double interval = form<apotelesmata>().Timer1.interval();
    if (!(total > 0))
        return;
    const double scaleY = s.initialAmount / total / 100;
    const QColor colours[] = {qColor(palette::blue), qColor(palette::green), qColor(palette::red),
                              qColor(palette::cyan)};
    auto before = graphs::core::batemanAmounts(total, k, 0);
    for (int i = 0; i <= s.runDuration; ++i) {
        const double t = i * interval;
        const auto after = graphs::core::batemanAmounts(total, k, t + interval);
        for (int m = 0; m < 4; ++m) {
            setDrawWidth(m == 1 ? 2 : 1);
            line(t, before[std::size_t(m)] * scaleY, t + interval, after[std::size_t(m)] * scaleY, colours[m]);
        }
        before = after;
    }
    setDrawWidth(1);
}
