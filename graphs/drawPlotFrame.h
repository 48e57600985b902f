// Draws the frame of an amount-against-time graph on a window, in the
// window's current scale: axes, ticks, dotted grid lines and labels.
#pragma once

namespace toolkit {
class Canvas;
}

// Returns the right edge of the value labels printed, in pixels of the
// client area (0 when none was printed).
double drawPlotFrame(toolkit::Canvas &target, double xMax, double xMin, double yMax, double yMin);

// The frame of the concentration graphs, for a run of the given duration and
// axis top: xMax = duration, yMax = top / 1.2, xMin = yMin = -top / 10.
void drawConcentrationFrame(toolkit::Canvas &target, double duration, double axisTop);
