// gallery pack: packs the listed files and the tree into the gallery update Data/zorna.mk, as the
// maintenance panel's "Skomprimuj obrázky" does.
#include <iostream>
#include <memory>
#include <string>

#include "gallery/maintenance_jobs.h"
#include "gallery_command.h"

namespace zornatool {
namespace {

const RegisterGalleryCommand pack_command([](CLI::App& group) -> std::function<int()> {
  auto options = std::make_shared<ListOptions>();
  CLI::App* sub = group.add_subcommand(
      "pack",
      "Pack the files that gallery files lists, under their own names, and strom.trv as "
      "..\\strom.trv into the gallery update Data/zorna.mk, which gallery update (and the "
      "program at start-up) installs in place of the whole gallery. The pack is made as "
      "Data/zorna.__ and renamed only once complete, so a failure keeps the old zorna.mk. "
      "Prints the pack's name and the number of files");
  AddListOptions(sub, *options);
  return [options] {
    const auto entries = ListRange(*options, false);
    const zorna::GalleryPackResult result = zorna::PackGallery(options->home, entries);
    if (!result.pack.completed) throw CommandFailure{kExitFileError, result.pack.problem};
    std::cout << std::filesystem::relative(result.written, options->home).string() << '\t'
              << result.files << " files\n";
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
