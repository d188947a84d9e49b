#pragma once
#include "picture/bitmap.h"

// The drop shadow and the frame that the shadow editor adds to the result picture.
namespace zorna {

// The four diagonal directions a shadow can fall in, and none.
enum class ShadowDirection { kNone, kLowerRight, kUpperLeft, kUpperRight, kLowerLeft };

struct ShadowOffset {
  int dx = 0;  // to the right
  int dy = 0;  // downwards
};
// The shift of a shadow `distance` pixels away in the direction; (0, 0) for none.
ShadowOffset OffsetOf(ShadowDirection direction, int distance);

// The shadow step. `copy` holds the unchanged result when it is called: the result's non-white
// shape of side x side pixels, shifted by (dx, dy), is painted in `color` wherever the copy is
// still white, so the shadow never covers the picture itself; parts shifted past the edges
// fall away.
void PaintShadow(const Bitmap& result, Bitmap& copy, int side, ShadowOffset offset, Colorref color);

// The frame step: bands `thickness` pixels wide along all four edges of the side x side
// picture, painted over everything.
void PaintFrame(Bitmap& picture, int side, int thickness, Colorref color);

struct ShadowFrameSettings {
  ShadowDirection direction = ShadowDirection::kNone;
  int offset = 2;
  Colorref shadow_color = kWhite;
  int frame = 0;  // thickness; 0 is no frame
  Colorref frame_color = kBlack;
};

// One whole redraw as the editor shows it: the unchanged result, its shadow, then the frame.
Bitmap ShadowAndFrame(const Bitmap& result, int side, const ShadowFrameSettings& settings);

}  // namespace zorna
