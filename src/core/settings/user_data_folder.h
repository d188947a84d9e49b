#pragma once
#include <filesystem>
#include <string>
#include <system_error>

#include "text/interface_language.h"

// The program folder of an installed program: the installed data (skins, gallery, tree, help
// page) is read-only and shared, so every user works in a copy of their own.
namespace zorna {

// Whether a folder holds the program's data: a "Skin" or "Data" folder or the tree "strom.trv",
// found without regard to letter case.
bool HoldsProgramData(const std::filesystem::path& folder);

// The user's own program folder: $XDG_DATA_HOME/zorna, else $HOME/.local/share/zorna. A relative
// XDG_DATA_HOME is ignored, as the desktop's folder rules say. Empty when there is no home.
std::filesystem::path UserDataFolder(const char* xdg_data_home, const char* home);

struct SeedResult {
  enum class Outcome {
    kKept,    // the user's folder was there (from any version) and is left as it is
    kSeeded,  // the folder has been made from the installed data
    kFailed,  // it could not be made; `error` says why
  };
  Outcome outcome = Outcome::kKept;
  std::error_code error;
};

// Makes the user's folder a copy of the installed data unless it already holds something. The
// copy is made in a folder beside it ("zorna.seeding-XXXXXX") and renamed into place only when
// complete, so a start that ends during the copy leaves no half folder: the next start copies
// anew and removes what the broken one left. Files are copied, never linked, and made writable
// by their owner, whatever the installed ones allow. An empty folder counts as missing. A
// failed copy removes its own leftovers and changes nothing else.
SeedResult SeedUserDataFolder(const std::filesystem::path& installed,
                              const std::filesystem::path& user);

// What the user is told when their folder could not be made and the program runs from the
// installed data: where, why, and which of the program's features cannot save anything.
std::string ReadOnlyStartMessage(const std::filesystem::path& user, std::error_code error,
                                 InterfaceLanguage language = InterfaceLanguage::kSlovak);

}  // namespace zorna
