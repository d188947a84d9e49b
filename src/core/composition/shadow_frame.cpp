#include "composition/shadow_frame.h"

namespace zorna {

ShadowOffset OffsetOf(ShadowDirection direction, int distance) {
  switch (direction) {
    case ShadowDirection::kNone:
      return {0, 0};
    case ShadowDirection::kLowerRight:
      return {distance, distance};
    case ShadowDirection::kUpperLeft:
      return {-distance, -distance};
    case ShadowDirection::kUpperRight:
      return {distance, -distance};
    case ShadowDirection::kLowerLeft:
      return {-distance, distance};
  }
  return {0, 0};
}

void PaintShadow(const Bitmap& result, Bitmap& copy, int side, ShadowOffset offset,
                 Colorref color) {
  if (offset.dx == 0 && offset.dy == 0) return;
  // Each target pixel has exactly one source pixel, so the order of the walk does not matter.
  for (int j = 0; j < side; ++j) {
    const int y = j + offset.dy;
    if (y < 0 || y >= side) continue;
    for (int i = 0; i < side; ++i) {
      const int x = i + offset.dx;
      if (x < 0 || x >= side) continue;
      if (result.Pixel(i, j) != kWhite && copy.Pixel(x, y) == kWhite) copy.SetPixel(x, y, color);
    }
  }
}

void PaintFrame(Bitmap& picture, int side, int thickness, Colorref color) {
  for (int b = 0; b < thickness; ++b) {
    for (int k = 0; k < side; ++k) {
      picture.SetPixel(b, k, color);             // left
      picture.SetPixel(side - 1 - b, k, color);  // right
      picture.SetPixel(k, b, color);             // top
      picture.SetPixel(k, side - 1 - b, color);  // bottom
    }
  }
}

Bitmap ShadowAndFrame(const Bitmap& result, int side, const ShadowFrameSettings& settings) {
  Bitmap work = result;
  PaintShadow(result, work, side, OffsetOf(settings.direction, settings.offset),
              settings.shadow_color);
  if (settings.frame > 0) PaintFrame(work, side, settings.frame, settings.frame_color);
  return work;
}

}  // namespace zorna
