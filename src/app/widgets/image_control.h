#pragma once
#include <QWidget>
#include <functional>
#include <optional>

#include "picture/bitmap.h"

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMouseEvent;
class QWheelEvent;

namespace zorna::app {

// An image control: shows its picture at the top-left, or stretched over the control, and
// reports the mouse in its own coordinates. Painting converts only the part that is asked
// for, so a picture as large as the screen costs nothing when a small part of it changes.
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

  // One picture pixel per device pixel of the screen, at any scale factor of the desktop; the
  // mouse is then reported in picture pixels. The control's size should be the logical cover
  // of the picture (LogicalCover).
  void SetDevicePixels(bool on);
  bool DevicePixels() const { return device_pixels_; }

  // Moving the pointer with the left button held past the desktop's drag distance reports
  // DragStarted once, and that press is then no click.
  void SetDraggable(bool on) { draggable_ = on; }
  // Takes files dropped on the control: the first local file that `accepts` takes is reported
  // by FileDropped at the drop point; a drag that holds none is refused (the no-drop cursor).
  void AcceptFileDrops(std::function<bool(const QString& file)> accepts);

 signals:
  void MouseMoved(int x, int y);
  void MousePressed(Qt::MouseButton button, int x, int y);
  void Clicked(Qt::MouseButton button);
  // The wheel turned over the control, in eighths of a degree (angleDelta).
  void Wheeled(int dx, int dy, Qt::KeyboardModifiers modifiers);
  void DragStarted();
  void FileDropped(const QString& file, int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QPoint Reported(const QMouseEvent* event) const;
  QString AcceptedFile(const QDropEvent* event) const;
  void ReportMove(const QPoint& p);

  Bitmap picture_;
  bool stretch_ = false;
  bool device_pixels_ = false;
  bool pressed_inside_ = false;
  bool draggable_ = false;
  std::optional<QPointF> drag_from_;  // where the left button went down, while it may drag
  std::function<bool(const QString&)> accepts_file_;
  bool drop_accepted_ = false;  // the drag over the control holds a file it takes
  // A move within the pixel last reported is not reported again: the desktop may repeat a
  // position, and a repeat must not undo a pick that the arrow keys moved.
  std::optional<QPoint> last_reported_;
};

}  // namespace zorna::app
