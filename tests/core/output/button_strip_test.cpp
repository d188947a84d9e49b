#include "output/button_strip.h"

#include <gtest/gtest.h>

#include <set>

namespace zorna {
namespace {

TEST(ButtonStrip, ThirtyTwoSideGivesTwoGlyphsWithTheGreyedOneInFourColours) {
  Bitmap result(32, 32, kWhite);
  for (int i = 0; i < 32; ++i) {
    result.SetPixel(i, 5, kBlack);
    result.SetPixel(i, 6, kButtonGrey);
    result.SetPixel(i, 7, Rgb(200, 10, 10));
    result.SetPixel(i, 8, kButtonTransparent);  // olive in the picture is not transparent
    result.SetPixel(i, 9, kButtonMediumGrey);
    result.SetPixel(i, 10, Rgb(254, 255, 255));
  }
  const Bitmap strip = ZmenNaBtn(result);
  ASSERT_EQ(strip.Width(), 64);
  ASSERT_EQ(strip.Height(), 32);

  std::set<Colorref> right;
  for (int y = 0; y < 32; ++y) {
    for (int x = 32; x < 64; ++x) right.insert(strip.Pixel(x, y));
  }
  const std::set<Colorref> allowed = {kButtonTransparent, kButtonGrey, kButtonMediumGrey,
                                      kButtonSilver};
  for (Colorref c : right) EXPECT_TRUE(allowed.count(c)) << std::hex << c;

  // Normal glyph: only pure white turns olive.
  EXPECT_EQ(strip.Pixel(0, 0), kButtonTransparent);
  EXPECT_EQ(strip.Pixel(3, 5), kBlack);
  EXPECT_EQ(strip.Pixel(3, 6), kButtonGrey);
  EXPECT_EQ(strip.Pixel(3, 7), Rgb(200, 10, 10));
  EXPECT_EQ(strip.Pixel(3, 10), Rgb(254, 255, 255));
  // Greyed glyph.
  EXPECT_EQ(strip.Pixel(32, 0), kButtonTransparent);
  EXPECT_EQ(strip.Pixel(35, 5), kButtonGrey);
  EXPECT_EQ(strip.Pixel(35, 6), kButtonMediumGrey);
  EXPECT_EQ(strip.Pixel(35, 7), kButtonSilver);
  EXPECT_EQ(strip.Pixel(35, 8), kButtonSilver);
  EXPECT_EQ(strip.Pixel(35, 9), kButtonSilver);
  EXPECT_EQ(strip.Pixel(35, 10), kButtonSilver);
}

TEST(ButtonStrip, OddCustomSideKeepsEveryColumn) {
  Bitmap result(5, 5, Rgb(1, 2, 3));
  result.SetPixel(4, 4, kWhite);
  const Bitmap strip = ZmenNaBtn(result);
  ASSERT_EQ(strip.Width(), 10);
  EXPECT_EQ(strip.Pixel(4, 4), kButtonTransparent);
  EXPECT_EQ(strip.Pixel(9, 4), kButtonTransparent);
  EXPECT_EQ(strip.Pixel(4, 3), Rgb(1, 2, 3));
  EXPECT_EQ(strip.Pixel(9, 3), kButtonSilver);
}

}  // namespace
}  // namespace zorna
