// The result with its transparency as alpha, and the icon file with alpha and several sizes.
// Byte for byte the file is checked by docs/formats/alpha-icon-file.md; other readers check it
// in tests/tool/modern_peers.sh.
#include "output/alpha_icon_file.h"

#include <gtest/gtest.h>

#include "output/transparent_result.h"
#include "picture/png_file.h"
#include "support/error.h"

namespace zorna {
namespace {

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint32_t Read16(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8);
}

TEST(AlphaIconFile, OnlyTheKeyColourIsTransparentAndEveryOtherColourStays) {
  Bitmap picture(3, 1, kBlack);
  picture.SetPixel(1, 0, kIconMarkerColor);
  picture.SetPixel(2, 0, kWhite);
  const AlphaPicture white = TransparentResult(picture, IconTransparency::kWhite);
  EXPECT_EQ(white.alpha, (std::vector<uint8_t>{255, 255, 0}));
  EXPECT_EQ(white.color.Pixel(1, 0), kIconMarkerColor);
  EXPECT_EQ(white.color.Pixel(2, 0), kBlack);
  // A black key leaves the stand-in colour of the classic icon alone.
  const AlphaPicture black = TransparentResult(picture, IconTransparency::kTopLeft);
  EXPECT_EQ(black.alpha, (std::vector<uint8_t>{0, 255, 255}));
  EXPECT_EQ(black.color.Pixel(1, 0), kIconMarkerColor);
  EXPECT_EQ(TransparentResult(picture, IconTransparency::kBottomRight).alpha, white.alpha);
  const AlphaPicture opaque = TransparentResult(picture, IconTransparency::kOpaque);
  EXPECT_EQ(opaque.alpha, (std::vector<uint8_t>{255, 255, 255}));
  EXPECT_EQ(opaque.color, picture);
}

TEST(AlphaIconFile, SidesAreTheOwnOneAndEveryStandardOneBelowIt) {
  EXPECT_EQ(AlphaIconSides(128), (std::vector<int>{128, 64, 48, 32, 24, 16}));
  EXPECT_EQ(AlphaIconSides(100), (std::vector<int>{100, 64, 48, 32, 24, 16}));
  EXPECT_EQ(AlphaIconSides(20), (std::vector<int>{20, 16}));
  EXPECT_EQ(AlphaIconSides(16), (std::vector<int>{16}));
  EXPECT_EQ(AlphaIconSides(5), (std::vector<int>{5}));
}

TEST(AlphaIconFile, EachSideIsOneEntryBitmapsUpTo128AndPngAbove) {
  const AlphaPicture picture =
      TransparentResult(Bitmap(256, 256, Rgb(9, 99, 199)), IconTransparency::kOpaque);
  const std::vector<uint8_t> file = EncodeAlphaIconFile(picture, {16, 256, 128, 16});
  ASSERT_EQ(Read16(file, 4), 3u);  // largest first, each side once
  const int sides[] = {256, 128, 16};
  uint32_t expected_offset = 6 + 3 * 16;
  for (int i = 0; i < 3; ++i) {
    const size_t entry = 6 + 16 * i;
    SCOPED_TRACE(sides[i]);
    EXPECT_EQ(file[entry], sides[i] % 256);
    EXPECT_EQ(Read16(file, entry + 4), 1u);
    EXPECT_EQ(Read16(file, entry + 6), 32u);
    const uint32_t bytes = Read32(file, entry + 8), offset = Read32(file, entry + 12);
    EXPECT_EQ(offset, expected_offset);
    expected_offset += bytes;
    if (sides[i] > 128) {
      const Bitmap read = DecodePng(file.data() + offset, bytes);
      EXPECT_EQ(read, Bitmap(256, 256, Rgb(9, 99, 199)));
    } else {
      const uint32_t s = sides[i];
      EXPECT_EQ(bytes, 40 + s * s * 4 + (s + 31) / 32 * 4 * s);
      EXPECT_EQ(Read32(file, offset + 8), 2 * s);
      EXPECT_EQ(Read16(file, offset + 14), 32u);
    }
  }
  EXPECT_EQ(file.size(), expected_offset);
}

TEST(AlphaIconFile, RefusesSidesItCannotHold) {
  const AlphaPicture picture = TransparentResult(Bitmap(20, 20), IconTransparency::kOpaque);
  EXPECT_THROW(EncodeAlphaIconFile(picture, {24}), Error);
  EXPECT_THROW(EncodeAlphaIconFile(picture, {0}), Error);
  EXPECT_THROW(EncodeAlphaIconFile(picture, {}), Error);
  EXPECT_THROW(
      EncodeAlphaIconFile(TransparentResult(Bitmap(20, 10), IconTransparency::kOpaque), {10}),
      Error);
  EXPECT_THROW(
      EncodeAlphaIconFile(TransparentResult(Bitmap(257, 257), IconTransparency::kOpaque), {257}),
      Error);
}

}  // namespace
}  // namespace zorna
