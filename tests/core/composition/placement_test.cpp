#include "composition/placement.h"

#include <gtest/gtest.h>

namespace zorna {
namespace {

TEST(Placement, BlankSlotIsWhiteAtAnySideAndPastingKeepsWhatThePictureDoesNotCover) {
  ImageList tiles(64, 64);
  tiles.Add(Bitmap(64, 64, kWhite));
  Bitmap screen(600, 200, kBlack);
  Bitmap scratch;
  PaintBlank(screen, kPlacementSlot, tiles, 128, scratch);  // the tile has only 64 pixels
  EXPECT_EQ(screen.Pixel(320, 10), kWhite);
  EXPECT_EQ(screen.Pixel(436, 126), kWhite);
  EXPECT_EQ(screen.Pixel(437, 126), kBlack);
  EXPECT_EQ(screen.Pixel(319, 10), kBlack);

  PastePicture(screen, kSmallPictureX, kSmallPictureY, Bitmap(16, 16, Rgb(1, 2, 3)), 32);
  EXPECT_EQ(screen.Pixel(362 + 15, 52 + 15), Rgb(1, 2, 3));
  EXPECT_EQ(screen.Pixel(362 + 16, 52), kWhite);
  PastePicture(screen, kLargePictureX, kLargePictureY, Bitmap(100, 100, Rgb(9, 9, 9)), 64);
  EXPECT_EQ(screen.Pixel(346 + 63, 36 + 63), Rgb(9, 9, 9));
  EXPECT_EQ(screen.Pixel(346 + 64, 36 + 64), kWhite);
}

}  // namespace
}  // namespace zorna
