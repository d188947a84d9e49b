// gallery shift: moves the listed files to other categories, as the maintenance panel's
// "Posuň súbory" does.
#include <iostream>
#include <memory>
#include <string>

#include "gallery/gallery_files.h"
#include "gallery/maintenance_jobs.h"
#include "gallery_command.h"

namespace zornatool {
namespace {

std::string NameList(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
  return list;
}

const RegisterGalleryCommand shift_command([](CLI::App& group) -> std::function<int()> {
  struct Options : ListOptions {
    int by = 0;
  };
  auto options = std::make_shared<Options>();
  CLI::App* sub = group.add_subcommand(
      "shift",
      "Add D to the category of every file that gallery files lists, keeping its picture "
      "number and extension (5007.iko by +1 becomes 6007.iko), the highest categories first "
      "for a positive D and the lowest first for a negative one. A file whose new name is "
      "taken, or whose category would fall below 0, keeps its name: nothing is ever replaced. "
      "Prints the number moved; status 1 when some files were not moved, 3 when none are "
      "listed");
  sub->add_option("--by", options->by, "the shift D, added to each category")->required();
  AddListOptions(sub, *options);
  return [options] {
    const auto entries = ListRange(*options, true);
    const zorna::ShiftResult result =
        zorna::ShiftGalleryFiles(zorna::GalleryFolder(options->home), entries, options->by);
    std::cout << "moved " << result.moved << " files\n";
    if (result.NotMoved() == 0) return kExitOk;
    std::string why;
    if (!result.taken.empty()) why += "; new name taken: " + NameList(result.taken);
    if (!result.refused.empty()) why += "; category below 0: " + NameList(result.refused);
    if (!result.failed.empty()) why += "; cannot be renamed: " + NameList(result.failed);
    throw CommandFailure{kExitFileError,
                         std::to_string(result.NotMoved()) + " files not moved" + why};
  };
});

}  // namespace
}  // namespace zornatool
