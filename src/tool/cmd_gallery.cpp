// gallery: the group of the gallery's commands (tree, list, search, add, update, import, and
// files, shift, encode, info, pack of the maintenance panel), over the same core code as the
// program.
#include <iostream>
#include <memory>
#include <utility>
#include <vector>

#include "gallery/gallery_files.h"
#include "gallery_command.h"

namespace zornatool {

std::vector<CommandSetup>& GalleryCommandRegistry::All() {
  static std::vector<CommandSetup> commands;
  return commands;
}

void AddHomeOption(CLI::App* sub, std::string& home) {
  sub->add_option("-C,--directory", home,
                  "the program folder, which holds strom.trv and Data (default: the current "
                  "folder)");
}

zorna::CategoryTree ReadHomeTree(const std::filesystem::path& home) {
  return zorna::ReadCategoryTree(zorna::TreeFilePath(home));
}

void AddCategoryArgument(CLI::App* sub, int& category) {
  sub->add_option("CATEGORY", category, "category number, as gallery tree prints it")
      ->required()
      ->check(CLI::NonNegativeNumber);
}

void RequireCategory(const std::filesystem::path& home, int category, int root_status) {
  const zorna::CategoryTree tree = ReadHomeTree(home);
  if (category < 0 || static_cast<size_t>(category) >= tree.size()) {
    throw CommandFailure{kExitNothingFound, "strom.trv has no category " +
                                                std::to_string(category) + " (it has " +
                                                std::to_string(tree.size()) + " nodes)"};
  }
  if (category == 0) {
    throw CommandFailure{root_status, "node 0 is the tree's root, never a category"};
  }
}

void AddListOptions(CLI::App* sub, ListOptions& options) {
  sub->add_option("--from", options.from, "first category of the range (default 0)")
      ->check(CLI::NonNegativeNumber);
  sub->add_option("--to", options.to, "last category of the range (default 200)")
      ->check(CLI::NonNegativeNumber);
  AddHomeOption(sub, options.home);
}

std::vector<zorna::GalleryFileEntry> ListRange(const ListOptions& options, bool required) {
  const std::filesystem::path data = zorna::GalleryFolder(options.home);
  std::error_code ec;
  if (!std::filesystem::is_directory(data, ec)) {
    throw CommandFailure{kExitFileError, data.string() + " is not a folder"};
  }
  std::vector<zorna::GalleryFileEntry> entries =
      zorna::ListGalleryFiles(data, options.from, options.to);
  if (required && entries.empty()) {
    throw CommandFailure{kExitNothingFound, "no gallery files in categories " +
                                                std::to_string(options.from) + " to " +
                                                std::to_string(options.to)};
  }
  return entries;
}

namespace {

const RegisterCommand gallery_command([](CLI::App& app) -> std::function<int()> {
  CLI::App* group = app.add_subcommand(
      "gallery", "The gallery: its category tree (strom.trv) and pictures (Data/*.iko)");
  group->require_subcommand(1);
  group->footer(
      "Exit status: 0 done, 1 a file that cannot be read or written or a damaged tree or pack, "
      "2 bad arguments, 3 a lookup that finds nothing.");
  auto runners = std::make_shared<std::vector<std::pair<CLI::App*, std::function<int()>>>>();
  for (const CommandSetup& setup : GalleryCommandRegistry::All()) {
    const size_t before = group->get_subcommands({}).size();
    std::function<int()> run = setup(*group);
    if (group->get_subcommands({}).size() > before) {
      runners->emplace_back(group->get_subcommands({}).back(), std::move(run));
    }
  }
  return [runners] {
    for (auto& [sub, run] : *runners) {
      if (!sub->parsed()) continue;
      try {
        return run();
      } catch (const CommandFailure& failure) {
        std::cerr << "zornatool: " << failure.message << "\n";
        return failure.status;
      }
    }
    return kExitBadArguments;
  };
});

}  // namespace
}  // namespace zornatool
