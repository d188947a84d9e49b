#include "picture/image_list.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zorna {
namespace {

constexpr Colorref kRed = 0x0000FF;
constexpr Colorref kGreen = 0x00FF00;

// A 4 x 4 picture: red with a white top-left pixel.
Bitmap RedWithWhiteCorner() {
  Bitmap b(4, 4, kRed);
  b.SetPixel(0, 0, kWhite);
  return b;
}

TEST(ImageList, WithoutMaskEveryPixelIsDrawnEvenWhite) {
  ImageList list(4, 4);
  list.Add(RedWithWhiteCorner());
  Bitmap dst(4, 4, kBlack);
  list.Draw(dst, 0, 0, 0);
  EXPECT_EQ(dst.Pixel(0, 0), kWhite);
  EXPECT_EQ(dst.Pixel(3, 3), kRed);
}

TEST(ImageList, PictureAsItsOwnMaskLetsWhiteThrough) {
  ImageList list(4, 4);
  const Bitmap picture = RedWithWhiteCorner();
  list.Add(picture, &picture);
  EXPECT_EQ(list.Mask(0).Pixel(0, 0), kWhite);
  EXPECT_EQ(list.Mask(0).Pixel(1, 0), kBlack);
  Bitmap dst(4, 4, kGreen);
  list.Draw(dst, 0, 0, 0);
  EXPECT_EQ(dst.Pixel(0, 0), kGreen);
  EXPECT_EQ(dst.Pixel(1, 0), kRed);
}

TEST(ImageList, ReplacementIsCutToTheSlotFromItsTopLeftCorner) {
  ImageList list(4, 4);
  list.Add(Bitmap(4, 4, kGreen));
  Bitmap large(6, 6, kBlack);
  large.SetPixel(3, 3, kRed);
  large.SetPixel(4, 4, kRed);  // beyond the slot
  ASSERT_TRUE(list.Replace(0, large));
  EXPECT_EQ(list.Picture(0).Width(), 4);
  EXPECT_EQ(list.Picture(0).Pixel(3, 3), kRed);
  EXPECT_EQ(list.Picture(0).Pixel(2, 2), kBlack);

  // A smaller picture covers only its own part; the rest of the slot is transparent and keeps
  // nothing of the picture that was there before.
  ASSERT_TRUE(list.Replace(0, Bitmap(2, 3, kRed)));
  Bitmap dst(4, 4, kGreen);
  list.Draw(dst, 0, 0, 0);
  EXPECT_EQ(dst.Pixel(1, 2), kRed);
  EXPECT_EQ(dst.Pixel(2, 0), kGreen);
  EXPECT_EQ(dst.Pixel(0, 3), kGreen);
  EXPECT_EQ(list.Picture(0).Pixel(3, 3), kWhite);
}

TEST(ImageList, DrawIsClippedAndBadIndicesChangeNothing) {
  ImageList list(4, 4);
  list.Add(Bitmap(4, 4, kRed));
  Bitmap dst(3, 3, kGreen);
  list.Draw(dst, 1, -2, 0);
  EXPECT_EQ(dst.Pixel(0, 0), kGreen);
  EXPECT_EQ(dst.Pixel(1, 0), kRed);
  EXPECT_EQ(dst.Pixel(2, 1), kRed);
  EXPECT_EQ(dst.Pixel(1, 2), kGreen);

  Bitmap untouched(3, 3, kGreen);
  list.Draw(untouched, 0, 0, -1);
  list.Draw(untouched, 0, 0, 1);
  EXPECT_EQ(untouched, Bitmap(3, 3, kGreen));
  EXPECT_FALSE(list.Replace(1, Bitmap(4, 4)));
  EXPECT_THROW(list.Picture(1), std::out_of_range);
  EXPECT_THROW(list.Mask(-1), std::out_of_range);
}

TEST(ImageList, GrowsByItsStepOnceFull) {
  ImageList list(2, 2, 24, 4);
  for (int i = 0; i < 24; ++i) list.Add(Bitmap(2, 2));
  EXPECT_EQ(list.Capacity(), 24);
  EXPECT_EQ(list.Add(Bitmap(2, 2)), 24);
  EXPECT_EQ(list.Capacity(), 28);
  EXPECT_EQ(list.Count(), 25);
}

}  // namespace
}  // namespace zorna
