#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/progress.h"

// Before an update replaces the gallery, what it replaces is packed into a backup outside
// "Data": "Záloha/galéria-YYYY-MM-DD-HHMMSS.mk" in the program folder, an ordinary gallery
// update pack (the pictures by name, the tree as "..\strom.trv"), so that installing it brings
// the old gallery back. The last three backups are kept.
namespace zorna {

inline constexpr std::string_view kBackupFolder = "Záloha";
inline constexpr size_t kBackupsKept = 3;

// Packs the pictures (file names in the gallery folder) and, when with_tree, the tree file into
// a new backup, then removes the oldest backups beyond the last three; `keep` (a pack being
// installed) is never removed. Returns the backup's path relative to the program folder, or an
// empty path when there is nothing to pack. Throws Error saying what could not be written and
// why; a backup cut short leaves no file.
std::filesystem::path BackUpGallery(const std::filesystem::path& program_folder,
                                    const std::vector<std::string>& pictures, bool with_tree,
                                    const std::filesystem::path& keep,
                                    const ProgressStep& after_each_block = {});

}  // namespace zorna
