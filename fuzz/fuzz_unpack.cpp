// Unpacking any bytes as a pack into a scratch program folder: it must end, never crash, and
// never write outside the folder, not even through the link planted in its "Skin".
#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "pack/pack_file.h"
#include "scratch_folder.h"

namespace {

namespace fs = std::filesystem;

struct Scratch {
  ScratchFolder folder{"zorna-fuzz-unpack"};
  const fs::path& top = folder.Path();
  fs::path root = top / "program";     // the program folder
  fs::path outside = top / "outside";  // must stay empty
  fs::path pack = top / "in.mk";
  Scratch() { fs::create_directories(outside); }
  void Reset() const {
    std::error_code ec;
    fs::remove_all(root, ec);
    fs::create_directories(root / "Data");
    fs::create_directory_symlink(outside, root / "Skin");
  }
  bool OnlyExpectedAtTop() const {
    for (const auto& entry : fs::directory_iterator(top)) {
      const fs::path name = entry.path().filename();
      if (name != "program" && name != "outside" && name != "in.mk") return false;
    }
    return fs::is_empty(outside) && fs::is_symlink(root / "Skin");
  }
};

Scratch& TheScratch() {
  static Scratch scratch;
  return scratch;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Scratch& scratch = TheScratch();
  scratch.Reset();
  WriteBytes(scratch.pack, data, size);
  // A small limit keeps each run short; the limit itself is what is being checked.
  zorna::UnpackLimits limits;
  limits.max_total_bytes = 1u << 20;
  int32_t reached = 0;  // the progress only goes forward, and never past the pack's size
  auto step = [&](const zorna::Progress& p) {
    if (p.position < reached || p.position > p.maximum) std::abort();
    reached = p.position;
  };
  zorna::RozbalArchiv(scratch.pack.string(), scratch.root / "Data", scratch.root, step, limits);
  uint64_t written = 0;
  for (const auto& entry : fs::recursive_directory_iterator(scratch.root)) {
    if (entry.is_regular_file()) written += entry.file_size();
  }
  if (written > limits.max_total_bytes || !scratch.OnlyExpectedAtTop()) std::abort();
  return 0;
}
