#pragma once
#include <QDialog>
#include <QListWidget>
#include <QPushButton>

namespace zorna::app {

class TMainZorna;

// "Vzhľad": the list of skin folders. Created last at start-up, it restores the panel heights
// and the container's side.
class TDlgSkin : public QDialog {
  Q_OBJECT
 public:
  // The dialog dresses the main window and restores its panels.
  explicit TDlgSkin(TMainZorna& main);

  void FormCreate();
  void FormShow();

  QListWidget* ListBox = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TMainZorna& main_;
};

}  // namespace zorna::app
