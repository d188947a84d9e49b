// The search bar: its two modes, the search of the tree as the user types and the typed text
// rendered onto the screen picture.
#include <QApplication>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/slovak_desktop.h"
#include "composition/placement.h"
#include "gallery/gallery_bitmap.h"
#include "gallery/not_found_list.h"
#include "support/files.h"
#include "text/cp1250.h"

namespace zorna::app::testing {
namespace {

namespace fs = std::filesystem;

// Node 0 is the root; TELEFÓN is node 3, ĎALŠIE ZARIADENIA node 5.
const std::string kTree = Utf8ToCp1250(
    "GALÉRIA\r\n\tKOMUNIKÁCIA\r\n\t\tPOŠTA\r\n\t\tTELEFÓN A KONTAKTY\r\n\tPOČÍTAČ\r\n"
    "\t\tĎALŠIE ZARIADENIA\r\n\tTEXT\r\n");

class SearchBarTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    WriteFileAtomically(home_ / "strom.trv", kTree);
    WriteGalleryPicture(home_ / "Data", 3, 0, Bitmap(32, 32, Rgb(200, 0, 0)));
    Seed("Dialóg", "3", 2);
  }
  // Opens the library with the bar in search mode.
  void OpenSearch() {
    Start();
    Main().BtnGalleryClick(PartsOf(Main()).BtnGallery);
    Main().SpeedButton13Click(PartsOf(Main()).SpeedButton13);
  }
  // Types the text one character more at a time, as the box reports it.
  void Type(const QString& text) {
    for (int n = PartsOf(Main()).Edit2->text().size() + 1; n <= text.size(); ++n) {
      PartsOf(Main()).Edit2->setText(text.left(n));
    }
  }
  int Current() const {
    QTreeWidgetItem* node = PartsOf(Main()).TreeView1->currentItem();
    return TMainZorna::CategoryOf(node);
  }
  // Dark pixels of the text's place on the screen picture.
  int DarkPixels(Colorref* last_dark = nullptr) {
    const Bitmap& screen = PartsOf(Main()).bitmapa->Picture();
    int dark = 0;
    for (int y = kTextSlot.top; y < kTextSlot.bottom; ++y) {
      for (int x = kTextSlot.left; x < kTextSlot.right; ++x) {
        const Colorref c = screen.Pixel(x, y);
        if (RedOf(c) + GreenOf(c) + BlueOf(c) < 3 * 160) {
          ++dark;
          if (last_dark) *last_dark = c;
        }
      }
    }
    return dark;
  }
};

TEST_F(SearchBarTest, EachModeButtonTakesTheBarAndGivesItBack) {
  Start();
  TMainZorna& m = Main();
  m.show();
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
  m.SpeedButton13Click(PartsOf(m).SpeedButton13);
  EXPECT_TRUE(PartsOf(m).Edit2->hasFocus());
  EXPECT_EQ(PartsOf(m).SpeedButton13->x(), 0);
  EXPECT_FALSE(PartsOf(m).Edit2->isHidden());
  EXPECT_FALSE(PartsOf(m).SpeedButton8->isHidden());
  EXPECT_TRUE(PartsOf(m).SpeedButton14->isHidden());
  EXPECT_TRUE(PartsOf(m).SpeedButton16->isHidden());
  m.Edit2Enter(PartsOf(m).Edit2);
  EXPECT_FALSE(m.Action("PlLeft")->isEnabled());
  EXPECT_FALSE(m.Action("PlRight")->isEnabled());
  EXPECT_TRUE(m.Action("PlUp")->isEnabled());
  m.SpeedButton13Click(PartsOf(m).SpeedButton13);
  EXPECT_EQ(PartsOf(m).SpeedButton13->x(), 21);
  EXPECT_TRUE(PartsOf(m).Edit2->isHidden());
  EXPECT_FALSE(PartsOf(m).SpeedButton16->isHidden());
  EXPECT_TRUE(m.Action("PlLeft")->isEnabled());
  EXPECT_TRUE(m.Action("PlRight")->isEnabled());

  PartsOf(m).Edit2->setText("slovo");  // kept across the modes
  m.SpeedButton14Click(PartsOf(m).SpeedButton14);
  EXPECT_EQ(PartsOf(m).SpeedButton14->x(), 0);
  EXPECT_TRUE(PartsOf(m).SpeedButton13->isHidden());
  m.Edit2Enter(PartsOf(m).Edit2);
  m.Edit2KeyUp(Qt::Key_Return);
  EXPECT_FALSE(PartsOf(m).SpeedButton15->isHidden());
  m.SpeedButton14Click(PartsOf(m).SpeedButton14);
  EXPECT_EQ(PartsOf(m).SpeedButton14->x(), 69);
  EXPECT_TRUE(PartsOf(m).SpeedButton15->isHidden());
  EXPECT_FALSE(PartsOf(m).SpeedButton13->isHidden());
  EXPECT_TRUE(m.Action("PlLeft")->isEnabled());
  EXPECT_EQ(PartsOf(m).Edit2->text(), "slovo");
}

