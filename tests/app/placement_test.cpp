// Pictures put into the placement slot of the screen picture: gallery pictures from the
// library's menu, a picture file, and the result itself.
#include <QAction>
#include <QDrag>
#include <QFileDialog>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>

#include "app/app_fixture.h"
#include "app/dialogs/dlg_pozadie.h"
#include "app/main_window/main_zorna_parts.h"
#include "gallery/gallery_bitmap.h"
#include "output/transparent_result.h"
#include "picture/jpeg_file.h"
#include "picture/picture_file.h"
#include "picture/png_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna::app::testing {
namespace {

namespace fs = std::filesystem;

const QString kPlaceHint = "Teraz umiestnite kurzor myši na obrázok a kliknite naň.";

// A picture whose every pixel tells where it came from; none is white.
Bitmap Pattern(int w, int h, uint8_t tag) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, Rgb(x % 250, y % 250, tag));
  }
  return b;
}

// True when the square of the screen picture at (x, y) holds the picture's top-left corner.
bool Holds(const Bitmap& screen, int x, int y, const Bitmap& picture, int side) {
  for (int j = 0; j < side; ++j) {
    for (int i = 0; i < side; ++i) {
      if (screen.Pixel(x + i, y + j) != picture.Pixel(i, j)) return false;
    }
  }
  return true;
}

class PlacementTest : public AppTest {
 protected:
  void SetOutput(int index) {
    PartsOf(Main()).ComboBox1->setCurrentIndex(index);
    Main().ComboBox1Change(PartsOf(Main()).ComboBox1);
  }
  // One small and one large picture in category 1, chosen in the tree.
  void OpenLibrary() {
    WriteFileAtomically(home_ / "strom.trv", std::string_view("ROOT\r\n\tONE\r\n"));
    WriteGalleryPicture(home_ / "Data", 1, 0, small_);
    WriteGalleryPicture(home_ / "Data", 1, 500, large_);
    Start();
    TMainZorna& m = Main();
    m.BtnGalleryClick(PartsOf(m).BtnGallery);
    PartsOf(m).TreeView1->setCurrentItem(PartsOf(m).TreeView1->topLevelItem(0)->child(0));
    ASSERT_EQ(PartsOf(m).ImageList3.Count() + PartsOf(m).ImageList4.Count(), 2);
  }
  int HintsShown() const { return static_cast<int>(messages_.count(kPlaceHint)); }
  QAction* BackgroundItem() {
    return PartsOf(Main()).PopupMenu1->findChild<QAction*>("Nastaviakopodklad1",
                                                           Qt::FindDirectChildrenOnly);
  }

  Bitmap small_ = Pattern(32, 32, 11);
  Bitmap large_ = Pattern(64, 64, 22);
};

TEST_F(PlacementTest, LibraryPicturesShareTheSlotsCentreAndThePickTakesThem) {
  OpenLibrary();
  TMainZorna& m = Main();
  SetOutput(2);  // 32 x 32
  m.ToolButton27Click(PartsOf(m).ToolBar2->Button(0));
  PartsOf(m).PopupMenu1->hide();
  EXPECT_EQ(m.State().selected_library_picture, 1000);
  m.Daobrzoklennaplochu1Click(PartsOf(m).PopupMenu1);
  const Bitmap& screen = PartsOf(m).bitmapa->Picture();
  EXPECT_TRUE(Holds(screen, 346, 36, large_, 64));
  EXPECT_EQ(screen.Pixel(345, 36), kWhite);  // the rest of the slot is blank
  EXPECT_EQ(screen.Pixel(436, 126), kWhite);
  EXPECT_NE(screen.Pixel(319, 126), kWhite);  // the slot ends there
  m.ToolButton1Click(PartsOf(m).ToolBar1->Button(0));
  PartsOf(m).PopupMenu1->hide();
  EXPECT_EQ(m.State().selected_library_picture, 0);
  m.Pouiobrzok1Click(PartsOf(m).PopupMenu1);
  EXPECT_TRUE(Holds(screen, 362, 52, small_, 32));
  EXPECT_EQ(screen.Pixel(361, 52), kWhite);
  EXPECT_EQ(screen.Pixel(394, 84), kWhite);
  EXPECT_EQ(PartsOf(m).Bevel1->pos(), QPoint(363, 53));
  EXPECT_EQ(PartsOf(m).Image2->Picture(), small_);  // output 32 x 32, one to one
  // A button past the category's pictures names none: nothing is placed or picked.
  m.ToolButton1Click(PartsOf(m).ToolBar1->Button(7));
  PartsOf(m).PopupMenu1->hide();
  EXPECT_EQ(m.State().selected_library_picture, 7);
  PartsOf(m).bitmapa->MutablePicture().Fill(kBlack);
  m.Pouiobrzok1Click(PartsOf(m).PopupMenu1);
  EXPECT_EQ(PartsOf(m).bitmapa->Picture().Pixel(362, 52), kBlack);
  EXPECT_EQ(PartsOf(m).Image2->Picture(), small_);
}

