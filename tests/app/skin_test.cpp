// Skins: what a skin dresses, the layout rules its caption height and layout file bring, the
// failure rule, bad skins, the dialog and the author's link.
#include <fstream>

#include "app/app_fixture.h"
#include "app/dialogs/dlg_skin.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/links.h"
#include "app/platform/qt_bitmap.h"
#include "picture/picture_file.h"

namespace zorna::app::testing {
namespace {

namespace fs = std::filesystem;

class SkinTest : public AppTest {
 protected:
  void TearDown() override {
    SetLinkOpener({});
    AppTest::TearDown();
  }
  TDlgSkin& Dialog() { return *AllDialogs().DlgSkin; }
  // Selects a skin by its folder name, as a click in the list does.
  void Choose(const QString& name) {
    Dialog().FormShow();
    const auto found = Dialog().ListBox->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    Dialog().ListBox->setCurrentItem(found.front());
  }
  static QColor ColourOf(const QWidget* w) { return w->palette().color(QPalette::Window); }
  static QColor BottomLeft(const Bitmap& b) {
    const Colorref c = b.Pixel(0, b.Height() - 1);
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
  }
};

TEST_F(SkinTest, TheDefaultSkinDressesPanelsButtonsAndStrip) {
  Start();
  TMainZorna& m = Main();
  const fs::path skin = SkinFolder("Modry");
  EXPECT_EQ(PartsOf(m).Panel("Vystup").hlavicka_image->Picture(),
            ReadPictureFile(skin / "okno" / "Vystup" / "hlavička.bmp"));
  EXPECT_EQ(PartsOf(m).Panel("Lupa").hlavicka->height(), 17);
  EXPECT_EQ(ColourOf(PartsOf(m).Panel("Podklad").okno),
            BottomLeft(PartsOf(m).Panel("Podklad").okno_image->Picture()));
  EXPECT_EQ(ColourOf(PartsOf(m).Panel6), BottomLeft(ReadPictureFile(skin / "okno.bmp")));
  EXPECT_EQ(PartsOf(m).Panel6->width(), 60);
  EXPECT_EQ(PartsOf(m).PanelOkna->x(), 0);  // strip on the right
  EXPECT_EQ(PartsOf(m).Panel6->x(), PartsOf(m).PanelOkna->width());
  EXPECT_EQ(PartsOf(m).ImageSkinVyrobil->height(), PartsOf(m).ImageSkinVyrobil->Picture().Height());
  // Positions from the layout; two glyph cells make Save as wide as one cell and its frame.
  const SkinLayout& layout = TestSkin().layout;
  EXPECT_EQ(PartsOf(m).BtnSave->geometry(),
            QRect(layout.ButtonPosition("Save").x, layout.ButtonPosition("Save").y, 24, 24));
  EXPECT_EQ(PartsOf(m).BtnZamknute->geometry(), QRect(4, 32, 17, 17));
  EXPECT_EQ(PartsOf(m).BtnOtocDoprava->size(), QSize(19, 17));
  // The glyph's bottom-left colour is transparent; the second cell is the disabled look.
  const QImage normal = PartsOf(m).BtnSave->icon().pixmap(20, 20, QIcon::Normal).toImage();
  const QImage disabled = PartsOf(m).BtnSave->icon().pixmap(20, 20, QIcon::Disabled).toImage();
  EXPECT_EQ(qAlpha(normal.pixel(0, 19)), 0);
  EXPECT_NE(normal, disabled);
  const Bitmap glyph = ReadPictureFile(skin / "buttons" / "Save.bmp");
  const Colorref inside = glyph.Pixel(30, 10);  // of the disabled cell
  EXPECT_EQ(disabled.pixel(10, 10), qRgb(RedOf(inside), GreenOf(inside), BlueOf(inside)));
}

TEST_F(SkinTest, WithoutASkinTheStripGetsTheDesktopsPicturesAtTheFirstShow) {
  fs::remove_all(home_ / "Skin");
  Start();
  EXPECT_TRUE(PartsOf(Main()).BtnInfo->icon().isNull());
  Main().show();
  EXPECT_FALSE(PartsOf(Main()).BtnInfo->icon().isNull());
}

TEST_F(SkinTest, AButtonWithoutItsGlyphShrinksToItsFrame) {
  fs::remove(SkinFolder("Modry") / "buttons" / "Save.bmp");
  Start();
  EXPECT_EQ(PartsOf(Main()).BtnSave->size(), QSize(4, 4));
  EXPECT_TRUE(PartsOf(Main()).BtnSave->icon().isNull());
}

// The 25-pixel skin lacks the strip's picture, so applying it stops before the sizes are
// recomputed: what the panels did by themselves shows, and the rest keeps the previous skin.
TEST_F(SkinTest, TallerCaptionBarsCollapseToTheirHeightAndTheRestWaitsForTheSizes) {
  WriteSkin("Vysoky", TestSkin(25));
  fs::remove(SkinFolder("Vysoky") / "okno.bmp");
  Start();
  TMainZorna& m = Main();
  ASSERT_EQ(PartsOf(m).Panel("Vstup").panel->height(), 64 + 17 + 18);
  const Bitmap strip = PartsOf(m).ImageOkno->Picture();
  messages_.clear();
  Choose("Vysoky");
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(
      messages_[0].endsWith("okno.bmp sa nedá otvoriť: taký súbor alebo priečinok neexistuje"))
      << messages_[0].toStdString();
  EXPECT_EQ(PartsOf(m).Panel("Lupa").panel->height(), 25);
  EXPECT_EQ(PartsOf(m).Panel("Podklad").panel->height(), 25);
  EXPECT_EQ(PartsOf(m).Panel("Vstup").panel->height(), 64 + 17 + 18);
  EXPECT_EQ(PartsOf(m).Panel("Vystup").panel->height(), 64 + 17 + 18);
  EXPECT_EQ(PartsOf(m).BtnSave->size(), QSize(24, 24));  // the buttons came before the strip
  EXPECT_EQ(PartsOf(m).ImageOkno->Picture(), strip);
  m.NastavVelkosti();
  EXPECT_EQ(PartsOf(m).Panel("Vstup").panel->height(), 64 + 25 + 18);
  EXPECT_EQ(PartsOf(m).Panel("Vystup").panel->height(), 64 + 25 + 18);
}

TEST_F(SkinTest, AStripNotOnTheRightStandsLeftOfTheColumn) {
  DrawnSkin left = TestSkin();
  left.layout.strip_right = false;
  left.layout.strip_width = 70;
  WriteSkin("Vlavo", left);
  Start();
  Choose("Vlavo");
  EXPECT_EQ(PartsOf(Main()).Panel6->geometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(PartsOf(Main()).Panel6->width(), 70);
  EXPECT_EQ(PartsOf(Main()).PanelOkna->x(), 70);
  EXPECT_EQ(PartsOf(Main()).Panel1->width(), 70 + PartsOf(Main()).PanelOkna->width());
}

// A layout file from elsewhere cannot send the strip or a button off the screen.
TEST_F(SkinTest, LayoutValuesBeyondTheContainerAreKeptInside) {
  WriteSkin("Zly", TestSkin());
  std::ofstream(SkinFolder("Zly") / "rozmiestnenie.ini", std::ios::binary)
      << "[Okno s tla\xE8\xEDtkami]\r\n\x8A\xEDrka=2000000000\r\n"
         "[Tla\xE8\xEDtka]\r\nClose X=-300\r\nClose Y=99999\r\nSave X=99999\r\n"
         "Zamknute X=5000\r\nZamknute Y=-7\r\nPreklopZvislo Y=800\r\n";
  Start();
  Choose("Zly");
  TMainZorna& m = Main();
  const int screen = PartsOf(m).bitmapa->Picture().Width();
  EXPECT_EQ(PartsOf(m).Panel6->width(), screen - 16 - 223);
  EXPECT_EQ(PartsOf(m).BtnClose->x(), 0);
  EXPECT_EQ(PartsOf(m).BtnClose->geometry().bottom() + 1,
            PartsOf(m).bitmapa->Picture().Height() - 16);
  EXPECT_EQ(PartsOf(m).BtnSave->geometry().right() + 1, PartsOf(m).Panel6->width());
  EXPECT_EQ(PartsOf(m).BtnZamknute->geometry(), QRect(170 - 17, 0, 17, 17));
  EXPECT_EQ(PartsOf(m).BtnPreklopZvislo->geometry().bottom() + 1, 146);
  // A strip too narrow for its buttons would hide the way back to another skin.
  std::ofstream(SkinFolder("Zly") / "rozmiestnenie.ini", std::ios::binary)
      << "[Okno s tla\xE8\xEDtkami]\r\n\x8A\xEDrka=-5\r\n";
  Choose("Modry");
  Choose("Zly");
  EXPECT_EQ(PartsOf(m).Panel6->width(), 24);
  EXPECT_EQ(PartsOf(m).BtnTheme->geometry(), QRect(0, 10, 24, 24));
}

TEST_F(SkinTest, DamagedPicturesAndNamesOutsideUtf8AreBorne) {
  const std::string odd = "Zl\xE9";  // a name in code page 1250 bytes
  WriteSkin(odd, TestSkin(21));
  std::ofstream(SkinFolder(odd) / "okno" / "Lupa" / "hlavička.bmp", std::ios::binary) << "BMxx";
  Start();
  Dialog().FormShow();
  ASSERT_EQ(Dialog().ListBox->count(), 3);
  messages_.clear();
  Dialog().ListBox->setCurrentRow(2);
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].endsWith("hlavička.bmp sa nedá prečítať: obrázok BMP nie je platný"))
      << messages_[0].toStdString();
  EXPECT_EQ(PartsOf(Main()).Panel("Vstup").hlavicka->height(), 21);  // read through the odd name
  EXPECT_EQ(PartsOf(Main()).Panel("Vystup").hlavicka->height(), 21);
  EXPECT_EQ(PartsOf(Main()).Panel("Lupa").hlavicka->height(), 17);
}

TEST_F(SkinTest, TheAuthorsMarkOpensOnlyWebAndMailAddresses) {
  QList<QUrl> opened;
  SetLinkOpener([&](const QUrl& url) { return (opened << url, true); });
  WriteSkin("Modry", TestSkin(), "mailto:autor@example.org");
  WriteSkin("Zly", TestSkin(), "file:///usr/bin/xterm");
  Start();
  Main().ImageSkinVyrobilClick(PartsOf(Main()).ImageSkinVyrobil);
  Choose("Zly");
  Main().ImageSkinVyrobilClick(PartsOf(Main()).ImageSkinVyrobil);
  EXPECT_EQ(opened, QList<QUrl>{QUrl("mailto:autor@example.org")});
  Dialog().BitBtn2Click(Dialog().BitBtn2);
  ASSERT_EQ(opened.size(), 2);
  EXPECT_EQ(opened[1].scheme(), "https");
}

TEST_F(SkinTest, TheThemeButtonShowsTheDialogAndTheChoiceHoldsAtTheNextStart) {
  WriteSkin("Vysoky", TestSkin(25));
  answer_ = [this](QDialog* dialog) {
    if (dialog == AllDialogs().DlgSkin) Choose("Vysoky");
    return int(QDialog::Accepted);
  };
  Start();
  Main().BtnThemeClick(PartsOf(Main()).BtnTheme);
  EXPECT_EQ(dialogs_shown_, QStringList{"DlgSkin"});
  EXPECT_EQ(PartsOf(Main()).Panel("Lupa").panel->height(), 25);
  Close();
  Start();
  EXPECT_EQ(Dialog().ListBox->currentItem()->text(), "Vysoky");
  EXPECT_EQ(PartsOf(Main()).Panel("Lupa").panel->height(), 25);
  EXPECT_EQ(PartsOf(Main()).Panel("Vstup").panel->height(), 64 + 25 + 18);
}

}  // namespace
}  // namespace zorna::app::testing
