// pack, unpack and list: the program's pack files (".mk") from the command line, through the
// same routines that the program runs.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "pack/pack_file.h"

namespace zornatool {
namespace {

// Says what went wrong with the job, one line each; 0 when nothing did.
int Report(const zorna::PackResult& result, const std::string& pack) {
  for (const std::string& skipped : result.skipped) {
    std::cerr << "zornatool: skipped " << skipped << "\n";
  }
  for (const std::string& entry : result.damaged_entries) {
    std::cerr << "zornatool: " << pack << " is damaged: a block of " << entry
              << " could not be decoded whole\n";
  }
  if (!result.completed) std::cerr << "zornatool: " << result.problem << "\n";
  const bool clean = result.completed && result.skipped.empty() && result.damaged_blocks == 0;
  return clean ? kExitOk : kExitFileError;
}

const RegisterCommand pack_command([](CLI::App& app) -> std::function<int()> {
  struct Options {
    std::string pack;
    std::vector<std::string> files;
  };
  auto options = std::make_shared<Options>();
  CLI::App* sub = app.add_subcommand(
      "pack", "Pack files into a pack file (.mk); each FILE's text is the name stored");
  sub->add_option("-o,--output", options->pack, "pack file to write")->required();
  sub->add_option("FILE", options->files, "files to pack, named as they will be unpacked")
      ->required();
  return
      [options] { return Report(zorna::ZbalSubory(options->files, options->pack), options->pack); };
});

const RegisterCommand unpack_command([](CLI::App& app) -> std::function<int()> {
  struct Options {
    std::string pack;
    std::string folder = ".";
    std::string root;
  };
  auto options = std::make_shared<Options>();
  CLI::App* sub = app.add_subcommand(
      "unpack", "Unpack a pack file; no entry is written outside the root folder");
  sub->add_option("PACK", options->pack, "pack file to read")->required();
  sub->add_option("-C,--directory", options->folder,
                  "folder that relative names start from (default: the current folder)");
  sub->add_option("--root", options->root,
                  "folder that no entry may leave (default: the -C folder); absolute names "
                  "with a Skin folder go below its Skin");
  return [options] {
    const std::string root = options->root.empty() ? options->folder : options->root;
    return Report(zorna::RozbalArchiv(options->pack, options->folder, root), options->pack);
  };
});

std::string MethodList(const std::vector<uint8_t>& methods) {
  if (methods.empty()) return "-";
  std::string text;
  for (uint8_t method : methods) {
    if (!text.empty()) text += ',';
    text += std::to_string(method);
  }
  return text;
}

const RegisterCommand list_command([](CLI::App& app) -> std::function<int()> {
  auto pack = std::make_shared<std::string>();
  CLI::App* sub = app.add_subcommand(
      "list", "List a pack file: name, size in bytes, block count and methods, tab-separated");
  sub->add_option("PACK", *pack, "pack file to read")->required();
  return [pack] {
    const zorna::PackListing listing = zorna::ListPack(*pack);
    for (const zorna::PackEntryInfo& entry : listing.entries) {
      std::cout << entry.name << '\t' << entry.size << '\t' << entry.blocks << '\t'
                << MethodList(entry.methods) << '\n';
    }
    std::cout.flush();
    return Report(listing.result, *pack);
  };
});

}  // namespace
}  // namespace zornatool
