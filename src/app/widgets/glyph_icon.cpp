#include "app/widgets/glyph_icon.h"

#include <QImage>
#include <QPixmap>

#include "app/platform/qt_bitmap.h"

namespace zorna::app {
namespace {

QPixmap Cell(const Bitmap& glyph, int left, int width, Colorref transparent) {
  QImage image(width, glyph.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < glyph.Height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const Colorref c = glyph.Pixel(left + x, y);
      row[x] = c == transparent ? qRgba(0, 0, 0, 0) : ToQRgb(c);
    }
  }
  return QPixmap::fromImage(image);
}

}  // namespace

QIcon GlyphIcon(const Bitmap& glyph, int cells) {
  const int width = glyph.Width() / std::max(cells, 1);
  if (width <= 0 || glyph.Height() <= 0) return QIcon();
  const Colorref transparent = glyph.Pixel(0, glyph.Height() - 1);
  QIcon icon;
  icon.addPixmap(Cell(glyph, 0, width, transparent), QIcon::Normal);
  if (cells > 1) icon.addPixmap(Cell(glyph, width, width, transparent), QIcon::Disabled);
  return icon;
}

}  // namespace zorna::app
