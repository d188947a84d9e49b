#include "gallery/gallery_install.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>

#include "gallery/gallery_files.h"
#include "support/error.h"
#include "support/file_names.h"
#include "support/files.h"
#include "support/rename_no_replace.h"

namespace zorna {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kStepAside = "aside";
constexpr std::string_view kStepIn = "in";
constexpr std::string_view kStepBack = "back";

std::optional<size_t> stop_at;
GalleryInstallStop stop_how = GalleryInstallStop::kCrash;
size_t operations_done = 0;

struct Journal {
  std::string step;
  std::string delivered_pack;  // the pack in "Data" that a finished install deletes
};

void WriteJournal(const GalleryInstallPaths& paths, std::string_view step,
                  const std::string& delivered_pack) {
  GalleryInstallFileOperation();
  WriteFileAtomically(paths.journal, std::string(step) + "\n" + delivered_pack + "\n");
}

std::optional<Journal> ReadJournal(const GalleryInstallPaths& paths) {
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(paths.journal, ec))) return std::nullopt;
  const std::string text = ReadWholeFileText(paths.journal);
  const size_t first_end = text.find('\n');
  Journal journal{text.substr(0, first_end), {}};
  if (first_end != std::string::npos) {
    journal.delivered_pack = text.substr(first_end + 1);
    if (journal.delivered_pack.ends_with('\n')) journal.delivered_pack.pop_back();
  }
  if (journal.step != kStepAside && journal.step != kStepIn && journal.step != kStepBack) {
    throw Error("The journal " + paths.journal.string() + " names no step of an install",
                "Záznam " + paths.journal.string() + " nepomenúva žiadny krok inštalácie");
  }
  return journal;
}

[[noreturn]] void CannotMove(const fs::path& from, const fs::path& to, int error_number) {
  throw Error(
      "Cannot move " + from.string() + " to " + to.string() + ": " + ReasonEnglish(error_number),
      "Súbor " + from.string() + " sa nedá presunúť do " + to.string() + ": " +
          ReasonSlovak(error_number));
}

// Moves every gallery picture of one folder into another, never over a file there.
void MovePictures(const fs::path& from, const fs::path& to,
                  const std::function<void()>& after_each = {}) {
  for (const std::string& name : GalleryPictureFiles(from)) {
    GalleryInstallFileOperation();
    const RenameOutcome outcome = RenameWithoutReplacing(from / name, to / name);
    const int error_number = outcome == RenameOutcome::kTaken ? EEXIST : errno;
    if (outcome != RenameOutcome::kRenamed) CannotMove(from / name, to / name, error_number);
    if (after_each) after_each();
  }
}

// The new pictures in, then the new tree over the old one; both can be run again after a cut.
void MoveNewIn(const GalleryInstallPaths& paths, const std::function<void()>& after_each) {
  MovePictures(paths.new_pictures, paths.data, after_each);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(paths.new_tree, ec))) return;
  GalleryInstallFileOperation();
  if (std::rename(paths.new_tree.c_str(), paths.tree.c_str()) != 0) {
    CannotMove(paths.new_tree, paths.tree, errno);
  }
}

// The new gallery is whole: only now are the pack and the old pictures deleted. The journal
// goes before the rest of the staging folder, whose leftovers are then thrown away as such.
void Finish(const GalleryInstallPaths& paths, const std::string& delivered_pack) {
  if (!delivered_pack.empty()) {
    GalleryInstallFileOperation();
    ZmazSubor((paths.data / delivered_pack).string());
  }
  GalleryInstallFileOperation();
  ZmazSubor(paths.journal.string());
  GalleryInstallFileOperation();
  std::error_code ec;
  fs::remove_all(paths.staging, ec);
}

void MoveOldBack(const GalleryInstallPaths& paths, bool new_ones_in) {
  if (new_ones_in) {
    WriteJournal(paths, kStepBack, {});
    MovePictures(paths.data, paths.new_pictures);
    WriteJournal(paths, kStepAside, {});
  }
  MovePictures(paths.old_pictures, paths.data);
  DiscardStagedGallery(paths);
}

