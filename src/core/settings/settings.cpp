#include "settings/settings.h"

#include <cstdlib>
#include <string>

#include "settings/ini_file.h"

namespace zorna {

std::filesystem::path SettingsFilePath() {
  namespace fs = std::filesystem;
  if (const char* dir = std::getenv("ZORNA_CONFIG_DIR"); dir && *dir)
    return fs::path(dir) / "Zorna.ini";
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    return fs::path(xdg) / "zorna" / "Zorna.ini";
  }
  const char* home = std::getenv("HOME");
  return fs::path(home && *home ? home : ".") / ".config" / "zorna" / "Zorna.ini";
}

bool UzZobrazene(IniFile& ini, int n) {
  const std::string key = std::to_string(n);
  const int32_t shown = ini.ReadInteger(settings::kDialogSection, key, 0);
  if (shown == 2) return true;
  if (shown == 0 || shown == 1) {
    ini.WriteInteger(settings::kDialogSection, key, shown + 1);
  }
  return false;
}

}  // namespace zorna