TEST_F(PlacementTest, APictureClickOpensTheMenuBelowItAndClearsThePreview) {
  OpenLibrary();
  TMainZorna& m = Main();
  // Input 32, output 64: the preview shows the picked square in its middle.
  m.BtnZamknuteClick(nullptr);
  PartsOf(m).ComboBox2->setCurrentIndex(2);
  m.ComboBox2Change(PartsOf(m).ComboBox2);
  m.bitmapaMouseMove(PartsOf(m).bitmapa, 100, 100);
  ASSERT_NE(PartsOf(m).Image1->Picture().Pixel(40, 40), kWhite);
  m.ToolButton1Click(PartsOf(m).ToolBar1->Button(22));  // row 2, column 2
  const QPoint expected(39 + PartsOf(m).PictureArea->x(), 38 + PartsOf(m).Kniznica->y() + 10);
  EXPECT_EQ(PartsOf(m).PopupMenu1->pos(), m.mapToGlobal(expected));
  PartsOf(m).PopupMenu1->hide();
  // Painted white across the input side only.
  EXPECT_EQ(PartsOf(m).Image1->Picture().Pixel(20, 20), kWhite);
  EXPECT_EQ(PartsOf(m).Image1->Picture().Pixel(31, 31), kWhite);
  EXPECT_NE(PartsOf(m).Image1->Picture().Pixel(40, 40), kWhite);
  QToolButton* b = PartsOf(m).ToolBar2->Button(11);
  m.ToolButton27Click(b);
  const QPoint large(b->x() + PartsOf(m).PictureArea->x(),
                     b->y() + PartsOf(m).ToolBar2->y() + PartsOf(m).Kniznica->y() + 20);
  EXPECT_EQ(PartsOf(m).PopupMenu1->pos(), m.mapToGlobal(large));
  PartsOf(m).PopupMenu1->hide();
}

TEST_F(PlacementTest, MakingALibraryPictureTheBackgroundNeedsItsSize) {
  OpenLibrary();
  TMainZorna& m = Main();
  for (int output : {2, 3}) {  // 32 x 32, then 64 x 64
    SetOutput(output);
    m.ToolButton1Click(PartsOf(m).ToolBar1->Button(0));
    PartsOf(m).PopupMenu1->hide();
    EXPECT_EQ(BackgroundItem()->isEnabled(), output == 2);
    m.ToolButton27Click(PartsOf(m).ToolBar2->Button(0));
    PartsOf(m).PopupMenu1->hide();
    EXPECT_EQ(BackgroundItem()->isEnabled(), output == 3);
  }
  m.Nastaviakopodklad1Click(PartsOf(m).PopupMenu1);
  EXPECT_EQ(PartsOf(m).ComboBoxEx1->currentIndex(), PartsOf(m).ComboBoxEx1->count() - 1);
  EXPECT_EQ(m.Backgrounds().list2.Picture(kUserBackground), large_);
  EXPECT_EQ(AllDialogs().DlgPozadie->Image2->Picture(), large_);
}

