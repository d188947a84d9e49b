// The background panel "Podklad": the composition mode and the background picture list with
// the user's own slot.
#include <QAbstractItemView>
#include <QDialog>
#include <QIcon>
#include <QPixmap>

#include "app/dialogs/dlg_pozadie.h"
#include "app/main_window/main_zorna.h"
#include "app/platform/messages.h"
#include "app/platform/qt_bitmap.h"
#include "app/widgets/tool_widgets.h"

namespace zorna::app {

void TMainZorna::SetUpBackgroundPanel() {
  QWidget* body = Panel("Podklad").okno;
  ComboBox3 = MakeDropDown(
      body, "ComboBox3",
      {"kombinovať farby", "prekryť obrázkom", "transparentne (biela)", "transparentne (pixel 1,1)",
       "transparentne (pixel max, max)", "orezať okraje (od 1,1)", "orezať okraje (od max, max)",
       "orezať okraje (od 1,1 a max, max)"});
  ComboBox3->setGeometry(4, 9, 72, 21);
  // The closed list is narrow: the open one is as wide as its longest text, and the closed one
  // tells its whole text as a tooltip.
  QAbstractItemView* modes = ComboBox3->view();
  const QFontMetrics metrics(modes->font());
  int longest = 0;
  for (int i = 0; i < ComboBox3->count(); ++i) {
    longest = std::max(longest, metrics.horizontalAdvance(ComboBox3->itemText(i)));
  }
  modes->setMinimumWidth(longest + 2 * modes->frameWidth() + 24);  // with the items' margins
  connect(ComboBox3, &QComboBox::currentTextChanged, ComboBox3, &QWidget::setToolTip);
  ComboBoxEx1 = new QComboBox(body);
  ComboBoxEx1->setObjectName("ComboBoxEx1");
  ComboBoxEx1->setFocusPolicy(Qt::ClickFocus);
  ComboBoxEx1->move(78, 9);
  for (int i = 0; i < kBackgroundCount; ++i) ComboBoxEx1->addItem(QString());
  FillBackgroundList(true);
  connect(ComboBoxEx1, &QComboBox::activated, this, [this] { ComboBoxEx1Change(ComboBoxEx1); });
  AddAction("Podklad", "Ctrl+Backspace", [this] { Nastaviakopodklad2Click(nullptr); });
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
  TDlgPozadie* dialog = dialogs_.DlgPozadie;
  if (!dialog || RunModal(dialog) != QDialog::Accepted) return;
  if (!dialog->Image1->isHidden()) {
    SetUserBackgroundOwnMask(backgrounds_.list1, dialog->Image1->Picture());
  } else {
    SetUserBackgroundOwnMask(backgrounds_.list2, dialog->Image2->Picture());
  }
  FillBackgroundList(background_list_small_);
}

void TMainZorna::Nastaviakopodklad2Click(QObject*) {
  ComboBoxEx1->setCurrentIndex(ComboBoxEx1->count() - 1);
  SetUserBackground(background_list_small_ ? backgrounds_.list1 : backgrounds_.list2,
                    Image2->Picture());
  FillBackgroundList(background_list_small_);
}

}  // namespace zorna::app
