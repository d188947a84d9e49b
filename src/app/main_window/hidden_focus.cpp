#include "app/main_window/hidden_focus.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace zorna::app {

HiddenControlsLetGo::HiddenControlsLetGo(QWidget* window) : QObject(window), window_(window) {
  qApp->installEventFilter(this);
}

// A control hears of its hiding before Qt looks for where the focus goes next: once the window
// holds the focus, nothing hidden is left to hand it on from.
bool HiddenControlsLetGo::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Hide || !watched->isWidgetType()) return false;
  auto* hidden = static_cast<QWidget*>(watched);
  QWidget* focus = QApplication::focusWidget();
  if (!focus || hidden->isWindow() || hidden->window() != window_ || !window_->isVisible()) {
    return false;
  }
  if (focus == hidden || hidden->isAncestorOf(focus)) window_->setFocus(Qt::OtherFocusReason);
  return false;
}

}  // namespace zorna::app
