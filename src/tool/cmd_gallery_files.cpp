// gallery files: the maintenance panel's list of the gallery folder's numbered files.
#include <iostream>
#include <memory>
#include <string>

#include "gallery_command.h"

namespace zornatool {
namespace {

const RegisterGalleryCommand files_command([](CLI::App& group) -> std::function<int()> {
  auto options = std::make_shared<ListOptions>();
  CLI::App* sub = group.add_subcommand(
      "files",
      "Print the files of Data whose names begin with a digit and whose category lies in the "
      "range, sorted, one a line, with zeros in front up to 10 characters (at most three), as "
      "the maintenance panel lists them: 5007.iko is 005007.iko; status 3 when there are none");
  AddListOptions(sub, *options);
  return [options] {
    for (const zorna::GalleryFileEntry& entry : ListRange(*options, true)) {
      std::cout << entry.shown << '\n';
    }
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
