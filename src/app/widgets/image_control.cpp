#include "app/widgets/image_control.h"

#include <QApplication>
#include <QMetaMethod>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

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
  if (drag_from_ && (event->buttons() & Qt::LeftButton) &&
      (event->position() - *drag_from_).manhattanLength() >= QApplication::startDragDistance()) {
    drag_from_.reset();
    pressed_inside_ = false;
    emit DragStarted();
    return;
  }
  ReportMove(Reported(event));
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
  const QPoint p = Reported(event);
  pressed_inside_ = true;
  if (draggable_ && event->button() == Qt::LeftButton) drag_from_ = event->position();
  emit MousePressed(event->button(), p.x(), p.y());
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
  if (pressed_inside_ && rect().contains(event->position().toPoint()))
    emit Clicked(event->button());
  pressed_inside_ = false;
  drag_from_.reset();
}

void ImageControl::wheelEvent(QWheelEvent* event) {
  emit Wheeled(event->angleDelta().x(), event->angleDelta().y(), event->modifiers());
  // A control nobody asked about the wheel lets its parent have it.
  event->setAccepted(isSignalConnected(QMetaMethod::fromSignal(&ImageControl::Wheeled)));
}

void ImageControl::AcceptFileDrops(std::function<bool(const QString& file)> accepts) {
  accepts_file_ = std::move(accepts);
  setAcceptDrops(bool(accepts_file_));
}

QString ImageControl::AcceptedFile(const QDropEvent* event) const {
  if (!accepts_file_ || !event->mimeData()) return {};
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile() && accepts_file_(url.toLocalFile())) return url.toLocalFile();
  }
  return {};
}

// The files are looked at once, when the drag comes in; the moves over the control keep that.
void ImageControl::dragEnterEvent(QDragEnterEvent* event) {
  drop_accepted_ = !AcceptedFile(event).isEmpty();
  if (drop_accepted_) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void ImageControl::dragMoveEvent(QDragMoveEvent* event) {
  if (drop_accepted_) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void ImageControl::dropEvent(QDropEvent* event) {
  const QString file = AcceptedFile(event);
  if (file.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  const QPoint at = device_pixels_ ? DevicePixelAt(event->position(), WindowDeviceScale(*this))
                                   : event->position().toPoint();
  emit FileDropped(file, at.x(), at.y());
}

}  // namespace zorna::app
