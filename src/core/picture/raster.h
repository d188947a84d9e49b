#pragma once
#include <cstdint>

#include "picture/bitmap.h"

namespace zorna {

// The standard raster-operation codes of rectangle copies.
enum RasterOp : uint32_t {
  SRCCOPY = 0x00CC0020,    // source
  SRCAND = 0x008800C6,     // destination AND source
  SRCPAINT = 0x00EE0086,   // destination OR source
  SRCINVERT = 0x00660046,  // destination XOR source
  MERGECOPY = 0x00C000CA,  // source AND brush
  PATCOPY = 0x00F00021,    // brush
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// Copies the source rectangle onto the destination rectangle, stretching or shrinking by nearest
// neighbour, combining each pixel with `rop` (the brush colour is used by MERGECOPY and PATCOPY).
// Both rectangles are clipped: destination pixels outside `dst` are not written; source samples
// outside `src` read as white, so nothing is ever read or written outside a bitmap.
// Empty or inverted rectangles draw nothing.
void StretchBlt(Bitmap& dst, const Rect& dst_rect, const Bitmap& src, const Rect& src_rect,
                uint32_t rop, Colorref brush = kWhite);

// One-to-one copy of a w x h rectangle of src at (sx, sy) to (dx, dy) of dst.
void BitBlt(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy,
            uint32_t rop, Colorref brush = kWhite);

// The canvas's brush copy: copies the source rectangle like a SRCCOPY stretch, but source pixels
// of colour `color` are painted with `brush`.
void BrushCopy(Bitmap& dst, const Rect& dst_rect, const Bitmap& src, const Rect& src_rect,
               Colorref color, Colorref brush);

// Draws src at (x, y) where mask is black; where the mask is white the destination stays.
// The mask is the picture's monochrome twin (see ImageList).
void DrawMasked(Bitmap& dst, int x, int y, const Bitmap& src, const Bitmap& mask);

// Applies one raster operation to a single pixel.
Colorref ApplyRop(uint32_t rop, Colorref dst, Colorref src, Colorref brush);

}  // namespace zorna
