#include "artwork/tile_sheet.h"

#include <algorithm>

namespace zorna {

Bitmap MakeTileSheet(const ImageList& small, const ImageList& large) {
  constexpr int kGap = 4;
  const int count = std::max(small.Count(), large.Count());
  const int column = std::max(small.Width(), large.Width()) + kGap;
  Bitmap sheet(kGap + count * column, 3 * kGap + small.Height() + large.Height());
  for (int y = 0; y < sheet.Height(); ++y)
    for (int x = 0; x < sheet.Width(); ++x)
      sheet.SetPixel(x, y, (x / 4 + y / 4) % 2 ? Rgb(160, 160, 160) : Rgb(200, 200, 200));
  for (int i = 0; i < count; ++i) {
    const int left = kGap + i * column;
    small.Draw(sheet, left + (column - kGap - small.Width()) / 2, kGap, i);
    large.Draw(sheet, left + (column - kGap - large.Width()) / 2, 2 * kGap + small.Height(), i);
  }
  return sheet;
}

}  // namespace zorna
