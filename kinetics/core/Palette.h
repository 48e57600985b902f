// The colours of the kinds of spot, of the live points and of the smooth
// curves: blue A, green B, red C, cyan D, in bright and dark shades.
#pragma once

#include "toolkit/core/Colour.h"

namespace kinetics::core {

using toolkit::core::Rgb;

namespace palette {
// The spots of A, B, C and D, their live points and bars.
inline constexpr Rgb blue{0, 0, 255}, green{0, 255, 0}, red{255, 0, 0}, cyan{0, 255, 255};
// The live points of C are a shade off pure red.
inline constexpr Rgb liveRed{255, 0, 2};
// The smooth curves, darker than the points they run through, and the rate
// of D on the rates graph.
inline constexpr Rgb darkBlue{0, 0, 155}, darkGreen{0, 155, 0}, darkRed{155, 0, 0}, darkCyan{0, 155, 250};
inline constexpr Rgb rateCyan{5, 250, 250};
// The kinds in the wizards' diagrams and on the bars: a softer green, and
// the light cyan of lead-210 and D.
inline constexpr Rgb diagramGreen{0, 192, 0}, lightCyan{128, 255, 255};
inline constexpr Rgb white{255, 255, 255}; // an empty site
inline constexpr Rgb black{0, 0, 0};

// The spot, the live point and the smooth curve of kind 0 (A) .. 3 (D).
constexpr Rgb kind(int k)
{
    constexpr Rgb spots[] = {blue, green, red, cyan};
    return spots[k < 0 ? 0 : k > 3 ? 3 : k];
}
constexpr Rgb livePoint(int kind)
{
    constexpr Rgb points[] = {blue, green, liveRed, cyan};
    return points[kind < 0 ? 0 : kind > 3 ? 3 : kind];
}
constexpr Rgb smoothCurve(int kind)
{
    constexpr Rgb curves[] = {darkBlue, darkGreen, darkRed, darkCyan};
    return curves[kind < 0 ? 0 : kind > 3 ? 3 : kind];
}
} // namespace palette

} // namespace kinetics::core
