#include "app/dialogs/dlg_rozmer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "app/main_window/settings_access.h"
#include "settings/settings.h"

namespace zorna::app {
namespace {

constexpr int kMostDigits = 3;

// A side box that lets every keystroke of a number through: a side being typed passes through
// values outside the range ("4" on the way to "40", an empty box after Backspace).
class SideBox : public QSpinBox {
 public:
  using QSpinBox::QSpinBox;

 protected:
  QValidator::State validate(QString& text, int&) const override {
    if (text.isEmpty()) return QValidator::Intermediate;
    if (text.size() > kMostDigits ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); })) {
      return QValidator::Invalid;
    }
    const int side = text.toInt();
    return side >= minimum() && side <= maximum() ? QValidator::Acceptable
                                                  : QValidator::Intermediate;
  }

  // Taking a side outside the range takes the nearest end; an empty box reads as 0.
  void fixup(QString& text) const override {
    text = QString::number(std::clamp(text.toInt(), minimum(), maximum()));
  }
};

}  // namespace

TDlgRozmer::TDlgRozmer(QWidget* parent) : QDialog(parent) {
  setObjectName("DlgRozmer");
  setWindowTitle(tr("Vlastný rozmer"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  auto* label = new QLabel(tr("Vlastný rozmer strany vstupujúceho štvorca:"), this);
  SpinEdit1 = new SideBox(this);
  SpinEdit1->setObjectName("SpinEdit1");
  SpinEdit1->setRange(5, 128);
  SpinEdit1->setValue(20);
  BitBtn1 = new QPushButton(tr("OK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(tr("Zrušiť"), this);
  BitBtn2->setObjectName("BitBtn2");
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
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
  shown_side_ = SpinEdit1->value();
}

void TDlgRozmer::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  shown_side_ = SpinEdit1->value();
  SpinEdit1->selectAll();
}

void TDlgRozmer::done(int result) {
  if (result == QDialog::Accepted) {
    SpinEdit1->interpretText();
  } else {
    SpinEdit1->setValue(shown_side_);
  }
  QDialog::done(result);
}

}  // namespace zorna::app
