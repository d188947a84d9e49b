#pragma once
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <optional>

class QPainter;
class QWidget;

namespace zorna::app {

// The desktop reports pointer positions and places widgets in logical pixels (device pixels
// divided by its scale factor, 1.25, 1.5, 2 ...); the screen picture holds device pixels. Every
// crossing between the two goes through these functions, so the square marked on the screen is
// the square picked.

// Device pixels per logical pixel, across and down. Usually the window's own ratio, the same
// both ways. On Wayland at a fractional scale this Qt draws at the next whole scale and the
// desktop shrinks the drawing to the screen's device pixels, which the logical size of the
// screen does not divide evenly: there the ratios are those of the screen's copy.
struct DeviceScale {
  DeviceScale(qreal ratio) : x(ratio), y(ratio) {}  // NOLINT: one ratio is a scale both ways
  DeviceScale(qreal across, qreal down) : x(across), y(down) {}
  bool operator==(const DeviceScale&) const = default;
  qreal x;
  qreal y;
};

// The scale that a widget's window shows the screen at: the one its window was given, else the
// window's own ratio. Given when the window's ratio is not that of the screen; none goes back
// to the window's own.
DeviceScale WindowDeviceScale(const QWidget& widget);
void SetWindowDeviceScale(QWidget& window, std::optional<DeviceScale> scale);

// The scale of a screen's copy (`device` pixels) shown over the screen's `logical` size, when
// it is not the window's `ratio`: then the copy is at a fractional scale of the desktop.
std::optional<DeviceScale> CopyScale(QSize device, QSize logical, qreal ratio);

// The device pixel under a logical position: the one whose area holds it. A small allowance
// absorbs the rounding of a position that the desktop computed from a whole device pixel
// (301 / 1.5 * 1.5 may come back as 300.99999..., Wayland rounds to 1/256 logical pixel).
QPoint DevicePixelAt(QPointF logical, DeviceScale scale);

// The smallest rectangle of whole logical pixels that covers a rectangle of device pixels.
QRect LogicalCover(const QRect& device, DeviceScale scale);

// The device pixels of a logical rectangle that a paint event asks for.
QRect DeviceCover(const QRect& logical, DeviceScale scale);

// Makes the painter's units the window's device pixels, origin at the window's top-left
// corner, whatever the widget's place: lines and pictures then land on whole device pixels.
void PaintInWindowDevicePixels(QPainter& painter, const QWidget& widget, DeviceScale scale);

}  // namespace zorna::app
