// The input panel "Vstup": the preview of the pick, the input size list with its custom size,
// the size lock, the smooth-enlargement switch and the shrink mode.
#include <QDialog>

#include "app/main_window/custom_size.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/plain_look.h"
#include "app/main_window/settings_access.h"
#include "app/platform/messages.h"
#include "app/widgets/tool_widgets.h"

namespace zorna::app {

void TMainZorna::SetUpInputPanel() {
  QWidget* body = Panel("Vstup").okno;
  Bevel2 = new QFrame(body);
  Bevel2->setObjectName("Bevel2");
  Bevel2->setFrameStyle(QFrame::Box | QFrame::Raised);
  Bevel2->setGeometry(88, 8, 34, 34);
  Image1 = new ImageControl("Image1", body);
  Image1->setGeometry(89, 9, 32, 32);
  ComboBox2 = MakeDropDown(body, "ComboBox2", kSizeItems);
  ComboBox2->setGeometry(4, 9, 80, 21);
  BtnZamknute = MakeToolButton(body, "BtnZamknute",
                               QString::fromUtf8("Odomknúť: vstupná veľkosť sa nastaví zvlášť"));
  BtnZamknute->setIcon(PlainLockGlyph(true));
  BtnZamknute->setGeometry(4, 32, 17, 17);
  BtnOdomknute = MakeToolButton(
      body, "BtnOdomknute", QString::fromUtf8("Zamknúť: vstupná veľkosť sa bude riadiť výstupnou"));
  BtnOdomknute->setIcon(PlainLockGlyph(false));
  BtnOdomknute->setGeometry(4, 32, 17, 17);
  BtnOdomknute->hide();
  Zvacs2 = MakeToolButton(body, "Zvacs2", QString::fromUtf8("Zapnúť hladké zväčšovanie"));
  Zvacs2->setIcon(PlainEnlargeGlyph(false));
  Zvacs2->setGeometry(24, 32, 17, 17);
  Zvacs1 = MakeToolButton(body, "Zvacs1", QString::fromUtf8("Vypnúť hladké zväčšovanie"));
  Zvacs1->setIcon(PlainEnlargeGlyph(true));
  Zvacs1->setStyleSheet(kPressedSwitchStyle);
  Zvacs1->setCheckable(true);
  Zvacs1->setChecked(true);  // the pressed look of its group
  Zvacs1->setGeometry(25, 32, 17, 17);
  Zvacs1->setEnabled(false);
  Zvacs2->raise();  // the enabled one lies in front: a disabled one on top swallows clicks
  BtnMod = MakeToolButton(body, "BtnMod", "");
  BtnMod->setText("mód 1");
  BtnMod->setGeometry(44, 32, 40, 17);

  connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(ComboBox2); });
  connect(BtnZamknute, &QToolButton::clicked, this, [this] { BtnZamknuteClick(BtnZamknute); });
  connect(BtnOdomknute, &QToolButton::clicked, this, [this] { BtnOdomknuteClick(BtnOdomknute); });
  connect(Zvacs1, &QToolButton::clicked, this, [this] { Zvacs1Click(Zvacs1); });
  connect(Zvacs2, &QToolButton::clicked, this, [this] { Zvacs2Click(Zvacs2); });
  connect(BtnMod, &QToolButton::clicked, this, [this] { BtnModClick(BtnMod); });
}

void TMainZorna::ComboBox2Change(QObject* sender) {
  if (ComboBox2->currentIndex() == kCustomSizeEntry && !SenderNamed(sender, "ComboBox1")) {
    if (!AskCustomSize(dialogs_.DlgRozmer, ComboBox2))
      ComboBox2->setCurrentIndex(ComboBox1->currentIndex());
  }
  const int o = SizeOf(ComboBox1);
  const int i = SizeOf(ComboBox2);
  Zvacs1->setVisible(o > i);
  Zvacs2->setVisible(o > i);
  Bevel1->SetSide(std::max(i - 1, 0));
  BtnMod->setVisible(o < i);
  if (!BtnZamknute->isHidden() && ComboBox1->currentIndex() != ComboBox2->currentIndex()) {
    if (ComboBox2->currentIndex() == kCustomSizeEntry) {
      ComboBox1->setItemText(kCustomSizeEntry, ComboBox2->itemText(kCustomSizeEntry));
    }
    ComboBox1->setCurrentIndex(ComboBox2->currentIndex());
    ComboBox1Change(sender);
  }
}

void TMainZorna::BtnZamknuteClick(QObject* sender) {
  if (sender && !UzZobrazene(11)) {
    ShowPlainMessage(
        "Odomkli ste úpravu veľkosťi snímajúceho okna. Teraz môžete meniť jeho veľkosť nezávisle "
        "na veľkosti výsledného obrázku.");
  }
  BtnZamknute->hide();
  BtnOdomknute->show();
  ComboBox2->setEnabled(true);
}

void TMainZorna::BtnOdomknuteClick(QObject* sender) {
  if (sender && !UzZobrazene(12)) {
    ShowPlainMessage(
        "Zamkli ste úpravu veľkosťi snímajúceho okna. Teraz nie je možné upravovať jeho veľkosť. "
        "Veľkosť snímajúceho okna sa automaticky mení podľa nastavenia veľkosti výsledného "
        "obrázku.");
  }
  BtnZamknute->show();
  BtnOdomknute->hide();
  ComboBox2->setEnabled(false);
}

void TMainZorna::Zvacs2Click(QObject*) {
  Zvacs1->raise();
  Zvacs1->setEnabled(true);
  Zvacs2->setEnabled(false);
}

void TMainZorna::Zvacs1Click(QObject*) {
  Zvacs2->raise();
  Zvacs2->setEnabled(true);
  Zvacs1->setEnabled(false);
  // The click let the button up; it keeps its pressed look for the next time it is switched on.
  Zvacs1->setChecked(true);
}

void TMainZorna::BtnModClick(QObject*) {
  BtnMod->setText(BtnMod->text() == "mód 1" ? "mód 2" : "mód 1");
}

}  // namespace zorna::app
