#include "acids/phform.h"

#include "acids/GraphMarks.h"
#include "acids/core/ConcentrationGraphs.h"
#include "graphs/ReadingCursor.h"
#include "kinetics/core/Palette.h"
#include "lesson/Model.h"

#include <algorithm>
#include <cmath>

using namespace toolkit;
namespace palette = kinetics::core::palette;

phform::phform()
    : Form(QStringLiteral("phform"), tr("pH vs c"), 6000, 4500)
{
    setBackColor(RGB(255, 255, 255));
    offerPicture(*this);
    setRedraw([this] { drawGraph(); });
    // The pH at the concentration the line is at.
    auto *cursor = new graphs::ReadingCursor(*this, [this](double c) -> std::optional<graphs::ReadingCursor::Reading> {
        if (m_points.empty())
            return std::nullopt;
        const double pH = acids::core::pHAt(m_model, m_temperatureC, c);
        if (!std::isfinite(pH))
            return std::nullopt;
        return graphs::ReadingCursor::Reading{tr("c = %1 mol/L").arg(Format(c, "0.00")),
                                              {{tr("pH %1").arg(Format(pH, "0.00")), qColor(palette::red)}}};
    });
    cursor->setRange(0.1, 15, 0.05);
}

void phform::drawPhGraph(const toolkit::Form &speciesGraph)
{
    // What the graph is of, read here alone and handed on: the acid, the
    // temperature and the concentration of the last run.
    const auto run = lesson::model().described();
    m_model = run.process;
    m_temperatureC = run.temperatureC;
    m_points = acids::core::phSeries(m_model, run.temperatureC);
    m_concentration = acids::chosenConcentration();
    showOver(speciesGraph);
    redraw();
    // What a listener hears: the axes, the curve and the pH at the run's
    // concentration, where the line is.
    setDescription(tr("%1. Across: c (mol/L), 0 to 15. Up: pH, 0 to 15. The red curve is the pH "
                      "of the acid at each concentration; the line marks c = %2 mol/L, where the pH is %3.")
                       .arg(acids::graphName(m_model, acids::Graph::Ph), Format(m_concentration, "0.00"),
                            Format(acids::core::pHAt(m_model, m_temperatureC, m_concentration), "0.00")));
}

void phform::drawGraph()
{
    if (m_points.empty())
        return;
    drawFrame(m_model);
    drawCurve(m_points);
    drawMarker(m_concentration);
}

void phform::showOver(const toolkit::Form &speciesGraph)
{
    placeOver(speciesGraph);
    scale(-1, 15, 15, -1);
    show();
}

void phform::drawFrame(kinetics::core::ModelCode model)
{
    setFontName(fonts::sans);
    setFontSize(8);

    const QColor black = qColor(palette::black);
    line(-1, 0, 15, 0, black);
    line(0, -1, 0, 15, black);
    setForeColor(black);
    for (int k = 1; k <= 15; ++k) {
        line(k, -0.5, k, 0.5, black);
        line(-0.5, k, 0.5, k, black);
        setDrawStyle(DrawStyle::Dot);
        line(0.5, k, 15, k, acids::phGridColour);
        setDrawStyle(DrawStyle::Solid);
        if (k < 15) {
            setCurrentX(0.5);
            setCurrentY(k + 0.45);
            printLabel(Format(k, "0"));
            // The concentration axis in mol/L, under its ticks.
            setCurrentX(k - 0.15);
            setCurrentY(-0.3);
            printLabel(Format(k, "0"));
        }
    }
    setCurrentX(-0.9);
    setCurrentY(14.9);
    printLabel(QStringLiteral("pH"));
    setCurrentX(13.2);
    setCurrentY(1.2);
    printLabel(tr("c (mol/L)"));
    setFontBold(true);
    setFontSize(10);
    setCurrentX(3);
    setCurrentY(6);
    printLabel(acids::graphName(model, acids::Graph::Ph));
    setFontBold(false);
}

void phform::drawCurve(const std::vector<acids::core::PhPoint> &points)
{
    // Point 0 is no concentration: the curve and pH() start at 0.1 mol/L.
    m_pH.clear();
    for (std::size_t i = 1; i < points.size(); ++i)
        m_pH.push_back(points[i].pH);
    setDrawWidth(2);
    for (std::size_t i = 2; i < points.size(); ++i)
        line(points[i - 1].c, points[i - 1].pH, points[i].c, points[i].pH, qColor(palette::red));
    setDrawWidth(1);
}

void phform::drawMarker(double concentration)
{
    line(concentration, -1, concentration, 10, acids::markerColour);
}
