// The library's picture buttons and their menu: a click records the picture and opens the menu,
// whose commands paint it into the placement slot (and pick it there) or make it the user's
// background picture.
#include "app/dialogs/dlg_pozadie.h"
#include "app/main_window/main_zorna.h"
#include "app/widgets/tool_widgets.h"
#include "composition/placement.h"

namespace zorna::app {
namespace {

constexpr int kLargePicture = 1000;  // SelectedLibraryPicture from here on names ImageList4

}  // namespace

void TMainZorna::SetUpLibraryMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  const struct {
    const char* name;
    const char* text;
    void (TMainZorna::*handler)(QObject*);
  } items[] = {
      {"Pouiobrzok1", "Použiť obrázok", &TMainZorna::Pouiobrzok1Click},
      {"Daobrzoklennaplochu1", "Dať obrázok len na plochu", &TMainZorna::Daobrzoklennaplochu1Click},
      {"Nastaviakopodklad1", "Nastaviť ako podklad", &TMainZorna::Nastaviakopodklad1Click},
  };
  for (const auto& item : items) {
    QAction* a = PopupMenu1->addAction(QString::fromUtf8(item.text));
    a->setObjectName(item.name);
    connect(a, &QAction::triggered, this,
            [this, handler = item.handler] { (this->*handler)(PopupMenu1); });
  }
  connect(ToolBar1, &PictureGrid::ButtonClicked, this,
          [this](QToolButton* b) { ToolButton1Click(b); });
  connect(ToolBar2, &PictureGrid::ButtonClicked, this,
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
  const bool large = SelectedLibraryPicture >= kLargePicture;
  MenuItem(PopupMenu1, "Nastaviakopodklad1")->setEnabled(large != BackgroundListIsSmall());
}

// The menu opens at the button's left edge, a little below the top of the button as the
// picture area shows it (scrolled or not): its top in the area plus the panel's top plus `below`.
QPoint TMainZorna::LibraryMenuPoint(const QObject* button, int below) const {
  const QPoint in_area = static_cast<const QWidget*>(button)->mapTo(PictureArea, QPoint(0, 0));
  return mapToGlobal(QPoint(in_area.x() + PictureArea->x(), in_area.y() + Kniznica->y() + below));
}

void TMainZorna::ToolButton1Click(QObject* sender) {
  SelectedLibraryPicture = ToolBar1->IndexOf(sender);
  EnableLibraryBackgroundItem();
  PopupMenu1->popup(LibraryMenuPoint(sender, 10));
  ClearInputView();
}

void TMainZorna::ToolButton27Click(QObject* sender) {
  SelectedLibraryPicture = ToolBar2->IndexOf(sender) + kLargePicture;
  EnableLibraryBackgroundItem();
  PopupMenu1->popup(LibraryMenuPoint(sender, 20));
  ClearInputView();
}

// The preview is painted over with its brush (white) across the input side: PATCOPY does not
// read the blank tile it is given.
void TMainZorna::ClearInputView() {
  PracovnyObrazok = Backgrounds().list2.Picture(0);
  const int n = SizeOf(ComboBox2);
  StretchBlt(Image1->MutablePicture(), Rect{0, 0, n, n}, PracovnyObrazok, Rect{0, 0, n, n}, PATCOPY,
             kWhite);
  Image1->Changed();
}

const ImageList* TMainZorna::SelectedLibraryList(int& index) const {
  const bool large = SelectedLibraryPicture >= kLargePicture;
  const ImageList& list = large ? ImageList4 : ImageList3;
  index = large ? SelectedLibraryPicture - kLargePicture : SelectedLibraryPicture;
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
  PracovnyObrazok = Bitmap(list->Width(), list->Height(), kWhite);
  list->Draw(PracovnyObrazok, 0, 0, index);
  const bool large = list == &ImageList4;
  at = large ? QPoint(kLargePictureX, kLargePictureY) : QPoint(kSmallPictureX, kSmallPictureY);
  PastePicture(bitmapa->MutablePicture(), at.x(), at.y(), PracovnyObrazok, large ? 128 : 32);
  bitmapa->Changed();
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
  const bool large = list == &ImageList4;
  ComboBoxEx1->setCurrentIndex(ComboBoxEx1->count() - 1);
  PracovnyObrazok = Bitmap(list->Width(), list->Height(), kWhite);
  list->Draw(PracovnyObrazok, 0, 0, index);
  if (TDlgPozadie* dialog = dialogs_.DlgPozadie) {
    (large ? dialog->Image2 : dialog->Image1)->SetPicture(PracovnyObrazok);
  }
  SetUserBackground(large ? Backgrounds().list2 : Backgrounds().list1, PracovnyObrazok);
  FillBackgroundList(BackgroundListIsSmall());
}

}  // namespace zorna::app
