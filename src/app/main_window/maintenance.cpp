// The hidden maintenance panel with the tools that prepare gallery files: the list of the
// gallery folder's numbered files, moving them to other categories, encoding, the list for
// downloading, the gallery and skin packs, and the stepped selection over the screen picture.
// The jobs themselves are the core's (gallery/maintenance_jobs.h), shared with zornatool.
#include <QCoreApplication>
#include <QPushButton>
#include <algorithm>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/handler_guard.h"
#include "app/platform/interface_language_qt.h"
#include "app/platform/messages.h"
#include "app/platform/program_folder.h"
#include "gallery/gallery_files.h"
#include "gallery/maintenance_jobs.h"
#include "pack/packs_folder.h"
#include "settings/skin_folders.h"
#include "text/text_helpers.h"
#include "text/time_wording.h"

namespace zorna::app {
namespace {

// The panel's design top; after a stepped selection it stands lower, out of the way.
constexpr int kPanelTop = 8;
constexpr int kSteppedSelectionTop = 120;
constexpr int kUnsetShift = 200;

std::filesystem::path DataFolder() {
  return GalleryFolder(AdresarProgramu);
}

void LetEventsThrough() {
  QCoreApplication::processEvents();
}

// The jobs let events through; a second click meanwhile must not start another job over the
// same files.
class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy), entered_(!busy) { busy_ = true; }
  ~BusyScope() {
    if (entered_) busy_ = false;
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
  bool Entered() const { return entered_; }

 private:
  bool& busy_;
  bool entered_;
};

std::vector<GalleryFileEntry> FilesOf(const QListWidget* list) {
  std::vector<GalleryFileEntry> entries;
  for (int i = 0; i < list->count(); ++i) {
    const QByteArray file = list->item(i)->data(Qt::UserRole).toByteArray();
    if (auto entry = ReadGalleryFileName(file.toStdString())) entries.push_back(*entry);
  }
  return entries;
}

QString NotMovedMessage(size_t count) {
  const QString n = QString::number(count);
  if (count == 1)
    return TMainZorna::tr("1 súbor nebol posunutý (nové meno je obsadené alebo neplatné).");
  if (count < 5) {
    return TMainZorna::tr("%1 súbory neboli posunuté (nové mená sú obsadené alebo neplatné).")
        .arg(n);
  }
  return TMainZorna::tr("%1 súborov nebolo posunutých (nové mená sú obsadené alebo neplatné).")
      .arg(n);
}

QString Lines(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list << QString::fromStdString(line);
  return list.join('\n');
}

}  // namespace

void TMainZorna::SetUpMaintenance() {
  d->PanelTajneMenu = new QFrame(this);
  d->PanelTajneMenu->setObjectName("PanelTajneMenu");
  d->PanelTajneMenu->setFrameStyle(QFrame::Panel | QFrame::Raised);
  d->PanelTajneMenu->setAutoFillBackground(true);
  d->PanelTajneMenu->setGeometry(kPanelTop, kPanelTop, 473, 313);
  BuildMaintenancePanel();
  d->PanelTajneMenu->hide();
  const struct {
    const char* button;
    const char* handler_name;
    void (TMainZorna::*handler)(QObject*);
  } buttons[] = {
      {"Button4", "Button666Click", &TMainZorna::Button666Click},
      {"Button8", "Button8Click", &TMainZorna::Button8Click},
      {"Button3", "Button3Click", &TMainZorna::Button3Click},
      {"Button2", "Button2Click", &TMainZorna::Button2Click},
      {"Button6", "Button6Click", &TMainZorna::Button6Click},
      {"Button12", "Button12Click", &TMainZorna::Button12Click},
      {"Button5", "Button5Click", &TMainZorna::Button5Click},
      {"Button1", "Button1Click", &TMainZorna::Button1Click},
      {"Button11", "Button11Click", &TMainZorna::Button11Click},
  };
  for (const auto& b : buttons) {
    auto* button = d->PanelTajneMenu->findChild<QPushButton*>(b.button);
    Wire(button, &QPushButton::clicked, b.handler_name,
         [this, button, handler = b.handler] { (this->*handler)(button); });
  }
  for (QSpinBox* spin : {d->SpinEdit4, d->SpinEdit5}) {
    Wire(spin, &QSpinBox::valueChanged, "SpinEdit4Change", [this, spin] { SpinEdit4Change(spin); });
  }
}

void TMainZorna::SetUpMaintenanceKey() {
  AddAction("Security", "Ctrl+M", "Button666Click", [this] { Button666Click(nullptr); });
}

void TMainZorna::EnsureMaintenance() {
  if (!d->PanelTajneMenu) SetUpMaintenance();
}

void TMainZorna::Button666Click(QObject*) {
  EnsureMaintenance();
  d->PanelTajneMenu->move(d->PanelTajneMenu->y(), d->PanelTajneMenu->y());
  d->state.maintenance_open = !d->state.maintenance_open;
  d->PanelTajneMenu->setVisible(d->state.maintenance_open);
  if (d->state.maintenance_open) d->PanelTajneMenu->raise();
}

// The list shows the padded names and keeps each file's own name, which the padding alone
// does not tell ("000007.iko" may be "0007.iko" or "007.iko").
void TMainZorna::Button8Click(QObject*) {
  d->ListBox1->clear();
  for (const GalleryFileEntry& entry :
       ListGalleryFiles(DataFolder(), d->SpinEdit1->value(), d->SpinEdit2->value())) {
    auto* item = new QListWidgetItem(QString::fromStdString(entry.shown), d->ListBox1);
    item->setData(Qt::UserRole, QByteArray::fromStdString(entry.file));
  }
}

