#include "picture/jpeg_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "support/error.h"

namespace zorna {
namespace {

bool Near(Colorref a, Colorref b, int tolerance) {
  return std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
         std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
         std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

// Writes a JPEG with libjpeg directly, for the kinds our encoder never makes.
std::vector<uint8_t> EncodeWithLibjpeg(int w, int h, J_COLOR_SPACE space, int components,
                                       const std::vector<uint8_t>& samples, bool progressive) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = w;
  cinfo.image_height = h;
  cinfo.input_components = components;
  cinfo.in_color_space = space;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(samples.data() + cinfo.next_scanline * w * components);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
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

void SetFrameSize(std::vector<uint8_t>& bytes, int width, int height) {
  size_t sof = FindMarker(bytes, 0xC0);
  if (sof == 0) sof = FindMarker(bytes, 0xC2);
  ASSERT_NE(sof, 0u);
  bytes[sof + 5] = height >> 8;
  bytes[sof + 6] = height & 0xFF;
  bytes[sof + 7] = width >> 8;
  bytes[sof + 8] = width & 0xFF;
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

TEST(JpegDecode, ReadsProgressiveGreyscaleAndCmyk) {
  const int w = 16, h = 8;
  std::vector<uint8_t> rgb;
  for (int i = 0; i < w * h; ++i) rgb.insert(rgb.end(), {200, 40, 90});
  const std::vector<uint8_t> progressive = EncodeWithLibjpeg(w, h, JCS_RGB, 3, rgb, true);
  ASSERT_NE(FindMarker(progressive, 0xC2), 0u);
  const Bitmap p = DecodeJpeg(progressive.data(), progressive.size());
  EXPECT_TRUE(Near(p.Pixel(5, 5), Rgb(200, 40, 90), 4));

  const std::vector<uint8_t> grey(w * h, 77);
  const std::vector<uint8_t> grey_jpeg = EncodeWithLibjpeg(w, h, JCS_GRAYSCALE, 1, grey, false);
  const Bitmap g = DecodeJpeg(grey_jpeg.data(), grey_jpeg.size());
  EXPECT_TRUE(Near(g.Pixel(3, 3), Rgb(77, 77, 77), 1));

  // libjpeg marks CMYK with Adobe's marker, so the samples are read as Adobe's inverted ink:
  // 255 means no ink. No cyan, full magenta, no yellow, no black: magenta.
  std::vector<uint8_t> cmyk;
  for (int i = 0; i < w * h; ++i) cmyk.insert(cmyk.end(), {255, 0, 255, 255});
  const std::vector<uint8_t> cmyk_jpeg = EncodeWithLibjpeg(w, h, JCS_CMYK, 4, cmyk, false);
  const Bitmap c = DecodeJpeg(cmyk_jpeg.data(), cmyk_jpeg.size());
  EXPECT_TRUE(Near(c.Pixel(8, 4), Rgb(255, 0, 255), 3));
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

TEST(JpegDecode, OversizedAndLyingFramesFailFast) {
  const auto start = std::chrono::steady_clock::now();
  std::vector<uint8_t> wide = EncodeJpeg(Bitmap(16, 16), 90);
  SetFrameSize(wide, 40000, 16);
  EXPECT_EQ(ErrorOf(wide), Code(JERR_IMAGE_TOO_BIG));
  // A frame claiming 30000 x 30000 pixels over a few hundred bytes ends at the end of its data.
  std::vector<uint8_t> lying = EncodeJpeg(Bitmap(16, 16), 90);
  SetFrameSize(lying, 30000, 30000);
  EXPECT_EQ(ErrorOf(lying).rfind("JPEG error #", 0), 0u);
  std::vector<uint8_t> rgb(16 * 16 * 3, 128);
  std::vector<uint8_t> lying_progressive = EncodeWithLibjpeg(16, 16, JCS_RGB, 3, rgb, true);
  SetFrameSize(lying_progressive, 30000, 30000);
  EXPECT_EQ(ErrorOf(lying_progressive).rfind("JPEG error #", 0), 0u);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 500);

  const std::vector<uint8_t> fine = EncodeJpeg(Bitmap(100, 100), 90);
  EXPECT_THROW(DecodeJpeg(fine.data(), fine.size(), 5000), Error);
  EXPECT_EQ(DecodeJpeg(fine.data(), fine.size(), 10000).Width(), 100);
}

}  // namespace
}  // namespace zorna
