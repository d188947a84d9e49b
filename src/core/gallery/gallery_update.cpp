#include "gallery/gallery_update.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <system_error>

#include "gallery/category_tree.h"
#include "gallery/gallery_files.h"
#include "support/error.h"
#include "support/file_names.h"
#include "support/files.h"
#include "support/pack_file.h"
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

class InstallProgress {
 public:
  explicit InstallProgress(size_t count) {
    PostupMaximum = static_cast<int32_t>(std::min<size_t>(count, INT32_MAX));
    PostupPozicia = 0;
  }
  ~InstallProgress() { PostupMaximum = PostupPozicia = -1; }
  InstallProgress(const InstallProgress&) = delete;
  InstallProgress& operator=(const InstallProgress&) = delete;
  void Step() {
    if (PostupPozicia < PostupMaximum) ++PostupPozicia;
  }
};

void Pump(const std::function<void()>& after_each_step) {
  if (after_each_step) after_each_step();
}

void RemoveFolder(const fs::path& folder) {
  std::error_code ec;
  fs::remove_all(folder, ec);
}

bool IsGalleryPictureName(const std::string& name) {
  return name.front() != '.' && MatchesMask(name, "*.iko");
}

// The top-level ".iko" files of a folder, sorted.
std::vector<std::string> PictureFiles(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (IsGalleryPictureName(name) && it->is_regular_file(ec) && !it->is_symlink(ec)) {
      names.push_back(name);
    }
  }
  if (ec) throw CannotOpenFile(folder.string(), ec.value());
  std::sort(names.begin(), names.end());
  return names;
}

struct Staged {
  fs::path data;  // the staging folder's "Data"
  std::vector<std::string> pictures;
  std::optional<fs::path> tree;
};

Staged Unpack(const fs::path& pack, const fs::path& staging,
              const std::function<void()>& after_each_step, GalleryUpdateResult& result) {
  // The pack's own folder: no entry can reach the old pictures set aside beside it.
  const fs::path root = staging / "pack";
  Staged staged{root / kGalleryFolder, {}, std::nullopt};
  std::error_code ec;
  fs::create_directories(staged.data, ec);
  if (ec) throw CannotCreateFile(staged.data.string(), ec.value());
  // The pack's folder stands for the program folder: entries start from its "Data", and none
  // may leave it.
  const PackResult unpacked = RozbalArchiv(pack.string(), staged.data, root, after_each_step);
  if (!unpacked.completed) throw Error(unpacked.problem, unpacked.problem_slovak);
  if (unpacked.damaged_blocks > 0) {
    const std::string count = std::to_string(unpacked.damaged_blocks);
    throw Error(pack.string() + " is damaged: " + count +
                    (unpacked.damaged_blocks == 1 ? " block" : " blocks") +
                    " could not be decoded whole",
                "Balík " + pack.string() +
                    " je poškodený: blokov, ktoré sa nedali celé rozbaliť: " + count);
  }
  if (!unpacked.skipped.empty()) {
    result.skipped = unpacked.skipped;
    throw Error(
        pack.string() + " holds entries that would leave the program folder",
        "Balík " + pack.string() + " obsahuje položky, ktoré by vyšli z priečinka programu");
  }
  staged.pictures = PictureFiles(staged.data);
  const fs::path tree = FindPathIgnoringCase(root / kTreeFile);
  if (fs::is_regular_file(fs::symlink_status(tree, ec))) {
    ReadCategoryTree(tree);  // a tree that the gallery cannot show is no update
    staged.tree = tree;
  }
  if (staged.pictures.empty() && !staged.tree) {
    throw Error(pack.string() + " holds neither gallery pictures nor " + std::string(kTreeFile) +
                    "; it is not a gallery update",
                "Balík " + pack.string() + " neobsahuje obrázky galérie ani " +
                    std::string(kTreeFile) + "; nie je to aktualizácia galérie");
  }
  return staged;
}

void Rename(const fs::path& from, const fs::path& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0) {
    throw CannotCreateFile(to.string(), errno);
  }
}

// The old pictures are moved aside into the staging folder, the new ones moved in, and the tree
// replaced; should any step fail, the old pictures are moved back, so that the old gallery stays
// whole. Renames within one folder cost little: 2 000 pictures take milliseconds.
void Install(const Staged& staged, const fs::path& data, const fs::path& program_folder,
             const fs::path& staging, const std::function<void()>& after_each_step,
             GalleryUpdateResult& result) {
  const fs::path aside = staging / "old";
  std::error_code ec;
  fs::create_directory(aside, ec);
  if (ec) throw CannotCreateFile(aside.string(), ec.value());
  InstallProgress progress(staged.pictures.size());
  std::vector<std::string> moved_aside, moved_in;
  try {
    for (const std::string& name : PictureFiles(data)) {
      Rename(data / name, aside / name);
      moved_aside.push_back(name);
    }
    for (const std::string& name : staged.pictures) {
      Rename(staged.data / name, data / name);
      moved_in.push_back(name);
      progress.Step();
      Pump(after_each_step);
    }
    if (staged.tree) {
      // Written rather than renamed: "Data" may be a link to another file system.
      WriteFileAtomically(TreeFilePath(program_folder),
                          ReadWholeFile(*staged.tree, kTreeFileLimit));
    }
  } catch (const std::exception&) {
    for (const std::string& name : moved_in) ::unlink((data / name).c_str());
    for (const std::string& name : moved_aside) {
      std::rename((aside / name).c_str(), (data / name).c_str());
    }
    throw;
  }
  result.pictures = moved_in.size();
  result.tree_replaced = staged.tree.has_value();
}

}  // namespace

bool GalleryUpdatePending(const fs::path& program_folder) {
  std::error_code ec;
  return fs::is_regular_file(
      FindPathIgnoringCase(GalleryFolder(program_folder) / kGalleryUpdatePack), ec);
}

GalleryUpdateResult InstallGalleryUpdate(const fs::path& program_folder,
                                         const std::function<void()>& after_each_step) {
  GalleryUpdateResult result;
  if (import_running) {
    result.outcome = GalleryUpdateOutcome::kBusy;
    return result;
  }
  if (!GalleryUpdatePending(program_folder)) return result;
  RunningImport running;
  const fs::path data = GalleryFolder(program_folder);
  const fs::path pack = FindPathIgnoringCase(data / kGalleryUpdatePack);
  const fs::path staging = data / kGalleryUpdateStaging;
  RemoveFolder(staging);
  try {
    const Staged staged = Unpack(pack, staging, after_each_step, result);
    Install(staged, data, program_folder, staging, after_each_step, result);
    result.outcome = GalleryUpdateOutcome::kInstalled;
  } catch (const std::exception& e) {
    result.outcome = GalleryUpdateOutcome::kNotInstalled;
    result.problem = e.what();
  }
  RemoveFolder(staging);
  result.pack_removed = ZmazSubor(pack.string());
  return result;
}

void RemoveGalleryUpdateLeftovers(const fs::path& program_folder) {
  if (import_running) return;
  RemoveFolder(GalleryFolder(program_folder) / kGalleryUpdateStaging);
}

}  // namespace zorna
