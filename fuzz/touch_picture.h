#pragma once
#include "picture/bitmap.h"

// Reads the first and the last pixel of a decoded picture, so that a picture whose size does not
// match its memory shows up under the sanitizers.
inline void TouchCorners(const zorna::Bitmap& picture) {
  if (picture.Empty()) return;
  volatile zorna::Colorref sink =
      picture.Pixel(0, 0) ^ picture.Row(picture.Height() - 1)[picture.Width() - 1];
  (void)sink;
}
