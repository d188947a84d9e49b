#pragma once
#include <QComboBox>
#include <QObject>
#include <QStringList>

namespace zorna::app {

// The items of the output and input size lists; the custom entry "vlastný" is always the last.
QStringList SizeItems();
constexpr int kCustomSizeEntry = 5;

class TDlgRozmer;

// Shows the custom-size dialog; on OK writes "N x N" into the list's custom entry and selects it.
// Without the dialog (not made yet) nothing is asked, and the answer is no.
bool AskCustomSize(TDlgRozmer* dialog, QComboBox* list);

// Whether a handler was called by the control of that name (no sender: by code).
inline bool SenderNamed(const QObject* sender, const char* name) {
  return sender && sender->objectName() == name;
}

}  // namespace zorna::app
