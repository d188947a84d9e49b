// A skin's layout file: its defaults and its keys, which carry diacritics in code page 1250.
#include "settings/skin_layout.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/test_folder.h"

namespace zorna {
namespace {

TEST(SkinLayout, MissingFileAndKeysGiveTheDefaults) {
  testing::TestFolder dir;
  const SkinLayout none = ReadSkinLayout(dir / "rozmiestnenie.ini");
  EXPECT_EQ(none.strip_width, 60);
  EXPECT_TRUE(none.strip_right);
  EXPECT_EQ(none.ButtonPosition("Save").x, 10);
  EXPECT_EQ(none.ButtonPosition("PreklopZvislo").y, 10);

  std::ofstream(dir / "rozmiestnenie.ini", std::ios::binary)
      << "[Okno s tla\xE8\xEDtkami]\r\n\x8A\xEDrka=72\r\nJe v pravo=0\r\n"
         "[Tla\xE8\xEDtka]\r\nSave X=31\r\nsave y=-5\r\nClose X=abc\r\n";
  const SkinLayout read = ReadSkinLayout(dir / "rozmiestnenie.ini");
  EXPECT_EQ(read.strip_width, 72);
  EXPECT_FALSE(read.strip_right);
  EXPECT_EQ(read.ButtonPosition("Save").x, 31);
  EXPECT_EQ(read.ButtonPosition("Save").y, -5);  // kept inside its panel by the window
  EXPECT_EQ(read.ButtonPosition("Close").x, 10);
  EXPECT_EQ(read.ButtonPosition("Close").y, 10);

  WriteSkinLayout(dir / "znova.ini", read);
  const SkinLayout again = ReadSkinLayout(dir / "znova.ini");
  EXPECT_EQ(again.strip_width, 72);
  EXPECT_EQ(again.ButtonPosition("Save").y, -5);
}

TEST(SkinLayout, KeepInsideHoldsWhatFitsInItsRoom) {
  EXPECT_EQ(KeepInside(-40, 24, 60), 0);
  EXPECT_EQ(KeepInside(100000, 24, 60), 36);
  EXPECT_EQ(KeepInside(12, 24, 60), 12);
  EXPECT_EQ(KeepInside(12, 80, 60), 0);  // too large to fit: at the start
}

}  // namespace
}  // namespace zorna
