#include "app/widgets/picture_pane.h"

#include <QEvent>
#include <QScrollBar>
#include <algorithm>

namespace zorna::app {

PicturePane::PicturePane(const QString& name, AlignPanel* panel, PictureGrid* upper,
                         PictureGrid* lower, QWidget* parent)
    : QScrollArea(parent), panel_(panel), upper_(upper), lower_(lower) {
  setObjectName(name);
  setFrameShape(QFrame::NoFrame);
  // The main window's keys (arrows, copy) stay with it while the user scrolls the pictures.
  setFocusPolicy(Qt::NoFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the rows wrap instead
  setWidgetResizable(false);
  setWidget(panel_);
  // A wheel notch moves by rows of small pictures.
  verticalScrollBar()->setSingleStep(38);
  upper_->installEventFilter(this);
  lower_->installEventFilter(this);
  Arrange();
}

int PicturePane::HeightFor(int width) const {
  return upper_->HeightFor(width) + lower_->HeightFor(width);
}

int PicturePane::RowsHeight(int width) const {
  return (upper_->isHidden() ? 0 : upper_->HeightFor(width)) +
         (lower_->isHidden() ? 0 : lower_->HeightFor(width));
}

// The width is worked out from the area's own size rather than taken from its viewport, which
// a hidden window lays out only when shown; the scroll bar is shown exactly when the rows at
// the full width are taller than the area, and then takes its width from the rows.
void PicturePane::Arrange() {
  if (arranging_) return;
  arranging_ = true;
  const QRect room = contentsRect();
  const bool scrolls = RowsHeight(room.width()) > room.height();
  setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  setViewportMargins(0, 0, 0, 0);  // lays the viewport and the scroll bar out at once
  const int width =
      std::max(room.width() - (scrolls ? verticalScrollBar()->sizeHint().width() : 0), 1);
  lower_->resize(width, lower_->HeightFor(width));
  panel_->resize(width, std::max(RowsHeight(width), room.height()));
  panel_->Realign();
  upper_->PlaceButtons();
  lower_->PlaceButtons();
  arranging_ = false;
}

void PicturePane::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  Arrange();
}

bool PicturePane::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == upper_ || watched == lower_) &&
      (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
    Arrange();
  }
  return QScrollArea::eventFilter(watched, event);
}

}  // namespace zorna::app
