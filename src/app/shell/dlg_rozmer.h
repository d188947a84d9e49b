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

  // Forces the typed text back into 5..128 at every change.
  void SpinEdit1Change();

  QSpinBox* SpinEdit1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
};

}  // namespace zorna::app
