#include "output/icon_file.h"

#include <string>

#include "output/icon_layout.h"
#include "picture/mimage.h"
#include "picture/raster.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {

Colorref IconKeyColor(const Bitmap& result, IconTransparency choice) {
  switch (choice) {
    case IconTransparency::kWhite:
      return kWhite;
    case IconTransparency::kTopLeft:
      return result.Pixel(0, 0);
    case IconTransparency::kBottomRight:
      return result.Pixel(result.Width() - 1, result.Height() - 1);
    case IconTransparency::kOpaque:
      break;
  }
  return kInvalidColor;
}

namespace {

// Every pixel of `picture` equal to `from` becomes `to`, no other pixel changes: what a brush
// copy over a work bitmap filled with `to` gives, done in place.
void ReplaceColor(Bitmap& picture, Colorref from, Colorref to) {
  Colorref* p = picture.Data();
  const size_t count = static_cast<size_t>(picture.Width()) * picture.Height();
  for (size_t i = 0; i < count; ++i) {
    if (p[i] == from) p[i] = to;
  }
}

}  // namespace

Icon MakeIcon(const Bitmap& result, IconTransparency choice) {
  const int w = result.Width(), h = result.Height();
  Bitmap p(w, h);
  BitBlt(p, 0, 0, w, h, result, 0, 0, SRCCOPY);
  const Colorref key = IconKeyColor(p, choice);
  Bitmap m(w, h, kWhite);
  // The picture's own black would otherwise be taken for the key once the key turns black.
  if (key != kBlack) ReplaceColor(p, kBlack, kIconMarkerColor);
  // No key (or a key read outside the picture) matches no pixel.
  if (key != kInvalidColor) ReplaceColor(p, key, kBlack);
  // Where P is black (the key) M stays white; elsewhere it takes P's colour, and the
  // exclusive-or with P then leaves white at the key pixels and black everywhere else.
  KresliPriehladne(m, 0, 0, w, h, p, kBlack);
  BitBlt(m, 0, 0, w, h, p, 0, 0, SRCINVERT);
  // Monochrome against the white background: white is transparent, anything else opaque.
  for (int y = 0; y < h; ++y) {
    Colorref* row = m.Row(y);
    for (int x = 0; x < w; ++x) row[x] = row[x] == kWhite ? kWhite : kBlack;
  }
  ReplaceColor(p, kIconMarkerColor, kBlack);
  return Icon{std::move(p), std::move(m)};
}

Bitmap IconDialogPreview(const Bitmap& background, const Bitmap& result, IconTransparency choice,
                         int control_side) {
  Bitmap preview = background;
  const int o = control_side / 2 - result.Width() / 2;
  if (choice == IconTransparency::kOpaque) {
    BitBlt(preview, o, o, result.Width(), result.Height(), result, 0, 0, SRCCOPY);
  } else {
    KresliPriehladne(preview, o, o, result.Width(), result.Height(), result,
                     IconKeyColor(result, choice));
  }
  return preview;
}

const std::array<Colorref, 16>& IconPalette() {
  // The desktop's 4-bit order: dark colours, silver, grey, then the bright ones.
  static const std::array<Colorref, 16> palette = {
      Rgb(0, 0, 0),       Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0),
      Rgb(0, 0, 128),     Rgb(128, 0, 128), Rgb(0, 128, 128), Rgb(192, 192, 192),
      Rgb(128, 128, 128), Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(255, 255, 0),
      Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255)};
  return palette;
}

int NearestIconPaletteIndex(Colorref color) {
  // Squared distance in RGB; the first entry wins a tie. The distances are computed side by
  // side over plain arrays, which the compiler turns into vector code.
  struct Channels {
    int r[16], g[16], b[16];
  };
  static const Channels table = [] {
    Channels t{};
    for (int i = 0; i < 16; ++i) {
      t.r[i] = RedOf(IconPalette()[i]);
      t.g[i] = GreenOf(IconPalette()[i]);
      t.b[i] = BlueOf(IconPalette()[i]);
    }
    return t;
  }();
  const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
  int distance[16];
  for (int i = 0; i < 16; ++i) {
    const int dr = r - table.r[i], dg = g - table.g[i], db = b - table.b[i];
    distance[i] = dr * dr + dg * dg + db * db;
  }
  int best = 0;
  for (int i = 1; i < 16; ++i) {
    if (distance[i] < distance[best]) best = i;
  }
  return best;
}

namespace {

using icon_layout::kInfoHeaderSize;
using icon_layout::Put16;
using icon_layout::Put32;
using icon_layout::RowBytes;

constexpr int kMinIconSide = 5;
constexpr int kMaxIconSide = 128;
constexpr uint32_t kColorTableSize = 16 * 4;
constexpr uint32_t kImageOffset = 22;

// Maps colours to palette entries, remembering the last one: pictures repeat colours a lot.
class NearestColorCache {
 public:
  int operator()(Colorref c) {
    if (c != last_color_) {
      last_color_ = c;
      last_index_ = NearestIconPaletteIndex(c);
    }
    return last_index_;
  }

 private:
  Colorref last_color_ = kInvalidColor;
  int last_index_ = 0;
};

}  // namespace

std::vector<uint8_t> EncodeIconFile(const Icon& icon) {
  const int s = icon.color.Width();
  if (s < kMinIconSide || s > kMaxIconSide || icon.color.Height() != s || icon.mask.Width() != s ||
      icon.mask.Height() != s) {
    throw Error("An icon must be square with a side of 5 to 128 pixels",
                "Ikona musí byť štvorcová so stranou od 5 do 128 bodov");
  }
  const uint32_t color_row = RowBytes(s, 4), mask_row = RowBytes(s, 1);
  const uint32_t x = color_row * s, a = mask_row * s;
  std::vector<uint8_t> out;
  out.reserve(kImageOffset + kInfoHeaderSize + kColorTableSize + x + a);
  // Directory: one icon image. The colour field holds planes x bits per pixel (4), and the
  // planes and bit-count fields stay 0, as the desktop's icon writer leaves them.
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  out.push_back(static_cast<uint8_t>(s));
  out.push_back(static_cast<uint8_t>(s));
  Put16(out, 4);
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, kInfoHeaderSize + kColorTableSize + x + a);
  Put32(out, kImageOffset);
  icon_layout::PutInfoHeader(out, s, 4, x, 16);
  for (Colorref c : IconPalette()) {
    out.push_back(BlueOf(c));
    out.push_back(GreenOf(c));
    out.push_back(RedOf(c));
    out.push_back(0);
  }
  NearestColorCache nearest;
  for (int y = s - 1; y >= 0; --y) {
    const size_t start = out.size();
    out.resize(start + color_row, 0);
    const Colorref* row = icon.color.Row(y);
    for (int px = 0; px < s; ++px) {
      const int index = nearest(row[px]);
      out[start + px / 2] |= static_cast<uint8_t>(px % 2 == 0 ? index << 4 : index);
    }
  }
  icon_layout::PutMask(out, s, [&](int px, int y) { return icon.mask.Pixel(px, y) == kWhite; });
  return out;
}

void WriteIconFile(const std::filesystem::path& path, const Icon& icon) {
  WriteFileAtomically(path, EncodeIconFile(icon));
}

}  // namespace zorna
