// The floating container: panel sizes, collapsing, moving and the caption-bar timer.
#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QTest>
#include <fstream>

#include "app/app_fixture.h"
#include "app/main_window/main_zorna_parts.h"

namespace zorna::app::testing {
namespace {

using FrameTest = AppTest;

TEST_F(FrameTest, PanelSizesFollowTheResultAndMagnifierSizes) {
  Start();
  TMainZorna& m = Main();
  m.ImageVstupMinClick(PartsOf(m).Panel("Lupa").right);  // expand the magnifier
  PartsOf(m).ComboBox4->setCurrentIndex(3);              // 64 x 64
  m.ComboBox4Change(PartsOf(m).ComboBox4);
  PartsOf(m).ComboBox1->setCurrentIndex(4);  // 128 x 128
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  EXPECT_EQ(PartsOf(m).PanelOkna->width(), 223);
  EXPECT_EQ(PartsOf(m).Panel1->width(), 223 + PartsOf(m).Panel6->width());
  EXPECT_EQ(PartsOf(m).Panel("Vstup").panel->height(), 128 + 17 + 18);
  EXPECT_EQ(PartsOf(m).Panel("Lupa").panel->height(), 17 + 64 + 18);
  // No leading number (the unconfirmed custom entry): N is 0.
  PartsOf(m).ComboBox1->setItemText(5, "vlastný");
  PartsOf(m).ComboBox1->setCurrentIndex(5);
  m.NastavVelkosti();
  EXPECT_EQ(PartsOf(m).Panel("Vstup").panel->height(), 32 + 17 + 18);
  EXPECT_EQ(PartsOf(m).Panel("Vystup").panel->height(), 32 + 17 + 18);
  EXPECT_EQ(PartsOf(m).PanelOkna->width(), 75 + 95);
  // The column ends under the result panel and the skin's bottom edge.
  m.ImageVstupMinClick(nullptr);
  const ToolPanel& vystup = PartsOf(m).Panel("Vystup");
  EXPECT_EQ(PartsOf(m).Panel1->height(), vystup.panel->y() + vystup.panel->height() +
                                             PartsOf(m).ImageSpodok->Picture().Height());
}

// Dialogs are children of the main window and reuse its control names ("Image1", "Label5").
TEST_F(FrameTest, ControlsAreFoundInTheirOwnWindowOnly) {
  Start();
  TMainZorna& m = Main();
  m.EnsureMaintenance();
  EXPECT_EQ(m.Control("Image1"), PartsOf(m).Image1);
  EXPECT_EQ(m.Control("Label5"), PartsOf(m).Label5);
  EXPECT_THROW(m.Control("OKBtn"), std::logic_error);  // only the dialogs have one
  EXPECT_THROW(PartsOf(m).Panel("Okno"), std::logic_error);
  EXPECT_THROW(m.Action("Nothing"), std::logic_error);
}

// Keys go to an open list first, else to the window, also once the panel that held them
// closes; on the way, every button that shows only a picture says what it does.
TEST_F(FrameTest, KeysGoToAnOpenListOrTheWindowAndPictureButtonsHaveTooltips) {
  std::ofstream(home_ / "strom.trv") << "GALAXIA\n";
  Seed("Obrázok", "Zámok", 0);  // unlocked, the input smaller: the enlargement switch shows
  Seed("Obrázok", "Vstup", 1);
  Start();
  TMainZorna& m = Main();
  m.show();
  m.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
  PartsOf(m).ComboBox3->setCurrentIndex(1);
  PartsOf(m).ComboBox3->showPopup();
  QWidget* list = QApplication::focusWidget();
  ASSERT_NE(QApplication::activePopupWidget(), nullptr);
  const QPoint pointer = QCursor::pos();
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(QCursor::pos(), pointer);
  EXPECT_EQ(PartsOf(m).ComboBox3->view()->currentIndex().row(), 2);
  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_TRUE(m.isVisible());         // the program goes on
  PartsOf(m).ComboBox1->showPopup();  // Enter chooses in the result size list
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(PartsOf(m).Image1->Picture().Width(), 128);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::ControlModifier);  // the gallery
  QTest::mouseClick(PartsOf(m).SpeedButton13, Qt::LeftButton);  // its search bar's magnifier
  for (QAbstractButton* b : m.findChildren<QAbstractButton*>()) {
    const bool picture_only = b->text().isEmpty() || qobject_cast<QToolButton*>(b);
    if (b->isVisible() && !b->icon().isNull() && picture_only) {
      EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
    }
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::ControlModifier);  // closed again
  QTest::keyClicks(QApplication::focusWidget(), "ab");  // the window has the keys, not the box
  EXPECT_EQ(PartsOf(m).Edit2->text(), "");
  QTest::keyClick(&m, Qt::Key_Escape);
  EXPECT_FALSE(m.isVisible());  // with no popup open, Escape ends it
}

TEST_F(FrameTest, PanelsTheFirstFrameDoesNotShowAreMadeWhenFirstOpenedUnderTheUpdatePanel) {
  std::ofstream(home_ / "strom.trv") << "GALAXIA\n";
  Start();
  MainZornaParts& p = PartsOf(Main());
  EXPECT_TRUE(!p.Kniznica && !p.Edit2 && !p.PopupMenu1 && !p.PanelTajneMenu);
  QTest::mouseClick(p.BtnGallery, Qt::LeftButton);
  ASSERT_TRUE(p.Kniznica && !p.Kniznica->isHidden() && p.PanelTajneMenu);
  EXPECT_LT(Main().children().indexOf(p.Label12), Main().children().indexOf(p.Working));
}

// Nothing of a panel or the strip is cut off at the smallest sizes.
TEST_F(FrameTest, SmallSizesCutNoControl) {
  Start();
  TMainZorna& m = Main();
  m.ImageVstupMinClick(PartsOf(m).Panel("Lupa").right);  // expand the magnifier
  PartsOf(m).ComboBox4->setCurrentIndex(0);              // 8 x 8
  m.ComboBox4Change(PartsOf(m).ComboBox4);
  EXPECT_LE(PartsOf(m).ComboBox4->geometry().bottom(), PartsOf(m).Panel("Lupa").okno->height());
  m.ImageVstupMinClick(PartsOf(m).Panel("Lupa").right);  // collapse it again
  m.ImageVstupMinClick(PartsOf(m).Panel("Vystup").right);
  PartsOf(m).ComboBox1->setCurrentIndex(0);  // output 8 x 8: the shortest column
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  for (QToolButton* b : {PartsOf(m).BtnGallery, PartsOf(m).BtnTheme}) {
    EXPECT_LE(b->geometry().bottom(), PartsOf(m).Panel6->height()) << b->objectName().toStdString();
  }
}

// The mode list's texts are long and its closed box narrow.
TEST_F(FrameTest, TheModeListShowsItsWholeTexts) {
  Start();
  TMainZorna& m = Main();
  const QFontMetrics metrics(PartsOf(m).ComboBox3->view()->font());
  for (int i = 0; i < PartsOf(m).ComboBox3->count(); ++i) {
    EXPECT_GT(PartsOf(m).ComboBox3->view()->minimumWidth(),
              metrics.horizontalAdvance(PartsOf(m).ComboBox3->itemText(i)));
  }
  PartsOf(m).ComboBox3->setCurrentIndex(7);
  EXPECT_EQ(PartsOf(m).ComboBox3->toolTip(), "orezať okraje (od 1,1 a max, max)");
}

TEST_F(FrameTest, MovingTheContainerBetweenEdges) {
  Start();
  TMainZorna& m = Main();
  m.resize(1024, 768);
  PartsOf(m).Panel1->resize(300, PartsOf(m).Panel1->height());
  m.BtnRightClick(nullptr);
  EXPECT_EQ(PartsOf(m).Panel1->x(), 716);
  EXPECT_FALSE(PartsOf(m).BtnLeft->isHidden());
  EXPECT_TRUE(PartsOf(m).BtnRight->isHidden());
  m.BtnLeftClick(nullptr);
  EXPECT_EQ(PartsOf(m).Panel1->x(), 8);
  EXPECT_TRUE(PartsOf(m).BtnLeft->isHidden());
  EXPECT_FALSE(PartsOf(m).BtnRight->isHidden());
}

TEST_F(FrameTest, InputAndMagnifierAreNeverBothCollapsed) {
  Start();
  TMainZorna& m = Main();
  ASSERT_EQ(PartsOf(m).Panel("Lupa").panel->height(), 17);
  m.ImageVstupMinClick(PartsOf(m).Panel("Vstup").hlavicka_image);  // collapse the input panel
  EXPECT_EQ(PartsOf(m).Panel("Vstup").panel->height(), 17);
  EXPECT_EQ(PartsOf(m).Panel("Lupa").panel->height(), 17 + 32 + 18);  // the magnifier opened first
  m.ImageVstupMinClick(PartsOf(m).Panel("Lupa").min);                 // collapse the magnifier
  EXPECT_EQ(PartsOf(m).Panel("Lupa").panel->height(), 17);
  EXPECT_EQ(PartsOf(m).Panel("Vstup").panel->height(), 64 + 17 + 18);
  // The panels below move with the heights.
  EXPECT_EQ(PartsOf(m).Panel("Podklad").panel->y(), PartsOf(m).Panel("Lupa").panel->y() + 17);
}

TEST_F(FrameTest, CaptionEndHoverShowsCollapsePicturesUntilTheTimer) {
  Start();
  TMainZorna& m = Main();
  m.ImageVstupHlavickaRightMouseMove(PartsOf(m).Panel("Lupa").right);
  m.ImageVstupHlavickaRightMouseMove(PartsOf(m).Panel("Vystup").right);
  EXPECT_FALSE(PartsOf(m).Panel("Lupa").min->isHidden());
  EXPECT_TRUE(PartsOf(m).Panel("Lupa").right->isHidden());
  EXPECT_FALSE(PartsOf(m).Panel("Vystup").min->isHidden());
  EXPECT_TRUE(
      PartsOf(m).Panel("Vstup").min->isHidden());  // "ImageVystup..." does not contain "Vstup"
  EXPECT_TRUE(PartsOf(m).Timer2->isActive());
  m.Timer2Timer();
  for (const ToolPanel& p : PartsOf(m).panels) {
    EXPECT_FALSE(p.right->isHidden()) << p.word.toStdString();
    EXPECT_TRUE(p.min->isHidden()) << p.word.toStdString();
  }
  EXPECT_FALSE(PartsOf(m).Timer2->isActive());
}

TEST_F(FrameTest, ShortcutsAreApplicationWide) {
  Start();
  for (const char* name : {"ESC", "Save", "CopyImage", "PlLeft", "Podklad", "Right", "Help"}) {
    QShortcut* s = Main().Action(name);
    ASSERT_NE(s, nullptr) << name;
    EXPECT_EQ(s->context(), Qt::ApplicationShortcut) << name;
  }
  EXPECT_EQ(Main().Action("Right")->key(), QKeySequence("Ctrl+Right"));
  EXPECT_EQ(Main().Action("ESC")->key(), QKeySequence(Qt::Key_Escape));
}

TEST_F(FrameTest, ButtonHints) {
  Start();
  EXPECT_EQ(PartsOf(Main()).BtnClose->toolTip(), "Ukončiť program");
  EXPECT_EQ(PartsOf(Main()).BtnSave->toolTip(), "Uložiť do súboru");
  EXPECT_EQ(PartsOf(Main()).BtnRight->toolTip(), "Presunúť okno");
  EXPECT_EQ(PartsOf(Main()).BtnTheme->toolTip(), "Zmeniť vzhľad");
}

}  // namespace
}  // namespace zorna::app::testing
