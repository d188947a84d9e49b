#include "picture/bmp_file.h"

#include <gtest/gtest.h>

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
  EXPECT_THROW(DecodeBmp(nullptr, 0), Error);
}

}  // namespace
}  // namespace zorna
