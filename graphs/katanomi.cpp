#include "graphs/katanomi.h"

#include "kinetics/core/EventRule.h"
#include "kinetics/core/Palette.h"
#include "kinetics/core/Process.h"

#include <algorithm>
#include <cmath>
#include <optional>

using namespace toolkit;
namespace palette = kinetics::core::palette;

namespace {

constexpr int halfLifeShown = 4;
// The controls' strip at the top, in twips; the picture lies below it.
constexpr double controlsHeight = 800;

QString kindName(int kind) { return QString(QLatin1Char(char('A' + kind))); }

// A colour a share of the way to white: the bars, under their edges and the
// curve.
QColor paler(const QColor &c, double share)
{
    return QColor::fromRgbF(float(c.redF() + (1 - c.redF()) * share), float(c.greenF() + (1 - c.greenF()) * share),
                            float(c.blueF() + (1 - c.blueF()) * share));
}

} // namespace

katanomi::katanomi()
    : Form(QStringLiteral("katanomi"), tr("Distribution of the Copies"), 7200, 5400)
{
    setBackColor(RGB(255, 255, 255));
    const Font bold{fonts::sans, 9, true};
    for (int m = 0; m < 4; ++m)
        design(eidos[m], {120 + 780.0 * m, 60, 720, 300}, kindName(m), bold);
    design(eidos[halfLifeShown], {3300, 60, 2700, 300}, tr("Half-life of A"), bold);
    design(Label1, {120, 440, 960, 300}, tr("Time"), bold);
    design(xronos, {1140, 440, 3900, 255}, Range{0, 0, 1, 5, 0});
    design(Label2, {5160, 440, 1920, 300}, QString(), bold);
    for (int i = 0; i <= halfLifeShown; ++i)
        eidos[i].onClick([this, i] { choose(i); });
    xronos.onChange([this] { choose(m_shown); });
    offerPicture(*this);
    setRedraw([this] { drawHistogram(); });
}

void katanomi::showCopies(std::shared_ptr<const kinetics::core::EnsembleStats> stats,
                          std::shared_ptr<const kinetics::core::EnsembleStats> previous)
{
    if (!stats || stats->ticks() < 1)
        return;
    m_stats = std::move(stats);
    m_previous = std::move(previous);
    m_exact = kinetics::core::exactMoments(m_stats->setup, m_stats->ticks());
    const int kinds = m_stats->setup.kinds();
    // A half-life of A is set where A only decays.
    const bool halfLives = !m_stats->setup.reversible && std::any_of(m_stats->halfLives.begin(), m_stats->halfLives.end(),
                                       [](double t) { return std::isfinite(t); });
    for (int m = 0; m < 4; ++m)
        eidos[m].setVisible(m < kinds);
    eidos[halfLifeShown].setVisible(halfLives);
    if ((m_shown == halfLifeShown && !halfLives) || (m_shown < halfLifeShown && m_shown >= kinds))
        m_shown = 0;
    // The end of the run first; the time chosen stays for more copies of
    // the same run.
    const bool sameRun = m_previous && xronos.max() == m_stats->ticks() - 1;
    xronos.setMax(m_stats->ticks() - 1);
    xronos.setLargeChange(std::max(1, m_stats->ticks() / 10));
    if (!sameRun)
        xronos.setValue(xronos.max());
    eidos[m_shown].setValue(true);
    choose(m_shown);
    show();
}

void katanomi::choose(int shown)
{
    m_shown = shown;
    if (!m_stats)
        return;
    const auto &setup = m_stats->setup;
    const int tick = std::clamp(xronos.value(), 0, m_stats->ticks() - 1);
    // Twice the cube root of the copies, as many bins as their number can
    // fill without gaps of chance.
    const int bins = std::clamp(int(std::lround(2 * std::cbrt(m_stats->copies))), 5, 30);
    if (shown == halfLifeShown) {
        // A copy's half-life is one of its samples' times.
        const double sampleStep = double(kinetics::core::sampleStride) * setup.interval / kinetics::core::eventsPerTick;
        m_histogram = graphs::core::histogramOf(m_stats->halfLives, sampleStep, bins);
    } else {
        m_histogram = graphs::core::histogramOf(graphs::core::countsAt(*m_stats, tick, shown), 1, bins);
    }
    xronos.setEnabled(shown != halfLifeShown);
    Label2.setCaption(tr("t = %1").arg(Format(m_stats->times[std::size_t(tick)], "0")));
    redraw();
    setDescription(statements().join(QLatin1Char(' ')));
}

