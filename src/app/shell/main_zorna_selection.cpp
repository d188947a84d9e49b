// Picking from the screen picture: the sizes and their lists, the lock, the enlargement and
// shrink switches, the marker, the arrow-key nudge and the take into the result.
#include <QDialog>

#include "app/platform/cursor.h"
#include "app/platform/messages.h"
#include "app/shell/dlg_rozmer.h"
#include "app/shell/forms.h"
#include "app/shell/main_zorna.h"
#include "app/shell/settings_access.h"
#include "support/text_helpers.h"

namespace zorna::app {
namespace {

constexpr int kCustomEntry = 5;

int SizeOf(const QComboBox* list) {
  return CisloNaZaciatku(list->currentText().toStdString());
}

bool NamedAs(QObject* sender, const char* name) {
  return sender && sender->objectName() == name;
}

// Shows the custom-size dialog; on OK writes "N x N" into the list's custom entry.
bool AskCustomSize(QComboBox* list) {
  TDlgRozmer* dialog = AllForms().DlgRozmer;
  if (!dialog || RunModal(dialog) != QDialog::Accepted) return false;
  const QString n = dialog->SpinEdit1->text();
  list->setItemText(kCustomEntry, n + " x " + n);
  list->setCurrentIndex(kCustomEntry);
  return true;
}

}  // namespace

void TMainZorna::ConnectSelection() {
  connect(bitmapa, &ImageControl::MouseMoved, this,
          [this](int x, int y) { bitmapaMouseMove(bitmapa, x, y); });
  connect(bitmapa, &ImageControl::MousePressed, this,
          [this](Qt::MouseButton, int, int) { bitmapaMouseDown(bitmapa); });
  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(ComboBox1); });
  connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(ComboBox2); });
  connect(ComboBox4, &QComboBox::activated, this, [this] { ComboBox4Change(ComboBox4); });
  connect(ComboBoxEx1, &QComboBox::activated, this, [this] { ComboBoxEx1Change(ComboBoxEx1); });
  connect(BtnZamknute, &QToolButton::clicked, this, [this] { BtnZamknuteClick(BtnZamknute); });
  connect(BtnOdomknute, &QToolButton::clicked, this, [this] { BtnOdomknuteClick(BtnOdomknute); });
  connect(Zvacs1, &QToolButton::clicked, this, [this] { Zvacs1Click(Zvacs1); });
  connect(Zvacs2, &QToolButton::clicked, this, [this] { Zvacs2Click(Zvacs2); });
  connect(BtnMod, &QToolButton::clicked, this, [this] { BtnModClick(BtnMod); });
  connect(Image2, &ImageControl::Clicked, this, [this](Qt::MouseButton button) {
    if (button == Qt::RightButton) {
      Image2RightClick(Image2);
    } else {
      Image2Click(Image2);
    }
  });
  connect(BtnPreklopZvislo, &QToolButton::clicked, this,
          [this] { BtnPreklopZvisloClick(BtnPreklopZvislo); });
  connect(BtnPreklopVodorovne, &QToolButton::clicked, this,
          [this] { BtnPreklopVodorovneClick(BtnPreklopVodorovne); });
  connect(BtnOtocDolava, &QToolButton::clicked, this,
          [this] { BtnOtocDolavaClick(BtnOtocDolava); });
  connect(BtnOtocDoprava, &QToolButton::clicked, this,
          [this] { BtnOtocDopravaClick(BtnOtocDoprava); });
  connect(BtnSave, &QToolButton::clicked, this, [this] { BtnSaveClick(BtnSave); });
  connect(BtnCopy, &QToolButton::clicked, this, [this] { BtnCopyClick(BtnCopy); });
  connect(BtnClose, &QToolButton::clicked, this, [this] { Button4Click(BtnClose); });
  connect(BtnMinimize, &QToolButton::clicked, this, [this] { BtnMinimizeClick(BtnMinimize); });
  connect(BtnLeft, &QToolButton::clicked, this, [this] { BtnLeftClick(BtnLeft); });
  connect(BtnRight, &QToolButton::clicked, this, [this] { BtnRightClick(BtnRight); });
  connect(BtnInfo, &QToolButton::clicked, this, [this] { BtnInfoClick(BtnInfo); });
  connect(BtnTheme, &QToolButton::clicked, this, [this] { BtnThemeClick(BtnTheme); });
}

void TMainZorna::bitmapaMouseMove(QObject*, int x, int y) {
  Bevel1->move(x + 1, y + 1);
  ComposeAt(x, y);
  Image3->SetPicture(Image1->Picture());
}

