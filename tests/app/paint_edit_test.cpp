// Editing the result in the paint program: the picture goes out as a bitmap in "Data", the
// program is waited for, and what it leaves there comes back through the placement slot as
// a pick. ZORNA_PAINT names a small script of the test that plays the paint program.
#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <optional>

#include "app/app_fixture.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/paint_program.h"
#include "composition/placement.h"
#include "picture/picture_file.h"

namespace zorna::app::testing {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      ::setenv(name, value->c_str(), 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

Bitmap Pattern(int side, Colorref base) {
  Bitmap b(side, side, base);
  for (int k = 0; k < side; ++k) b.SetPixel(k, k, Rgb(k * 7, 0, 255 - k * 7));
  return b;
}

class PaintEditTest : public AppTest {
 protected:
  // A paint program that notes its arguments and the picture it was given, then runs `edit`
  // with the file as $1.
  fs::path Script(const std::string& name, const std::string& edit) {
    const fs::path path = root_ / name;
    std::ofstream(path) << "#!/bin/sh\n"
                        << "for last; do :; done\n"
                        << "printf '%s\\n' \"$@\" > '" << (root_ / "args.txt").string() << "'\n"
                        << "cp \"$last\" '" << (root_ / "seen.bmp").string() << "'\n"
                        << "set -- \"$last\"\n"
                        << edit << "\n";
    fs::permissions(path, fs::perms::owner_all);
    return path;
  }
  // Output and input 16, "prekryť obrázkom": a pick gives the picked pixels as they are.
  void StartWithResult(const Bitmap& result) {
    for (const char* hint : {"1", "2", "5"}) Seed("Dialóg", hint, 2);  // no hint boxes
    Start();
    TMainZorna& m = Main();
    PartsOf(m).ComboBox1->setCurrentIndex(1);
    m.ComboBox1Change(PartsOf(m).ComboBox1);
    PartsOf(m).ComboBox3->setCurrentIndex(1);
    PartsOf(m).Image2->SetPicture(result);
  }
  fs::path EditedFile() const { return home_ / "Data" / "upravuje sa obrázok.bmp"; }
  bool PaintProgramRan() const { return fs::exists(root_ / "args.txt"); }
  std::string LastArgument() const {
    std::ifstream in(root_ / "args.txt");
    std::string line, last;
    while (std::getline(in, line)) last = line;
    return last;
  }
};

TEST_F(PaintEditTest, TheEditedPictureComesBackAsTheResultThroughTheSlot) {
  const Bitmap before = Pattern(16, Rgb(200, 220, 240));
  const Bitmap edited = Pattern(16, Rgb(10, 120, 30));
  WriteBmpFile(root_ / "edited.bmp", edited);
  const std::string script =
      Script("paint", "cp '" + (root_ / "edited.bmp").string() + "' \"$1\"").string();
  const ScopedEnv paint("ZORNA_PAINT", &script);
  StartWithResult(before);
  TMainZorna& m = Main();
  PartsOf(m).PopupMenu2->findChild<QAction*>("Upraviobrzok2")->trigger();

  EXPECT_EQ(ReadPictureFile(root_ / "seen.bmp"), before);
  EXPECT_EQ(fs::path(LastArgument()), EditedFile());
  EXPECT_EQ(PartsOf(m).Image2->Picture(), edited);
  EXPECT_FALSE(fs::exists(EditedFile()));
  const Bitmap& screen = PartsOf(m).bitmapa->Picture();
  EXPECT_EQ(screen.Pixel(kSmallPictureX + 3, kSmallPictureY + 3), edited.Pixel(3, 3));
  EXPECT_EQ(screen.Pixel(kPlacementSlot.left, kPlacementSlot.top), kWhite);
  EXPECT_EQ(screen.Pixel(kPlacementSlot.right - 1, kPlacementSlot.bottom - 1), kWhite);
  EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
}

// However the paint program fails, the result stays and "Data" keeps no scratch bitmap.
TEST_F(PaintEditTest, AFailedEditKeepsTheResultAndLeavesNoFileInData) {
  const Bitmap before = Pattern(16, Rgb(200, 220, 240));
  struct Case {
    const char* edit;
    const char* error;
  };
  for (const Case& c : {Case{"echo broken > \"$1\"", "sa nedá prečítať: obrázok BMP nie je platný"},
                        Case{"rm \"$1\"; kill -SEGV $$", "sa nedá otvoriť: taký súbor"}}) {
    const std::string script = Script("paint", c.edit).string();
    const ScopedEnv paint("ZORNA_PAINT", &script);
    StartWithResult(before);
    Main().Upraviobrzok2Click(nullptr);
    EXPECT_EQ(PartsOf(Main()).Image2->Picture(), before) << c.edit;
    ASSERT_EQ(messages_.size(), 1) << c.edit;
    EXPECT_TRUE(messages_[0].contains("upravuje sa obrázok.bmp") &&
                messages_[0].contains(QString::fromUtf8(c.error)))
        << messages_[0].toStdString();
    EXPECT_FALSE(fs::exists(EditedFile())) << c.edit;
    Close();
    messages_.clear();
  }
}

TEST_F(PaintEditTest, WithoutAPaintProgramTheUserIsToldHowToNameOne) {
  const Bitmap before = Pattern(16, Rgb(200, 220, 240));
  const std::string empty_path = (root_ / "nothing-here").string();
  fs::create_directories(empty_path);
  const ScopedEnv path("PATH", &empty_path);
  const std::string not_executable = (root_ / "not-executable").string();
  std::ofstream(not_executable) << "#!/bin/sh\n";
  const std::string missing = (root_ / "missing-paint").string();
  const std::string* named[] = {nullptr, &missing, &not_executable};
  for (const std::string* name : named) {
    const ScopedEnv paint("ZORNA_PAINT", name);
    StartWithResult(before);
    Main().Upraviobrzok2Click(nullptr);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].contains("ZORNA_PAINT")) << messages_[0].toStdString();
    if (name) {
      EXPECT_TRUE(messages_[0].contains(QString::fromStdString(*name)));
    }
    EXPECT_EQ(PartsOf(Main()).Image2->Picture(), before);
    EXPECT_FALSE(fs::exists(EditedFile()));
    Close();
    messages_.clear();
  }
}

