// A 24-bit colour as plain numbers, for cores that choose colours without
// knowing how they are drawn.
#pragma once

#include <cstdint>

namespace toolkit::core {

struct Rgb
{
    int r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
    // 0xffRRGGBB, as an opaque pixel.
    constexpr std::uint32_t argb() const
    {
        return 0xff000000u | (std::uint32_t(r & 0xff) << 16) | (std::uint32_t(g & 0xff) << 8) | std::uint32_t(b & 0xff);
    }
};

} // namespace toolkit::core

namespace toolkit::core {

// How light a colour looks, 0 for black to 1 for white: the relative
// luminance of sRGB colours (WCAG 2).
double luminance(Rgb c);
// How far two colours stand apart, 1 (alike) to 21 (black on white).
double contrast(Rgb a, Rgb b);
// What a mark of a light colour is edged with so that it stands out from
// its background: the mark's own colour darkened as little as gives it
// `ratio` against the background (3:1 for a graphical mark); the mark itself
// when it stands out already.
Rgb edgeFor(Rgb mark, Rgb background, double ratio = 3);

} // namespace toolkit::core