void TMainZorna::Button3Click(QObject*) {
  const BusyScope busy(d->maintenance_busy);
  if (!busy.Entered()) return;
  if (d->SpinEdit3->value() == kUnsetShift) {
    ShowPlainMessage(tr("Nastavte veľkosť posuvu!"));
    return;
  }
  const ShiftResult result =
      ShiftGalleryFiles(DataFolder(), FilesOf(d->ListBox1), d->SpinEdit3->value());
  d->ListBox1->clear();
  if (result.NotMoved() > 0) ShowPlainMessage(NotMovedMessage(result.NotMoved()));
}

void TMainZorna::Button2Click(QObject*) {
  const BusyScope busy(d->maintenance_busy);
  if (!busy.Entered()) return;
  if (d->ListBox1->count() == 0) Button8Click(nullptr);
  const std::vector<GalleryFileEntry> entries = FilesOf(d->ListBox1);
  const int maximum = std::max(0, static_cast<int>(entries.size()) - 1);
  d->ProgressBar1->setMaximum(maximum);
  d->ProgressBar1->show();
  const int start = CastCasu("Hod") * 3600 + CastCasu("Min") * 60 + CastCasu("Sec");
  d->state.job_estimate.clear();
  d->Label17->setText("");
  EncodeGalleryFiles(DataFolder(), entries, [&](size_t i) {
    const int done = static_cast<int>(i);
    d->ProgressBar1->setValue(done);
    d->state.job_estimate =
        ZostavajuciCas(d->state.job_estimate, start, maximum, done, WindowLanguage());
    d->Label17->setText(QString::fromStdString(d->state.job_estimate));
    d->Label17->repaint();
    d->ProgressBar1->repaint();
    LetEventsThrough();
  });
  d->ProgressBar1->hide();
  d->ListBox1->clear();
}

void TMainZorna::Button6Click(QObject*) {
  if (d->ListBox1->count() == 0) Button8Click(nullptr);
  WriteGalleryInfo(DataFolder(), FilesOf(d->ListBox1));
  ShowPlainMessage(tr("Info.txt bol vytvorený v adresáry DATA"));
}

void TMainZorna::Button12Click(QObject*) {
  const BusyScope busy(d->maintenance_busy);
  if (!busy.Entered()) return;
  if (d->ListBox1->count() == 0) Button8Click(nullptr);
  const std::vector<GalleryFileEntry> entries = FilesOf(d->ListBox1);
  // The list shows what goes into the pack while it is made.
  d->ListBox1->clear();
  for (const std::string& name : GalleryPackNames(AdresarProgramu, entries)) {
    d->ListBox1->addItem(QString::fromStdString(ReplaceAll("/", "\\", name)));
  }
  d->ProgressBar1->setValue(0);
  d->ProgressBar1->show();
  const GalleryPackResult result =
      PackGallery(AdresarProgramu, entries, [this](const Progress& p) { ShowJobProgress(p); });
  d->ListBox1->clear();
  d->ProgressBar1->hide();
  if (!result.pack.completed) {
    ShowErrorMessage(ShownWording(result.pack.problem, result.pack.problem_slovak));
    return;
  }
  ShowPlainMessage(
      tr("Obrázky boli skomprimované do súboru %1.")
          .arg(QString::fromStdString(ShownPackPath(result.written, AdresarProgramu).string())));
}

void TMainZorna::Button5Click(QObject*) {
  const BusyScope busy(d->maintenance_busy);
  if (!busy.Entered()) return;
  d->ListBox1->clear();
  std::vector<std::string> problems;
  std::vector<std::string> packs;
  std::vector<std::string> links;
  for (const SkinPackJob& job :
       PackSkins(AdresarProgramu, [this](const Progress& p) { ShowJobProgress(p); })) {
    links.insert(links.end(), job.links.begin(), job.links.end());
    if (!job.result.completed) {
      problems.push_back(job.name + ": " +
                         ShownWording(job.result.problem, job.result.problem_slovak).toStdString());
    } else if (!job.pack.empty()) {
      packs.push_back(ShownPackPath(job.pack, AdresarProgramu).string());
    }
  }
  if (!problems.empty()) ShowErrorMessage(Lines(problems));
  if (packs.empty() && links.empty()) return;
  QString said = packs.empty() ? tr("Žiadny skin nebol skomprimovaný.")
                               : tr("Skiny boli skomprimované do súborov:\n%1").arg(Lines(packs));
  if (!links.empty()) said += "\n\n" + tr("Symbolické odkazy sa nezbalili:\n%1").arg(Lines(links));
  ShowPlainMessage(said);
}

void TMainZorna::Button1Click(QObject*) {
  const int number = CisloNaZaciatku(d->state.job_estimate);
  d->SpinEdit1->setValue(number);
  d->SpinEdit2->setValue(number);
}

void TMainZorna::SpinEdit4Change(QObject*) {
  d->PanelTajneMenu->move(d->PanelTajneMenu->x(), kSteppedSelectionTop);
  bitmapaMouseMove(nullptr, d->SpinEdit4->value(), d->SpinEdit5->value());
  bitmapaMouseDown(nullptr);
}

void TMainZorna::Button11Click(QObject*) {
  d->SpinEdit4->setValue(d->SpinEdit4->value() + d->SpinEdit6->value());
  d->SpinEdit5->setValue(d->SpinEdit5->value() + d->SpinEdit7->value());
}

}  // namespace zorna::app
