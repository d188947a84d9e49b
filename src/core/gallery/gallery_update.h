#pragma once
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The gallery update: a pack "zorna.mk" delivered into the gallery folder ("Data") with new
// pictures and usually the entry "..\strom.trv" (relative to "Data", so the program folder's
// tree). The update replaces the whole gallery: all old pictures and the tree.
//
// A pack may be cut short by an interrupted download or be damaged, and the old gallery must
// never be lost to it. So the pack is first unpacked into a staging folder inside "Data", into a
// folder that stands for the program folder (its "Data" is where the entries start from, and no
// entry may leave it); only when the whole pack was read without error and holds a valid tree
// (if any) and at least one picture or the tree are the old ".iko" files and "strom.trv"
// replaced by the new ones. Entries other than the top-level ".iko" files and "..\strom.trv"
// are not installed. Should installing fail halfway (a file that cannot be renamed), the old
// pictures are put back and the old tree stays. The pack is deleted afterwards whatever the
// outcome, as an update is offered once.
namespace zorna {

inline constexpr std::string_view kGalleryUpdatePack = "zorna.mk";
// The staging folder in "Data"; its name starts with a dot, so no gallery mask reaches it.
inline constexpr std::string_view kGalleryUpdateStaging = ".zorna-update";

enum class GalleryUpdateOutcome {
  kNoUpdate,      // no "Data/zorna.mk": nothing done
  kInstalled,     // the new pictures and tree are in place
  kNotInstalled,  // damaged pack, or files that could not be written; the old gallery is kept
  kBusy,          // an import is running already (entered again from the pump); nothing done
};

struct GalleryUpdateResult {
  GalleryUpdateOutcome outcome = GalleryUpdateOutcome::kNoUpdate;
  // One line in English saying why, for kNotInstalled (the tool prints it; the window shows its
  // own Slovak message).
  std::string problem;
  size_t pictures = 0;         // kInstalled: pictures installed
  bool tree_replaced = false;  // kInstalled: "strom.trv" replaced
  // Stored names (UTF-8) that the pack reader did not write because they would leave the
  // program folder or pass a symbolic link; a pack holding any is not installed.
  std::vector<std::string> skipped;
  // False when the pack could not be deleted afterwards (it is then offered again next time).
  bool pack_removed = true;
};

// True when the program folder's "Data/zorna.mk" exists (either name in any letter case).
bool GalleryUpdatePending(const std::filesystem::path& program_folder);

// Installs the update as described above. after_each_step is called once per pack block while
// unpacking and once per picture while installing, so that the window can let its events
// through; PostupMaximum and PostupPozicia (support/progress.h) show the progress meanwhile and
// are -1 again afterwards. A call made while another one runs (from inside after_each_step)
// returns kBusy at once.
GalleryUpdateResult InstallGalleryUpdate(const std::filesystem::path& program_folder,
                                         const std::function<void()>& after_each_step = {});

// Removes a staging folder that an import interrupted by a crash left in "Data" (the pack is
// still there then, so the next import starts afresh). The window calls it at start; the import
// also does before it unpacks. Does nothing while an import runs.
void RemoveGalleryUpdateLeftovers(const std::filesystem::path& program_folder);

}  // namespace zorna
