#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QShortcut>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/dialogs/dlg_ikona.h"
#include "app/dialogs/dlg_jpeg.h"
#include "app/dialogs/save_result.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/messages.h"
#include "core/file_size_limit.h"
#include "output/alpha_icon_file.h"
#include "output/button_strip.h"
#include "output/icon_file.h"
#include "output/transparent_result.h"
#include "picture/bmp_file.h"
#include "picture/jpeg_file.h"
#include "picture/png_file.h"
#include "settings/ini_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna::app {
namespace {

namespace fs = std::filesystem;

// The save command with its dialogs; the settings file gets the remembered type as the
// program's main window writes it. Modal dialogs are answered by `answer_`.
class SaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("zorna-save-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    dlg_jpeg_.SetTrialFolder(folder_.string() + "/");
    for (int i = 0; i < 19; ++i) list_.Add(Bitmap(64, 64));
    dlg_ikona_.SetImageList2(&list_);
    SetModalRunner([this](QDialog* dialog) {
      shown_ << dialog->objectName();
      return answer_(dialog);
    });
    result_ = Bitmap(32, 32, kWhite);
    for (int i = 4; i < 28; ++i) {
      result_.SetPixel(i, 4, kBlack);
      result_.SetPixel(i, 10, Rgb(200, 30, 30));
      result_.SetPixel(i, 12, Rgb(128, 128, 128));
    }
  }
  void TearDown() override {
    SetModalRunner({});
    fs::remove_all(folder_);
  }

  std::unique_ptr<SaveResult> Make(const std::string& remembered) {
    return std::make_unique<SaveResult>(nullptr, remembered, &dlg_ikona_, &dlg_jpeg_,
                                        [this](const std::string& value) {
                                          IniFile ini(SettingsPath());
                                          ini.WriteString(kSaveTypeSection, kSaveTypeKey, value);
                                          ini.Save();
                                        });
  }
  fs::path SettingsPath() const { return folder_ / "Zorna.ini"; }
  std::string Remembered() const {
    return IniFile(SettingsPath()).ReadString(kSaveTypeSection, kSaveTypeKey, "(none)");
  }
  std::string File(const std::string& name) const { return (folder_ / name).string(); }
  // 1-based index of the entry with this description in the save's filter list.
  static int IndexOf(const SaveResult& save, const std::string& description) {
    const auto entries = ParseFilterList(save.Filter());
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].description == description) return static_cast<int>(i) + 1;
    }
    return 0;
  }

  fs::path folder_;
  ImageList list_{64, 64};
  TDlgIkona dlg_ikona_;
  TDlgJpeg dlg_jpeg_;
  Bitmap result_;
  QStringList shown_;
  std::function<int(QDialog*)> answer_ = [](QDialog*) { return int(QDialog::Accepted); };
};

