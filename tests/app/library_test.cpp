// The library panel: the category tree, filling the picture toolbars from the chosen category,
// adding the result to the gallery and the gallery update at the window's resize.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItemIterator>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/main_window/main_zorna_parts.h"
#include "gallery/gallery_bitmap.h"
#include "pack/pack_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna::app::testing {
namespace {

namespace fs = std::filesystem;

const QString kAddQuestion = "Pridať vytvorený obrázok do galérie?";
const QString kFirstOfItsSize =
    "Obrázky takejto veľkosti vo vybranej sekcii ešte neexistujú.\rChcete obrázok i napriek tomu "
    "pridať?";
const QString kSizeError =
    "Do galérie môžete pridávať iba obrázky o veľkosti 32 x 32 alebo 64 x 64 pixlov!";

// Node 0 is the root caption; 1 to 4 are categories.
constexpr std::string_view kTree = "GALERIA\r\n\tZVIERATA\r\n\tBUDOVY\r\n\t\tDOMY\r\n\tVESMIR\r\n";

// A gallery in the scratch program folder; every message box is recorded and answered with
// `press_` (a button caption) or its first button.
class LibraryTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    WriteFileAtomically(home_ / "strom.trv", kTree);
    answer_ = [this](QDialog* dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        boxes_ << box->text();
        for (QAbstractButton* b : box->buttons()) {
          if (press_.isEmpty() || b->text() == press_) {
            b->click();
            break;
          }
        }
      }
      return int(QDialog::Accepted);
    };
  }

  static Colorref ColourOf(int category, int picture) {
    return Rgb(static_cast<uint8_t>(40 * category), static_cast<uint8_t>(picture), 90);
  }
  void AddPictures(int category, int first, int count) {
    for (int p = first; p < first + count; ++p) {
      const int side = p < 500 ? 32 : 64;
      WriteGalleryPicture(home_ / "Data", category, p, Bitmap(side, side, ColourOf(category, p)));
    }
  }
  QTreeWidgetItem* Node(int n) {
    QTreeWidgetItemIterator it(PartsOf(Main()).TreeView1);
    for (int i = 0; i < n && *it; ++i) ++it;
    return *it;
  }
  void Choose(int n) { PartsOf(Main()).TreeView1->setCurrentItem(Node(n)); }
  // Selected without the tree's own report, for calling the filling directly.
  void Select(int n) {
    QSignalBlocker quiet(PartsOf(Main()).TreeView1);
    PartsOf(Main()).TreeView1->setCurrentItem(Node(n));
  }
  void SetOutput(int index) {
    PartsOf(Main()).ComboBox1->setCurrentIndex(index);
    Main().ComboBox1Change(PartsOf(Main()).ComboBox1);
  }

  QStringList boxes_;
  QString press_;
};

TEST_F(LibraryTest, OpeningLoadsTheTreeIntoAPanelAlongTheBottomEdge) {
  Start();
  TMainZorna& m = Main();
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  ASSERT_FALSE(PartsOf(m).Kniznica->isHidden());
  EXPECT_EQ(PartsOf(m).Kniznica->geometry(), QRect(0, 768 - 528, 1024, 528));
  EXPECT_EQ(PartsOf(m).TreeView1->topLevelItemCount(), 1);
  EXPECT_EQ(Node(3)->text(0), "DOMY");
  EXPECT_EQ(Node(3)->parent(), Node(2));
  EXPECT_TRUE(
      messages_.contains("Vľavo dolu si vyberte kategóriu a potom klknite na vybraný obrázok."));
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  EXPECT_TRUE(PartsOf(m).Kniznica->isHidden());
  // A tree that cannot be read is reported and the panel stays closed.
  fs::remove(home_ / "strom.trv");
  EXPECT_THROW(m.BtnGalleryClick(PartsOf(m).BtnGallery), Error);
  EXPECT_TRUE(PartsOf(m).Kniznica->isHidden());
  // Below 600 pixels the user is told that not every picture can be seen; the panel keeps the
  // top 240 pixels free at any height.
  WriteFileAtomically(home_ / "strom.trv", kTree);
  m.resize(800, 560);
  m.BtnGalleryClick(m.Action("Gallery"));
  EXPECT_EQ(PartsOf(m).Kniznica->geometry(), QRect(0, 240, 800, 320));
  ASSERT_EQ(boxes_.size(), 1);
  EXPECT_TRUE(boxes_[0].startsWith("Máte nastavenú oblasť obrazovky menšiu ako 800 x 600."));
  // The search box, while it is shown, takes the keyboard on each opening.
  m.SpeedButton13Click(PartsOf(m).SpeedButton13);
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  EXPECT_EQ(m.focusWidget(), PartsOf(m).Edit2);
}

