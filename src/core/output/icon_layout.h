#pragma once
// The pieces that every icon file entry of ours is made of: little-endian numbers, the bitmap
// information header and the 1-bit mask.
#include <cstdint>
#include <vector>

namespace zorna::icon_layout {

constexpr uint32_t kInfoHeaderSize = 40;

inline void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// Bytes of one row of `bits` bits per pixel, padded to a multiple of 4.
inline uint32_t RowBytes(int side, int bits) {
  return (static_cast<uint32_t>(side) * bits + 31) / 32 * 4;
}

// The header of a square entry: its height counts the colour image and the mask.
inline void PutInfoHeader(std::vector<uint8_t>& out, int side, int bits, uint32_t image_bytes,
                          uint32_t colors_used) {
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<uint32_t>(side));
  Put32(out, static_cast<uint32_t>(2 * side));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);  // no compression
  Put32(out, image_bytes);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, colors_used);
  Put32(out, 0);
}

// The mask, bottom row first, one bit a pixel with the left one highest: 1 where
// transparent(x, y).
template <typename Transparent>
void PutMask(std::vector<uint8_t>& out, int side, Transparent transparent) {
  const uint32_t row_bytes = RowBytes(side, 1);
  for (int y = side - 1; y >= 0; --y) {
    const size_t start = out.size();
    out.resize(start + row_bytes, 0);
    for (int x = 0; x < side; ++x) {
      if (transparent(x, y)) out[start + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
  }
}

}  // namespace zorna::icon_layout
