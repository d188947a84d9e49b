#include "app/widgets/link_label.h"

#include <QApplication>
#include <QMouseEvent>

namespace zorna::app {

LinkLabel::LinkLabel(const QString& name, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
  setObjectName(name);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, Qt::cyan);
  setPalette(colours);
  setMouseTracking(true);
}

LinkLabel::~LinkLabel() {
  GiveBackCursor();
}

void LinkLabel::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  ShowHand();
}

// Also after a click, whose window or program took the cursor back, as soon as the pointer moves.
void LinkLabel::mouseMoveEvent(QMouseEvent* event) {
  QLabel::mouseMoveEvent(event);
  ShowHand();
}

void LinkLabel::ShowHand() {
  if (hand_) return;
  QApplication::setOverrideCursor(Qt::PointingHandCursor);
  hand_ = true;
}

void LinkLabel::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  GiveBackCursor();
}

void LinkLabel::hideEvent(QHideEvent* event) {
  QLabel::hideEvent(event);
  GiveBackCursor();
}

void LinkLabel::GiveBackCursor() {
  if (!hand_) return;
  hand_ = false;
  QApplication::restoreOverrideCursor();
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

// A click is a press and a release on the label, as a button has it.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
  pressed_ = false;
  if (!click) return;
  GiveBackCursor();
  emit Clicked();
}

}  // namespace zorna::app
