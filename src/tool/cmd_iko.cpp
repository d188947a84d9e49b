// iko-encode and iko-decode: gallery picture files (".iko") as the gallery stores them (see
// gallery/gallery_picture.h).
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "gallery/gallery_picture.h"
#include "picture/bmp_file.h"
#include "picture/picture_file.h"
#include "support/files.h"

namespace zornatool {
namespace {

struct FileOptions {
  std::string input;
  std::string output;
};

CLI::App* AddFileCommand(CLI::App& app, const char* name, const char* help, FileOptions& options,
                         const char* input_help, const char* output_help) {
  CLI::App* sub = app.add_subcommand(name, help);
  sub->add_option("INPUT", options.input, input_help)->required();
  sub->add_option("-o,--output", options.output, output_help)->required();
  return sub;
}

const RegisterCommand encode_command([](CLI::App& app) -> std::function<int()> {
  auto options = std::make_shared<FileOptions>();
  AddFileCommand(app, "iko-encode", "Encode a bitmap file as a gallery picture (.iko)", *options,
                 "bitmap file (BMP) to encode, kept byte for byte; a JPEG or PNG picture is "
                 "stored as its 24-bit bitmap",
                 "gallery picture file to write");
  return [options] {
    std::vector<uint8_t> bitmap = zorna::ReadWholeFile(options->input, zorna::kPictureFileLimit);
    if (bitmap.size() < 2 || bitmap[0] != 'B' || bitmap[1] != 'M') {
      bitmap = zorna::EncodeBmp24(zorna::DecodePictureFile(bitmap, options->input));
    }
    // A bitmap the gallery cannot keep is refused with an error, which the tool reports.
    const std::vector<uint8_t> file = zorna::EncodeGalleryPictureBytes(bitmap, options->input);
    zorna::WriteFileAtomically(options->output, file);
    return kExitOk;
  };
});

const RegisterCommand decode_command([](CLI::App& app) -> std::function<int()> {
  auto options = std::make_shared<FileOptions>();
  AddFileCommand(app, "iko-decode", "Decode a gallery picture (.iko) into its bitmap file",
                 *options, "gallery picture file to decode", "bitmap file to write");
  return [options] {
    if (!zorna::DecodeGalleryPicture(options->input, options->output)) {
      std::cerr << "zornatool: " << options->input
                << " is damaged; the bitmap holds what could be decoded\n";
      return kExitFileError;
    }
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
