// The gallery update delivered as "Data/zorna.mk": installed at the window's resize, with its
// progress panel "Working" over the bottom edge, which at the end names the backup of the old
// gallery.
#include "gallery/gallery_update.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/handler_guard.h"
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
  label->setText(TMainZorna::tr("Nahrávajú sa nové obrázky do galérie.."));
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
  if (result.backup.empty()) return TMainZorna::tr("Nové obrázky sú v galérii.");
  return TMainZorna::tr("Nové obrázky sú v galérii. Predošlé sú uložené v %1")
      .arg(QString::fromStdString(result.backup.string()));
}

}  // namespace

void TMainZorna::SetUpGalleryUpdate() {
  d->Working = new QFrame(this);
  d->Working->setObjectName("Working");
  d->Working->setFrameStyle(QFrame::Panel | QFrame::Raised);
  QPalette maroon = d->Working->palette();
  maroon.setColor(QPalette::Window, QColor(0x80, 0, 0));
  maroon.setColor(QPalette::WindowText, QColor(0, 0xFF, 0));
  d->Working->setPalette(maroon);
  d->Working->setAutoFillBackground(true);
  auto* label = new QLabel(d->Working);
  label->setObjectName("WorkingLabel");
  d->ProgressBar2 = new QProgressBar(d->Working);
  d->ProgressBar2->setObjectName("ProgressBar2");
  d->ProgressBar2->setRange(0, 100);
  d->ProgressBar2->setValue(0);
  d->ProgressBar2->setGeometry(8, 24, 279, 16);
  ShowProgressLook(d->Working, label, d->ProgressBar2);
  d->Working->hide();
}

void TMainZorna::RecoverGalleryUpdateAtStart() {
  try {
    RecoverGalleryUpdate(AdresarProgramu);
  } catch (const Error& e) {
    DlgChyba(tr("Prerušenú aktualizáciu galérie sa nepodarilo dokončiť ani vrátiť: %1. Program "
                "sa o to pokúsi pri ďalšom spustení.")
                 .arg(MessageOf(e)));
  }
}

// The user's gallery is never lost to a bad update: a damaged pack is not installed, and the
// user hears of it once; a pack that could not be written waits for the next start.
void TMainZorna::ImportGalleryUpdate() {
  // The import lets events through, and a resize among them would start it again over the
  // same pack.
  if (d->importing_update || d->update_kept) return;
  d->importing_update = true;
  d->BtnGallery->hide();
  auto* label = d->Working->findChild<QLabel*>("WorkingLabel");
  ShowProgressLook(d->Working, label, d->ProgressBar2);
  ShowAtBottom(this, d->Working);
  d->Working->repaint();
  QCoreApplication::processEvents();
  const GalleryUpdateResult result =
      InstallGalleryUpdate(AdresarProgramu, [this](const Progress& p) { ShowJobProgress(p); });
  d->Working->hide();
  d->BtnGallery->show();
  d->importing_update = false;
  switch (result.outcome) {
    case GalleryUpdateOutcome::kInstalled: {
      // The end stays on the panel a while: where the old gallery went is worth reading.
      d->ProgressBar2->hide();
      label->setText(EndMessage(result));
      label->adjustSize();
      d->Working->resize(std::max(kWorkingWidth, label->width() + 16), kWorkingHeight - 16);
      label->move(8, (d->Working->height() - label->height()) / 2);
      ShowAtBottom(this, d->Working);
      QTimer::singleShot(kEndMessageMilliseconds, d->Working, [this] {
        if (!d->importing_update) d->Working->hide();
      });
      break;
    }
    case GalleryUpdateOutcome::kDamaged:
      DlgChyba(
          tr("Aktualizácia galérie (Data/zorna.mk) bola poškodená, a preto sa "
             "nenainštalovala. Galéria zostala taká, aká bola."));
      break;
    case GalleryUpdateOutcome::kNotWritten:
      d->update_kept = true;
      DlgChyba(tr("Aktualizáciu galérie (Data/zorna.mk) sa nepodarilo nainštalovať: %1. "
                  "Galéria zostala taká, aká bola, a balík zostal na ďalší pokus.")
                   .arg(ShownWording(result.problem, result.problem_slovak)));
      break;
    case GalleryUpdateOutcome::kNoUpdate:
    case GalleryUpdateOutcome::kBusy:
      break;
  }
}

}  // namespace zorna::app
