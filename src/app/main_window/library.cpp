// The library panel "Kniznica" along the bottom edge: the category tree, the two toolbars of
// gallery pictures filled from the chosen category, and adding the result to the gallery.
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

#include "app/main_window/main_zorna.h"
#include "app/main_window/settings_access.h"
#include "app/platform/localized_dialogs.h"
#include "app/platform/messages.h"
#include "app/platform/program_folder.h"
#include "app/widgets/glyph_icon.h"
#include "app/widgets/tool_widgets.h"
#include "artwork/bar_glyphs.h"
#include "gallery/category_tree.h"
#include "gallery/gallery_bitmap.h"
#include "gallery/gallery_files.h"
#include "text/text_helpers.h"

namespace zorna::app {
namespace {

constexpr int kCategoryRole = Qt::UserRole;  // a node's category number
// The least height of the panel, its room on a screen 600 pixels high: the tree keeps some two
// dozen categories in view however few rows the pictures need. A lower screen is told that not
// every picture may be seen.
constexpr int kLeastLibraryRoom = 360;

void SetWhite(QWidget* w) {
  QPalette white = w->palette();
  white.setColor(QPalette::Window, Qt::white);
  w->setPalette(white);
  w->setAutoFillBackground(true);
}

}  // namespace

void TMainZorna::SetUpLibrary() {
  Kniznica = new AlignPanel("Kniznica", this);
  Kniznica->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Kniznica->setContentsMargins(3, 3, 3, 3);
  Kniznica->setAutoFillBackground(true);
  Kniznica->hide();
  Panel4 = new AlignPanel("Panel4");
  Panel4->resize(180, 200);
  Kniznica->AddAligned(Panel4, Align::Left);
  // The search bar; the search's own buttons and its box Edit2 take the room left of the button.
  Panel5 = new AlignPanel("Panel5");
  Panel5->resize(180, 40);
  Panel4->AddAligned(Panel5, Align::Top);
  SpeedButton16 = MakeToolButton(Panel5, "SpeedButton16", "Pridať vytvorený obrázok do galérie");
  SpeedButton16->setIcon(GlyphIcon(DrawSearchBarGlyph("SpeedButton16"), 1));
  SpeedButton16->setIconSize(QSize(32, 32));
  SpeedButton16->setGeometry(117, 0, 40, 40);
  TreeView1 = new QTreeWidget;
  TreeView1->setObjectName("TreeView1");
  TreeView1->setHeaderHidden(true);
  TreeView1->setIndentation(19);
  TreeView1->setFrameShape(QFrame::NoFrame);
  TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
  Panel4->AddAligned(TreeView1, Align::Client);
  Panel2 = new AlignPanel("Panel2");
  SetWhite(Panel2);
  ToolBar1 = new PictureGrid("ToolBar1", static_cast<int>(kSmallPicturesShown), QSize(39, 38));
  ToolBar2 = new PictureGrid("ToolBar2", static_cast<int>(kLargePicturesShown), QSize(71, 70));
  Panel2->AddAligned(ToolBar2, Align::Bottom);
  Panel2->AddAligned(ToolBar1, Align::Client);
  PictureArea = new PicturePane("PictureArea", Panel2, ToolBar1, ToolBar2);
  SetWhite(PictureArea->viewport());
  Kniznica->AddAligned(PictureArea, Align::Client);
  ToolBar1->SetImages(&ImageList3);
  ToolBar2->SetImages(&ImageList4);

  connect(BtnGallery, &QToolButton::clicked, this, [this] { BtnGalleryClick(BtnGallery); });
  AddAction("Gallery", "Ctrl+G", [this] { BtnGalleryClick(Action("Gallery")); });
  connect(TreeView1, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* node) { TreeView1Change(node); });
  connect(SpeedButton16, &QToolButton::clicked, this,
          [this] { SpeedButton16Click(SpeedButton16); });
}

