#include "pack/packs_folder.h"

#include <cerrno>

#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace fs = std::filesystem;

fs::path PacksFolder(const fs::path& program_folder, const fs::path& chosen) {
  const fs::path folder =
      chosen.empty() ? FindPathIgnoringCase(program_folder / fs::path(kPacksFolder)) : chosen;
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) throw CannotCreateFile(folder.string(), ec.value());
  return folder;
}

fs::path ShownPackPath(const fs::path& pack, const fs::path& program_folder) {
  std::error_code home_ec;
  std::error_code pack_ec;
  const fs::path home = fs::weakly_canonical(fs::absolute(program_folder), home_ec);
  const fs::path full = fs::weakly_canonical(fs::absolute(pack), pack_ec);
  if (home_ec || pack_ec) return pack;
  const fs::path relative = full.lexically_relative(home);
  if (relative.empty() || *relative.begin() == "..") return pack;
  return relative;
}

}  // namespace zorna
