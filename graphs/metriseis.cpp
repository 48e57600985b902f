#include "graphs/metriseis.h"

#include "graphs/core/Histogram.h"
#include "graphs/core/Smooth.h"
#include "graphs/grafiki1.h"
#include "graphs/SpotWindow.h"
#include "lesson/Model.h"
#include "shell/Roads.h"

#include <algorithm>
#include <cmath>

using namespace toolkit;
using graphs::core::Measured;

namespace {

// A figure to the digits its uncertainty leaves, two of the uncertainty;
// the value set beside it to as many.
std::string patternFor(double uncertainty)
{
    int decimals = 2;
    if (uncertainty > 0 && std::isfinite(uncertainty))
        decimals = std::clamp(1 - int(std::floor(std::log10(uncertainty))), 0, 6);
    return decimals > 0 ? "0." + std::string(std::size_t(decimals), '0') : "0";
}

QString withUncertainty(double value, double uncertainty)
{
    const std::string pattern = patternFor(uncertainty);
    const QString shown = Format(value, pattern);
    return std::isfinite(uncertainty) ? metriseis::tr("%1 \u00b1 %2").arg(shown, Format(uncertainty, pattern)) : shown;
}

QString setValue(double set, double uncertainty)
{
    return std::isfinite(set) ? Format(set, patternFor(uncertainty)) : QStringLiteral("\u2013");
}

struct Row
{
    QString figure, how;
};

// `tick`: the time of a tick in the graph's units, by which the constants
// per tick and the slopes per unit of time differ.
Row rowOf(const graphs::core::Measurement &m, bool chemistry, double tick)
{
    const QString from = Format(m.from, "0"), to = Format(m.to, "0");
    switch (m.what) {
    case Measured::HalfLifeAtHalf:
        return {metriseis::tr("Half-life of A"), metriseis::tr("the first time A is at or below half its start")};
    case Measured::HalfLifeFromFit:
        return {metriseis::tr("Half-life of A from its constant"), metriseis::tr("ln 2 over the slope of the line that gives K1")};
    case Measured::ConstantA:
        return {metriseis::tr("Constant K1 of A"),
                metriseis::tr("the slope of a least-squares line through ln A against time, from t = %1 to %2, "
                              "times the %3 time units of a tick")
                    .arg(from, to, Format(tick, "0.##"))};
    case Measured::RatioBA:
        return {metriseis::tr("Equilibrium ratio B/A"),
                metriseis::tr("the mean of B over the mean of A in the last third of the run, t = %1 to %2; set: the "
                              "ratio of the constants")
                    .arg(from, to)};
    case Measured::PeakTimeB:
        return {metriseis::tr("Time of the maximum of B"),
                metriseis::tr("the top of the parabola through B at t = %1 to %2; set: the smooth curve's").arg(from, to)};
    case Measured::PeakHeightB:
        return {chemistry ? metriseis::tr("Height of the maximum of B (mol/L)")
                          : metriseis::tr("Height of the maximum of B (atoms)"),
                metriseis::tr("the same parabola's height")};
    case Measured::PercentA:
    case Measured::PercentB:
    case Measured::PercentC: {
        const QChar kind = QLatin1Char(char('A' + int(m.what) - int(Measured::PercentA)));
        return {metriseis::tr("%1 at the end (% of the spots)").arg(kind),
                metriseis::tr("counted at t = %1; set: where the rate equations come to rest").arg(to)};
    }
    }
    return {};
}

} // namespace

metriseis::metriseis()
    : Form(QStringLiteral("metriseis"), tr("Measurements"), 7800, 3600)
{
    pinakas.setTwips(0, 0, 7800, 3600);
}

void metriseis::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    pinakas.setTwips(0, 0, width() * twipsPerPixel(), height() * twipsPerPixel());
}

std::vector<graphs::core::Measurement> metriseis::measuredRun()
{
    const auto &run = lesson::model().run();
    if (!run.started())
        return {};
    return graphs::core::measureRun(*run.recording(), graphs::core::smoothSolution(run.setup()));
}

void metriseis::showMeasurements()
{
    QString html = QStringLiteral("<div style='font-family: DejaVu Sans; font-size: 10pt;'><table cellpadding='3'>"
                                  "<tr><th align='left'>%1</th><th align='left'>%2</th><th align='left'>%3</th>"
                                  "<th align='left'>%4</th></tr>")
                       .arg(tr("Figure"), tr("From the run"), tr("Set"), tr("How it was read"));
    const auto figures = measuredRun();
    for (const auto &m : figures) {
        const auto &setup = lesson::model().run().setup();
        const Row row = rowOf(m, setup.chemistry(), setup.interval);
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(row.figure.toHtmlEscaped(), withUncertainty(m.value, m.uncertainty), setValue(m.set, m.uncertainty),
                         row.how.toHtmlEscaped());
    }
    // The copies' own half-lives, when the run has been repeated.
    const auto &run = lesson::model().run();
    if (const auto *copies = form<grafiki1>().ensembleOf(run)) {
        // Their mean and spread as the histogram of them has them.
        const graphs::core::Histogram times = graphs::core::histogramOf(copies->halfLives, 1);
        if (times.counted > 1 && !run.setup().reversible) {
            const double mean = times.mean;
            const double error = times.sd / std::sqrt(double(times.counted));
            const auto set = std::find_if(figures.begin(), figures.end(),
                                          [](const auto &m) { return m.what == Measured::HalfLifeAtHalf; });
            html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                        .arg(tr("Half-life of A over the copies"), withUncertainty(mean, error),
                             setValue(set != figures.end() ? set->set : NAN, error),
                             tr("the mean of %1 copies' first times at half, give or take its standard error")
                                 .arg(times.counted)
                                 .toHtmlEscaped());
        }
    }
    if (figures.empty())
        html += QStringLiteral("<tr><td colspan='4'>%1</td></tr>").arg(tr("Nothing to measure yet: start a run first"));
    html += QStringLiteral("</table></div>");
    pinakas.setHtml(html);
    if (!isVisible())
        placeOver(shell::spotWindow().window());
    show();
}
