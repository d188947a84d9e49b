#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zorna {

// 0x00BBGGRR, as the desktop's colour values are laid out: 0x0000FF is red, 0xFF0000 blue.
using Colorref = uint32_t;
constexpr Colorref kInvalidColor = 0xFFFFFFFF;  // what a read outside a picture gives
constexpr Colorref kWhite = 0xFFFFFF;
constexpr Colorref kBlack = 0x000000;

constexpr Colorref Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<Colorref>(r) | (static_cast<Colorref>(g) << 8) | (static_cast<Colorref>(b) << 16);
}
constexpr uint8_t RedOf(Colorref c) { return c & 0xFF; }
constexpr uint8_t GreenOf(Colorref c) { return (c >> 8) & 0xFF; }
constexpr uint8_t BlueOf(Colorref c) { return (c >> 16) & 0xFF; }

// A picture of 32-bit pixels, each holding a Colorref (top byte always 0). Row-major, top row
// first. Copying is a deep copy.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Colorref fill = kWhite);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Reads outside the picture give kInvalidColor; writes outside are ignored.
  Colorref Pixel(int x, int y) const {
    return Contains(x, y) ? pixels_[static_cast<std::size_t>(y) * width_ + x] : kInvalidColor;
  }
  void SetPixel(int x, int y, Colorref c) {
    if (Contains(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = c & 0xFFFFFF;
  }

  Colorref* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const Colorref* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  Colorref* Data() { return pixels_.data(); }
  const Colorref* Data() const { return pixels_.data(); }

  // Changes the size keeping the overlapping top-left part; new pixels are white. Negative
  // sides count as 0.
  void SetSize(int width, int height);
  void Fill(Colorref c);

  bool operator==(const Bitmap& other) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Colorref> pixels_;
};

}  // namespace zorna
