#include "composition/pick_composition.h"

#include <gtest/gtest.h>

#include "picture/raster.h"

namespace zorna {
namespace {

Bitmap Screen() {
  Bitmap s(200, 200);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 200; ++x) s.SetPixel(x, y, Rgb(x, y, (x * 3 + y) & 0xFF));
  }
  return s;
}

PickSettings Pick(int input, int output, int mode, int x = 10, int y = 20) {
  PickSettings p;
  p.input = input;
  p.output = output;
  p.mode = mode;
  p.x = x;
  p.y = y;
  return p;
}

TEST(ComposePick, CoverModeCopiesTheSquareAndCentresSmallerOnes) {
  const Bitmap screen = Screen();
  const Bitmap white(32, 32);
  Bitmap preview(32, 32), work;
  ComposePick(screen, white, Pick(32, 32, 1), preview, work);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) ASSERT_EQ(preview.Pixel(x, y), screen.Pixel(10 + x, 20 + y));
  }
  Bitmap tile(64, 64, 0x00FF00);
  Bitmap big(64, 64);
  ComposePick(screen, tile, Pick(16, 64, 1), big, work);
  EXPECT_EQ(big.Pixel(24, 24), screen.Pixel(10, 20));
  EXPECT_EQ(big.Pixel(39, 39), screen.Pixel(25, 35));
  EXPECT_EQ(big.Pixel(23, 23), 0x00FF00u);
  EXPECT_EQ(big.Pixel(40, 40), 0x00FF00u);
}

TEST(ComposePick, CombineModeOverlaysEveryPick) {
  Bitmap screen(100, 40);
  for (int y = 10; y < 20; ++y) screen.SetPixel(5, y, kBlack);   // a line in the first square
  for (int x = 50; x < 60; ++x) screen.SetPixel(x, 15, kBlack);  // another in the second
  const Bitmap white(32, 32);
  Bitmap preview(32, 32), work;
  ComposePick(screen, white, Pick(32, 32, 0, 0, 0), preview, work);
  ComposePick(screen, white, Pick(32, 32, 0, 45, 0), preview, work);
  EXPECT_EQ(preview.Pixel(5, 12), kBlack);  // the first shape stays
  EXPECT_EQ(preview.Pixel(7, 15), kBlack);  // the second one joins it
  EXPECT_EQ(preview.Pixel(20, 25), kWhite);
}

TEST(ComposePick, TransparentModesShowTheBackground) {
  Bitmap screen(40, 40, kWhite);
  for (int y = 10; y < 20; ++y) {
    for (int x = 10; x < 20; ++x) screen.SetPixel(x, y, 0x0000FF);
  }
  const Bitmap tile(32, 32, 0x00FF00);
  Bitmap preview(32, 32), work;
  ComposePick(screen, tile, Pick(32, 32, 2, 0, 0), preview, work);
  EXPECT_EQ(preview.Pixel(0, 0), 0x00FF00u);
  EXPECT_EQ(preview.Pixel(12, 12), 0x0000FFu);
  // Mode 5: only the region touching the top-left corner goes.
  screen.SetPixel(15, 15, kWhite);
  ComposePick(screen, tile, Pick(32, 32, 5, 0, 0), preview, work);
  EXPECT_EQ(preview.Pixel(0, 0), 0x00FF00u);
  EXPECT_EQ(preview.Pixel(15, 15), kWhite);  // the white inside the shape stays
  EXPECT_EQ(preview.Pixel(12, 12), 0x0000FFu);
}

TEST(ComposePick, ShrinkKeyIsTheShrunkCornerAndEdgesAreSafe) {
  Bitmap screen(300, 300, 0x123456);
  screen.SetPixel(127, 127, 0xABCDEF);
  const Bitmap tile(32, 32, 0x00FF00);
  Bitmap preview(32, 32), work;
  ComposePick(screen, tile, Pick(128, 32, 4, 0, 0), preview, work);
  EXPECT_EQ(work.Width(), 32);
  EXPECT_EQ(preview.Pixel(5, 5), 0x00FF00u);  // keyed by the shrunk corner (31, 31), not (127, 127)
  // Past the picture's edges nothing is read outside it, and an output of 0 draws nothing.
  ComposePick(screen, tile, Pick(128, 32, 7, 290, 290), preview, work);
  ComposePick(screen, tile, Pick(64, 128, 1, -50, 280), preview, work);
  Bitmap empty;
  ComposePick(screen, tile, Pick(32, 0, 1), empty, work);
  EXPECT_TRUE(empty.Empty());
}

TEST(ResultTransforms, TwoFlipsAndFourTurnsRestore) {
  const Bitmap original = Screen();
  Bitmap p(7, 7), work;
  BitBlt(p, 0, 0, 7, 7, original, 3, 5, SRCCOPY);
  const Bitmap start = p;
  PreklopZvislo(p);
  EXPECT_EQ(p.Pixel(2, 0), start.Pixel(2, 6));
  PreklopZvislo(p);
  EXPECT_EQ(p, start);
  PreklopVodorovne(p);
  EXPECT_EQ(p.Pixel(0, 2), start.Pixel(6, 2));
  PreklopVodorovne(p);
  EXPECT_EQ(p, start);
  OtocDolava(p, work);
  EXPECT_EQ(p.Pixel(0, 0), start.Pixel(6, 0));
  for (int k = 0; k < 3; ++k) OtocDolava(p, work);
  EXPECT_EQ(p, start);
  OtocDoprava(p, work);
  EXPECT_EQ(p.Pixel(0, 0), start.Pixel(0, 6));
  for (int k = 0; k < 3; ++k) OtocDoprava(p, work);
  EXPECT_EQ(p, start);
}

}  // namespace
}  // namespace zorna
