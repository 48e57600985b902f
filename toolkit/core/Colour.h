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
