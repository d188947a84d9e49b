#include "composition/transforms.h"

#include <gtest/gtest.h>

namespace zorna {
namespace {

// Every pixel different, so any misplaced pixel shows.
Bitmap Numbered(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, static_cast<Colorref>(y * 1000 + x));
  return b;
}

TEST(Transforms, FlipsMirrorAndRestoreAfterTwo) {
  for (int side : {1, 4, 5, 32}) {
    const Bitmap original = Numbered(side, side);
    Bitmap picture = original;
    PreklopZvislo(picture);
    EXPECT_EQ(picture.Pixel(0, 0), original.Pixel(0, side - 1));
    EXPECT_EQ(picture.Pixel(side - 1, side / 2), original.Pixel(side - 1, side - 1 - side / 2));
    PreklopZvislo(picture);
    EXPECT_EQ(picture, original);
    PreklopVodorovne(picture);
    EXPECT_EQ(picture.Pixel(0, side - 1), original.Pixel(side - 1, side - 1));
    PreklopVodorovne(picture);
    EXPECT_EQ(picture, original);
  }
}

TEST(Transforms, QuarterTurnsMoveTheCornersAndRestoreAfterFour) {
  for (int side : {2, 5, 32}) {
    const Bitmap original = Numbered(side, side);
    Bitmap picture = original, work;
    const int m = side - 1;
    OtocDolava(picture, work);
    EXPECT_EQ(picture.Pixel(0, 0), original.Pixel(m, 0));  // top-right goes to top-left
    EXPECT_EQ(picture.Pixel(0, m), original.Pixel(0, 0));
    EXPECT_EQ(work, original);
    for (int i = 0; i < 3; ++i) OtocDolava(picture, work);
    EXPECT_EQ(picture, original);

    OtocDoprava(picture, work);
    EXPECT_EQ(picture.Pixel(0, 0), original.Pixel(0, m));  // bottom-left goes to top-left
    EXPECT_EQ(picture.Pixel(m, 0), original.Pixel(0, 0));
    OtocDolava(picture, work);
    EXPECT_EQ(picture, original);
    for (int i = 0; i < 4; ++i) OtocDoprava(picture, work);
    EXPECT_EQ(picture, original);
  }
}

TEST(Transforms, TurningAPictureThatIsNotSquareLosesNothing) {
  const Bitmap original = Numbered(3, 5);
  Bitmap picture = original, work;
  OtocDoprava(picture, work);
  ASSERT_EQ(picture.Width(), 5);
  ASSERT_EQ(picture.Height(), 3);
  EXPECT_EQ(picture.Pixel(4, 0), original.Pixel(0, 0));
  EXPECT_EQ(picture.Pixel(0, 2), original.Pixel(2, 4));
  OtocDolava(picture, work);
  EXPECT_EQ(picture, original);
  Bitmap empty;
  PreklopZvislo(empty);
  OtocDolava(empty, work);
  EXPECT_TRUE(empty.Empty());
}

}  // namespace
}  // namespace zorna
