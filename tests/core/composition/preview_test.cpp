#include "composition/preview.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "artwork/background_tiles.h"

namespace zorna {
namespace {

constexpr Colorref kRed = 0x0000FF;
constexpr Colorref kBlue = 0xFF0000;
constexpr Colorref kGreen = 0x008000;
constexpr Colorref kTeal = 0x808000;
constexpr Colorref kSilver = 0xC0C0C0;
constexpr Colorref kLavenderColour = Rgb(230, 230, 250);
constexpr int kLavenderTile = 1;

// Shared by the tests: building the lists draws all the artwork.
const BackgroundLists& Lists() {
  static const BackgroundLists lists;
  return lists;
}

// One pick into a preview that has the output size.
struct Pick {
  PickSettings settings;
  Bitmap preview;
  Bitmap work;

  explicit Pick(int input, int output, int mode, int background = kLavenderTile) {
    settings.input = input;
    settings.output = output;
    settings.mode = mode;
    settings.background = background;
    preview = Bitmap(output, output);
  }
  const Bitmap& At(const Bitmap& screen, int x, int y) {
    settings.x = x;
    settings.y = y;
    ComposePreview(screen, Lists().ForOutput(settings.output), settings, preview, work);
    return preview;
  }
};

Bitmap Square(const Bitmap& screen, int x, int y, int side) {
  Bitmap square(side, side);
  for (int j = 0; j < side; ++j)
    for (int i = 0; i < side; ++i) square.SetPixel(i, j, screen.Pixel(x + i, y + j));
  return square;
}

// A screen with a little of everything: a gradient and a few solid blocks.
Bitmap Screen() {
  Bitmap screen(200, 150);
  for (int y = 0; y < screen.Height(); ++y)
    for (int x = 0; x < screen.Width(); ++x) screen.SetPixel(x, y, Rgb(x, y, (x * y) % 256));
  return screen;
}

bool Near(Colorref a, Colorref b, int tolerance) {
  return std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
         std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
         std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

TEST(ComposePreview, CoverAtEqualSizesOverWhiteIsTheSquareItself) {
  const Bitmap screen = Screen();
  Pick pick(32, 32, kCoverWithPicture, 0);
  EXPECT_EQ(pick.At(screen, 40, 17), Square(screen, 40, 17, 32));
}

TEST(ComposePreview, SmallSquareSitsInTheMiddleOfTheStretchedBackground) {
  const Bitmap screen = Screen();
  Pick pick(16, 64, kCoverWithPicture);
  const Bitmap& preview = pick.At(screen, 100, 50);
  EXPECT_EQ(preview.Pixel(24, 24), screen.Pixel(100, 50));
  EXPECT_EQ(preview.Pixel(39, 39), screen.Pixel(115, 65));
  EXPECT_EQ(preview.Pixel(23, 24), kLavenderColour);
  EXPECT_EQ(preview.Pixel(40, 39), kLavenderColour);
  EXPECT_EQ(preview.Pixel(63, 0), kLavenderColour);
}

TEST(ComposePreview, SmoothEnlargementFillsThePreviewWithTheSquareAlone) {
  Bitmap screen(64, 64, kRed);
  for (int y = 8; y < 16; ++y)
    for (int x = 8; x < 16; ++x) screen.SetPixel(x, y, kBlue);
  Pick pick(16, 64, kCoverWithPicture);
  pick.settings.smooth = true;
  const Bitmap& preview = pick.At(screen, 0, 0);
  ASSERT_EQ(preview.Width(), 64);
  ASSERT_EQ(preview.Height(), 64);
  // No background anywhere: the corners are the square's red, its blue quarter is enlarged.
  EXPECT_TRUE(Near(preview.Pixel(0, 0), kRed, 24));
  EXPECT_TRUE(Near(preview.Pixel(63, 0), kRed, 24));
  EXPECT_TRUE(Near(preview.Pixel(48, 48), kBlue, 24));
  EXPECT_TRUE(Near(preview.Pixel(40, 40), kBlue, 24));
}

TEST(ComposePreview, CombineColoursOverlaysEverySquareSinceTheLastReplacement) {
  Bitmap screen(100, 40, kWhite);
  screen.SetPixel(3, 3, kBlack);         // a shape in the first square
  screen.SetPixel(60 + 10, 10, kBlack);  // a shape in the second square
  Pick pick(32, 32, kCombineColours, 0);
  pick.At(screen, 0, 0);
  const Bitmap& preview = pick.At(screen, 60, 0);
  EXPECT_EQ(preview.Pixel(3, 3), kBlack);
  EXPECT_EQ(preview.Pixel(10, 10), kBlack);
  EXPECT_EQ(preview.Pixel(20, 20), kWhite);

  // Over a coloured background every pixel is also ANDed with the tile.
  Pick over_lavender(32, 32, kCombineColours);
  EXPECT_EQ(over_lavender.At(Bitmap(32, 32, 0x00FFFF), 0, 0).Pixel(5, 5),
            kLavenderColour & 0x00FFFF);
}

TEST(ComposePreview, WhiteIsTransparentInsideTheShapeToo) {
  Bitmap screen(32, 32, kWhite);
  for (int y = 8; y < 24; ++y)
    for (int x = 8; x < 24; ++x) screen.SetPixel(x, y, x == 16 && y == 16 ? kWhite : kBlue);
  Pick pick(32, 32, kTransparentWhite);
  const Bitmap& preview = pick.At(screen, 0, 0);
  EXPECT_EQ(preview.Pixel(0, 0), kLavenderColour);
  EXPECT_EQ(preview.Pixel(10, 10), kBlue);
  EXPECT_EQ(preview.Pixel(16, 16), kLavenderColour);
}

TEST(ComposePreview, CornerPixelColoursAreTransparentWherePresent) {
  Bitmap screen(32, 32, kGreen);
  screen.SetPixel(0, 0, kRed);
  screen.SetPixel(20, 20, kRed);
  {
    Pick pick(32, 32, kTransparentTopLeft);
    const Bitmap& preview = pick.At(screen, 0, 0);
    EXPECT_EQ(preview.Pixel(0, 0), kLavenderColour);
    EXPECT_EQ(preview.Pixel(20, 20), kLavenderColour);
    EXPECT_EQ(preview.Pixel(31, 31), kGreen);
  }
  {
    Pick pick(32, 32, kTransparentBottomRight);
    const Bitmap& preview = pick.At(screen, 0, 0);
    EXPECT_EQ(preview.Pixel(0, 0), kRed);
    EXPECT_EQ(preview.Pixel(31, 31), kLavenderColour);
  }
}

TEST(ComposePreview, TransparentSquaresSitCentredUnlessSmoothlyEnlarged) {
  // 7 in 20: the odd difference of 13 puts the square at (6, 6).
  Bitmap screen(40, 40, kWhite);
  screen.SetPixel(0, 0, kBlue);
  screen.SetPixel(6, 6, kRed);
  Pick centred(7, 20, kTransparentWhite);
  const Bitmap& preview = centred.At(screen, 0, 0);
  EXPECT_EQ(preview.Pixel(6, 6), kBlue);
  EXPECT_EQ(preview.Pixel(12, 12), kRed);
  EXPECT_EQ(preview.Pixel(5, 5), kLavenderColour);
  EXPECT_EQ(preview.Pixel(7, 7), kLavenderColour);  // white of the square
  EXPECT_EQ(preview.Pixel(13, 13), kLavenderColour);

  // Smoothly enlarged, the work picture has the output size and is drawn from (0, 0).
  Bitmap framed(16, 16, kRed);
  for (int y = 4; y < 12; ++y)
    for (int x = 4; x < 12; ++x) framed.SetPixel(x, y, kBlue);
  Pick smooth(16, 64, kTransparentTopLeft);
  smooth.settings.smooth = true;
  const Bitmap& enlarged = smooth.At(framed, 0, 0);
  EXPECT_EQ(enlarged.Pixel(0, 0), kLavenderColour);
  EXPECT_TRUE(Near(enlarged.Pixel(32, 32), kBlue, 24));
  EXPECT_TRUE(Near(enlarged.Pixel(20, 32), kBlue, 24));
}

TEST(ComposePreview, BottomRightKeyIsTakenFromTheShrunkPicture) {
  Bitmap screen(64, 64, kRed);
  for (int y = 0; y < 64; ++y)
    for (int x = 32; x < 64; ++x) screen.SetPixel(x, y, kGreen);
  for (bool mode1 : {true, false}) {  // the shrink mode plays no part here
    Pick pick(64, 32, kTransparentBottomRight);
    pick.settings.shrink_mode1 = mode1;
    const Bitmap& preview = pick.At(screen, 0, 0);
    EXPECT_EQ(preview.Pixel(31, 31), kLavenderColour);
    EXPECT_EQ(preview.Pixel(16, 0), kLavenderColour);
    EXPECT_EQ(preview.Pixel(15, 31), kRed);
  }
}

// A square with a uniform blue border region around a white shape; a red line from the
// centre to the bottom-right corner region divides nothing, while `split` adds a red
// diagonal that separates the top-left corner from the bottom-right one.
Bitmap Framed(bool split) {
  Bitmap screen(32, 32, kBlue);
  for (int y = 12; y < 20; ++y)
    for (int x = 12; x < 20; ++x) screen.SetPixel(x, y, kWhite);
  if (split)
    for (int i = 0; i < 32; ++i) screen.SetPixel(31 - i, i, kRed);
  return screen;
}

TEST(ComposePreview, CroppingFromTheTopLeftKeepsAWhiteShapeInside) {
  Pick pick(32, 32, kCropFromTopLeft);
  const Bitmap& preview = pick.At(Framed(false), 0, 0);
  EXPECT_EQ(preview.Pixel(0, 0), kLavenderColour);
  EXPECT_EQ(preview.Pixel(31, 31), kLavenderColour);
  EXPECT_EQ(preview.Pixel(15, 15), kWhite);
}

TEST(ComposePreview, CroppingFromBothCornersWhetherOrNotTheyAreConnected) {
  for (bool split : {false, true}) {
    Pick both(32, 32, kCropFromBoth);
    const Bitmap& preview = both.At(Framed(split), 0, 0);
    EXPECT_EQ(preview.Pixel(0, 0), kLavenderColour) << split;
    EXPECT_EQ(preview.Pixel(31, 31), kLavenderColour) << split;
    EXPECT_EQ(preview.Pixel(15, 15), kWhite) << split;
  }
  // Split, each one-corner mode leaves the other side alone.
  Pick top_left(32, 32, kCropFromTopLeft), bottom_right(32, 32, kCropFromBottomRight);
  EXPECT_EQ(top_left.At(Framed(true), 0, 0).Pixel(31, 31), kBlue);
  EXPECT_EQ(top_left.preview.Pixel(0, 0), kLavenderColour);
  EXPECT_EQ(bottom_right.At(Framed(true), 0, 0).Pixel(0, 0), kBlue);
  EXPECT_EQ(bottom_right.preview.Pixel(31, 31), kLavenderColour);
}

TEST(ComposePreview, WhenAllTwentyColoursOccurTealIsTheKey) {
  const Colorref candidates[] = {0xFFFF00, 0x000000, 0xFF0000, 0xF0FBFF, 0x808080,
                                 0xFF00FF, 0x008000, 0x00FF00, 0xC0C0C0, 0x000080,
                                 0xA4A0A0, 0xC0DCC0, 0x800000, 0x008080, 0x800080,
                                 0x0000FF, 0xF0CAA6, 0x808000, 0xFFFFFF, 0x00FFFF};
  Bitmap screen(32, 32, 0x123456);
  for (int i = 0; i < 20; ++i) screen.SetPixel(4 + i, 16, candidates[i]);
  screen.SetPixel(10, 25, kTeal);  // far from the top-left region
  Pick pick(32, 32, kCropFromTopLeft);
  const Bitmap& preview = pick.At(screen, 0, 0);
  EXPECT_EQ(preview.Pixel(0, 0), kLavenderColour);
  EXPECT_EQ(preview.Pixel(10, 25), kLavenderColour);
  EXPECT_EQ(preview.Pixel(4 + 17, 16), kLavenderColour);  // the teal among the twenty
  EXPECT_EQ(preview.Pixel(4 + 8, 16), kSilver);
}

TEST(ComposePreview, ShrinkModeTwoStretchesStraightOntoTheBackground) {
  Bitmap screen(64, 64, kBlue);
  screen.SetPixel(63, 63, kRed);
  Pick pick(64, 32, kCoverWithPicture);
  pick.settings.shrink_mode1 = false;
  const Bitmap& preview = pick.At(screen, 0, 0);
  EXPECT_EQ(preview.Pixel(0, 0), kBlue);
  EXPECT_EQ(preview.Pixel(31, 31), kRed);  // nearest neighbour keeps single pixels
  // Shrink mode 1 resamples through a JPEG: the lone pixel is smoothed away.
  pick.settings.shrink_mode1 = true;
  EXPECT_FALSE(pick.At(screen, 0, 0).Pixel(31, 31) == kRed);
  EXPECT_EQ(pick.preview.Width(), 32);
}

TEST(ComposePreview, SquaresPastTheEdgesReadWhiteAndNoSelectionLeavesWhite) {
  const Bitmap screen = Screen();
  Pick pick(32, 32, kCoverWithPicture, -1);
  const Bitmap& preview = pick.At(screen, 190, 140);
  EXPECT_EQ(preview.Pixel(0, 0), screen.Pixel(190, 140));
  EXPECT_EQ(preview.Pixel(10, 0), kWhite);
  EXPECT_EQ(preview.Pixel(0, 10), kWhite);
  Pick far(32, 32, kCoverWithPicture, kBackgroundCount);
  EXPECT_EQ(far.At(screen, 5000, 5000), Bitmap(32, 32, kWhite));
}

// Every pair of sizes (0 is the unconfirmed custom entry), every mode and switch, and picks at
// the corners and past the edges: the preview always ends up O x O and nothing else happens.
TEST(ComposePreview, EveryCombinationOfSizesKeepsThePreviewAtTheOutputSize) {
  const Bitmap screen = Screen();
  const int sides[] = {0, 5, 16, 32, 33, 128};
  const int points[][2] = {{0, 0}, {190, 140}, {250, 10}};
  for (int in : sides)
    for (int out : sides)
      for (int mode = 0; mode < kCompositionModeCount; ++mode)
        for (int flags = 0; flags < 4; ++flags) {
          Pick pick(in, out, mode, mode == 3 ? kUserBackground : 2 + mode);
          pick.settings.smooth = flags & 1;
          pick.settings.shrink_mode1 = flags & 2;
          for (const auto& p : points) {
            pick.At(screen, p[0], p[1]);
            ASSERT_EQ(pick.preview.Width(), out) << in << " " << out << " " << mode << " " << flags;
            ASSERT_EQ(pick.preview.Height(), out);
          }
        }
}

}  // namespace
}  // namespace zorna