TEST_F(LibraryTest, TheRootAndTheLoadedCategoryLoadNothing) {
  AddPictures(0, 0, 2);
  AddPictures(1, 0, 3);
  Start();
  TMainZorna& m = Main();
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  Choose(0);
  EXPECT_EQ(PartsOf(m).ImageList3.Count(), 0);
  EXPECT_EQ(PartsOf(m).Label5->text(), "-----");
  Choose(1);
  ASSERT_EQ(PartsOf(m).ImageList3.Count(), 3);
  EXPECT_EQ(PartsOf(m).ToolBar1->PicturesShown(), 3);
  EXPECT_EQ(PartsOf(m).Label5->text(), "1");
  // Filling the loaded category again would show the changed file.
  fs::remove(home_ / "Data" / "1000.iko");
  WriteGalleryPicture(home_ / "Data", 1, 0, Bitmap(32, 32, Rgb(1, 2, 3)));
  m.FillCategory(Node(1));
  EXPECT_EQ(PartsOf(m).ImageList3.Picture(0).Pixel(5, 5), ColourOf(1, 0));
  // Closing and opening reloads the tree and selects the category again, and its pictures are
  // still on the buttons: the tree's empty selection while it loads takes nothing away.
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  EXPECT_EQ(PartsOf(m).TreeView1->currentItem(), Node(1));
  EXPECT_EQ(PartsOf(m).ToolBar1->Images(), &PartsOf(m).ImageList3);
  EXPECT_EQ(PartsOf(m).ToolBar1->PicturesShown(), 3);
  EXPECT_EQ(PartsOf(m).ImageList3.Picture(0).Pixel(5, 5), ColourOf(1, 0));
}

TEST_F(LibraryTest, ToolbarsFollowTheSizesACategoryHas) {
  AddPictures(1, 0, 2);  // small and large
  AddPictures(1, 500, 2);
  AddPictures(2, 0, 3);    // small only
  AddPictures(3, 500, 4);  // large only; 4 has none
  Start();
  TMainZorna& m = Main();
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  Choose(1);
  EXPECT_FALSE(PartsOf(m).ToolBar1->isHidden());
  EXPECT_FALSE(PartsOf(m).ToolBar2->isHidden());
  EXPECT_EQ(PartsOf(m).Panel2->AlignOf(PartsOf(m).ToolBar2), Align::Bottom);
  EXPECT_TRUE(PartsOf(m).ToolBar2->rect().contains(
      PartsOf(m).ToolBar2->Button(39)->geometry()));  // every row
  EXPECT_EQ(PartsOf(m).ToolBar2->geometry().bottom(), PartsOf(m).Panel2->contentsRect().bottom());
  EXPECT_EQ(PartsOf(m).ToolBar2->PicturesShown(), 2);
  Choose(3);
  EXPECT_TRUE(PartsOf(m).ToolBar1->isHidden());
  EXPECT_FALSE(PartsOf(m).ToolBar2->isHidden());
  EXPECT_EQ(PartsOf(m).ToolBar2->geometry(), PartsOf(m).Panel2->contentsRect());
  EXPECT_EQ(PartsOf(m).ToolBar2->PicturesShown(), 4);
  Choose(4);
  EXPECT_EQ(PartsOf(m).ImageList3.Count() + PartsOf(m).ImageList4.Count(), 0);
  EXPECT_TRUE(PartsOf(m).ToolBar1->isHidden());
  EXPECT_TRUE(PartsOf(m).ToolBar2->isHidden());
  Choose(2);
  EXPECT_FALSE(PartsOf(m).ToolBar1->isHidden());
  EXPECT_TRUE(PartsOf(m).ToolBar2->isHidden());
  EXPECT_EQ(PartsOf(m).ToolBar1->PicturesShown(), 3);
  EXPECT_EQ(PartsOf(m).ToolBar2->PicturesShown(), 0);
}

