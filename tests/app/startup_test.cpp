// Start-up and closing: the choices restored from the settings and written back.
#include <fstream>

#include "app/app_fixture.h"
#include "app/dialogs/dlg_rozmer.h"
#include "app/dialogs/dlg_skin.h"
#include "app/main_window/main_zorna_parts.h"
#include "support/files.h"

namespace zorna::app::testing {
namespace {

using StartupTest = AppTest;

TEST_F(StartupTest, FirstRunUsesEveryDefault) {
  Start();
  TMainZorna& m = Main();
  EXPECT_EQ(PartsOf(m).ComboBox1->currentText(), "64 x 64");
  EXPECT_EQ(PartsOf(m).ComboBox2->currentText(), "64 x 64");
  EXPECT_EQ(PartsOf(m).ComboBox4->currentText(), "32 x 32");
  EXPECT_EQ(PartsOf(m).ComboBox3->currentText(), "prekryť obrázkom");
  EXPECT_EQ(PartsOf(m).ComboBoxEx1->currentIndex(), 0);
  EXPECT_FALSE(PartsOf(m).BtnZamknute->isHidden());
  EXPECT_TRUE(PartsOf(m).BtnOdomknute->isHidden());
  EXPECT_FALSE(PartsOf(m).ComboBox2->isEnabled());
  EXPECT_FALSE(PartsOf(m).Zvacs1->isEnabled());
  // Input and result expanded and recomputed for 64; magnifier and background collapsed.
  EXPECT_EQ(PartsOf(m).Panel("Vstup").panel->height(), 64 + 17 + 18);
  EXPECT_EQ(PartsOf(m).Panel("Vystup").panel->height(), 64 + 17 + 18);
  EXPECT_EQ(PartsOf(m).Panel("Lupa").panel->height(), 17);
  EXPECT_EQ(PartsOf(m).Panel("Podklad").panel->height(), 17);
  EXPECT_EQ(AllDialogs().DlgSkin->ListBox->currentRow(), 1);
  EXPECT_EQ(AllDialogs().DlgSkin->ListBox->currentItem()->text(), "Modry");
  EXPECT_TRUE(PartsOf(m).BtnLeft->isHidden());
  EXPECT_FALSE(PartsOf(m).BtnSave->isEnabled());
  EXPECT_TRUE(PartsOf(m).BtnOtocDolava->isHidden());
  EXPECT_EQ(AllDialogs().DlgRozmer->SpinEdit1->value(), 20);
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_EQ(messages_[0], "Kliknutím kdekoľvek na obrazovku myšou získate obrázok.");
  // The screen picture fills bitmapa; the program folder became the current directory.
  EXPECT_EQ(PartsOf(m).bitmapa->Picture().Pixel(10, 20), Rgb(10, 20, 30));
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(home_));
}

TEST_F(StartupTest, StoredVstupFourFollowsTheOutputList) {
  Seed("Obrázok", "Výstup", 2);
  Seed("Obrázok", "Vstup", 4);
  Start();
  EXPECT_EQ(PartsOf(Main()).ComboBox1->currentText(), "32 x 32");
  EXPECT_EQ(PartsOf(Main()).ComboBox2->currentText(), "32 x 32");
}

TEST_F(StartupTest, OutOfRangeAndNonNumericValuesFallBack) {
  Seed("Lupa", "Veľkosť", 99);
  {
    IniFile ini(SettingsPath());
    ini.WriteString("Pozadie", "Prekrytie", "abc");
    ini.Save();
  }
  Seed("Pozadie", "Obrázok", 18);  // the user's slot is never restored
  Start();
  EXPECT_EQ(PartsOf(Main()).ComboBox4->currentIndex(), -1);
  EXPECT_EQ(PartsOf(Main()).ComboBox3->currentIndex(), 1);
  EXPECT_EQ(PartsOf(Main()).ComboBoxEx1->currentIndex(), 0);
  Close();
  EXPECT_EQ(Settings().ReadInteger("Lupa", "Veľkosť", 0), -1);
}

TEST_F(StartupTest, ClosingWritesTheChoicesButNotACustomSize) {
  Seed("Obrázok", "Výstup", 1);
  Seed("Obrázok", "Vstup", 2);
  Start();
  TMainZorna& m = Main();
  m.BtnZamknuteClick(nullptr);  // unlock, so each list keeps its own entry
  PartsOf(m).ComboBox1->setCurrentIndex(5);
  PartsOf(m).ComboBox2->setCurrentIndex(5);
  PartsOf(m).ComboBox3->setCurrentIndex(6);
  m.Zvacs2Click(nullptr);
  AllDialogs().DlgRozmer->SpinEdit1->setValue(40);
  Close();
  IniFile ini = Settings();
  EXPECT_EQ(ini.ReadInteger("Obrázok", "Výstup", -9), 1);
  EXPECT_EQ(ini.ReadInteger("Obrázok", "Vstup", -9), 2);
  EXPECT_EQ(ini.ReadInteger("Pozadie", "Prekrytie", -9), 6);
  EXPECT_FALSE(ini.ReadBool("Obrázok", "Zámok", true));
  EXPECT_TRUE(ini.ReadBool("Obrázok", "Zväčšiť", false));
  EXPECT_EQ(ini.ReadInteger("Obrázok", "Rozmer", -9), 40);
  EXPECT_EQ(ini.ReadInteger("Skin", "Číslo", -9), 1);
  EXPECT_EQ(ini.ReadInteger("Veľkosti okien", "Lupa", -9), 17);
}

TEST_F(StartupTest, PanelHeightsAndSideSurviveARestart) {
  Start();
  Main().ImageVstupMinClick(PartsOf(Main()).Panel("Lupa").right);  // expand the magnifier
  Main().BtnRightClick(nullptr);
  Close();
  Start();
  EXPECT_EQ(PartsOf(Main()).Panel("Lupa").panel->height(), 17 + 32 + 18);
  EXPECT_FALSE(PartsOf(Main()).BtnLeft->isHidden());
  Main().FormResize();
  EXPECT_EQ(PartsOf(Main()).Panel1->x(), 1024 - PartsOf(Main()).Panel1->width() - 8);
}

TEST_F(StartupTest, HintOneIsShownTwiceAndAValueOfSevenAlways) {
  for (int run = 0; run < 3; ++run) {
    Start();
    Close();
  }
  EXPECT_EQ(messages_.size(), 2);
  Seed("Dialóg", "1", 7);
  messages_.clear();
  Start();
  Close();
  Start();
  Close();
  EXPECT_EQ(messages_.size(), 2);
  EXPECT_EQ(Settings().ReadInteger("Dialóg", "1", 0), 7);
}

TEST_F(StartupTest, NotFoundListIsLoadedAndReplacedOrDeleted) {
  const auto list = home_ / "nenájdené v galérii.txt";
  std::ofstream(list, std::ios::binary) << "ma\xE8ka\r\npes\r\n";
  Start();
  EXPECT_EQ(PartsOf(Main()).NenajdeneVGalerii->toPlainText(), "mačka\npes");
  PartsOf(Main()).NenajdeneVGalerii->appendPlainText("ďateľ");
  Close();
  EXPECT_EQ(ReadWholeFileText(list),
            "ma\xE8ka\r\npes\r\n\xEF"
            "ate\xBE\r\n");
  Start();
  PartsOf(Main()).NenajdeneVGalerii->clear();
  Close();
  EXPECT_FALSE(std::filesystem::exists(list));
}

// A start-up step that fails before the list is loaded (here the screen picture) must not let
// closing write an empty or placeholder list over the user's.
TEST_F(StartupTest, ANotFoundListThatWasNeverLoadedIsNotWritten) {
  const auto list = home_ / "nenájdené v galérii.txt";
  std::ofstream(list, std::ios::binary) << "pes\r\n";
  qputenv("ZORNA_SCREEN_IMAGE", QByteArray::fromStdString((root_ / "missing.bmp").string()));
  Start();
  Close();
  EXPECT_EQ(ReadWholeFileText(list), "pes\r\n");
}

TEST_F(StartupTest, WithoutANotFoundListTheDesignLineIsRemoved) {
  Start();
  EXPECT_TRUE(PartsOf(Main()).NenajdeneVGalerii->toPlainText().isEmpty());
  Close();
  EXPECT_FALSE(std::filesystem::exists(home_ / "nenájdené v galérii.txt"));
}

// Every take saves a hint counter: the failure is told once, and the hints still count in the
// run instead of returning at every take.
TEST_F(StartupTest, UnwritableSettingsAreReportedOnceAndHintsStillCount) {
  std::filesystem::remove_all(config_);
  std::ofstream(config_) << "a file where the settings folder belongs";
  Start();
  for (int take = 0; take < 5; ++take) Main().bitmapaMouseDown(PartsOf(Main()).bitmapa);
  Close();
  ASSERT_EQ(messages_.size(), 6);
  EXPECT_TRUE(messages_[0].startsWith("Nastavenia sa nepodarilo uložiť"));
  EXPECT_TRUE(messages_[2].startsWith("Kliknutím na ikonku z disketou"));
  EXPECT_TRUE(messages_[3].startsWith("Kliknutím na ikonku z disketou"));
  EXPECT_TRUE(messages_[4].startsWith("Výsledný obrázok môžete"));
  EXPECT_TRUE(messages_[5].startsWith("Výsledný obrázok môžete"));
}

// A settings file that exists but cannot be read keeps the user's keys: it is reported once and
// never replaced by the defaults.
TEST_F(StartupTest, UnreadableSettingsAreReportedOnceAndKept) {
  std::filesystem::create_symlink("/proc/self/mem", SettingsPath());
  Start();
  Main().bitmapaMouseDown(PartsOf(Main()).bitmapa);
  Close();
  EXPECT_EQ(messages_.filter(QString::fromUtf8("sa nedá prečítať")).size(), 1);
  EXPECT_TRUE(std::filesystem::is_symlink(SettingsPath()));
}

}  // namespace
}  // namespace zorna::app::testing
