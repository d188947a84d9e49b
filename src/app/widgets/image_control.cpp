#include "app/widgets/image_control.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/platform/qt_bitmap.h"

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
  shown_ = ToQImage(picture_);
  update();
}

void ImageControl::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void ImageControl::paintEvent(QPaintEvent*) {
  if (shown_.isNull()) return;
  QPainter painter(this);
  if (stretch_) {
    painter.drawImage(rect(), shown_);
  } else {
    painter.drawImage(QPoint(0, 0), shown_);
  }
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit MouseMoved(p.x(), p.y());
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  pressed_inside_ = true;
  emit MousePressed(event->button(), p.x(), p.y());
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
  if (pressed_inside_ && rect().contains(event->position().toPoint()))
    emit Clicked(event->button());
  pressed_inside_ = false;
}

}  // namespace zorna::app
