#include "picture/mimage.h"

#include <algorithm>
#include <array>

#include "picture/jpeg_file.h"
#include "picture/raster.h"

namespace zorna {

void ZmenVelkost(Bitmap& picture, int width, int height) {
  if (width <= 0 || height <= 0) {
    picture = Bitmap();
    return;
  }
  // The new sides are the JPEG's sides scaled by width / JPEG width, rounded: that is width and
  // height themselves, also when the source is empty (there is nothing to scale then).
  Bitmap resized(width, height, kWhite);
  if (!picture.Empty()) {
    const Bitmap decoded = JpegNaBitmapu(ObrazokNaJpeg(picture, 100));
    StretchBlt(resized, Rect{0, 0, width, height}, decoded,
               Rect{0, 0, decoded.Width(), decoded.Height()}, SRCCOPY);
  }
  picture = std::move(resized);
}

std::vector<uint8_t> ObrazokNaJpeg(const Bitmap& picture, int quality) {
  return EncodeJpeg(picture, quality);
}

Bitmap JpegNaBitmapu(const std::vector<uint8_t>& jpeg) {
  if (jpeg.empty()) return Bitmap();
  return DecodeJpeg(jpeg.data(), jpeg.size());
}

void VyplnOblast(int x, int y, Bitmap& picture, Colorref color) {
  color &= 0xFFFFFF;  // pixels hold 24 bits; a wider colour would never stop the fill
  if (!picture.Contains(x, y)) return;
  const Colorref old = picture.Pixel(x, y);
  if (old == color) return;
  const int width = picture.Width(), height = picture.Height();
  Colorref* pixels = picture.Data();
  // Pixels are recoloured when pushed, so none is pushed twice and the stack holds at most
  // the whole picture; the region is the same as that of the recursive fill.
  std::vector<int> pending;
  pending.reserve(256);
  auto visit = [&](int px, int py) {
    const int index = py * width + px;
    if (pixels[index] != old) return;
    pixels[index] = color;
    pending.push_back(index);
  };
  visit(x, y);
  while (!pending.empty()) {
    const int index = pending.back();
    pending.pop_back();
    const int px = index % width, py = index / width;
    if (px > 0) visit(px - 1, py);
    if (px < width - 1) visit(px + 1, py);
    if (py > 0) visit(px, py - 1);
    if (py < height - 1) visit(px, py + 1);
  }
}

Colorref NepouzitaFarba(const Bitmap& picture) {
  static constexpr std::array<Colorref, 20> kCandidates = {
      0xFFFF00,  // aqua
      0x000000,  // black
      0xFF0000,  // blue
      0xF0FBFF,  // cream
      0x808080,  // grey
      0xFF00FF,  // fuchsia
      0x008000,  // green
      0x00FF00,  // lime
      0xC0C0C0,  // silver
      0x000080,  // maroon
      0xA4A0A0,  // medium grey
      0xC0DCC0,  // money green
      0x800000,  // navy
      0x008080,  // olive
      0x800080,  // purple
      0x0000FF,  // red
      0xF0CAA6,  // sky blue
      0x808000,  // teal
      0xFFFFFF,  // white
      0x00FFFF,  // yellow
  };
  const Colorref* begin = picture.Data();
  const Colorref* end = begin + static_cast<size_t>(std::max(picture.Width(), 0)) *
                                    static_cast<size_t>(std::max(picture.Height(), 0));
  for (Colorref candidate : kCandidates) {
    if (std::find(begin, end, candidate) == end) return candidate;
  }
  return 0x808000;  // teal, although the picture has it
}

void KresliPriehladne(Bitmap& canvas, int x, int y, int width, int height, const Bitmap& source,
                      Colorref transparent) {
  // Two whole-rectangle passes instead of a per-pixel test: AND with the source whose
  // transparent pixels are white keeps the canvas there and blackens it elsewhere, then OR
  // with the source whose transparent pixels are black paints the opaque pixels in.
  const Rect area{0, 0, width, height};
  Bitmap opaque_part(std::max(width, 0), std::max(height, 0), kBlack);
  BrushCopy(opaque_part, area, source, area, transparent, kBlack);
  Bitmap hole(source.Width(), source.Height(), kWhite);
  BrushCopy(hole, area, source, area, transparent, kWhite);
  BitBlt(canvas, x, y, hole.Width(), hole.Height(), hole, 0, 0, SRCAND);
  BitBlt(canvas, x, y, opaque_part.Width(), opaque_part.Height(), opaque_part, 0, 0, SRCPAINT);
}

}  // namespace zorna
