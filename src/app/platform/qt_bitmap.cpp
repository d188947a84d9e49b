#include "app/platform/qt_bitmap.h"

namespace zorna::app {

QImage ToQImage(const Bitmap& picture) {
  QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
  for (int y = 0; y < picture.Height(); ++y) {
    const Colorref* src = picture.Row(y);
    auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.Width(); ++x) {
      const Colorref c = src[x];
      dst[x] = 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  }
  return image;
}

Bitmap FromQImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  Bitmap picture(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    Colorref* dst = picture.Row(y);
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = src[x];
      dst[x] = ((c >> 16) & 0xFF) | (c & 0xFF00) | ((c & 0xFF) << 16);
    }
  }
  return picture;
}

QImage ToQImageMasked(const Bitmap& picture, const Bitmap& mask) {
  QImage image = ToQImage(picture).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (mask.Pixel(x, y) != kBlack) line[x] &= 0x00FFFFFFu;
    }
  }
  return image;
}

}  // namespace zorna::app
