// Draws the frame of an amount-against-time graph on a window.
#include "graphs/drawPlotFrame.h"

#include "graphs/core/PlotFrame.h"
#include "shell/core/SharedState.h"
#include "toolkit/Canvas.h"

#include <cmath>

using shell::core::shared;

void drawPlotFrame(toolkit::Canvas &target, double xMax, double xMin, double yMax, double yMin)
{
    graphs::core::PlotFrameInput in;
    in.xMax = xMax;
    in.xMin = xMin;
    in.yMax = yMax;
    in.yMin = yMin;
    in.leftEdge = target.scaleLeft();
    in.chemistryChosen = shared().chemistryChosen;
    in.initialAmount = shared().initialAmount;
    in.latticeSide = shared().latticeSide;
    const graphs::core::PlotFrame frame = graphs::core::plotFrame(in);

    const QColor black(0, 0, 0);
    for (const auto &line : frame.lines) {
        target.setDrawStyle(line.dotted ? toolkit::DrawStyle::Dot : toolkit::DrawStyle::Solid);
        target.line(line.x1, line.y1, line.x2, line.y2, black);
    }
    target.setDrawStyle(toolkit::DrawStyle::Solid);
    // Time labels hang below the time axis and value labels stand on their
    // grid line, so that no line strikes through a number and the two zeros
    // at the origin do not print over each other.
    for (const auto &label : frame.timeLabels) {
        target.setCurrentX(label.x);
        target.setCurrentY(-std::fabs(label.y));
        target.print(QString::fromStdString(label.text));
    }
    const double lineHeight = target.textHeight();
    for (const auto &label : frame.valueLabels) {
        target.setCurrentX(label.x);
        target.setCurrentY(label.y + lineHeight);
        target.print(QString::fromStdString(label.text));
    }
}

void drawConcentrationFrame(toolkit::Canvas &target, double duration, double axisTop)
{
    drawPlotFrame(target, duration, -axisTop / 10, axisTop / 1.2, -axisTop / 10);
}
