#include <QApplication>

#include "app/platform/handler_guard.h"
#include "app/program.h"

namespace {

// Errors thrown by a handler end that handler; the user sees their message in a box.
class Application : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    bool handled = false;
    zorna::app::RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
  }
};

}  // namespace

int main(int argc, char** argv) {
  Application app(argc, argv);
  return zorna::app::RunProgram(app);
}