TEST_F(SaveTest, TheSaveDialogListsTheRememberedTypeFirst) {
  auto save = Make("ico");
  const QStringList filters = save->SavePictureDialog1()->nameFilters();
  ASSERT_EQ(filters.size(), 6);
  EXPECT_TRUE(filters[0].startsWith("Zorna (*.ico)"));
  EXPECT_TRUE(filters[3].startsWith(QString::fromUtf8("Tlačítko (*.bmp)")));
  EXPECT_TRUE(filters[5].startsWith(QString::fromUtf8("Ikona s priehľadnosťou (*.ico)")));
  EXPECT_TRUE(save->SavePictureDialog1()->testOption(QFileDialog::DontUseNativeDialog));
  EXPECT_EQ(save->SavePictureDialog1()->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(save->ChosenFilterIndex(), 1);
  EXPECT_EQ(save->SavePictureDialog1()->defaultSuffix(), "ico");
  EXPECT_EQ(Make("png")->SavePictureDialog1()->defaultSuffix(), "png");
  auto design = Make("gif");
  EXPECT_EQ(design->SavePictureDialog1()->nameFilters().size(), 3);
  EXPECT_TRUE(
      design->SavePictureDialog1()->nameFilters()[2].startsWith(QString::fromUtf8("Gif súbory")));
}

TEST_F(SaveTest, EachKindWritesItsFileAndRemembersItsTypeButJpegRemembersNothing) {
  auto save = Make("jpg");
  const int jpeg = IndexOf(*save, "Jpeg súbory (*.jpg, *.jpeg)");
  const int bitmap = IndexOf(*save, "Bitmapy (*.bmp)");
  const int button = IndexOf(*save, "Tlačítko (*.bmp)");

  // Icon: the dialog's choice reaches the conversion.
  answer_ = [this](QDialog* dialog) {
    if (dialog == &dlg_ikona_) {
      dlg_ikona_.FormShow();
      dlg_ikona_.RadioButton1->setChecked(true);
      dlg_ikona_.RadioButton1Click();
    }
    return int(QDialog::Accepted);
  };
  EXPECT_EQ(save->SaveChosen(result_, File("a.ico"), button), SaveKind::kIcon);
  EXPECT_EQ(ReadWholeFile(File("a.ico")),
            EncodeIconFile(MakeIcon(result_, IconTransparency::kOpaque)));
  EXPECT_EQ(Remembered(), "ico");

  // Button, typed without an extension: a 64 x 32 strip under the name plus .bmp.
  EXPECT_EQ(save->SaveChosen(result_, File("tlacidlo"), button), SaveKind::kButton);
  const auto strip_bytes = ReadWholeFile(File("tlacidlo.bmp"));
  const Bitmap strip = DecodeBmp(strip_bytes.data(), strip_bytes.size());
  EXPECT_EQ(strip, ZmenNaBtn(result_));
  EXPECT_EQ(strip.Width(), 64);
  EXPECT_EQ(save->PracovnyObrazok(), strip);
  EXPECT_EQ(Remembered(), "btn");

  // Bitmap by name, whatever type is chosen.
  EXPECT_EQ(save->SaveChosen(result_, File("b.BMP"), jpeg), SaveKind::kBitmap);
  const auto bmp_bytes = ReadWholeFile(File("b.BMP"));
  EXPECT_EQ(DecodeBmp(bmp_bytes.data(), bmp_bytes.size()), result_);
  EXPECT_EQ(Remembered(), "bmp");

  // A name that is no type's under the bitmap type is a JPEG, at the dialog's quality, 0
  // included; it remembers nothing.
  answer_ = [this](QDialog* dialog) {
    if (dialog == &dlg_jpeg_) {
      dlg_jpeg_.FormShow();
      dlg_jpeg_.TrackBar->setValue(0);
    }
    return int(QDialog::Accepted);
  };
  EXPECT_EQ(save->SaveChosen(result_, File("c.jpeg"), bitmap), SaveKind::kJpeg);
  EXPECT_EQ(ReadWholeFile(File("c.jpeg")), EncodeJpeg(result_, 0));
  EXPECT_EQ(Remembered(), "bmp");

  // A .png name, under the bitmap type too, is a real PNG with the icon dialog's choice; the
  // type with alpha and a bare name is the icon with alpha.
  QStringList titles;
  answer_ = [this, &titles](QDialog* dialog) {
    if (dialog == &dlg_ikona_) {
      titles << dialog->windowTitle();
      dlg_ikona_.FormShow();
      dlg_ikona_.RadioButton4->setChecked(true);
      dlg_ikona_.RadioButton4Click();
    }
    return int(QDialog::Accepted);
  };
  EXPECT_EQ(save->SaveChosen(result_, File("d.png"), bitmap), SaveKind::kPng);
  EXPECT_EQ(ReadWholeFile(File("d.png")),
            EncodePng(TransparentResult(result_, IconTransparency::kBottomRight)));
  EXPECT_EQ(Remembered(), "png");
  const int alpha_icon = IndexOf(*save, "Ikona s priehľadnosťou (*.ico)");
  EXPECT_EQ(save->SaveChosen(result_, File("e"), alpha_icon), SaveKind::kAlphaIcon);
  EXPECT_EQ(ReadWholeFile(File("e.ico")),
            EncodeAlphaIconFile(TransparentResult(result_, IconTransparency::kBottomRight),
                                {32, 24, 16}));
  EXPECT_EQ(Remembered(), "ico32");
  EXPECT_EQ(titles, QStringList({"Uloženie obrázku ako PNG súbor",
                                 "Uloženie obrázku ako ikona s priehľadnosťou"}));
  EXPECT_EQ(shown_, QStringList({"DlgIkona", "DlgJpeg", "DlgIkona", "DlgIkona"}));
}

TEST_F(SaveTest, CancellingTheIconOrJpegDialogSavesNothing) {
  auto save = Make("jpg");
  answer_ = [](QDialog*) { return int(QDialog::Rejected); };
  EXPECT_EQ(save->SaveChosen(result_, File("a.ico"), 1), std::nullopt);
  EXPECT_EQ(save->SaveChosen(result_, File("a.jpg"), 1), std::nullopt);
  EXPECT_EQ(save->SaveChosen(result_, File("a.png"), 1), std::nullopt);
  EXPECT_EQ(save->SaveChosen(result_, File("b.ico"), 6), std::nullopt);
  EXPECT_FALSE(fs::exists(File("a.ico")));
  EXPECT_FALSE(fs::exists(File("a.jpg")));
  EXPECT_FALSE(fs::exists(File("a.png")));
  EXPECT_FALSE(fs::exists(File("b.ico")));
  EXPECT_FALSE(fs::exists(SettingsPath()));
}

using zorna::testing::FileSizeLimit;

TEST_F(SaveTest, AFailedWriteRemembersNothingAndKeepsTheEarlierFile) {
  auto save = Make("jpg");
  const int bitmap = IndexOf(*save, "Bitmapy (*.bmp)");
  IniFile ini(SettingsPath());
  ini.WriteString(kSaveTypeSection, kSaveTypeKey, "jpg");
  ini.Save();
  auto expect_failure = [&](const std::string& name) {
    try {
      save->SaveChosen(result_, name, bitmap);
      ADD_FAILURE() << "saving " << name << " succeeded";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Cannot create file " + name + ": ", 0), 0u)
          << e.what();
    }
    EXPECT_EQ(Remembered(), "jpg") << name;
  };
  // A folder that does not exist, a name that is a folder.
  expect_failure(File("missing/a.bmp"));
  fs::create_directories(folder_ / "my.icons");
  expect_failure(File("my.icons"));
  EXPECT_TRUE(fs::is_directory(folder_ / "my.icons"));
  // A full disk: the earlier file under that name stays as it was.
  WriteFileAtomically(File("old.bmp"), std::string("earlier"));
  Bitmap large(128, 128, Rgb(1, 2, 3));
  {
    FileSizeLimit limit(8192);
    try {
      save->SaveChosen(large, File("old.bmp"), bitmap);
      ADD_FAILURE() << "a write past the disk's end succeeded";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()),
                "Cannot create file " + File("old.bmp") + ": File too large");
      // The window shows the same facts in Slovak.
      EXPECT_EQ(e.Slovak(),
                "Súbor " + File("old.bmp") + " sa nedá vytvoriť: súbor je príliš veľký");
    }
  }
  EXPECT_EQ(ReadWholeFileText(File("old.bmp")), "earlier");
  EXPECT_EQ(Remembered(), "jpg");
}

