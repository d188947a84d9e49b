#include "app/dialogs/dlg_ikona.h"

#include <QFont>
#include <algorithm>

#include "app/widgets/dialog_buttons.h"

namespace zorna::app {

namespace {

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& text, int y, int width) {
  auto* radio = new QRadioButton(text, parent);
  radio->setObjectName(name);
  // The widths fit the captions in the narrow font the layout was made for; a wider desktop
  // font gets what its caption needs instead of a cut caption.
  radio->setGeometry(24, y, std::max(width, radio->sizeHint().width()), 17);
  return radio;
}

}  // namespace

TDlgIkona::TDlgIkona(QWidget* parent) : QDialog(parent) {
  const SaveDialogFrame frame = MakeSaveDialogFrame(this, "DlgIkona", IconTitle());
  Bevel1 = frame.bevel;
  OKBtn = frame.ok;
  CancelBtn = frame.cancel;

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  QFont bold;
  bold.setFamilies({"MS Sans Serif", "Arial"});
  bold.setPixelSize(13);
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->move(32, 40);
  AskFor(SaveKind::kIcon);

  RadioButton2 = MakeRadio(this, "RadioButton2", tr("priehľadnú (biela farba)"), 72, 153);
  RadioButton3 = MakeRadio(this, "RadioButton3", tr("priehľadnú (farba pixlu 0,0)"), 88, 153);
  RadioButton4 = MakeRadio(this, "RadioButton4", tr("priehľadnú (farba pixlu max,max)"), 104, 174);
  RadioButton1 = MakeRadio(this, "RadioButton1", tr("nepriehľadnú"), 120, 153);
  RadioButton2->setChecked(true);
  connect(RadioButton1, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
  connect(RadioButton2, &QRadioButton::clicked, this, [this] { RadioButton2Click(); });
  connect(RadioButton3, &QRadioButton::clicked, this, [this] { RadioButton3Click(); });
  connect(RadioButton4, &QRadioButton::clicked, this, [this] { RadioButton4Click(); });

  Image1 = new ImageControl("Image1", this);
  Image1->setGeometry(216, 56, 73, 73);
  setTabOrder(RadioButton1, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
}

void TDlgIkona::AskFor(SaveKind kind) {
  QString title = IconTitle();
  QString label = tr("Ikonu uložiť ako");
  if (kind == SaveKind::kPng) {
    title = tr("Uloženie obrázku ako PNG súbor");
    label = tr("Obrázok uložiť ako");
  } else if (kind == SaveKind::kAlphaIcon) {
    title = tr("Uloženie obrázku ako ikona s priehľadnosťou");
  }
  setWindowTitle(title);
  Label1->setText(label);
  Label1->adjustSize();
}

QString TDlgIkona::IconTitle() {
  return tr("Uloěnie obráku ako ikona");
}

void TDlgIkona::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

Bitmap TDlgIkona::PreviewBackground() const {
  if (image_list2_ == nullptr || image_list2_->Count() <= kPreviewBackground) return Bitmap(64, 64);
  Bitmap background(image_list2_->Width(), image_list2_->Height());
  image_list2_->Draw(background, 0, 0, kPreviewBackground);
  return background;
}

void TDlgIkona::FormShow() {
  Image1->SetPicture(PreviewBackground());
  RadioButton2->setChecked(true);
  RadioButton2Click();
}

void TDlgIkona::DrawPreview(IconTransparency choice) {
  Image1->SetPicture(IconDialogPreview(PreviewBackground(), result_, choice, Image1->width()));
}

void TDlgIkona::RadioButton1Click() {
  DrawPreview(IconTransparency::kOpaque);
}
void TDlgIkona::RadioButton2Click() {
  DrawPreview(IconTransparency::kWhite);
}
void TDlgIkona::RadioButton3Click() {
  DrawPreview(IconTransparency::kTopLeft);
}
void TDlgIkona::RadioButton4Click() {
  DrawPreview(IconTransparency::kBottomRight);
}

IconTransparency TDlgIkona::Transparency() const {
  if (RadioButton2->isChecked()) return IconTransparency::kWhite;
  if (RadioButton3->isChecked()) return IconTransparency::kTopLeft;
  if (RadioButton4->isChecked()) return IconTransparency::kBottomRight;
  return IconTransparency::kOpaque;
}

}  // namespace zorna::app