TEST_F(PlacementTest, APictureFileIsPastedUnscaledAndPicked) {
  const fs::path tiny = root_ / "tiny.bmp";
  const fs::path photo = root_ / "photo.jpg";
  WriteBmpFile(tiny, Pattern(16, 16, 33));
  WriteJpegFile(photo, Pattern(300, 200, 44), 90);
  Start();
  TMainZorna& m = Main();
  QString chosen;
  answer_ = [&](QDialog* d) {
    auto* dialog = qobject_cast<QFileDialog*>(d);
    if (!dialog) return int(QDialog::Accepted);
    if (chosen.isEmpty()) return int(QDialog::Rejected);
    dialog->selectFile(chosen);
    return int(QDialog::Accepted);
  };
  EXPECT_EQ(m.OpenPictureDialog1()->nameFilters().value(1),
            "JPEG súbory (*.jpg; *.jpeg) (*.jpg *.jpeg)");
  // Cancel changes nothing.
  const Bitmap before = PartsOf(m).bitmapa->Picture();
  m.Vloiobrzokzosboru1Click(nullptr);
  EXPECT_EQ(PartsOf(m).bitmapa->Picture(), before);
  // A 16 x 16 picture with output 32: the rest of the 32 x 32 square stays blank.
  chosen = QString::fromStdString(tiny.string());
  m.Vloiobrzokzosboru1Click(nullptr);
  const Bitmap& screen = PartsOf(m).bitmapa->Picture();
  EXPECT_TRUE(Holds(screen, 362, 52, Pattern(16, 16, 33), 16));
  EXPECT_EQ(screen.Pixel(378, 52), kWhite);
  EXPECT_EQ(screen.Pixel(362, 68), kWhite);
  EXPECT_EQ(PartsOf(m).Image2->Picture().Pixel(15, 15), Rgb(15, 15, 33));
  EXPECT_EQ(PartsOf(m).Image2->Picture().Pixel(16, 16), kWhite);
  // A large photograph gives its top-left corner only, not a reduced copy.
  SetOutput(3);
  chosen = QString::fromStdString(photo.string());
  m.Vloiobrzokzosboru1Click(nullptr);
  EXPECT_TRUE(Holds(screen, 362, 52, ReadPictureFile(photo), 64));
  EXPECT_EQ(screen.Pixel(426, 52), kWhite);
  // A file no reader claims: the slot is blank, the error is the framework's, nothing is picked.
  const fs::path text = root_ / "notes.txt";
  WriteFileAtomically(text, std::string_view("no picture"));
  chosen = QString::fromStdString(text.string());
  const Bitmap result = PartsOf(m).Image2->Picture();
  try {
    m.Vloiobrzokzosboru1Click(nullptr);
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Slovak(), "Súbor " + text.string() +
                              " sa nedá prečítať: neznáma prípona súboru s obrázkom (.txt)");
  }
  EXPECT_EQ(screen.Pixel(362, 52), kWhite);
  EXPECT_EQ(PartsOf(m).Image2->Picture(), result);
}

TEST_F(PlacementTest, TheResultGoesBackOnAWhiteAreaThatGrowsWithItsSide) {
  Start();
  TMainZorna& m = Main();
  SetOutput(4);  // 128 x 128
  const Bitmap result = Pattern(128, 128, 55);
  PartsOf(m).Image2->SetPicture(result);
  const Bitmap before = PartsOf(m).bitmapa->Picture();
  m.Daobrzoknaplochu1Click(m.Action("Plocha"));
  const Bitmap& screen = PartsOf(m).bitmapa->Picture();
  EXPECT_EQ(screen.Pixel(320, 10), kWhite);  // 183 x 183 from (320, 10)
  EXPECT_EQ(screen.Pixel(502, 192), kWhite);
  EXPECT_EQ(screen.Pixel(503, 192), before.Pixel(503, 192));
  EXPECT_EQ(screen.Pixel(502, 193), before.Pixel(502, 193));
  EXPECT_TRUE(Holds(screen, 348, 38, result, 128));  // up to (476, 166)
  EXPECT_EQ(screen.Pixel(476, 166), kWhite);
  EXPECT_EQ(PartsOf(m).Image2->Picture(), result);  // nothing picked
}

