#pragma once
// The commands of "zornatool gallery": each registers itself from its own file as a subcommand
// of the group, as the top-level commands do.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "command.h"
#include "gallery/category_tree.h"
#include "gallery/maintenance_list.h"

namespace zornatool {

struct GalleryCommandRegistry {
  static std::vector<CommandSetup>& All();
};

struct RegisterGalleryCommand {
  explicit RegisterGalleryCommand(CommandSetup setup) {
    GalleryCommandRegistry::All().push_back(std::move(setup));
  }
};

// "-C HOME": the program folder, the current folder by default.
void AddHomeOption(CLI::App* sub, std::string& home);

// A command that ends early: its status and the line it prints on stderr.
struct CommandFailure {
  int status;
  std::string message;
};

// The tree of the program folder. A tree that cannot be read or is damaged throws zorna::Error.
zorna::CategoryTree ReadHomeTree(const std::filesystem::path& home);

// The CATEGORY argument: a category number as gallery tree prints it.
void AddCategoryArgument(CLI::App* sub, int& category);

// The category must be a node of the home's tree (CommandFailure with kExitNothingFound
// otherwise) and not node 0, the root, which is never a category (CommandFailure with
// root_status). A tree that cannot be read throws zorna::Error.
void RequireCategory(const std::filesystem::path& home, int category, int root_status);

// "--from A --to B" and "-C HOME": the categories whose files the maintenance commands work
// on, 0 to 200 by default as in the program's maintenance panel, and the program folder.
struct ListOptions {
  int64_t from = 0;
  int64_t to = 200;
  std::string home = ".";
};
void AddListOptions(CLI::App* sub, ListOptions& options);

// The files of the home's gallery folder in the range, as the panel lists them. A gallery
// folder that is missing or not a folder is a CommandFailure with kExitFileError; an empty list
// one with kExitNothingFound when required is set.
std::vector<zorna::GalleryFileEntry> ListRange(const ListOptions& options, bool required);

}  // namespace zornatool
