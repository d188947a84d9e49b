#pragma once
#include <QRect>
#include <QWidget>

namespace zorna::app {

// The raised frame that marks the picking square on the screen picture. Its square is kept in
// picture pixels (device pixels) and drawn on them exactly; the widget itself covers the
// smallest logical rectangle around it.
class SquareMarker : public QWidget {
  Q_OBJECT
 public:
  explicit SquareMarker(const QString& name, QWidget* parent);

  const QRect& Square() const { return square_; }
  void MoveTo(int x, int y);
  void SetSide(int side);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Place();

  QRect square_{1, 1, 31, 31};
};

}  // namespace zorna::app