TEST_F(LibraryTest, EveryButtonOfTheFullestCategoryShowsWholeAtAnyScreen) {
  AddPictures(1, 0, 135);
  AddPictures(1, 500, 40);
  Start();
  TMainZorna& m = Main();
  m.show();
  for (const QSize screen : {QSize(1280, 800), QSize(1920, 1080), QSize(3840, 2160)}) {
    m.resize(screen);
    m.BtnGalleryClick(PartsOf(m).BtnGallery);
    Choose(1);
    for (const PictureGrid* grid : {PartsOf(m).ToolBar1, PartsOf(m).ToolBar2}) {
      for (int i = 0; i < grid->ButtonCount(); ++i) {
        QRect shown = grid->Button(i)->rect();
        for (const QWidget* w = grid->Button(i); !w->isWindow(); w = w->parentWidget())
          shown = shown.translated(w->pos()) & w->parentWidget()->rect();
        EXPECT_TRUE(shown.size() == grid->Button(i)->size() && grid->Button(i)->isVisible())
            << i << " at " << screen.width();
      }
    }
    m.BtnGalleryClick(PartsOf(m).BtnGallery);
  }
}

TEST_F(LibraryTest, ACategoryChosenDuringAFillingLeavesOnlyItsOwnPictures) {
  AddPictures(1, 0, 5);
  AddPictures(2, 0, 2);
  AddPictures(2, 500, 1);
  Start();
  TMainZorna& m = Main();
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  // The choice arrives while the first picture of category 1 lets events through.
  QTimer::singleShot(0, &m, [&] { Choose(2); });
  Choose(1);
  EXPECT_EQ(PartsOf(m).Label5->text(), "2");
  ASSERT_EQ(PartsOf(m).ImageList3.Count(), 2);
  EXPECT_EQ(PartsOf(m).ImageList3.Picture(1).Pixel(0, 0), ColourOf(2, 1));
  EXPECT_EQ(PartsOf(m).ImageList4.Count(), 1);
  EXPECT_EQ(PartsOf(m).ToolBar1->PicturesShown(), 2);
  // Closing and opening the panel meanwhile loads the tree anew, which selects the category
  // again: its filling must still end with all of its pictures.
  QTimer::singleShot(0, &m, [&] {
    m.BtnGalleryClick(PartsOf(m).BtnGallery);
    m.BtnGalleryClick(PartsOf(m).BtnGallery);
  });
  Choose(1);
  EXPECT_FALSE(PartsOf(m).Kniznica->isHidden());
  EXPECT_EQ(PartsOf(m).TreeView1->currentItem(), Node(1));
  EXPECT_EQ(PartsOf(m).ImageList3.Count(), 5);
  EXPECT_EQ(PartsOf(m).ToolBar1->PicturesShown(), 5);
}

TEST_F(LibraryTest, ADamagedPictureStopsTheFillingAndKeepsThePicturesBeforeIt) {
  AddPictures(1, 0, 2);
  WriteFileAtomically(home_ / "Data" / "1002.iko", std::string_view("\x09\x09\x09", 3));
  AddPictures(1, 3, 1);
  Start();
  TMainZorna& m = Main();
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  Select(1);
  EXPECT_THROW(m.FillCategory(Node(1)), Error);
  EXPECT_EQ(PartsOf(m).ImageList3.Count(), 2);
  EXPECT_EQ(PartsOf(m).ToolBar1->PicturesShown(), 2);
}

TEST_F(LibraryTest, AnErrorWhileAClickedCategoryFillsIsShownAndTheProgramGoesOn) {
  WriteFileAtomically(home_ / "Data" / "2000.iko", std::string_view("\x09\x09\x09", 3));
  AddPictures(4, 0, 2);
  Start();
  TMainZorna& m = Main();
  m.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  messages_.clear();
  const auto click = [&](int node) {
    QTest::mouseClick(PartsOf(m).TreeView1->viewport(), Qt::LeftButton, {},
                      PartsOf(m).TreeView1->visualItemRect(Node(node)).center());
  };
  click(2);
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].startsWith("Súbor ") && messages_[0].contains("2000.iko") &&
              messages_[0].endsWith("obrázok BMP nie je platný"))
      << messages_[0].toStdString();
  click(4);
  EXPECT_EQ(PartsOf(m).ImageList3.Count(), 2);
}

