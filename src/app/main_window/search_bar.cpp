// The search bar above the category tree: a box that either searches the tree's captions (with
// the gallery's synonyms) as the user types, or takes a line of text that is rendered in a
// chosen font onto the screen picture, to be picked there like anything else.
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/interface_language_qt.h"
#include "app/platform/messages.h"
#include "app/platform/qt_bitmap.h"
#include "app/widgets/glyph_icon.h"
#include "app/widgets/tool_widgets.h"
#include "artwork/bar_glyphs.h"
#include "composition/placement.h"
#include "gallery/gallery_search.h"
#include "gallery/not_found_list.h"
#include "text/text_helpers.h"

namespace zorna::app {
namespace {

// The bar's buttons: at home, and moved to the bar's left end while their mode is on.
constexpr int kSearchButtonX = 21;
constexpr int kTextButtonX = 69;
constexpr int kModeButtonX = 0;
// Where the typed text is painted: inside the placement slot widened to the right.
constexpr int kTextX = 368;
constexpr int kTextY = 58;

QToolButton* MakeGlyphButton(QWidget* parent, const char* name, const QString& hint) {
  QToolButton* b = MakeToolButton(parent, name, hint);
  const Bitmap glyph = DrawSearchBarGlyph(name);
  b->setIcon(GlyphIcon(glyph, 1));
  b->setIconSize(QSize(glyph.Width(), glyph.Height()));
  return b;
}

void MoveX(QWidget* w, int x) {
  w->move(x, w->y());
}

// Edit2's focus and its Enter key, reported to the window's handlers.
class Edit2Events : public QObject {
 public:
  Edit2Events(TMainZorna* window, QLineEdit* edit) : QObject(edit), window_(window), edit_(edit) {
    edit->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == edit_) {
      if (event->type() == QEvent::FocusIn) window_->Edit2Enter(edit_);
      if (event->type() == QEvent::FocusOut) window_->Edit2Exit(edit_);
      if (event->type() == QEvent::KeyRelease) {
        window_->Edit2KeyUp(static_cast<QKeyEvent*>(event)->key());
      }
    }
    return false;
  }

 private:
  TMainZorna* window_;
  QLineEdit* edit_;
};

}  // namespace

void TMainZorna::SetUpSearchBar() {
  d->Image6 = new ImageControl("Image6");
  d->Image6->SetStretch(true);
  d->Image6->SetPicture(DrawSearchBarBackground(178, 40));
  d->Panel5->AddAligned(d->Image6, Align::Client);
  d->Image6->lower();
  d->SpeedButton13 = MakeGlyphButton(d->Panel5, "SpeedButton13", tr("Vyhľadať obrázok"));
  d->SpeedButton13->setGeometry(kSearchButtonX, 0, 40, 40);
  d->SpeedButton14 = MakeGlyphButton(d->Panel5, "SpeedButton14", tr("Snímať napísaný text"));
  d->SpeedButton14->setGeometry(kTextButtonX, 0, 40, 40);
  d->Edit2 = new QLineEdit(d->Panel5);
  d->Edit2->setObjectName("Edit2");
  d->Edit2->setGeometry(48, 8, 89, 23);
  d->Edit2->hide();
  d->SpeedButton8 = MakeGlyphButton(d->Panel5, "SpeedButton8", "");
  d->SpeedButton8->setGeometry(136, 3, 41, 34);
  d->SpeedButton8->hide();

  d->SpeedButton15 = MakeGlyphButton(this, "SpeedButton15", tr("Zmeniť font textu"));
  d->SpeedButton15->setGeometry(kTextSlot.right + 6, kTextSlot.top, 40, 40);
  d->SpeedButton15->hide();
  QFont text_font;
  text_font.setFamilies({"Liberation Sans", "Arial"});
  text_font.setPointSize(8);
  const QColor window_text = QApplication::palette().color(QPalette::WindowText);
  d->Label12 = new QLabel(this);
  d->Label12->setObjectName("Label12");
  d->Label12->move(310, 56);
  d->Label12->setFont(text_font);
  QPalette colours = d->Label12->palette();
  colours.setColor(QPalette::Window, Qt::white);
  colours.setColor(QPalette::WindowText, window_text);
  d->Label12->setPalette(colours);
  d->Label12->setAutoFillBackground(true);
  d->Label12->hide();

  Wire(d->SpeedButton13, &QToolButton::clicked, "SpeedButton13Click",
       [this] { SpeedButton13Click(d->SpeedButton13); });
  Wire(d->SpeedButton14, &QToolButton::clicked, "SpeedButton14Click",
       [this] { SpeedButton14Click(d->SpeedButton14); });
  Wire(d->SpeedButton8, &QToolButton::clicked, "Edit2Change",
       [this] { Edit2Change(d->SpeedButton8); });
  Wire(d->SpeedButton15, &QToolButton::clicked, "SpeedButton15Click",
       [this] { SpeedButton15Click(d->SpeedButton15); });
  Wire(d->Edit2, &QLineEdit::textChanged, "Edit2Change", [this] { Edit2Change(d->Edit2); });
  new Edit2Events(this, d->Edit2);
}

