#pragma once
// A colour as the windows draw it: 0xAARRGGBB, opaque, the same word a Qt
// colour value holds, so that the windows take it as it is.

#include <cstdint>

namespace zt {

using Rgb = std::uint32_t;

constexpr Rgb rgb(int red, int green, int blue)
{
    return 0xff000000u | (Rgb(red & 0xff) << 16) | (Rgb(green & 0xff) << 8) | Rgb(blue & 0xff);
}

} // namespace zt
