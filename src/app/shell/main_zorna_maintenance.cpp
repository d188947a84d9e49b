// The hidden maintenance panel with the tools that prepare gallery files.
#include "app/shell/main_zorna.h"

namespace zorna::app {

void TMainZorna::SetUpMaintenance() {
  PanelTajneMenu = new QFrame(this);
  PanelTajneMenu->setObjectName("PanelTajneMenu");
  PanelTajneMenu->setFrameStyle(QFrame::Panel | QFrame::Raised);
  PanelTajneMenu->setAutoFillBackground(true);
  PanelTajneMenu->setGeometry(200, 300, 320, 60);
  ProgressBar1 = new QProgressBar(PanelTajneMenu);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setGeometry(10, 20, 300, 20);
  PanelTajneMenu->hide();
  Label5 = new QLabel(PanelTajneMenu);
  Label5->setObjectName("Label5");
  Label5->setText("-----");
  AddAction("Security", "Ctrl+M");
}

}  // namespace zorna::app
