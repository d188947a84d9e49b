#include "picture/bmp_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "support/error.h"

namespace zorna {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// A BMP file with a 40-byte (or longer, zero-padded) header; `extra` (palette or masks) goes
// between the header and the pixels.
struct BmpLayout {
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bits = 24;
  uint32_t compression = 0;
  uint32_t colours_used = 0;
  uint32_t info_size = 40;
  std::vector<uint8_t> extra;
  std::vector<uint8_t> pixels;
};

std::vector<uint8_t> MakeBmp(const BmpLayout& s) {
  std::vector<uint8_t> out = {'B', 'M'};
  const uint32_t offset = 14 + s.info_size + static_cast<uint32_t>(s.extra.size());
  Put32(out, offset + static_cast<uint32_t>(s.pixels.size()));
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, s.info_size);
  Put32(out, static_cast<uint32_t>(s.width));
  Put32(out, static_cast<uint32_t>(s.height));
  Put16(out, 1);
  Put16(out, s.bits);
  Put32(out, s.compression);
  Put32(out, static_cast<uint32_t>(s.pixels.size()));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, s.colours_used);
  Put32(out, 0);
  out.resize(14 + s.info_size, 0);
  out.insert(out.end(), s.extra.begin(), s.extra.end());
  out.insert(out.end(), s.pixels.begin(), s.pixels.end());
  return out;
}

std::vector<uint8_t> Palette(std::initializer_list<Colorref> colours) {
  std::vector<uint8_t> out;
  for (Colorref c : colours) {
    out.insert(out.end(), {BlueOf(c), GreenOf(c), RedOf(c), 0});
  }
  return out;
}

Bitmap Decode(const std::vector<uint8_t>& file) {
  return DecodeBmp(file.data(), file.size());
}

void ExpectNotValid(const std::vector<uint8_t>& file, const std::string& what) {
  try {
    Decode(file);
    ADD_FAILURE() << what << ": decoded";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Bitmap image is not valid") << what;
  }
}

Bitmap Pattern(int w, int h) {
  Bitmap picture(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) picture.SetPixel(x, y, Rgb(x * 37 + y, y * 53 + 7, (x ^ y) * 29));
  return picture;
}

TEST(Bmp24, RoundTripsEveryRowPaddingAndStoresBottomUp) {
  for (int w : {1, 2, 3, 4, 5}) {
    const Bitmap picture = Pattern(w, 3);
    const std::vector<uint8_t> file = EncodeBmp24(picture);
    const size_t stride = (w * 3 + 3) / 4 * 4;
    ASSERT_EQ(file.size(), 54 + stride * 3);
    EXPECT_EQ(file[28], 24);
    EXPECT_EQ(Decode(file), picture) << w;
    // The first stored row is the bottom one, blue byte first.
    EXPECT_EQ(file[54], BlueOf(picture.Pixel(0, 2)));
    EXPECT_EQ(file[56], RedOf(picture.Pixel(0, 2)));
  }
  EXPECT_TRUE(Decode(EncodeBmp24(Bitmap())).Empty());
}

TEST(BmpRead, PaletteDepthsPackPixelsFromTheHighBitsAndTopDownIsHonoured) {
  const Colorref a = 0x112233, b = 0xA0B0C0, c = 0x00FF00;
  // 1 bit: 10 pixels, rows padded to 4 bytes; bottom-up, so the first row is y = 1.
  BmpLayout one{.width = 10, .height = 2, .bits = 1, .extra = Palette({a, b})};
  one.pixels = {0b10100000, 0b01000000, 0, 0, 0b11111111, 0b11000000, 0, 0};
  const Bitmap p1 = Decode(MakeBmp(one));
  EXPECT_EQ(p1.Pixel(0, 1), b);
  EXPECT_EQ(p1.Pixel(1, 1), a);
  EXPECT_EQ(p1.Pixel(9, 1), b);
  EXPECT_EQ(p1.Pixel(8, 1), a);
  EXPECT_EQ(p1.Pixel(9, 0), b);

  BmpLayout four{
      .width = 3, .height = -2, .bits = 4, .colours_used = 3, .extra = Palette({a, b, c})};
  four.pixels = {0x01, 0x20, 0, 0, 0x22, 0x10, 0, 0};  // top-down: first row is y = 0
  const Bitmap p4 = Decode(MakeBmp(four));
  EXPECT_EQ(p4.Pixel(0, 0), a);
  EXPECT_EQ(p4.Pixel(1, 0), b);
  EXPECT_EQ(p4.Pixel(2, 0), c);
  EXPECT_EQ(p4.Pixel(2, 1), b);

  // 8 bit with a short palette: an index past it reads black.
  BmpLayout eight{.width = 2, .height = 1, .bits = 8, .colours_used = 2, .extra = Palette({a, b})};
  eight.pixels = {1, 200, 0, 0};
  const Bitmap p8 = Decode(MakeBmp(eight));
  EXPECT_EQ(p8.Pixel(0, 0), b);
  EXPECT_EQ(p8.Pixel(1, 0), kBlack);
}

