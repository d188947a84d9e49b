#include <gtest/gtest.h>

#include "artwork/pixel_font.h"
#include "picture/drawing.h"

namespace zorna {
namespace {

constexpr Colorref kRed = 0x0000FF;

int Covered(const Canvas& canvas) {
  int n = 0;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) n += canvas.mask.Pixel(x, y) == kBlack;
  return n;
}

TEST(TileDrawing, MaskRecordsExactlyWhatWasDrawnAndErased) {
  Canvas canvas(10, 10);
  EXPECT_EQ(Covered(canvas), 0);
  FillRect(canvas, Rect{-5, 2, 3, 4}, kRed);  // clipped on the left
  EXPECT_EQ(Covered(canvas), 6);
  EXPECT_EQ(canvas.picture.Pixel(2, 3), kRed);
  canvas.Erase(2, 3);
  EXPECT_EQ(Covered(canvas), 5);
  EXPECT_EQ(canvas.picture.Pixel(2, 3), kWhite);
}

TEST(TileDrawing, RoundShapesAreSymmetricAndStayInTheirBounds) {
  Canvas canvas(20, 20);
  const Rect bounds{3, 4, 17, 14};
  FillEllipse(canvas, bounds, kRed);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool drawn = canvas.mask.Pixel(x, y) == kBlack;
      if (drawn) {
        EXPECT_TRUE(x >= 3 && x < 17 && y >= 4 && y < 14) << x << "," << y;
      }
      EXPECT_EQ(drawn, canvas.mask.Pixel(19 - x, y) == kBlack) << x << "," << y;
      EXPECT_EQ(drawn, canvas.mask.Pixel(x, 17 - y) == kBlack) << x << "," << y;
    }
  EXPECT_FALSE(InsideRoundRect(Rect{0, 0, 10, 10}, 4, 0, 0));
  EXPECT_TRUE(InsideRoundRect(Rect{0, 0, 10, 10}, 4, 4, 0));
  EXPECT_TRUE(InsideRoundRect(Rect{0, 0, 10, 10}, 4, 9, 5));
}

TEST(TileDrawing, PixelTextReadsUtf8AndGivesUnknownLettersRoom) {
  // "é" is one glyph of three columns, not two glyphs for its two bytes.
  EXPECT_EQ(PixelTextWidth("é", 1), 3);
  EXPECT_EQ(PixelTextWidth("Vlastné", 1), 27);
  EXPECT_EQ(PixelTextWidth("Vlastné", 2), 54);
  EXPECT_EQ(PixelTextWidth("?", 1), PixelTextWidth(" ", 1));
  EXPECT_EQ(PixelTextWidth("\xC3", 1), PixelTextWidth(" ", 1));  // a cut-off sequence
  Canvas canvas(40, 12);
  DrawPixelText(canvas, 1, 1, "pozadie", 1, kRed);
  EXPECT_GT(Covered(canvas), 30);
  EXPECT_EQ(canvas.mask.Pixel(0, 0), kWhite);
}

}  // namespace
}  // namespace zorna