TEST_F(SearchBarTest, TypingSelectsAndFillsTheCategoryAndEnterFindsTheNextOne) {
  OpenSearch();
  TMainZorna& m = Main();
  Type("mo");
  EXPECT_EQ(Current(), -1);
  Type("mobil");
  EXPECT_EQ(Current(), 3);
  EXPECT_EQ(PartsOf(m).Label5->text(), "3");
  EXPECT_EQ(PartsOf(m).ImageList3.Count(), 1);
  PartsOf(m).Edit2->setText("");
  Type("myš");
  EXPECT_EQ(Current(), 5);
  PartsOf(m).Edit2->setText("te");  // two letters search nothing, though TEXT follows
  EXPECT_EQ(Current(), 5);
  PartsOf(m).Edit2->setText("KONTA");  // inside a caption, found past the last node
  EXPECT_EQ(Current(), 3);
  m.Edit2KeyUp(Qt::Key_Return);  // the only match: the current one, tried last
  EXPECT_EQ(Current(), 3);
  EXPECT_TRUE(m.NotFoundLines().empty());
}

TEST_F(SearchBarTest, UnderEnglishTheTreeShowsAndFindsTheShippedCategoriesInEnglish) {
  setenv("LANGUAGE", "en", 1);
  OpenSearch();
  EXPECT_EQ(PartsOf(Main()).tree_nodes[3]->text(0), "PHONE AND CONTACTS");
  Type("phone");
  EXPECT_EQ(Current(), 3);
  unsetenv("LANGUAGE");
}

TEST_F(SearchBarTest, MissesOfFourCharactersOrMoreAreRememberedAndWrittenAtClose) {
  OpenSearch();
  TMainZorna& m = Main();
  Type("xyz");
  EXPECT_TRUE(m.NotFoundLines().empty());
  Type("xyzčq");
  EXPECT_EQ(m.NotFoundLines(), std::vector<std::string>{"XYZČQ"});
  PartsOf(m).Edit2->setText(
      QString(10000, QChar(0x4E00)));  // letters the gallery's code page lacks
  PartsOf(m).Edit2->setText("zl\x01ta");
  EXPECT_EQ(m.NotFoundLines(), std::vector<std::string>{"XYZČQ"});
  Close();
  EXPECT_EQ(ReadNotFoundList(home_ / std::string(kNotFoundListFile)).texts,
            std::vector<std::string>{"XYZČQ"});
}

TEST_F(SearchBarTest, TextIsRenderedOnEnterAndAgainInTheChosenFont) {
  Start();
  TMainZorna& m = Main();
  m.EnsureLibrary();
  m.SpeedButton14Click(PartsOf(m).SpeedButton14);
  messages_.clear();
  const Bitmap before = PartsOf(m).bitmapa->Picture();
  Type("Zorna");
  EXPECT_EQ(PartsOf(m).bitmapa->Picture(), before);
  EXPECT_TRUE(messages_.isEmpty());
  m.Edit2KeyUp(Qt::Key_Return);
  const int small = DarkPixels();
  EXPECT_GT(small, 20);
  EXPECT_EQ(PartsOf(m).bitmapa->Picture().Pixel(kTextSlot.right - 2, kTextSlot.bottom - 2), kWhite);
  EXPECT_EQ(messages_, QStringList{"Teraz umiestnite kurzor myši na obrázok a kliknite naň."});

  answer_ = [](QDialog* dialog) {
    auto* fonts = qobject_cast<TextFontDialog*>(dialog);
    QFont big = fonts->SelectedFont();
    big.setPointSize(20);
    big.setBold(true);
    fonts->SetSelection(big, QColor(128, 0, 0));
    return int(QDialog::Accepted);
  };
  m.SpeedButton15Click(PartsOf(m).SpeedButton15);
  EXPECT_EQ(dialogs_shown_, QStringList{"FontDialog1"});
  Colorref dark = 0;
  EXPECT_GT(DarkPixels(&dark), 3 * small);
  EXPECT_GT(RedOf(dark), BlueOf(dark) + 40);
  // A text far longer than the screen picture is cut at its edge.
  PartsOf(m).Edit2->setText(QString(10000, 'W'));
  m.Edit2Change(PartsOf(m).SpeedButton8);
  EXPECT_GT(DarkPixels(), 3 * small);
  EXPECT_EQ(PartsOf(m).bitmapa->Picture().Width(), before.Width());
}

// OK in the font dialog without a change keeps the text as it was: plain, not the first style of
// the face's list. The program's Slovak catalogue names the plain style otherwise than the face.
TEST_F(SearchBarTest, TheFontDialogOpensOnTheTextsOwnStyle) {
  UseSlovakDesktop(*qApp);
  Start();
  TMainZorna& m = Main();
  m.EnsureLibrary();
  const QFont before = PartsOf(m).Label12->font();
  answer_ = [](QDialog* dialog) {
    dialog->show();
    QApplication::processEvents();
    return int(QDialog::Accepted);
  };
  m.SpeedButton15Click(PartsOf(m).SpeedButton15);
  EXPECT_EQ(PartsOf(m).Label12->font().bold(), before.bold());
  EXPECT_EQ(PartsOf(m).Label12->font().italic(), before.italic());
  EXPECT_EQ(PartsOf(m).Label12->font().pointSize(), before.pointSize());
}

}  // namespace
}  // namespace zorna::app::testing
