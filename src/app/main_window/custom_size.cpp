#include "app/main_window/custom_size.h"

#include <QDialog>

#include "app/dialogs/dlg_rozmer.h"
#include "app/platform/messages.h"

namespace zorna::app {

bool AskCustomSize(TDlgRozmer* dialog, QComboBox* list) {
  if (!dialog || RunModal(dialog) != QDialog::Accepted) return false;
  const QString n = QString::number(dialog->SpinEdit1->value());
  list->setItemText(kCustomSizeEntry, n + " x " + n);
  list->setCurrentIndex(kCustomSizeEntry);
  return true;
}

}  // namespace zorna::app
