#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "gallery/gallery_install.h"
#include "support/progress.h"

// The gallery update: a pack "zorna.mk" delivered into the gallery folder ("Data") with new
// pictures and usually the entry "..\strom.trv" (relative to "Data", so the program folder's
// tree). The update replaces the whole gallery: all old pictures and the tree.
//
// A pack may be cut short by an interrupted download or be damaged, and the old gallery must
// never be lost to it. So the pack is first unpacked into a staging folder inside "Data", into a
// folder that stands for the program folder (its "Data" is where the entries start from, and no
// entry may leave it); only when the whole pack was read without error and holds a valid tree
// (if any) and at least one picture or the tree is anything replaced. Entries other than the
// top-level ".iko" files and "..\strom.trv" are not installed. What is replaced is first packed
// into a backup (gallery_backup.h), then installed step by step under a journal
// (gallery_install.h), so that neither a failed file operation nor a crash leaves a mix.
//
// A damaged pack is deleted afterwards, as an update is offered once; a pack that could not be
// installed because a file could not be read or written is kept for another try.
namespace zorna {

inline constexpr std::string_view kGalleryUpdatePack = "zorna.mk";

enum class GalleryUpdateOutcome {
  kNoUpdate,    // no "Data/zorna.mk" and no pack given: nothing done
  kInstalled,   // the new pictures and tree are in place
  kDamaged,     // the pack is damaged, hostile or no gallery update: the old gallery is kept
  kNotWritten,  // a file could not be read or written: the old gallery and the pack are kept
  kBusy,        // an import is running already (entered again from the pump); nothing done
};

struct GalleryUpdateResult {
  GalleryUpdateOutcome outcome = GalleryUpdateOutcome::kNoUpdate;
  // One line saying why, for kDamaged and kNotWritten: in English for the tool, in Slovak for
  // the window (which says a damaged pack in words of its own).
  std::string problem;
  std::string problem_slovak;
  size_t pictures = 0;         // kInstalled: pictures installed
  bool tree_replaced = false;  // kInstalled: "strom.trv" replaced
  // kInstalled: the backup of what was replaced, relative to the program folder; empty when
  // the update replaced nothing.
  std::filesystem::path backup;
  // Stored names (UTF-8) that the pack reader did not write because they would leave the
  // program folder or pass a symbolic link; a pack holding any is not installed.
  std::vector<std::string> skipped;
  // False when a delivered pack that was to go could not be deleted (it is then offered again).
  bool pack_removed = true;
};

// True when the program folder's "Data/zorna.mk" exists (either name in any letter case).
bool GalleryUpdatePending(const std::filesystem::path& program_folder);

// Installs the delivered update as described above, or the given pack when `pack` is not empty
// (a backup, to bring an old gallery back); a given pack is never deleted. after_each_step is
// told the progress once per pack block while unpacking and backing up and once per picture
// while installing (pictures installed of their count), so that the window can show it and let
// its events through. An install interrupted earlier is recovered first. A call made while another
// one runs (from inside after_each_step) returns kBusy at once.
GalleryUpdateResult InstallGalleryUpdate(const std::filesystem::path& program_folder,
                                         const ProgressStep& after_each_step = {},
                                         const std::filesystem::path& pack = {});

// Finishes or undoes an install that a crash interrupted (RecoverGalleryInstall); the window
// runs it at start, the tool before it installs. Does nothing while an import runs. Throws Error
// when a step cannot be done.
GalleryRecovery RecoverGalleryUpdate(const std::filesystem::path& program_folder);

}  // namespace zorna
