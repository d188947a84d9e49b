#include "app/platform/qt_bitmap.h"

#include <bit>
#include <cstring>

namespace zorna::app {

static_assert(std::endian::native == std::endian::little,
              "0x00BBGGRR reads as RGBX only on little-endian machines");

QImage ToQImage(const Bitmap& picture) {
  return ToQImage(picture, QRect(0, 0, picture.Width(), picture.Height()));
}

QImage ToQImage(const Bitmap& picture, const QRect& part) {
  const QRect inside = part & QRect(0, 0, picture.Width(), picture.Height());
  if (inside.isEmpty()) return QImage(0, 0, QImage::Format_RGB32);
  // A view of the pixels where they lie; the conversion makes the fourth byte 255.
  const auto* first = reinterpret_cast<const uchar*>(picture.Row(inside.y()) + inside.x());
  const QImage view(first, inside.width(), inside.height(),
                    static_cast<qsizetype>(picture.Width()) * 4, QImage::Format_RGBX8888);
  return view.convertToFormat(QImage::Format_RGB32);
}

Bitmap FromQImage(const QImage& image) {
  const QImage rgbx = image.convertToFormat(QImage::Format_RGBX8888);
  Bitmap picture(rgbx.width(), rgbx.height());
  for (int y = 0; y < rgbx.height(); ++y) {
    Colorref* dst = picture.Row(y);
    std::memcpy(dst, rgbx.constScanLine(y), static_cast<std::size_t>(rgbx.width()) * 4);
    for (int x = 0; x < rgbx.width(); ++x) dst[x] &= 0xFFFFFF;
  }
  return picture;
}

QImage ToQImageMasked(const Bitmap& picture, const Bitmap& mask) {
  QImage image(picture.Width(), picture.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < picture.Height(); ++y) {
    const Colorref* from = picture.Row(y);
    auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.Width(); ++x) {
      to[x] = mask.Pixel(x, y) == kBlack ? ToQRgb(from[x]) : qRgba(0, 0, 0, 0);
    }
  }
  return image;
}

}  // namespace zorna::app
