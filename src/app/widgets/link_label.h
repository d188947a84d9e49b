#pragma once
#include <QLabel>

namespace zorna::app {

// A label that is a link: aqua and underlined, clicked like a button. While the pointer is over
// it the whole screen shows the hand pointer (the application's override cursor), and the
// cursor is given back when the pointer leaves or the label is hidden.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  LinkLabel(const QString& name, const QString& text, QWidget* parent);
  ~LinkLabel() override;

  bool ShowsHand() const { return hand_; }

 signals:
  void Clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ShowHand();
  void GiveBackCursor();
  bool hand_ = false;
  bool pressed_ = false;
};

}  // namespace zorna::app
