// Draws the frame of an amount-against-time graph on a window, in the
// window's current scale: axes, ticks, dotted grid lines and labels.
#pragma once

#include "kinetics/core/RunSetup.h"

namespace toolkit {
class Canvas;
}

// The value labels of a run's graphs: concentrations in mol/L, or for a
// decay the numbers of atoms the ticks stand for.
struct FrameUnits
{
    bool chemistry = true;
    int amount = 0; // the amount bar of the run, for the atoms
};
FrameUnits frameUnits(const kinetics::core::RunSetup &setup);

// Returns the right edge of the value labels printed, in pixels of the
// client area (0 when none was printed).
double drawPlotFrame(toolkit::Canvas &target, double xMax, double xMin, double yMax, double yMin,
                     const FrameUnits &units);

// The scale and frame of a run's amounts against time: x from -duration / 20
// to the duration, y from the axis top down to -top / 10; the frame with
// xMax = duration, yMax = the amount, xMin = yMin = -top / 10.
void setConcentrationFrame(toolkit::Canvas &target, const kinetics::core::RunSetup &setup);
