#include "app/widgets/picture_grid.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <algorithm>

#include "app/platform/qt_bitmap.h"

namespace zorna::app {
namespace {

// The list's picture with its mask as transparency.
QPixmap MaskedPixmap(const ImageList& list, int index) {
  return QPixmap::fromImage(ToQImageMasked(list.Picture(index), list.Mask(index)));
}

}  // namespace

PictureGrid::PictureGrid(const QString& name, int count, QSize button_size, QWidget* parent)
    : QWidget(parent), button_size_(button_size) {
  setObjectName(name);
  for (int i = 0; i < count; ++i) {
    auto* b = new QToolButton(this);
    b->setObjectName(name + "Button" + QString::number(i));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->resize(button_size);
    connect(b, &QToolButton::clicked, this, [this, b] { emit ButtonClicked(b); });
    buttons_.push_back(b);
  }
  PlaceButtons();
}

int PictureGrid::PerRow(int width) const {
  return std::max(width / std::max(button_size_.width(), 1), 1);
}

int PictureGrid::HeightFor(int width) const {
  const int per_row = PerRow(width);
  return (ButtonCount() + per_row - 1) / per_row * button_size_.height();
}

void PictureGrid::PlaceButtons() {
  const int per_row = PerRow(width());
  for (int i = 0; i < ButtonCount(); ++i) {
    buttons_[static_cast<size_t>(i)]->move((i % per_row) * button_size_.width(),
                                           (i / per_row) * button_size_.height());
  }
}

void PictureGrid::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceButtons();
}

void PictureGrid::SetImages(const ImageList* list) {
  images_ = list;
  for (int i = 0; i < shown_; ++i) buttons_[static_cast<size_t>(i)]->setIcon(QIcon());
  shown_ = 0;
  if (images_) {
    const QSize side(images_->Width(), images_->Height());
    for (QToolButton* b : buttons_) {
      if (b->iconSize() != side) b->setIconSize(side);
    }
  }
  Repaint();
}

void PictureGrid::Repaint() {
  const int wanted = images_ ? std::min(images_->Count(), ButtonCount()) : 0;
  while (shown_ > wanted) {
    QToolButton* b = buttons_[static_cast<size_t>(--shown_)];
    b->setIcon(QIcon());
    b->repaint();
  }
  while (shown_ < wanted) ShowPicture(shown_++);
}

void PictureGrid::ShowPicture(int index) {
  QToolButton* b = buttons_[static_cast<size_t>(index)];
  b->setIcon(QIcon(MaskedPixmap(*images_, index)));
  if (isVisible()) b->repaint();
}

int PictureGrid::IndexOf(const QObject* button) const {
  const auto found = std::find(buttons_.begin(), buttons_.end(), button);
  return found == buttons_.end() ? -1 : static_cast<int>(found - buttons_.begin());
}

}  // namespace zorna::app
