// gallery tree: every node of strom.trv with its category number and depth.
#include <iostream>
#include <memory>
#include <string>

#include "gallery_command.h"

namespace zornatool {
namespace {

const RegisterGalleryCommand tree_command([](CLI::App& group) -> std::function<int()> {
  auto home = std::make_shared<std::string>(".");
  CLI::App* sub = group.add_subcommand(
      "tree",
      "Print every node of strom.trv, one a line: its number (the category number), depth and "
      "caption (UTF-8), separated by tabs");
  AddHomeOption(sub, *home);
  return [home] {
    const zorna::CategoryTree tree = ReadHomeTree(*home);
    for (size_t i = 0; i < tree.size(); ++i) {
      std::cout << i << '\t' << tree[i].depth << '\t' << tree[i].caption << '\n';
    }
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
