#include "app/platform/handler_guard.h"

#include <QCoreApplication>
#include <QString>

#include "app/platform/messages.h"
#include "support/error.h"

namespace zorna::app {

QString MessageOf(const std::exception& error) {
  return QString::fromStdString(MessageFor(error, InterfaceLanguageFromEnvironment()));
}

QString ShownWording(const std::string& english, const std::string& slovak) {
  const bool in_english = InterfaceLanguageFromEnvironment() == InterfaceLanguage::kEnglish;
  return QString::fromStdString(in_english ? english : slovak);
}

void ShowErrorOf(const std::exception& error) {
  ShowErrorMessage(MessageOf(error));
}

void ShowUnknownError() {
  ShowErrorMessage(QCoreApplication::translate("HandlerGuard", "Nastala neznáma chyba."));
}

}  // namespace zorna::app
