// gallery list: the picture numbers that choosing a category loads, in loading order.
#include <iostream>
#include <memory>
#include <string>

#include "gallery/gallery_files.h"
#include "gallery_command.h"

namespace zornatool {
namespace {

const RegisterGalleryCommand list_command([](CLI::App& group) -> std::function<int()> {
  struct Options {
    int category = 0;
    std::string home = ".";
  };
  auto options = std::make_shared<Options>();
  CLI::App* sub = group.add_subcommand(
      "list",
      "Print the picture numbers that choosing the category loads, in loading order, one a "
      "line: 0, 1, ... (32 x 32) up to the first missing file, then 500, 501, ... (64 x 64); "
      "status 3 when it loads none");
  AddCategoryArgument(sub, options->category);
  AddHomeOption(sub, options->home);
  return [options] {
    // Choosing the root loads nothing.
    RequireCategory(options->home, options->category, kExitNothingFound);
    const std::vector<int> numbers =
        zorna::CategoryPictureNumbers(zorna::GalleryFolder(options->home), options->category);
    for (int number : numbers) std::cout << number << '\n';
    if (numbers.empty()) {
      throw CommandFailure{kExitNothingFound,
                           "category " + std::to_string(options->category) + " has no pictures"};
    }
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
