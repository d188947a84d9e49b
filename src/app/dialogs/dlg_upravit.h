#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include "app/dialogs/edited_result.h"
#include "app/platform/handler_guard.h"
#include "app/widgets/color_grid.h"
#include "app/widgets/image_control.h"
#include "composition/shadow_frame.h"

namespace zorna::app {

// "Upraviť obázok": a drop shadow in one of four diagonal directions and a frame along the
// edges, previewed on a copy of the result and put into the result by OK. The
// choices stay for the rest of the run. Handlers pass their sender on; a call with no sender
// is an inner redraw and starts no further one.
class TUpravit : public QDialog, protected GuardedConnections {
  Q_OBJECT
  using GuardedConnections::connect;  // every handler it connects runs guarded
 public:
  // The dialog reads the result, its side and preview size, and draws in the scratch picture,
  // all through `result`.
  TUpravit(QWidget* parent, EditedResult result);

  void FormShow();
  // Shadow directions: none, lower right, upper left, upper right, lower left.
  void ToolButton1Click(QObject* sender);
  void ToolButton4Click(QObject* sender);
  void ToolButton6Click(QObject* sender);
  void ToolButton8Click(QObject* sender);
  void ToolButton13Click(QObject* sender);
  void ToolButton10Click(QObject* sender);  // frame off
  void ToolButton12Click(QObject* sender);  // frame on
  void SpinEdit1Change(QObject* sender);    // shadow offset or colour
  void SpinEdit2Change(QObject* sender);    // frame thickness or colour
  void OKBtnClick();
  void VykresliTien(QObject* sender, int dx, int dy);

  QGroupBox* GroupBox1 = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QToolButton* ToolButton1 = nullptr;
  QToolButton* ToolButton4 = nullptr;
  QToolButton* ToolButton6 = nullptr;
  QToolButton* ToolButton8 = nullptr;
  QToolButton* ToolButton13 = nullptr;
  QLabel* Label2 = nullptr;
  QSpinBox* SpinEdit1 = nullptr;    // shadow offset
  ColorGrid* ColorGrid2 = nullptr;  // shadow colour
  QGroupBox* GroupBox2 = nullptr;
  QToolBar* ToolBar2 = nullptr;
  QToolButton* ToolButton10 = nullptr;
  QToolButton* ToolButton12 = nullptr;
  QLabel* Label1 = nullptr;
  QSpinBox* SpinEdit2 = nullptr;    // frame thickness
  ColorGrid* ColorGrid1 = nullptr;  // frame colour
  ImageControl* Image1 = nullptr;   // 32 x 32 preview
  ImageControl* Image2 = nullptr;   // 64 x 64 preview
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QGroupBox* BuildShadowGroup();
  QGroupBox* BuildFrameGroup();
  QWidget* BuildPreview();
  // Makes the button down and the others of its toolbar up.
  void PressOnly(QToolButton* button);
  // A shadow button: pressed, and the shadow drawn at the offset's distance its way.
  void PressShadow(QToolButton* button, ShadowDirection direction, QObject* sender);
  ImageControl* VisiblePreview() const;
  int Side() const;

  EditedResult result_;
};

}  // namespace zorna::app
