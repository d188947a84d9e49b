#include "app/widgets/dialog_buttons.h"

#include <QCoreApplication>

namespace zorna::app {

OkCancelButtons MakeOkCancelButtons(QDialog* dialog) {
  auto* ok = new QPushButton(QCoreApplication::translate("OkCancelButtons", "OK"), dialog);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  auto* cancel = new QPushButton(QCoreApplication::translate("OkCancelButtons", "Zrušiť"), dialog);
  cancel->setObjectName("CancelBtn");
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return {ok, cancel};
}

void MakeFixedDialog(QDialog* dialog, const char* name, const QString& title, QSize client) {
  dialog->setObjectName(name);
  dialog->setWindowTitle(title);
  dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  dialog->setFixedSize(client);
  QFont small = dialog->font();
  small.setPixelSize(11);
  dialog->setFont(small);
}

SaveDialogFrame MakeSaveDialogFrame(QDialog* dialog, const char* name, const QString& title) {
  dialog->setObjectName(name);
  dialog->setWindowTitle(title);
  dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  dialog->setFixedSize(313, 214);
  auto* bevel = new QFrame(dialog);
  bevel->setObjectName("Bevel1");
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(8, 8, 297, 161);
  const OkCancelButtons buttons = MakeOkCancelButtons(dialog);
  buttons.ok->setGeometry(79, 180, 75, 25);
  buttons.cancel->setGeometry(159, 180, 75, 25);
  return {bevel, buttons.ok, buttons.cancel};
}

}  // namespace zorna::app