QStringList katanomi::statements() const
{
    QStringList said;
    if (!m_stats)
        return said;
    const auto &h = m_histogram;
    const int copies = m_stats->copies;
    const auto number = [](double v) { return Format(v, std::fabs(v) < 10 ? "0.00" : "0.0"); };
    // The mean and its standard error, which shrinks as one over the root
    // of the copies.
    const auto meanOf = [&](const graphs::core::Histogram &of) {
        return tr("%1 \u00b1 %2").arg(number(of.mean), number(of.counted > 0 ? of.sd / std::sqrt(of.counted) : 0));
    };
    const int tick = std::clamp(xronos.value(), 0, m_stats->ticks() - 1);
    const auto previous = [&]() -> std::optional<graphs::core::Histogram> {
        if (!m_previous || m_previous->ticks() != m_stats->ticks())
            return std::nullopt;
        if (m_shown == halfLifeShown)
            return graphs::core::histogramOf(m_previous->halfLives, 1);
        return graphs::core::histogramOf(graphs::core::countsAt(*m_previous, tick, m_shown), 1);
    }();
    if (m_shown == halfLifeShown) {
        said << tr("Half-life of A in %1 runs: %2 on average, standard deviation %3")
                    .arg(h.counted)
                    .arg(number(h.mean), number(h.sd));
        const auto &k = m_stats->setup.rates.steps;
        said << tr("Set half-life: %1 (the red line)")
                    .arg(number(graphs::core::setHalfLife(m_stats->setup.interval, k.k1)));
        if (h.counted < copies)
            said << tr("%1 of the %2 runs kept more than half of A to the end").arg(copies - h.counted).arg(copies);
    } else {
        const auto &exact = m_exact[std::size_t(tick)];
        said << tr("%1 runs at t = %2: %3 spots of %4 on average, standard deviation %5")
                    .arg(copies)
                    .arg(Format(m_stats->times[std::size_t(tick)], "0"))
                    .arg(number(h.mean), kindName(m_shown), number(h.sd));
        said << (exact.sd(m_shown) >= 1 ? tr("The event rule predicts %1 on average, standard deviation %2 (the curve)")
                                        : tr("The event rule predicts %1 on average, standard deviation %2"))
                    .arg(number(exact.mean[std::size_t(m_shown)]), number(exact.sd(m_shown)));
    }
    if (previous && previous->counted > 0)
        said << tr("Mean of these %1 runs: %2; of the %3 before them: %4")
                    .arg(h.counted)
                    .arg(meanOf(h))
                    .arg(previous->counted)
                    .arg(meanOf(*previous));
    return said;
}

