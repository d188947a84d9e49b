#pragma once
#include <QPoint>
#include <QPointF>
#include <QRect>

class QPainter;
class QWidget;

namespace zorna::app {

// The desktop reports pointer positions and places widgets in logical pixels (device pixels
// divided by its scale factor, 1.25, 1.5, 2 ...); the screen picture holds device pixels. Every
// crossing between the two goes through these functions, so the square marked on the screen is
// the square picked.

// The device pixel under a logical position: the one whose area holds it. The small allowance
// absorbs the rounding of a position that the desktop computed from a whole device pixel
// (301 / 1.5 * 1.5 may come back as 300.99999...).
QPoint DevicePixelAt(QPointF logical, qreal ratio);

// The smallest rectangle of whole logical pixels that covers a rectangle of device pixels.
QRect LogicalCover(const QRect& device, qreal ratio);

// The device pixels of a logical rectangle that a paint event asks for.
QRect DeviceCover(const QRect& logical, qreal ratio);

// Makes the painter's units the window's device pixels, origin at the window's top-left
// corner, whatever the widget's place: lines and pictures then land on whole device pixels.
void PaintInWindowDevicePixels(QPainter& painter, const QWidget& widget);

}  // namespace zorna::app
