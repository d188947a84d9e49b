// Any files packed and unpacked again come back byte for byte, whatever their contents and
// sizes, block boundaries included, and the pack's listing agrees with them.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "pack/block_codec.h"
#include "pack/pack_file.h"
#include "scratch_folder.h"
#include "support/files.h"

namespace {

namespace fs = std::filesystem;

// Names as a pack holds them: a folder, letters of code page 1250, an empty file's.
constexpr const char* kNames[] = {"src/a.bin", "src/Data/12000.iko", "src/Skin/Modrý/okno.bmp",
                                  "src/prázdny.txt"};

std::vector<uint8_t> FileContents(FuzzedDataProvider& in) {
  std::vector<uint8_t> bytes = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 4096));
  // Now and then the piece is repeated up to a block boundary, one byte short of it or one past
  // it, so that files of one to three blocks are packed too.
  if (!bytes.empty() && in.ConsumeBool()) {
    const size_t target = zorna::kBlockSize * in.ConsumeIntegralInRange<size_t>(1, 2) +
                          in.ConsumeIntegralInRange<size_t>(0, 2) - 1;
    for (size_t at = 0; bytes.size() < target; ++at) bytes.push_back(bytes[at]);
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ScratchFolder scratch("zorna-fuzz-pack");
  static const bool inside = ::chdir(scratch.Path().c_str()) == 0;  // names are relative
  if (!inside) std::abort();
  std::error_code ec;
  fs::remove_all("src", ec);
  fs::remove_all("out", ec);
  fs::create_directories("out");

  FuzzedDataProvider in(data, size);
  const size_t count = in.ConsumeIntegralInRange<size_t>(1, std::size(kNames));
  std::vector<std::string> names;
  std::vector<std::vector<uint8_t>> contents;
  for (size_t i = 0; i < count; ++i) {
    names.push_back(kNames[i]);
    contents.push_back(FileContents(in));
    fs::create_directories(fs::path(names.back()).parent_path());
    WriteBytes(names.back(), contents.back().data(), contents.back().size());
  }
  if (!zorna::ZbalSubory(names, "p.mk").completed) std::abort();

  const zorna::PackResult unpacked = zorna::RozbalArchiv("p.mk", "out", "out");
  if (!unpacked.completed || unpacked.damaged_blocks != 0 || !unpacked.skipped.empty()) {
    std::abort();
  }
  const zorna::PackListing listing = zorna::ListPack("p.mk");
  if (!listing.result.completed || listing.entries.size() != count) std::abort();
  for (size_t i = 0; i < count; ++i) {
    if (zorna::ReadWholeFile(fs::path("out") / names[i]) != contents[i]) std::abort();
    if (listing.entries[i].size != contents[i].size()) std::abort();
  }
  return 0;
}
