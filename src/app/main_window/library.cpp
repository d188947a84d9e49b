// The library panel "Kniznica" along the bottom edge: the category tree, the two toolbars of
// gallery pictures filled from the chosen category, and adding the result to the gallery.
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/main_window/settings_access.h"
#include "app/platform/interface_language_qt.h"
#include "app/platform/localized_dialogs.h"
#include "app/platform/messages.h"
#include "app/platform/program_folder.h"
#include "app/widgets/glyph_icon.h"
#include "app/widgets/tool_widgets.h"
#include "artwork/bar_glyphs.h"
#include "gallery/category_captions.h"
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
  d->Kniznica = new AlignPanel("Kniznica", this);
  d->Kniznica->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  d->Kniznica->setContentsMargins(3, 3, 3, 3);
  d->Kniznica->setAutoFillBackground(true);
  d->Kniznica->hide();
  d->Panel4 = new AlignPanel("Panel4");
  d->Panel4->resize(180, 200);
  d->Kniznica->AddAligned(d->Panel4, Align::Left);
  // The search bar; the search's own buttons and its box Edit2 take the room left of the button.
  d->Panel5 = new AlignPanel("Panel5");
  d->Panel5->resize(180, 40);
  d->Panel4->AddAligned(d->Panel5, Align::Top);
  d->SpeedButton16 =
      MakeToolButton(d->Panel5, "SpeedButton16", tr("Pridať vytvorený obrázok do galérie"));
  d->SpeedButton16->setIcon(GlyphIcon(DrawSearchBarGlyph("SpeedButton16"), 1));
  d->SpeedButton16->setIconSize(QSize(32, 32));
  d->SpeedButton16->setGeometry(117, 0, 40, 40);
  d->TreeView1 = new QTreeWidget;
  d->TreeView1->setObjectName("TreeView1");
  d->TreeView1->setHeaderHidden(true);
  d->TreeView1->setIndentation(19);
  d->TreeView1->setFrameShape(QFrame::NoFrame);
  d->TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  d->TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
  d->Panel4->AddAligned(d->TreeView1, Align::Client);
  d->Panel2 = new AlignPanel("Panel2");
  SetWhite(d->Panel2);
  d->ToolBar1 = new PictureGrid("ToolBar1", static_cast<int>(kSmallPicturesShown), QSize(39, 38));
  d->ToolBar2 = new PictureGrid("ToolBar2", static_cast<int>(kLargePicturesShown), QSize(71, 70));
  d->Panel2->AddAligned(d->ToolBar2, Align::Bottom);
  d->Panel2->AddAligned(d->ToolBar1, Align::Client);
  d->PictureArea = new PicturePane("PictureArea", d->Panel2, d->ToolBar1, d->ToolBar2);
  SetWhite(d->PictureArea->viewport());
  d->Kniznica->AddAligned(d->PictureArea, Align::Client);
  d->ToolBar1->SetImages(&d->ImageList3);
  d->ToolBar2->SetImages(&d->ImageList4);

  Wire(d->TreeView1, &QTreeWidget::currentItemChanged, "TreeView1Change",
       [this](QTreeWidgetItem* node) { TreeView1Change(node); });
  Wire(d->SpeedButton16, &QToolButton::clicked, "SpeedButton16Click",
       [this] { SpeedButton16Click(d->SpeedButton16); });
}

void TMainZorna::SetUpLibraryOpening() {
  Wire(d->BtnGallery, &QToolButton::clicked, "BtnGalleryClick",
       [this] { BtnGalleryClick(d->BtnGallery); });
  AddAction("Gallery", "Ctrl+G", "BtnGalleryClick", [this] { BtnGalleryClick(Action("Gallery")); });
}

// Made later than the window's other controls, the library's own lie as they would have been
// made in the window's order: below the gallery update's panel and the maintenance panel.
void TMainZorna::EnsureLibrary() {
  if (d->Kniznica) return;
  SetUpLibrary();
  SetUpSearchBar();
  SetUpLibraryMenu();
  for (QWidget* control :
       {static_cast<QWidget*>(d->Kniznica), static_cast<QWidget*>(d->SpeedButton15),
        static_cast<QWidget*>(d->Label12)}) {
    control->stackUnder(d->Working);
  }
  EnsureMaintenance();  // its Label5 names the category the toolbars show
}

// The panel is as tall as every row of pictures needs at the window's width, and leaves the top
// 240 pixels free whatever that needs (the rest is then scrolled to); it keeps at least the
// room the tree and its search bar had at the smallest screen the program is made for.
void TMainZorna::DockLibrary() {
  const QRect inside = d->Kniznica->contentsRect();
  const QSize chrome = d->Kniznica->size() - inside.size();
  const int pictures_width = width() - chrome.width() - d->Panel4->width();
  const int wanted = d->PictureArea->HeightFor(pictures_width) + chrome.height();
  const int height_now = std::min(std::max(wanted, kLeastLibraryRoom), LibraryRoom());
  d->Kniznica->setGeometry(0, height() - height_now, width(), height_now);
  d->Kniznica->Realign();
  d->PictureArea->Arrange();
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
  // The file stays Slovak; the nodes show the captions of the window's language.
  const InterfaceLanguage language = WindowLanguage();
  for (size_t i = 0; i < tree.size(); ++i) {
    const std::string_view caption = ShownCaption(tree[i].caption, language);
    auto* node = new QTreeWidgetItem(
        QStringList{QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()))});
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
  d->loading_tree = true;
  d->TreeView1->clear();
  d->TreeView1->addTopLevelItems(top);
  for (QTreeWidgetItem* node : top) node->setExpanded(true);
  d->loading_tree = false;
  d->tree_nodes = std::move(nodes);
  d->tree_captions.clear();
  for (const CategoryNode& node : tree) d->tree_captions.push_back(node.caption);
}

