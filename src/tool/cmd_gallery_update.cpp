// gallery update: installs a delivered gallery update (Data/zorna.mk) as the program does when
// it starts.
#include <iostream>
#include <memory>
#include <string>

#include "gallery/gallery_update.h"
#include "gallery_command.h"

namespace zornatool {
namespace {

const RegisterGalleryCommand update_command([](CLI::App& group) -> std::function<int()> {
  auto home = std::make_shared<std::string>(".");
  CLI::App* sub = group.add_subcommand(
      "update",
      "Install the gallery update Data/zorna.mk as the program does at start-up: the pictures "
      "and strom.trv of a whole, undamaged pack replace the old ones; a damaged pack changes "
      "nothing; the pack is deleted either way; status 3 when there is no update");
  AddHomeOption(sub, *home);
  return [home] {
    zorna::RemoveGalleryUpdateLeftovers(*home);
    const zorna::GalleryUpdateResult result = zorna::InstallGalleryUpdate(*home);
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
        return result.pack_removed ? kExitOk : kExitFileError;
      case zorna::GalleryUpdateOutcome::kNotInstalled:
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
