#pragma once
#include <QPoint>

namespace zorna::app {

// The pointer's position in screen pixels, and moving it (the arrow-key nudge).
QPoint GetCursorPos();
void SetCursorPos(const QPoint& position);

// X11 tells every program where the pointer is and lets it move the pointer; Wayland does
// neither (a program learns positions only over its own windows).
bool PointerPositionKnown();

}  // namespace zorna::app
