#pragma once
#include <QImage>

#include "picture/bitmap.h"

namespace zorna::app {

// The core's pictures hold 0x00BBGGRR per pixel; Qt's RGB32 holds 0xFFRRGGBB.
QImage ToQImage(const Bitmap& picture);
Bitmap FromQImage(const QImage& image);
// A drawing with its mask (black where drawn): the undrawn pixels become transparent.
QImage ToQImageMasked(const Bitmap& picture, const Bitmap& mask);

}  // namespace zorna::app
