#include "text/dialog_wording.h"

namespace zorna {

std::string JazykDialogov = "SKY";

namespace {

struct Words {
  const char* slovak;
  const char* czech;
  const char* english;
};

const char* Pick(const Words& words, const std::string& language) {
  if (language == "SKY") return words.slovak;
  if (language == "CSY") return words.czech;
  return words.english;
}

}  // namespace

std::string DialogTitle(DialogKind kind, const std::string& language) {
  switch (kind) {
    case DialogKind::kOtazka:
      return Pick({"Otázka", "Otázka", "Question"}, language);
    case DialogKind::kSprava:
      return Pick({"Správa", "Správa", "Message"}, language);
    case DialogKind::kChyba:
      return Pick({"Chyba", "Chyba", "Error"}, language);
    case DialogKind::kPozor:
      return Pick({"Pozor!", "Pozor!", "Warning"}, language);
  }
  return {};
}

std::optional<std::string> ButtonCaption(ModalResult result, const std::string& language) {
  switch (result) {
    case ModalResult::kCancel:
      return Pick({"&Storno", "&Storno", "&Cancel"}, language);
    case ModalResult::kAbort:
      return Pick({"&Prerušiť", "&Přerušit", "&Abort"}, language);
    case ModalResult::kRetry:
      return Pick({"&Znovu", "&Znovu", "&Retry"}, language);
    case ModalResult::kIgnore:
      return Pick({"&Ignorovať", "&Ignorovat", "&Ignore"}, language);
    case ModalResult::kYes:
      return Pick({"Án&o", "An&o", "&Yes"}, language);
    case ModalResult::kNo:
      return Pick({"&Nie", "&Ne", "&No"}, language);
    case ModalResult::kAll:
      return Pick({"&Všetko", "&Všechno", "&All"}, language);
    case ModalResult::kNoToAll:
      return Pick({"Ni&e všetkým", "&Ne všem", "No to a&ll"}, language);
    case ModalResult::kYesToAll:
      return Pick({"Áno &všetkým", "Ano &všem", "Yes to &all"}, language);
    default:
      return std::nullopt;
  }
}

}  // namespace zorna
