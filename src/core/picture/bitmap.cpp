#include "picture/bitmap.h"

#include <algorithm>

namespace zorna {

Bitmap::Bitmap(int width, int height, Colorref fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_, fill & 0xFFFFFF) {}

void Bitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  std::vector<Colorref> resized(static_cast<size_t>(width) * height, kWhite);
  const int keep_w = std::min(width, width_);
  const int keep_h = std::min(height, height_);
  for (int y = 0; y < keep_h; ++y) {
    std::copy_n(Row(y), keep_w, resized.data() + static_cast<size_t>(y) * width);
  }
  pixels_ = std::move(resized);
  width_ = width;
  height_ = height;
}

void Bitmap::Fill(Colorref c) { std::fill(pixels_.begin(), pixels_.end(), c & 0xFFFFFF); }

}  // namespace zorna
