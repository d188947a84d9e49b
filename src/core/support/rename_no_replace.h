#pragma once
#include <filesystem>

namespace zorna {

// Renaming that never replaces a file: a plain rename on Linux silently deletes whatever had
// the new name, which for a gallery is another picture.
enum class RenameOutcome {
  kRenamed,
  kTaken,   // the new name is in use; nothing was changed
  kFailed,  // the file is missing or cannot be renamed; nothing was changed
};

// Renames in one step where the file system can (renameat2 with RENAME_NOREPLACE), else by
// linking the new name and then removing the old one.
RenameOutcome RenameWithoutReplacing(const std::filesystem::path& from,
                                     const std::filesystem::path& to);

}  // namespace zorna
