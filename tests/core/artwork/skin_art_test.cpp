// Our own skins are complete and as the program reads them.
#include "artwork/skin_art.h"

#include <gtest/gtest.h>

#include <map>

#include "core/test_folder.h"
#include "picture/picture_file.h"
#include "settings/skin_folders.h"
#include "support/files.h"

namespace zorna {
namespace {

TEST(OurSkins, EachHasEveryPictureTheLayoutAndTheLink) {
  testing::TestFolder home;
  std::map<std::string, int> caption_heights;
  for (const SkinDesign& design : OurSkins()) {
    const std::filesystem::path folder = home / "Skin" / design.name;
    WriteSkinFolder(folder, DrawSkin(design), "https://zorna.example.org/skiny/");
    std::vector<std::string> required = {skin_file::kOkno, skin_file::kSkinVyrobil,
                                         skin_file::kSpodok, skin_file::kSpodokEnd};
    for (const char* panel : kSkinPanels) {
      for (const char* file : {skin_file::kHlavicka, skin_file::kHlavickaEnd,
                               skin_file::kHlavickaMin, skin_file::kPanelOkno}) {
        required.push_back(SkinPanelFile(panel, file));
      }
    }
    for (const std::string& file : required) {
      EXPECT_FALSE(ReadPictureFile(folder / file).Empty()) << design.name << " " << file;
    }
    for (const char* button : kSkinButtons) {
      const Bitmap glyph = ReadPictureFile(folder / SkinGlyphFile(button));
      const int cells = HasTwoGlyphCells(button) ? 2 : 1;
      EXPECT_EQ(glyph.Width() % cells, 0) << button;
      // The bottom-left colour is left out of the glyph: it must be the surround's, not ink.
      const Colorref key = glyph.Pixel(0, glyph.Height() - 1);
      EXPECT_EQ(glyph.Pixel(0, 0), key) << design.name << " " << button;
      int ink = 0;
      for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x) ink += glyph.Pixel(x, y) != key;
      EXPECT_GT(ink, 30) << design.name << " " << button;
    }
    EXPECT_EQ(ReadWholeFileText(folder / skin_file::kSkinVyrobilText),
              "https://zorna.example.org/skiny/\r\n");
    const SkinLayout layout = ReadSkinLayout(folder / skin_file::kRozmiestnenie);
    EXPECT_EQ(layout.strip_width, design.strip_width);
    caption_heights[design.name] =
        ReadPictureFile(folder / SkinPanelFile("Vstup", skin_file::kHlavicka)).Height();
  }
  // The second folder by name is the one a first start applies: the light one.
  ASSERT_EQ(ListSkinFolders(home.Path()), (std::vector<std::string>{"Bridlica", "Jazero"}));
  EXPECT_NE(caption_heights["Bridlica"], caption_heights["Jazero"]);
}

}  // namespace
}  // namespace zorna
