#include "gallery/gallery_backup.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <system_error>
#include <utility>

#include "gallery/gallery_files.h"
#include "pack/pack_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kBackupPrefix = "galéria-";
constexpr std::string_view kBackupExtension = ".mk";
constexpr size_t kStampLength = 17;  // "2026-12-09-143005"

std::string TimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &local);
  return text;
}

// The order of a backup among the others: its time, then the number given to a second backup
// made within the same second; nullopt for a file that is not a backup.
std::optional<std::pair<std::string, int>> BackupOrder(const std::string& name) {
  if (name.size() < kBackupPrefix.size() + kStampLength + kBackupExtension.size() ||
      !name.starts_with(kBackupPrefix) || !name.ends_with(kBackupExtension)) {
    return std::nullopt;
  }
  const std::string stem = name.substr(
      kBackupPrefix.size(), name.size() - kBackupPrefix.size() - kBackupExtension.size());
  const std::string stamp = stem.substr(0, kStampLength);
  if (stem.size() == kStampLength) return std::pair{stamp, 1};
  if (stem[kStampLength] != '-') return std::nullopt;
  const std::string number = stem.substr(kStampLength + 1);
  if (number.empty() || number.size() > 6 ||
      !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return std::pair{stamp, std::stoi(number)};
}

// A name that no earlier backup has: two updates within one second must not share one.
std::string NewBackupName(const fs::path& folder) {
  const std::string stamp = std::string(kBackupPrefix) + TimeStamp();
  std::string name = stamp + std::string(kBackupExtension);
  std::error_code ec;
  for (int n = 2; fs::exists(fs::symlink_status(folder / name, ec)); ++n) {
    name = stamp + "-" + std::to_string(n) + std::string(kBackupExtension);
  }
  return name;
}

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return !b.empty() && fs::equivalent(a, b, ec);
}

void RemoveOldBackups(const fs::path& folder, const fs::path& keep) {
  std::vector<std::pair<std::pair<std::string, int>, fs::path>> backups;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const auto order = BackupOrder(it->path().filename().string());
    if (order && it->is_regular_file(ec) && !it->is_symlink(ec)) {
      backups.emplace_back(*order, it->path());
    }
  }
  std::sort(backups.begin(), backups.end());
  for (size_t i = 0; i + kBackupsKept < backups.size(); ++i) {
    if (!SameFile(backups[i].second, keep)) ZmazSubor(backups[i].second.string());
  }
}

}  // namespace

fs::path BackUpGallery(const fs::path& program_folder, const std::vector<std::string>& pictures,
                       bool with_tree, const fs::path& keep, const ProgressStep& after_each_block) {
  std::vector<std::string> names = pictures;
  // Stored as "..\strom.trv": unpacked from "Data", as every gallery update is, it reaches the
  // program folder's tree.
  if (with_tree) names.push_back("../" + TreeFilePath(program_folder).filename().string());
  if (names.empty()) return {};
  const fs::path folder = FindPathIgnoringCase(program_folder / kBackupFolder);
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) throw CannotCreateFile(folder.string(), ec.value());
  const std::string name = NewBackupName(folder);
  const fs::path backup = folder / name;
  const PackResult packed =
      ZbalSubory(names, backup.string(), after_each_block, GalleryFolder(program_folder));
  if (!packed.completed) {
    throw Error("Cannot write the backup " + backup.string() + ": " + packed.problem,
                "Zálohu " + backup.string() + " sa nepodarilo zapísať: " + packed.problem_slovak);
  }
  RemoveOldBackups(folder, keep);
  return folder.filename() / name;
}

}  // namespace zorna
