#pragma once
#include <vector>

#include "picture/drawing.h"

namespace zorna {

// The background pictures in list order, each with the mask of what it covers.
std::vector<Canvas> DrawTileArt32();
std::vector<Canvas> DrawTileArt64();

}  // namespace zorna