TEST_F(LibraryTest, TheResultIsAddedUnderTheNextNumberOfItsSizeAfterAQuestion) {
  AddPictures(1, 500, 4);
  Start();
  TMainZorna& m = Main();
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  Choose(1);
  SetOutput(3);  // 64 x 64
  PartsOf(m).Image2->SetPicture(Bitmap(64, 64, Rgb(1, 2, 3)));
  press_ = "Án&o";
  m.SpeedButton16Click(PartsOf(m).SpeedButton16);
  EXPECT_EQ(boxes_, QStringList{kAddQuestion});
  EXPECT_TRUE(fs::exists(home_ / "Data" / "1504.iko"));
  ASSERT_EQ(PartsOf(m).ImageList4.Count(), 5);
  EXPECT_EQ(PartsOf(m).ImageList4.Picture(4).Pixel(0, 0), Rgb(1, 2, 3));
  EXPECT_EQ(PartsOf(m).Label5->text(), "1");
  // The first small picture asks otherwise; No adds nothing.
  boxes_.clear();
  SetOutput(2);
  press_ = "&Nie";
  m.SpeedButton16Click(PartsOf(m).SpeedButton16);
  EXPECT_EQ(boxes_, QStringList{kFirstOfItsSize});
  EXPECT_FALSE(fs::exists(home_ / "Data" / "1000.iko"));
  // 16 x 16 is no gallery size.
  boxes_.clear();
  SetOutput(1);
  m.SpeedButton16Click(PartsOf(m).SpeedButton16);
  EXPECT_EQ(boxes_, QStringList{kSizeError});
  // The root caption is no category.
  boxes_.clear();
  SetOutput(2);
  Choose(0);
  PartsOf(m).state.category = 0;
  m.SpeedButton16Click(PartsOf(m).SpeedButton16);
  EXPECT_EQ(boxes_,
            QStringList{"Najskôr vyberte sekciu v galérii, do ktorej chcete svoj obrázok pridať!"});
  EXPECT_FALSE(fs::exists(home_ / "Data" / "0000.iko"));
}

// Makes a folder refuse writes while it lives: by its permissions for an ordinary user; for the
// superuser, who writes into any folder, by the file system's immutable flag, where it has one.
class UnwritableFolder {
 public:
  explicit UnwritableFolder(const fs::path& folder) : folder_(folder) {
    if (::geteuid() != 0) {
      fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::remove);
      done_ = true;
      return;
    }
    fd_ = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags_) == 0) {
      int immutable = flags_ | FS_IMMUTABLE_FL;
      done_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &immutable) == 0;
    }
  }
  ~UnwritableFolder() {
    if (done_ && ::geteuid() != 0) {
      fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::add);
    } else if (done_) {
      ::ioctl(fd_, FS_IOC_SETFLAGS, &flags_);
    }
    if (fd_ >= 0) ::close(fd_);
  }
  UnwritableFolder(const UnwritableFolder&) = delete;
  UnwritableFolder& operator=(const UnwritableFolder&) = delete;
  bool Done() const { return done_; }

 private:
  fs::path folder_;
  int fd_ = -1;
  int flags_ = 0;
  bool done_ = false;
};

TEST_F(LibraryTest, AnUnwritableGalleryFolderIsSaidBeforeAnyQuestion) {
  AddPictures(1, 0, 1);
  Start();
  TMainZorna& m = Main();
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  Choose(1);
  {
    const UnwritableFolder locked(home_ / "Data");
    if (!locked.Done())
      GTEST_SKIP() << "this file system cannot make a folder refuse the superuser";
    m.SpeedButton16Click(PartsOf(m).SpeedButton16);
  }
  ASSERT_EQ(boxes_.size(), 1);
  EXPECT_TRUE(boxes_[0].contains("sa nedá zapisovať")) << boxes_[0].toStdString();
}

