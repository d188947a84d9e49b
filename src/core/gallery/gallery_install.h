#pragma once
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Putting a staged gallery update in place so that a crash at any moment leaves, once the
// recovery has run, either the whole old gallery or the whole new one, never a mix.
//
// The new pictures wait in the staging folder ("Data/.zorna-update/pack/Data") and the new tree
// beside the old one; the journal ("Data/.zorna-update/krok") names the step reached:
//   (none)  nothing in the gallery has changed yet: the staged files are thrown away;
//   aside   the old pictures are being moved into "Data/.zorna-update/old", and no new picture is
//           in "Data" yet: they are moved back;
//   in      every old picture is aside and the new ones are being moved in, the tree renamed
//           over the old one and the pack deleted: this is finished;
//   back    an install that failed is being undone: the new pictures are moved back out of
//           "Data", then the step is "aside".
// Old pictures are deleted only once every new file is in place. Each step can be done again
// after a crash inside it, so the recovery may itself be cut and run again.
namespace zorna {

// The staging folder in "Data"; its name starts with a dot, so no gallery mask reaches it.
inline constexpr std::string_view kGalleryUpdateStaging = ".zorna-update";

struct GalleryInstallPaths {
  std::filesystem::path data;          // the gallery folder
  std::filesystem::path staging;       // data/.zorna-update
  std::filesystem::path new_pictures;  // staging/pack/Data, where the pack is unpacked
  std::filesystem::path pack_root;     // staging/pack, which stands for the program folder
  std::filesystem::path old_pictures;  // staging/old
  std::filesystem::path journal;       // staging/krok
  std::filesystem::path tree;          // the program folder's "strom.trv"
  std::filesystem::path new_tree;      // the new tree beside it, until it is renamed over it
};
GalleryInstallPaths InstallPathsOf(const std::filesystem::path& program_folder);

// The top-level ".iko" files of a folder (regular files, no links), sorted. Throws Error when
// the folder cannot be read.
std::vector<std::string> GalleryPictureFiles(const std::filesystem::path& folder);

// Installs what is staged: the old pictures go aside, the new ones in, the new tree (when there
// is one) over the old, then the pack in "Data" named delivered_pack (none when empty) and the
// staging folder are deleted. after_each_picture is called after each new picture is in place.
// Should a step fail, what was done is undone and Error is thrown (with the old gallery back);
// should the undoing fail too, the journal stays for the recovery at the next start.
void InstallStagedGallery(const GalleryInstallPaths& paths, const std::string& delivered_pack,
                          const std::function<void()>& after_each_picture);

// Throws away what an install staged before it changed anything (the staging folder and the new
// tree beside the old one).
void DiscardStagedGallery(const GalleryInstallPaths& paths);

enum class GalleryRecovery {
  kNothing,   // no install was interrupted (leftovers of one that changed nothing are removed)
  kFinished,  // an interrupted install was finished: the new gallery is in place
  kUndone,    // an interrupted install was undone: the old gallery is back, its pack kept
};
// Finishes or undoes an install interrupted by a crash, as its journal says. Throws Error when a
// step cannot be done; the journal then stays for another try.
GalleryRecovery RecoverGalleryInstall(const std::filesystem::path& program_folder);

// For tests: the install stops at its file operation number `at` (from 0), either as at a crash
// (GalleryInstallCut, which no handler of the install catches, and so does every operation
// after it) or as when that one operation fails (Error, as a full disk or a refused rename
// gives); nullopt for no stop.
struct GalleryInstallCut {};
enum class GalleryInstallStop { kCrash, kFailure };
void StopGalleryInstallAt(std::optional<size_t> at,
                          GalleryInstallStop how = GalleryInstallStop::kCrash);
// Counts a file operation of the install, and stops it where a test asked.
void GalleryInstallFileOperation();

}  // namespace zorna
