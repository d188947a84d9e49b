#include <QApplication>

#include "app/platform/messages.h"
#include "app/program.h"
#include "support/error.h"

namespace {

// Errors thrown by a handler end that handler; the user sees their message in a box.
class Application : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const zorna::Error& e) {
      zorna::app::ShowErrorMessage(QString::fromStdString(e.what()));
    } catch (const std::exception& e) {
      zorna::app::ShowErrorMessage(QString::fromStdString(e.what()));
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  Application app(argc, argv);
  return zorna::app::RunProgram(app);
}
