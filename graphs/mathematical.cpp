#include "graphs/mathematical.h"

#include "graphs/drawPlotFrame.h"
#include "kinetics/core/Palette.h"
#include "kinetics/core/RunSetup.h"
#include "shell/Roads.h"

#include <QStringList>

#include <algorithm>

using namespace toolkit;
namespace palette = kinetics::core::palette;

mathematical::mathematical()
    : Form(QStringLiteral("mathematical"), tr("Change of Rates"), 6000, 4500)
    , m_cursor(new graphs::ReadingCursor(*this, [this](double t) { return readingAt(t); }))
{
    setBackColor(RGB(255, 255, 255));
    setFontName(fonts::serifGreek);
    grafvcshos.setCaption(tr("Graphs of concentrations of products vs initial concentration"));
    design(grafvcshos, {120, 120, 5400, 375});
    grafvcshos.onClick([] { shell::drawSpeciesGraph(); });
    offerPicture(*this);
    setRedraw([this] { drawRates(); });
}

void mathematical::load()
{
    setLeft(0);
    setTop(0);
    setHeightTwips(screenHeight() / 2);
    setWidthTwips(screenWidth() / 2);
}

void mathematical::drawFrame(const kinetics::core::RunSetup &setup, double top)
{
    const double duration = setup.duration;
    scale(0, top, duration, -top);
    const double labelsRight = drawPlotFrame(*this, duration, 0, top, -top, frameUnits(setup));
    line(0, 0, duration, 0, qColor(palette::black));
    line(0, -top, 0, top, qColor(palette::black));

    // The species-graph button in the bottom right corner, where the rates
    // have died away, clear of the value labels on the left.
    const double margin = 120, designedWidth = 5400, height = 375;
    const double client = clientRect().width() * twipsPerPixel();
    const double labels = (labelsRight + 4) * twipsPerPixel();
    const double width = std::min(designedWidth, client - margin - std::max(labels, margin));
    grafvcshos.setTwips(client - margin - width, clientRect().height() * twipsPerPixel() - margin - height, width,
                        height);
}

double mathematical::rateScale() const
{
    if (!m_shown)
        return 0;
    // The largest rate reaches the rate A starts at, -p1 c0.
    const double largest = graphs::core::largestMagnitude(m_shown->smooth.rates);
    return largest > 0 ? m_shown->setup.rates.steps.k1 * m_shown->setup.amount / 100.0 / largest : 0;
}

std::optional<graphs::ReadingCursor::Reading> mathematical::readingAt(double t) const
{
    const double scaleY = rateScale();
    if (!m_shown || !(scaleY > 0))
        return std::nullopt;
    const auto &[setup, smooth] = *m_shown;
    const QColor colours[] = {qColor(palette::darkBlue), qColor(palette::darkGreen), qColor(palette::darkRed),
                              qColor(palette::rateCyan)};
    graphs::ReadingCursor::Reading reading{tr("t = %1").arg(Format(t, "0.0")), {}};
    for (int m = 0; m < std::clamp(setup.kinds(), 1, 4); ++m)
        if (const double rate = graphs::core::sampleAt(smooth.rates[std::size_t(m)], smooth.step, t); std::isfinite(rate))
            reading.values.emplace_back(
                QStringLiteral("%1 %2").arg(QString(QLatin1Char(char('A' + m))), Format(rate * scaleY, "0.0000")),
                colours[m]);
    return reading;
}

void mathematical::showRates(const kinetics::core::RunSetup &setup, const graphs::core::SmoothSolution &smooth)
{
    m_shown = Shown{setup, smooth};
    m_cursor->setRange(0, setup.duration, setup.interval);
    // The species and pH graphs belong to the acids.
    grafvcshos.setVisible(kinetics::core::isAcid(setup.process));
    setTop(0);
    setLeft(0);
    show();
    redraw();
    // What a listener hears: the axes and which colour is which kind.
    static const char *curves[] = {QT_TRANSLATE_NOOP("mathematical", "dark blue A"),
                                   QT_TRANSLATE_NOOP("mathematical", "dark green B"),
                                   QT_TRANSLATE_NOOP("mathematical", "dark red C"),
                                   QT_TRANSLATE_NOOP("mathematical", "cyan D")};
    QStringList kinds;
    for (int m = 0; m < std::clamp(setup.kinds(), 1, 4); ++m)
        kinds << tr(curves[m]);
    setDescription(tr("Rates of change of the amounts against time. Across: time, 0 to %1. Up: the rate "
                      "of change, scaled so that A's rate at the start reaches the axis; above the time "
                      "axis a kind grows, below it a kind falls. Curves: %2.")
                       .arg(setup.duration)
                       .arg(kinds.join(QStringLiteral(", "))));
}

void mathematical::drawRates()
{
    if (!m_shown)
        return;
    const auto &[setup, smooth] = *m_shown;
    // The rate of A at the start, -p1 c0, sets the axis either way.
    const double start = setup.rates.steps.k1 * setup.amount / 100.0;
    drawFrame(setup, kinetics::core::axisTop(start));
    const double scaleY = rateScale();
    if (!(smooth.step > 0) || !(scaleY > 0))
        return;
    const auto &a = smooth.rates[0], &b = smooth.rates[1], &c = smooth.rates[2], &d = smooth.rates[3];
    const double step = smooth.step;
    const int segments = smooth.segments();
    for (int k = 1; k < segments; ++k) {
        const double t = k * step;
        const std::size_t i = std::size_t(k);
        setDrawWidth(2);
        line(t, a[i] * scaleY, t + step, a[i + 1] * scaleY, qColor(palette::darkBlue));
        line(t, b[i] * scaleY, t + step, b[i + 1] * scaleY, qColor(palette::darkGreen));
        pset(t, c[i] * scaleY, qColor(palette::darkRed));
        pset(t, d[i] * scaleY, qColor(palette::rateCyan));
        setDrawWidth(1);
    }
}
