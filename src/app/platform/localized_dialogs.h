#pragma once
#include <QString>
#include <vector>

#include "text/dialog_wording.h"

// The program's message dialogs: the desktop's standard message box with a title and button
// captions in the dialog language (JazykDialogov: Slovak, Czech or English).
namespace zorna::app {

using zorna::JazykDialogov;
using zorna::ModalResult;

enum class BoxType { kConfirmation, kInformation, kError, kWarning };

// Shows the message modally with the given title, the icon of the box type and the buttons, whose
// captions follow JazykDialogov; the first button is the default. The result is that of the
// button pressed (kNone when the box was closed without one).
ModalResult JazykovyDialog(const QString& message, const QString& title, BoxType type,
                           const std::vector<ModalResult>& buttons);

// Yes/No question; true for Yes.
bool DlgOtazka(const QString& message);
// Information, error and warning with one OK button; true when OK was pressed.
bool DlgSprava(const QString& message);
bool DlgChyba(const QString& message);
bool DlgPozor(const QString& message);

}  // namespace zorna::app
