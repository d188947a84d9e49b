#pragma once
#include <QObject>

namespace zorna::app {

// The main window's keys work whichever control has the focus, but an open drop-down list,
// menu or other popup takes its keys first: Escape closes it, the arrows move in it and Enter
// chooses in it instead of ending the program, nudging the pointer or running a command.
class PopupKeysFirst : public QObject {
  Q_OBJECT
 public:
  explicit PopupKeysFirst(QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zorna::app
