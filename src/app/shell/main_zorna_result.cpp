// The preview composition of a pick and the transforms of the result.
#include "app/shell/main_zorna.h"
#include "composition/pick_composition.h"
#include "support/files.h"

namespace zorna::app {

void TMainZorna::ComposeAt(int x, int y) {
  PickSettings pick;
  pick.input = CisloNaZaciatku(ComboBox2->currentText().toStdString());
  pick.output = CisloNaZaciatku(ComboBox1->currentText().toStdString());
  pick.mode = ComboBox3->currentIndex();
  pick.smooth = Zvacs1->isEnabled();
  pick.shrink_mode1 = BtnMod->text() == "mód 1";
  pick.x = x;
  pick.y = y;
  // The background pictures are not drawn yet: every tile is the plain white picture 0.
  const int side = pick.output <= 32 ? 32 : 64;
  PracovnyObrazok = Bitmap(side, side);
  const Bitmap tile = PracovnyObrazok;
  ComposePick(bitmapa->Picture(), tile, pick, Image1->MutablePicture(), PracovnyObrazok);
  Image1->Changed();
}

void TMainZorna::BtnPreklopZvisloClick(QObject*) {
  PreklopZvislo(Image2->MutablePicture());
  Image2->Changed();
}

void TMainZorna::BtnPreklopVodorovneClick(QObject*) {
  PreklopVodorovne(Image2->MutablePicture());
  Image2->Changed();
}

void TMainZorna::BtnOtocDolavaClick(QObject*) {
  OtocDolava(Image2->MutablePicture(), PracovnyObrazok);
  Image2->Changed();
}

void TMainZorna::BtnOtocDopravaClick(QObject*) {
  OtocDoprava(Image2->MutablePicture(), PracovnyObrazok);
  Image2->Changed();
}

}  // namespace zorna::app
