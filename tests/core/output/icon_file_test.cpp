#include "output/icon_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/file_size_limit.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace {

constexpr Colorref kRed = Rgb(255, 0, 0);
constexpr Colorref kGreen = Rgb(0, 128, 0);

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

// Reads one pixel of a written icon file back: its colour (through the file's own table) and
// whether its mask bit says transparent. Rows are stored bottom first.
struct FilePixel {
  Colorref color;
  bool transparent;
};
FilePixel PixelOfFile(const std::vector<uint8_t>& file, int x, int y) {
  const int s = file[6];
  const size_t color_row = (4 * s + 31) / 32 * 4, mask_row = (s + 31) / 32 * 4;
  const size_t colors = 126 + color_row * (s - 1 - y);
  const uint8_t byte = file[colors + x / 2];
  const int index = x % 2 == 0 ? byte >> 4 : byte & 0x0F;
  const size_t entry = 62 + 4 * index;
  const size_t masks = 126 + color_row * s + mask_row * (s - 1 - y);
  const bool transparent = (file[masks + x / 8] >> (7 - x % 8)) & 1;
  return {Rgb(file[entry + 2], file[entry + 1], file[entry]), transparent};
}

// A white picture with a figure: black outline pixels, a red pixel, a white pixel inside the
// figure, a marker-coloured pixel and grey.
Bitmap Figure(int side) {
  Bitmap b(side, side, kWhite);
  b.SetPixel(1, 1, kBlack);
  b.SetPixel(2, 1, kRed);
  b.SetPixel(3, 1, kBlack);
  b.SetPixel(2, 2, kWhite);
  b.SetPixel(1, 3, kIconMarkerColor);
  b.SetPixel(3, 3, Rgb(128, 128, 128));
  return b;
}

bool Transparent(const Icon& icon, int x, int y) {
  return icon.mask.Pixel(x, y) == kWhite;
}

TEST(IconFile, SizesFollowTheSide) {
  const std::pair<int, size_t> sizes[] = {{8, 190},  {16, 318},  {20, 446},
                                          {32, 766}, {64, 2686}, {128, 10366}};
  for (auto [side, bytes] : sizes) {
    const auto file = EncodeIconFile(MakeIcon(Bitmap(side, side), IconTransparency::kWhite));
    EXPECT_EQ(file.size(), bytes) << side;
    EXPECT_EQ(Read32(file, 14), bytes - 22) << side;
  }
}