// Both commands that leave the pick to the user share one hint: shown twice in all.
TEST_F(PlacementTest, ThePlacingHintIsShownTwiceInAll) {
  OpenLibrary();
  TMainZorna& m = Main();
  m.ToolButton1Click(PartsOf(m).ToolBar1->Button(0));
  PartsOf(m).PopupMenu1->hide();
  m.Daobrzoknaplochu1Click(nullptr);
  EXPECT_EQ(HintsShown(), 1);
  m.Daobrzoklennaplochu1Click(PartsOf(m).PopupMenu1);
  m.Daobrzoknaplochu1Click(nullptr);
  m.Daobrzoklennaplochu1Click(PartsOf(m).PopupMenu1);
  EXPECT_EQ(HintsShown(), 2);
}

// A picture opened with the program lies at the top-left corner (the wheel cannot move it), one
// dropped at the drop point, the screen's copy beside them; a file that is no picture is refused.
TEST_F(PlacementTest, OpenedAndDroppedPicturesAreLaidOneToOneAndOtherFilesAreRefused) {
  Start();
  const Bitmap picture = Pattern(48, 40, 33);
  WritePngFile(root_ / "picture.png", TransparentResult(picture, IconTransparency::kOpaque));
  WriteFileAtomically(root_ / "notes.png", std::string_view("no picture"));
  ImageControl* screen = PartsOf(Main()).bitmapa;
  const Bitmap before = screen->Picture();
  Main().OpenPictureFile((root_ / "picture.png").string());
  QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), {}, QPoint(0, -120), {}, {},
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(screen, &wheel);
  for (const auto& [file, accepted] : {std::pair{"picture.png", true}, {"notes.png", false}}) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString((root_ / file).string()))});
    QDragEnterEvent enter(QPoint(200, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(screen, &enter);
    QDropEvent drop(QPointF(200, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(screen, &drop);
    EXPECT_EQ(std::pair(enter.isAccepted(), drop.isAccepted()), std::pair(accepted, accepted));
  }
  for (const auto& [x, y] : {std::pair{0, 0}, {200, 100}}) {
    EXPECT_TRUE(Holds(screen->Picture(), x, y, picture, 40));
    EXPECT_EQ(screen->Picture().Pixel(x + 48, y), before.Pixel(x + 48, y));
    EXPECT_EQ(screen->Picture().Pixel(x, y + 40), before.Pixel(x, y + 40));
  }
}

// The result dragged out is offered as PNG bytes and a PNG file named after the output size; a
// press that moves less than the drag distance stays a click.
TEST_F(PlacementTest, TheResultDraggedOutIsOfferedAsPngAndAsAFile) {
  Start();
  TMainZorna& m = Main();
  m.bitmapaMouseMove(nullptr, 20, 30);
  m.bitmapaMouseDown(nullptr);
  ImageControl* result = PartsOf(m).Image2;
  QTest::mousePress(result, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(result, QPoint(6, 5));
  QTest::mouseRelease(result, Qt::LeftButton, {}, QPoint(6, 5));
  EXPECT_TRUE(PartsOf(m).PopupMenu2->isVisible() && !result->findChild<QDrag*>());
  PartsOf(m).PopupMenu2->hide();
  QTest::mousePress(result, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(result, QPoint(5, 40));
  const QDrag* drag = result->findChild<QDrag*>();
  ASSERT_TRUE(drag);
  const QByteArray png = drag->mimeData()->data("image/png");
  EXPECT_EQ(DecodePng(reinterpret_cast<const uint8_t*>(png.data()), size_t(png.size()), 1 << 20),
            result->Picture());
  ASSERT_EQ(drag->mimeData()->urls().size(), 1);
  const fs::path file = drag->mimeData()->urls().front().toLocalFile().toStdString();
  EXPECT_EQ(file.filename(), "zorna-64.png");
  EXPECT_EQ(ReadPictureFile(file), result->Picture());
}

}  // namespace
}  // namespace zorna::app::testing
