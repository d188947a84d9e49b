// Placing pictures on the screen picture: a picture file (taken at once, as if clicked there)
// and the result itself (left for the user to pick). Both go into the placement slot.
#include "composition/placement.h"

#include "app/main_window/main_zorna.h"
#include "app/main_window/settings_access.h"
#include "app/platform/messages.h"
#include "app/platform/picture_filters.h"
#include "app/widgets/tool_widgets.h"
#include "picture/picture_file.h"

namespace zorna::app {

// A file dialog costs noticeably at start-up; it is made when first needed.
QFileDialog* TMainZorna::OpenPictureDialog1() {
  if (!open_picture_dialog_) {
    open_picture_dialog_ = MakeOpenPictureDialog(this, QString(), kPlacePictureOpenFilter);
  }
  return open_picture_dialog_;
}

void TMainZorna::PaintSlotBlank() {
  PaintBlank(bitmapa->MutablePicture(), kPlacementSlot, Backgrounds().list2, SizeOf(ComboBox1),
             PracovnyObrazok);
  bitmapa->Changed();
}

void TMainZorna::PlacePictureFile(const std::string& file) {
  const int side = SizeOf(ComboBox1);
  PaintSlotBlank();
  // A huge photograph costs no more than its corner: the rest is never decoded.
  PracovnyObrazok = ReadPictureRegion(file, side, side);
  PastePicture(bitmapa->MutablePicture(), kSmallPictureX, kSmallPictureY, PracovnyObrazok, side);
  bitmapa->Changed();
}

void TMainZorna::ShowPlaceHint() {
  if (!UzZobrazene(4)) ShowPlainMessage("Teraz umiestnite kurzor myši na obrázok a kliknite naň.");
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
  const int side = SizeOf(ComboBox1);
  Bitmap& screen = bitmapa->MutablePicture();
  // The white area is wider than the slot and grows with the side; the tile's white top-left
  // pixel is stretched over it.
  PracovnyObrazok = Backgrounds().list2.Picture(0);
  StretchBlt(screen, ResultPlacementArea(side), PracovnyObrazok, Rect{0, 0, 1, 1}, SRCCOPY);
  PastePicture(screen, ResultPlacementX(side), ResultPlacementY(side), Image2->Picture(), 128);
  bitmapa->Changed();
  ShowPlaceHint();
}

}  // namespace zorna::app
