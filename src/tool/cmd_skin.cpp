// skin pack: every skin folder of a program folder into its pack, as the maintenance panel's
// "Skomprimuj skiny" does; skin draw (not listed in the help): writes our own skins, for the
// build's program folder.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "artwork/skin_art.h"
#include "command.h"
#include "shell/skin_folders.h"
#include "support/pack_file.h"

namespace zornatool {
namespace {

namespace fs = std::filesystem;

int PackSkinFolders(const std::string& home_text) {
  std::error_code ec;
  const fs::path home = fs::absolute(home_text, ec);
  if (ec || !fs::is_directory(home, ec)) {
    std::cerr << "zornatool: " << home_text << " is not a folder\n";
    return kExitFileError;
  }
  // One job a skin folder: no jobs, no skin folders.
  const std::vector<zorna::SkinPackJob> jobs = zorna::PackSkins(home);
  if (jobs.empty()) {
    std::cerr << "zornatool: no skin folders in " << zorna::SkinsFolder(home).string() << "\n";
    return kExitNothingFound;
  }
  int status = kExitOk;
  for (const zorna::SkinPackJob& job : jobs) {
    if (!job.result.completed) {
      std::cerr << "zornatool: " << job.name << ": " << job.result.problem << "\n";
      status = kExitFileError;
      continue;
    }
    const fs::path pack = zorna::SkinPackPath(home, job.name);
    std::cout << fs::relative(pack, home).string() << '\t' << job.files << " files\n";
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
  };
  auto options = std::make_shared<Options>();
  CLI::App* skin = app.add_subcommand(
      "skin", "Skins of a program folder: skin pack packs each skin folder into Skin/NAME.mk");
  skin->require_subcommand(1);
  CLI::App* pack = skin->add_subcommand(
      "pack",
      "Pack every skin folder of Skin/ into Skin/NAME.mk: each folder's subfolders' files before "
      "its own, folders starting with '.' left out; a pack is replaced only once it is complete. "
      "The program installs (and deletes) the packs it finds in Skin/ when it starts. Exit 0 "
      "when every skin was packed, 1 when one could not be, 3 when there are no skin folders");
  pack->add_option("-C,--directory", options->home, "program folder (default: the current folder)");
  CLI::App* draw = skin->add_subcommand("draw", "Write the program's own skins into Skin/");
  draw->group("");  // hidden: the build lays out the program folder with it
  draw->add_option("-C,--directory", options->home, "program folder");
  draw->add_option("--link", options->link, "the skins' author link");
  return [options, pack, draw]() -> int {
    if (pack->parsed()) return PackSkinFolders(options->home);
    if (draw->parsed()) return DrawOurSkins(options->home, options->link);
    return kExitBadArguments;
  };
});

}  // namespace
}  // namespace zornatool
