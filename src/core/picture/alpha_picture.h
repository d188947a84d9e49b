#pragma once
#include <cstdint>
#include <vector>

#include "picture/bitmap.h"

namespace zorna {

// A picture with a degree of transparency for every pixel, for the files that keep it (PNG,
// icons with alpha). The program's own pictures have none; it is made only on the way out.
struct AlphaPicture {
  Bitmap color;
  std::vector<uint8_t> alpha;  // row-major, top row first: 0 transparent, 255 opaque

  int Width() const { return color.Width(); }
  int Height() const { return color.Height(); }
  uint8_t Alpha(int x, int y) const { return alpha[static_cast<size_t>(y) * Width() + x]; }
};

// The picture reduced to width x height (each at least 1 and at most the picture's own) by
// area averaging: every new pixel is the mean of the part of the picture it covers, partly
// covered pixels counting in proportion. Colours are weighted by their alpha, so transparent
// pixels do not darken the edges of what is opaque; a new pixel that covers only transparent
// ones is transparent black. Throws zorna::Error for another size.
AlphaPicture ReduceByAreaAverage(const AlphaPicture& picture, int width, int height);

}  // namespace zorna
