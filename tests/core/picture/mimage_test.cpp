#include "picture/mimage.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace zorna {
namespace {

constexpr std::array<Colorref, 20> kTwentyColours = {
    0xFFFF00, 0x000000, 0xFF0000, 0xF0FBFF, 0x808080, 0xFF00FF, 0x008000,
    0x00FF00, 0xC0C0C0, 0x000080, 0xA4A0A0, 0xC0DCC0, 0x800000, 0x008080,
    0x800080, 0x0000FF, 0xF0CAA6, 0x808000, 0xFFFFFF, 0x00FFFF};

int CountPixels(const Bitmap& picture, Colorref colour) {
  int count = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) count += picture.Pixel(x, y) == colour;
  return count;
}

bool Near(Colorref a, Colorref b, int tolerance) {
  return std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
         std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
         std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

TEST(NepouzitaFarba, TakesTheFirstAbsentCandidateInListOrder) {
  EXPECT_EQ(NepouzitaFarba(Bitmap(16, 16, kWhite)), 0xFFFF00u);  // aqua
  Bitmap aqua_and_black(16, 16, 0xFFFF00);
  aqua_and_black.SetPixel(15, 15, 0x000000);             // the very last pixel must be scanned too
  EXPECT_EQ(NepouzitaFarba(aqua_and_black), 0xFF0000u);  // blue
  // Everything but the last candidate: yellow is the answer.
  Bitmap nineteen(19, 1);
  for (int i = 0; i < 19; ++i) nineteen.SetPixel(i, 0, kTwentyColours[i]);
  EXPECT_EQ(NepouzitaFarba(nineteen), 0x00FFFFu);
  EXPECT_EQ(NepouzitaFarba(Bitmap()), 0xFFFF00u);
}

TEST(NepouzitaFarba, GivesTealWhenAllTwentyOccur) {
  Bitmap all(128, 128, kWhite);
  for (int i = 0; i < 20; ++i) all.SetPixel(127 - i, 127, kTwentyColours[i]);
  EXPECT_EQ(NepouzitaFarba(all), 0x808000u);
  // Teal missing: teal is found by the scan itself, before white and yellow.
  all.SetPixel(127 - 17, 127, 0x123456);
  EXPECT_EQ(NepouzitaFarba(all), 0x808000u);
  all.SetPixel(127 - 17, 127, 0x808000);
  all.SetPixel(127 - 16, 127, 0x123456);  // sky blue missing instead
  EXPECT_EQ(NepouzitaFarba(all), 0xF0CAA6u);
}

TEST(VyplnOblast, StartOnTheNewColourOrOutsideChangesNothing) {
  Bitmap picture(8, 8, 0x112233);
  picture.SetPixel(3, 3, 0x00FF00);
  const Bitmap before = picture;
  VyplnOblast(3, 3, picture, 0x00FF00);
  EXPECT_EQ(picture, before);
  VyplnOblast(-1, 0, picture, 0x0000FF);
  VyplnOblast(8, 8, picture, 0x0000FF);
  EXPECT_EQ(picture, before);
  // Only the low 24 bits of a colour are a pixel: white with a top byte is still white.
  Bitmap white(4, 4, kWhite);
  VyplnOblast(0, 0, white, 0xFF000000u | kWhite);
  EXPECT_EQ(white, Bitmap(4, 4, kWhite));
}

TEST(VyplnOblast, DiagonalNeighboursDoNotConnect) {
  Bitmap picture(10, 10, kWhite);
  for (int i = 0; i < 10; ++i) picture.SetPixel(i, 9 - i, kBlack);  // anti-diagonal line
  VyplnOblast(0, 0, picture, 0x0000FF);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const Colorref expected = x + y < 9 ? 0x0000FFu : x + y == 9 ? kBlack : kWhite;
      ASSERT_EQ(picture.Pixel(x, y), expected) << x << "," << y;
    }
}

TEST(VyplnOblast, FollowsAWindingPathInAllFourDirections) {
  // A serpentine corridor: walls on alternate rows with a gap at alternating ends, so the
  // fill must go left, right and down (and up, started from the bottom) to reach every cell.
  Bitmap maze(9, 9, kWhite);
  for (int y = 1; y < 9; y += 2)
    for (int x = 0; x < 9; ++x)
      if (x != ((y / 2) % 2 == 0 ? 8 : 0)) maze.SetPixel(x, y, kBlack);
  const int corridor = CountPixels(maze, kWhite);
  VyplnOblast(8, 8, maze, 0xABCDEF);
  EXPECT_EQ(CountPixels(maze, 0xABCDEF), corridor);
  EXPECT_EQ(CountPixels(maze, kWhite), 0);
}

TEST(VyplnOblast, FillsAWhole128x128PictureWithoutRecursion) {
  Bitmap picture(128, 128, 0x404040);
  VyplnOblast(64, 64, picture, 0x00FF00);
  EXPECT_EQ(CountPixels(picture, 0x00FF00), 128 * 128);
  // A single-pixel-wide spiral-like path through a big picture is the deepest case.
  Bitmap columns(128, 128, kBlack);
  for (int x = 0; x < 128; x += 2)
    for (int y = 0; y < 128; ++y) columns.SetPixel(x, y, kWhite);
  for (int x = 1; x < 127; x += 2) columns.SetPixel(x, (x / 2) % 2 == 0 ? 127 : 0, kWhite);
  const int path = CountPixels(columns, kWhite);
  VyplnOblast(0, 0, columns, 0x0000FF);
  EXPECT_EQ(CountPixels(columns, 0x0000FF), path);
}

