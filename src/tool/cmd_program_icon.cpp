// program-icon (not listed in the help): the program's icon in every size, as the desktop's
// icon theme holds it (SIZExSIZE/apps/zorna.png), for the build's install tree.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "artwork/program_icon.h"
#include "command.h"
#include "picture/png_file.h"
#include "support/files.h"

namespace zornatool {
namespace {

const RegisterCommand program_icon_command([](CLI::App& app) -> std::function<int()> {
  auto theme = std::make_shared<std::string>();
  CLI::App* sub = app.add_subcommand("program-icon", "Write the program's icon into an icon theme");
  sub->group("");  // hidden
  sub->add_option("-o", *theme, "the icon theme's folder (hicolor)")->required();
  return [theme] {
    for (const int side : zorna::ProgramIconSizes()) {
      const std::string size = std::to_string(side) + "x" + std::to_string(side);
      const std::filesystem::path folder = std::filesystem::path(*theme) / size / "apps";
      std::error_code ec;
      std::filesystem::create_directories(folder, ec);
      zorna::WriteFileAtomically(folder / "zorna.png",
                                 zorna::EncodePng(zorna::DrawProgramIcon(side)));
    }
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
