#include "text/interface_language.h"

#include <cstdlib>
#include <optional>
#include <string_view>

namespace zorna {
namespace {

// "en", "en_US", "en.UTF-8", "en@quot" name English; "sk..." Slovak; anything else none.
std::optional<InterfaceLanguage> LanguageNamed(std::string_view name) {
  const auto is = [&](std::string_view code) {
    return name.substr(0, 2) == code &&
           (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@');
  };
  if (is("en")) return InterfaceLanguage::kEnglish;
  if (is("sk")) return InterfaceLanguage::kSlovak;
  return std::nullopt;
}

bool IsSet(const char* value) {
  return value != nullptr && *value != '\0';
}

}  // namespace

InterfaceLanguage InterfaceLanguageOf(const EnvironmentReader& read_variable) {
  if (const char* list = read_variable("LANGUAGE"); IsSet(list)) {
    std::string_view rest = list;
    while (!rest.empty()) {
      const auto colon = rest.find(':');
      if (const auto language = LanguageNamed(rest.substr(0, colon))) return *language;
      rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
  }
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (const char* locale = read_variable(variable); IsSet(locale))
      return LanguageNamed(locale).value_or(InterfaceLanguage::kSlovak);
  }
  return InterfaceLanguage::kSlovak;
}

InterfaceLanguage InterfaceLanguageFromEnvironment() {
  return InterfaceLanguageOf([](const char* name) { return std::getenv(name); });
}

}  // namespace zorna
