#pragma once
#include <filesystem>

#include "text/interface_language.h"

// The help page the about box shows, in the program folder's "pomoc" folder.
namespace zorna {

// The help page of a language, found without regard to letter case: the English page under
// English when the folder has it (a user's folder copied from an older version may not), else
// the Slovak page, which every program folder has.
std::filesystem::path HelpPage(const std::filesystem::path& program_folder,
                               InterfaceLanguage language);

}  // namespace zorna
