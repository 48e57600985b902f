#include "acids/grafvxc.h"

#include "acids/GraphMarks.h"
#include "acids/core/ConcentrationGraphs.h"
#include "acids/phform.h"
#include "graphs/ReadingCursor.h"
#include "graphs/mathematical.h"
#include "kinetics/core/Palette.h"
#include "lesson/Model.h"

#include <algorithm>
#include <cmath>

using namespace toolkit;
namespace palette = kinetics::core::palette;

namespace {

// [HA-] green, [A2-] red, [H2A] blue, [H+] yellow.
const QColor curveColours[] = {qColor(palette::green), qColor(palette::red), qColor(palette::blue),
                               acids::hydrogenColour};

const QString speciesNames[] = {QStringLiteral("HA\u207B"), QStringLiteral("A\u00B2\u207B"),
                                 QStringLiteral("H\u2082A"), QStringLiteral("H\u207A")};

double curveValue(const acids::core::ProductPoint &p, int curve)
{
    return curve == 0 ? p.monoAnion : curve == 1 ? p.dianion : curve == 2 ? p.acid : p.hydrogen;
}

} // namespace

grafvxc::grafvxc()
    : Form(QStringLiteral("grafvxc"), tr("Concentration of the products"), 6000, 4500)
{
    setBackColor(RGB(255, 255, 255));
    setFontName(fonts::serifGreek);
    design(phshow, {4200, 1500, 1700, 400}, tr("pH vs concentration"), {fonts::serifGreek, 10, true});
    phshow.onClick([this] { form<phform>().drawPhGraph(*this); });
    offerPicture(*this);
    setRedraw([this] { drawGraph(); });
    // Each species at the concentration the line is at.
    auto *cursor = new graphs::ReadingCursor(*this, [this](double c) -> std::optional<graphs::ReadingCursor::Reading> {
        if (!m_graph)
            return std::nullopt;
        const acids::core::ProductPoint point = acids::core::productPointAt(m_model, c);
        graphs::ReadingCursor::Reading reading{tr("c = %1 mol/L, in % of c").arg(Format(c, "0.00")), {}};
        for (int curve : {2, 0, 1, 3})
            reading.values.emplace_back(QStringLiteral("%1 %2").arg(speciesNames[curve], Format(curveValue(point, curve), "0.0")),
                                        curveColours[curve]);
        return reading;
    });
    cursor->setRange(0.01, 15, 0.05);
}

void grafvxc::drawProductGraph()
{
    m_model = lesson::model().described().process;
    m_graph = acids::core::productGraph(m_model);
    m_maximum = m_graph->maximum;
    m_concentration = acids::chosenConcentration();
    placeOver(form<mathematical>()); // the rates graph it was opened from
    show();
    redraw();
    // What a listener hears: the axes, which colour is which species, and
    // each species' share at the run's concentration, where the line is.
    const auto &points = m_graph->points;
    const auto &at = points[std::size_t(std::clamp(int(std::lround(m_concentration * 100)), 1,
                                                   int(points.size()) - 1))];
    setDescription(tr("%1. Across: c (mol/L), 0 to 14. Up: percent of c, 0 to 100. Curves: blue H2A, "
                                  "green HA-, red A2-, yellow H+. The dash-dotted line marks c = %2 mol/L, where "
                                  "H2A is %3 %, HA- %4 %, A2- %5 % and H+ %6 % of c.")
                       .arg(acids::graphName(m_model, acids::Graph::Species), Format(m_concentration, "0.00"),
                            Format(at.acid, "0.0"), Format(at.monoAnion, "0.0"), Format(at.dianion, "0.0"),
                            Format(at.hydrogen, "0.0")));
}

void grafvxc::drawGraph()
{
    if (!m_graph)
        return;
    drawFrame();
    drawCurves(*m_graph);
    drawLegend();
    setDrawStyle(DrawStyle::DashDot);
    line(m_concentration, -1, m_concentration, 100, acids::markerColour);
    setDrawStyle(DrawStyle::Solid);
}

void grafvxc::drawFrame()
{
    scale(-2, 110, 15, 0);
    // The button stays in the empty band to the right, whatever the window's size.
    phshow.move(10.2, 72, 4.6, 7);
    const QColor black = qColor(palette::black);
    line(-2, 0, 15, 0, black);
    line(0, -2, 0, 120, black);

    setForeColor(black);
    setFontSize(9);
    setFontBold(true);
    setCurrentX(1);
    setCurrentY(108.5);
    printLabel(acids::graphName(m_model, acids::Graph::Species) + tr("   Mέγιστο =") +
          Format(m_maximum, "0.00e+00") + QStringLiteral(" %"));
    setFontBold(false);
    setFontSize(7);
    for (int k = 1; k <= 10; ++k) {
        line(k, -5, k, 5, black);
        line(-1, 10 * k, 1, 10 * k, black);
        setDrawStyle(DrawStyle::Dot);
        line(1, 10 * k, 15, 10 * k, acids::productGridColour);
        setDrawStyle(DrawStyle::Solid);
        setCurrentX(-1.9);
        setCurrentY(10 * k + 2);
        printLabel(Format(10 * k, "0"));
    }
    // The concentration axis in mol/L.
    for (int k = 1; k <= 14; ++k) {
        setCurrentX(k - 0.15);
        setCurrentY(9);
        printLabel(Format(k, "0"));
    }
    setCurrentX(13.2);
    setCurrentY(15);
    printLabel(tr("c (mol/L)"));
}

void grafvxc::drawCurves(const acids::core::ProductGraph &graph)
{
    // [H+] and [HA-] coincide while the second step is weak, so the yellow
    // curve goes first and broad, the others over it.
    const int order[] = {3, 0, 1, 2};
    for (int curve : order) {
        setDrawWidth(curve == 3 ? 6 : 2);
        std::vector<QPointF> points;
        for (const auto &p : graph.points)
            points.emplace_back(p.c, curveValue(p, curve));
        polyline(points, curveColours[curve]);
    }
    setDrawWidth(1);
}

void grafvxc::drawLegend()
{
    setFontSize(9);
    setFontBold(true);
    for (int curve = 0; curve < 4; ++curve) {
        const double y = 58 - 6.5 * curve;
        setDrawWidth(3);
        line(10.4, y - 2.5, 11.4, y - 2.5, curveColours[curve]);
        setDrawWidth(1);
        setForeColor(qColor(palette::black));
        setCurrentX(11.7);
        setCurrentY(y);
        printLabel(speciesNames[curve]);
    }
    setFontBold(false);
}
