#pragma once
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/platform/handler_guard.h"

namespace zorna::app {

// "Pridanie do mailinglistu.": the address at which the user wants to hear of new versions. The
// typed address stays for the rest of the run.
class TMailList : public QDialog, protected GuardedConnections {
  Q_OBJECT
  using GuardedConnections::connect;  // every handler it connects runs guarded
 public:
  explicit TMailList(QWidget* parent = nullptr);

  // OK is enabled only while the text holds an "@" and a "." anywhere.
  void EditChange();

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Edit = nullptr;
  QPushButton* BitBtn1 = nullptr;  // OK
  QPushButton* BitBtn2 = nullptr;  // Zrušiť

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace zorna::app
