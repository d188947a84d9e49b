#pragma once
#include <QList>
#include <QPoint>
#include <QRect>

class QScreen;

namespace zorna::app {

// Of several screens (their rectangles on the desktop), the one under the pointer; when none
// holds it (the pointer is unknown, or between screens of different sizes), `fallback`.
int ScreenUnderPointer(const QList<QRect>& screens, QPoint pointer, int fallback);

// The screen the program opens on and copies: the one under the pointer. On Wayland no
// program learns where the pointer is before it has a window, so the desktop's primary
// screen stands in.
QScreen* StartScreen();

// On Wayland with several screens the desktop puts a new window where the pointer is, and
// only then does the window learn its screen. (Not with a picture file for the screen.)
bool DesktopPlacesWindow();

}  // namespace zorna::app
