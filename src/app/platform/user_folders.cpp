#include "app/platform/user_folders.h"

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
  dialog->setLabelText(QFileDialog::Reject, QString::fromUtf8("Zrušiť"));
}

}  // namespace zorna::app
