// The gallery update delivered as "Data/zorna.mk": installed at the window's resize, with its
// progress panel "Working" over the bottom edge.
#include <QCoreApplication>
#include <QLabel>

#include "app/dialogs/localized_dialogs.h"
#include "app/platform/program_folder.h"
#include "app/shell/main_zorna.h"
#include "gallery/gallery_update.h"

namespace zorna::app {

void TMainZorna::SetUpGalleryUpdate() {
  Working = new QFrame(this);
  Working->setObjectName("Working");
  Working->setFrameStyle(QFrame::Panel | QFrame::Raised);
  QPalette maroon = Working->palette();
  maroon.setColor(QPalette::Window, QColor(0x80, 0, 0));
  maroon.setColor(QPalette::WindowText, QColor(0, 0xFF, 0));
  Working->setPalette(maroon);
  Working->setAutoFillBackground(true);
  Working->resize(295, 48);
  auto* label = new QLabel(QString::fromUtf8("Nahrávajú sa nové obrázky do galérie.."), Working);
  label->setObjectName("WorkingLabel");
  label->setGeometry(8, 5, 279, 16);
  ProgressBar2 = new QProgressBar(Working);
  ProgressBar2->setObjectName("ProgressBar2");
  ProgressBar2->setRange(0, 100);
  ProgressBar2->setValue(0);
  ProgressBar2->setGeometry(8, 24, 279, 16);
  Working->hide();
}

// The user's gallery is never lost to a bad update: a damaged pack is not installed, and the
// user hears of it once.
void TMainZorna::ImportGalleryUpdate() {
  // The import lets events through, and a resize among them would start it again over the
  // same pack.
  if (importing_update_) return;
  importing_update_ = true;
  BtnGallery->hide();
  Working->move((width() - Working->width()) / 2, height() - Working->height() - 10);
  Working->show();
  Working->raise();
  Working->repaint();
  QCoreApplication::processEvents();
  const GalleryUpdateResult result =
      InstallGalleryUpdate(AdresarProgramu, [] { QCoreApplication::processEvents(); });
  Working->hide();
  BtnGallery->show();
  importing_update_ = false;
  if (result.outcome == GalleryUpdateOutcome::kNotInstalled) {
    DlgChyba(
        QString::fromUtf8("Aktualizácia galérie (Data/zorna.mk) bola poškodená, a preto sa "
                          "nenainštalovala. Galéria zostala taká, aká bola."));
  }
}

}  // namespace zorna::app
