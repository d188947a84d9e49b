#include "picture/jpeg_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace {

bool Near(Colorref a, Colorref b, int tolerance) {
  return std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
         std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
         std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

std::string ErrorOf(const std::vector<uint8_t>& bytes) {
  try {
    DecodeJpeg(bytes.data(), bytes.size());
  } catch (const Error& e) {
    return e.what();
  }
  return "decoded";
}

std::string Code(int code) {
  return "JPEG error #" + std::to_string(code);
}

// Offset of the first marker FF `kind`, or 0.
size_t FindMarker(const std::vector<uint8_t>& bytes, uint8_t kind) {
  for (size_t i = 2; i + 1 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == kind) return i;
  return 0;
}

Bitmap Noise(int w, int h) {
  Bitmap picture(w, h);
  uint32_t state = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      state = state * 1103515245u + 12345u;
      picture.SetPixel(x, y, state >> 8);
    }
  return picture;
}

TEST(JpegEncode, WritesBaselineAndPassesTheQualityAsGiven) {
  const Bitmap picture = Noise(32, 24);
  const std::vector<uint8_t> best = EncodeJpeg(picture, 100);
  EXPECT_EQ(best[0], 0xFF);
  EXPECT_EQ(best[1], 0xD8);
  EXPECT_NE(FindMarker(best, 0xC0), 0u);  // baseline frame
  EXPECT_EQ(FindMarker(best, 0xC2), 0u);  // never progressive
  const std::vector<uint8_t> low = EncodeJpeg(picture, 10);
  EXPECT_LT(low.size() * 2, best.size());
  // Below 1 the encoder works as at 1; 1 and 2 still differ.
  EXPECT_EQ(EncodeJpeg(picture, 0), EncodeJpeg(picture, 1));
  EXPECT_NE(EncodeJpeg(picture, 1), EncodeJpeg(picture, 2));
}

TEST(JpegEncode, OddSizesRoundTripCloselyAtFullQuality) {
  for (auto [w, h] : {std::pair{1, 1}, {17, 9}, {3, 130}}) {
    Bitmap picture(w, h, 0x2080F0);
    const std::vector<uint8_t> jpeg = EncodeJpeg(picture, 100);
    const Bitmap back = DecodeJpeg(jpeg.data(), jpeg.size());
    ASSERT_EQ(back.Width(), w);
    ASSERT_EQ(back.Height(), h);
    EXPECT_TRUE(Near(back.Pixel(w - 1, h - 1), 0x2080F0, 3));
    EXPECT_EQ(back.Pixel(0, 0) >> 24, 0u);
  }
}

TEST(JpegDecode, DamagedDataGivesLibjpegsErrorNumber) {
  EXPECT_EQ(ErrorOf({}), Code(JERR_INPUT_EMPTY));
  EXPECT_EQ(ErrorOf({'B', 'M', 0, 0}), Code(JERR_NO_SOI));
  EXPECT_THROW(DecodeJpeg(nullptr, 0), Error);
  const std::vector<uint8_t> whole = EncodeJpeg(Noise(24, 24), 80);
  // Cut anywhere, even just before the end marker, the file is reported, never half shown.
  for (size_t n = 0; n + 1 < whole.size(); ++n) {
    const std::string error = ErrorOf(std::vector<uint8_t>(whole.begin(), whole.begin() + n));
    ASSERT_EQ(error.rfind("JPEG error #", 0), 0u) << n << ": " << error;
  }
  EXPECT_EQ(ErrorOf(std::vector<uint8_t>(whole.begin(), whole.begin() + whole.size() * 3 / 4)),
            Code(JWRN_JPEG_EOF));
  std::vector<uint8_t> scrambled = whole;
  for (size_t i = FindMarker(whole, 0xDA) + 20; i + 2 < scrambled.size(); i += 7)
    scrambled[i] ^= 0x5A;
  const std::string error = ErrorOf(scrambled);
  EXPECT_TRUE(error == "decoded" || error.rfind("JPEG error #", 0) == 0) << error;
}

TEST(JpegDecode, FramesTooLargeAreNamedSoAndTheCallersCapHolds) {
  const std::vector<uint8_t> wide =
      ReadWholeFile(std::string(ZORNA_TEST_DATA) + "/jpeg/invalid/frame-width-40000.jpg");
  EXPECT_EQ(ErrorOf(wide), Code(JERR_IMAGE_TOO_BIG));
  const std::vector<uint8_t> fine = EncodeJpeg(Bitmap(100, 100), 90);
  EXPECT_THROW(DecodeJpeg(fine.data(), fine.size(), 5000), Error);
  EXPECT_EQ(DecodeJpeg(fine.data(), fine.size(), 10000).Width(), 100);
}

}  // namespace
}  // namespace zorna
