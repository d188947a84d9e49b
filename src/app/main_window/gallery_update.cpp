// The gallery update delivered as "Data/zorna.mk": installed at the window's resize, with its
// progress panel "Working" over the bottom edge, which at the end names the backup of the old
// gallery.
#include "gallery/gallery_update.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "app/main_window/main_zorna.h"
#include "app/platform/localized_dialogs.h"
#include "app/platform/program_folder.h"
#include "support/error.h"

namespace zorna::app {
namespace {

constexpr int kWorkingWidth = 295;
constexpr int kWorkingHeight = 48;
// Long enough to read a path, short enough not to stand in the way.
constexpr int kEndMessageMilliseconds = 10000;

// The panel as it shows the progress: its label above the bar.
void ShowProgressLook(QFrame* working, QLabel* label, QProgressBar* bar) {
  working->resize(kWorkingWidth, kWorkingHeight);
  label->setText(QString::fromUtf8("Nahrávajú sa nové obrázky do galérie.."));
  label->setGeometry(8, 5, kWorkingWidth - 16, 16);
  bar->show();
}

// The panel over the middle of the window's bottom edge.
void ShowAtBottom(const QWidget* window, QFrame* working) {
  working->move((window->width() - working->width()) / 2,
                window->height() - working->height() - 10);
  working->show();
  working->raise();
}

QString EndMessage(const GalleryUpdateResult& result) {
  const QString done = QString::fromUtf8("Nové obrázky sú v galérii.");
  if (result.backup.empty()) return done;
  return done + QString::fromUtf8(" Predošlé sú uložené v ") +
         QString::fromStdString(result.backup.string());
}

}  // namespace

void TMainZorna::SetUpGalleryUpdate() {
  Working = new QFrame(this);
  Working->setObjectName("Working");
  Working->setFrameStyle(QFrame::Panel | QFrame::Raised);
  QPalette maroon = Working->palette();
  maroon.setColor(QPalette::Window, QColor(0x80, 0, 0));
  maroon.setColor(QPalette::WindowText, QColor(0, 0xFF, 0));
  Working->setPalette(maroon);
  Working->setAutoFillBackground(true);
  auto* label = new QLabel(Working);
  label->setObjectName("WorkingLabel");
  ProgressBar2 = new QProgressBar(Working);
  ProgressBar2->setObjectName("ProgressBar2");
  ProgressBar2->setRange(0, 100);
  ProgressBar2->setValue(0);
  ProgressBar2->setGeometry(8, 24, 279, 16);
  ShowProgressLook(Working, label, ProgressBar2);
  Working->hide();
}

void TMainZorna::RecoverGalleryUpdateAtStart() {
  try {
    RecoverGalleryUpdate(AdresarProgramu);
  } catch (const Error& e) {
    DlgChyba(QString::fromUtf8("Prerušenú aktualizáciu galérie sa nepodarilo dokončiť ani "
                               "vrátiť: ") +
             QString::fromStdString(e.Slovak()) +
             QString::fromUtf8(". Program sa o to pokúsi pri ďalšom spustení."));
  }
}

// The user's gallery is never lost to a bad update: a damaged pack is not installed, and the
// user hears of it once; a pack that could not be written waits for the next start.
void TMainZorna::ImportGalleryUpdate() {
  // The import lets events through, and a resize among them would start it again over the
  // same pack.
  if (importing_update_ || update_kept_) return;
  importing_update_ = true;
  BtnGallery->hide();
  auto* label = Working->findChild<QLabel*>("WorkingLabel");
  ShowProgressLook(Working, label, ProgressBar2);
  ShowAtBottom(this, Working);
  Working->repaint();
  QCoreApplication::processEvents();
  const GalleryUpdateResult result =
      InstallGalleryUpdate(AdresarProgramu, [this](const Progress& p) { ShowJobProgress(p); });
  Working->hide();
  BtnGallery->show();
  importing_update_ = false;
  switch (result.outcome) {
    case GalleryUpdateOutcome::kInstalled: {
      // The end stays on the panel a while: where the old gallery went is worth reading.
      ProgressBar2->hide();
      label->setText(EndMessage(result));
      label->adjustSize();
      Working->resize(std::max(kWorkingWidth, label->width() + 16), kWorkingHeight - 16);
      label->move(8, (Working->height() - label->height()) / 2);
      ShowAtBottom(this, Working);
      QTimer::singleShot(kEndMessageMilliseconds, Working, [this] {
        if (!importing_update_) Working->hide();
      });
      break;
    }
    case GalleryUpdateOutcome::kDamaged:
      DlgChyba(
          QString::fromUtf8("Aktualizácia galérie (Data/zorna.mk) bola poškodená, a preto sa "
                            "nenainštalovala. Galéria zostala taká, aká bola."));
      break;
    case GalleryUpdateOutcome::kNotWritten:
      update_kept_ = true;
      DlgChyba(QString::fromUtf8("Aktualizáciu galérie (Data/zorna.mk) sa nepodarilo "
                                 "nainštalovať: ") +
               QString::fromStdString(result.problem_slovak) +
               QString::fromUtf8(". Galéria zostala taká, aká bola, a balík zostal na ďalší "
                                 "pokus."));
      break;
    case GalleryUpdateOutcome::kNoUpdate:
    case GalleryUpdateOutcome::kBusy:
      break;
  }
}

}  // namespace zorna::app
