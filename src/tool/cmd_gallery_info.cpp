// gallery info: writes Data/info.txt, the list of pictures with their dates for downloading, as
// the maintenance panel's "Vytvor info.txt pre sťahovanie z netu" does.
#include <iostream>
#include <memory>
#include <string>

#include "gallery/gallery_files.h"
#include "gallery/maintenance_jobs.h"
#include "gallery_command.h"

namespace zornatool {
namespace {

const RegisterGalleryCommand info_command([](CLI::App& group) -> std::function<int()> {
  auto options = std::make_shared<ListOptions>();
  CLI::App* sub = group.add_subcommand(
      "info",
      "Write Data/info.txt for the files that gallery files lists: five empty lines, their "
      "number, then for each its number (5007) and its file's date and time "
      "(7.3.2024 9:05:03), in CR LF lines. Prints the file's name and the count; also written "
      "when none are listed");
  AddListOptions(sub, *options);
  return [options] {
    const auto entries = ListRange(*options, false);
    const std::filesystem::path written =
        zorna::WriteGalleryInfo(zorna::GalleryFolder(options->home), entries);
    std::cout << std::filesystem::relative(written, options->home).string() << '\t'
              << entries.size() << " entries\n";
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
