#include "app/widgets/image_control.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/platform/qt_bitmap.h"
#include "app/widgets/device_pixels.h"

namespace zorna::app {

ImageControl::ImageControl(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageControl::SetPicture(Bitmap picture) {
  picture_ = std::move(picture);
  Changed();
}

void ImageControl::Changed() {
  update();
}

void ImageControl::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void ImageControl::SetDevicePixels(bool on) {
  device_pixels_ = on;
  update();
}

void ImageControl::paintEvent(QPaintEvent* event) {
  if (picture_.Empty()) return;
  QPainter painter(this);
  const QRect whole(0, 0, picture_.Width(), picture_.Height());
  if (stretch_) {
    painter.drawImage(rect(), ToQImage(picture_));
    return;
  }
  if (device_pixels_) {
    // The control sits at a whole device pixel (the screen picture at the window's corner).
    const DeviceScale scale = WindowDeviceScale(*this);
    const QPoint origin = DevicePixelAt(QPointF(mapTo(window(), QPoint(0, 0))), scale);
    PaintInWindowDevicePixels(painter, *this, scale);
    for (const QRect& asked : event->region()) {
      const QRect part = DeviceCover(asked, scale) & whole;
      if (!part.isEmpty()) painter.drawImage(origin + part.topLeft(), ToQImage(picture_, part));
    }
    return;
  }
  for (const QRect& asked : event->region()) {
    const QRect part = asked & whole;
    if (!part.isEmpty()) painter.drawImage(part.topLeft(), ToQImage(picture_, part));
  }
}

QPoint ImageControl::Reported(const QMouseEvent* event) const {
  if (!device_pixels_) return event->position().toPoint();
  // The widget's own position is rounded to whole logical pixels; the window's is not.
  const QPointF exact = event->scenePosition() - QPointF(mapTo(window(), QPoint(0, 0)));
  return DevicePixelAt(exact, WindowDeviceScale(*this));
}

void ImageControl::ReportMove(const QPoint& p) {
  if (last_reported_ == p) return;
  last_reported_ = p;
  emit MouseMoved(p.x(), p.y());
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
  ReportMove(Reported(event));
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
  const QPoint p = Reported(event);
  pressed_inside_ = true;
  emit MousePressed(event->button(), p.x(), p.y());
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
  if (pressed_inside_ && rect().contains(event->position().toPoint()))
    emit Clicked(event->button());
  pressed_inside_ = false;
}

}  // namespace zorna::app
