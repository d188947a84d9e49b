// The background panel "Podklad": the composition mode and the background picture list with
// the user's own slot.
#include <QAbstractItemView>
#include <QDialog>
#include <QIcon>
#include <QPixmap>

#include "app/dialogs/dlg_pozadie.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/messages.h"
#include "app/platform/qt_bitmap.h"
#include "app/widgets/tool_widgets.h"

namespace zorna::app {

void TMainZorna::SetUpBackgroundPanel() {
  QWidget* body = d->Panel("Podklad").okno;
  d->ComboBox3 =
      MakeDropDown(body, "ComboBox3",
                   {tr("kombinovať farby"), tr("prekryť obrázkom"), tr("transparentne (biela)"),
                    tr("transparentne (pixel 1,1)"), tr("transparentne (pixel max, max)"),
                    tr("orezať okraje (od 1,1)"), tr("orezať okraje (od max, max)"),
                    tr("orezať okraje (od 1,1 a max, max)")});
  d->ComboBox3->setGeometry(4, 9, 72, 21);
  // The closed list is narrow: the open one is as wide as its longest text, and the closed one
  // tells its whole text as a tooltip.
  QAbstractItemView* modes = d->ComboBox3->view();
  const QFontMetrics metrics(modes->font());
  int longest = 0;
  for (int i = 0; i < d->ComboBox3->count(); ++i) {
    longest = std::max(longest, metrics.horizontalAdvance(d->ComboBox3->itemText(i)));
  }
  modes->setMinimumWidth(longest + 2 * modes->frameWidth() + 24);  // with the items' margins
  connect(d->ComboBox3, &QComboBox::currentTextChanged, d->ComboBox3, &QWidget::setToolTip);
  d->ComboBoxEx1 = new QComboBox(body);
  d->ComboBoxEx1->setObjectName("ComboBoxEx1");
  d->ComboBoxEx1->setFocusPolicy(Qt::ClickFocus);
  d->ComboBoxEx1->move(78, 9);
  for (int i = 0; i < kBackgroundCount; ++i) d->ComboBoxEx1->addItem(QString());
  FillBackgroundList(true);
  Wire(d->ComboBoxEx1, &QComboBox::activated, "ComboBoxEx1Change",
       [this] { ComboBoxEx1Change(d->ComboBoxEx1); });
  Wire(AddResultMenuItem("Nastaviakopodklad2", tr("Nastaviť ako podklad"), "Ctrl+Backspace",
                         ResultMenuPlace::kTop),
       &QAction::triggered, "Nastaviakopodklad2Click",
       [this] { Nastaviakopodklad2Click(d->PopupMenu2); });
  AddAction("Podklad", "Ctrl+Backspace", "Nastaviakopodklad2Click",
            [this] { Nastaviakopodklad2Click(nullptr); });
}

void TMainZorna::FillBackgroundList(bool small) {
  const ImageList& list = small ? d->backgrounds.list1 : d->backgrounds.list2;
  const int selected = d->ComboBoxEx1->currentIndex();
  const int side = list.Width();
  d->ComboBoxEx1->setIconSize(QSize(side, side));
  for (int i = 0; i < list.Count() && i < d->ComboBoxEx1->count(); ++i) {
    Bitmap shown(side, side);
    list.Draw(shown, 0, 0, i);
    d->ComboBoxEx1->setItemIcon(i, QIcon(QPixmap::fromImage(ToQImage(shown))));
  }
  d->ComboBoxEx1->setCurrentIndex(selected);
  d->ComboBoxEx1->resize(small ? 57 : 88, side + 6);
  d->background_list_small = small;
}

void TMainZorna::ComboBoxEx1Change(QObject*) {
  if (d->ComboBoxEx1->currentIndex() != d->ComboBoxEx1->count() - 1) return;
  TDlgPozadie* dialog = dialogs_.DlgPozadie;
  if (!dialog || RunModal(dialog) != QDialog::Accepted) return;
  // The dialog showed the user's background at the size the list shows.
  if (d->background_list_small) {
    SetUserBackgroundOwnMask(d->backgrounds.list1, dialog->Image1->Picture());
  } else {
    SetUserBackgroundOwnMask(d->backgrounds.list2, dialog->Image2->Picture());
  }
  FillBackgroundList(d->background_list_small);
}

void TMainZorna::Nastaviakopodklad2Click(QObject*) {
  d->ComboBoxEx1->setCurrentIndex(d->ComboBoxEx1->count() - 1);
  SetUserBackground(d->background_list_small ? d->backgrounds.list1 : d->backgrounds.list2,
                    d->Image2->Picture());
  FillBackgroundList(d->background_list_small);
}

}  // namespace zorna::app