// A mode button turns its mode on (the box and the go button in place of the other buttons,
// the mode button at the bar's left end) or back off.
void TMainZorna::ToggleBarMode(QToolButton* mode, int home_x, QToolButton* other) {
  const bool on = d->state.bar_mode == BarMode::kNone;
  d->state.bar_mode = !on                        ? BarMode::kNone
                      : mode == d->SpeedButton13 ? BarMode::kSearch
                                                 : BarMode::kText;
  MoveX(mode, on ? kModeButtonX : home_x);
  d->Edit2->setVisible(on);
  d->SpeedButton8->setVisible(on);
  other->setVisible(!on);
  d->SpeedButton16->setVisible(!on);
  if (on) {
    // The go button searches on from the category found, or puts the typed text on the screen.
    d->SpeedButton8->setToolTip(mode == d->SpeedButton13 ? tr("Nájsť ďalšiu kategóriu")
                                                         : tr("Nakresliť text na obrazovku"));
    d->Edit2->setFocus();
  } else {
    Edit2Exit(mode);
  }
}

void TMainZorna::SpeedButton13Click(QObject*) {
  ToggleBarMode(d->SpeedButton13, kSearchButtonX, d->SpeedButton14);
}

void TMainZorna::SpeedButton14Click(QObject*) {
  if (d->state.bar_mode != BarMode::kNone) d->SpeedButton15->hide();
  ToggleBarMode(d->SpeedButton14, kTextButtonX, d->SpeedButton13);
}

void TMainZorna::Edit2Change(QObject* sender) {
  if (d->state.bar_mode != BarMode::kSearch) {
    if (sender != d->SpeedButton8) return;  // in text mode only the go step renders
    RenderTypedText();
    return;
  }
  SearchTree();
}

void TMainZorna::SearchTree() {
  const int current = d->state.category;
  const SearchResult result =
      SearchGallery(d->Edit2->text().toStdString(), d->tree_captions, current, WindowLanguage());
  if (!result.searched) return;
  if (result.found) {
    d->TreeView1->setCurrentItem(d->tree_nodes[static_cast<size_t>(*result.found)]);
    return;
  }
  std::vector<std::string> lines = NotFoundLines();
  if (RecordNotFound(lines, result.key)) SetNotFoundLines(lines);
}

void TMainZorna::RenderTypedText() {
  d->SpeedButton15->show();
  PaintBlank(d->bitmapa->MutablePicture(), kTextSlot, Backgrounds().list2, SizeOf(d->ComboBox1),
             d->state.scratch);
  d->Label12->setText(d->Edit2->text());
  d->Label12->adjustSize();
  d->Label12->show();
  // Only what can land on the screen picture is painted: a long text in a large font makes a
  // label far wider than any picture.
  Bitmap& screen = d->bitmapa->MutablePicture();
  const int w = std::clamp(d->Label12->width(), 0, std::max(0, screen.Width() - kTextX));
  const int h = std::clamp(d->Label12->height(), 0, std::max(0, screen.Height() - kTextY));
  if (w > 0 && h > 0) {
    QImage painted(w, h, QImage::Format_RGB32);
    painted.fill(Qt::white);
    d->Label12->render(&painted, QPoint(), QRegion(0, 0, w, h));
    BitBlt(screen, kTextX, kTextY, w, h, FromQImage(painted), 0, 0, SRCCOPY);
  }
  d->bitmapa->Changed();
  d->Label12->hide();
  ShowPlaceHint();
}

void TMainZorna::Edit2KeyUp(int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) Edit2Change(d->SpeedButton8);
}

// While the box has the keyboard the plain arrows move its caret, not the pick.
void TMainZorna::Edit2Enter(QObject*) {
  Action("PlLeft")->setEnabled(false);
  Action("PlRight")->setEnabled(false);
}

void TMainZorna::Edit2Exit(QObject*) {
  Action("PlLeft")->setEnabled(true);
  Action("PlRight")->setEnabled(true);
}

// Its list of the desktop's fonts takes a while to fill: it is made when first asked for.
TextFontDialog* TMainZorna::FontDialog1() {
  if (!d->font_dialog) {
    d->font_dialog = new TextFontDialog("FontDialog1", d->Label12->font(),
                                        d->Label12->palette().color(QPalette::WindowText), this);
  }
  return d->font_dialog;
}

void TMainZorna::SpeedButton15Click(QObject*) {
  TextFontDialog* dialog = FontDialog1();
  dialog->SetSelection(d->Label12->font(), d->Label12->palette().color(QPalette::WindowText));
  if (RunModal(dialog) != QDialog::Accepted) return;
  d->Label12->setFont(dialog->SelectedFont());
  QPalette colours = d->Label12->palette();
  colours.setColor(QPalette::WindowText, dialog->SelectedColour());
  d->Label12->setPalette(colours);
  Edit2Change(d->SpeedButton8);
}

}  // namespace zorna::app
