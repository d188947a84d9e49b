#include "app/dialogs/dlg_pozadie.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <utility>

#include "app/platform/handler_guard.h"
#include "app/platform/messages.h"
#include "app/platform/picture_filters.h"
#include "app/widgets/dialog_buttons.h"
#include "app/widgets/tool_widgets.h"
#include "picture/picture_file.h"
#include "support/error.h"

namespace zorna::app {

TDlgPozadie::TDlgPozadie(QWidget* parent, UserBackgrounds backgrounds)
    : QDialog(parent), backgrounds_(std::move(backgrounds)) {
  setObjectName("DlgPozadie");
  setWindowTitle(tr("Podklad obrázka"));
  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame->setFixedSize(120, 100);
  Image2 = new ImageControl("Image2", frame);
  Image2->setGeometry(28, 18, 64, 64);
  Image1 = new ImageControl("Image1", frame);
  Image1->setGeometry(44, 34, 32, 32);
  const OkCancelButtons ok_cancel = MakeOkCancelButtons(this);
  OKBtn = ok_cancel.ok;
  CancelBtn = ok_cancel.cancel;
  Button1 = new QPushButton(tr("Zmeniť obrázok"), this);
  Button1->setObjectName("Button1");
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  buttons->addWidget(Button1);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(buttons);
  setFixedSize(sizeHint());
}

QFileDialog* TDlgPozadie::OpenPictureDialog1() {
  if (!open_dialog_) {
    open_dialog_ = MakeOpenPictureDialog(this, tr("Zmeniť obrázok"), kBackgroundOpenFilter);
  }
  return open_dialog_;
}

void TDlgPozadie::FormShow() {
  Image1->SetPicture(backgrounds_.picture(true));
  Image2->SetPicture(backgrounds_.picture(false));
  const bool small = backgrounds_.small_in_use();
  Image1->setVisible(small);
  Image2->setVisible(!small);
}

void TDlgPozadie::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TDlgPozadie::LoadPicture(const QString& path) {
  ImageControl* target = Image1->isHidden() ? Image2 : Image1;
  target->SetPicture(ReadPictureFile(path.toStdString()));
}

void TDlgPozadie::Button1Click() {
  if (RunModal(OpenPictureDialog1()) != QDialog::Accepted ||
      OpenPictureDialog1()->selectedFiles().isEmpty())
    return;
  try {
    LoadPicture(OpenPictureDialog1()->selectedFiles().first());
  } catch (const Error& e) {
    ShowErrorOf(e);
  }
}

}  // namespace zorna::app
