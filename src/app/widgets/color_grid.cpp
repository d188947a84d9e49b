#include "app/widgets/color_grid.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/platform/qt_bitmap.h"
#include "picture/standard_colors.h"

namespace zorna::app {
namespace {

constexpr int kColumns = 4;
constexpr int kCell = 14;

}  // namespace

ColorGrid::ColorGrid(const QString& name, int foreground_index, QWidget* parent)
    : QWidget(parent), foreground_(foreground_index) {
  setObjectName(name);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

Colorref ColorGrid::ForegroundColor() const {
  return kStandardColors[static_cast<size_t>(foreground_)];
}

void ColorGrid::SetForegroundIndex(int index) {
  if (index < 0 || index >= static_cast<int>(kStandardColors.size()) || index == foreground_)
    return;
  foreground_ = index;
  update();
  emit Changed();
}

QRect ColorGrid::CellRect(int index) const {
  return QRect(1 + (index % kColumns) * kCell, 1 + (index / kColumns) * kCell, kCell, kCell);
}

int ColorGrid::IndexAt(const QPoint& point) const {
  for (int i = 0; i < static_cast<int>(kStandardColors.size()); ++i) {
    if (CellRect(i).contains(point)) return i;
  }
  return -1;
}

QSize ColorGrid::sizeHint() const {
  return QSize(kColumns * kCell + 2, kColumns * kCell + 2);
}

QSize ColorGrid::minimumSizeHint() const {
  return sizeHint();
}

void ColorGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(Qt::gray);
  painter.drawRect(0, 0, kColumns * kCell + 1, kColumns * kCell + 1);
  for (int i = 0; i < static_cast<int>(kStandardColors.size()); ++i) {
    painter.fillRect(CellRect(i), ToQColor(kStandardColors[static_cast<size_t>(i)]));
  }
  // The foreground mark must show on any colour: a black ring with a white one inside.
  const QRect chosen = CellRect(foreground_);
  painter.setPen(Qt::black);
  painter.drawRect(chosen.adjusted(0, 0, -1, -1));
  painter.setPen(Qt::white);
  painter.drawRect(chosen.adjusted(1, 1, -2, -2));
  painter.setPen(Qt::black);
  painter.drawRect(chosen.adjusted(2, 2, -3, -3));
}

void ColorGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  SetForegroundIndex(IndexAt(event->position().toPoint()));
}

}  // namespace zorna::app
