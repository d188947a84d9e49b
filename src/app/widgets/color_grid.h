#pragma once
#include <QWidget>

#include "picture/bitmap.h"

namespace zorna::app {

// The grid of the sixteen standard colours, four by four. A click on a colour makes it the
// foreground colour, which the grid marks.
class ColorGrid : public QWidget {
  Q_OBJECT
 public:
  ColorGrid(const QString& name, int foreground_index, QWidget* parent = nullptr);

  int ForegroundIndex() const { return foreground_; }
  Colorref ForegroundColor() const;
  // Selects a colour by index 0..15; Changed follows when the choice is new.
  void SetForegroundIndex(int index);
  // The colour index under a point of the grid, -1 outside the cells.
  int IndexAt(const QPoint& point) const;
  QRect CellRect(int index) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void Changed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int foreground_;
};

}  // namespace zorna::app
