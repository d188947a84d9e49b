#pragma once
#include <QDialog>
#include <QPushButton>

namespace zorna::app {

struct OkCancelButtons {
  QPushButton* ok;
  QPushButton* cancel;
};

// The dialogs' "OK" (default, accepts) and "Zrušiť" (rejects) buttons, named OKBtn and
// CancelBtn; the caller places them.
OkCancelButtons MakeOkCancelButtons(QDialog* dialog);

}  // namespace zorna::app
