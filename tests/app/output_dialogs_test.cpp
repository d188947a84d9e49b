#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/dialogs/dlg_ikona.h"
#include "app/dialogs/dlg_jpeg.h"
#include "app/dialogs/save_result.h"
#include "picture/jpeg_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna::app {
namespace {

namespace fs = std::filesystem;

constexpr Colorref kRed = Rgb(255, 0, 0);
constexpr Colorref kTile = Rgb(30, 60, 90);

// A 64 x 64 list whose picture 9 is plain kTile and the others something else.
ImageList PreviewList() {
  ImageList list(64, 64);
  for (int i = 0; i < 19; ++i) list.Add(Bitmap(64, 64, i == 9 ? kTile : Rgb(i, i, i)));
  return list;
}

Bitmap Result(int side) {
  Bitmap b(side, side, kWhite);
  b.SetPixel(0, 0, kBlack);
  b.SetPixel(1, 1, kRed);
  b.SetPixel(side - 1, side - 1, kRed);
  return b;
}

TEST(DlgIkona, EveryShowStartsAgainFromTheWhiteKeyOverPictureNine) {
  const ImageList list = PreviewList();
  TDlgIkona dialog;
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Uloěnie obráku ako ikona"));
  EXPECT_EQ(dialog.size(), QSize(313, 214));
  EXPECT_EQ(dialog.RadioButton4->text(), QString::fromUtf8("priehľadnú (farba pixlu max,max)"));
  EXPECT_EQ(dialog.Image1->geometry(), QRect(216, 56, 73, 73));
  dialog.SetImageList2(&list);
  dialog.SetResultPicture(Result(16));
  dialog.FormShow();
  // o = 36 - 8 = 28; the white key lets the tile through, black and red stay.
  const Bitmap& shown = dialog.Image1->Picture();
  ASSERT_EQ(shown.Width(), 64);
  EXPECT_EQ(shown.Pixel(0, 0), kTile);
  EXPECT_EQ(shown.Pixel(28, 28), kBlack);
  EXPECT_EQ(shown.Pixel(29, 29), kRed);
  EXPECT_EQ(shown.Pixel(30, 30), kTile);
  EXPECT_EQ(dialog.Transparency(), IconTransparency::kWhite);

  dialog.RadioButton1->setChecked(true);
  dialog.RadioButton1Click();
  EXPECT_EQ(dialog.Image1->Picture().Pixel(30, 30), kWhite);
  EXPECT_EQ(dialog.Transparency(), IconTransparency::kOpaque);
  dialog.RadioButton3->setChecked(true);
  dialog.RadioButton3Click();  // key black: the corner shows the tile, white is opaque
  EXPECT_EQ(dialog.Image1->Picture().Pixel(28, 28), kTile);
  EXPECT_EQ(dialog.Image1->Picture().Pixel(30, 30), kWhite);
  EXPECT_EQ(dialog.Transparency(), IconTransparency::kTopLeft);
  dialog.RadioButton4->setChecked(true);
  dialog.RadioButton4Click();  // key red
  EXPECT_EQ(dialog.Image1->Picture().Pixel(29, 29), kTile);
  EXPECT_EQ(dialog.Transparency(), IconTransparency::kBottomRight);

  dialog.FormShow();
  EXPECT_TRUE(dialog.RadioButton2->isChecked());
  EXPECT_EQ(dialog.Transparency(), IconTransparency::kWhite);
  EXPECT_EQ(dialog.Image1->Picture().Pixel(30, 30), kTile);
}

TEST(DlgIkona, RealShowRunsTheShowStep) {
  const ImageList list = PreviewList();
  TDlgIkona dialog;
  dialog.SetImageList2(&list);
  dialog.SetResultPicture(Result(8));
  dialog.RadioButton4->setChecked(true);
  dialog.show();
  EXPECT_TRUE(dialog.RadioButton2->isChecked());
  EXPECT_EQ(dialog.Image1->Picture().Pixel(0, 0), kTile);
  dialog.hide();
}

class DlgJpegTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("zorna-dlgjpeg-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    dialog_.SetTrialFolder(folder_.string() + "/");
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
  TDlgJpeg dialog_;
};

TEST_F(DlgJpegTest, ShowsOriginalResultAndSizeForEachQuality) {
  EXPECT_EQ(dialog_.windowTitle(), QString::fromUtf8("Uloěnie obrázku ako jpeg súbor"));
  EXPECT_EQ(dialog_.TrackBar->value(), 100);
  EXPECT_EQ(dialog_.TrackBar->maximum(), 100);
  EXPECT_EQ(dialog_.TrackBar->minimum(), 0);
  const Bitmap result = Result(32);
  dialog_.SetResultPicture(result);
  dialog_.FormShow();
  EXPECT_EQ(dialog_.Image1->Picture(), result);
  EXPECT_EQ(dialog_.Image2->Picture().Width(), 32);
  const size_t best = EncodeJpeg(result, 100).size();
  EXPECT_EQ(dialog_.Label5->text().toStdString(), std::to_string(best) + " bajtov");
  EXPECT_FALSE(fs::exists(folder_ / "Trap.jpg"));

  dialog_.TrackBar->setValue(0);  // the change step runs on the track bar's signal
  const size_t worst = EncodeJpeg(result, 0).size();
  EXPECT_LT(worst, best);
  EXPECT_EQ(dialog_.Label5->text().toStdString(), std::to_string(worst) + " bajtov");
  EXPECT_EQ(dialog_.Quality(), 0);
  // The position carries over to the next show.
  dialog_.FormShow();
  EXPECT_EQ(dialog_.Quality(), 0);
}

TEST_F(DlgJpegTest, AnUnwritableTrialFolderLeavesSizeAndPreviewAsTheyWere) {
  dialog_.SetResultPicture(Result(16));
  dialog_.FormShow();
  const QString size = dialog_.Label5->text();
  const Bitmap preview = dialog_.Image2->Picture();
  dialog_.SetTrialFolder((folder_ / "missing").string() + "/");
  dialog_.SetResultPicture(Result(24));
  EXPECT_THROW(dialog_.FormShow(), Error);
  EXPECT_EQ(dialog_.Label5->text(), size);
  EXPECT_EQ(dialog_.Image2->Picture(), preview);
}

// The temporary folder is shared with every other user and program: a "Trap.jpg" that someone
// else left there, or planted as a link to another file, must neither stop the preview nor be
// written through.
TEST(DlgJpegTrialFile, StaysInAFolderOfItsOwnInsideTheTemporaryFolder) {
  const fs::path shared =
      fs::temp_directory_path() / ("zorna-shared-" + std::to_string(::getpid()));
  fs::remove_all(shared);
  fs::create_directories(shared / "other");
  const char* old_tmpdir = std::getenv("TMPDIR");
  const std::string saved_tmpdir = old_tmpdir ? old_tmpdir : "";
  ::setenv("TMPDIR", shared.c_str(), 1);
  {
    std::ofstream(shared / "other" / "letter.txt") << "keep";
    fs::create_symlink(shared / "other" / "letter.txt", shared / "Trap.jpg");
    {
      TDlgJpeg dialog;
      dialog.SetResultPicture(Result(16));
      EXPECT_NO_THROW(dialog.FormShow());
      EXPECT_EQ(dialog.Image2->Picture().Width(), 16);
      EXPECT_EQ(dialog.Label5->text().toStdString(),
                std::to_string(EncodeJpeg(Result(16), 100).size()) + " bajtov");
      EXPECT_EQ(ReadWholeFileText(shared / "other" / "letter.txt"), "keep");
      // Another user's leftover that cannot be written over.
      fs::remove(shared / "Trap.jpg");
      fs::create_directory(shared / "Trap.jpg");
      EXPECT_NO_THROW(dialog.TrackBar->setValue(40));
      EXPECT_EQ(dialog.Label5->text().toStdString(),
                std::to_string(EncodeJpeg(Result(16), 40).size()) + " bajtov");
    }
    // The dialog's own folder goes with it.
    size_t left = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(shared)) ++left;
    EXPECT_EQ(left, 2u) << "the trial folder was left behind";
  }
  if (old_tmpdir) {
    ::setenv("TMPDIR", saved_tmpdir.c_str(), 1);
  } else {
    ::unsetenv("TMPDIR");
  }
  fs::remove_all(shared);
}

TEST(Clipboard, CopyPutsTheResultPictureOnTheClipboard) {
  Bitmap result(8, 8, kWhite);
  result.SetPixel(1, 0, kRed);
  result.SetPixel(2, 0, Rgb(0, 0, 255));
  CopyResultToClipboard(result);
  const QImage image = QGuiApplication::clipboard()->image();
  ASSERT_EQ(image.size(), QSize(8, 8));
  EXPECT_EQ(image.pixelColor(1, 0), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(2, 0), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 255));
}

}  // namespace
}  // namespace zorna::app
