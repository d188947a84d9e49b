#pragma once
#include <CLI/CLI.hpp>
#include <string>

namespace zornatool {

// The parts of a manual page that the commands' own definitions do not hold, in roff.
struct ManualText {
  std::string program;   // the command's name, "zornatool"
  std::string title;     // "ZORNATOOL"
  std::string footer;    // the centre footer, e.g. "Zorna 0.1.0"
  std::string synopsis;  // the body of SYNOPSIS
  std::string description;
  std::string exit_status;
  std::string environment;
  std::string files;
  std::string see_also;
};

// A manual page (section 1, roff) of a program whose commands are defined with CLI11. NAME is
// the application's description; COMMANDS holds every command listed in the help, nested ones
// under their group, each with its usage line, description, arguments, options and footer,
// taken from the same definitions that --help prints. Hidden commands and options stay out.
std::string ManualPage(const CLI::App& app, const ManualText& text);

// Text for a roff line: backslashes kept, and a leading "." or "'" not taken for a request.
std::string RoffText(const std::string& text);

}  // namespace zornatool
