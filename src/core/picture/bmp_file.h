#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "picture/bitmap.h"

namespace zorna {

// Reads a BMP file: 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up or top-down, uncompressed
// (BI_RGB), with channel masks (BI_BITFIELDS) or run-length encoded (RLE8, RLE4); the core
// (12-byte) header and the 40-, 52-, 56-, 108- and 124-byte headers. Alpha is ignored.
// Anything truncated, oversized (a side above 32768) or inconsistent throws
// zorna::Error("Bitmap image is not valid"), before any pixel memory is taken.
Bitmap DecodeBmp(const uint8_t* data, size_t size);

// A bottom-up, uncompressed 24-bit BMP file of the picture.
std::vector<uint8_t> EncodeBmp24(const Bitmap& picture);

}  // namespace zorna
