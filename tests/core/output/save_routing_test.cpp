#include "output/save_routing.h"

#include <gtest/gtest.h>

namespace zorna {
namespace {

// 1-based index of the entry with this description in the list.
int IndexOf(const std::string& filter, const std::string& description) {
  const auto entries = ParseFilterList(filter);
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].description == description) return static_cast<int>(i) + 1;
  }
  return 0;
}

TEST(SaveRouting, FilterListFollowsTheRememberedTypeExactly) {
  // The two modern types follow the four classic ones in every classic order.
  const std::string modern = "|PNG súbory (*.png)|*.png|Ikona s priehľadnosťou (*.ico)|*.ico";
  EXPECT_EQ(SaveFilterFor("jpg"),
            "Jpeg súbory (*.jpg, *.jpeg)|*.jpg;*.jpeg|Bitmapy (*.bmp)|*.bmp|Zorna (*.ico)|*.ico|"
            "Tlačítko (*.bmp)|*.bmp" +
                modern);
  EXPECT_EQ(SaveFilterFor("bmp"),
            "Bitmapy (*.bmp)|*.bmp|Jpeg súbory (*.jpg, *.jpeg)|*.jpg;*.jpeg|Zorna (*.ico)|*.ico|"
            "Tlačítko (*.bmp)|*.bmp" +
                modern);
  EXPECT_EQ(SaveFilterFor("ico"),
            "Zorna (*.ico)|*.ico|Bitmapy (*.bmp)|*.bmp|Jpeg súbory (*.jpg, *.jpeg)|*.jpg;*.jpeg|"
            "Tlačítko (*.bmp)|*.bmp" +
                modern);
  EXPECT_EQ(SaveFilterFor("btn"),
            "Tlačítko (*.bmp)|*.bmp|Zorna (*.ico)|*.ico|Bitmapy (*.bmp)|*.bmp|"
            "Jpeg súbory (*.jpg, *.jpeg)|*.jpg;*.jpeg" +
                modern);
  // Remembered, a modern type leads the JPEG-first order.
  EXPECT_EQ(
      SaveFilterFor("png"),
      "PNG súbory (*.png)|*.png|Jpeg súbory (*.jpg, *.jpeg)|*.jpg;*.jpeg|Bitmapy (*.bmp)|"
      "*.bmp|Zorna (*.ico)|*.ico|Tlačítko (*.bmp)|*.bmp|Ikona s priehľadnosťou (*.ico)|*.ico");
  EXPECT_EQ(SaveFilterFor("ico32"),
            "Ikona s priehľadnosťou (*.ico)|*.ico|Jpeg súbory (*.jpg, *.jpeg)|*.jpg;*.jpeg|"
            "Bitmapy (*.bmp)|*.bmp|Zorna (*.ico)|*.ico|Tlačítko (*.bmp)|*.bmp|"
            "PNG súbory (*.png)|*.png");
  const std::string design =
      "Bitmapy (*.bmp)|*.bmp|Jpeg súbory (*.jpg, *.jpeg)|*.jpg;*.jpeg|Gif súbory (*.gif)|*.gif";
  EXPECT_EQ(SaveFilterFor("JPG"), design);
  EXPECT_EQ(SaveFilterFor(" ico"), design);
  EXPECT_EQ(SaveFilterFor(""), design);
  // A missing key reads as the default, which puts JPEG first.
  EXPECT_EQ(SaveFilterFor(kSaveTypeDefault), SaveFilterFor("jpg"));
}

TEST(SaveRouting, FilterEntriesSplitIntoDescriptionsAndPatterns) {
  const auto entries = ParseFilterList(SaveFilterFor("jpg"));
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[0].description, "Jpeg súbory (*.jpg, *.jpeg)");
  EXPECT_EQ(entries[0].patterns, (std::vector<std::string>{"*.jpg", "*.jpeg"}));
  EXPECT_EQ(entries[3].description, "Tlačítko (*.bmp)");
  EXPECT_EQ(entries[3].patterns, (std::vector<std::string>{"*.bmp"}));
}

TEST(SaveRouting, ButtonEntryIsFoundByCountingBarsBeforeItsName) {
  EXPECT_EQ(ButtonFilterIndex(SaveFilterFor("jpg")), 4);
  EXPECT_EQ(ButtonFilterIndex(SaveFilterFor("bmp")), 4);
  EXPECT_EQ(ButtonFilterIndex(SaveFilterFor("ico")), 4);
  EXPECT_EQ(ButtonFilterIndex(SaveFilterFor("btn")), 1);
  EXPECT_EQ(ButtonFilterIndex(SaveFilterFor("png")), 5);
  EXPECT_EQ(ButtonFilterIndex(SaveFilterFor("gif")), 0);
  EXPECT_EQ(AlphaIconFilterIndex(SaveFilterFor("jpg")), 6);
  EXPECT_EQ(AlphaIconFilterIndex(SaveFilterFor("ico32")), 1);
  EXPECT_EQ(AlphaIconFilterIndex(SaveFilterFor("gif")), 0);
  // Found through the upper-cased list, whatever the case of the entry.
  EXPECT_EQ(ButtonFilterIndex("A|*.a|tlačítko|*.bmp"), 2);
}

