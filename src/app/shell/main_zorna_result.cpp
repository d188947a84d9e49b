// The preview composition of a pick and the transforms of the result.
#include <QIcon>
#include <QPixmap>

#include "app/output/save_result.h"
#include "app/platform/messages.h"
#include "app/platform/qt_bitmap.h"
#include "app/shell/dlg_pozadie.h"
#include "app/shell/forms.h"
#include "app/shell/main_zorna.h"
#include "composition/preview.h"
#include "composition/transforms.h"
#include "support/text_helpers.h"

namespace zorna::app {

void TMainZorna::ComposeAt(int x, int y) {
  PickSettings pick;
  pick.input = CisloNaZaciatku(ComboBox2->currentText().toStdString());
  pick.output = CisloNaZaciatku(ComboBox1->currentText().toStdString());
  pick.mode = ComboBox3->currentIndex();
  pick.background = ComboBoxEx1->currentIndex();
  pick.smooth = Zvacs1->isEnabled();
  pick.shrink_mode1 = BtnMod->text() == "mód 1";
  pick.x = x;
  pick.y = y;
  ComposePreview(bitmapa->Picture(), Backgrounds().ForOutput(pick.output), pick,
                 Image1->MutablePicture(), PracovnyObrazok);
  Image1->Changed();
}

void TMainZorna::FillBackgroundList(bool small) {
  const ImageList& list = small ? backgrounds_.list1 : backgrounds_.list2;
  const int selected = ComboBoxEx1->currentIndex();
  const int side = list.Width();
  ComboBoxEx1->setIconSize(QSize(side, side));
  for (int i = 0; i < list.Count() && i < ComboBoxEx1->count(); ++i) {
    Bitmap shown(side, side);
    list.Draw(shown, 0, 0, i);
    ComboBoxEx1->setItemIcon(i, QIcon(QPixmap::fromImage(ToQImage(shown))));
  }
  ComboBoxEx1->setCurrentIndex(selected);
  ComboBoxEx1->resize(small ? 57 : 88, side + 6);
  background_list_small_ = small;
}

void TMainZorna::ComboBoxEx1Change(QObject*) {
  if (ComboBoxEx1->currentIndex() != ComboBoxEx1->count() - 1) return;
  TDlgPozadie* dialog = AllForms().DlgPozadie;
  if (!dialog || RunModal(dialog) != QDialog::Accepted) return;
  if (!dialog->Image1->isHidden()) {
    SetUserBackgroundOwnMask(backgrounds_.list1, dialog->Image1->Picture());
  } else {
    SetUserBackgroundOwnMask(backgrounds_.list2, dialog->Image2->Picture());
  }
  FillBackgroundList(background_list_small_);
}

// The buttons are enabled by the first committed result, but the Ctrl+S and Ctrl+C shortcuts
// never wait for it: they work on whatever the result picture holds.
void TMainZorna::BtnSaveClick(QObject*) {
  if (!AllForms().Saving) return;
  AllForms().Saving->BtnSaveClick(Image2->Picture());
}

void TMainZorna::BtnCopyClick(QObject*) {
  CopyResultToClipboard(Image2->Picture());
}

void TMainZorna::Nastaviakopodklad2Click(QObject*) {
  ComboBoxEx1->setCurrentIndex(ComboBoxEx1->count() - 1);
  SetUserBackground(background_list_small_ ? backgrounds_.list1 : backgrounds_.list2,
                    Image2->Picture());
  FillBackgroundList(background_list_small_);
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
