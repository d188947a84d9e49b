// icon, button and jpeg: a picture file taken whole as the result picture and saved the way
// the program's save command saves it.
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "command.h"
#include "output/button_strip.h"
#include "output/icon_file.h"
#include "picture/picture_file.h"
#include "result_picture.h"

namespace zornatool {
namespace {

struct OutputOptions {
  std::string source;
  std::string output;
};

void AddFileOptions(CLI::App* sub, OutputOptions& options, const char* output_help) {
  sub->add_option("SRC", options.source, "BMP or JPEG picture, square")->required();
  sub->add_option("-o,--output", options.output, output_help)->required();
}

const std::map<std::string, zorna::IconTransparency>& KeyChoices() {
  static const std::map<std::string, zorna::IconTransparency> choices = {
      {"white", zorna::IconTransparency::kWhite},
      {"top-left", zorna::IconTransparency::kTopLeft},
      {"bottom-right", zorna::IconTransparency::kBottomRight},
      {"none", zorna::IconTransparency::kOpaque}};
  return choices;
}

const RegisterCommand icon_command([](CLI::App& app) -> std::function<int()> {
  auto options = std::make_shared<OutputOptions>();
  auto key = std::make_shared<std::string>("white");
  CLI::App* sub = app.add_subcommand("icon", "Save a square picture as an icon file");
  AddFileOptions(sub, *options, "icon file to write");
  sub->add_option("--key", *key, "colour that becomes transparent (default white)")
      ->check(CLI::IsMember({"white", "top-left", "bottom-right", "none"}));
  return [options, key] {
    const auto picture = ReadResultPicture(options->source);
    if (!picture) return kExitBadArguments;
    if (picture->Width() < 5 || picture->Width() > 128) {
      std::cerr << "zornatool: " << options->source << " is " << picture->Width() << " x "
                << picture->Height() << " pixels; an icon has a side of 5 to 128 pixels\n";
      return kExitBadArguments;
    }
    zorna::WriteIconFile(options->output, zorna::MakeIcon(*picture, KeyChoices().at(*key)));
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
