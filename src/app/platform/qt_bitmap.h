#pragma once
#include <QImage>

#include "picture/bitmap.h"

namespace zorna::app {

// The core's pictures hold 0x00BBGGRR per pixel; Qt's RGB32 holds 0xFFRRGGBB.
QImage ToQImage(const Bitmap& picture);
Bitmap FromQImage(const QImage& image);

}  // namespace zorna::app
