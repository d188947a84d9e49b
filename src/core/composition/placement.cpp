#include "composition/placement.h"

#include <algorithm>

namespace zorna {

void PaintBlank(Bitmap& screen, const Rect& area, const ImageList& backgrounds64, int side,
                Bitmap& scratch) {
  scratch = backgrounds64.Picture(0);
  StretchBlt(screen, area, scratch, Rect{0, 0, side, side}, SRCCOPY);
}

void PastePicture(Bitmap& screen, int x, int y, const Bitmap& picture, int max_side) {
  const int w = std::min(picture.Width(), max_side);
  const int h = std::min(picture.Height(), max_side);
  BitBlt(screen, x, y, w, h, picture, 0, 0, SRCCOPY);
}

Rect ResultPlacementArea(int side) {
  return Rect{320, 10, 375 + side, 65 + side};
}

int ResultPlacementX(int side) {
  return side <= 32 ? 360 : 348;
}

int ResultPlacementY(int side) {
  return side <= 32 ? 50 : 38;
}

}  // namespace zorna
