#include "app/shell/settings_access.h"

#include "app/platform/messages.h"
#include "shell/settings.h"
#include "support/error.h"

namespace zorna::app {

IniFile OpenSettings() {
  return IniFile(SettingsFilePath());
}

bool SaveSettings(IniFile& settings) {
  try {
    settings.Save();
    return true;
  } catch (const Error&) {
    ShowErrorMessage(QString::fromUtf8("Nastavenia sa nepodarilo uložiť do súboru %1. "
                                       "Zmeny nastavení sa stratia pri ukončení programu.")
                         .arg(QString::fromStdString(settings.Path().string())));
    return false;
  }
}

bool UzZobrazene(int n) {
  IniFile settings = OpenSettings();
  const bool shown = zorna::UzZobrazene(settings, n);
  SaveSettings(settings);
  return shown;
}

}  // namespace zorna::app
