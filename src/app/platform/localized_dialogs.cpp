#include "app/platform/localized_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <map>

#include "app/platform/interface_language_qt.h"
#include "app/platform/messages.h"

namespace zorna::app {
namespace {

QMessageBox::Icon IconOf(BoxType type) {
  switch (type) {
    case BoxType::kConfirmation:
      return QMessageBox::Question;
    case BoxType::kInformation:
      return QMessageBox::Information;
    case BoxType::kError:
      return QMessageBox::Critical;
    case BoxType::kWarning:
      return QMessageBox::Warning;
  }
  return QMessageBox::NoIcon;
}

// The desktop's own button for a result; "All" has none and is added with its role.
QMessageBox::StandardButton StandardButtonOf(ModalResult result) {
  switch (result) {
    case ModalResult::kOk:
      return QMessageBox::Ok;
    case ModalResult::kCancel:
      return QMessageBox::Cancel;
    case ModalResult::kAbort:
      return QMessageBox::Abort;
    case ModalResult::kRetry:
      return QMessageBox::Retry;
    case ModalResult::kIgnore:
      return QMessageBox::Ignore;
    case ModalResult::kYes:
      return QMessageBox::Yes;
    case ModalResult::kNo:
      return QMessageBox::No;
    case ModalResult::kNoToAll:
      return QMessageBox::NoToAll;
    case ModalResult::kYesToAll:
      return QMessageBox::YesToAll;
    default:
      return QMessageBox::NoButton;
  }
}

// The dialog language's Slovak titles and the caption of the one button the desktop has none
// for, as the catalogue knows them: the window shows its words in the window's language.
[[maybe_unused]] constexpr const char* kCatalogueWords[] = {
    QT_TRANSLATE_NOOP("LocalizedDialogs", "Otázka"),
    QT_TRANSLATE_NOOP("LocalizedDialogs", "Správa"),
    QT_TRANSLATE_NOOP("LocalizedDialogs", "Chyba"),
    QT_TRANSLATE_NOOP("LocalizedDialogs", "Pozor!"),
    QT_TRANSLATE_NOOP("LocalizedDialogs", "&Všetko"),
};

QString Shown(const std::string& words) {
  return QCoreApplication::translate("LocalizedDialogs", words.c_str());
}

bool Ask(zorna::DialogKind kind, BoxType type, const QString& message,
         const std::vector<ModalResult>& buttons, ModalResult wanted) {
  const QString title = Shown(zorna::DialogTitle(kind, JazykDialogov));
  return JazykovyDialog(message, title, type, buttons) == wanted;
}

}  // namespace

ModalResult JazykovyDialog(const QString& message, const QString& title, BoxType type,
                           const std::vector<ModalResult>& buttons) {
  QMessageBox box(IconOf(type), title, message, QMessageBox::NoButton,
                  QApplication::activeWindow());
  std::map<QAbstractButton*, ModalResult> result_of;
  for (ModalResult result : buttons) {
    const QMessageBox::StandardButton standard = StandardButtonOf(result);
    QPushButton* button = standard != QMessageBox::NoButton
                              ? box.addButton(standard)
                              : box.addButton(QString(), QMessageBox::AcceptRole);
    result_of[button] = result;
    // Enter answers with the first button (Yes for a question) whatever order the desktop
    // lays the buttons out in; left alone, the first one in that order would be the default.
    if (box.defaultButton() == nullptr) box.setDefaultButton(button);
  }
  // Every push button gets its caption by its result; OK keeps the desktop's own, and so does
  // every standard button when the window speaks English.
  for (QAbstractButton* button : box.buttons()) {
    if (qobject_cast<QPushButton*>(button) == nullptr) continue;
    const auto found = result_of.find(button);
    if (found == result_of.end()) continue;
    if (SpeaksEnglish() && StandardButtonOf(found->second) != QMessageBox::NoButton) continue;
    if (const auto caption = zorna::ButtonCaption(found->second, JazykDialogov)) {
      button->setText(Shown(*caption));
    }
  }
  RunModal(&box);
  const auto clicked = result_of.find(box.clickedButton());
  return clicked == result_of.end() ? ModalResult::kNone : clicked->second;
}

bool DlgOtazka(const QString& message) {
  return Ask(zorna::DialogKind::kOtazka, BoxType::kConfirmation, message,
             {ModalResult::kYes, ModalResult::kNo}, ModalResult::kYes);
}

bool DlgSprava(const QString& message) {
  return Ask(zorna::DialogKind::kSprava, BoxType::kInformation, message, {ModalResult::kOk},
             ModalResult::kOk);
}

bool DlgChyba(const QString& message) {
  return Ask(zorna::DialogKind::kChyba, BoxType::kError, message, {ModalResult::kOk},
             ModalResult::kOk);
}

bool DlgPozor(const QString& message) {
  return Ask(zorna::DialogKind::kPozor, BoxType::kWarning, message, {ModalResult::kOk},
             ModalResult::kOk);
}

}  // namespace zorna::app
