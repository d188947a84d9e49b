#pragma once
#include <array>

#include "picture/bitmap.h"

namespace zorna {

// The desktop's sixteen standard colours in the order its colour grids show them: index 0 is
// black, 7 silver, 15 white.
inline constexpr std::array<Colorref, 16> kStandardColors = {
    Rgb(0, 0, 0),       Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0),
    Rgb(0, 0, 128),     Rgb(128, 0, 128), Rgb(0, 128, 128), Rgb(192, 192, 192),
    Rgb(128, 128, 128), Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(255, 255, 0),
    Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255),
};

}  // namespace zorna
