// The size lists, the lock, the custom size dialog and the switches of the input panel.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "app/app_fixture.h"
#include "app/dialogs/dlg_pozadie.h"
#include "app/dialogs/dlg_rozmer.h"
#include "app/main_window/custom_size.h"
#include "app/main_window/main_zorna_parts.h"

namespace zorna::app::testing {
namespace {

using SelectionSizesTest = AppTest;

TEST_F(SelectionSizesTest, LockedOutputChangeDrivesTheInputList) {
  Seed("Obrázok", "Výstup", 2);
  Seed("Obrázok", "Vstup", 2);
  Start();
  TMainZorna& m = Main();
  PartsOf(m).ComboBox1->setCurrentIndex(4);
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  EXPECT_EQ(PartsOf(m).ComboBox2->currentText(), "128 x 128");
  EXPECT_FALSE(PartsOf(m).ComboBox2->isEnabled());
  EXPECT_EQ(PartsOf(m).Bevel1->width(), 127);
  EXPECT_TRUE(PartsOf(m).Zvacs1->isHidden());
  EXPECT_TRUE(PartsOf(m).BtnMod->isHidden());
  EXPECT_EQ(PartsOf(m).Image1->Picture().Width(), 128);
  EXPECT_EQ(PartsOf(m).Bevel3->width(), 130);
}

TEST_F(SelectionSizesTest, UnlockedSizesShowTheMatchingSwitch) {
  Start();
  TMainZorna& m = Main();
  m.BtnZamknuteClick(PartsOf(m).BtnZamknute);
  EXPECT_TRUE(PartsOf(m).ComboBox2->isEnabled());
  PartsOf(m).ComboBox2->setCurrentIndex(3);
  m.ComboBox2Change(PartsOf(m).ComboBox2);
  PartsOf(m).ComboBox1->setCurrentIndex(1);
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  EXPECT_FALSE(PartsOf(m).BtnMod->isHidden());
  EXPECT_EQ(PartsOf(m).BtnMod->text(), "mód 1");
  EXPECT_TRUE(PartsOf(m).Zvacs1->isHidden());
  PartsOf(m).ComboBox2->setCurrentIndex(1);
  m.ComboBox2Change(PartsOf(m).ComboBox2);
  PartsOf(m).ComboBox1->setCurrentIndex(3);
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  EXPECT_TRUE(PartsOf(m).BtnMod->isHidden());
  EXPECT_FALSE(PartsOf(m).Zvacs1->isHidden());
  EXPECT_FALSE(PartsOf(m).Zvacs2->isHidden());
  // The unlock hint once with a sender; none from code.
  EXPECT_TRUE(messages_.contains(
      "Odomkli ste úpravu veľkosťi snímajúceho okna. Teraz môžete meniť jeho veľkosť nezávisle na "
      "veľkosti výsledného obrázku."));
}

TEST_F(SelectionSizesTest, LockedCustomSizeAsksOnceAndFillsBothLists) {
  Start();
  TMainZorna& m = Main();
  AllDialogs().DlgRozmer->SpinEdit1->setValue(20);
  PartsOf(m).ComboBox1->setCurrentIndex(5);
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  EXPECT_EQ(dialogs_shown_.size(), 1);
  EXPECT_EQ(PartsOf(m).ComboBox1->currentText(), "20 x 20");
  EXPECT_EQ(PartsOf(m).ComboBox2->currentText(), "20 x 20");
  EXPECT_EQ(PartsOf(m).ComboBox2->currentIndex(), 5);
}

TEST_F(SelectionSizesTest, CancelInTheCustomDialog) {
  Start();
  TMainZorna& m = Main();
  m.BtnZamknuteClick(nullptr);
  answer_ = [](QDialog*) { return int(QDialog::Rejected); };
  PartsOf(m).ComboBox2->setCurrentIndex(5);
  m.ComboBox2Change(PartsOf(m).ComboBox2);
  EXPECT_EQ(PartsOf(m).ComboBox2->currentIndex(), PartsOf(m).ComboBox1->currentIndex());
  PartsOf(m).ComboBox1->setCurrentIndex(5);
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  EXPECT_EQ(PartsOf(m).ComboBox1->currentIndex(), 5);
  EXPECT_EQ(PartsOf(m).ComboBox1->currentText(), "vlastný");
  EXPECT_EQ(PartsOf(m).Image1->Picture().Width(), 0);  // an output size of 0 until another entry
}

// Real keys: typed freely, forced into 5..128 when taken; Up stays in range; Escape keeps it.
TEST_F(SelectionSizesTest, CustomSizeIsTypedFreelyAndForcedIntoRangeWhenTaken) {
  Start();
  QSpinBox* field = AllDialogs().DlgRozmer->SpinEdit1;
  for (auto [keys, side] :
       {std::pair{"40\r", 40}, std::pair{"12\r", 12}, std::pair{"200\r", 128},
        std::pair{"\b\b\r", 5}, std::pair{"128", 128}, std::pair{"9\x1b", 128}}) {
    answer_ = [&](QDialog* dialog) {
      dialog->setWindowModality(Qt::ApplicationModal);
      dialog->show();
      QTest::keyClicks(field, keys);
      if (dialog->isVisible()) QTest::keyClick(field, Qt::Key_Up);
      if (dialog->isVisible()) QTest::keyClick(field, Qt::Key_Return);
      return dialog->result();
    };
    AskCustomSize(AllDialogs().DlgRozmer, PartsOf(Main()).ComboBox1);
    EXPECT_EQ(field->value(), side) << keys;
  }
}

TEST_F(SelectionSizesTest, TakeExpandsTheResultPanelAndShowsHintsInTurn) {
  Start();
  TMainZorna& m = Main();
  messages_.clear();
  m.ImageVstupMinClick(PartsOf(m).Panel("Vystup").right);  // collapse the result panel
  ASSERT_EQ(PartsOf(m).Panel("Vystup").panel->height(), 17);
  m.bitmapaMouseDown(PartsOf(m).bitmapa);
  EXPECT_EQ(PartsOf(m).Panel("Vystup").panel->height(), 64 + 17 + 18);
  EXPECT_TRUE(PartsOf(m).BtnSave->isEnabled());
  EXPECT_FALSE(PartsOf(m).BtnOtocDolava->isHidden());
  for (int i = 0; i < 4; ++i) m.bitmapaMouseDown(PartsOf(m).bitmapa);
  ASSERT_EQ(messages_.size(), 4);
  EXPECT_TRUE(messages_[0].contains("\r"));
  EXPECT_EQ(messages_[1], messages_[0]);
  EXPECT_EQ(messages_[2],
            "Výsledný obrázok môžete ešte ďalej upravovať kliknutím naň vo výsledku.");
  EXPECT_EQ(messages_[3], messages_[2]);
}

TEST_F(SelectionSizesTest, ShrinkModeAndSmoothSwitchToggle) {
  Start();
  TMainZorna& m = Main();
  m.BtnModClick(nullptr);
  EXPECT_EQ(PartsOf(m).BtnMod->text(), "mód 2");
  m.BtnModClick(nullptr);
  EXPECT_EQ(PartsOf(m).BtnMod->text(), "mód 1");
  m.Zvacs2Click(nullptr);
  EXPECT_TRUE(PartsOf(m).Zvacs1->isEnabled());
  EXPECT_FALSE(PartsOf(m).Zvacs2->isEnabled());
  m.Zvacs1Click(nullptr);
  EXPECT_FALSE(PartsOf(m).Zvacs1->isEnabled());
  EXPECT_TRUE(PartsOf(m).Zvacs2->isEnabled());
}

TEST_F(SelectionSizesTest, PickComposesThePreviewAndTheTakeCopiesIt) {
  Start();
  TMainZorna& m = Main();
  m.bitmapaMouseMove(PartsOf(m).bitmapa, 100, 50);
  EXPECT_EQ(PartsOf(m).Bevel1->pos(), QPoint(101, 51));
  ASSERT_EQ(PartsOf(m).Image1->Picture().Width(), 64);
  EXPECT_EQ(PartsOf(m).Image1->Picture().Pixel(0, 0), PartsOf(m).bitmapa->Picture().Pixel(100, 50));
  EXPECT_EQ(PartsOf(m).Image1->Picture().Pixel(63, 63),
            PartsOf(m).bitmapa->Picture().Pixel(163, 113));
  EXPECT_EQ(PartsOf(m).Image3->Picture(), PartsOf(m).Image1->Picture());
  m.bitmapaMouseDown(PartsOf(m).bitmapa);
  EXPECT_EQ(PartsOf(m).Image2->Picture(), PartsOf(m).Image1->Picture());
  m.BtnPreklopVodorovneClick(PartsOf(m).BtnPreklopVodorovne);
  EXPECT_EQ(PartsOf(m).Image2->Picture().Pixel(0, 0), PartsOf(m).bitmapa->Picture().Pixel(163, 50));
  m.bitmapaMouseMove(PartsOf(m).bitmapa, 0, 0);  // the transform leaves the preview alone
  EXPECT_EQ(PartsOf(m).Image1->Picture().Pixel(0, 0), PartsOf(m).bitmapa->Picture().Pixel(0, 0));
}

TEST_F(SelectionSizesTest, ResultBecomesTheBackgroundOfItsOwnSize) {
  Seed("Obrázok", "Výstup", 2);
  Seed("Obrázok", "Vstup", 2);
  Start();
  TMainZorna& m = Main();
  ASSERT_TRUE(m.BackgroundListIsSmall());
  m.bitmapaMouseMove(PartsOf(m).bitmapa, 40, 40);
  m.bitmapaMouseDown(PartsOf(m).bitmapa);
  const Bitmap placeholder64 = m.Backgrounds().list2.Picture(kUserBackground);
  m.Nastaviakopodklad2Click(nullptr);
  EXPECT_EQ(PartsOf(m).ComboBoxEx1->currentIndex(), kUserBackground);
  EXPECT_EQ(m.Backgrounds().list1.Picture(kUserBackground), PartsOf(m).Image2->Picture());
  // Switching to 64 x 64 shows the other list, whose user picture is still the placeholder.
  PartsOf(m).ComboBox1->setCurrentIndex(3);
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  EXPECT_FALSE(m.BackgroundListIsSmall());
  EXPECT_EQ(PartsOf(m).ComboBoxEx1->width(), 88);
  EXPECT_EQ(m.Backgrounds().list2.Picture(kUserBackground), placeholder64);
}

TEST_F(SelectionSizesTest, UsersSlotOpensTheBackgroundDialog) {
  Seed("Obrázok", "Výstup", 2);
  Seed("Obrázok", "Vstup", 2);
  Start();
  TMainZorna& m = Main();
  Bitmap own(32, 32, 0x0000FF);
  own.SetPixel(0, 0, kWhite);
  answer_ = [&](QDialog* dialog) {
    auto* d = static_cast<TDlgPozadie*>(dialog);
    d->FormShow();
    EXPECT_FALSE(d->Image1->isHidden());
    EXPECT_TRUE(d->Image2->isHidden());
    d->Image1->SetPicture(own);
    return int(QDialog::Accepted);
  };
  PartsOf(m).ComboBoxEx1->setCurrentIndex(3);
  m.ComboBoxEx1Change(PartsOf(m).ComboBoxEx1);
  EXPECT_TRUE(dialogs_shown_.isEmpty());  // an ordinary tile opens nothing
  PartsOf(m).ComboBoxEx1->setCurrentIndex(kUserBackground);
  m.ComboBoxEx1Change(PartsOf(m).ComboBoxEx1);
  ASSERT_EQ(dialogs_shown_, QStringList{"DlgPozadie"});
  EXPECT_EQ(m.Backgrounds().list1.Picture(kUserBackground).Pixel(5, 5), 0x0000FFu);
  // Picked white pixels over the user's picture: its own white corner lets plain white through.
  PartsOf(m).ComboBox3->setCurrentIndex(2);
  Bitmap composed(32, 32);
  m.Backgrounds().list1.Draw(composed, 0, 0, kUserBackground);
  EXPECT_EQ(composed.Pixel(0, 0), kWhite);
  EXPECT_EQ(composed.Pixel(5, 5), 0x0000FFu);
}

TEST_F(SelectionSizesTest, CopyPutsTheResultOnTheClipboard) {
  Start();
  TMainZorna& m = Main();
  m.bitmapaMouseMove(PartsOf(m).bitmapa, 30, 40);
  m.bitmapaMouseDown(PartsOf(m).bitmapa);
  m.BtnCopyClick(PartsOf(m).BtnCopy);
  const QImage copied = QGuiApplication::clipboard()->image();
  ASSERT_EQ(copied.size(), QSize(64, 64));
  const Colorref c = PartsOf(m).bitmapa->Picture().Pixel(30, 40);
  EXPECT_EQ(copied.pixel(0, 0) & 0xFFFFFF, (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c));
}

}  // namespace
}  // namespace zorna::app::testing
