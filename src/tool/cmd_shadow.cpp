// shadow: the shadow editor's drop shadow and frame added to a result picture, as OK in the
// editor puts them into the result.
#include <map>
#include <memory>
#include <string>

#include "command.h"
#include "composition/shadow_frame.h"
#include "picture/picture_file.h"
#include "picture/standard_colors.h"
#include "result_picture.h"

namespace zornatool {
namespace {

struct ShadowOptions {
  std::string source;
  std::string output;
  std::string direction = "none";
  int offset = 2;
  int color = 7;
  int frame = 0;
  int frame_color = 0;
};

const std::map<std::string, zorna::ShadowDirection>& Directions() {
  static const std::map<std::string, zorna::ShadowDirection> directions = {
      {"none", zorna::ShadowDirection::kNone},
      {"lower-right", zorna::ShadowDirection::kLowerRight},
      {"upper-left", zorna::ShadowDirection::kUpperLeft},
      {"upper-right", zorna::ShadowDirection::kUpperRight},
      {"lower-left", zorna::ShadowDirection::kLowerLeft}};
  return directions;
}

int Run(const ShadowOptions& options) {
  const auto picture = ReadResultPicture(options.source);
  if (!picture) return kExitBadArguments;
  zorna::ShadowFrameSettings settings;
  settings.direction = Directions().at(options.direction);
  settings.offset = options.offset;
  settings.shadow_color = zorna::kStandardColors[static_cast<size_t>(options.color)];
  settings.frame = options.frame;
  settings.frame_color = zorna::kStandardColors[static_cast<size_t>(options.frame_color)];
  zorna::WriteBmpFile(options.output, zorna::ShadowAndFrame(*picture, picture->Width(), settings));
  return kExitOk;
}

const RegisterCommand shadow_command([](CLI::App& app) -> std::function<int()> {
  auto options = std::make_shared<ShadowOptions>();
  CLI::App* sub = app.add_subcommand(
      "shadow",
      "Add a drop shadow and a frame to a square result picture, as the program's "
      "\"Tieň a obrys obrázka\" does, and write it as a 24-bit BMP");
  sub->add_option("SRC", options->source, "BMP or JPEG picture, square: the result")->required();
  sub->add_option("-o,--output", options->output, "bitmap file to write")->required();
  sub->add_option("--direction", options->direction,
                  "where the shadow falls: none, lower-right, upper-left, upper-right or "
                  "lower-left (default none)")
      ->check(CLI::IsMember({"none", "lower-right", "upper-left", "upper-right", "lower-left"}));
  sub->add_option("--offset", options->offset, "shadow offset in pixels, 1 to 20 (default 2)")
      ->check(CLI::Range(1, 20));
  const std::string colors =
      "0 black, 1 maroon, 2 green, 3 olive, 4 navy, 5 purple, 6 teal, 7 silver, 8 grey, 9 red, "
      "10 lime, 11 yellow, 12 blue, 13 fuchsia, 14 aqua, 15 white";
  sub->add_option("--color", options->color, "shadow colour 0 to 15 (default 7, silver): " + colors)
      ->check(CLI::Range(0, 15));
  sub->add_option("--frame", options->frame,
                  "frame thickness in pixels, 1 to 5; 0 is no frame (default 0)")
      ->check(CLI::Range(0, 5));
  sub->add_option("--frame-color", options->frame_color,
                  "frame colour 0 to 15, as --color (default 0, black)")
      ->check(CLI::Range(0, 15));
  return [options] { return Run(*options); };
});

}  // namespace
}  // namespace zornatool
