#include "app/shell/custom_size.h"

#include <QDialog>

#include "app/platform/messages.h"
#include "app/shell/dlg_rozmer.h"
#include "app/shell/forms.h"

namespace zorna::app {

bool AskCustomSize(QComboBox* list) {
  TDlgRozmer* dialog = AllForms().DlgRozmer;
  if (!dialog || RunModal(dialog) != QDialog::Accepted) return false;
  const QString n = QString::number(dialog->SpinEdit1->value());
  list->setItemText(kCustomSizeEntry, n + " x " + n);
  list->setCurrentIndex(kCustomSizeEntry);
  return true;
}

}  // namespace zorna::app
