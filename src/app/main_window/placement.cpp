// Placing pictures on the screen picture: a picture file (taken at once, as if clicked there)
// and the result itself (left for the user to pick). Both go into the placement slot.
#include "composition/placement.h"

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/main_window/settings_access.h"
#include "app/platform/messages.h"
#include "app/platform/picture_filters.h"
#include "app/widgets/tool_widgets.h"
#include "picture/picture_file.h"

namespace zorna::app {

void TMainZorna::SetUpPlacement() {
  Wire(AddResultMenuItem("Daobrzoknaplochu1", tr("Dať obrázok na plochu"), "Ctrl+P",
                         ResultMenuPlace::kAboveLine),
       &QAction::triggered, "Daobrzoknaplochu1Click",
       [this] { Daobrzoknaplochu1Click(d->PopupMenu2); });
  Wire(AddResultMenuItem("Vloiobrzokzosboru1", tr("Vložiť obrázok zo súboru"), "Ctrl+O",
                         ResultMenuPlace::kEnd),
       &QAction::triggered, "Vloiobrzokzosboru1Click",
       [this] { Vloiobrzokzosboru1Click(d->PopupMenu2); });
  AddAction("Open", "Ctrl+O", "Vloiobrzokzosboru1Click",
            [this] { Vloiobrzokzosboru1Click(Action("Open")); });
  AddAction("Plocha", "Ctrl+P", "Daobrzoknaplochu1Click",
            [this] { Daobrzoknaplochu1Click(Action("Plocha")); });
}

// A file dialog costs noticeably at start-up; it is made when first needed.
QFileDialog* TMainZorna::OpenPictureDialog1() {
  if (!d->open_picture_dialog) {
    d->open_picture_dialog = MakeOpenPictureDialog(this, QString(), kPlacePictureOpenFilter);
  }
  return d->open_picture_dialog;
}

void TMainZorna::PaintSlotBlank() {
  PaintBlank(d->bitmapa->MutablePicture(), kPlacementSlot, Backgrounds().list2,
             SizeOf(d->ComboBox1), d->state.scratch);
  d->bitmapa->Changed();
}

void TMainZorna::PlacePictureFile(const std::string& file) {
  const int side = SizeOf(d->ComboBox1);
  PaintSlotBlank();
  // A huge photograph costs no more than its corner: the rest is never decoded.
  d->state.scratch = ReadPictureRegion(file, side, side);
  PastePicture(d->bitmapa->MutablePicture(), kSmallPictureX, kSmallPictureY, d->state.scratch,
               side);
  d->bitmapa->Changed();
}

void TMainZorna::ShowPlaceHint() {
  if (!UzZobrazene(4))
    ShowPlainMessage(tr("Teraz umiestnite kurzor myši na obrázok a kliknite naň."));
}

void TMainZorna::Vloiobrzokzosboru1Click(QObject*) {
  if (RunModal(OpenPictureDialog1()) != QDialog::Accepted) return;
  const QStringList files = OpenPictureDialog1()->selectedFiles();
  if (files.isEmpty()) return;
  // A file that cannot be read throws here: the slot stays blank and nothing is picked.
  PlacePictureFile(files.front().toStdString());
  bitmapaMouseMove(nullptr, kSmallPictureX, kSmallPictureY);
  bitmapaMouseDown(nullptr);
}

void TMainZorna::Daobrzoknaplochu1Click(QObject*) {
  const int side = SizeOf(d->ComboBox1);
  Bitmap& screen = d->bitmapa->MutablePicture();
  // The white area is wider than the slot and grows with the side; the tile's white top-left
  // pixel is stretched over it.
  d->state.scratch = Backgrounds().list2.Picture(0);
  StretchBlt(screen, ResultPlacementArea(side), d->state.scratch, Rect{0, 0, 1, 1}, SRCCOPY);
  PastePicture(screen, ResultPlacementX(side), ResultPlacementY(side), d->Image2->Picture(), 128);
  d->bitmapa->Changed();
  ShowPlaceHint();
}

}  // namespace zorna::app
