// The result panel "Výsledok": the output size list, the result picture with its menu, and the
// flips and turns of the result.
#include "app/main_window/custom_size.h"
#include "app/main_window/main_zorna.h"
#include "app/widgets/tool_widgets.h"
#include "composition/transforms.h"

namespace zorna::app {
namespace {

QAction* AddMenuItem(QMenu* menu, const char* name, const QString& text, const QString& keys) {
  QAction* a = menu->addAction(text);
  a->setObjectName(name);
  if (!keys.isEmpty()) a->setShortcut(QKeySequence(keys));
  a->setShortcutVisibleInContextMenu(true);
  return a;
}

}  // namespace

void TMainZorna::SetUpResultPanel() {
  QWidget* body = Panel("Vystup").okno;
  Bevel3 = new QFrame(body);
  Bevel3->setObjectName("Bevel3");
  Bevel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Bevel3->setLineWidth(1);
  Bevel3->setGeometry(88, 8, 34, 34);
  Image2 = new ImageControl("Image2", Bevel3);
  Image2->setGeometry(1, 1, 32, 32);
  Image2->setCursor(Qt::PointingHandCursor);
  ComboBox1 = MakeDropDown(body, "ComboBox1", kSizeItems);
  ComboBox1->setGeometry(4, 9, 80, 21);
  BtnOtocDolava = MakeToolButton(body, "BtnOtocDolava", "Pootočiť");
  BtnOtocDolava->setText("↶");
  BtnOtocDolava->setGeometry(4, 32, 19, 17);
  BtnOtocDoprava = MakeToolButton(body, "BtnOtocDoprava", "Pootočiť");
  BtnOtocDoprava->setText("↷");
  BtnOtocDoprava->setGeometry(24, 32, 19, 17);
  BtnPreklopVodorovne = MakeToolButton(body, "BtnPreklopVodorovne", "Preklopiť vodorovne");
  BtnPreklopVodorovne->setText("⇆");
  BtnPreklopVodorovne->setGeometry(44, 32, 19, 17);
  BtnPreklopZvislo = MakeToolButton(body, "BtnPreklopZvislo", "Preklopiť zvislo");
  BtnPreklopZvislo->setText("⇅");
  BtnPreklopZvislo->setGeometry(64, 32, 19, 17);

  PopupMenu2 = new QMenu(this);
  PopupMenu2->setObjectName("PopupMenu2");
  connect(AddMenuItem(PopupMenu2, "Nastaviakopodklad2", "Nastaviť ako podklad", "Ctrl+Backspace"),
          &QAction::triggered, this, [this] { Nastaviakopodklad2Click(PopupMenu2); });
  connect(AddMenuItem(PopupMenu2, "Daobrzoknaplochu1", "Dať obrázok na plochu", "Ctrl+P"),
          &QAction::triggered, this, [this] { Daobrzoknaplochu1Click(PopupMenu2); });
  connect(AddMenuItem(PopupMenu2, "Upraviobrzok1", "Tieň a obrys obrázka", "Ctrl+T"),
          &QAction::triggered, this, [this] { Upraviobrzok1Click(PopupMenu2); });
  connect(AddMenuItem(PopupMenu2, "Upraviobrzok2", "Upraviť obrázok", "Ctrl+U"),
          &QAction::triggered, this, [this] { Upraviobrzok2Click(PopupMenu2); });
  PopupMenu2->addSeparator();
  connect(AddMenuItem(PopupMenu2, "Vloiobrzokzosboru1", "Vložiť obrázok zo súboru", "Ctrl+O"),
          &QAction::triggered, this, [this] { Vloiobrzokzosboru1Click(PopupMenu2); });
  AddAction("Open", "Ctrl+O", [this] { Vloiobrzokzosboru1Click(Action("Open")); });
  AddAction("Plocha", "Ctrl+P", [this] { Daobrzoknaplochu1Click(Action("Plocha")); });
  AddAction("Tien_obrys", "Ctrl+T", [this] { Upraviobrzok1Click(nullptr); });
  AddAction("UpravitObrazok", "Ctrl+U", [this] { Upraviobrzok2Click(nullptr); });

  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(ComboBox1); });
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
}

void TMainZorna::ComboBox1Change(QObject* sender) {
  if (sender == this) return;
  if (ComboBox1->currentIndex() == kCustomSizeEntry && !SenderNamed(sender, "ComboBox2"))
    AskCustomSize(dialogs_.DlgRozmer, ComboBox1);
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
      ComboBox1->currentIndex() == kCustomSizeEntry &&
      ComboBox2->itemText(kCustomSizeEntry) != ComboBox1->itemText(kCustomSizeEntry);
  if (!BtnZamknute->isHidden() &&
      (ComboBox2->currentIndex() != ComboBox1->currentIndex() || custom_differs)) {
    if (ComboBox1->currentIndex() == kCustomSizeEntry) {
      ComboBox2->setItemText(kCustomSizeEntry, ComboBox1->itemText(kCustomSizeEntry));
    }
    ComboBox2->setCurrentIndex(ComboBox1->currentIndex());
    ComboBox2Change(sender);
  }
  if (Docked()) BtnRightClick(sender);
}

void TMainZorna::Image2Click(QObject*) {
  const ToolPanel& vystup = Panel("Vystup");
  const int x = Panel1->x() + PanelOkna->x() + vystup.panel->x() + Bevel3->x() + Image2->x();
  const int y = Panel1->y() + vystup.panel->y() + vystup.hlavicka->height() + Bevel3->y() +
                Image2->y() + Image2->height() / 2;
  PopupMenu2->popup(mapToGlobal(QPoint(x, y)));
}

void TMainZorna::Image2RightClick(QObject*) {
  EnableLibraryBackgroundItem();
  PopupMenu1->popup(QCursor::pos());
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
