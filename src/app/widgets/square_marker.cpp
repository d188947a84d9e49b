#include "app/widgets/square_marker.h"

#include <qdrawutil.h>

#include <QPainter>

#include "app/widgets/device_pixels.h"

namespace zorna::app {

SquareMarker::SquareMarker(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  Place();
}

void SquareMarker::MoveTo(int x, int y) {
  square_.moveTo(x, y);
  Place();
}

void SquareMarker::SetSide(int side) {
  square_.setSize(QSize(side, side));
  Place();
}

void SquareMarker::Place() {
  setGeometry(LogicalCover(square_, devicePixelRatioF()));
  update();
}

// The raised box of a standard frame, one device pixel thick: the picture's pixels stay
// visible right up to the square's edge at every scale factor.
void SquareMarker::paintEvent(QPaintEvent*) {
  if (square_.isEmpty()) return;
  QPainter painter(this);
  PaintInWindowDevicePixels(painter, *this);
  const QPoint window_origin = mapTo(window(), QPoint(0, 0)) - pos();
  const QRect on_window =
      square_.translated(DevicePixelAt(QPointF(window_origin), devicePixelRatioF()));
  qDrawShadeRect(&painter, on_window, palette(), false, 1, 0);
}

}  // namespace zorna::app
