// The colours of the kinds of spot, of the live points and of the smooth
// curves: blue A, green B, red C, cyan D, in bright and dark shades.
#pragma once

#include "toolkit/core/Colour.h"

namespace kinetics::core {

using toolkit::core::Rgb;

namespace palette {
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb green{0, 255, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb cyan{0, 255, 255};
// The kinds in the wizards' diagrams and on the bars: a softer green, and
// the light cyan of lead-210 and D.
inline constexpr Rgb diagramGreen{0, 192, 0};
inline constexpr Rgb lightCyan{128, 255, 255};
inline constexpr Rgb white{255, 255, 255}; // an empty site
inline constexpr Rgb black{0, 0, 0};
// The live points of C are a shade off pure red.
inline constexpr Rgb liveRed{255, 0, 2};
// The smooth curves, darker than the points they run through.
inline constexpr Rgb darkBlue{0, 0, 155};
inline constexpr Rgb darkGreen{0, 155, 0};
inline constexpr Rgb darkRed{155, 0, 0};
inline constexpr Rgb darkCyan{0, 155, 250};
// The rate of D on the rates graph.
inline constexpr Rgb rateCyan{5, 250, 250};
} // namespace palette

} // namespace kinetics::core
