#include "artwork/background_tiles.h"

#include <gtest/gtest.h>

#include "composition/preview.h"

namespace zorna {
namespace {

constexpr Colorref kRed = 0x0000FF;
constexpr Colorref kLavenderColour = Rgb(230, 230, 250);

bool AllPixels(const Bitmap& b, Colorref c) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) != c) return false;
  return true;
}

int CountPixels(const Bitmap& b, Colorref c) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) == c;
  return n;
}

class BackgroundList : public ::testing::TestWithParam<int> {
 protected:
  ImageList list = GetParam() == 32 ? MakeImageList1() : MakeImageList2();
};

TEST_P(BackgroundList, HoldsNineteenPicturesOfItsSize) {
  const int side = GetParam();
  ASSERT_EQ(list.Count(), kBackgroundCount);
  EXPECT_EQ(list.Width(), side);
  EXPECT_EQ(list.Height(), side);
  EXPECT_GE(list.Capacity(), 24);
  for (int i = 0; i < list.Count(); ++i) {
    EXPECT_EQ(list.Picture(i).Width(), side) << i;
    EXPECT_EQ(list.Mask(i).Height(), side) << i;
  }
}

TEST_P(BackgroundList, FirstPicturesArePlainWhiteAndPlainLavender) {
  EXPECT_TRUE(AllPixels(list.Picture(0), kWhite));
  EXPECT_TRUE(AllPixels(list.Mask(0), kBlack));
  EXPECT_TRUE(AllPixels(list.Picture(1), kLavenderColour));
  EXPECT_TRUE(AllPixels(list.Mask(1), kBlack));
}

TEST_P(BackgroundList, EveryPictureIsItsOwnDrawingAndWhiteWhereTransparent) {
  for (int i = 1; i < list.Count(); ++i) {
    const Bitmap& picture = list.Picture(i);
    const Bitmap& mask = list.Mask(i);
    EXPECT_GT(CountPixels(mask, kBlack), list.Width() * list.Height() / 20) << i;
    // Drawn over white through the mask or copied plainly, a tile looks the same.
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        if (mask.Pixel(x, y) == kWhite) {
          ASSERT_EQ(picture.Pixel(x, y), kWhite) << i;
        }
      }
    }
    for (int j = 0; j < i; ++j) EXPECT_NE(picture, list.Picture(j)) << i << " and " << j;
  }
}

TEST_P(BackgroundList, UserSlotPlaceholderCarriesDarkLettering) {
  const Bitmap& placeholder = list.Picture(kUserBackground);
  int dark = 0;
  for (int y = 0; y < placeholder.Height(); ++y)
    for (int x = 0; x < placeholder.Width(); ++x) dark += GreenOf(placeholder.Pixel(x, y)) < 100;
  // Fourteen letters' worth of ink, but far from a filled tile.
  EXPECT_GT(dark, 60);
  EXPECT_LT(dark, placeholder.Width() * placeholder.Height() / 3);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, BackgroundList, ::testing::Values(32, 64));

TEST(BackgroundTiles, StoredUserSlotStartsAsPlainWhite) {
  EXPECT_EQ(BackgroundIndexFromSettings(0), 0);
  EXPECT_EQ(BackgroundIndexFromSettings(17), 17);
  EXPECT_EQ(BackgroundIndexFromSettings(kUserBackground), 0);
  EXPECT_EQ(BackgroundIndexFromSettings(-1), 0);
  EXPECT_EQ(BackgroundIndexFromSettings(40), 0);
}

TEST(BackgroundTiles, TileSizeFollowsTheOutputAcross32) {
  EXPECT_EQ(BackgroundTileSize(0), 32);
  EXPECT_EQ(BackgroundTileSize(32), 32);
  EXPECT_EQ(BackgroundTileSize(33), 64);
  EXPECT_EQ(BackgroundTileSize(128), 64);
  BackgroundLists lists;
  EXPECT_EQ(&lists.ForOutput(32), &lists.list1);
  EXPECT_EQ(&lists.ForOutput(64), &lists.list2);
}

// A corner pixel of the preview after one pick of a white square in mode 2, so that the whole
// preview shows the background.
Colorref BackgroundSeenAt(const BackgroundLists& lists, int output) {
  const Bitmap screen(64, 64, kWhite);
  PickSettings pick;
  pick.input = pick.output = output;
  pick.mode = kTransparentWhite;
  pick.background = kUserBackground;
  Bitmap preview(output, output), work;
  ComposePreview(screen, lists.ForOutput(output), pick, preview, work);
  return preview.Pixel(0, 0);
}

TEST(BackgroundTiles, EachSizeKeepsItsOwnUserPicture) {
  BackgroundLists lists;
  SetUserBackground(lists.ForOutput(32), Bitmap(32, 32, kRed));
  EXPECT_EQ(BackgroundSeenAt(lists, 32), kRed);
  // Switching the output to 64 shows the 64 x 64 user picture, still the placeholder.
  EXPECT_EQ(lists.list2.Picture(kUserBackground), MakeImageList2().Picture(kUserBackground));
  EXPECT_EQ(BackgroundSeenAt(lists, 64), MakeImageList2().Picture(kUserBackground).Pixel(0, 0));
  SetUserBackground(lists.ForOutput(64), Bitmap(64, 64, kBlack));
  EXPECT_EQ(BackgroundSeenAt(lists, 64), kBlack);
  EXPECT_EQ(BackgroundSeenAt(lists, 16), kRed);
}

TEST(BackgroundTiles, ResultIsOpaqueButADialogPictureIsItsOwnMask) {
  ImageList list = MakeImageList1();
  Bitmap picture(32, 32, kRed);
  picture.SetPixel(0, 0, kWhite);
  SetUserBackground(list, Bitmap(32, 32, kWhite));
  EXPECT_TRUE(AllPixels(list.Mask(kUserBackground), kBlack));
  SetUserBackgroundOwnMask(list, picture);
  EXPECT_EQ(list.Mask(kUserBackground).Pixel(0, 0), kWhite);
  EXPECT_EQ(list.Mask(kUserBackground).Pixel(1, 0), kBlack);
}

}  // namespace
}  // namespace zorna
