#include "composition/shadow_frame.h"

#include <gtest/gtest.h>

#include "picture/standard_colors.h"

namespace zorna {
namespace {

constexpr Colorref kGrey = Rgb(128, 128, 128);
constexpr Colorref kRed = Rgb(255, 0, 0);

Bitmap SquareIn(int side, int left, int size, Colorref colour) {
  Bitmap b(side, side, kWhite);
  for (int y = left; y < left + size; ++y)
    for (int x = left; x < left + size; ++x) b.SetPixel(x, y, colour);
  return b;
}

TEST(Shadow, FallsAsAnLBesideTheShapeAndNeverOverIt) {
  const Bitmap result = SquareIn(32, 12, 8, kBlack);  // 12..19
  Bitmap copy = result;
  PaintShadow(result, copy, 32, OffsetOf(ShadowDirection::kLowerRight, 2), kGrey);
  int grey = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool square = x >= 12 && x < 20 && y >= 12 && y < 20;
      const bool band = !square && x >= 14 && x < 22 && y >= 14 && y < 22;
      const Colorref want = square ? kBlack : band ? kGrey : kWhite;
      ASSERT_EQ(copy.Pixel(x, y), want) << x << "," << y;
      grey += copy.Pixel(x, y) == kGrey;
    }
  }
  EXPECT_EQ(grey, 2 * 8 + 2 * 8 - 4);

  // The other directions mirror it; the band lies on the side named.
  Bitmap upper_right = result;
  PaintShadow(result, upper_right, 32, OffsetOf(ShadowDirection::kUpperRight, 2), kGrey);
  EXPECT_EQ(upper_right.Pixel(21, 10), kGrey);
  EXPECT_EQ(upper_right.Pixel(11, 21), kWhite);
  Bitmap lower_left = result;
  PaintShadow(result, lower_left, 32, OffsetOf(ShadowDirection::kLowerLeft, 2), kGrey);
  EXPECT_EQ(lower_left.Pixel(10, 21), kGrey);
  EXPECT_EQ(lower_left.Pixel(21, 10), kWhite);
}

TEST(Shadow, ChangesNothingWhenItFallsOutsideOrFindsNoWhite) {
  const Bitmap small = SquareIn(8, 2, 4, kBlack);
  const Bitmap dark(16, 16, kRed);
  for (ShadowDirection d :
       {ShadowDirection::kNone, ShadowDirection::kLowerRight, ShadowDirection::kUpperLeft,
        ShadowDirection::kUpperRight, ShadowDirection::kLowerLeft}) {
    Bitmap copy = small;
    PaintShadow(small, copy, 8, OffsetOf(d, 20), kGrey);
    EXPECT_EQ(copy, small);
    Bitmap no_white = dark;
    PaintShadow(dark, no_white, 16, OffsetOf(d, 3), kGrey);
    EXPECT_EQ(no_white, dark);
  }
}

TEST(Frame, BandsAlongEveryEdgeOverEverything) {
  Bitmap thin = SquareIn(32, 0, 32, kBlack);
  thin.SetPixel(5, 5, kWhite);
  PaintFrame(thin, 32, 2, kRed);
  for (int k = 0; k < 32; ++k) {
    for (int band : {0, 1, 30, 31}) {
      ASSERT_EQ(thin.Pixel(band, k), kRed);
      ASSERT_EQ(thin.Pixel(k, band), kRed);
    }
  }
  EXPECT_EQ(thin.Pixel(2, 2), kBlack);
  EXPECT_EQ(thin.Pixel(29, 29), kBlack);
  EXPECT_EQ(thin.Pixel(5, 5), kWhite);

  // Five pixels from each side of eight cover every column.
  Bitmap whole = SquareIn(8, 2, 4, kBlack);
  PaintFrame(whole, 8, 5, kRed);
  EXPECT_EQ(whole, Bitmap(8, 8, kRed));
}

TEST(ShadowAndFrame, DrawsTheFrameOverTheShadow) {
  ShadowFrameSettings settings;
  settings.direction = ShadowDirection::kLowerRight;
  settings.offset = 12;
  settings.shadow_color = kStandardColors[8];
  settings.frame = 1;
  settings.frame_color = kStandardColors[9];
  const Bitmap shown = ShadowAndFrame(SquareIn(32, 12, 8, kBlack), 32, settings);
  EXPECT_EQ(shown.Pixel(30, 28), kGrey);  // the shadow reaches the edge ...
  EXPECT_EQ(shown.Pixel(31, 28), kRed);   // ... where the frame covers it
  EXPECT_EQ(shown.Pixel(12, 12), kBlack);
}

}  // namespace
}  // namespace zorna
