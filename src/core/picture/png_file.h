#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "picture/alpha_picture.h"
#include "picture/bitmap.h"

namespace zorna {

// Reads a PNG file of any kind: grey, grey with alpha, palette, RGB, RGBA, 1 to 16 bits a
// channel, interlaced or not, transparency from an alpha channel or a tRNS chunk. Sixteen-bit
// channels keep their high byte. The program's pictures have no alpha, so transparency is
// flattened over white (its transparent colour); gamma and colour profiles are not applied.
// A damaged file (bad signature or header, a CRC error in a critical chunk, a file cut short,
// bad compressed data) throws zorna::Error("PNG image is not valid: ..."); so does a picture
// wider or taller than kMaxPictureSide, or one that holds more pixels than its compressed data
// could possibly give, before any pixel memory is taken.
Bitmap DecodePng(const uint8_t* data, size_t size);
// The same with a cap on width x height (the fuzz targets use it to keep memory small).
Bitmap DecodePng(const uint8_t* data, size_t size, int64_t max_pixels);

// The top-left corner, at most max_width x max_height pixels (at least 1 x 1), of the PNG file
// read from its start: the pixels DecodePng gives there, with its refusals. Only the corner is
// held and the file is read no further than its last row (an interlaced file spreads every row
// over all its passes: all but the last are read through). Faults past the rows read go unseen.
Bitmap ReadPngRegion(std::FILE* file, int max_width, int max_height);

// Whether the bytes start with the PNG signature.
bool LooksLikePng(const uint8_t* data, size_t size);

// An 8-bit RGBA PNG (32 bits a pixel, not interlaced) of the picture and its alpha. Throws
// zorna::Error for an empty picture or one libpng cannot write.
std::vector<uint8_t> EncodePng(const AlphaPicture& picture);

}  // namespace zorna
