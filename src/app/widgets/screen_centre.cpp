#include "app/widgets/screen_centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zorna::app {

void MoveToScreenCentre(QWidget* window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
  }
}

}  // namespace zorna::app
