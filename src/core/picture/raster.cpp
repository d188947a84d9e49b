#include "picture/raster.h"

#include <algorithm>
#include <vector>

namespace zorna {

Colorref ApplyRop(uint32_t rop, Colorref d, Colorref s, Colorref brush) {
  switch (rop) {
    case SRCCOPY: return s;
    case SRCAND: return d & s;
    case SRCPAINT: return d | s;
    case SRCINVERT: return (d ^ s) & 0xFFFFFF;
    case MERGECOPY: return s & brush;
    case PATCOPY: return brush & 0xFFFFFF;
    default: return s;
  }
}

namespace {

template <typename Combine>
void CombineRows(Colorref* d, const Colorref* s, int n, Combine combine) {
  for (int i = 0; i < n; ++i) d[i] = combine(d[i], s[i]);
}

// Applies rop over a run of n pixels; the common codes get tight loops.
void RopRow(uint32_t rop, Colorref* d, const Colorref* s, int n, Colorref brush) {
  brush &= 0xFFFFFF;
  switch (rop) {
    case SRCCOPY: std::copy_n(s, n, d); return;
    case SRCAND: CombineRows(d, s, n, [](Colorref a, Colorref b) { return a & b; }); return;
    case SRCPAINT: CombineRows(d, s, n, [](Colorref a, Colorref b) { return a | b; }); return;
    case SRCINVERT: CombineRows(d, s, n, [](Colorref a, Colorref b) { return a ^ b; }); return;
    case MERGECOPY:
      CombineRows(d, s, n, [brush](Colorref, Colorref b) { return b & brush; });
      return;
    case PATCOPY: std::fill_n(d, n, brush); return;
    default: std::copy_n(s, n, d); return;
  }
}

}  // namespace

void StretchBlt(Bitmap& dst, const Rect& dr, const Bitmap& src, const Rect& sr, uint32_t rop,
                Colorref brush) {
  const int dw = dr.Width(), dh = dr.Height(), sw = sr.Width(), sh = sr.Height();
  if (dw <= 0 || dh <= 0 || (rop != PATCOPY && (sw <= 0 || sh <= 0))) return;
  const int x0 = std::max(dr.left, 0), x1 = std::min(dr.right, dst.Width());
  const int y0 = std::max(dr.top, 0), y1 = std::min(dr.bottom, dst.Height());
  if (x0 >= x1 || y0 >= y1) return;
  const int n = x1 - x0;
  std::vector<Colorref> line(static_cast<size_t>(n));
  // Source column of each destination column, sampled at pixel centres.
  std::vector<int> columns(static_cast<size_t>(n));
  for (int x = x0; x < x1; ++x) {
    const long long offset = (static_cast<long long>(x - dr.left) * 2 + 1) * sw / (2LL * dw);
    columns[x - x0] = sr.left + static_cast<int>(offset);
  }
  const bool one_to_one = (sw == dw);
  for (int y = y0; y < y1; ++y) {
    const long long offset = (static_cast<long long>(y - dr.top) * 2 + 1) * sh / (2LL * dh);
    const int sy = sr.top + static_cast<int>(offset);
    const bool row_inside = sy >= 0 && sy < src.Height();
    const Colorref* srow = row_inside ? src.Row(sy) : nullptr;
    if (one_to_one && row_inside && columns.front() >= 0 && columns.back() < src.Width()) {
      RopRow(rop, dst.Row(y) + x0, srow + columns.front(), n, brush);
      continue;
    }
    for (int i = 0; i < n; ++i) {
      const int sx = columns[i];
      line[i] = (row_inside && sx >= 0 && sx < src.Width()) ? srow[sx] : kWhite;
    }
    RopRow(rop, dst.Row(y) + x0, line.data(), n, brush);
  }
}

void BitBlt(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy,
            uint32_t rop, Colorref brush) {
  StretchBlt(dst, Rect{dx, dy, dx + w, dy + h}, src, Rect{sx, sy, sx + w, sy + h}, rop, brush);
}

void BrushCopy(Bitmap& dst, const Rect& dst_rect, const Bitmap& src, const Rect& src_rect,
               Colorref color, Colorref brush) {
  if (src_rect.Width() <= 0 || src_rect.Height() <= 0) return;
  Bitmap piece(src_rect.Width(), src_rect.Height());
  BitBlt(piece, 0, 0, piece.Width(), piece.Height(), src, src_rect.left, src_rect.top, SRCCOPY);
  color &= 0xFFFFFF;
  brush &= 0xFFFFFF;
  Colorref* p = piece.Data();
  const size_t count = static_cast<size_t>(piece.Width()) * piece.Height();
  for (size_t i = 0; i < count; ++i) {
    if (p[i] == color) p[i] = brush;
  }
  StretchBlt(dst, dst_rect, piece, Rect{0, 0, piece.Width(), piece.Height()}, SRCCOPY);
}

void DrawMasked(Bitmap& dst, int x, int y, const Bitmap& src, const Bitmap& mask) {
  for (int row = 0; row < src.Height(); ++row) {
    const int ty = y + row;
    if (ty < 0 || ty >= dst.Height()) continue;
    for (int col = 0; col < src.Width(); ++col) {
      const int tx = x + col;
      if (tx < 0 || tx >= dst.Width()) continue;
      if (mask.Pixel(col, row) == kBlack) dst.Row(ty)[tx] = src.Row(row)[col];
    }
  }
}

}  // namespace zorna
