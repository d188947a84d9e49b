// gallery update: installs a delivered gallery update (Data/zorna.mk) as the program does when
// it starts, or a given pack such as a backup.
#include <iostream>
#include <memory>
#include <string>

#include "gallery/gallery_update.h"
#include "gallery_command.h"

namespace zornatool {
namespace {

struct UpdateOptions {
  std::string home = ".";
  std::string pack;
};

void SayRecovery(zorna::GalleryRecovery recovery) {
  if (recovery == zorna::GalleryRecovery::kFinished) {
    std::cerr << "zornatool: an interrupted update was finished\n";
  } else if (recovery == zorna::GalleryRecovery::kUndone) {
    std::cerr << "zornatool: an interrupted update was undone, the old gallery is back\n";
  }
}

const RegisterGalleryCommand update_command([](CLI::App& group) -> std::function<int()> {
  auto options = std::make_shared<UpdateOptions>();
  CLI::App* sub = group.add_subcommand(
      "update",
      "Install the gallery update Data/zorna.mk as the program does at start-up: the pictures "
      "and strom.trv of a whole, undamaged pack replace the old ones, which are first packed "
      "into the backup Záloha/galéria-YYYY-MM-DD-HHMMSS.mk (the last three are kept); a damaged "
      "pack changes nothing and is deleted; a pack that could not be installed because a file "
      "could not be read or written is kept; status 3 when there is no update. An install cut "
      "short by a crash is finished or undone first. Prints \"installed N pictures\" (and "
      "\"and strom.trv\"), then \"backup<TAB>PATH\" with the backup's path relative to the "
      "program folder when anything was replaced");
  AddHomeOption(sub, options->home);
  sub->add_option("--pack", options->pack,
                  "install this pack instead of Data/zorna.mk, for example a backup to bring "
                  "the old gallery back; it is not deleted");
  return [options] {
    const std::string& home = options->home;
    SayRecovery(zorna::RecoverGalleryUpdate(home));
    const zorna::GalleryUpdateResult result = zorna::InstallGalleryUpdate(home, {}, options->pack);
    for (const std::string& skipped : result.skipped) {
      std::cerr << "zornatool: skipped " << skipped << "\n";
    }
    if (!result.pack_removed) std::cerr << "zornatool: the pack could not be deleted\n";
    switch (result.outcome) {
      case zorna::GalleryUpdateOutcome::kNoUpdate:
        throw CommandFailure{kExitNothingFound, "there is no gallery update (Data/zorna.mk)"};
      case zorna::GalleryUpdateOutcome::kInstalled:
        std::cout << "installed " << result.pictures << " pictures"
                  << (result.tree_replaced ? " and strom.trv" : "") << "\n";
        if (!result.backup.empty()) std::cout << "backup\t" << result.backup.string() << "\n";
        return result.pack_removed ? kExitOk : kExitFileError;
      case zorna::GalleryUpdateOutcome::kNotWritten:
        std::cerr << "zornatool: the update was not installed, the old gallery and the pack are "
                     "kept: "
                  << result.problem << "\n";
        return kExitFileError;
      case zorna::GalleryUpdateOutcome::kDamaged:
      case zorna::GalleryUpdateOutcome::kBusy:
        break;
    }
    std::cerr << "zornatool: the update was not installed, the old gallery is kept: "
              << result.problem << "\n";
    return kExitFileError;
  };
});

}  // namespace
}  // namespace zornatool
