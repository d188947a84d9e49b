// gallery pack: packs the listed files and the tree into a gallery pack to hand on,
// Balíky/zorna.mk, as the maintenance panel's "Skomprimuj obrázky" does.
#include <iostream>
#include <memory>
#include <string>

#include "gallery/maintenance_jobs.h"
#include "gallery_command.h"
#include "pack/packs_folder.h"

namespace zornatool {
namespace {

const RegisterGalleryCommand pack_command([](CLI::App& group) -> std::function<int()> {
  struct Options : ListOptions {
    std::string output;
  };
  auto options = std::make_shared<Options>();
  CLI::App* sub = group.add_subcommand(
      "pack",
      "Pack the files that gallery files lists, under their own names, and strom.trv as "
      "..\\strom.trv into a gallery pack to hand on, Balíky/zorna.mk (or -o FILE), which the "
      "program does not install itself; placed as Data/zorna.mk of a program folder, it "
      "replaces that whole gallery at its next start. The pack is written under a "
      "temporary name and renamed only once complete, so a failure keeps the old one. Prints "
      "where the pack is (relative to the program folder, or -o as given), a tab and the number "
      "of files");
  AddListOptions(sub, *options);
  sub->add_option("-o,--output", options->output,
                  "pack file to write (default: Balíky/zorna.mk of the program folder)")
      ->type_name("FILE");
  return [options] {
    const auto entries = ListRange(*options, false);
    const zorna::GalleryPackResult result =
        zorna::PackGallery(options->home, entries, {}, options->output);
    if (!result.pack.completed) throw CommandFailure{kExitFileError, result.pack.problem};
    const std::filesystem::path shown = options->output.empty()
                                            ? zorna::ShownPackPath(result.written, options->home)
                                            : std::filesystem::path(options->output);
    std::cout << shown.string() << '\t' << result.files << " files\n";
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
