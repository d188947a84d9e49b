#include "manual_page.h"

#include <sstream>

namespace zornatool {
namespace {

// Option names and usage lines are typed as they stand: their hyphens are minus signs.
std::string RoffLiteral(const std::string& text) {
  std::string out;
  for (const char c : RoffText(text)) {
    if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  return out;
}

bool Listed(const CLI::App* command) {
  return !command->get_name().empty() && !command->get_group().empty();
}

std::vector<const CLI::App*> ListedCommands(const CLI::App& app) {
  return app.get_subcommands([](const CLI::App* command) { return Listed(command); });
}

// "NAME [OPTIONS] ARGS..." as the first line of the command's help shows it.
std::string UsageLine(const CLI::Formatter& formatter, const CLI::App& command,
                      const std::string& name) {
  std::string usage = formatter.make_usage(&command, name);
  usage = usage.substr(0, usage.find('\n'));
  const std::string label = "Usage: ";
  return usage.rfind(label, 0) == 0 ? usage.substr(label.size()) : usage;
}

void Arguments(const CLI::Formatter& formatter, const CLI::App& command, std::ostream& out) {
  const auto shown = [&command](const CLI::Option* option) {
    return option != command.get_help_ptr() && option != command.get_help_all_ptr() &&
           !option->get_group().empty();
  };
  for (const bool positional : {true, false}) {
    for (const CLI::Option* option : command.get_options()) {
      if (option->get_positional() != positional || !shown(option)) continue;
      out << ".TP\n\\fB" << RoffLiteral(formatter.make_option_name(option, positional))
          << "\\fR\\fI" << RoffLiteral(formatter.make_option_opts(option)) << "\\fR\n"
          << RoffText(formatter.make_option_desc(option)) << "\n";
    }
  }
}

void Command(const CLI::Formatter& formatter, const CLI::App& command, const std::string& name,
             const std::string& parent_footer, std::ostream& out) {
  out << ".SS " << RoffLiteral(UsageLine(formatter, command, name)) << "\n"
      << RoffText(command.get_description()) << "\n";
  Arguments(formatter, command, out);
  const std::string footer = command.get_footer();
  if (!footer.empty() && footer != parent_footer) out << ".PP\n" << RoffText(footer) << "\n";
  for (const CLI::App* sub : ListedCommands(command)) {
    Command(formatter, *sub, name + " " + sub->get_name(), footer, out);
  }
}

}  // namespace

std::string RoffText(const std::string& text) {
  std::string out;
  bool line_start = true;
  for (const char c : text) {
    if (line_start && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\') {
      out += "\\e";
    } else {
      out += c;
    }
    line_start = c == '\n';
  }
  return out;
}

std::string ManualPage(const CLI::App& app, const ManualText& text) {
  const CLI::Formatter formatter;
  std::string summary = app.get_description();
  if (const std::string lead = text.program + ": "; summary.rfind(lead, 0) == 0) {
    summary = summary.substr(lead.size());
  }
  std::ostringstream out;
  out << ".TH " << text.title << " 1 \"\" \"" << text.footer << "\" \"User Commands\"\n"
      << ".SH NAME\n"
      << RoffLiteral(text.program) << " \\- " << RoffText(summary) << "\n"
      << ".SH SYNOPSIS\n"
      << text.synopsis << ".SH DESCRIPTION\n"
      << text.description << ".SH COMMANDS\n";
  for (const CLI::App* command : ListedCommands(app)) {
    Command(formatter, *command, text.program + " " + command->get_name(), app.get_footer(), out);
  }
  out << ".SH \"EXIT STATUS\"\n"
      << text.exit_status << ".SH ENVIRONMENT\n"
      << text.environment << ".SH FILES\n"
      << text.files << ".SH \"SEE ALSO\"\n"
      << text.see_also;
  return out.str();
}

}  // namespace zornatool
