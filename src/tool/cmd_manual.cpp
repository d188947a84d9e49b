// manual (not listed in the help): this program's manual page, written by the build from the
// same command definitions that --help prints, so that every command is in it.
#include <memory>
#include <string>

#include "command.h"
#include "manual_page.h"
#include "support/files.h"

namespace zornatool {
namespace {

ManualText ZornatoolText() {
  ManualText text;
  text.program = "zornatool";
  text.title = "ZORNATOOL";
  text.footer = std::string("Zorna ") + ZORNA_VERSION;
  text.synopsis =
      ".B zornatool\n.I command\n.RI [ options ] \" \" [ arguments ]\n.br\n"
      ".B zornatool\n.I command\n.B \\-\\-help\n.br\n"
      ".B zornatool\n.RB [ \\-\\-help | \\-\\-version ]\n";
  text.description =
      ".B zornatool\n"
      "does from the command line, with the same code, what the window program\n"
      ".BR zorna (1)\n"
      "does: it composes square pictures as the program picks them from the screen, adds a\n"
      "shadow and a frame, saves pictures as icons, PNG and JPEG files and two-state button\n"
      "strips, packs and unpacks the program's pack files (.mk), encodes and decodes gallery\n"
      "pictures (.iko), and works on the gallery and the skins of a program folder.\n"
      ".PP\n"
      "Commands that work on a program folder (the folder holding Skin/, Data/, strom.trv and\n"
      "pomoc/) take it with\n"
      ".BR \\-C ;\n"
      "without it they use the current folder. Texts are printed in UTF-8. Every command\n"
      "explains itself with\n"
      ".BR \\-\\-help .\n";
  text.exit_status =
      ".TP\n.B 0\nSuccess.\n"
      ".TP\n.B 1\nA file could not be read or written, or the input is damaged.\n"
      ".TP\n.B 2\nBad arguments.\n"
      ".TP\n.B 3\nA lookup (a category, an update, skin folders) found nothing.\n";
  text.environment =
      ".B zornatool\n"
      "reads no variable of its own: a program folder is always named with\n"
      ".BR \\-C .\n"
      ".TP\n.B ZORNA_HOME\n"
      "names the program folder of\n"
      ".BR zorna (1)\n"
      "only; to work on that folder, give it with\n"
      ".BR \"\\-C \\(dq$ZORNA_HOME\\(dq\" .\n";
  text.files =
      "Relative to the program folder:\n"
      ".TP\n.B strom.trv\nThe gallery's category tree.\n"
      ".TP\n.B Data/*.iko\nThe gallery's pictures; Data/zorna.mk is a gallery update waiting to "
      "be installed.\n"
      ".TP\n.B Záloha/galéria-YYYY-MM-DD-HHMMSS.mk\nWhat a gallery update replaced (the pictures "
      "and strom.trv), packed before it was installed; the last three are kept. "
      "\\fBgallery update \\-\\-pack\\fR with one brings that gallery back.\n"
      ".TP\n.B Skin/NAME/\nA skin; Skin/NAME.mk is a skin pack, installed when the program "
      "starts.\n"
      ".TP\n.B Balíky/\nThe packs made to hand on:\n.B gallery pack\nwrites Balíky/zorna.mk and\n"
      ".B skin pack\nBalíky/NAME.mk (unless\n.B \\-o\nchooses another place), never where the "
      "program installs packs from.\n"
      ".PP\n"
      "Where the program folders are:\n"
      ".TP\n.I $XDG_DATA_HOME/zorna/\n"
      "(by default\n.IR ~/.local/share/zorna/ )\n"
      "the program folder of each user of an installed\n.BR zorna (1),\n"
      "copied from the installed data at its first start.\n"
      ".TP\n.I /usr/share/zorna/\n"
      "the installed data (share/zorna/ beside the bin/ folder that holds the programs),\n"
      "read-only.\n";
  text.see_also = ".BR zorna (1)\n";
  return text;
}

const RegisterCommand manual_command([](CLI::App& app) -> std::function<int()> {
  auto file = std::make_shared<std::string>();
  CLI::App* sub = app.add_subcommand("manual", "Write this program's manual page");
  sub->group("");  // hidden: the build writes the page with it
  sub->add_option("-o", *file, "manual page file to write")->required();
  return [&app, file] {
    zorna::WriteFileAtomically(*file, ManualPage(app, ZornatoolText()));
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