TEST_F(SaveTest, BtnSaveClickTakesTheNameAndTypeChosenInTheSaveDialog) {
  auto save = Make("jpg");
  answer_ = [&](QDialog* dialog) {
    if (dialog == save->SavePictureDialog1()) {
      save->SavePictureDialog1()->setDirectory(QString::fromStdString(folder_.string()));
      // The user picks "Tlačítko (*.bmp)" in the type list and types a bare name.
      auto* types = save->SavePictureDialog1()->findChild<QComboBox*>("fileTypeCombo");
      EXPECT_NE(types, nullptr);
      if (types == nullptr) return int(QDialog::Rejected);
      types->setCurrentIndex(3);
      // What the list emits when the user picks an entry.
      emit types->activated(3);
      emit types->textActivated(types->currentText());
      save->SavePictureDialog1()->selectFile("tlacidlo");
    }
    return int(QDialog::Accepted);
  };
  EXPECT_EQ(save->BtnSaveClick(result_), SaveKind::kButton);
  EXPECT_TRUE(fs::exists(File("tlacidlo.bmp")));
  EXPECT_EQ(Remembered(), "btn");

  answer_ = [](QDialog*) { return int(QDialog::Rejected); };
  EXPECT_EQ(save->BtnSaveClick(result_), std::nullopt);
  EXPECT_EQ(shown_, QStringList({"SavePictureDialog1", "SavePictureDialog1"}));
}

}  // namespace
}  // namespace zorna::app

