#include "app/widgets/dialog_buttons.h"

namespace zorna::app {

OkCancelButtons MakeOkCancelButtons(QDialog* dialog) {
  auto* ok = new QPushButton("OK", dialog);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Zrušiť", dialog);
  cancel->setObjectName("CancelBtn");
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return {ok, cancel};
}

}  // namespace zorna::app
