// The library's picture buttons and their menu: a click records the picture and opens the menu,
// whose commands paint it into the placement slot (and pick it there) or make it the user's
// background picture.
#include "app/dialogs/dlg_pozadie.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/widgets/tool_widgets.h"
#include "composition/placement.h"

namespace zorna::app {
namespace {

constexpr int kLargePicture = 1000;  // SelectedLibraryPicture from here on names ImageList4

}  // namespace

void TMainZorna::SetUpLibraryMenu() {
  d->PopupMenu1 = new QMenu(this);
  d->PopupMenu1->setObjectName("PopupMenu1");
  const struct {
    const char* name;
    const char* text;
    const char* handler_name;
    void (TMainZorna::*handler)(QObject*);
  } items[] = {
      {"Pouiobrzok1", QT_TR_NOOP("Použiť obrázok"), "Pouiobrzok1Click",
       &TMainZorna::Pouiobrzok1Click},
      {"Daobrzoklennaplochu1", QT_TR_NOOP("Dať obrázok len na plochu"), "Daobrzoklennaplochu1Click",
       &TMainZorna::Daobrzoklennaplochu1Click},
      {"Nastaviakopodklad1", QT_TR_NOOP("Nastaviť ako podklad"), "Nastaviakopodklad1Click",
       &TMainZorna::Nastaviakopodklad1Click},
  };
  for (const auto& item : items) {
    QAction* a = d->PopupMenu1->addAction(tr(item.text));
    a->setObjectName(item.name);
    Wire(a, &QAction::triggered, item.handler_name,
         [this, handler = item.handler] { (this->*handler)(d->PopupMenu1); });
  }
  Wire(d->ToolBar1, &PictureGrid::ButtonClicked, "ToolButton1Click",
       [this](QToolButton* b) { ToolButton1Click(b); });
  Wire(d->ToolBar2, &PictureGrid::ButtonClicked, "ToolButton27Click",
       [this](QToolButton* b) { ToolButton27Click(b); });
}

namespace {

QAction* MenuItem(const QMenu* menu, const char* name) {
  for (QAction* a : menu->actions()) {
    if (a->objectName() == name) return a;
  }
  return nullptr;
}

}  // namespace

// "Nastaviť ako podklad" only for a picture of the size the background list shows.
void TMainZorna::EnableLibraryBackgroundItem() {
  const bool large = d->state.selected_library_picture >= kLargePicture;
  MenuItem(d->PopupMenu1, "Nastaviakopodklad1")->setEnabled(large != BackgroundListIsSmall());
}

// The menu opens at the button's left edge, a little below the top of the button as the
// picture area shows it (scrolled or not): its top in the area plus the panel's top plus `below`.
QPoint TMainZorna::LibraryMenuPoint(const QObject* button, int below) const {
  const QPoint in_area = static_cast<const QWidget*>(button)->mapTo(d->PictureArea, QPoint(0, 0));
  return mapToGlobal(
      QPoint(in_area.x() + d->PictureArea->x(), in_area.y() + d->Kniznica->y() + below));
}

void TMainZorna::ToolButton1Click(QObject* sender) {
  d->state.selected_library_picture = d->ToolBar1->IndexOf(sender);
  EnableLibraryBackgroundItem();
  d->PopupMenu1->popup(LibraryMenuPoint(sender, 10));
  ClearInputView();
}

void TMainZorna::ToolButton27Click(QObject* sender) {
  d->state.selected_library_picture = d->ToolBar2->IndexOf(sender) + kLargePicture;
  EnableLibraryBackgroundItem();
  d->PopupMenu1->popup(LibraryMenuPoint(sender, 20));
  ClearInputView();
}

// The preview is painted over with its brush (white) across the input side: PATCOPY does not
// read the blank tile it is given.
void TMainZorna::ClearInputView() {
  d->state.scratch = Backgrounds().list2.Picture(0);
  const int n = SizeOf(d->ComboBox2);
  StretchBlt(d->Image1->MutablePicture(), Rect{0, 0, n, n}, d->state.scratch, Rect{0, 0, n, n},
             PATCOPY, kWhite);
  d->Image1->Changed();
}

const ImageList* TMainZorna::SelectedLibraryList(int& index) const {
  const bool large = d->state.selected_library_picture >= kLargePicture;
  const ImageList& list = large ? d->ImageList4 : d->ImageList3;
  index =
      large ? d->state.selected_library_picture - kLargePicture : d->state.selected_library_picture;
  return index >= 0 && index < list.Count() ? &list : nullptr;
}

// Small and large pictures share the slot's centre; the copy never reaches past the picture.
// A button past the category's pictures (or a list refilled since the click) names no
// picture: then nothing is placed at all.
bool TMainZorna::PlaceSelectedLibraryPicture(QPoint& at) {
  int index = 0;
  const ImageList* list = SelectedLibraryList(index);
  if (!list) return false;
  PaintSlotBlank();
  d->state.scratch = Bitmap(list->Width(), list->Height(), kWhite);
  list->Draw(d->state.scratch, 0, 0, index);
  const bool large = list == &d->ImageList4;
  at = large ? QPoint(kLargePictureX, kLargePictureY) : QPoint(kSmallPictureX, kSmallPictureY);
  PastePicture(d->bitmapa->MutablePicture(), at.x(), at.y(), d->state.scratch, large ? 128 : 32);
  d->bitmapa->Changed();
  return true;
}

void TMainZorna::Pouiobrzok1Click(QObject*) {
  QPoint at;
  if (!PlaceSelectedLibraryPicture(at)) return;
  bitmapaMouseMove(nullptr, at.x(), at.y());
  bitmapaMouseDown(nullptr);
}

void TMainZorna::Daobrzoklennaplochu1Click(QObject*) {
  QPoint at;
  if (!PlaceSelectedLibraryPicture(at)) return;
  ShowPlaceHint();
}

void TMainZorna::Nastaviakopodklad1Click(QObject*) {
  int index = 0;
  const ImageList* list = SelectedLibraryList(index);
  if (!list) return;
  const bool large = list == &d->ImageList4;
  d->ComboBoxEx1->setCurrentIndex(d->ComboBoxEx1->count() - 1);
  d->state.scratch = Bitmap(list->Width(), list->Height(), kWhite);
  list->Draw(d->state.scratch, 0, 0, index);
  if (TDlgPozadie* dialog = dialogs_.DlgPozadie) {
    (large ? dialog->Image2 : dialog->Image1)->SetPicture(d->state.scratch);
  }
  SetUserBackground(large ? Backgrounds().list2 : Backgrounds().list1, d->state.scratch);
  FillBackgroundList(BackgroundListIsSmall());
}

}  // namespace zorna::app
