#pragma once
#include <QPoint>

namespace zorna::app {

// The pointer's position in screen pixels, and moving it (the arrow-key nudge).
QPoint GetCursorPos();
void SetCursorPos(const QPoint& position);

}  // namespace zorna::app