void katanomi::drawHistogram()
{
    const auto &h = m_histogram;
    if (!m_stats || h.tallies.empty())
        return;
    const bool halfLife = m_shown == halfLifeShown;
    const int tick = std::clamp(xronos.value(), 0, m_stats->ticks() - 1);
    const int bins = int(h.tallies.size());
    // What the event rule predicts for a count, drawn over the bars.
    double mean = 0, sd = 0;
    // A count spread over a few values only is no bell.
    if (!halfLife && m_exact[std::size_t(tick)].sd(m_shown) >= 1) {
        mean = m_exact[std::size_t(tick)].mean[std::size_t(m_shown)];
        sd = m_exact[std::size_t(tick)].sd(m_shown);
    }
    const double curveScale = m_stats->copies * h.width;
    double x0 = h.first, x1 = h.edge(std::size_t(bins));
    double top = h.tallest();
    if (sd > 0) {
        x0 = std::min(x0, mean - 3.5 * sd);
        x1 = std::max(x1, mean + 3.5 * sd);
        top = std::max(top, graphs::core::normalCurve(mean, mean, sd, curveScale));
    }
    const double setHalf = graphs::core::setHalfLife(m_stats->setup.interval, m_stats->setup.rates.steps.k1);
    if (halfLife && setHalf > 0) {
        x0 = std::min(x0, setHalf - h.width);
        x1 = std::max(x1, setHalf + h.width);
    }
    // No count below none or above the spots, no time before the start.
    x0 = std::max(x0, halfLife ? 0.0 : -0.5);
    if (!halfLife)
        x1 = std::min(x1, m_stats->setup.spots + 0.5);
    top = std::max(1.0, top * 1.08);

    // Laid out in pixels: the statements under the controls, the axes'
    // numbers and names around the bars.
    const QRect area = clientRect();
    const double width = area.width(), height = area.height();
    setFontName(fonts::sans);
    setFontSize(9);
    scale(0, 0, width, height);
    const double lineHeight = std::fabs(textHeight());
    const QStringList said = statements();
    const double strip = toPixels(controlsHeight);
    const double plotTop = strip + lineHeight * (double(said.size()) + 0.6);
    const double plotBottom = height - lineHeight * 2.4;
    const double plotLeft = std::fabs(textWidth(QStringLiteral("00000"))) + lineHeight / 2;
    const double plotRight = width - lineHeight;
    if (plotBottom - plotTop < lineHeight || plotRight - plotLeft < lineHeight)
        return;
    const QColor black = qColor(palette::black);
    setForeColor(black);
    for (int i = 0; i < said.size(); ++i) {
        setCurrentX(plotLeft);
        setCurrentY(strip + lineHeight * i);
        printLabel(said[i]);
    }

    const double sx = (x1 - x0) / (plotRight - plotLeft);
    const double sy = top / (plotBottom - plotTop);
    scale(x0 - plotLeft * sx, top + plotTop * sy, x0 + (width - plotLeft) * sx, top - (height - plotTop) * sy);
    const QColor colour = qColor(palette::kind(halfLife ? 0 : m_shown));
    for (int b = 0; b < bins; ++b) {
        const int tally = h.tallies[std::size_t(b)];
        if (tally == 0)
            continue;
        box(h.edge(std::size_t(b)), 0, h.edge(std::size_t(b + 1)), tally, paler(colour, 0.55), true);
        box(h.edge(std::size_t(b)), 0, h.edge(std::size_t(b + 1)), tally, colour);
    }
    // The axes and their numbers.
    line(x0, 0, x1, 0, black);
    line(x0, 0, x0, top, black);
    const double yStep = graphs::core::axisStep(top, 5);
    for (double v = yStep; v <= top; v += yStep) {
        line(x0, v, x0 - lineHeight * sx / 3, v, black);
        const QString text = Format(v, "0");
        setCurrentX(x0 - std::fabs(textWidth(text)) - lineHeight * sx / 2);
        setCurrentY(v + lineHeight * sy / 2);
        printLabel(text);
    }
    double xStep = graphs::core::axisStep(x1 - x0, std::max(2, int((plotRight - plotLeft) / (lineHeight * 4))));
    if (!halfLife)
        xStep = std::max(1.0, xStep); // whole spots
    for (double v = std::ceil(x0 / xStep) * xStep; v <= x1; v += xStep) {
        line(v, 0, v, -lineHeight * sy / 3, black);
        const QString text = Format(v, xStep < 1 ? "0.0" : "0");
        setCurrentX(v - std::fabs(textWidth(text)) / 2);
        setCurrentY(-lineHeight * sy / 3);
        printLabel(text);
    }
    const QString across = halfLife ? tr("half-life of A") : tr("spots of %1").arg(kindName(m_shown));
    setCurrentX(x1 - std::fabs(textWidth(across)));
    setCurrentY(-lineHeight * sy * 1.3);
    printLabel(across);
    setCurrentX(x0 + lineHeight * sx / 2);
    setCurrentY(top);
    printLabel(tr("runs"));

    if (sd > 0) {
        std::vector<QPointF> curve;
        for (int i = 0; i <= 200; ++i) {
            const double x = x0 + (x1 - x0) * i / 200;
            curve.emplace_back(x, graphs::core::normalCurve(x, mean, sd, curveScale));
        }
        setDrawWidth(2);
        polyline(curve, black);
        setDrawWidth(1);
    }
    if (halfLife && setHalf > 0) {
        setDrawWidth(2);
        line(setHalf, 0, setHalf, top, qColor(palette::red));
        setDrawWidth(1);
    }
}
