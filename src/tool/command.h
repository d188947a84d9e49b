#pragma once
#include <CLI/CLI.hpp>
#include <functional>
#include <vector>

namespace zornatool {

// Exit statuses shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitFileError = 1;
constexpr int kExitBadArguments = 2;
constexpr int kExitNothingFound = 3;

// A command adds its subcommand to the application and returns the function that runs it once
// its options are parsed. Commands register themselves from their own source file.
using CommandSetup = std::function<std::function<int()>(CLI::App& app)>;

struct CommandRegistry {
  static std::vector<CommandSetup>& All();
};

struct RegisterCommand {
  explicit RegisterCommand(CommandSetup setup) {
    CommandRegistry::All().push_back(std::move(setup));
  }
};

}  // namespace zornatool
