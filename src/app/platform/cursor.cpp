#include "app/platform/cursor.h"

#include <QCursor>

namespace zorna::app {

QPoint GetCursorPos() {
  return QCursor::pos();
}
void SetCursorPos(const QPoint& position) {
  QCursor::setPos(position);
}

}  // namespace zorna::app
