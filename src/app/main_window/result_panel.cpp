// The result panel "Výsledok": the output size list, the result picture with its menu, and the
// flips and turns of the result.
#include "app/main_window/custom_size.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/widgets/tool_widgets.h"
#include "composition/transforms.h"

namespace zorna::app {
namespace {}  // namespace

// The result's menu: what is done with the result above the line, picture files below it. Each
// concern adds its own entries, whichever is set up first.
QAction* TMainZorna::AddResultMenuItem(const char* name, const QString& text, const char* keys,
                                       ResultMenuPlace place) {
  if (!d->PopupMenu2) {
    d->PopupMenu2 = new QMenu(this);
    d->PopupMenu2->setObjectName("PopupMenu2");
    d->result_menu_line = d->PopupMenu2->addSeparator();
  }
  auto* a = new QAction(text, d->PopupMenu2);
  a->setObjectName(name);
  a->setShortcut(QKeySequence(keys));
  a->setShortcutVisibleInContextMenu(true);
  const QList<QAction*> actions = d->PopupMenu2->actions();
  QAction* before = place == ResultMenuPlace::kTop         ? actions.first()
                    : place == ResultMenuPlace::kAboveLine ? d->result_menu_line
                                                           : nullptr;
  d->PopupMenu2->insertAction(before, a);
  return a;
}

void TMainZorna::SetUpResultPanel() {
  QWidget* body = d->Panel("Vystup").okno;
  d->Bevel3 = new QFrame(body);
  d->Bevel3->setObjectName("Bevel3");
  d->Bevel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  d->Bevel3->setLineWidth(1);
  d->Bevel3->setGeometry(88, 8, 34, 34);
  d->Image2 = new ImageControl("Image2", d->Bevel3);
  d->Image2->setGeometry(1, 1, 32, 32);
  d->Image2->setCursor(Qt::PointingHandCursor);
  d->ComboBox1 = MakeDropDown(body, "ComboBox1", SizeItems());
  d->ComboBox1->setGeometry(4, 9, 80, 21);
  d->BtnOtocDolava = MakeToolButton(body, "BtnOtocDolava", tr("Pootočiť"));
  d->BtnOtocDolava->setText("↶");
  d->BtnOtocDolava->setGeometry(4, 32, 19, 17);
  d->BtnOtocDoprava = MakeToolButton(body, "BtnOtocDoprava", tr("Pootočiť"));
  d->BtnOtocDoprava->setText("↷");
  d->BtnOtocDoprava->setGeometry(24, 32, 19, 17);
  d->BtnPreklopVodorovne = MakeToolButton(body, "BtnPreklopVodorovne", tr("Preklopiť vodorovne"));
  d->BtnPreklopVodorovne->setText("⇆");
  d->BtnPreklopVodorovne->setGeometry(44, 32, 19, 17);
  d->BtnPreklopZvislo = MakeToolButton(body, "BtnPreklopZvislo", tr("Preklopiť zvislo"));
  d->BtnPreklopZvislo->setText("⇅");
  d->BtnPreklopZvislo->setGeometry(64, 32, 19, 17);

  Wire(d->ComboBox1, &QComboBox::activated, "ComboBox1Change",
       [this] { ComboBox1Change(d->ComboBox1); });
  Wire(d->Image2, &ImageControl::Clicked, "Image2Click", [this](Qt::MouseButton button) {
    if (button == Qt::RightButton) {
      Image2RightClick(d->Image2);
    } else {
      Image2Click(d->Image2);
    }
  });
  Wire(d->BtnPreklopZvislo, &QToolButton::clicked, "BtnPreklopZvisloClick",
       [this] { BtnPreklopZvisloClick(d->BtnPreklopZvislo); });
  Wire(d->BtnPreklopVodorovne, &QToolButton::clicked, "BtnPreklopVodorovneClick",
       [this] { BtnPreklopVodorovneClick(d->BtnPreklopVodorovne); });
  Wire(d->BtnOtocDolava, &QToolButton::clicked, "BtnOtocDolavaClick",
       [this] { BtnOtocDolavaClick(d->BtnOtocDolava); });
  Wire(d->BtnOtocDoprava, &QToolButton::clicked, "BtnOtocDopravaClick",
       [this] { BtnOtocDopravaClick(d->BtnOtocDoprava); });
}

void TMainZorna::ComboBox1Change(QObject* sender) {
  if (sender == this) return;
  if (d->ComboBox1->currentIndex() == kCustomSizeEntry && !SenderNamed(sender, "ComboBox2"))
    AskCustomSize(dialogs_.DlgRozmer, d->ComboBox1);
  const int o = SizeOf(d->ComboBox1);
  const int i = SizeOf(d->ComboBox2);
  d->BtnMod->setVisible(o < i);
  d->Zvacs1->setVisible(o > i);
  d->Zvacs2->setVisible(o > i);
  d->Bevel2->resize(o + 2, o + 2);
  d->Bevel3->resize(o + 2, o + 2);
  d->Image1->MutablePicture().SetSize(o, o);
  d->Image1->resize(o, o);
  d->Image1->Changed();
  d->Image2->resize(o, o);
  d->Image2->MutablePicture().SetSize(d->Image2->width(), d->Image2->height());
  d->Image2->Changed();
  FillBackgroundList(o <= 32);
  NastavVelkosti();
  ImageVstupMinClick(nullptr);
  // Both lists on the custom entry still differ when a new custom side was just confirmed.
  const bool custom_differs =
      d->ComboBox1->currentIndex() == kCustomSizeEntry &&
      d->ComboBox2->itemText(kCustomSizeEntry) != d->ComboBox1->itemText(kCustomSizeEntry);
  if (d->state.size_locked &&
      (d->ComboBox2->currentIndex() != d->ComboBox1->currentIndex() || custom_differs)) {
    if (d->ComboBox1->currentIndex() == kCustomSizeEntry) {
      d->ComboBox2->setItemText(kCustomSizeEntry, d->ComboBox1->itemText(kCustomSizeEntry));
    }
    d->ComboBox2->setCurrentIndex(d->ComboBox1->currentIndex());
    ComboBox2Change(sender);
  }
  if (Docked()) BtnRightClick(sender);
}

void TMainZorna::Image2Click(QObject*) {
  const ToolPanel& vystup = d->Panel("Vystup");
  const int x =
      d->Panel1->x() + d->PanelOkna->x() + vystup.panel->x() + d->Bevel3->x() + d->Image2->x();
  const int y = d->Panel1->y() + vystup.panel->y() + vystup.hlavicka->height() + d->Bevel3->y() +
                d->Image2->y() + d->Image2->height() / 2;
  d->PopupMenu2->popup(mapToGlobal(QPoint(x, y)));
}

void TMainZorna::Image2RightClick(QObject*) {
  EnsureLibrary();  // the menu is the library pictures' own
  EnableLibraryBackgroundItem();
  d->PopupMenu1->popup(QCursor::pos());
}

void TMainZorna::BtnPreklopZvisloClick(QObject*) {
  PreklopZvislo(d->Image2->MutablePicture());
  d->Image2->Changed();
}

void TMainZorna::BtnPreklopVodorovneClick(QObject*) {
  PreklopVodorovne(d->Image2->MutablePicture());
  d->Image2->Changed();
}

void TMainZorna::BtnOtocDolavaClick(QObject*) {
  OtocDolava(d->Image2->MutablePicture(), d->state.scratch);
  d->Image2->Changed();
}

void TMainZorna::BtnOtocDopravaClick(QObject*) {
  OtocDoprava(d->Image2->MutablePicture(), d->state.scratch);
  d->Image2->Changed();
}

}  // namespace zorna::app
