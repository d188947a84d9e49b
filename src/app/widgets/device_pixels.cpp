#include "app/widgets/device_pixels.h"

#include <QPainter>
#include <QWidget>
#include <cmath>

namespace zorna::app {
namespace {

constexpr qreal kAllowance = 1.0 / 1024;

int DeviceFloor(qreal logical, qreal ratio) {
  return static_cast<int>(std::floor(logical * ratio + kAllowance));
}

int DeviceCeil(qreal logical, qreal ratio) {
  return static_cast<int>(std::ceil(logical * ratio - kAllowance));
}

int LogicalFloor(int device, qreal ratio) {
  return static_cast<int>(std::floor(device / ratio + kAllowance));
}

int LogicalCeil(int device, qreal ratio) {
  return static_cast<int>(std::ceil(device / ratio - kAllowance));
}

}  // namespace

QPoint DevicePixelAt(QPointF logical, qreal ratio) {
  return QPoint(DeviceFloor(logical.x(), ratio), DeviceFloor(logical.y(), ratio));
}

QRect LogicalCover(const QRect& device, qreal ratio) {
  if (device.isEmpty())
    return QRect(LogicalFloor(device.x(), ratio), LogicalFloor(device.y(), ratio), 0, 0);
  const int left = LogicalFloor(device.x(), ratio);
  const int top = LogicalFloor(device.y(), ratio);
  const int right = LogicalCeil(device.x() + device.width(), ratio);
  const int bottom = LogicalCeil(device.y() + device.height(), ratio);
  return QRect(left, top, right - left, bottom - top);
}

QRect DeviceCover(const QRect& logical, qreal ratio) {
  const int left = DeviceFloor(logical.x(), ratio);
  const int top = DeviceFloor(logical.y(), ratio);
  const int right = DeviceCeil(logical.x() + logical.width(), ratio);
  const int bottom = DeviceCeil(logical.y() + logical.height(), ratio);
  return QRect(left, top, right - left, bottom - top);
}

void PaintInWindowDevicePixels(QPainter& painter, const QWidget& widget) {
  const qreal ratio = widget.devicePixelRatioF();
  const QPoint origin = widget.mapTo(widget.window(), QPoint(0, 0));
  painter.setTransform(QTransform(1 / ratio, 0, 0, 1 / ratio, -origin.x(), -origin.y()));
}

}  // namespace zorna::app
