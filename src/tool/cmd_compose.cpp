// compose: one pick and take over a picture file standing in for the screen, then the result's
// flips and turns, written as a 24-bit BMP.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "artwork/background_tiles.h"
#include "command.h"
#include "composition/preview.h"
#include "composition/transforms.h"
#include "picture/picture_file.h"

namespace zornatool {
namespace {

struct ComposeOptions {
  std::string source;
  std::string result;
  std::string at;
  zorna::PickSettings pick;
  int shrink_mode = 1;
  std::vector<std::string> transforms;
};

using Transform = std::function<void(zorna::Bitmap& result, zorna::Bitmap& work)>;

const std::map<std::string, Transform>& Transforms() {
  static const std::map<std::string, Transform> transforms = {
      {"flip-vertical", [](zorna::Bitmap& p, zorna::Bitmap&) { zorna::PreklopZvislo(p); }},
      {"flip-horizontal", [](zorna::Bitmap& p, zorna::Bitmap&) { zorna::PreklopVodorovne(p); }},
      {"turn-left", [](zorna::Bitmap& p, zorna::Bitmap& w) { zorna::OtocDolava(p, w); }},
      {"turn-right", [](zorna::Bitmap& p, zorna::Bitmap& w) { zorna::OtocDoprava(p, w); }},
  };
  return transforms;
}

// A side the size lists can give: a custom side of 5 to 128 covers the fixed ones. The input
// may also be 0, the custom entry before a size was confirmed; an output of 0 would leave no
// picture to write.
CLI::Validator SideCheck(bool zero_allowed) {
  return CLI::Validator(
      [zero_allowed](const std::string& text) -> std::string {
        try {
          size_t used = 0;
          const int side = std::stoi(text, &used);
          if (used == text.size() && ((zero_allowed && side == 0) || (side >= 5 && side <= 128)))
            return {};
        } catch (const std::exception&) {
        }
        return std::string("the side must be ") + (zero_allowed ? "0 or " : "") + "5 to 128, not " +
               text;
      },
      "SIDE");
}

// "X,Y" with two whole numbers of at least 0 (nine digits at most, so X + I cannot overflow).
std::optional<std::pair<int, int>> ParsePoint(const std::string& text) {
  const size_t comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  auto number = [](const std::string& digits) -> std::optional<int> {
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
      return std::nullopt;
    return std::stoi(digits);
  };
  const auto x = number(text.substr(0, comma)), y = number(text.substr(comma + 1));
  if (!x || !y) return std::nullopt;
  return std::pair{*x, *y};
}

const CLI::Validator kPoint(
    [](const std::string& text) -> std::string {
      if (ParsePoint(text)) return {};
      return "the pick point must be X,Y with whole numbers of at least 0, not " + text;
    },
    "X,Y");

int Run(const ComposeOptions& options) {
  zorna::PickSettings pick = options.pick;
  pick.shrink_mode1 = options.shrink_mode == 1;
  std::tie(pick.x, pick.y) = *ParsePoint(options.at);

  // The pick reads nothing right of or below its square: the picture is read only that far.
  const zorna::Bitmap screen =
      zorna::ReadPictureRegion(options.source, pick.x + pick.input, pick.y + pick.input);
  const zorna::ImageList tiles =
      pick.output <= 32 ? zorna::MakeImageList1() : zorna::MakeImageList2();
  zorna::Bitmap preview(pick.output, pick.output);  // a fresh preview is white
  zorna::Bitmap work;
  zorna::ComposePreview(screen, tiles, pick, preview, work);
  zorna::Bitmap result = preview;  // the take
  for (const std::string& name : options.transforms) Transforms().at(name)(result, work);
  zorna::WriteBmpFile(options.result, result);
  return kExitOk;
}

const RegisterCommand compose_command([](CLI::App& app) -> std::function<int()> {
  auto options = std::make_shared<ComposeOptions>();
  CLI::App* sub =
      app.add_subcommand("compose",
                         "Pick a square of a picture file as the program picks it from the screen, "
                         "take it, and write the result as a 24-bit BMP");
  sub->add_option("SRC", options->source, "BMP, JPEG or PNG picture standing in for the screen")
      ->required();
  sub->add_option("-o", options->result, "bitmap file to write")->required();
  sub->add_option("--at", options->at, "pick point X,Y: the square's top-left corner")
      ->required()
      ->check(kPoint);
  sub->add_option("--input", options->pick.input, "input side I, 0 or 5 to 128 (default 32)")
      ->check(SideCheck(true));
  sub->add_option("--output", options->pick.output, "output side O, 5 to 128 (default 32)")
      ->check(SideCheck(false));
  std::string modes = "composition mode (default 1):";
  for (int i = 0; i < zorna::kCompositionModeCount; ++i)
    modes +=
        std::string(i ? "," : "") + " " + std::to_string(i) + " " + zorna::kCompositionModeNames[i];
  sub->add_option("--mode", options->pick.mode, modes)->check(CLI::Range(0, 7));
  sub->add_option("--background", options->pick.background,
                  "background picture 0 to 18 (default 0, plain white; 18 the user's slot)")
      ->check(CLI::Range(0, zorna::kUserBackground));
  sub->add_flag("--smooth", options->pick.smooth, "smooth enlargement on");
  sub->add_option("--shrink-mode", options->shrink_mode, "shrink mode 1 or 2 (default 1)")
      ->check(CLI::IsMember({1, 2}));
  sub->add_option("--transform", options->transforms,
                  "flip-vertical, flip-horizontal, turn-left or turn-right, applied to the "
                  "result in the order given")
      ->delimiter(',')
      ->check(CLI::IsMember({"flip-vertical", "flip-horizontal", "turn-left", "turn-right"}));
  return [options] { return Run(*options); };
});

}  // namespace
}  // namespace zornatool
