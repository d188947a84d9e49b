#include "app/widgets/align_panel.h"

#include <QEvent>

namespace zorna::app {

AlignPanel::AlignPanel(const QString& name, QWidget* parent) : QFrame(parent) {
  setObjectName(name);
}

void AlignPanel::AddAligned(QWidget* child, Align align) {
  child->setParent(this);
  order_.append(child);
  align_.insert(child, align);
  child->installEventFilter(this);
  Realign();
}

void AlignPanel::SetAlign(QWidget* child, Align align) {
  if (!align_.contains(child) || align_[child] == align) return;
  align_[child] = align;
  Realign();
}

void AlignPanel::Realign() {
  if (aligning_) return;
  aligning_ = true;
  QRect free = contentsRect();
  auto visible = [](QWidget* w) { return !w->isHidden(); };
  for (QWidget* w : order_) {
    if (!visible(w) || align_[w] != Align::Top) continue;
    w->setGeometry(free.left(), free.top(), free.width(), w->height());
    free.setTop(free.top() + w->height());
  }
  for (QWidget* w : order_) {
    if (!visible(w) || align_[w] != Align::Bottom) continue;
    w->setGeometry(free.left(), free.bottom() + 1 - w->height(), free.width(), w->height());
    free.setBottom(free.bottom() - w->height());
  }
  for (QWidget* w : order_) {
    if (!visible(w) || align_[w] != Align::Left) continue;
    w->setGeometry(free.left(), free.top(), w->width(), std::max(free.height(), 0));
    free.setLeft(free.left() + w->width());
  }
  for (QWidget* w : order_) {
    if (!visible(w) || align_[w] != Align::Right) continue;
    w->setGeometry(free.right() + 1 - w->width(), free.top(), w->width(),
                   std::max(free.height(), 0));
    free.setRight(free.right() - w->width());
  }
  for (QWidget* w : order_) {
    if (!visible(w) || align_[w] != Align::Client) continue;
    w->setGeometry(free.left(), free.top(), std::max(free.width(), 0), std::max(free.height(), 0));
  }
  aligning_ = false;
}

void AlignPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  Realign();
}

bool AlignPanel::eventFilter(QObject* watched, QEvent* event) {
  if (!aligning_ && (event->type() == QEvent::Resize || event->type() == QEvent::ShowToParent ||
                     event->type() == QEvent::HideToParent)) {
    Realign();
  }
  return QFrame::eventFilter(watched, event);
}

namespace {

// Hidden windows get their resize events only when shown; the aligned neighbours must move now.
void RealignParent(QWidget* widget) {
  if (auto* panel = qobject_cast<AlignPanel*>(widget->parentWidget())) panel->Realign();
  if (auto* panel = qobject_cast<AlignPanel*>(widget)) panel->Realign();
}

}  // namespace

void SetHeight(QWidget* widget, int height) {
  widget->resize(widget->width(), std::max(height, 0));
  RealignParent(widget);
}

void SetWidth(QWidget* widget, int width) {
  widget->resize(std::max(width, 0), widget->height());
  RealignParent(widget);
}

}  // namespace zorna::app