TEST_F(PaintEditTest, AnUnwritableDataFolderStopsBeforeThePaintProgram) {
  const std::string script = Script("paint", "true").string();
  const ScopedEnv paint("ZORNA_PAINT", &script);
  fs::remove_all(home_ / "Data");
  std::ofstream(home_ / "Data") << "a file where the folder should be";
  const Bitmap before = Pattern(16, Rgb(200, 220, 240));
  StartWithResult(before);
  Main().Upraviobrzok2Click(nullptr);
  EXPECT_FALSE(PaintProgramRan());
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].contains("sa nedá vytvoriť")) << messages_[0].toStdString();
  EXPECT_EQ(PartsOf(Main()).Image2->Picture(), before);
}

TEST_F(PaintEditTest, WhileThePaintProgramRunsEventsFlowButInputIsDropped) {
  const std::string script = Script("paint", "sleep 1").string();
  const ScopedEnv paint("ZORNA_PAINT", &script);
  StartWithResult(Pattern(16, kWhite));
  TMainZorna& m = Main();
  int presses = 0;
  QObject::connect(PartsOf(m).bitmapa, &ImageControl::MousePressed, [&] { ++presses; });
  bool timer_ran = false;
  QTimer::singleShot(200, [&] {
    timer_ran = true;
    auto* press = new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::postEvent(PartsOf(m).bitmapa, press);
  });
  m.Upraviobrzok2Click(nullptr);
  QCoreApplication::processEvents();
  EXPECT_TRUE(timer_ran);
  EXPECT_EQ(presses, 0);
  EXPECT_TRUE(PaintProgramRan());
}

TEST_F(PaintEditTest, ThePaintProgramIsTheNamedOneOrTheFirstOnPath) {
  const fs::path bin = root_ / "bin";
  fs::create_directories(bin);
  for (const char* name : {"pinta", "gimp"}) Script("bin/" + std::string(name), "true");
  const std::string bin_path = bin.string();
  const ScopedEnv path("PATH", &bin_path);
  {
    const ScopedEnv paint("ZORNA_PAINT", nullptr);
    const PaintProgram found = FindPaintProgram();
    EXPECT_EQ(fs::path(found.program.toStdString()), bin / "pinta");
    EXPECT_TRUE(found.arguments.isEmpty());
    fs::remove(bin / "pinta");
    const PaintProgram gimp = FindPaintProgram();
    EXPECT_EQ(fs::path(gimp.program.toStdString()), bin / "gimp");
    EXPECT_EQ(gimp.arguments, QStringList{"--new-instance"});
  }
  const std::string by_name = "gimp";
  const ScopedEnv named("ZORNA_PAINT", &by_name);
  EXPECT_EQ(FindPaintProgram().arguments, QStringList{"--new-instance"});
  const std::string by_path = Script("my paint", "true").string();
  const ScopedEnv own("ZORNA_PAINT", &by_path);
  EXPECT_EQ(FindPaintProgram().program.toStdString(), by_path);
}

}  // namespace
}  // namespace zorna::app::testing
