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

void Present(const QString& text, bool is_error) {
  if (Presenter()) {
    Presenter()(text, is_error);
    return;
  }
  QMessageBox box(is_error ? QMessageBox::Critical : QMessageBox::NoIcon, "Zorna", text,
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

}  // namespace

int RunModal(QDialog* dialog) {
  if (Runner()) return Runner()(dialog);
  return dialog->exec();
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
