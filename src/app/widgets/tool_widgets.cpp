#include "app/widgets/tool_widgets.h"

#include "app/platform/picture_filters.h"
#include "app/platform/user_folders.h"
#include "text/text_helpers.h"

namespace zorna::app {

QToolButton* MakeToolButton(QWidget* parent, const QString& name, const QString& hint) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  if (!hint.isEmpty()) b->setToolTip(hint);
  return b;
}

QComboBox* MakeDropDown(QWidget* parent, const QString& name, const QStringList& items) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->addItems(items);
  c->setFocusPolicy(Qt::ClickFocus);
  return c;
}

QFileDialog* MakeOpenPictureDialog(QWidget* parent, const QString& title, std::string_view filter) {
  auto* dialog = new QFileDialog(parent, title);
  dialog->setObjectName("OpenPictureDialog1");
  dialog->setOption(QFileDialog::HideNameFilterDetails, true);
  dialog->setFileMode(QFileDialog::ExistingFile);
  PrepareFileDialog(dialog);
  dialog->setNameFilters(QtNameFilters(filter));
  return dialog;
}

int SizeOf(const QComboBox* list) {
  return CisloNaZaciatku(list->currentText().toStdString());
}

}  // namespace zorna::app
