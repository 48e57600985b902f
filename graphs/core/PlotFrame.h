// The frame of every amount-against-time graph as data: axes, ticks, dotted
// grid lines and the numeric labels of both axes. A window sets its scale and
// draws these in black (dotted lines with the dot style) and prints each label
// with its text position at (x, y).
#pragma once

#include "kinetics/core/Process.h"

#include <string>
#include <vector>

namespace graphs::core {

struct FrameLine
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool dotted = false;
};

struct FrameLabel
{
    double x = 0, y = 0;
    std::string text;
};

// Lines and labels in drawing order; the time labels are printed before the
// value labels.
struct PlotFrame
{
    std::vector<FrameLine> lines;
    std::vector<FrameLabel> timeLabels;
    std::vector<FrameLabel> valueLabels;
    double xStep = 0; // distance of two time ticks; every other one is labelled
    double yStep = 0; // distance of two value ticks
};

struct PlotFrameInput
{
    double xMax = 0;             // largest time: the run's duration
    double xMin = 0;             // where the axes start on the left
    double yMax = 0;             // largest value: the initial amount
    double yMin = 0;             // the margin below the time axis (negative)
    double leftEdge = 0;         // the target's left scale edge; ticks left of 0 stop there
    bool chemistryChosen = true; // value labels in mol/L; otherwise as numbers of particles
    int initialAmount = 0;       // for the particle labels of decay graphs
    int latticeSide = kinetics::core::latticeSide;
};

// The frame of a graph. Time ticks run right from 0 while the previous tick
// is below xMax (so the last one may lie at or just beyond it) and left from 0
// while above the left edge; value ticks run up to 1.5 x yMax and down to
// 1.5 x yMin. Every second tick gets a dotted grid line and a label ("0.00"):
// the time, the concentration, or for decays the number of particles that the
// tick stands for (initialAmount x latticeSide^2 / 1000 per tick).
PlotFrame plotFrame(const PlotFrameInput &in);

} // namespace graphs::core