TEST(IconFile, SidesOutsideFiveTo128AreRefusedAndNothingIsWritten) {
  for (int side : {4, 129}) {
    EXPECT_THROW(EncodeIconFile(MakeIcon(Bitmap(side, side), IconTransparency::kWhite)), Error);
  }
  const auto path = std::filesystem::temp_directory_path() / "zorna_icon_refused.ico";
  std::filesystem::remove(path);
  EXPECT_THROW(WriteIconFile(path, MakeIcon(Bitmap(16, 8), IconTransparency::kWhite)), Error);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(IconFile, PixelsAndMaskBitsLandBottomRowFirstHighNibbleFirst) {
  // Side 5: rows of 3 colour bytes padded to 4, mask rows of 1 byte padded to 4.
  Bitmap b(5, 5, kWhite);
  b.SetPixel(0, 0, kRed);
  b.SetPixel(1, 0, kGreen);
  b.SetPixel(4, 4, kBlack);
  b.SetPixel(4, 0, Rgb(0, 0, 255));
  const auto file = EncodeIconFile(MakeIcon(b, IconTransparency::kWhite));
  EXPECT_EQ(file.size(), 22u + 40 + 64 + 4 * 5 + 4 * 5);
  EXPECT_EQ(PixelOfFile(file, 0, 0).color, kRed);
  EXPECT_EQ(PixelOfFile(file, 1, 0).color, kGreen);
  EXPECT_EQ(PixelOfFile(file, 4, 0).color, Rgb(0, 0, 255));
  EXPECT_EQ(PixelOfFile(file, 4, 4).color, kBlack);
  EXPECT_FALSE(PixelOfFile(file, 4, 4).transparent);
  EXPECT_FALSE(PixelOfFile(file, 0, 0).transparent);
  EXPECT_TRUE(PixelOfFile(file, 2, 2).transparent);
  EXPECT_EQ(PixelOfFile(file, 2, 2).color, kBlack);
  // The padding of each row stays zero.
  EXPECT_EQ(file[126 + 3], 0);
  EXPECT_EQ(file[126 + 20 + 1], 0);
}

TEST(IconFile, ColoursOutsideTheTableTakeTheNearestEntry) {
  for (Colorref c : IconPalette()) EXPECT_EQ(IconPalette()[NearestIconPaletteIndex(c)], c);
  EXPECT_EQ(IconPalette()[NearestIconPaletteIndex(kIconMarkerColor)], kWhite);
  EXPECT_EQ(IconPalette()[NearestIconPaletteIndex(Rgb(100, 0, 0))], Rgb(128, 0, 0));
  EXPECT_EQ(IconPalette()[NearestIconPaletteIndex(Rgb(200, 190, 180))], Rgb(192, 192, 192));
  EXPECT_EQ(IconPalette()[NearestIconPaletteIndex(Rgb(30, 30, 250))], Rgb(0, 0, 255));
}

TEST(IconConversion, WhiteKeyMakesEveryWhitePixelTransparentAlsoInsideTheFigure) {
  const Icon icon = MakeIcon(Figure(8), IconTransparency::kWhite);
  EXPECT_TRUE(Transparent(icon, 0, 0));
  EXPECT_TRUE(Transparent(icon, 2, 2));
  EXPECT_EQ(icon.color.Pixel(2, 2), kBlack);
  EXPECT_FALSE(Transparent(icon, 1, 1));
  EXPECT_EQ(icon.color.Pixel(1, 1), kBlack);
  EXPECT_FALSE(Transparent(icon, 2, 1));
  EXPECT_EQ(icon.color.Pixel(2, 1), kRed);
  // A picture pixel of the marker colour comes out opaque black.
  EXPECT_FALSE(Transparent(icon, 1, 3));
  EXPECT_EQ(icon.color.Pixel(1, 3), kBlack);
}

TEST(IconConversion, BlackTopLeftKeyMakesEveryBlackPixelTransparent) {
  Bitmap b = Figure(8);
  b.SetPixel(0, 0, kBlack);
  const Icon icon = MakeIcon(b, IconTransparency::kTopLeft);
  EXPECT_TRUE(Transparent(icon, 0, 0));
  EXPECT_TRUE(Transparent(icon, 1, 1));
  EXPECT_TRUE(Transparent(icon, 3, 1));
  EXPECT_FALSE(Transparent(icon, 5, 5));
  EXPECT_EQ(icon.color.Pixel(5, 5), kWhite);
  EXPECT_FALSE(Transparent(icon, 1, 3));
  EXPECT_EQ(icon.color.Pixel(1, 3), kBlack);
}

TEST(IconConversion, BottomRightKeyOfTheMarkerColourAlsoTakesTheBlackPixels) {
  Bitmap b = Figure(8);
  b.SetPixel(7, 7, kIconMarkerColor);
  const Icon icon = MakeIcon(b, IconTransparency::kBottomRight);
  EXPECT_TRUE(Transparent(icon, 7, 7));
  EXPECT_TRUE(Transparent(icon, 1, 3));
  EXPECT_TRUE(Transparent(icon, 1, 1));
  EXPECT_TRUE(Transparent(icon, 3, 1));
  EXPECT_FALSE(Transparent(icon, 0, 0));
  EXPECT_EQ(icon.color.Pixel(0, 0), kWhite);
  EXPECT_EQ(icon.color.Pixel(2, 1), kRed);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      if (Transparent(icon, x, y)) {
        EXPECT_EQ(icon.color.Pixel(x, y), kBlack);
      }
    }
  }
}

