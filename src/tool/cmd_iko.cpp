// iko-encode and iko-decode: gallery picture files (".iko") as the gallery stores them, a bitmap
// file without its first three bytes "BM6" as one block of the block codec.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "support/block_codec.h"
#include "support/block_codec_file.h"
#include "support/files.h"

namespace zornatool {
namespace {

// Every 24-bit bitmap of the gallery's sizes starts so; the three bytes are not stored.
const std::vector<uint8_t> kDroppedStart = {'B', 'M', '6'};

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
                 "bitmap file (BMP) to encode", "gallery picture file to write");
  return [options] {
    const std::vector<uint8_t> bitmap = zorna::ReadWholeFile(options->input);
    // The gallery keeps the first 65 025 bytes only and drops "BM6"; anything else would not
    // come back as it was.
    if (bitmap.size() < 3 ||
        !std::equal(kDroppedStart.begin(), kDroppedStart.end(), bitmap.begin())) {
      std::cerr << "zornatool: " << options->input
                << " does not start with \"BM6\" (a 24-bit bitmap of 32 x 32, 64 x 64 or "
                   "128 x 128 pixels), so the gallery cannot keep it\n";
      return kExitFileError;
    }
    if (bitmap.size() > zorna::kBlockSize) {
      std::cerr << "zornatool: " << options->input << " has " << bitmap.size()
                << " bytes; a gallery picture keeps at most 65025\n";
      return kExitFileError;
    }
    const std::vector<uint8_t> file =
        zorna::EncodeBlockFile(std::span<const uint8_t>(bitmap).subspan(3));
    zorna::WriteFileAtomically(options->output, file);
    return kExitOk;
  };
});

const RegisterCommand decode_command([](CLI::App& app) -> std::function<int()> {
  auto options = std::make_shared<FileOptions>();
  AddFileCommand(app, "iko-decode", "Decode a gallery picture (.iko) into its bitmap file",
                 *options, "gallery picture file to decode", "bitmap file to write");
  return [options] {
    const zorna::BlockFileContents contents =
        zorna::DecodeBlockFile(zorna::ReadWholeFile(options->input));
    std::vector<uint8_t> bitmap = kDroppedStart;
    bitmap.insert(bitmap.end(), contents.block.begin(), contents.block.end());
    zorna::WriteFileAtomically(options->output, bitmap);
    if (!contents.complete) {
      std::cerr << "zornatool: " << options->input
                << " is damaged; the bitmap holds what could be decoded\n";
      return kExitFileError;
    }
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
