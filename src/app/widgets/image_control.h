#pragma once
#include <QImage>
#include <QWidget>

#include "picture/bitmap.h"

namespace zorna::app {

// An image control: shows its picture at the top-left, or stretched over the control, and
// reports the mouse in its own coordinates.
class ImageControl : public QWidget {
  Q_OBJECT
 public:
  explicit ImageControl(const QString& name, QWidget* parent = nullptr);

  const Bitmap& Picture() const { return picture_; }
  // Replaces the picture and repaints.
  void SetPicture(Bitmap picture);
  // For in-place changes through MutablePicture(): call Changed() afterwards.
  Bitmap& MutablePicture() { return picture_; }
  void Changed();

  void SetStretch(bool stretch);
  bool Stretch() const { return stretch_; }

 signals:
  void MouseMoved(int x, int y);
  void MousePressed(Qt::MouseButton button, int x, int y);
  void Clicked(Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Bitmap picture_;
  QImage shown_;
  bool stretch_ = false;
  bool pressed_inside_ = false;
};

}  // namespace zorna::app