void TMainZorna::BtnGalleryClick(QObject*) {
  EnsureLibrary();
  const bool opening = !d->state.library_open;
  if (opening) {
    LoadTree();
    const int current = d->state.category;
    if (current > 0 && current < static_cast<int>(d->tree_nodes.size())) {
      d->TreeView1->setCurrentItem(d->tree_nodes[static_cast<size_t>(current)]);
    }
  }
  DockLibrary();
  if (opening && LibraryRoom() < kLeastLibraryRoom && !UzZobrazene(10)) {
    DlgPozor(
        tr("Máte nastavenú oblasť obrazovky menšiu ako 800 x 600. Odporúča sa používať minimálne "
           "takúto veľkosť, aby boli všetky obrázky v galérii viditeľné."));
  }
  d->state.library_open = opening;
  d->Kniznica->setVisible(opening);
  const bool shown = opening;
  if (!UzZobrazene(3) && shown) {
    ShowPlainMessage(tr("Vľavo dolu si vyberte kategóriu a potom klknite na vybraný obrázok."));
  }
  if (shown && d->state.bar_mode != BarMode::kNone) d->Edit2->setFocus();
}

void TMainZorna::TreeView1Change(QTreeWidgetItem* node) {
  if (d->loading_tree) return;
  FillCategory(node);
}

// The maintenance panel names the category the library shows.
void TMainZorna::ShowCategory() {
  d->Label5->setText(d->state.category > 0 ? QString::number(d->state.category) : "-----");
}

void TMainZorna::FillCategory(QTreeWidgetItem* node) {
  if (!node) {
    d->ToolBar1->SetImages(nullptr);
    d->ToolBar2->SetImages(nullptr);
    return;
  }
  const int category = CategoryOf(node);
  if (category == 0) return;
  if (d->state.category == category) return;
  d->ImageList3 =
      ImageList(kSmallPictureSide, kSmallPictureSide, static_cast<int>(kSmallPicturesShown));
  d->ImageList4 =
      ImageList(kLargePictureSide, kLargePictureSide, static_cast<int>(kLargePicturesShown));
  d->ToolBar1->SetImages(&d->ImageList3);
  d->ToolBar2->SetImages(&d->ImageList4);
  d->state.category = category;
  ShowCategory();
  d->ToolBar2->hide();
  // Events are let through once per picture, right after it is shown, so that the first picture
  // appears before anything else is painted. The user may choose another category meanwhile;
  // that choice fills the toolbars at once, and this filling adds nothing more. The panel closed
  // and opened meanwhile has loaded the tree anew and selected the same category again: the
  // filling goes on.
  const unsigned filling = ++d->filling;
  const auto still_selected = [&] {
    return filling == d->filling && CategoryOf(d->TreeView1->currentItem()) == category;
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
      fill_run(0, kFirstLargePicture - 1, kSmallPictureSide, d->ImageList3, d->ToolBar1, [this] {
        d->ToolBar1->show();
        d->Panel2->SetAlign(d->ToolBar2, Align::Bottom);
      });
  if (!go_on) return;
  if (d->ImageList3.Count() == 0) {
    d->ToolBar1->hide();
    d->Panel2->SetAlign(d->ToolBar2, Align::Client);
  } else {
    d->ToolBar1->show();
    d->Panel2->SetAlign(d->ToolBar2, Align::Bottom);
  }
  d->PictureArea->Arrange();
  fill_run(kFirstLargePicture, kLastPictureNumber, kLargePictureSide, d->ImageList4, d->ToolBar2,
           [this] { d->ToolBar2->show(); });
}

void TMainZorna::SpeedButton16Click(QObject*) {
  // Node 0 is the tree's caption, never a category: a picture added there could not be seen.
  const int category = d->state.category;
  if (!d->TreeView1->currentItem() || category <= 0) {
    DlgChyba(tr("Najskôr vyberte sekciu v galérii, do ktorej chcete svoj obrázok pridať!"));
    return;
  }
  const int side = SizeOf(d->ComboBox1);
  if (side != kSmallPictureSide && side != kLargePictureSide) {
    DlgChyba(tr("Do galérie môžete pridávať iba obrázky o veľkosti 32 x 32 alebo 64 x 64 pixlov!"));
    return;
  }
  const std::filesystem::path data = GalleryFolder(AdresarProgramu);
  // An installed program folder is often read-only: say so before asking anything.
  const std::filesystem::path written = std::filesystem::exists(data) ? data : data.parent_path();
  if (!QFileInfo(QString::fromStdString(written.empty() ? "." : written.string())).isWritable()) {
    DlgChyba(tr("Obrázok sa nedá pridať do galérie: do priečinka %1 sa nedá zapisovať.")
                 .arg(QString::fromStdString(data.string())));
    return;
  }
  const int picture = NextFreePictureNumber(data, category, side);
  const QString question = picture == 0 || picture == kFirstLargePicture
                               ? tr("Obrázky takejto veľkosti vo vybranej sekcii ešte neexistujú.\r"
                                    "Chcete obrázok i napriek tomu pridať?")
                               : tr("Pridať vytvorený obrázok do galérie?");
  if (!DlgOtazka(question)) return;
  WriteGalleryPicture(data, category, picture, d->Image2->Picture());
  d->state.category = 0;  // the same category fills anew, with the added picture
  FillCategory(d->TreeView1->currentItem());
}

}  // namespace zorna::app