// The panel is as tall as every row of pictures needs at the window's width, and leaves the top
// 240 pixels free whatever that needs (the rest is then scrolled to); it keeps at least the
// room the tree and its search bar had at the smallest screen the program is made for.
void TMainZorna::DockLibrary() {
  const QRect inside = Kniznica->contentsRect();
  const QSize chrome = Kniznica->size() - inside.size();
  const int pictures_width = width() - chrome.width() - Panel4->width();
  const int wanted = PictureArea->HeightFor(pictures_width) + chrome.height();
  const int height_now = std::min(std::max(wanted, kLeastLibraryRoom), LibraryRoom());
  Kniznica->setGeometry(0, height() - height_now, width(), height_now);
  Kniznica->Realign();
  PictureArea->Arrange();
}

int TMainZorna::LibraryRoom() const {
  return height() - 240;
}

int TMainZorna::CategoryOf(const QTreeWidgetItem* node) {
  return node ? node->data(0, kCategoryRole).toInt() : -1;
}

// The whole tree is read before a node is replaced, so a tree file that cannot be read keeps
// the nodes there are (and the error report stops the opening of the panel).
void TMainZorna::LoadTree() {
  const CategoryTree tree = ReadCategoryTree(TreeFilePath(AdresarProgramu));
  const std::vector<int> parents = ParentIndices(tree);
  std::vector<QTreeWidgetItem*> nodes;
  nodes.reserve(tree.size());
  QList<QTreeWidgetItem*> top;
  for (size_t i = 0; i < tree.size(); ++i) {
    auto* node = new QTreeWidgetItem(QStringList{QString::fromStdString(tree[i].caption)});
    node->setData(0, kCategoryRole, static_cast<int>(i));
    if (parents[i] < 0) {
      top << node;
    } else {
      nodes[static_cast<size_t>(parents[i])]->addChild(node);
    }
    nodes.push_back(node);
  }
  // The tree reports an empty selection while its nodes are replaced: that is no choice of the
  // user's and must not take the current category's pictures off the toolbars.
  loading_tree_ = true;
  TreeView1->clear();
  TreeView1->addTopLevelItems(top);
  for (QTreeWidgetItem* node : top) node->setExpanded(true);
  loading_tree_ = false;
  tree_nodes_ = std::move(nodes);
  tree_captions_.clear();
  for (const CategoryNode& node : tree) tree_captions_.push_back(node.caption);
}

void TMainZorna::BtnGalleryClick(QObject*) {
  const bool opening = Kniznica->isHidden();
  if (opening) {
    LoadTree();
    const int current = CisloNaZaciatku(Label5->text().toStdString());
    if (current > 0 && current < static_cast<int>(tree_nodes_.size())) {
      TreeView1->setCurrentItem(tree_nodes_[static_cast<size_t>(current)]);
    }
  }
  DockLibrary();
  if (opening && LibraryRoom() < kLeastLibraryRoom && !UzZobrazene(10)) {
    DlgPozor(QString::fromUtf8(
        "Máte nastavenú oblasť obrazovky menšiu ako 800 x 600. Odporúča sa používať minimálne "
        "takúto veľkosť, aby boli všetky obrázky v galérii viditeľné."));
  }
  Kniznica->setVisible(opening);
  const bool shown = !Kniznica->isHidden();
  if (!UzZobrazene(3) && shown) {
    ShowPlainMessage("Vľavo dolu si vyberte kategóriu a potom klknite na vybraný obrázok.");
  }
  if (shown && !Edit2->isHidden()) Edit2->setFocus();
}

void TMainZorna::TreeView1Change(QTreeWidgetItem* node) {
  if (loading_tree_) return;
  FillCategory(node);
}

