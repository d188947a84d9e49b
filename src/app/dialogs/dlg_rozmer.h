#pragma once
#include <QDialog>
#include <QPushButton>
#include <QSpinBox>

#include "app/platform/handler_guard.h"

namespace zorna::app {

// "Vlastný rozmer": the custom side of the picking square and the result, 5 to 128.
class TDlgRozmer : public QDialog, protected GuardedConnections {
  Q_OBJECT
  using GuardedConnections::connect;  // every handler it connects runs guarded
 public:
  explicit TDlgRozmer(QWidget* parent = nullptr);

  // OK takes the typed side, forced into 5..128; Zrušiť (or Escape) gives back the side the
  // dialog was shown with.
  void done(int result) override;

  // While it is edited the field takes any one to three digits, so that "40" or "12" can be
  // typed; the side is forced into range only when it is taken (OK, Enter, the focus leaving,
  // an arrow).
  QSpinBox* SpinEdit1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  int shown_side_ = 0;
};

}  // namespace zorna::app
