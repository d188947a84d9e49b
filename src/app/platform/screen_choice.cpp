#include "app/platform/screen_choice.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/platform/cursor.h"

namespace zorna::app {

int ScreenUnderPointer(const QList<QRect>& screens, QPoint pointer, int fallback) {
  for (qsizetype i = 0; i < screens.size(); ++i) {
    if (screens[i].contains(pointer)) return static_cast<int>(i);
  }
  return fallback;
}

QScreen* StartScreen() {
  const QList<QScreen*> screens = QGuiApplication::screens();
  QScreen* primary = QGuiApplication::primaryScreen();
  if (screens.isEmpty() || !PointerPositionKnown()) return primary;
  QList<QRect> rects;
  for (const QScreen* s : screens) rects << s->geometry();
  const int index =
      ScreenUnderPointer(rects, GetCursorPos(), static_cast<int>(screens.indexOf(primary)));
  return index >= 0 ? screens[index] : primary;
}

bool DesktopPlacesWindow() {
  return !PointerPositionKnown() && QGuiApplication::screens().size() > 1 &&
         qEnvironmentVariableIsEmpty("ZORNA_SCREEN_IMAGE");
}

}  // namespace zorna::app
