// The shadow and frame editor as the result menu opens it: live preview on a copy, OK puts it
// into the result, Cancel keeps the result, the settings stay for the run.
#include <QProcess>

#include "app/app_fixture.h"
#include "app/dialogs/dlg_upravit.h"
#include "app/main_window/main_zorna_parts.h"
#include "composition/shadow_frame.h"
#include "picture/picture_file.h"
#include "picture/standard_colors.h"

namespace zorna::app::testing {
namespace {

using ShadowEditorTest = AppTest;

constexpr Colorref kSilver = Rgb(192, 192, 192);
constexpr Colorref kRed = Rgb(255, 0, 0);
constexpr Colorref kBlue = Rgb(0, 0, 255);

Bitmap SquareIn(int side, int left, int size) {
  Bitmap b(side, side, kWhite);
  for (int y = left; y < left + size; ++y)
    for (int x = left; x < left + size; ++x) b.SetPixel(x, y, kBlack);
  return b;
}

// Output list index: 2 is "32 x 32", 4 "128 x 128".
TUpravit& OpenWith(TMainZorna& m, int output_index, const Bitmap& result) {
  PartsOf(m).ComboBox1->setCurrentIndex(output_index);
  m.ComboBox1Change(PartsOf(m).ComboBox1);
  PartsOf(m).Image2->SetPicture(result);
  return *m.UpravitForm();
}

TEST_F(ShadowEditorTest, CtrlTShowsTheEditorAndOkPutsThePreviewIntoTheResult) {
  Start();
  TMainZorna& m = Main();
  const Bitmap result = SquareIn(32, 12, 8);
  TUpravit& d = OpenWith(m, 2, result);
  EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Upraviť obázok"));
  EXPECT_TRUE(d.ToolButton1->isChecked());
  EXPECT_EQ(d.SpinEdit1->value(), 2);
  EXPECT_EQ(d.SpinEdit1->minimum(), 1);
  EXPECT_EQ(d.SpinEdit1->maximum(), 20);
  EXPECT_EQ(d.ColorGrid2->ForegroundColor(), kSilver);
  EXPECT_TRUE(d.ToolButton10->isChecked());
  EXPECT_EQ(d.SpinEdit2->value(), 1);
  EXPECT_EQ(d.SpinEdit2->maximum(), 5);
  EXPECT_EQ(d.ColorGrid1->ForegroundColor(), kBlack);
  EXPECT_TRUE(d.OKBtn->isDefault());
  answer_ = [&](QDialog*) {
    d.show();
    EXPECT_FALSE(d.Image1->isHidden());
    EXPECT_TRUE(d.Image2->isHidden());
    EXPECT_EQ(d.Image1->Picture(), result);
    d.ToolButton4->click();
    EXPECT_EQ(d.Image1->Picture().Pixel(20, 20), kSilver);
    EXPECT_EQ(PartsOf(m).Image2->Picture(), result);  // untouched until OK
    d.OKBtn->click();
    return d.result();
  };
  emit m.Action("Tien_obrys")->activated();
  EXPECT_EQ(dialogs_shown_, QStringList{"Upravit"});
  EXPECT_EQ(PartsOf(m).Image2->Picture().Pixel(20, 20), kSilver);
  EXPECT_EQ(PartsOf(m).Image2->Picture().Pixel(19, 19), kBlack);
  EXPECT_EQ(PartsOf(m).Image2->Picture().Pixel(22, 22), kWhite);
}

TEST_F(ShadowEditorTest, TheFrameIsRedrawnOverEachNewShadowAndGoesWhenSwitchedOff) {
  Start();
  TMainZorna& m = Main();
  TUpravit& d = OpenWith(m, 2, SquareIn(32, 12, 8));  // the shadow of 12 reaches the edges
  d.FormShow();
  d.SpinEdit1->setValue(12);
  d.ColorGrid1->SetForegroundIndex(9);  // red
  d.ToolButton12->click();
  d.ToolButton4->click();
  const Bitmap& shown = d.Image1->Picture();
  EXPECT_EQ(shown.Pixel(30, 28), kSilver);
  EXPECT_EQ(shown.Pixel(31, 28), kRed);
  d.ToolButton6->click();
  EXPECT_EQ(shown.Pixel(30, 28), kWhite);
  EXPECT_EQ(shown.Pixel(31, 28), kRed);
  EXPECT_EQ(shown.Pixel(1, 3), kSilver);
  EXPECT_EQ(shown.Pixel(0, 3), kRed);
  d.ToolButton10->click();
  EXPECT_EQ(shown.Pixel(0, 3), kSilver);
  EXPECT_EQ(shown.Pixel(31, 28), kWhite);
}

TEST_F(ShadowEditorTest, ACallWithoutSenderDrawsOnlyItsOwnStep) {
  Start();
  TMainZorna& m = Main();
  TUpravit& d = OpenWith(m, 2, SquareIn(32, 12, 8));
  d.FormShow();
  d.ToolButton12->click();
  d.ToolButton4->click();
  const Bitmap& shown = d.Image1->Picture();
  // The frame alone, over whatever the scratch picture holds.
  PartsOf(m).state.scratch = Bitmap(32, 32, kBlue);
  d.ToolButton12Click(nullptr);
  EXPECT_EQ(shown.Pixel(5, 5), kBlue);
  EXPECT_EQ(shown.Pixel(0, 5), kBlack);
  // The shadow alone, though the frame is on.
  d.VykresliTien(nullptr, 2, 2);
  EXPECT_EQ(shown.Pixel(20, 20), kSilver);
  EXPECT_EQ(shown.Pixel(0, 5), kWhite);
  d.ToolButton4Click(d.ToolButton4);
  EXPECT_EQ(shown.Pixel(0, 5), kBlack);
}

TEST_F(ShadowEditorTest, CancelKeepsTheResultAndTheNextOpeningHasTheSameSettings) {
  Start();
  TMainZorna& m = Main();
  const Bitmap first = SquareIn(32, 12, 8);
  TUpravit& d = OpenWith(m, 2, first);
  answer_ = [&](QDialog*) {
    d.show();
    d.ToolButton8->click();
    d.ToolButton12->click();
    d.CancelBtn->click();
    return d.result();
  };
  m.Upraviobrzok1Click(PartsOf(m).PopupMenu2);
  EXPECT_EQ(PartsOf(m).Image2->Picture(), first);

  const Bitmap second = SquareIn(32, 4, 6);
  PartsOf(m).Image2->SetPicture(second);
  ShadowFrameSettings kept;
  kept.direction = ShadowDirection::kUpperRight;
  kept.shadow_color = kSilver;
  kept.frame = 1;
  answer_ = [&](QDialog*) {
    d.show();
    EXPECT_TRUE(d.ToolButton8->isChecked());
    EXPECT_TRUE(d.ToolButton12->isChecked());
    EXPECT_EQ(d.Image1->Picture(), ShadowAndFrame(second, 32, kept));
    d.CancelBtn->click();
    return d.result();
  };
  m.Upraviobrzok1Click(PartsOf(m).PopupMenu2);
  EXPECT_EQ(PartsOf(m).Image2->Picture(), second);
}

TEST_F(ShadowEditorTest, Output128PreviewsTheTopLeftQuarterAndOkTakesTheWholePicture) {
  Start();
  TMainZorna& m = Main();
  Bitmap result = SquareIn(128, 100, 8);
  result.SetPixel(63, 63, kRed);
  result.SetPixel(64, 64, kBlue);
  TUpravit& d = OpenWith(m, 4, result);
  answer_ = [&](QDialog*) {
    d.show();
    EXPECT_TRUE(d.Image1->isHidden());
    EXPECT_FALSE(d.Image2->isHidden());
    EXPECT_EQ(d.Image2->size(), QSize(64, 64));
    const QImage seen = d.Image2->grab().toImage();
    EXPECT_EQ(seen.pixelColor(63, 63), QColor(255, 0, 0));
    d.ToolButton4->click();
    d.OKBtn->click();
    return d.result();
  };
  m.Upraviobrzok1Click(nullptr);
  const Bitmap& taken = PartsOf(m).Image2->Picture();
  ASSERT_EQ(taken.Width(), 128);
  EXPECT_EQ(taken.Pixel(109, 109), kSilver);
  EXPECT_EQ(taken.Pixel(66, 66), kSilver);  // the blue pixel's shadow
}

// The same settings in the dialog and on zornatool's command line give the same picture.
TEST_F(ShadowEditorTest, ZornatoolShadowGivesTheDialogsPixels) {
  Start();
  TMainZorna& m = Main();
  Bitmap result(32, 32, kWhite);
  for (int k = 0; k < 32; ++k) result.SetPixel(k, (k * 7) % 32, Rgb(k * 8, 255 - k * 8, 40));
  for (int y = 10; y < 20; ++y) result.SetPixel(16, y, kBlack);
  const std::filesystem::path source = root_ / "result.bmp";
  WriteBmpFile(source, result);
  TUpravit& d = OpenWith(m, 2, result);

  struct Case {
    QToolButton* direction;
    const char* name;
    int offset, color;
    bool frame;
    int thickness, frame_color;
  };
  const Case cases[] = {{d.ToolButton13, "lower-left", 5, 12, true, 3, 10},
                        {d.ToolButton6, "upper-left", 1, 0, false, 1, 0},
                        {d.ToolButton8, "upper-right", 20, 15, true, 5, 4}};
  for (const Case& c : cases) {
    PartsOf(m).Image2->SetPicture(result);
    d.FormShow();
    d.SpinEdit1->setValue(c.offset);
    d.ColorGrid2->SetForegroundIndex(c.color);
    d.SpinEdit2->setValue(c.thickness);
    d.ColorGrid1->SetForegroundIndex(c.frame_color);
    (c.frame ? d.ToolButton12 : d.ToolButton10)->click();
    c.direction->click();
    d.OKBtnClick();

    const std::filesystem::path made = root_ / (std::string(c.name) + ".bmp");
    const QStringList args = {"shadow",
                              QString::fromStdString(source.string()),
                              "-o",
                              QString::fromStdString(made.string()),
                              "--direction",
                              c.name,
                              "--offset",
                              QString::number(c.offset),
                              "--color",
                              QString::number(c.color),
                              "--frame",
                              QString::number(c.frame ? c.thickness : 0),
                              "--frame-color",
                              QString::number(c.frame_color)};
    ASSERT_EQ(QProcess::execute(ZORNA_TOOL, args), 0) << c.name;
    EXPECT_EQ(ReadPictureFile(made), PartsOf(m).Image2->Picture()) << c.name;
  }
}

}  // namespace
}  // namespace zorna::app::testing