TEST(BmpRead, CoreHeaderHasThreeBytePaletteEntries) {
  std::vector<uint8_t> file = {'B', 'M'};
  Put32(file, 0);
  Put32(file, 0);
  Put32(file, 14 + 12 + 6);
  Put32(file, 12);
  Put16(file, 2);                                                 // width
  Put16(file, 1);                                                 // height
  Put16(file, 1);                                                 // planes
  Put16(file, 1);                                                 // bits
  file.insert(file.end(), {0x30, 0x20, 0x10, 0xFF, 0xEE, 0xDD});  // BGR, BGR
  file.insert(file.end(), {0b01000000, 0, 0, 0});
  const Bitmap p = Decode(file);
  EXPECT_EQ(p.Pixel(0, 0), Rgb(0x10, 0x20, 0x30));
  EXPECT_EQ(p.Pixel(1, 0), Rgb(0xDD, 0xEE, 0xFF));
}

TEST(BmpRead, SixteenAndThirtyTwoBitsWidenMaskedChannels) {
  // Plain 16 bit is 5-5-5; full scale must stay full scale.
  BmpLayout plain{.width = 2, .height = 1, .bits = 16};
  plain.pixels = {0xFF, 0x7F, 0x10, 0x42};  // 0x7FFF white; 0x4210 = 10000 10000 10000
  const Bitmap p = Decode(MakeBmp(plain));
  EXPECT_EQ(p.Pixel(0, 0), kWhite);
  EXPECT_EQ(p.Pixel(1, 0), Rgb(0x84, 0x84, 0x84));

  std::vector<uint8_t> masks;
  for (uint32_t m : {0xF800u, 0x07E0u, 0x001Fu}) Put32(masks, m);
  BmpLayout rgb565{.width = 1, .height = 1, .bits = 16, .compression = 3, .extra = masks};
  rgb565.pixels = {0xE0, 0x07, 0, 0};  // pure green in 6 bits
  EXPECT_EQ(Decode(MakeBmp(rgb565)).Pixel(0, 0), Rgb(0, 0xFF, 0));

  // 32 bit with the masks inside a 108-byte header, channels in an unusual order.
  BmpLayout wide{.width = 1, .height = 1, .bits = 32, .compression = 3, .info_size = 108};
  std::vector<uint8_t> file;
  wide.pixels = {0x11, 0x22, 0x33, 0x44};
  file = MakeBmp(wide);
  const uint32_t header_masks[] = {0x000000FF, 0xFF000000, 0x0000FF00};  // red, green, blue
  for (int i = 0; i < 3; ++i)
    for (int k = 0; k < 4; ++k) file[54 + 4 * i + k] = (header_masks[i] >> (8 * k)) & 0xFF;
  EXPECT_EQ(Decode(file).Pixel(0, 0), Rgb(0x11, 0x44, 0x22));

  BmpLayout bgrx{.width = 1, .height = 1, .bits = 32};
  bgrx.pixels = {0x01, 0x02, 0x03, 0x99};  // alpha is ignored
  EXPECT_EQ(Decode(MakeBmp(bgrx)).Pixel(0, 0), Rgb(0x03, 0x02, 0x01));
}

