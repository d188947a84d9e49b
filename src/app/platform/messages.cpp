#include "app/platform/messages.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace zorna::app {
namespace {

MessagePresenter& Presenter() {
  static MessagePresenter presenter;
  return presenter;
}

ModalRunner& Runner() {
  static ModalRunner runner;
  return runner;
}

// The window to return to: the one that owned the modal window, else the program's main
// (the visible top-level window that is no dialog).
QWidget* WindowToReturnTo(QWidget* owner) {
  if (owner && owner->window()->isVisible()) return owner->window();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && !qobject_cast<QDialog*>(w) && !(w->windowType() == Qt::Popup)) return w;
  }
  return nullptr;
}

// Without a window manager nobody hands the keyboard focus (and with it the tooltips) back
// when a modal window closes, so the program does it itself.
int ExecAndReturn(QDialog* dialog, QWidget* owner) {
  const int result = dialog->exec();
  if (QWidget* back = WindowToReturnTo(owner)) back->activateWindow();
  return result;
}

void Present(const QString& text, bool is_error) {
  if (Presenter()) {
    Presenter()(text, is_error);
    return;
  }
  QWidget* owner = QApplication::activeWindow();
  QMessageBox box(is_error ? QMessageBox::Critical : QMessageBox::NoIcon, "Zorna", text,
                  QMessageBox::Ok, owner);
  ExecAndReturn(&box, owner);
}

}  // namespace

int RunModal(QDialog* dialog) {
  if (Runner()) return Runner()(dialog);
  return ExecAndReturn(dialog, dialog->parentWidget());
}

void SetModalRunner(ModalRunner runner) {
  Runner() = std::move(runner);
}

void ShowPlainMessage(const QString& text) {
  Present(text, false);
}
void ShowErrorMessage(const QString& text) {
  Present(text, true);
}
void SetMessagePresenter(MessagePresenter presenter) {
  Presenter() = std::move(presenter);
}

}  // namespace zorna::app
