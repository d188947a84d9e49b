#pragma once
#include <QObject>

class QWidget;

namespace zorna::app {

// A control that is hidden never keeps the keyboard. Qt passes the focus of a hidden control on
// to the next one that takes the Tab key, and the main window's controls take none: the hidden
// search box kept it, and the window's keys went into a box nobody saw. So whenever a control
// of the window is hidden with the keyboard in it (itself, or the panel around it, closed),
// the window takes the keyboard back.
class HiddenControlsLetGo : public QObject {
  Q_OBJECT
 public:
  explicit HiddenControlsLetGo(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
};

}  // namespace zorna::app