namespace zorna::app::testing {
namespace {

// The buttons wait for the first committed result; their shortcuts do not, and work on
// whatever the result picture holds.
TEST_F(AppTest, SaveAndCopyShortcutsWorkBeforeTheFirstResultIsTaken) {
  Start();
  TMainZorna& m = Main();
  ASSERT_FALSE(PartsOf(m).BtnSave->isEnabled());
  ASSERT_FALSE(PartsOf(m).BtnCopy->isEnabled());
  answer_ = [](QDialog*) { return int(QDialog::Rejected); };
  emit m.Action("Save")->activated();
  EXPECT_EQ(dialogs_shown_, QStringList{"SavePictureDialog1"});

  QGuiApplication::clipboard()->clear();
  emit m.Action("CopyImage")->activated();
  const QImage copied = QGuiApplication::clipboard()->image();
  const Bitmap& result = PartsOf(m).Image2->Picture();
  ASSERT_EQ(copied.size(), QSize(result.Width(), result.Height()));
  const Colorref c = result.Pixel(0, 0);
  EXPECT_EQ(copied.pixel(0, 0) & 0xFFFFFF, (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c));
}

// After "vlastný" and Zrušiť the result has side 0: a save or copy must not write a file that
// no reader accepts, nor report success.
TEST_F(AppTest, AnEmptyResultIsNeitherSavedNorCopied) {
  Start();
  TMainZorna& m = Main();
  answer_ = [](QDialog*) { return int(QDialog::Rejected); };  // Zrušiť in the custom size dialog
  PartsOf(m).ComboBox1->setCurrentIndex(5);
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  ASSERT_EQ(PartsOf(m).Image2->Picture().Width(), 0);
  QStringList refused;
  answer_ = [&](QDialog* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) refused << box->text();
    return int(QDialog::Accepted);
  };
  const std::string bitmap = (root_ / "empty.bmp").string();
  EXPECT_FALSE(AllDialogs().Saving->SaveChosen(PartsOf(m).Image2->Picture(), bitmap, 2));
  EXPECT_FALSE(std::filesystem::exists(bitmap));
  dialogs_shown_.clear();
  emit m.Action("Save")->activated();
  EXPECT_FALSE(dialogs_shown_.contains("SavePictureDialog1"));
  QGuiApplication::clipboard()->setText("kept");
  emit m.Action("CopyImage")->activated();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
  ASSERT_EQ(refused.size(), 3);
  EXPECT_TRUE(refused[2].contains(QString::fromUtf8("prázdny")));
}

}  // namespace
}  // namespace zorna::app::testing