TEST_F(LibraryTest, ADamagedUpdateKeepsTheOldGalleryAndIsToldOnce) {
  AddPictures(1, 0, 2);
  fs::create_directories(home_ / "Data" / ".zorna-update" / "Data");
  Start();
  EXPECT_FALSE(fs::exists(home_ / "Data" / ".zorna-update"));  // a crashed import's leftovers
  TMainZorna& m = Main();
  WriteFileAtomically(home_ / "Data" / "zorna.mk", std::string_view("no pack at all"));
  m.FormResize();
  m.FormResize();
  ASSERT_EQ(boxes_.size(), 1);
  EXPECT_TRUE(boxes_[0].contains("poškodená")) << boxes_[0].toStdString();
  EXPECT_TRUE(fs::exists(home_ / "Data" / "1000.iko"));
  EXPECT_TRUE(fs::exists(home_ / "Data" / "1001.iko"));
  EXPECT_FALSE(fs::exists(home_ / "Data" / "zorna.mk"));
  EXPECT_TRUE(PartsOf(m).Working->isHidden());
  EXPECT_FALSE(PartsOf(m).BtnGallery->isHidden());
}

// A pack made as the maintenance tool makes it, pictures named relative to "Data": picture 0 of
// category 2.
void DeliverUpdate(const fs::path& scratch, const fs::path& home) {
  const fs::path made = scratch / "made";
  fs::create_directories(made);
  WriteGalleryPicture(made, 2, 0, Bitmap(32, 32, Rgb(7, 8, 9)));
  const fs::path back = fs::current_path();
  fs::current_path(made);
  ASSERT_TRUE(ZbalSubory({"2000.iko"}, (home / "Data" / "zorna.mk").string()).completed);
  fs::current_path(back);
}

TEST_F(LibraryTest, AResizeDuringTheImportStartsNoSecondOne) {
  AddPictures(1, 0, 1);
  DeliverUpdate(root_, home_);
  Start();
  TMainZorna& m = Main();
  bool working_during_second = false;
  bool gallery_button_hidden_during_second = false;
  QTimer::singleShot(0, &m, [&] {
    m.FormResize();
    working_during_second = !PartsOf(m).Working->isHidden();
    gallery_button_hidden_during_second = PartsOf(m).BtnGallery->isHidden();
  });
  m.FormResize();
  EXPECT_TRUE(working_during_second);
  EXPECT_TRUE(gallery_button_hidden_during_second);
  EXPECT_TRUE(boxes_.isEmpty()) << boxes_.join('\n').toStdString();
  EXPECT_TRUE(fs::exists(home_ / "Data" / "2000.iko"));
  EXPECT_FALSE(fs::exists(home_ / "Data" / "1000.iko"));
  EXPECT_FALSE(fs::exists(home_ / "Data" / "zorna.mk"));
  // The panel's end names the backup of the replaced picture.
  const QString end = PartsOf(m).Working->findChild<QLabel*>("WorkingLabel")->text();
  EXPECT_TRUE(end.contains(QString::fromUtf8("Predošlé sú uložené v Záloha/galéria-")) &&
              fs::exists(home_ / end.section(' ', -1).toStdString()))
      << end.toStdString();
  EXPECT_FALSE(PartsOf(m).Working->isHidden());
}

// The first resize comes before the window is on the screen; the user is to see the progress.
TEST_F(LibraryTest, AnUpdateWaitsForTheWindowsFirstPaint) {
  DeliverUpdate(root_, home_);
  Start();
  TMainZorna& m = Main();
  m.show();
  EXPECT_TRUE(fs::exists(home_ / "Data" / "zorna.mk"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !fs::exists(home_ / "Data" / "zorna.mk"); }, 10000));
  EXPECT_TRUE(fs::exists(home_ / "Data" / "2000.iko"));
  EXPECT_TRUE(PartsOf(m).ProgressBar2->isHidden());  // the end message instead
}

TEST_F(LibraryTest, AnUpdateThatCannotBeWrittenSaysWhyOnceAndKeepsThePack) {
  AddPictures(1, 0, 1);
  DeliverUpdate(root_, home_);
  WriteFileAtomically(home_ / "Záloha", std::string_view("a file, not a folder"));
  Start();
  TMainZorna& m = Main();
  m.FormResize();
  m.FormResize();
  ASSERT_EQ(boxes_.size(), 1);
  EXPECT_TRUE(
      boxes_[0].contains(QString::fromUtf8("Záloha sa nedá vytvoriť: časť cesty nie je priečinok")))
      << boxes_[0].toStdString();
  EXPECT_TRUE(fs::exists(home_ / "Data" / "zorna.mk"));
  EXPECT_TRUE(fs::exists(home_ / "Data" / "1000.iko"));
}

}  // namespace
}  // namespace zorna::app::testing
