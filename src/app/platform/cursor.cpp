#include "app/platform/cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace zorna::app {

QPoint GetCursorPos() {
  return QCursor::pos();
}
void SetCursorPos(const QPoint& position) {
  QCursor::setPos(position);
}

bool PointerPositionKnown() {
  return QGuiApplication::platformName() != "wayland";
}

}  // namespace zorna::app
