// The BMP, JPEG and PNG readers over tests/data/bmp, jpeg and png: every valid file reads as
// the picture beside it, every invalid one is refused at once with the reader's message, lying
// sizes included, before memory is taken for pixels that are not there.
#include <gtest/gtest.h>

#include "core/fixtures.h"
#include "picture/bmp_file.h"
#include "picture/jpeg_file.h"
#include "picture/png_file.h"

namespace zorna {
namespace {

struct PictureReader {
  const char* format;
  const char* extension;
  Bitmap (*decode)(const uint8_t*, size_t);
  int tolerance;
  const char* refusal;
  int milliseconds;  // for all invalid files together
};

Bitmap ReadJpeg(const uint8_t* data, size_t size) {
  return DecodeJpeg(data, size);
}

Bitmap ReadPng(const uint8_t* data, size_t size) {
  return DecodePng(data, size);
}

const PictureReader kReaders[] = {
    {"bmp", ".bmp", DecodeBmp, 0, "Bitmap image is not valid", 200},
    // The pictures beside the JPEG files are Pillow's reading, with libjpeg too: only rounding
    // may differ.
    {"jpeg", ".jpg", ReadJpeg, 2, "JPEG error #", 500},
    // Beside the PNG files: Pillow's reading, flattened over white.
    {"png", ".png", ReadPng, 0, "PNG image is not valid: ", 200},
};

TEST(PictureFixtures, ValidFilesReadAsTheirPictures) {
  for (const PictureReader& reader : kReaders) {
    testing::ExpectValidFilesShowTheirPictures(
        reader.format, reader.extension,
        [&](const std::vector<uint8_t>& bytes) {
          return reader.decode(bytes.data(), bytes.size());
        },
        reader.tolerance);
  }
}

TEST(PictureFixtures, InvalidFilesAreRefusedQuicklyWithTheReadersMessage) {
  for (const PictureReader& reader : kReaders) {
    testing::ExpectInvalidFilesRefused(
        reader.format, reader.extension,
        [&](const std::vector<uint8_t>& bytes) { reader.decode(bytes.data(), bytes.size()); },
        reader.refusal, reader.milliseconds);
  }
}

}  // namespace
}  // namespace zorna
