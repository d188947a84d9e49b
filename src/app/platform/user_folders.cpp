#include "app/platform/user_folders.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace zorna::app {

QString UserPicturesFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

void PrepareFileDialog(QFileDialog* dialog) {
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  dialog->setDirectory(UserPicturesFolder());
  dialog->setLabelText(QFileDialog::Reject, QCoreApplication::translate("UserFolders", "Zrušiť"));
  // A name typed and taken with Enter while the name completion list is open closes the dialog
  // but not that list: it would stay on the screen and take the program's next keys.
  QObject::connect(dialog, &QDialog::finished, dialog, [dialog] {
    for (QCompleter* completer : dialog->findChildren<QCompleter*>()) {
      if (completer->popup()) completer->popup()->hide();
    }
  });
}

}  // namespace zorna::app
