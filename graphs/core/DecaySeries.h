// Exact amounts of a decay series and the half-life marks drawn over its graph.
#pragma once

#include "kinetics/core/Palette.h"

#include <array>
#include <string>
#include <vector>

namespace graphs::core {

using kinetics::core::Rgb;

// Amounts of the first four members of the series A -> B -> C -> D -> E with
// constants k[0]..k[3], starting from `total` of A. Member n is
// total x k1..k(n-1) x sum_i e^(-ki t) / prod_(j != i) (kj - ki), evaluated as
// a divided difference of e^(-k t) so that equal constants give the exact
// limit (B = total k t e^(-k t) for k1 = k2) instead of a division by zero.
// A zero constant switches the members behind it off: B = total (1 - e^(-k1 t))
// when k2 = 0, and C, D are 0.
std::array<double, 4> batemanAmounts(double total, const std::array<double, 4> &k, double t);

// One drawing step of a list of marks, done in order:
// Line: a vertical line at x from y1 to y2 in `colour`;
// TextColour: the window's text colour becomes `colour`;
// TextPosition: the text position moves to (x, y1), nothing is printed;
// Text: `text` printed with the text position at (x, y1), in the current colour.
struct MarkItem
{
    enum class Kind { Line, TextColour, TextPosition, Text };
    Kind kind = Kind::Line;
    double x = 0, y1 = 0, y2 = 0;
    Rgb colour;
    std::string text;
};

// The marks of the exact decay curves: a line from 0 to 100 at each half-life
// ln 2 / k (blue, green when k2 != 0, red when k3 != 0), each with the text
// "T/2=" and the half-life ("0.0") at heights 110 (blue), 100 and 90; the
// text colour ends black.
std::vector<MarkItem> decaySeriesMarks(double k1, double k2, double k3);

// The marks of the graphs window's half-life command: with the run control's
// interval I, blue at I x 0.694 / k1, green at I x 0.693 / k2 and red at
// I x 0.693 / k3 (the last two only for non-zero constants), each a line from
// 0 to 1.5 x axisTop; first the text position moves to (blue x, 60).
// Marks whose position is not finite are left out.
std::vector<MarkItem> halfLifeMarks(double interval, double k1, double k2, double k3, double axisTop);

} // namespace graphs::core
