#pragma once
#include <QDialog>
#include <QFrame>
#include <QPushButton>

namespace zorna::app {

struct OkCancelButtons {
  QPushButton* ok;
  QPushButton* cancel;
};

// The dialogs' "OK" (default, accepts) and "Zrušiť" (rejects) buttons, named OKBtn and
// CancelBtn; the caller places them.
OkCancelButtons MakeOkCancelButtons(QDialog* dialog);

// A dialog with a fixed frame and client area, named and titled, in the 11-pixel face that the
// program's small dialogs were laid out for.
void MakeFixedDialog(QDialog* dialog, const char* name, const QString& title, QSize client);

struct SaveDialogFrame {
  QFrame* bevel;
  QPushButton* ok;
  QPushButton* cancel;
};

// The layout shared by the save command's icon and JPEG dialogs: a fixed 313 x 214 dialog with
// the frame bevel "Bevel1" over its upper part and OK and Zrušiť centred below it.
SaveDialogFrame MakeSaveDialogFrame(QDialog* dialog, const char* name, const QString& title);

}  // namespace zorna::app
