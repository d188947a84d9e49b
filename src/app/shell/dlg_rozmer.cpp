#include "app/shell/dlg_rozmer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/shell/settings_access.h"
#include "shell/settings.h"
#include "support/text_helpers.h"

namespace zorna::app {

TDlgRozmer::TDlgRozmer(QWidget* parent) : QDialog(parent) {
  setObjectName("DlgRozmer");
  setWindowTitle("Vlastný rozmer");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  auto* label = new QLabel("Vlastný rozmer strany vstupujúceho štvorca:", this);
  SpinEdit1 = new QSpinBox(this);
  SpinEdit1->setObjectName("SpinEdit1");
  SpinEdit1->setRange(5, 128);
  SpinEdit1->setValue(20);
  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton("Zrušiť", this);
  BitBtn2->setObjectName("BitBtn2");
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  connect(SpinEdit1->findChild<QLineEdit*>(), &QLineEdit::textEdited, this,
          [this] { SpinEdit1Change(); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(SpinEdit1);
  layout->addLayout(buttons);
  setFixedSize(sizeHint());

  const IniFile ini = OpenSettings();
  const int stored =
      ini.ReadInteger(settings::kRozmer.section, settings::kRozmer.key, settings::kDefaultRozmer);
  SpinEdit1->setValue(stored);
}

void TDlgRozmer::SpinEdit1Change() {
  QLineEdit* edit = SpinEdit1->findChild<QLineEdit*>();
  const int typed = CisloNaZaciatku(edit->text().toStdString());
  if (typed < 5) {
    SpinEdit1->setValue(5);
    edit->setText("5");
  } else if (typed > SpinEdit1->maximum()) {
    SpinEdit1->setValue(SpinEdit1->maximum());
    edit->setText(QString::number(SpinEdit1->maximum()));
  }
}

}  // namespace zorna::app
