#pragma once
#include <QString>
#include <functional>

class QWidget;
class QDialog;

namespace zorna::app {

// The platform's plain message box (title "Zorna", one OK button). Tests replace the presenter
// to see the texts without a modal loop.
void ShowPlainMessage(const QString& text);
// The framework's standard error box for a failed file or picture operation.
void ShowErrorMessage(const QString& text);

// Shows a dialog modally and gives its result; tests replace the runner to answer at once.
int RunModal(QDialog* dialog);
using ModalRunner = std::function<int(QDialog* dialog)>;
void SetModalRunner(ModalRunner runner);

using MessagePresenter = std::function<void(const QString& text, bool is_error)>;
void SetMessagePresenter(MessagePresenter presenter);

}  // namespace zorna::app
