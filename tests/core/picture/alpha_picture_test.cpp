#include "picture/alpha_picture.h"

#include <gtest/gtest.h>

#include "support/error.h"

namespace zorna {
namespace {

AlphaPicture Opaque(const Bitmap& color) {
  return {color, std::vector<uint8_t>(static_cast<size_t>(color.Width()) * color.Height(), 255)};
}

TEST(AlphaPicture, ReductionAveragesTheAreaEachPixelCoversPartlyCoveredOnesInProportion) {
  // Three pixels into two: each new one covers one and a half old ones, so the middle one
  // counts a third in both; nearest-neighbour would keep pure colours.
  Bitmap row(3, 1);
  row.SetPixel(0, 0, Rgb(255, 0, 0));
  row.SetPixel(1, 0, Rgb(0, 255, 0));
  row.SetPixel(2, 0, Rgb(0, 0, 255));
  const AlphaPicture two = ReduceByAreaAverage(Opaque(row), 2, 1);
  EXPECT_EQ(two.color.Pixel(0, 0), Rgb(170, 85, 0));
  EXPECT_EQ(two.color.Pixel(1, 0), Rgb(0, 85, 170));
  EXPECT_EQ(two.alpha, (std::vector<uint8_t>{255, 255}));

  // In both directions: one opaque pixel in the middle of 3 x 3 is a ninth of each new pixel.
  AlphaPicture dot{Bitmap(3, 3, kBlack), std::vector<uint8_t>(9, 0)};
  dot.color.SetPixel(1, 1, Rgb(40, 80, 120));
  dot.alpha[4] = 255;
  const AlphaPicture small = ReduceByAreaAverage(dot, 2, 2);
  EXPECT_EQ(small.alpha, (std::vector<uint8_t>{28, 28, 28, 28}));
  EXPECT_EQ(small.color.Pixel(1, 0), Rgb(40, 80, 120));
}

TEST(AlphaPicture, TransparentPixelsDoNotDarkenWhatIsOpaque) {
  AlphaPicture half{Bitmap(2, 1, kBlack), {255, 0}};
  half.color.SetPixel(0, 0, Rgb(255, 0, 0));
  const AlphaPicture one = ReduceByAreaAverage(half, 1, 1);
  EXPECT_EQ(one.color.Pixel(0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(one.alpha[0], 128);
  AlphaPicture clear{Bitmap(4, 4, kWhite), std::vector<uint8_t>(16, 0)};
  const AlphaPicture nothing = ReduceByAreaAverage(clear, 3, 3);
  EXPECT_EQ(nothing.color, Bitmap(3, 3, kBlack));
  EXPECT_EQ(nothing.alpha, std::vector<uint8_t>(9, 0));
}

TEST(AlphaPicture, ReductionRefusesToEnlargeOrVanish) {
  const AlphaPicture picture = Opaque(Bitmap(4, 4));
  EXPECT_THROW(ReduceByAreaAverage(picture, 5, 4), Error);
  EXPECT_THROW(ReduceByAreaAverage(picture, 0, 1), Error);
  EXPECT_EQ(ReduceByAreaAverage(picture, 4, 4).color, picture.color);
}

}  // namespace
}  // namespace zorna
