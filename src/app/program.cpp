#include "app/program.h"

#include <QApplication>
#include <QFileInfo>
#include <QUrl>
#include <filesystem>

#include "app/dialogs/dlg_ikona.h"
#include "app/dialogs/dlg_jpeg.h"
#include "app/dialogs/dlg_pozadie.h"
#include "app/dialogs/dlg_rozmer.h"
#include "app/dialogs/dlg_skin.h"
#include "app/dialogs/save_result.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/settings_access.h"
#include "app/platform/clipboard_keeper.h"
#include "app/platform/handler_guard.h"
#include "app/platform/interface_language_qt.h"
#include "app/platform/messages.h"
#include "app/platform/screen_picture.h"
#include "artwork/background_tiles.h"
#include "settings/settings.h"
#include "support/error.h"

namespace zorna::app {
namespace {

// The picture file named on the command line ("zorna FILE", as the desktop opens a picture with
// the program), as a path or a file address; empty for none. Made absolute now: start-up makes
// the program folder the current one.
QString PictureFileArgument(const QStringList& arguments) {
  if (arguments.size() < 2) return {};
  const QString given = arguments.at(1);
  const QUrl url(given);
  return QFileInfo(url.isLocalFile() ? url.toLocalFile() : given).absoluteFilePath();
}

}  // namespace

bool CreateForms(Forms& forms) {
  ForgetSettingsTrouble();  // a new run
  Dialogs& dialogs = forms.dialogs;
  TMainZorna* main = forms.MainZorna = new TMainZorna(dialogs);
  // A failing creation step is shown like any failing handler; the rest of that step is skipped.
  try {
    main->FormCreate(main);
  } catch (const NoScreenCopy& e) {
    // Nothing to pick from: say why and end before anything is shown or written.
    ShowErrorMessage(QString::fromStdString(e.what()));
    return false;
  } catch (const std::exception& e) {
    ShowErrorOf(e);
  }
  dialogs.DlgRozmer = new TDlgRozmer(main);
  dialogs.DlgIkona = new TDlgIkona(main);
  dialogs.DlgIkona->SetImageList2(&main->Backgrounds().list2);
  dialogs.DlgPozadie = new TDlgPozadie(main, main->UserBackgroundPictures());
  dialogs.DlgJpeg = new TDlgJpeg(main);
  {
    // The save dialog's file types are ordered once, by the type saved last.
    const IniFile ini = OpenSettings();
    const std::string type = ini.ReadString(settings::kUlozitAko.section, settings::kUlozitAko.key,
                                            settings::kDefaultUlozitAko);
    dialogs.Saving =
        new SaveResult(main, type, dialogs.DlgIkona, dialogs.DlgJpeg, [](const std::string& value) {
          IniFile written = OpenSettings();
          written.WriteString(settings::kUlozitAko.section, settings::kUlozitAko.key, value);
          SaveSettings(written);
        });
  }
  dialogs.DlgSkin =
      new TDlgSkin(main, [main](const std::filesystem::path& skin) { main->DressInSkin(skin); });
  // The stored skin, then the panels' heights, which default to its caption bars.
  RunGuarded([&] {
    dialogs.DlgSkin->FormCreate();
    main->RestorePanels();
  });
  return true;
}

void DestroyForms(Forms& forms) {
  delete forms.MainZorna;  // owns the dialogs
  forms = Forms{};
}

int RunProgram(QApplication& app) {
  app.setApplicationName("Zorna");
  // The desktop matches the window to its menu entry (and icon) by this name.
  app.setDesktopFileName("zorna");
  UseInterfaceLanguage(app);
  const QString picture = PictureFileArgument(app.arguments());
  Forms forms;
  if (!CreateForms(forms)) {
    DestroyForms(forms);
    return 1;
  }
  TMainZorna* main = forms.MainZorna;
  // A picture that cannot be read is told of; the program goes on with the screen's copy.
  if (!picture.isEmpty()) RunGuarded([&] { main->OpenPictureFile(picture.toStdString()); });
  // Start-up chose the screen under the pointer and copied it; the window covers exactly it.
  main->ShowOverScreen();
  const int code = app.exec();
  KeepClipboardAfterExit();
  DestroyForms(forms);
  return code;
}

}  // namespace zorna::app
