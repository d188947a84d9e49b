#include "app/main_window/popup_keys.h"

#include <QApplication>
#include <QEvent>

namespace zorna::app {

PopupKeysFirst::PopupKeysFirst(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
}

// Accepting the override tells the shortcut map that the focused control wants the key itself.
// The override still goes on to the popup: a drop-down list chooses its highlighted entry on
// Enter and Return right there, and would never see them if the override stopped here.
bool PopupKeysFirst::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && QApplication::activePopupWidget()) {
    event->accept();
    return false;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zorna::app
