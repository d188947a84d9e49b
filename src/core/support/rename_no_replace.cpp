#include "support/rename_no_replace.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

namespace zorna {

RenameOutcome RenameWithoutReplacing(const std::filesystem::path& from,
                                     const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return RenameOutcome::kRenamed;
  }
  if (errno == EEXIST) return RenameOutcome::kTaken;
  // File systems without the flag (some network and FUSE ones) still refuse a second link.
  if (errno != EINVAL && errno != ENOSYS) return RenameOutcome::kFailed;
  if (::link(from.c_str(), to.c_str()) != 0) {
    return errno == EEXIST ? RenameOutcome::kTaken : RenameOutcome::kFailed;
  }
  if (::unlink(from.c_str()) != 0) {
    ::unlink(to.c_str());  // the file keeps its old name alone
    return RenameOutcome::kFailed;
  }
  return RenameOutcome::kRenamed;
}

}  // namespace zorna