TEST(KresliPriehladne, CopiesEverythingButTheTransparentColour) {
  Bitmap source(3, 2, 0x00FF00);
  source.SetPixel(1, 0, 0xFF00FF);  // transparent
  source.SetPixel(2, 1, 0x123456);
  Bitmap canvas(6, 6, 0x0A0B0C);
  KresliPriehladne(canvas, 2, 3, 3, 2, source, 0xFF00FF);
  EXPECT_EQ(canvas.Pixel(2, 3), 0x00FF00u);
  EXPECT_EQ(canvas.Pixel(3, 3), 0x0A0B0Cu);  // the transparent pixel keeps the canvas
  EXPECT_EQ(canvas.Pixel(4, 4), 0x123456u);
  EXPECT_EQ(canvas.Pixel(1, 3), 0x0A0B0Cu);
  EXPECT_EQ(canvas.Pixel(5, 3), 0x0A0B0Cu);
  EXPECT_EQ(canvas.Pixel(2, 5), 0x0A0B0Cu);
}

TEST(KresliPriehladne, NoTransparentPixelCopiesExactlyAndAllTransparentChangesNothing) {
  Bitmap source(4, 4);
  for (int i = 0; i < 16; ++i) source.SetPixel(i % 4, i / 4, 0x010203 * (i + 1));
  Bitmap canvas(4, 4, 0x777777);
  KresliPriehladne(canvas, 0, 0, 4, 4, source, 0xFFFFFF);
  EXPECT_EQ(canvas, source);
  Bitmap target(4, 4, 0x336699);
  KresliPriehladne(target, 0, 0, 4, 4, Bitmap(4, 4, 0x00FFFF), 0x00FFFF);
  EXPECT_EQ(target, Bitmap(4, 4, 0x336699));
}

TEST(KresliPriehladne, ClipsAtEveryEdgeOfTheCanvas) {
  Bitmap source(4, 4, 0x0000FF);
  Bitmap canvas(3, 3, kWhite);
  KresliPriehladne(canvas, -2, -2, 4, 4, source, kWhite);
  EXPECT_EQ(CountPixels(canvas, 0x0000FF), 4);
  EXPECT_EQ(canvas.Pixel(1, 1), 0x0000FFu);
  EXPECT_EQ(canvas.Pixel(2, 2), kWhite);
  KresliPriehladne(canvas, 2, 2, 4, 4, source, kWhite);
  EXPECT_EQ(canvas.Pixel(2, 2), 0x0000FFu);
  KresliPriehladne(canvas, 100, 100, 4, 4, source, kWhite);  // wholly outside: nothing
  EXPECT_EQ(CountPixels(canvas, 0x0000FF), 5);
}

TEST(ZmenVelkost, EnlargesToExactlyTheRequestedSize) {
  Bitmap picture(16, 16, 0x0000FF);
  for (int y = 0; y < 16; ++y)
    for (int x = 8; x < 16; ++x) picture.SetPixel(x, y, 0xFF0000);
  ZmenVelkost(picture, 64, 64);
  ASSERT_EQ(picture.Width(), 64);
  ASSERT_EQ(picture.Height(), 64);
  // Quality 100 keeps flat areas close; the halves stay where they were.
  EXPECT_TRUE(Near(picture.Pixel(5, 30), 0x0000FF, 8));
  EXPECT_TRUE(Near(picture.Pixel(58, 30), 0xFF0000, 8));
  for (int y = 0; y < 64; ++y) ASSERT_EQ(picture.Pixel(0, y) >> 24, 0u);
}

TEST(ZmenVelkost, ShrinksAndHandlesOddSides) {
  Bitmap picture(128, 128, 0x00C000);
  ZmenVelkost(picture, 32, 32);
  EXPECT_EQ(picture.Width(), 32);
  EXPECT_TRUE(Near(picture.Pixel(16, 16), 0x00C000, 6));
  ZmenVelkost(picture, 5, 117);
  EXPECT_EQ(picture.Width(), 5);
  EXPECT_EQ(picture.Height(), 117);
  Bitmap dot(1, 1, 0x202020);
  ZmenVelkost(dot, 3, 3);
  EXPECT_EQ(dot.Width(), 3);
  EXPECT_TRUE(Near(dot.Pixel(2, 2), 0x202020, 4));
}

TEST(ZmenVelkost, EmptySourcesAndTargetsNeverFail) {
  Bitmap picture(16, 16, 0x00FF00);
  ZmenVelkost(picture, 0, 0);
  EXPECT_TRUE(picture.Empty());
  ZmenVelkost(picture, 8, 4);  // from empty: a white picture of the new size
  EXPECT_EQ(picture, Bitmap(8, 4, kWhite));
  ZmenVelkost(picture, -3, 5);
  EXPECT_TRUE(picture.Empty());
}

TEST(ObrazokNaJpeg, RoundTripsAndAnEmptyPictureGivesAnEmptyImage) {
  Bitmap picture(9, 7, 0x3366CC);
  const std::vector<uint8_t> jpeg = ObrazokNaJpeg(picture, 100);
  ASSERT_GT(jpeg.size(), 100u);
  const Bitmap back = JpegNaBitmapu(jpeg);
  EXPECT_EQ(back.Width(), 9);
  EXPECT_EQ(back.Height(), 7);
  EXPECT_TRUE(Near(back.Pixel(4, 3), 0x3366CC, 4));
  EXPECT_TRUE(ObrazokNaJpeg(Bitmap(), 50).empty());
  EXPECT_TRUE(JpegNaBitmapu({}).Empty());
}

}  // namespace
}  // namespace zorna
