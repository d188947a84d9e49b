// The input panel "Vstup": the preview of the pick, the input size list with its custom size,
// the size lock, the smooth-enlargement switch and the shrink mode.
#include <QDialog>

#include "app/main_window/custom_size.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/main_window/plain_look.h"
#include "app/main_window/settings_access.h"
#include "app/platform/messages.h"
#include "app/widgets/tool_widgets.h"

namespace zorna::app {

void TMainZorna::SetUpInputPanel() {
  QWidget* body = d->Panel("Vstup").okno;
  d->Bevel2 = new QFrame(body);
  d->Bevel2->setObjectName("Bevel2");
  d->Bevel2->setFrameStyle(QFrame::Box | QFrame::Raised);
  d->Bevel2->setGeometry(88, 8, 34, 34);
  d->Image1 = new ImageControl("Image1", body);
  d->Image1->setGeometry(89, 9, 32, 32);
  d->ComboBox2 = MakeDropDown(body, "ComboBox2", SizeItems());
  d->ComboBox2->setGeometry(4, 9, 80, 21);
  d->BtnZamknute =
      MakeToolButton(body, "BtnZamknute", tr("Odomknúť: vstupná veľkosť sa nastaví zvlášť"));
  d->BtnZamknute->setIcon(PlainLockGlyph(true));
  d->BtnZamknute->setGeometry(4, 32, 17, 17);
  d->BtnOdomknute =
      MakeToolButton(body, "BtnOdomknute", tr("Zamknúť: vstupná veľkosť sa bude riadiť výstupnou"));
  d->BtnOdomknute->setIcon(PlainLockGlyph(false));
  d->BtnOdomknute->setGeometry(4, 32, 17, 17);
  d->BtnOdomknute->hide();
  d->Zvacs2 = MakeToolButton(body, "Zvacs2", tr("Zapnúť hladké zväčšovanie"));
  d->Zvacs2->setIcon(PlainEnlargeGlyph(false));
  d->Zvacs2->setGeometry(24, 32, 17, 17);
  d->Zvacs1 = MakeToolButton(body, "Zvacs1", tr("Vypnúť hladké zväčšovanie"));
  d->Zvacs1->setIcon(PlainEnlargeGlyph(true));
  d->Zvacs1->setStyleSheet(kPressedSwitchStyle);
  d->Zvacs1->setCheckable(true);
  d->Zvacs1->setChecked(true);  // the pressed look of its group
  d->Zvacs1->setGeometry(25, 32, 17, 17);
  d->Zvacs1->setEnabled(false);
  d->Zvacs2->raise();  // the enabled one lies in front: a disabled one on top swallows clicks
  d->BtnMod = MakeToolButton(body, "BtnMod", "");
  d->BtnMod->setText(tr("mód %1").arg(1));
  d->BtnMod->setGeometry(44, 32, 40, 17);

  Wire(d->ComboBox2, &QComboBox::activated, "ComboBox2Change",
       [this] { ComboBox2Change(d->ComboBox2); });
  Wire(d->BtnZamknute, &QToolButton::clicked, "BtnZamknuteClick",
       [this] { BtnZamknuteClick(d->BtnZamknute); });
  Wire(d->BtnOdomknute, &QToolButton::clicked, "BtnOdomknuteClick",
       [this] { BtnOdomknuteClick(d->BtnOdomknute); });
  Wire(d->Zvacs1, &QToolButton::clicked, "Zvacs1Click", [this] { Zvacs1Click(d->Zvacs1); });
  Wire(d->Zvacs2, &QToolButton::clicked, "Zvacs2Click", [this] { Zvacs2Click(d->Zvacs2); });
  Wire(d->BtnMod, &QToolButton::clicked, "BtnModClick", [this] { BtnModClick(d->BtnMod); });
}

void TMainZorna::ComboBox2Change(QObject* sender) {
  if (d->ComboBox2->currentIndex() == kCustomSizeEntry && !SenderNamed(sender, "ComboBox1")) {
    if (!AskCustomSize(dialogs_.DlgRozmer, d->ComboBox2))
      d->ComboBox2->setCurrentIndex(d->ComboBox1->currentIndex());
  }
  const int o = SizeOf(d->ComboBox1);
  const int i = SizeOf(d->ComboBox2);
  d->Zvacs1->setVisible(o > i);
  d->Zvacs2->setVisible(o > i);
  d->Bevel1->SetSide(std::max(i - 1, 0));
  d->BtnMod->setVisible(o < i);
  if (d->state.size_locked && d->ComboBox1->currentIndex() != d->ComboBox2->currentIndex()) {
    if (d->ComboBox2->currentIndex() == kCustomSizeEntry) {
      d->ComboBox1->setItemText(kCustomSizeEntry, d->ComboBox2->itemText(kCustomSizeEntry));
    }
    d->ComboBox1->setCurrentIndex(d->ComboBox2->currentIndex());
    ComboBox1Change(sender);
  }
}

void TMainZorna::BtnZamknuteClick(QObject* sender) {
  if (sender && !UzZobrazene(11)) {
    ShowPlainMessage(
        tr("Odomkli ste úpravu veľkosťi snímajúceho okna. Teraz môžete meniť jeho veľkosť "
           "nezávisle na veľkosti výsledného obrázku."));
  }
  d->state.size_locked = false;
  d->BtnZamknute->hide();
  d->BtnOdomknute->show();
  d->ComboBox2->setEnabled(true);
}

void TMainZorna::BtnOdomknuteClick(QObject* sender) {
  if (sender && !UzZobrazene(12)) {
    ShowPlainMessage(
        tr("Zamkli ste úpravu veľkosťi snímajúceho okna. Teraz nie je možné upravovať jeho "
           "veľkosť. Veľkosť snímajúceho okna sa automaticky mení podľa nastavenia veľkosti "
           "výsledného obrázku."));
  }
  d->state.size_locked = true;
  d->BtnZamknute->show();
  d->BtnOdomknute->hide();
  d->ComboBox2->setEnabled(false);
}

void TMainZorna::Zvacs2Click(QObject*) {
  d->state.smooth_enlarging = true;
  d->Zvacs1->raise();
  d->Zvacs1->setEnabled(true);
  d->Zvacs2->setEnabled(false);
}

void TMainZorna::Zvacs1Click(QObject*) {
  d->state.smooth_enlarging = false;
  d->Zvacs2->raise();
  d->Zvacs2->setEnabled(true);
  d->Zvacs1->setEnabled(false);
  // The click let the button up; it keeps its pressed look for the next time it is switched on.
  d->Zvacs1->setChecked(true);
}

void TMainZorna::BtnModClick(QObject*) {
  d->state.shrink_mode = d->state.shrink_mode == 1 ? 2 : 1;
  d->BtnMod->setText(tr("mód %1").arg(d->state.shrink_mode));
}

}  // namespace zorna::app
