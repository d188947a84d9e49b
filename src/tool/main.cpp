// zornatool: batch work over the same core that the program runs.
#include <iostream>

#include "command.h"
#include "support/error.h"

namespace zornatool {

std::vector<CommandSetup>& CommandRegistry::All() {
  static std::vector<CommandSetup> commands;
  return commands;
}

}  // namespace zornatool

int main(int argc, char** argv) {
  using namespace zornatool;
  CLI::App app{
      "zornatool: makes small square pictures, icons, button strips and packs from the command "
      "line"};
  app.set_version_flag("--version", std::string("zornatool ") + ZORNA_VERSION);
  app.require_subcommand(0, 1);
  std::vector<std::pair<CLI::App*, std::function<int()>>> runners;
  for (auto& setup : CommandRegistry::All()) {
    const size_t before = app.get_subcommands({}).size();
    auto run = setup(app);
    auto subs = app.get_subcommands({});
    if (subs.size() > before) runners.emplace_back(subs.back(), std::move(run));
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "zornatool: " << e.what() << "\n";
    return kExitBadArguments;
  }
  for (auto& [sub, run] : runners) {
    if (!sub->parsed()) continue;
    try {
      return run();
    } catch (const zorna::Error& e) {
      std::cerr << "zornatool: " << e.what() << "\n";
      return kExitFileError;
    } catch (const std::exception& e) {
      std::cerr << "zornatool: " << e.what() << "\n";
      return kExitFileError;
    }
  }
  std::cout << app.help();
  return kExitOk;
}
