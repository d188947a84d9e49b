#include "app/platform/handler_guard.h"

#include <QString>

#include "app/platform/messages.h"
#include "support/error.h"

namespace zorna::app {

void ShowErrorOf(const std::exception& error) {
  ShowErrorMessage(QString::fromStdString(SlovakMessage(error)));
}

void ShowUnknownError() {
  ShowErrorMessage(QString::fromUtf8("Nastala neznáma chyba."));
}

}  // namespace zorna::app
