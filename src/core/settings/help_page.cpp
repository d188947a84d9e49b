#include "settings/help_page.h"

#include "support/files.h"

namespace zorna {

std::filesystem::path HelpPage(const std::filesystem::path& program_folder,
                               InterfaceLanguage language) {
  const std::filesystem::path help = program_folder / "pomoc";
  if (language == InterfaceLanguage::kEnglish) {
    const std::filesystem::path english = FindPathIgnoringCase(help / "help_en.htm");
    std::error_code ec;
    if (std::filesystem::is_regular_file(english, ec)) return english;
  }
  return FindPathIgnoringCase(help / "pomoc.htm");
}

}  // namespace zorna
