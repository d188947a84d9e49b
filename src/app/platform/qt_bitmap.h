#pragma once
#include <QColor>
#include <QImage>
#include <QRect>

#include "picture/bitmap.h"

namespace zorna::app {

// One pixel's colour, opaque.
inline QRgb ToQRgb(Colorref c) {
  return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}
inline QColor ToQColor(Colorref c) {
  return QColor(ToQRgb(c));
}

// The core's pictures hold 0x00BBGGRR per pixel, which in memory is Qt's RGBX8888 byte order
// except that the fourth byte is 0, not 255: the conversions below read the pixels in place
// and give opaque RGB32 pictures (0xFFRRGGBB), safe to paint on any surface.
QImage ToQImage(const Bitmap& picture);
// Only the part of the picture inside `part` (clipped to the picture).
QImage ToQImage(const Bitmap& picture, const QRect& part);
Bitmap FromQImage(const QImage& image);
// A drawing with its mask (black where drawn): the undrawn pixels become transparent (0), as
// does any pixel beyond the mask.
QImage ToQImageMasked(const Bitmap& picture, const Bitmap& mask);

}  // namespace zorna::app