TEST(SaveRouting, DefaultExtensionIsTheChosenTypesFirstPattern) {
  const std::string jpg_first = SaveFilterFor("jpg");
  EXPECT_EQ(DefaultExtension(jpg_first, 1), "jpg");
  EXPECT_EQ(DefaultExtension(jpg_first, 2), "bmp");
  EXPECT_EQ(DefaultExtension(jpg_first, 3), "ico");
  EXPECT_EQ(DefaultExtension(jpg_first, 4), "bmp");
  EXPECT_EQ(DefaultExtension(jpg_first, 5), "png");
  EXPECT_EQ(DefaultExtension(jpg_first, 6), "ico");
  EXPECT_EQ(DefaultExtension(jpg_first, 0), "");
  EXPECT_EQ(DefaultExtension(jpg_first, 7), "");
  EXPECT_EQ(DefaultExtension(SaveFilterFor("other"), 3), "gif");

  EXPECT_EQ(WithDefaultExtension("/home/u/tlacidlo", jpg_first, 4), "/home/u/tlacidlo.bmp");
  EXPECT_EQ(WithDefaultExtension("/home/u/my.icons/obrazok", jpg_first, 1),
            "/home/u/my.icons/obrazok.jpg");
  EXPECT_EQ(WithDefaultExtension("/home/u/obrazok.png", jpg_first, 2), "/home/u/obrazok.png");
}

TEST(SaveRouting, IconByNameThenButtonByTypeThenBitmapByNameElseJpeg) {
  const std::string filter = SaveFilterFor("jpg");
  const int jpeg = IndexOf(filter, "Jpeg súbory (*.jpg, *.jpeg)");
  const int bitmap = IndexOf(filter, "Bitmapy (*.bmp)");
  const int icon = IndexOf(filter, "Zorna (*.ico)");
  const int button = IndexOf(filter, "Tlačítko (*.bmp)");
  const int png = IndexOf(filter, "PNG súbory (*.png)");
  const int alpha_icon = IndexOf(filter, "Ikona s priehľadnosťou (*.ico)");

  // The bitmap type does not decide: a .png name is a PNG, ".png" anywhere, before ".bmp".
  EXPECT_EQ(RouteSave("/home/u/a.png", filter, bitmap), SaveKind::kPng);
  EXPECT_EQ(RouteSave("/home/u/a.PNG.bmp", filter, jpeg), SaveKind::kPng);
  EXPECT_EQ(RouteSave(WithDefaultExtension("/home/u/a", filter, png), filter, png), SaveKind::kPng);
  // The icon with alpha only by its type; its type with another name follows the name.
  EXPECT_EQ(RouteSave(WithDefaultExtension("/home/u/a", filter, alpha_icon), filter, alpha_icon),
            SaveKind::kAlphaIcon);
  EXPECT_EQ(RouteSave("/home/u/a.png.ico", filter, alpha_icon), SaveKind::kAlphaIcon);
  EXPECT_EQ(RouteSave("/home/u/a.ico", filter, png), SaveKind::kIcon);
  EXPECT_EQ(RouteSave("/home/u/a.png", filter, alpha_icon), SaveKind::kPng);
  EXPECT_EQ(RouteSave("/home/u/a.jpg", filter, alpha_icon), SaveKind::kJpeg);
  // The button type still wins over a .png name.
  EXPECT_EQ(RouteSave("/home/u/a.png", filter, button), SaveKind::kButton);
  // ".ico" anywhere, also in a folder name, and in any case.
  EXPECT_EQ(RouteSave("/home/u/my.icons/a.bmp", filter, bitmap), SaveKind::kIcon);
  EXPECT_EQ(RouteSave("/home/u/my.icons/a.jpg", filter, jpeg), SaveKind::kIcon);
  EXPECT_EQ(RouteSave("/home/u/A.Ico", filter, jpeg), SaveKind::kIcon);
  // The button type with an icon name still gives an icon.
  EXPECT_EQ(RouteSave("/home/u/a.ico", filter, button), SaveKind::kIcon);
  // The button type gives a button whatever the name, once no ".ico" is in it.
  EXPECT_EQ(RouteSave(WithDefaultExtension("/home/u/a", filter, button), filter, button),
            SaveKind::kButton);
  EXPECT_EQ(RouteSave("/home/u/a.jpg", filter, button), SaveKind::kButton);
  // ".bmp" anywhere.
  EXPECT_EQ(RouteSave("/home/u/a.BMP", filter, jpeg), SaveKind::kBitmap);
  EXPECT_EQ(RouteSave("/home/u/a.bmp.txt", filter, icon), SaveKind::kBitmap);
  // Everything else is a JPEG under the given name.
  EXPECT_EQ(RouteSave("/home/u/a.jpeg", filter, icon), SaveKind::kJpeg);
  EXPECT_EQ(RouteSave("/home/u/a.gif", SaveFilterFor("x"), 3), SaveKind::kJpeg);
  // No button entry in the design-time list: the first entry is no button.
  EXPECT_EQ(RouteSave("/home/u/a", SaveFilterFor("x"), 1), SaveKind::kJpeg);
  // Under the button-first list the button is entry 1.
  EXPECT_EQ(RouteSave("/home/u/a.bmp", SaveFilterFor("btn"), 1), SaveKind::kButton);
  EXPECT_EQ(RouteSave("/home/u/a.bmp", SaveFilterFor("btn"), 3), SaveKind::kBitmap);
}

TEST(SaveRouting, EachSuccessfulSaveNamesItsRememberedTypeButJpegNone) {
  EXPECT_EQ(RememberedTypeAfterSave(SaveKind::kIcon), "ico");
  EXPECT_EQ(RememberedTypeAfterSave(SaveKind::kButton), "btn");
  EXPECT_EQ(RememberedTypeAfterSave(SaveKind::kBitmap), "bmp");
  EXPECT_EQ(RememberedTypeAfterSave(SaveKind::kPng), "png");
  EXPECT_EQ(RememberedTypeAfterSave(SaveKind::kAlphaIcon), "ico32");
  EXPECT_EQ(RememberedTypeAfterSave(SaveKind::kJpeg), std::nullopt);
}

}  // namespace
}  // namespace zorna