void TMainZorna::FillCategory(QTreeWidgetItem* node) {
  if (!node) {
    ToolBar1->SetImages(nullptr);
    ToolBar2->SetImages(nullptr);
    return;
  }
  const int category = CategoryOf(node);
  if (category == 0) return;
  const QString number = QString::number(category);
  if (Label5->text() == number) return;
  ImageList3 =
      ImageList(kSmallPictureSide, kSmallPictureSide, static_cast<int>(kSmallPicturesShown));
  ImageList4 =
      ImageList(kLargePictureSide, kLargePictureSide, static_cast<int>(kLargePicturesShown));
  ToolBar1->SetImages(&ImageList3);
  ToolBar2->SetImages(&ImageList4);
  Label5->setText(number);
  ToolBar2->hide();
  // Events are let through once per picture, right after it is shown, so that the first picture
  // appears before anything else is painted. The user may choose another category meanwhile;
  // that choice fills the toolbars at once, and this filling adds nothing more. The panel closed
  // and opened meanwhile has loaded the tree anew and selected the same category again: the
  // filling goes on.
  const unsigned filling = ++filling_;
  const auto still_selected = [&] {
    return filling == filling_ && CategoryOf(TreeView1->currentItem()) == category;
  };
  const std::filesystem::path data = GalleryFolder(AdresarProgramu);
  // One run of numbers into its list and toolbar, ending at the first number without a file
  // (later files are not looked at); false when this filling is over.
  const auto fill_run = [&](int first, int last, int side, ImageList& list, PictureGrid* toolbar,
                            const auto& show_toolbar) {
    for (int p = first; p <= last; ++p) {
      if (!still_selected()) return false;
      const auto file = FindGalleryPicture(data, category, p);
      if (!file) break;
      show_toolbar();
      const Bitmap bitmap = ReadGalleryPicture(*file, side);
      list.Add(bitmap, &bitmap);
      toolbar->Repaint();
      QCoreApplication::processEvents();
    }
    return still_selected();
  };
  const bool go_on =
      fill_run(0, kFirstLargePicture - 1, kSmallPictureSide, ImageList3, ToolBar1, [this] {
        ToolBar1->show();
        Panel2->SetAlign(ToolBar2, Align::Bottom);
      });
  if (!go_on) return;
  if (ImageList3.Count() == 0) {
    ToolBar1->hide();
    Panel2->SetAlign(ToolBar2, Align::Client);
  } else {
    ToolBar1->show();
    Panel2->SetAlign(ToolBar2, Align::Bottom);
  }
  PictureArea->Arrange();
  fill_run(kFirstLargePicture, kLastPictureNumber, kLargePictureSide, ImageList4, ToolBar2,
           [this] { ToolBar2->show(); });
}

void TMainZorna::SpeedButton16Click(QObject*) {
  // Node 0 is the tree's caption, never a category: a picture added there could not be seen.
  const int category = CisloNaZaciatku(Label5->text().toStdString());
  if (!TreeView1->currentItem() || category <= 0) {
    DlgChyba(QString::fromUtf8(
        "Najskôr vyberte sekciu v galérii, do ktorej chcete svoj obrázok pridať!"));
    return;
  }
  const int side = SizeOf(ComboBox1);
  if (side != kSmallPictureSide && side != kLargePictureSide) {
    DlgChyba(QString::fromUtf8(
        "Do galérie môžete pridávať iba obrázky o veľkosti 32 x 32 alebo 64 x 64 pixlov!"));
    return;
  }
  const std::filesystem::path data = GalleryFolder(AdresarProgramu);
  // An installed program folder is often read-only: say so before asking anything.
  const std::filesystem::path written = std::filesystem::exists(data) ? data : data.parent_path();
  if (!QFileInfo(QString::fromStdString(written.empty() ? "." : written.string())).isWritable()) {
    DlgChyba(QString::fromUtf8("Obrázok sa nedá pridať do galérie: do priečinka %1 sa nedá "
                               "zapisovať.")
                 .arg(QString::fromStdString(data.string())));
    return;
  }
  const int picture = NextFreePictureNumber(data, category, side);
  const QString question =
      picture == 0 || picture == kFirstLargePicture
          ? QString::fromUtf8(
                "Obrázky takejto veľkosti vo vybranej sekcii ešte neexistujú.\r"
                "Chcete obrázok i napriek tomu pridať?")
          : QString::fromUtf8("Pridať vytvorený obrázok do galérie?");
  if (!DlgOtazka(question)) return;
  WriteGalleryPicture(data, category, picture, Image2->Picture());
  Label5->clear();
  FillCategory(TreeView1->currentItem());
}

}  // namespace zorna::app
