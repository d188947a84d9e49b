#include "app/dialogs/dlg_jpeg.h"

#include "app/platform/interface_language_qt.h"
#include "app/widgets/dialog_buttons.h"
#include "output/jpeg_preview.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna::app {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->move(x, y);
  label->adjustSize();
  return label;
}

ImageControl* MakeStretchedImage(QWidget* parent, const char* name, int x) {
  auto* image = new ImageControl(name, parent);
  image->setGeometry(x, 32, 80, 80);
  image->SetStretch(true);
  return image;
}

}  // namespace

TDlgJpeg::TDlgJpeg(QWidget* parent) : QDialog(parent) {
  const SaveDialogFrame frame =
      MakeSaveDialogFrame(this, "DlgJpeg", tr("Uloěnie obrázku ako jpeg súbor"));
  Bevel1 = frame.bevel;
  OKBtn = frame.ok;
  CancelBtn = frame.cancel;

  Label1 = MakeLabel(this, "Label1", tr("Originál:"), 24, 16);
  Image1 = MakeStretchedImage(this, "Image1", 24);
  Label2 = MakeLabel(this, "Label2", tr("Výsledok:"), 128, 16);
  Image2 = MakeStretchedImage(this, "Image2", 128);
  Label4 = MakeLabel(this, "Label4", tr("Veľkosť súboru:"), 216, 56);
  Label5 = MakeLabel(this, "Label5", QString(), 216, 72);
  Label5->setMinimumWidth(85);
  Label3 = MakeLabel(this, "Label3", tr("Kompresia:"), 24, 120);

  TrackBar = new QSlider(Qt::Horizontal, this);
  TrackBar->setObjectName("TrackBar");
  TrackBar->setGeometry(16, 136, 281, 25);
  TrackBar->setRange(0, 100);
  TrackBar->setSingleStep(1);
  TrackBar->setTickPosition(QSlider::NoTicks);
  TrackBar->setValue(100);
  connect(TrackBar, &QSlider::valueChanged, this, [this] { TrackBarChange(); });
  setTabOrder(TrackBar, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
}

void TDlgJpeg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TDlgJpeg::FormShow() {
  Image1->SetPicture(result_);
  TrackBarChange();
}

const std::string& TDlgJpeg::TrialFolder() {
  if (trial_folder_.empty()) {
    auto own = std::make_unique<QTemporaryDir>(
        QString::fromStdString(DocasnyPriecinok() + "zorna-XXXXXX"));
    if (!own->isValid()) throw CannotCreateFile(DocasnyPriecinok() + kJpegTrialFileName);
    trial_folder_ = PridajLomitko(own->path().toStdString());
    own_trial_folder_ = std::move(own);
  }
  return trial_folder_;
}

void TDlgJpeg::TrackBarChange() {
  JpegPreview preview =
      MakeJpegPreview(Image1->Picture(), TrackBar->value(), TrialFolder(), WindowLanguage());
  Label5->setText(QString::fromStdString(preview.size_text));
  Label5->adjustSize();
  Image2->SetPicture(std::move(preview.picture));
}

}  // namespace zorna::app
