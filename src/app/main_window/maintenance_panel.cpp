// The controls of the maintenance panel, laid out on its fixed 473 x 313: the file list and
// its range on the left, the jobs over the list in the middle, the stepped selection on the
// right.
#include <QPushButton>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"

namespace zorna::app {
namespace {

constexpr int kRow = 26;  // one line of controls
// The stepped selection's fields have no bounds of their own; this one lies beyond any screen
// and keeps the picking's sums far from overflowing.
constexpr int kFar = 999999;

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect place) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  return label;
}

// A word longer than the place made for the Slovak one before a field keeps its right edge
// beside the field and takes the margin on its left.
void FitBeforeField(QLabel* label) {
  const QRect place = label->geometry();
  const int more = label->fontMetrics().horizontalAdvance(label->text()) - place.width();
  if (more <= 0) return;
  label->setGeometry(place.adjusted(-std::min(more, place.x()), 0, 0, 0));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, QRect place) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(place);
  button->setFocusPolicy(Qt::NoFocus);  // the arrow keys stay the selection's nudge
  return button;
}

QSpinBox* AddSpin(QWidget* parent, const char* name, int low, int high, int value, QRect place) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(low, high);
  spin->setValue(value);
  spin->setGeometry(place);
  return spin;
}

}  // namespace

void TMainZorna::BuildMaintenancePanel() {
  QFrame* p = d->PanelTajneMenu;
  QLabel* warning = AddLabel(
      p, "Label6",
      tr("Zobrazili ste tajné menu programu. Prosím uzatvorte ho, pretože toto menu slúži len "
         "autorovi a po vykonaní nejakej akcie na Vašom počítači by mohlo dôjsť ku kritickej "
         "chybe."),
      {8, 6, 457, 44});
  QFont bold = warning->font();
  bold.setBold(true);
  warning->setFont(bold);
  warning->setWordWrap(true);

  // The list and its range.
  const int top = 56;
  AddButton(p, "Button8", tr("Načítaj ListBox"), {8, top, 145, 24});
  FitBeforeField(AddLabel(p, "Label7", tr("od"), {8, top + kRow + 3, 16, 16}));
  d->SpinEdit1 = AddSpin(p, "SpinEdit1", 0, 200, 0, {24, top + kRow, 52, 22});
  AddLabel(p, "Label8", tr("po"), {84, top + kRow + 3, 16, 16});
  d->SpinEdit2 = AddSpin(p, "SpinEdit2", 0, 200, 200, {101, top + kRow, 52, 22});
  d->ListBox1 = new QListWidget(p);
  d->ListBox1->setObjectName("ListBox1");
  d->ListBox1->setUniformItemSizes(true);  // one line each: thousands of names lay out at once
  d->ListBox1->setGeometry(8, top + 2 * kRow, 145, 145);
  AddButton(p, "Button4", tr("Zavrieť tajné menu"), {8, 274, 145, 24});

  // The jobs over the list; the lower rows run on under the stepped selection.
  const int mid = 163;
  const int wide = 302;
  AddButton(p, "Button3", tr("Posuň súbory"), {mid, top, 145, 24});
  AddLabel(p, "Label9", tr("o pozíciu"), {mid, top + kRow + 3, 60, 16});
  d->SpinEdit3 = AddSpin(p, "SpinEdit3", -200, 200, 200, {mid + 62, top + kRow, 56, 22});
  d->Label5 = AddLabel(p, "Label5", "-----", {mid + 124, top + kRow + 3, 30, 16});
  AddButton(p, "Button2", tr("Zakóduj obrázky"), {mid, top + 2 * kRow + 4, 145, 24});
  d->ProgressBar1 = new QProgressBar(p);
  d->ProgressBar1->setObjectName("ProgressBar1");
  d->ProgressBar1->setRange(0, 100);
  d->ProgressBar1->setGeometry(mid, 192, wide, 16);
  d->ProgressBar1->hide();
  AddLabel(p, "Label18", tr("Zostávajúci čas:"), {mid, 217, 86, 16});
  d->Label17 = AddLabel(p, "Label17", "----", {mid + 88, 217, 150, 16});
  AddButton(p, "Button1", "<----", {mid + wide - 44, 214, 44, 22});
  AddButton(p, "Button6", tr("Vytvor info.txt pre sťahovanie z netu"), {mid, 244, wide, 24});
  AddButton(p, "Button12", tr("Skomprimuj obrázky"), {mid, 274, 148, 24});
  AddButton(p, "Button5", tr("Skomprimuj skiny"), {mid + wide - 148, 274, 148, 24});

  // The stepped selection.
  const int right = 330;
  const int field = right + 72;
  AddLabel(p, "Label13", tr("Súradnica x"), {right, top + 3, 70, 16});
  d->SpinEdit4 = AddSpin(p, "SpinEdit4", -kFar, kFar, 4, {field, top, 63, 22});
  AddLabel(p, "Label14", tr("Súradnica y"), {right, top + kRow + 3, 70, 16});
  d->SpinEdit5 = AddSpin(p, "SpinEdit5", -kFar, kFar, 131, {field, top + kRow, 63, 22});
  AddLabel(p, "Label15", tr("+ x"), {right, top + 2 * kRow + 3, 70, 16});
  d->SpinEdit6 = AddSpin(p, "SpinEdit6", -kFar, kFar, 36, {field, top + 2 * kRow, 63, 22});
  AddLabel(p, "Label16", tr("+ y"), {right, top + 3 * kRow + 3, 70, 16});
  d->SpinEdit7 = AddSpin(p, "SpinEdit7", -kFar, kFar, 0, {field, top + 3 * kRow, 63, 22});
  AddButton(p, "Button11", tr("posuň"), {field, top + 4 * kRow, 63, 24});
}

}  // namespace zorna::app