void TMainZorna::bitmapaMouseDown(QObject*) {
  ToolPanel& vystup = Panel("Vystup");
  if (vystup.panel->height() == vystup.hlavicka->height()) ImageVstupMinClick(vystup.right);
  Image2->SetPicture(Image1->Picture());
  BtnSave->setEnabled(true);
  BtnCopy->setEnabled(true);
  BtnOtocDoprava->show();
  BtnOtocDolava->show();
  BtnPreklopZvislo->show();
  BtnPreklopVodorovne->show();
  if (!UzZobrazene(2)) {
    ShowPlainMessage(
        "Kliknutím na ikonku z disketou obrázok uložíte.\rKliknutím na ikonku vedľa obrázok "
        "skopírujete (do schránky).");
  } else if (!UzZobrazene(5)) {
    ShowPlainMessage("Výsledný obrázok môžete ešte ďalej upravovať kliknutím naň vo výsledku.");
  }
}

void TMainZorna::ComboBox1Change(QObject* sender) {
  if (sender == this) return;
  if (ComboBox1->currentIndex() == kCustomEntry && !NamedAs(sender, "ComboBox2"))
    AskCustomSize(ComboBox1);
  const int o = SizeOf(ComboBox1);
  const int i = SizeOf(ComboBox2);
  BtnMod->setVisible(o < i);
  Zvacs1->setVisible(o > i);
  Zvacs2->setVisible(o > i);
  Bevel2->resize(o + 2, o + 2);
  Bevel3->resize(o + 2, o + 2);
  Image1->MutablePicture().SetSize(o, o);
  Image1->resize(o, o);
  Image1->Changed();
  Image2->resize(o, o);
  Image2->MutablePicture().SetSize(Image2->width(), Image2->height());
  Image2->Changed();
  FillBackgroundList(o <= 32);
  NastavVelkosti();
  ImageVstupMinClick(nullptr);
  // Both lists on the custom entry still differ when a new custom side was just confirmed.
  const bool custom_differs =
      ComboBox1->currentIndex() == kCustomEntry &&
      ComboBox2->itemText(kCustomEntry) != ComboBox1->itemText(kCustomEntry);
  if (!BtnZamknute->isHidden() &&
      (ComboBox2->currentIndex() != ComboBox1->currentIndex() || custom_differs)) {
    if (ComboBox1->currentIndex() == kCustomEntry) {
      ComboBox2->setItemText(kCustomEntry, ComboBox1->itemText(kCustomEntry));
    }
    ComboBox2->setCurrentIndex(ComboBox1->currentIndex());
    ComboBox2Change(sender);
  }
  if (Docked()) BtnRightClick(sender);
}

void TMainZorna::ComboBox2Change(QObject* sender) {
  if (ComboBox2->currentIndex() == kCustomEntry && !NamedAs(sender, "ComboBox1")) {
    if (!AskCustomSize(ComboBox2)) ComboBox2->setCurrentIndex(ComboBox1->currentIndex());
  }
  const int o = SizeOf(ComboBox1);
  const int i = SizeOf(ComboBox2);
  Zvacs1->setVisible(o > i);
  Zvacs2->setVisible(o > i);
  Bevel1->resize(std::max(i - 1, 0), std::max(i - 1, 0));
  BtnMod->setVisible(o < i);
  if (!BtnZamknute->isHidden() && ComboBox1->currentIndex() != ComboBox2->currentIndex()) {
    if (ComboBox2->currentIndex() == kCustomEntry) {
      ComboBox1->setItemText(kCustomEntry, ComboBox2->itemText(kCustomEntry));
    }
    ComboBox1->setCurrentIndex(ComboBox2->currentIndex());
    ComboBox1Change(sender);
  }
}

void TMainZorna::ComboBox4Change(QObject* sender) {
  const int m = SizeOf(ComboBox4);
  Image3->resize(m, m);
  NastavVelkosti();
  ImageVstupMinClick(nullptr);
  if (Docked()) BtnRightClick(sender);
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

void TMainZorna::PlLeftExecute(QObject*) {
  SetCursorPos(GetCursorPos() + QPoint(-1, 0));
}
void TMainZorna::PlRightExecute(QObject*) {
  SetCursorPos(GetCursorPos() + QPoint(1, 0));
}
void TMainZorna::PlUpExecute(QObject*) {
  SetCursorPos(GetCursorPos() + QPoint(0, -1));
}
void TMainZorna::PlDownExecute(QObject*) {
  SetCursorPos(GetCursorPos() + QPoint(0, 1));
}

void TMainZorna::Image2Click(QObject*) {
  const ToolPanel& vystup = Panel("Vystup");
  const int x = Panel1->x() + PanelOkna->x() + vystup.panel->x() + Bevel3->x() + Image2->x();
  const int y = Panel1->y() + vystup.panel->y() + vystup.hlavicka->height() + Bevel3->y() +
                Image2->y() + Image2->height() / 2;
  PopupMenu2->popup(mapToGlobal(QPoint(x, y)));
}

void TMainZorna::Image2RightClick(QObject*) {
  PopupMenu1->popup(QCursor::pos());
}

}  // namespace zorna::app
