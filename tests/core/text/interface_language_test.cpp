#include "text/interface_language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zorna {
namespace {

TEST(InterfaceLanguage, TheFirstVariableSetDecidesAndOnlyEnglishLeavesSlovak) {
  using Environment = std::map<std::string, std::string>;
  const struct {
    Environment environment;
    InterfaceLanguage expected;
  } cases[] = {
      {{}, InterfaceLanguage::kSlovak},
      {{{"LANG", "C"}}, InterfaceLanguage::kSlovak},
      {{{"LC_ALL", "POSIX"}, {"LANG", "en_US.UTF-8"}}, InterfaceLanguage::kSlovak},
      {{{"LANG", "en_GB.UTF-8"}}, InterfaceLanguage::kEnglish},
      {{{"LC_MESSAGES", "en"}, {"LANG", "sk_SK.UTF-8"}}, InterfaceLanguage::kEnglish},
      {{{"LANGUAGE", "en"}, {"LANG", "C"}}, InterfaceLanguage::kEnglish},
      {{{"LANGUAGE", "de:en_US"}, {"LANG", "de_DE.UTF-8"}}, InterfaceLanguage::kEnglish},
      {{{"LANGUAGE", "sk:en"}, {"LC_ALL", "en_US.UTF-8"}}, InterfaceLanguage::kSlovak},
      {{{"LANGUAGE", "de"}, {"LANG", "en_US.UTF-8"}}, InterfaceLanguage::kEnglish},
      {{{"LANG", "eno"}}, InterfaceLanguage::kSlovak},
      {{{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LANG", "en@quot"}}, InterfaceLanguage::kEnglish},
  };
  for (const auto& c : cases) {
    const auto read = [&](const char* name) -> const char* {
      const auto found = c.environment.find(name);
      return found == c.environment.end() ? nullptr : found->second.c_str();
    };
    EXPECT_EQ(InterfaceLanguageOf(read), c.expected)
        << (c.environment.empty() ? "nothing set" : c.environment.begin()->second);
  }
}

}  // namespace
}  // namespace zorna
