// Start-up and closing of the main window: restoring and storing the user's choices, the
// screen picture, the once-only hint and the list of searches that found nothing.
#include <QCoreApplication>
#include <QScreen>
#include <filesystem>

#include "app/dialogs/dlg_rozmer.h"
#include "app/dialogs/dlg_skin.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/settings_access.h"
#include "app/platform/handler_guard.h"
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
  NenajdeneVGalerii = new QPlainTextEdit(this);
  NenajdeneVGalerii->setObjectName("NenajdeneVGalerii");
  NenajdeneVGalerii->hide();
}

void TMainZorna::FormCreate(QObject* sender) {
  using namespace settings;
  if (const QString problem = EnterProgramFolder(); !problem.isEmpty()) DlgPozor(problem);
  const std::string skipped = SkippedSkinEntriesSlovak(
      InstallSkinPacks(AdresarProgramu, [] { QCoreApplication::processEvents(); }));
  if (!skipped.empty()) ShowErrorMessage(QString::fromStdString(skipped));
  RecoverGalleryUpdateAtStart();
  {
    IniFile ini = OpenSettings();
    SetItemIndex(ComboBox4,
                 ini.ReadInteger(kLupaVelkost.section, kLupaVelkost.key, kDefaultLupaVelkost));
    ComboBox4Change(sender);
    if (ini.ReadBool(kZvacsit.section, kZvacsit.key, kDefaultZvacsit)) Zvacs2Click(sender);
    const int vystup = ini.ReadInteger(kVystup.section, kVystup.key, ComboBox1->count() - 3);
    SetItemIndex(ComboBox1, vystup == 4 ? ComboBox1->count() - 2 : vystup);
    const int vstup = ini.ReadInteger(kVstup.section, kVstup.key, ComboBox2->count() - 3);
    SetItemIndex(ComboBox2, vstup == 4 ? ComboBox1->currentIndex() : vstup);
    SetItemIndex(ComboBox3, ini.ReadInteger(kPrekrytie.section, kPrekrytie.key, kDefaultPrekrytie));
    SetItemIndex(ComboBoxEx1, ini.ReadInteger(kPozadieObrazok.section, kPozadieObrazok.key,
                                              kDefaultPozadieObrazok));
    if (ComboBoxEx1->currentIndex() == ComboBoxEx1->count() - 1) ComboBoxEx1->setCurrentIndex(0);
    BtnZamknute->setVisible(ini.ReadBool(kZamok.section, kZamok.key, kDefaultZamok));
    if (!BtnZamknute->isHidden()) {
      BtnOdomknuteClick(nullptr);
    } else {
      BtnZamknuteClick(nullptr);
    }
    ComboBox1Change(ComboBox2);
    ComboBox2Change(ComboBox1);
  }
  PracovnyObrazok = Bitmap();
  // The window opens on the screen under the pointer and shows that screen's copy.
  QScreen* screen = StartScreen();
  setScreen(screen);
  Bitmap picture = GrabScreenPicture(screen);
  bitmapa->resize(
      LogicalCover(QRect(0, 0, picture.Width(), picture.Height()), bitmapa->devicePixelRatioF())
          .size());
  bitmapa->SetPicture(std::move(picture));
  BtnSave->setEnabled(false);
  BtnCopy->setEnabled(false);
  BtnOtocDoprava->hide();
  BtnOtocDolava->hide();
  BtnPreklopZvislo->hide();
  BtnPreklopVodorovne->hide();
  if (!UzZobrazene(1)) ShowPlainMessage("Kliknutím kdekoľvek na obrazovku myšou získate obrázok.");
  LoadNotFoundList();
}

// One path for reading and writing: the program folder, which start-up has made current.
static std::string NotFoundListPath() {
  return AdresarProgramu + std::string(kNotFoundListFile);
}

std::vector<std::string> TMainZorna::NotFoundLines() const {
  std::vector<std::string> lines;
  for (const QString& line : NenajdeneVGalerii->toPlainText().split('\n', Qt::SkipEmptyParts)) {
    lines.push_back(line.toStdString());
  }
  return lines;
}

void TMainZorna::SetNotFoundLines(const std::vector<std::string>& lines) {
  QStringList shown;
  for (const std::string& line : lines) shown << QString::fromStdString(line);
  NenajdeneVGalerii->setPlainText(shown.join('\n'));
}

// A missing file is an empty list; a file that cannot be read (or is too large) throws and stays
// unloaded.
void TMainZorna::LoadNotFoundList() {
  NotFoundList list = ReadNotFoundList(NotFoundListPath());
  SetNotFoundLines(list.texts);
  not_found_file_ = std::move(list);
}

// Only a list that start-up loaded is written back: when a start-up step failed before it, the
// user's file must stay as it is; so does a list no search changed. The lines the program did
// not understand go back as they were. An empty list deletes the file.
void TMainZorna::SaveNotFoundList() {
  if (!not_found_file_) return;
  const NotFoundList list{NotFoundLines(), not_found_file_->foreign};
  if (list == *not_found_file_) return;
  WriteNotFoundList(NotFoundListPath(), list);
}

void TMainZorna::FormClose() {
  using namespace settings;
  {
    IniFile ini = OpenSettings();
    if (ComboBox1->currentIndex() != ComboBox1->count() - 1) {
      ini.WriteInteger(kVystup.section, kVystup.key, ComboBox1->currentIndex());
    }
    if (ComboBox2->currentIndex() != ComboBox2->count() - 1) {
      ini.WriteInteger(kVstup.section, kVstup.key, ComboBox2->currentIndex());
    }
    ini.WriteInteger(kPrekrytie.section, kPrekrytie.key, ComboBox3->currentIndex());
    ini.WriteInteger(kPozadieObrazok.section, kPozadieObrazok.key, ComboBoxEx1->currentIndex());
    ini.WriteBool(kZamok.section, kZamok.key, !BtnZamknute->isHidden());
    ini.WriteBool(kZvacsit.section, kZvacsit.key, Zvacs1->isEnabled());
    if (TDlgRozmer* dlg = dialogs_.DlgRozmer) {
      ini.WriteInteger(kRozmer.section, kRozmer.key, dlg->SpinEdit1->value());
    }
    ini.WriteInteger(kOknoVstup.section, kOknoVstup.key, Panel("Vstup").panel->height());
    ini.WriteInteger(kOknoLupa.section, kOknoLupa.key, Panel("Lupa").panel->height());
    ini.WriteInteger(kOknoPodklad.section, kOknoPodklad.key, Panel("Podklad").panel->height());
    ini.WriteInteger(kOknoVystup.section, kOknoVystup.key, Panel("Vystup").panel->height());
    ini.WriteInteger(kLupaVelkost.section, kLupaVelkost.key, ComboBox4->currentIndex());
    if (TDlgSkin* skin = dialogs_.DlgSkin) {
      ini.WriteInteger(kSkinCislo.section, kSkinCislo.key, skin->ListBox->currentRow());
    }
    ini.WriteBool(kPanelVPravo.section, kPanelVPravo.key, !BtnLeft->isHidden());
    SaveSettings(ini);
  }
  try {
    SaveNotFoundList();
  } catch (const Error& e) {
    ShowErrorOf(e);
  }
}

}  // namespace zorna::app
