#include "app/program.h"

#include <QApplication>
#include <QScreen>

#include "app/dialogs/dlg_ikona.h"
#include "app/dialogs/dlg_jpeg.h"
#include "app/dialogs/dlg_pozadie.h"
#include "app/dialogs/dlg_rozmer.h"
#include "app/dialogs/dlg_skin.h"
#include "app/dialogs/dlg_upravit.h"
#include "app/dialogs/forms.h"
#include "app/dialogs/mail_list.h"
#include "app/dialogs/o_programe.h"
#include "app/dialogs/save_result.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/main_window/settings_access.h"
#include "app/platform/clipboard_keeper.h"
#include "app/platform/handler_guard.h"
#include "app/platform/messages.h"
#include "app/platform/screen_picture.h"
#include "app/platform/slovak_desktop.h"
#include "settings/settings.h"
#include "support/error.h"

namespace zorna::app {

Forms& AllForms() {
  static Forms forms;
  return forms;
}

TMailList* MailListForm() {
  Forms& forms = AllForms();
  if (!forms.MailList && forms.MainZorna) forms.MailList = new TMailList(forms.MainZorna);
  return forms.MailList;
}

TOPrograme* OProgrameForm() {
  Forms& forms = AllForms();
  if (!forms.OPrograme && forms.MainZorna) {
    forms.OPrograme = new TOPrograme(*forms.MainZorna, *MailListForm());
  }
  return forms.OPrograme;
}

TUpravit* UpravitForm() {
  Forms& forms = AllForms();
  if (!forms.Upravit && forms.MainZorna) forms.Upravit = new TUpravit(*forms.MainZorna);
  return forms.Upravit;
}

bool CreateForms() {
  ForgetSettingsTrouble();  // a new run
  Forms& forms = AllForms();
  forms.MainZorna = new TMainZorna;
  // A failing creation step is shown like any failing handler; the rest of that step is skipped.
  try {
    forms.MainZorna->FormCreate(forms.MainZorna);
  } catch (const NoScreenCopy& e) {
    // Nothing to pick from: say why and end before anything is shown or written.
    ShowErrorMessage(QString::fromStdString(e.what()));
    return false;
  } catch (const std::exception& e) {
    ShowErrorOf(e);
  }
  forms.DlgRozmer = new TDlgRozmer(forms.MainZorna);
  forms.DlgIkona = new TDlgIkona(forms.MainZorna);
  forms.DlgIkona->SetImageList2(&forms.MainZorna->Backgrounds().list2);
  forms.DlgPozadie = new TDlgPozadie(*forms.MainZorna);
  forms.DlgJpeg = new TDlgJpeg(forms.MainZorna);
  {
    // The save dialog's file types are ordered once, by the type saved last.
    const IniFile ini = OpenSettings();
    const std::string type = ini.ReadString(settings::kUlozitAko.section, settings::kUlozitAko.key,
                                            settings::kDefaultUlozitAko);
    forms.Saving = new SaveResult(
        forms.MainZorna, type, forms.DlgIkona, forms.DlgJpeg, [](const std::string& value) {
          IniFile written = OpenSettings();
          written.WriteString(settings::kUlozitAko.section, settings::kUlozitAko.key, value);
          SaveSettings(written);
        });
  }
  forms.DlgSkin = new TDlgSkin(*forms.MainZorna);
  RunGuarded([&] { forms.DlgSkin->FormCreate(); });
  return true;
}

void DestroyForms() {
  Forms& forms = AllForms();
  delete forms.MainZorna;  // owns the dialogs
  forms = Forms{};
}

int RunProgram(QApplication& app) {
  app.setApplicationName("Zorna");
  // The desktop matches the window to its menu entry (and icon) by this name.
  app.setDesktopFileName("zorna");
  UseSlovakDesktop(app);
  if (!CreateForms()) {
    DestroyForms();
    return 1;
  }
  TMainZorna* main = AllForms().MainZorna;
  // Start-up chose the screen under the pointer and copied it; the window covers exactly it.
  if (QScreen* screen = main->screen()) main->setGeometry(screen->geometry());
  main->showFullScreen();
  const int code = app.exec();
  KeepClipboardAfterExit();
  DestroyForms();
  return code;
}

}  // namespace zorna::app
