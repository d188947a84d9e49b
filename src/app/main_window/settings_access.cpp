#include "app/main_window/settings_access.h"

#include <QCoreApplication>
#include <map>

#include "app/platform/messages.h"
#include "settings/settings.h"
#include "support/error.h"

namespace zorna::app {
namespace {

// Each trouble with the settings file is told once per run: the same box at start, at every
// take and at close would only be in the way.
struct SettingsTrouble {
  bool unreadable_reported = false;
  bool save_failure_reported = false;
  // Hint counters that this run could not store, so that such a hint is not shown at every
  // occasion.
  std::map<int, int32_t> unsaved_hints;
};

SettingsTrouble& Trouble() {
  static SettingsTrouble trouble;
  return trouble;
}

}  // namespace

IniFile OpenSettings() {
  IniFile settings(SettingsFilePath());
  if (settings.Unreadable() && !Trouble().unreadable_reported) {
    Trouble().unreadable_reported = true;
    ShowErrorMessage(
        QCoreApplication::translate("SettingsFile",
                                    "Súbor s nastaveniami %1 sa nedá prečítať. Program "
                                    "použije predvolené nastavenia a súbor nezmení.")
            .arg(QString::fromStdString(settings.Path().string())));
  }
  return settings;
}

bool SaveSettings(IniFile& settings) {
  if (settings.Unreadable()) return false;  // kept as it is; the user has been told
  try {
    settings.Save();
    return true;
  } catch (const Error&) {
    if (!Trouble().save_failure_reported) {
      Trouble().save_failure_reported = true;
      ShowErrorMessage(
          QCoreApplication::translate("SettingsFile",
                                      "Nastavenia sa nepodarilo uložiť do súboru %1. "
                                      "Zmeny nastavení sa stratia pri ukončení programu.")
              .arg(QString::fromStdString(settings.Path().string())));
    }
    return false;
  }
}

bool UzZobrazene(int n) {
  IniFile settings = OpenSettings();
  const std::string key = std::to_string(n);
  std::map<int, int32_t>& unsaved = Trouble().unsaved_hints;
  if (const auto count = unsaved.find(n); count != unsaved.end()) {
    settings.WriteInteger(settings::kDialogSection, key, count->second);
  }
  const bool shown = zorna::UzZobrazene(settings, n);
  const int32_t count = settings.ReadInteger(settings::kDialogSection, key, 0);
  if (SaveSettings(settings)) {
    unsaved.erase(n);
  } else {
    unsaved[n] = count;
  }
  return shown;
}

void ForgetSettingsTrouble() {
  Trouble() = SettingsTrouble{};
}

}  // namespace zorna::app
