#include <gtest/gtest.h>

#include "picture/raster.h"

namespace zorna {
namespace {

TEST(Raster, StretchDoublesEachPixelAndClipsToBothBitmaps) {
  Bitmap src(2, 2);
  src.SetPixel(0, 0, 0x0000FF);
  src.SetPixel(1, 1, 0xFF0000);
  Bitmap dst(3, 3, kBlack);
  StretchBlt(dst, Rect{0, 0, 4, 4}, src, Rect{0, 0, 2, 2}, SRCCOPY);
  EXPECT_EQ(dst.Pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(dst.Pixel(1, 1), 0x0000FFu);
  EXPECT_EQ(dst.Pixel(2, 2), 0xFF0000u);
  EXPECT_EQ(dst.Pixel(3, 3), kInvalidColor);
}

TEST(Raster, SourceOutsideReadsWhiteAndCodesCombine) {
  Bitmap src(2, 2, 0x123456);
  Bitmap dst(4, 1, 0x0F0F0F);
  BitBlt(dst, 0, 0, 4, 1, src, 0, 0, SRCAND);
  EXPECT_EQ(dst.Pixel(1, 0), 0x123456u & 0x0F0F0Fu);
  EXPECT_EQ(dst.Pixel(3, 0), 0x0F0F0Fu);  // white outside the source keeps the destination
  BitBlt(dst, 0, 0, 1, 1, src, 0, 0, PATCOPY, 0x00AA00);
  EXPECT_EQ(dst.Pixel(0, 0), 0x00AA00u);
  BitBlt(dst, 0, 0, 1, 1, src, 0, 0, MERGECOPY, 0xFFFF00);
  EXPECT_EQ(dst.Pixel(0, 0), 0x123456u & 0xFFFF00u);
}

TEST(Raster, BrushCopyPaintsOnlyTheKeyColour) {
  Bitmap src(2, 1, 0x111111);
  src.SetPixel(1, 0, 0x00FF00);
  Bitmap dst(2, 1);
  BrushCopy(dst, Rect{0, 0, 2, 1}, src, Rect{0, 0, 2, 1}, 0x00FF00, kBlack);
  EXPECT_EQ(dst.Pixel(0, 0), 0x111111u);
  EXPECT_EQ(dst.Pixel(1, 0), kBlack);
}

}  // namespace
}  // namespace zorna
