#pragma once
#include <QDialog>
#include <QFileDialog>
#include <QPushButton>

#include "app/dialogs/user_backgrounds.h"
#include "app/platform/handler_guard.h"
#include "app/widgets/image_control.h"

namespace zorna::app {

// "Podklad obrázka": shows and changes the user's own background picture of the current size.
class TDlgPozadie : public QDialog, protected GuardedConnections {
  Q_OBJECT
  using GuardedConnections::connect;  // every handler it connects runs guarded
 public:
  // The dialog shows the user's background picture of the size in use.
  TDlgPozadie(QWidget* parent, UserBackgrounds backgrounds);

  void FormShow();
  void Button1Click();
  // Loads a picture file into whichever picture is visible (uncut: the control shows its top-left).
  void LoadPicture(const QString& path);

  ImageControl* Image1 = nullptr;  // 32 x 32
  ImageControl* Image2 = nullptr;  // 64 x 64
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* Button1 = nullptr;
  // The picture file dialog, made on its first use (file dialogs are slow to make).
  QFileDialog* OpenPictureDialog1();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  UserBackgrounds backgrounds_;
  QFileDialog* open_dialog_ = nullptr;
};

}  // namespace zorna::app
