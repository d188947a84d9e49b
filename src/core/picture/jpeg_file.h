#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "picture/bitmap.h"

namespace zorna {

// A 24-bit colour baseline JPEG of the picture. The quality is passed to libjpeg as given
// (0..100; libjpeg treats anything below 1 as 1). An empty picture gives no bytes: a JPEG
// image object without a picture.
std::vector<uint8_t> EncodeJpeg(const Bitmap& picture, int quality);

// Decodes a JPEG (baseline or progressive; colour, greyscale, CMYK or YCCK). Bad data throws
// zorna::Error("JPEG error #n") with libjpeg's message code n; so does a picture wider or taller
// than kMaxPictureSide, before any pixel memory is taken.
Bitmap DecodeJpeg(const uint8_t* data, size_t size);
// The same with a cap on width x height (the fuzz targets use it to keep memory small).
Bitmap DecodeJpeg(const uint8_t* data, size_t size, int64_t max_pixels);

// The top-left corner, at most max_width x max_height pixels (at least 1 x 1), of the JPEG file
// read from where it stands: the pixels DecodeJpeg gives there, with its refusals. Columns past
// the corner are not decoded, and a sequential file is read no further than the corner's last
// row (a progressive one holds every row in each of its scans, so it is read through). Faults
// past the rows read go unseen.
Bitmap ReadJpegRegion(std::FILE* file, int max_width, int max_height);

// The largest side any picture reader accepts.
constexpr int kMaxPictureSide = 32768;

}  // namespace zorna
