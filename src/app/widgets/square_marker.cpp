#include "app/widgets/square_marker.h"

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
  setGeometry(LogicalCover(square_, WindowDeviceScale(*this)));
  update();
}

// The raised box of a standard frame (a light rectangle with a dark one below and right of
// it), one device pixel thick: the picture's pixels stay visible right up to the square's edge
// at every scale factor. Drawn with whole-pixel fills, which no scaling of the painter blurs.
void SquareMarker::paintEvent(QPaintEvent*) {
  if (square_.width() < 2 || square_.height() < 2) return;
  QPainter painter(this);
  const DeviceScale scale = WindowDeviceScale(*this);
  PaintInWindowDevicePixels(painter, *this, scale);
  const QPoint parent_origin = mapTo(window(), QPoint(0, 0)) - pos();
  const QRect r = square_.translated(DevicePixelAt(QPointF(parent_origin), scale));
  const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
  const QColor light = palette().color(QPalette::Light);
  const QColor dark = palette().color(QPalette::Dark);
  painter.fillRect(QRect(x, y, w - 1, 1), light);
  painter.fillRect(QRect(x, y + h - 2, w - 1, 1), light);
  painter.fillRect(QRect(x, y, 1, h - 1), light);
  painter.fillRect(QRect(x + w - 2, y, 1, h - 1), light);
  painter.fillRect(QRect(x + 1, y + 1, w - 3, 1), dark);
  painter.fillRect(QRect(x + 1, y + 2, 1, h - 4), dark);
  painter.fillRect(QRect(x, y + h - 1, w, 1), dark);
  painter.fillRect(QRect(x + w - 1, y, 1, h - 1), dark);
}

}  // namespace zorna::app
