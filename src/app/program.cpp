#include "app/program.h"

#include <QApplication>
#include <QWidget>

namespace zorna::app {

int RunProgram(QApplication& app) {
  QWidget window;
  window.setWindowTitle("Zorna");
  window.show();
  return app.exec();
}

}  // namespace zorna::app