TEST(IconConversion, OpaqueKeepsEveryPixelWithBlackStayingBlack) {
  const Icon icon = MakeIcon(Figure(8), IconTransparency::kOpaque);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) EXPECT_FALSE(Transparent(icon, x, y)) << x << "," << y;
  }
  EXPECT_EQ(icon.color.Pixel(1, 1), kBlack);
  EXPECT_EQ(icon.color.Pixel(0, 0), kWhite);
  EXPECT_EQ(icon.color.Pixel(1, 3), kBlack);
  EXPECT_EQ(icon.color.Pixel(3, 3), Rgb(128, 128, 128));
  const auto file = EncodeIconFile(icon);
  for (size_t i = 126 + 4 * 8; i < file.size(); ++i) EXPECT_EQ(file[i], 0) << i;
}

TEST(IconConversion, TheResultPictureItselfIsLeftAlone) {
  const Bitmap b = Figure(8);
  const Bitmap before = b;
  MakeIcon(b, IconTransparency::kTopLeft);
  EXPECT_EQ(b, before);
}

using zorna::testing::FileSizeLimit;

TEST(IconFile, AFailedWriteReportsTheNameAndKeepsTheEarlierFile) {
  const auto folder = std::filesystem::temp_directory_path() / "zorna_icon_keep";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "taken.ico" / "inner");
  const Icon big = MakeIcon(Bitmap(128, 128), IconTransparency::kWhite);
  // A name that is a folder.
  EXPECT_THROW(WriteIconFile(folder / "taken.ico", big), Error);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.ico" / "inner"));
  // A full disk half-way through the file.
  const auto target = folder / "old.ico";
  WriteFileAtomically(target, std::string("old"));
  try {
    FileSizeLimit limit(4096);
    WriteIconFile(target, big);
    ADD_FAILURE() << "a write past the disk's end succeeded";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file " + target.string() + ": File too large");
  }
  EXPECT_EQ(ReadWholeFileText(target), "old");
  // A folder that does not exist.
  EXPECT_THROW(WriteIconFile(folder / "missing" / "new.ico", big), Error);
  std::filesystem::remove(target);
  std::filesystem::remove_all(folder / "taken.ico");
  EXPECT_TRUE(std::filesystem::is_empty(folder)) << "a temporary file was left behind";
  std::filesystem::remove_all(folder);
}

TEST(IconPreview, ResultSitsAtTheControlsCentreOverTheBackgroundAndIsClipped) {
  const Bitmap background(64, 64, Rgb(10, 20, 30));
  Bitmap result = Figure(16);
  // o = 36 - 8 = 28.
  const Bitmap white_key = IconDialogPreview(background, result, IconTransparency::kWhite);
  ASSERT_EQ(white_key.Width(), 64);
  EXPECT_EQ(white_key.Pixel(28, 28), Rgb(10, 20, 30));
  EXPECT_EQ(white_key.Pixel(29, 29), kBlack);
  EXPECT_EQ(white_key.Pixel(30, 29), kRed);
  EXPECT_EQ(white_key.Pixel(27, 29), Rgb(10, 20, 30));
  const Bitmap opaque = IconDialogPreview(background, result, IconTransparency::kOpaque);
  EXPECT_EQ(opaque.Pixel(28, 28), kWhite);
  EXPECT_EQ(opaque.Pixel(43, 43), kWhite);
  EXPECT_EQ(opaque.Pixel(44, 44), Rgb(10, 20, 30));
  // Side 128: o = -28, so result pixel (28 + x, 28 + y) shows at (x, y).
  Bitmap big(128, 128, kWhite);
  big.SetPixel(28, 28, kRed);
  big.SetPixel(91, 91, kGreen);
  big.SetPixel(127, 127, kBlack);
  const Bitmap clipped = IconDialogPreview(background, big, IconTransparency::kBottomRight);
  EXPECT_EQ(clipped.Pixel(0, 0), kRed);
  EXPECT_EQ(clipped.Pixel(63, 63), kGreen);
  EXPECT_EQ(clipped.Pixel(1, 1), kWhite);  // the key is black here, so white stays
}

}  // namespace
}  // namespace zorna