// After a failed step the old gallery is put back at once; should that fail too, the journal
// stays and the next start puts it back.
[[noreturn]] void UndoAfter(const Error& failure, const GalleryInstallPaths& paths,
                            bool new_ones_in) {
  try {
    MoveOldBack(paths, new_ones_in);
  } catch (const std::exception& undo) {
    const auto* error = dynamic_cast<const Error*>(&undo);
    throw Error(std::string(failure.what()) + "; the old gallery is put back at the next start (" +
                    undo.what() + ")",
                failure.Slovak() + "; stará galéria sa vráti pri ďalšom spustení (" +
                    (error ? error->Slovak() : std::string(undo.what())) + ")");
  }
  throw failure;
}

}  // namespace

GalleryInstallPaths InstallPathsOf(const fs::path& program_folder) {
  GalleryInstallPaths paths;
  paths.data = GalleryFolder(program_folder);
  paths.staging = paths.data / kGalleryUpdateStaging;
  paths.pack_root = paths.staging / "pack";
  paths.new_pictures = paths.pack_root / kGalleryFolder;
  paths.old_pictures = paths.staging / "old";
  paths.journal = paths.staging / "krok";
  paths.tree = TreeFilePath(program_folder);
  paths.new_tree = program_folder / ".strom.trv.zorna-update";
  return paths;
}

std::vector<std::string> GalleryPictureFiles(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec == std::errc::no_such_file_or_directory) return names;  // nothing left to move
  for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.front() != '.' && MatchesMask(name, "*.iko") && it->is_regular_file(ec) &&
        !it->is_symlink(ec)) {
      names.push_back(name);
    }
  }
  if (ec) throw CannotOpenFile(folder.string(), ec.value());
  std::sort(names.begin(), names.end());
  return names;
}

void InstallStagedGallery(const GalleryInstallPaths& paths, const std::string& delivered_pack,
                          const std::function<void()>& after_each_picture) {
  std::error_code ec;
  fs::create_directories(paths.old_pictures, ec);
  if (ec) throw CannotCreateFile(paths.old_pictures.string(), ec.value());
  WriteJournal(paths, kStepAside, delivered_pack);
  try {
    MovePictures(paths.data, paths.old_pictures);
    WriteJournal(paths, kStepIn, delivered_pack);
  } catch (const Error& e) {
    UndoAfter(e, paths, false);
  }
  try {
    MoveNewIn(paths, after_each_picture);
  } catch (const Error& e) {
    UndoAfter(e, paths, true);
  }
  // The new gallery is whole: a clean-up that fails leaves its rest to the next start.
  try {
    Finish(paths, delivered_pack);
  } catch (const Error&) {
  }
}

void DiscardStagedGallery(const GalleryInstallPaths& paths) {
  std::error_code ec;
  fs::remove(paths.new_tree, ec);
  fs::remove_all(paths.staging, ec);
}

GalleryRecovery RecoverGalleryInstall(const fs::path& program_folder) {
  const GalleryInstallPaths paths = InstallPathsOf(program_folder);
  const std::optional<Journal> journal = ReadJournal(paths);
  if (!journal) {
    DiscardStagedGallery(paths);
    return GalleryRecovery::kNothing;
  }
  if (journal->step == kStepIn) {
    MoveNewIn(paths, {});
    Finish(paths, journal->delivered_pack);
    return GalleryRecovery::kFinished;
  }
  MoveOldBack(paths, journal->step == kStepBack);
  return GalleryRecovery::kUndone;
}

void StopGalleryInstallAt(std::optional<size_t> at, GalleryInstallStop how) {
  stop_at = at;
  stop_how = how;
  operations_done = 0;
}

void GalleryInstallFileOperation() {
  const size_t number = operations_done++;
  if (!stop_at) return;
  if (stop_how == GalleryInstallStop::kCrash && number >= *stop_at) throw GalleryInstallCut{};
  if (stop_how == GalleryInstallStop::kFailure && number == *stop_at) {
    throw Error("Cannot write: the install was stopped here", "Zápis sa tu zastavil");
  }
}

}  // namespace zorna
