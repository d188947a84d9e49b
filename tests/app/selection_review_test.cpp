// The smooth-enlargement pair of the input panel as the user meets it: which of the two buttons
// takes a click at their common place, and the pressed look of the "on" state.
#include "app/app_fixture.h"
#include "app/dialogs/dlg_rozmer.h"
#include "app/main_window/main_zorna_parts.h"

namespace zorna::app::testing {
namespace {

using SelectionSwitchTest = AppTest;

// Input 16, output 64, unlocked: both enlargement buttons are shown.
void ShowEnlargementButtons(TMainZorna& m) {
  m.BtnZamknuteClick(nullptr);
  PartsOf(m).ComboBox2->setCurrentIndex(1);
  m.ComboBox2Change(PartsOf(m).ComboBox2);
  PartsOf(m).ComboBox1->setCurrentIndex(3);
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  ASSERT_FALSE(PartsOf(m).Zvacs1->isHidden());
  ASSERT_FALSE(PartsOf(m).Zvacs2->isHidden());
}

// The button a click at the middle of the pair reaches (a disabled button on top swallows it).
QWidget* ButtonUnderThePair(TMainZorna& m) {
  const QRect both = PartsOf(m).Zvacs1->geometry().intersected(PartsOf(m).Zvacs2->geometry());
  return PartsOf(m).Zvacs1->parentWidget()->childAt(both.center());
}

TEST_F(SelectionSwitchTest, TheEnabledEnlargementButtonTakesTheClick) {
  Start();
  TMainZorna& m = Main();
  ShowEnlargementButtons(m);
  // Off at start: the button that turns it on must be reachable.
  ASSERT_TRUE(PartsOf(m).Zvacs2->isEnabled());
  EXPECT_EQ(ButtonUnderThePair(m), PartsOf(m).Zvacs2);
  m.Zvacs2Click(PartsOf(m).Zvacs2);
  EXPECT_EQ(ButtonUnderThePair(m), PartsOf(m).Zvacs1);
  m.Zvacs1Click(PartsOf(m).Zvacs1);
  EXPECT_EQ(ButtonUnderThePair(m), PartsOf(m).Zvacs2);
}

TEST_F(SelectionSwitchTest, EnlargementOnKeepsItsPressedLookAfterBeingSwitchedOff) {
  Start();
  TMainZorna& m = Main();
  ShowEnlargementButtons(m);
  EXPECT_TRUE(PartsOf(m).Zvacs1->isChecked());
  PartsOf(m).Zvacs2->click();  // on
  ASSERT_TRUE(PartsOf(m).Zvacs1->isEnabled());
  EXPECT_TRUE(PartsOf(m).Zvacs1->isChecked());
  PartsOf(m).Zvacs1->click();  // off: a real click on a checkable button also toggles it
  ASSERT_FALSE(PartsOf(m).Zvacs1->isEnabled());
  PartsOf(m).Zvacs2->click();  // on again
  ASSERT_TRUE(PartsOf(m).Zvacs1->isEnabled());
  EXPECT_TRUE(PartsOf(m).Zvacs1->isChecked());
  EXPECT_FALSE(PartsOf(m).Zvacs2->isChecked());
}

// What the user sees at the switch's place, off and then on: the two states must be told apart
// at a glance, not by a frame line or two.
double MeanLuminance(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
  }
  return sum / (image.width() * image.height());
}

TEST_F(SelectionSwitchTest, OnAndOffLookPlainlyDifferent) {
  Start();
  TMainZorna& m = Main();
  m.show();
  ShowEnlargementButtons(m);
  QWidget* body = PartsOf(m).Zvacs1->parentWidget();
  const QRect place = PartsOf(m).Zvacs1->geometry().united(PartsOf(m).Zvacs2->geometry());
  const double off = MeanLuminance(body->grab(place).toImage());
  m.Zvacs2Click(PartsOf(m).Zvacs2);
  const double on = MeanLuminance(body->grab(place).toImage());
  EXPECT_GT(std::abs(on - off), 40) << "off " << off << ", on " << on;
}

using SelectionHintTest = AppTest;

const QString kUnlockHint =
    "Odomkli ste úpravu veľkosťi snímajúceho okna. Teraz môžete meniť jeho veľkosť nezávisle na "
    "veľkosti výsledného obrázku.";
const QString kLockHint =
    "Zamkli ste úpravu veľkosťi snímajúceho okna. Teraz nie je možné upravovať jeho veľkosť. "
    "Veľkosť snímajúceho okna sa automaticky mení podľa nastavenia veľkosti výsledného obrázku.";

// Start-up and other code switch the lock without a sender: no hint, and the hint's showings
// are not used up, so the user's own clicks still show it twice.
TEST_F(SelectionHintTest, LockSwitchedFromCodeShowsNoHintAndKeepsItsShowings) {
  Start();
  TMainZorna& m = Main();
  messages_.clear();
  for (int i = 0; i < 3; ++i) {
    m.BtnZamknuteClick(nullptr);
    m.BtnOdomknuteClick(nullptr);
  }
  EXPECT_TRUE(messages_.isEmpty());
  for (int i = 0; i < 3; ++i) {
    m.BtnZamknuteClick(PartsOf(m).BtnZamknute);
    m.BtnOdomknuteClick(PartsOf(m).BtnOdomknute);
  }
  EXPECT_EQ(messages_, (QStringList{kUnlockHint, kLockHint, kUnlockHint, kLockHint}));
  EXPECT_FALSE(PartsOf(m).BtnZamknute->isHidden());
  EXPECT_TRUE(PartsOf(m).BtnOdomknute->isHidden());
  EXPECT_FALSE(PartsOf(m).ComboBox2->isEnabled());
}

TEST_F(SelectionHintTest, ResultMenuOpensAtTheLeftMiddleOfTheResult) {
  Start();
  TMainZorna& m = Main();
  m.Image2Click(PartsOf(m).Image2);
  const QPoint expected =
      PartsOf(m).Image2->mapToGlobal(QPoint(0, PartsOf(m).Image2->height() / 2));
  EXPECT_TRUE(PartsOf(m).PopupMenu2->isVisible());
  EXPECT_EQ(PartsOf(m).PopupMenu2->pos(), expected);
  PartsOf(m).PopupMenu2->hide();
}

using SelectionLockTest = AppTest;

// Both lists already on the custom entry: a new custom output side must still reach the locked
// input list, whose index does not change.
TEST_F(SelectionLockTest, SecondCustomOutputSizeAlsoReachesTheLockedInput) {
  Start();
  TMainZorna& m = Main();
  TDlgRozmer* dialog = AllDialogs().DlgRozmer;
  dialog->SpinEdit1->setValue(20);
  PartsOf(m).ComboBox1->setCurrentIndex(5);
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  ASSERT_EQ(PartsOf(m).ComboBox2->currentText(), "20 x 20");
  dialog->SpinEdit1->setValue(40);
  PartsOf(m).ComboBox1->setCurrentIndex(5);
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  EXPECT_EQ(dialogs_shown_.size(), 2);
  EXPECT_EQ(PartsOf(m).ComboBox1->currentText(), "40 x 40");
  EXPECT_EQ(PartsOf(m).ComboBox2->currentIndex(), 5);
  EXPECT_EQ(PartsOf(m).ComboBox2->currentText(), "40 x 40");
  EXPECT_EQ(PartsOf(m).Bevel1->width(), 39);
  EXPECT_TRUE(PartsOf(m).Zvacs1->isHidden());
  EXPECT_TRUE(PartsOf(m).BtnMod->isHidden());
  m.bitmapaMouseMove(PartsOf(m).bitmapa, 10, 20);  // equal sizes: the square one to one
  EXPECT_EQ(PartsOf(m).Image1->Picture().Pixel(39, 39),
            PartsOf(m).bitmapa->Picture().Pixel(49, 59));
}

}  // namespace
}  // namespace zorna::app::testing
