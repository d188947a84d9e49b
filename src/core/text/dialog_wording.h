#pragma once
#include <optional>
#include <string>

// The words of the program's message dialogs in Slovak ("SKY"), Czech ("CSY") or English (any
// other language text; compared exactly, with case).
namespace zorna {

// The dialog language; "SKY" from the start and never changed by the program.
extern std::string JazykDialogov;

enum class DialogKind { kOtazka, kSprava, kChyba, kPozor };

// The buttons of a message box, by the result that each one gives.
enum class ModalResult {
  kNone,
  kOk,
  kCancel,
  kAbort,
  kRetry,
  kIgnore,
  kYes,
  kNo,
  kAll,
  kNoToAll,
  kYesToAll
};

std::string DialogTitle(DialogKind kind, const std::string& language);

// The caption of the button with the given result ("&" marks the keyboard accelerator), or
// nullopt where the button keeps the caption the desktop gives it (OK and unknown results).
std::optional<std::string> ButtonCaption(ModalResult result, const std::string& language);

}  // namespace zorna
