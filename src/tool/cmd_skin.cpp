// skin pack: every skin folder of a program folder into its pack to hand on, Balíky/NAME.mk, as
// the maintenance panel's "Skomprimuj skiny" does; skin draw (not listed in the help): writes
// our own skins, for the build's program folder.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "artwork/skin_art.h"
#include "command.h"
#include "pack/pack_file.h"
#include "pack/packs_folder.h"
#include "settings/skin_folders.h"

namespace zornatool {
namespace {

namespace fs = std::filesystem;

int PackSkinFolders(const std::string& home_text, const std::string& output) {
  std::error_code ec;
  const fs::path home = fs::absolute(home_text, ec);
  if (ec || !fs::is_directory(home, ec)) {
    std::cerr << "zornatool: " << home_text << " is not a folder\n";
    return kExitFileError;
  }
  // One job a skin folder: no jobs, no skin folders.
  const std::vector<zorna::SkinPackJob> jobs =
      zorna::PackSkins(home, {}, output.empty() ? fs::path() : fs::absolute(output));
  if (jobs.empty()) {
    std::cerr << "zornatool: no skin folders in " << zorna::SkinsFolder(home).string() << "\n";
    return kExitNothingFound;
  }
  int status = kExitOk;
  for (const zorna::SkinPackJob& job : jobs) {
    for (const std::string& link : job.links) {
      std::cerr << "zornatool: skipped " << link << " (a symbolic link)\n";
    }
    if (!job.result.completed) {
      std::cerr << "zornatool: " << job.name << ": " << job.result.problem << "\n";
      status = kExitFileError;
      continue;
    }
    if (job.pack.empty()) continue;
    const fs::path shown = output.empty() ? zorna::ShownPackPath(job.pack, home)
                                          : fs::path(output) / job.pack.filename();
    std::cout << shown.string() << '\t' << job.files << " files\n";
  }
  return status;
}

int DrawOurSkins(const std::string& home, const std::string& link) {
  for (const zorna::SkinDesign& design : zorna::OurSkins()) {
    zorna::WriteSkinFolder(zorna::SkinsFolder(home) / design.name, zorna::DrawSkin(design), link);
  }
  return kExitOk;
}

const RegisterCommand skin_command([](CLI::App& app) -> std::function<int()> {
  struct Options {
    std::string home = ".";
    std::string link;
    std::string output;
  };
  auto options = std::make_shared<Options>();
  CLI::App* skin = app.add_subcommand(
      "skin", "Skins of a program folder: skin pack packs each skin folder into Balíky/NAME.mk");
  skin->require_subcommand(1);
  CLI::App* pack = skin->add_subcommand(
      "pack",
      "Pack every skin folder of Skin/ into a pack to hand on, Balíky/NAME.mk (or NAME.mk in the "
      "-o folder): each folder's subfolders' files before its own, folders starting with '.' "
      "left out, symbolic links never followed (each is named on stderr); a pack is replaced "
      "only once it is complete. Dropped into Skin/ of a program folder, a pack is installed "
      "(and deleted) when the program starts. Prints where each pack is (relative to the "
      "program folder, or in the -o folder as given), a tab and the number of files. Exit 0 when "
      "every skin was packed, 1 when one could not be, 3 when there are no skin folders");
  pack->add_option("-C,--directory", options->home, "program folder (default: the current folder)");
  pack->add_option("-o,--output", options->output,
                   "folder for the packs (default: Balíky/ of the program folder)")
      ->type_name("FOLDER");
  CLI::App* draw = skin->add_subcommand("draw", "Write the program's own skins into Skin/");
  draw->group("");  // hidden: the build lays out the program folder with it
  draw->add_option("-C,--directory", options->home, "program folder");
  draw->add_option("--link", options->link, "the skins' author link");
  return [options, pack, draw]() -> int {
    if (pack->parsed()) return PackSkinFolders(options->home, options->output);
    if (draw->parsed()) return DrawOurSkins(options->home, options->link);
    return kExitBadArguments;
  };
});

}  // namespace
}  // namespace zornatool
