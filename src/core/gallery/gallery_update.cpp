#include "gallery/gallery_update.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <system_error>

#include "gallery/category_tree.h"
#include "gallery/gallery_backup.h"
#include "gallery/gallery_files.h"
#include "pack/pack_file.h"
#include "support/error.h"
#include "support/files.h"
#include "support/progress.h"

namespace zorna {
namespace fs = std::filesystem;
namespace {

// The window lets its events through while an import runs; one of them may try to start
// another. One user-interface thread, so a plain flag suffices.
bool import_running = false;

class RunningImport {
 public:
  RunningImport() { import_running = true; }
  ~RunningImport() { import_running = false; }
  RunningImport(const RunningImport&) = delete;
  RunningImport& operator=(const RunningImport&) = delete;
};

// The pack is at fault: it is no update to install, now or later.
class DamagedUpdate : public Error {
 public:
  using Error::Error;
};

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

// A pack that cannot be deleted (a read-only "Data") is told in the result, not thrown: the
// outcome must still reach the caller.
bool Deleted(const fs::path& pack) {
  try {
    ZmazSubor(pack.string());
  } catch (const Error&) {
  }
  return !Exists(pack);
}

struct Staged {
  std::vector<std::string> pictures;
  bool tree = false;
};

bool Readable(const fs::path& pack) {
  std::error_code ec;
  return fs::is_regular_file(pack, ec) && std::ifstream(pack, std::ios::binary).good();
}

// Reads the whole pack first, writing nothing: what fails then is the pack's fault, and what
// fails while it is unpacked after that is the disk's.
void CheckPack(const fs::path& pack) {
  const PackListing listing = ListPack(pack.string());
  if (!listing.result.completed) {
    if (!Readable(pack)) throw Error(listing.result.problem, listing.result.problem_slovak);
    throw DamagedUpdate(listing.result.problem, listing.result.problem_slovak);
  }
  if (!listing.result.damaged_entries.empty()) {
    const std::string& entry = listing.result.damaged_entries.front();
    throw DamagedUpdate(
        pack.string() + " is damaged: a block of " + entry + " could not be decoded whole",
        "Balík " + pack.string() + " je poškodený: blok položky " + entry +
            " sa nedá celý rozbaliť");
  }
  uint64_t total = 0;
  for (const PackEntryInfo& entry : listing.entries) total += entry.size;
  if (total > UnpackLimits{}.max_total_bytes) {
    const std::string mebibytes = std::to_string(UnpackLimits{}.max_total_bytes >> 20);
    throw DamagedUpdate(
        pack.string() + " is damaged: it would write more than " + mebibytes + " MiB",
        "Balík " + pack.string() + " je poškodený: zapísal by viac ako " + mebibytes + " MiB");
  }
}

Staged Unpack(const fs::path& pack, const GalleryInstallPaths& paths,
              const ProgressStep& after_each_step, GalleryUpdateResult& result) {
  CheckPack(pack);
  std::error_code ec;
  fs::create_directories(paths.new_pictures, ec);
  if (ec) throw CannotCreateFile(paths.new_pictures.string(), ec.value());
  // The pack's folder stands for the program folder: entries start from its "Data", and none
  // may leave it, nor reach the old pictures set aside beside it.
  GalleryInstallFileOperation();
  const PackResult unpacked =
      RozbalArchiv(pack.string(), paths.new_pictures, paths.pack_root, after_each_step);
  if (!unpacked.completed) throw Error(unpacked.problem, unpacked.problem_slovak);
  if (!unpacked.skipped.empty()) {
    result.skipped = unpacked.skipped;
    throw DamagedUpdate(
        pack.string() + " holds entries that would leave the program folder",
        "Balík " + pack.string() + " obsahuje položky, ktoré by vyšli z priečinka programu");
  }
  Staged staged{GalleryPictureFiles(paths.new_pictures), false};
  const fs::path tree = FindPathIgnoringCase(paths.pack_root / kTreeFile);
  if (fs::is_regular_file(fs::symlink_status(tree, ec))) {
    std::string text;
    try {
      text = ReadCategoryTreeText(tree);
      ParseCategoryTree(text, tree.string());  // a tree that the gallery cannot show is no update
    } catch (const std::exception& e) {
      throw DamagedUpdate(e.what(), SlovakMessage(e));
    }
    // Beside the old tree, so that putting it in place is one rename ("Data" may be a link to
    // another file system).
    GalleryInstallFileOperation();
    WriteFileAtomically(paths.new_tree, text);
    staged.tree = true;
  }
  if (staged.pictures.empty() && !staged.tree) {
    throw DamagedUpdate(pack.string() + " holds neither gallery pictures nor " +
                            std::string(kTreeFile) + "; it is not a gallery update",
                        "Balík " + pack.string() + " neobsahuje obrázky galérie ani " +
                            std::string(kTreeFile) + "; nie je to aktualizácia galérie");
  }
  return staged;
}

void Install(const fs::path& program_folder, const fs::path& pack, const fs::path& given,
             const ProgressStep& after_each_step, GalleryUpdateResult& result) {
  const GalleryInstallPaths paths = InstallPathsOf(program_folder);
  const Staged staged = Unpack(pack, paths, after_each_step, result);
  GalleryInstallFileOperation();
  // An old tree that cannot be looked at must not go unsaved: the update waits instead.
  std::error_code ec;
  const bool old_tree = fs::is_regular_file(paths.tree, ec);
  if (ec && ec != std::errc::no_such_file_or_directory) {
    throw CannotReadFile(paths.tree.string(), ec.value());
  }
  result.backup = BackUpGallery(program_folder, GalleryPictureFiles(paths.data),
                                staged.tree && old_tree, given, after_each_step);
  Progress progress{0, ProgressValue(staged.pictures.size())};
  InstallStagedGallery(paths, given.empty() ? pack.filename().string() : std::string(), [&] {
    if (progress.position < progress.maximum) ++progress.position;
    if (after_each_step) after_each_step(progress);
  });
  result.outcome = GalleryUpdateOutcome::kInstalled;
  result.pictures = staged.pictures.size();
  result.tree_replaced = staged.tree;
}

}  // namespace

bool GalleryUpdatePending(const fs::path& program_folder) {
  std::error_code ec;
  return fs::is_regular_file(
      FindPathIgnoringCase(GalleryFolder(program_folder) / kGalleryUpdatePack), ec);
}

GalleryUpdateResult InstallGalleryUpdate(const fs::path& program_folder,
                                         const ProgressStep& after_each_step,
                                         const fs::path& given) {
  GalleryUpdateResult result;
  if (import_running) {
    result.outcome = GalleryUpdateOutcome::kBusy;
    return result;
  }
  RunningImport running;
  const GalleryInstallPaths paths = InstallPathsOf(program_folder);
  const fs::path pack =
      given.empty() ? FindPathIgnoringCase(paths.data / kGalleryUpdatePack) : given;
  try {
    // An install cut short earlier is made whole first; it may have been this very pack's.
    RecoverGalleryInstall(program_folder);
    if (given.empty() && !GalleryUpdatePending(program_folder)) return result;
    Install(program_folder, pack, given, after_each_step, result);
  } catch (const DamagedUpdate& e) {
    result.outcome = GalleryUpdateOutcome::kDamaged;
    result.problem = e.what();
    DiscardStagedGallery(paths);
    if (given.empty()) result.pack_removed = Deleted(pack);
  } catch (const Error& e) {
    result.outcome = GalleryUpdateOutcome::kNotWritten;
    result.problem = e.what();
    result.problem_slovak = e.Slovak();
    // Left as it is when the old gallery could not be put back: the next start does it.
    if (!Exists(paths.journal)) DiscardStagedGallery(paths);
  }
  if (result.outcome == GalleryUpdateOutcome::kInstalled && given.empty()) {
    result.pack_removed = !Exists(pack);
  }
  return result;
}

GalleryRecovery RecoverGalleryUpdate(const fs::path& program_folder) {
  if (import_running) return GalleryRecovery::kNothing;
  return RecoverGalleryInstall(program_folder);
}

}  // namespace zorna
