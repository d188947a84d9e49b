// Start-up and closing of the main window: restoring and storing the user's choices, the
// screen picture, the once-only hint and the list of searches that found nothing.
#include <QDBusConnection>
#include <QScreen>
#include <filesystem>

#include "app/dialogs/dlg_rozmer.h"
#include "app/dialogs/dlg_skin.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/main_window/settings_access.h"
#include "app/platform/handler_guard.h"
#include "app/platform/interface_language_qt.h"
#include "app/platform/localized_dialogs.h"
#include "app/platform/messages.h"
#include "app/platform/program_folder.h"
#include "app/platform/screen_choice.h"
#include "app/platform/screen_picture.h"
#include "app/widgets/device_pixels.h"
#include "gallery/not_found_list.h"
#include "settings/settings.h"
#include "settings/skin_folders.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna::app {
namespace {

// An index outside the list leaves it with no selection.
void SetItemIndex(QComboBox* list, int index) {
  list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

}  // namespace

void TMainZorna::SetUpStartup() {
  d->NenajdeneVGalerii = new QPlainTextEdit(this);
  d->NenajdeneVGalerii->setObjectName("NenajdeneVGalerii");
  d->NenajdeneVGalerii->hide();
}

void TMainZorna::FormCreate(QObject* sender) {
  using namespace settings;
  if (const QString problem = EnterProgramFolder(); !problem.isEmpty()) DlgPozor(problem);
  const std::string skipped = SkippedSkinEntriesText(
      InstallSkinPacks(AdresarProgramu, [this](const Progress& p) { ShowJobProgress(p); }),
      WindowLanguage());
  if (!skipped.empty()) ShowErrorMessage(QString::fromStdString(skipped));
  RecoverGalleryUpdateAtStart();
  {
    IniFile ini = OpenSettings();
    SetItemIndex(d->ComboBox4,
                 ini.ReadInteger(kLupaVelkost.section, kLupaVelkost.key, kDefaultLupaVelkost));
    ComboBox4Change(sender);
    if (ini.ReadBool(kZvacsit.section, kZvacsit.key, kDefaultZvacsit)) Zvacs2Click(sender);
    const int vystup = ini.ReadInteger(kVystup.section, kVystup.key, d->ComboBox1->count() - 3);
    SetItemIndex(d->ComboBox1, vystup == 4 ? d->ComboBox1->count() - 2 : vystup);
    const int vstup = ini.ReadInteger(kVstup.section, kVstup.key, d->ComboBox2->count() - 3);
    SetItemIndex(d->ComboBox2, vstup == 4 ? d->ComboBox1->currentIndex() : vstup);
    SetItemIndex(d->ComboBox3,
                 ini.ReadInteger(kPrekrytie.section, kPrekrytie.key, kDefaultPrekrytie));
    SetItemIndex(d->ComboBoxEx1, ini.ReadInteger(kPozadieObrazok.section, kPozadieObrazok.key,
                                                 kDefaultPozadieObrazok));
    if (d->ComboBoxEx1->currentIndex() == d->ComboBoxEx1->count() - 1)
      d->ComboBoxEx1->setCurrentIndex(0);
    if (ini.ReadBool(kZamok.section, kZamok.key, kDefaultZamok)) {
      BtnOdomknuteClick(nullptr);
    } else {
      BtnZamknuteClick(nullptr);
    }
    ComboBox1Change(d->ComboBox2);
    ComboBox2Change(d->ComboBox1);
  }
  d->state.scratch = Bitmap();
  // The window opens on the screen under the pointer and shows that screen's copy.
  QScreen* screen = StartScreen();
  setScreen(screen);
  if (DesktopPlacesWindow()) {
    // Copied now, before the window is on any screen; each screen's part is at hand.
    d->desktop_copy = CopyDesktopThroughPortal(QDBusConnection::sessionBus());
    ShowScreenCopy(ScreenOfDesktop(d->desktop_copy, screen), screen);
  } else {
    ShowScreenCopy(GrabScreenPicture(screen), screen);
  }
  d->BtnSave->setEnabled(false);
  d->BtnCopy->setEnabled(false);
  d->BtnOtocDoprava->hide();
  d->BtnOtocDolava->hide();
  d->BtnPreklopZvislo->hide();
  d->BtnPreklopVodorovne->hide();
  if (!UzZobrazene(1))
    ShowPlainMessage(tr("Kliknutím kdekoľvek na obrazovku myšou získate obrázok."));
  LoadNotFoundList();
}

// One path for reading and writing: the program folder, which start-up has made current.
static std::string NotFoundListPath() {
  return AdresarProgramu + std::string(kNotFoundListFile);
}

std::vector<std::string> TMainZorna::NotFoundLines() const {
  std::vector<std::string> lines;
  for (const QString& line : d->NenajdeneVGalerii->toPlainText().split('\n', Qt::SkipEmptyParts)) {
    lines.push_back(line.toStdString());
  }
  return lines;
}

void TMainZorna::SetNotFoundLines(const std::vector<std::string>& lines) {
  QStringList shown;
  for (const std::string& line : lines) shown << QString::fromStdString(line);
  d->NenajdeneVGalerii->setPlainText(shown.join('\n'));
}

// A missing file is an empty list; a file that cannot be read (or is too large) throws and stays
// unloaded.
void TMainZorna::LoadNotFoundList() {
  NotFoundList list = ReadNotFoundList(NotFoundListPath());
  SetNotFoundLines(list.texts);
  d->not_found_file = std::move(list);
}

// Only a list that start-up loaded is written back: when a start-up step failed before it, the
// user's file must stay as it is; so does a list no search changed. The lines the program did
// not understand go back as they were. An empty list deletes the file.
void TMainZorna::SaveNotFoundList() {
  if (!d->not_found_file) return;
  const NotFoundList list{NotFoundLines(), d->not_found_file->foreign};
  if (list == *d->not_found_file) return;
  WriteNotFoundList(NotFoundListPath(), list);
}

void TMainZorna::FormClose() {
  using namespace settings;
  {
    IniFile ini = OpenSettings();
    if (d->ComboBox1->currentIndex() != d->ComboBox1->count() - 1) {
      ini.WriteInteger(kVystup.section, kVystup.key, d->ComboBox1->currentIndex());
    }
    if (d->ComboBox2->currentIndex() != d->ComboBox2->count() - 1) {
      ini.WriteInteger(kVstup.section, kVstup.key, d->ComboBox2->currentIndex());
    }
    ini.WriteInteger(kPrekrytie.section, kPrekrytie.key, d->ComboBox3->currentIndex());
    ini.WriteInteger(kPozadieObrazok.section, kPozadieObrazok.key, d->ComboBoxEx1->currentIndex());
    ini.WriteBool(kZamok.section, kZamok.key, d->state.size_locked);
    ini.WriteBool(kZvacsit.section, kZvacsit.key, d->state.smooth_enlarging);
    if (TDlgRozmer* dlg = dialogs_.DlgRozmer) {
      ini.WriteInteger(kRozmer.section, kRozmer.key, dlg->SpinEdit1->value());
    }
    ini.WriteInteger(kOknoVstup.section, kOknoVstup.key, d->Panel("Vstup").panel->height());
    ini.WriteInteger(kOknoLupa.section, kOknoLupa.key, d->Panel("Lupa").panel->height());
    ini.WriteInteger(kOknoPodklad.section, kOknoPodklad.key, d->Panel("Podklad").panel->height());
    ini.WriteInteger(kOknoVystup.section, kOknoVystup.key, d->Panel("Vystup").panel->height());
    ini.WriteInteger(kLupaVelkost.section, kLupaVelkost.key, d->ComboBox4->currentIndex());
    if (TDlgSkin* skin = dialogs_.DlgSkin) {
      ini.WriteInteger(kSkinCislo.section, kSkinCislo.key, skin->ListBox->currentRow());
    }
    ini.WriteBool(kPanelVPravo.section, kPanelVPravo.key, d->state.docked_right);
    SaveSettings(ini);
  }
  try {
    SaveNotFoundList();
  } catch (const Error& e) {
    ShowErrorOf(e);
  }
}

}  // namespace zorna::app
