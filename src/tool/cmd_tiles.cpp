// tiles (not listed in the help): the background pictures on one contact sheet, for looking
// over the artwork.
#include <memory>
#include <string>

#include "artwork/background_tiles.h"
#include "artwork/tile_sheet.h"
#include "command.h"
#include "picture/picture_file.h"

namespace zornatool {
namespace {

const RegisterCommand tiles_command([](CLI::App& app) -> std::function<int()> {
  auto sheet_path = std::make_shared<std::string>();
  CLI::App* sub = app.add_subcommand("tiles", "Write the background pictures on one sheet");
  sub->group("");  // hidden
  sub->add_option("-o", *sheet_path, "bitmap file to write")->required();
  return [sheet_path] {
    zorna::WriteBmpFile(*sheet_path,
                        zorna::MakeTileSheet(zorna::MakeImageList1(), zorna::MakeImageList2()));
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
