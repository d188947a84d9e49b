#include "app/platform/handler_guard.h"

#include <QCoreApplication>
#include <QString>

#include "app/platform/interface_language_qt.h"
#include "app/platform/messages.h"
#include "support/error.h"

namespace zorna::app {

QString MessageOf(const std::exception& error) {
  return QString::fromStdString(MessageFor(error, WindowLanguage()));
}

QString ShownWording(const std::string& english, const std::string& slovak) {
  return QString::fromStdString(SpeaksEnglish() ? english : slovak);
}

void ShowErrorOf(const std::exception& error) {
  ShowErrorMessage(MessageOf(error));
}

void ShowUnknownError() {
  ShowErrorMessage(QCoreApplication::translate("HandlerGuard", "Nastala neznáma chyba."));
}

}  // namespace zorna::app