TEST(BmpRead, RunLengthCodesRunsAbsoluteDeltaAndEndOfLine) {
  const Colorref background = 0x0000FF, a = 0x00FF00, b = 0xFF0000;
  BmpLayout rle8{.width = 6,
                 .height = 3,
                 .bits = 8,
                 .compression = 1,
                 .colours_used = 3,
                 .extra = Palette({background, a, b})};
  rle8.pixels = {
      3, 1,              // bottom row: three of a
      0, 3, 2, 1, 2, 0,  // absolute: b a b, padded to an even count
      0, 0,              // end of line
      0, 2, 2, 1,        // delta: two right, one up -> top row, x = 2
      2, 2,              // two of b
      0, 1,              // end of bitmap
  };
  const Bitmap p = Decode(MakeBmp(rle8));
  EXPECT_EQ(p.Pixel(0, 2), a);
  EXPECT_EQ(p.Pixel(3, 2), b);
  EXPECT_EQ(p.Pixel(4, 2), a);
  EXPECT_EQ(p.Pixel(5, 2), b);
  EXPECT_EQ(p.Pixel(0, 1), background);  // skipped by the end of line
  EXPECT_EQ(p.Pixel(1, 0), background);  // skipped by the delta
  EXPECT_EQ(p.Pixel(2, 0), b);
  EXPECT_EQ(p.Pixel(3, 0), b);
  EXPECT_EQ(p.Pixel(4, 0), background);

  BmpLayout rle4{.width = 6,
                 .height = 1,
                 .bits = 4,
                 .compression = 2,
                 .colours_used = 3,
                 .extra = Palette({background, a, b})};
  rle4.pixels = {3, 0x12, 0, 3, 0x21, 0x20, 0, 1};  // a b a, then absolute b a b
  const Bitmap q = Decode(MakeBmp(rle4));
  EXPECT_EQ(q.Pixel(0, 0), a);
  EXPECT_EQ(q.Pixel(1, 0), b);
  EXPECT_EQ(q.Pixel(2, 0), a);
  EXPECT_EQ(q.Pixel(3, 0), b);
  EXPECT_EQ(q.Pixel(4, 0), a);
  EXPECT_EQ(q.Pixel(5, 0), b);

  // Runs past the right edge or the top are dropped, not written elsewhere.
  BmpLayout overflow = rle4;
  overflow.pixels = {40, 0x11, 0, 0, 0, 0, 200, 0x22, 0, 1};
  const Bitmap r = Decode(MakeBmp(overflow));
  for (int x = 0; x < 6; ++x) EXPECT_EQ(r.Pixel(x, 0), a);
}

TEST(BmpRead, EveryTruncationIsAClearError) {
  BmpLayout layout{.width = 3,
                   .height = 2,
                   .bits = 8,
                   .colours_used = 2,
                   .extra = Palette({0x010101, 0x020202})};
  layout.pixels = {0, 1, 0, 0, 1, 1, 0, 0};
  const std::vector<uint8_t> whole = MakeBmp(layout);
  ASSERT_NO_THROW(Decode(whole));
  // The last row's padding (one byte here) may be missing; nothing before it may.
  ASSERT_NO_THROW(Decode(std::vector<uint8_t>(whole.begin(), whole.end() - 1)));
  for (size_t n = 0; n + 1 < whole.size(); ++n) {
    ExpectNotValid(std::vector<uint8_t>(whole.begin(), whole.begin() + n), std::to_string(n));
  }
  BmpLayout rle{.width = 4, .height = 2, .bits = 8, .compression = 1, .extra = Palette({0})};
  rle.pixels = {4, 0, 0, 0, 2, 0};  // one row, then the data stops
  ExpectNotValid(MakeBmp(rle), "run-length data ends before the last row");
  EXPECT_THROW(DecodeBmp(nullptr, 0), Error);
}

TEST(BmpRead, LyingOrOversizedHeadersFailFastWithoutTakingMemory) {
  const auto start = std::chrono::steady_clock::now();
  ExpectNotValid(MakeBmp({.width = 40000, .height = 1, .pixels = std::vector<uint8_t>(120000)}),
                 "too wide");
  ExpectNotValid(MakeBmp({.width = 1, .height = -40000}), "too tall top-down");
  ExpectNotValid(MakeBmp({.width = 1, .height = INT32_MIN}), "most negative height");
  ExpectNotValid(MakeBmp({.width = -5, .height = 5}), "negative width");
  ExpectNotValid(MakeBmp({.width = 30000, .height = 30000, .pixels = {1, 2, 3}}),
                 "claims far more pixels than it holds");
  ExpectNotValid(MakeBmp({.width = 30000,
                          .height = 30000,
                          .bits = 8,
                          .compression = 1,
                          .extra = Palette({0}),
                          .pixels = {0, 1}}),
                 "run-length picture far larger than its runs");
  ExpectNotValid(MakeBmp({.width = 1, .height = 1, .bits = 7, .pixels = {0, 0, 0, 0}}),
                 "odd depth");
  ExpectNotValid(MakeBmp({.width = 1,
                          .height = 1,
                          .bits = 4,
                          .compression = 1,
                          .extra = Palette({0}),
                          .pixels = {0, 1}}),
                 "RLE8 on a 4-bit picture");
  ExpectNotValid(MakeBmp({.width = 1,
                          .height = -1,
                          .bits = 8,
                          .compression = 1,
                          .extra = Palette({0}),
                          .pixels = {0, 1}}),
                 "top-down run-length");
  ExpectNotValid(MakeBmp({.width = 1, .height = 1, .compression = 4, .pixels = {1, 2, 3, 4}}),
                 "embedded JPEG");
  ExpectNotValid(MakeBmp({.width = 1, .height = 1, .info_size = 20}), "unknown header size");
  ExpectNotValid({'B', 'M', 1, 2, 3}, "no header");
  ExpectNotValid(
      {'P', 'K', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      "wrong signature");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 200);
}

}  // namespace
}  // namespace zorna
