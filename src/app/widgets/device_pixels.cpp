#include "app/widgets/device_pixels.h"

#include <QPainter>
#include <QSizeF>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace zorna::app {
namespace {

constexpr qreal kAllowance = 1.0 / 1024;

// Wayland passes positions in steps of 1/256 logical pixel, rounded to the nearest step: a
// position made from a whole device pixel may come back up to half a step short of it. The
// allowance is more than that half step and less than a whole one.
constexpr qreal kPositionAllowance = 1.0 / 400;

int DeviceFloor(qreal logical, qreal ratio) {
  return static_cast<int>(std::floor((logical + kPositionAllowance) * ratio));
}

int DeviceCeil(qreal logical, qreal ratio) {
  return static_cast<int>(std::ceil((logical - kPositionAllowance) * ratio));
}

int LogicalFloor(int device, qreal ratio) {
  return static_cast<int>(std::floor(device / ratio + kAllowance));
}

int LogicalCeil(int device, qreal ratio) {
  return static_cast<int>(std::ceil(device / ratio - kAllowance));
}

// Where a window keeps the scale it was given.
constexpr char kScaleProperty[] = "zornaDeviceScale";

}  // namespace

DeviceScale WindowDeviceScale(const QWidget& widget) {
  const QVariant given = widget.window()->property(kScaleProperty);
  if (!given.isValid()) return widget.devicePixelRatioF();
  const QSizeF scale = given.toSizeF();
  return DeviceScale(scale.width(), scale.height());
}

void SetWindowDeviceScale(QWidget& window, std::optional<DeviceScale> scale) {
  window.setProperty(kScaleProperty, scale ? QVariant(QSizeF(scale->x, scale->y)) : QVariant());
}

std::optional<DeviceScale> CopyScale(QSize device, QSize logical, qreal ratio) {
  // Within a logical pixel of the window's ratio, the copy is at that ratio: the screen's
  // logical size is rounded (X11 at 1.5: 1280 x 1024 device pixels, 853 x 683 logical).
  const auto near = [ratio](int copy, int size) { return std::abs(copy - size * ratio) <= ratio; };
  if (logical.isEmpty() ||
      (near(device.width(), logical.width()) && near(device.height(), logical.height())))
    return std::nullopt;
  return DeviceScale(qreal(device.width()) / logical.width(),
                     qreal(device.height()) / logical.height());
}

QPoint DevicePixelAt(QPointF logical, DeviceScale scale) {
  return QPoint(DeviceFloor(logical.x(), scale.x), DeviceFloor(logical.y(), scale.y));
}

QRect LogicalCover(const QRect& device, DeviceScale scale) {
  const int left = LogicalFloor(device.x(), scale.x);
  const int top = LogicalFloor(device.y(), scale.y);
  if (device.isEmpty()) return QRect(left, top, 0, 0);
  const int right = LogicalCeil(device.x() + device.width(), scale.x);
  const int bottom = LogicalCeil(device.y() + device.height(), scale.y);
  return QRect(left, top, right - left, bottom - top);
}

QRect DeviceCover(const QRect& logical, DeviceScale scale) {
  const int left = DeviceFloor(logical.x(), scale.x);
  const int top = DeviceFloor(logical.y(), scale.y);
  const int right = DeviceCeil(logical.x() + logical.width(), scale.x);
  const int bottom = DeviceCeil(logical.y() + logical.height(), scale.y);
  return QRect(left, top, right - left, bottom - top);
}

void PaintInWindowDevicePixels(QPainter& painter, const QWidget& widget, DeviceScale scale) {
  const QPoint origin = widget.mapTo(widget.window(), QPoint(0, 0));
  painter.setTransform(QTransform(1 / scale.x, 0, 0, 1 / scale.y, -origin.x(), -origin.y()));
}

}  // namespace zorna::app
