#include "app/shell/popup_keys.h"

#include <QApplication>
#include <QEvent>

namespace zorna::app {

PopupKeysFirst::PopupKeysFirst(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
}

// Accepting the override tells the shortcut map that the focused control wants the key itself.
bool PopupKeysFirst::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && QApplication::activePopupWidget()) {
    event->accept();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zorna::app
