// Draws the frame of an amount-against-time graph on a window.
#include "graphs/drawPlotFrame.h"

#include "graphs/core/PlotFrame.h"
#include "toolkit/Canvas.h"
#include "toolkit/Language.h"

#include <algorithm>
#include <cmath>

FrameUnits frameUnits(const kinetics::core::RunSetup &setup) { return {setup.chemistry(), setup.amount}; }

double drawPlotFrame(toolkit::Canvas &target, double xMax, double xMin, double yMax, double yMin,
                     const FrameUnits &units)
{
    graphs::core::PlotFrameInput in;
    in.xMax = xMax;
    in.xMin = xMin;
    in.yMax = yMax;
    in.yMin = yMin;
    in.leftEdge = target.scaleLeft();
    in.chemistryChosen = units.chemistry;
    in.initialAmount = units.amount;
    const graphs::core::PlotFrame frame = graphs::core::plotFrame(in);

    const QColor black(0, 0, 0);
    for (const auto &line : frame.lines) {
        target.setDrawStyle(line.dotted ? toolkit::DrawStyle::Dot : toolkit::DrawStyle::Solid);
        target.line(line.x1, line.y1, line.x2, line.y2, black);
    }
    target.setDrawStyle(toolkit::DrawStyle::Solid);
    // Time labels hang below the time axis and value labels stand on their
    // grid line, so that no line strikes through a number and the two zeros
    // at the origin do not print over each other. The grid runs on past the
    // edges; a number that would be cut there is left out.
    const double left = std::min(target.scaleLeft(), target.scaleLeft() + target.scaleWidth());
    const double right = std::max(target.scaleLeft(), target.scaleLeft() + target.scaleWidth());
    const double bottom = std::min(target.scaleTop(), target.scaleTop() + target.scaleHeight());
    const double top = std::max(target.scaleTop(), target.scaleTop() + target.scaleHeight());
    const double lineHeight = target.textHeight();
    for (const auto &label : frame.timeLabels) {
        const QString text = toolkit::forPerson(QString::fromStdString(label.text));
        if (label.x < left || label.x + target.textWidth(text) > right)
            continue;
        target.setCurrentX(label.x);
        target.setCurrentY(-std::fabs(label.y));
        target.printLabel(text);
    }
    double labelsRight = 0;
    for (const auto &label : frame.valueLabels) {
        if (label.y < bottom || label.y + lineHeight > top)
            continue;
        const QString text = toolkit::forPerson(QString::fromStdString(label.text));
        target.setCurrentX(label.x);
        target.setCurrentY(label.y + lineHeight);
        target.printLabel(text);
        labelsRight = std::max(labelsRight, target.xToPixel(label.x + target.textWidth(text)));
    }
    return labelsRight;
}

void setConcentrationFrame(toolkit::Canvas &target, const kinetics::core::RunSetup &setup)
{
    const double top = kinetics::core::concentrationAxisTop(setup.amount);
    const double duration = setup.duration;
    target.scale(-duration / 20, top, duration, -top / 10);
    drawPlotFrame(target, duration, -top / 10, top / kinetics::core::axisHeadroom, -top / 10, frameUnits(setup));
}
