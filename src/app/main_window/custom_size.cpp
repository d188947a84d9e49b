#include "app/main_window/custom_size.h"

#include <QDialog>

#include "app/dialogs/dlg_rozmer.h"
#include "app/main_window/main_zorna.h"
#include "app/platform/messages.h"

namespace zorna::app {

QStringList SizeItems() {
  return {"8 x 8", "16 x 16", "32 x 32", "64 x 64", "128 x 128", TMainZorna::tr("vlastný")};
}

bool AskCustomSize(TDlgRozmer* dialog, QComboBox* list) {
  if (!dialog || RunModal(dialog) != QDialog::Accepted) return false;
  const QString n = QString::number(dialog->SpinEdit1->value());
  list->setItemText(kCustomSizeEntry, n + " x " + n);
  list->setCurrentIndex(kCustomSizeEntry);
  return true;
}

}  // namespace zorna::app
