#pragma once
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "app/platform/handler_guard.h"
#include "app/widgets/image_control.h"

namespace zorna::app {

// "Uloěnie obrázku ako jpeg súbor": the JPEG quality, with the picture before and after
// encoding and the encoded size. The quality stays from one save to the next during a run.
class TDlgJpeg : public QDialog, protected GuardedConnections {
  Q_OBJECT
  using GuardedConnections::connect;  // every handler it connects runs guarded
 public:
  explicit TDlgJpeg(QWidget* parent = nullptr);

  // The result picture the next show starts from (the main window's Image2).
  void SetResultPicture(const Bitmap& result) { result_ = result; }
  // Where "Trap.jpg" is written and read back. Unless changed, a folder of the dialog's own
  // inside the system's temporary folder, made on the first change step and removed with the
  // dialog: the temporary folder is shared, and a "Trap.jpg" that another user or program left
  // there must neither stop the preview nor be written through.
  void SetTrialFolder(std::string folder) { trial_folder_ = std::move(folder); }

  // Copies the result picture into Image1, then runs the change step.
  void FormShow();
  // Encodes Image1 at the track bar's quality through "Trap.jpg" and shows the outcome and its
  // size. A trial file that cannot be written or read throws, leaving Label5 and Image2 as
  // they were.
  void TrackBarChange();

  int Quality() const { return TrackBar->value(); }

  QFrame* Bevel1 = nullptr;
  QLabel* Label1 = nullptr;
  ImageControl* Image1 = nullptr;
  QLabel* Label2 = nullptr;
  ImageControl* Image2 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label3 = nullptr;
  QSlider* TrackBar = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const std::string& TrialFolder();

  Bitmap result_;
  std::string trial_folder_;
  std::unique_ptr<QTemporaryDir> own_trial_folder_;
};

}  // namespace zorna::app
