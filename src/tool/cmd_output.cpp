// icon, button, jpeg and png: a picture file taken whole as the result picture and saved the
// way the program's save command saves it.
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "command.h"
#include "output/alpha_icon_file.h"
#include "output/button_strip.h"
#include "output/icon_file.h"
#include "output/transparent_result.h"
#include "picture/picture_file.h"

namespace zornatool {
namespace {

struct OutputOptions {
  std::string source;
  std::string output;
};

void AddFileOptions(CLI::App* sub, OutputOptions& options, const char* output_help) {
  sub->add_option("SRC", options.source, "BMP, JPEG or PNG picture, square")->required();
  sub->add_option("-o,--output", options.output, output_help)->required();
}

// The result picture, or nothing after one line on stderr when it is not square. Unreadable
// files throw zorna::Error, which main reports.
std::optional<zorna::Bitmap> ReadResultPicture(const std::string& path) {
  zorna::Bitmap picture = zorna::ReadPictureFile(path);
  if (picture.Width() != picture.Height()) {
    std::cerr << "zornatool: " << path << " is " << picture.Width() << " x " << picture.Height()
              << " pixels; the result picture must be square\n";
    return std::nullopt;
  }
  return picture;
}

const std::map<std::string, zorna::IconTransparency>& KeyChoices() {
  static const std::map<std::string, zorna::IconTransparency> choices = {
      {"white", zorna::IconTransparency::kWhite},
      {"top-left", zorna::IconTransparency::kTopLeft},
      {"bottom-right", zorna::IconTransparency::kBottomRight},
      {"none", zorna::IconTransparency::kOpaque}};
  return choices;
}

// The icon dialog's four choices, as --key names them.
void AddKeyOption(CLI::App* sub, std::string& key) {
  sub->add_option("--key", key,
                  "colour that becomes transparent: white (default), top-left, bottom-right "
                  "(the colour of that pixel) or none")
      ->check(CLI::IsMember({"white", "top-left", "bottom-right", "none"}));
}

bool SideWithin(const std::string& source, const zorna::Bitmap& picture, int low, int high,
                const char* what) {
  if (picture.Width() >= low && picture.Width() <= high) return true;
  std::cerr << "zornatool: " << source << " is " << picture.Width() << " x " << picture.Height()
            << " pixels; " << what << " has a side of " << low << " to " << high << " pixels\n";
  return false;
}

struct IconOptions {
  std::string key = "white";
  bool alpha = false;
  std::vector<int> sizes;
};

int WriteAlphaIcon(const OutputOptions& options, const IconOptions& icon,
                   const zorna::Bitmap& picture) {
  if (!SideWithin(options.source, picture, 1, zorna::kMaxAlphaIconSide, "an icon with alpha"))
    return kExitBadArguments;
  const std::vector<int> sizes =
      icon.sizes.empty() ? zorna::AlphaIconSides(picture.Width()) : icon.sizes;
  for (int side : sizes) {
    if (side > picture.Width()) {
      std::cerr << "zornatool: --sizes " << side << " is larger than " << options.source << " ("
                << picture.Width() << " x " << picture.Height() << "); sizes are only reduced\n";
      return kExitBadArguments;
    }
  }
  zorna::WriteAlphaIconFile(options.output,
                            zorna::TransparentResult(picture, KeyChoices().at(icon.key)), sizes);
  return kExitOk;
}

const RegisterCommand icon_command([](CLI::App& app) -> std::function<int()> {
  auto options = std::make_shared<OutputOptions>();
  auto icon = std::make_shared<IconOptions>();
  CLI::App* sub = app.add_subcommand(
      "icon",
      "Save a square picture as an icon file: the classic one (16 colours, one size of 5 to 128), "
      "or with --alpha one with an alpha channel in several sizes");
  AddFileOptions(sub, *options, "icon file to write");
  AddKeyOption(sub, icon->key);
  CLI::Option* alpha = sub->add_flag(
      "--alpha", icon->alpha,
      "32 bits a pixel with alpha, at the picture's own side (1 to 256) and each of 128, 64, "
      "48, 32, 24, 16 below it, reduced by area averaging");
  sub->add_option("--sizes", icon->sizes,
                  "with --alpha: the sides to hold instead, comma-separated, none above the "
                  "picture's (e.g. 16,24,32)")
      ->delimiter(',')
      ->check(CLI::Range(1, zorna::kMaxAlphaIconSide))
      ->needs(alpha);
  return [options, icon] {
    const auto picture = ReadResultPicture(options->source);
    if (!picture) return kExitBadArguments;
    if (icon->alpha) return WriteAlphaIcon(*options, *icon, *picture);
    if (!SideWithin(options->source, *picture, 5, 128, "an icon")) return kExitBadArguments;
    zorna::WriteIconFile(options->output, zorna::MakeIcon(*picture, KeyChoices().at(icon->key)));
    return kExitOk;
  };
});

const RegisterCommand png_command([](CLI::App& app) -> std::function<int()> {
  auto options = std::make_shared<OutputOptions>();
  auto key = std::make_shared<std::string>("white");
  CLI::App* sub = app.add_subcommand(
      "png", "Save a square picture as a 32-bit PNG whose key-coloured pixels are transparent");
  AddFileOptions(sub, *options, "PNG file to write");
  AddKeyOption(sub, *key);
  return [options, key] {
    const auto picture = ReadResultPicture(options->source);
    if (!picture) return kExitBadArguments;
    zorna::WritePngFile(options->output, zorna::TransparentResult(*picture, KeyChoices().at(*key)));
    return kExitOk;
  };
});

const RegisterCommand button_command([](CLI::App& app) -> std::function<int()> {
  auto options = std::make_shared<OutputOptions>();
  CLI::App* sub =
      app.add_subcommand("button", "Save a square picture as a two-state button strip (BMP)");
  AddFileOptions(sub, *options, "bitmap file to write");
  return [options] {
    const auto picture = ReadResultPicture(options->source);
    if (!picture) return kExitBadArguments;
    zorna::WriteBmpFile(options->output, zorna::ZmenNaBtn(*picture));
    return kExitOk;
  };
});

const RegisterCommand jpeg_command([](CLI::App& app) -> std::function<int()> {
  auto options = std::make_shared<OutputOptions>();
  auto quality = std::make_shared<int>(100);
  CLI::App* sub = app.add_subcommand("jpeg", "Save a square picture as a JPEG file");
  AddFileOptions(sub, *options, "JPEG file to write");
  sub->add_option("--quality", *quality, "0 to 100 (default 100)")->check(CLI::Range(0, 100));
  return [options, quality] {
    const auto picture = ReadResultPicture(options->source);
    if (!picture) return kExitBadArguments;
    zorna::WriteJpegFile(options->output, *picture, *quality);
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
