#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/progress.h"

// Pack files (".mk"): skins and gallery updates. A pack is a plain sequence of entries: the
// stored name (code page 1250, may hold backslashes) and a 0, a base-255 block count, and that
// many blocks of the block codec (method, base-255 length, the method's parameters, data).
namespace zorna {

struct PackResult {
  bool completed = true;       // false: the job stopped early, at `problem`
  std::string problem;         // one line saying what went wrong
  std::string problem_slovak;  // the same for the window
  // Unpacking: stored names (as UTF-8) not written because they would leave the root or pass a
  // symbolic link; their data was read and discarded.
  std::vector<std::string> skipped;
  std::vector<std::string> skipped_names;  // the same entries' stored names alone
  // Unpacking: blocks whose data was damaged; they were written as far as they decoded.
  size_t damaged_blocks = 0;
  // The entries that hold them (UTF-8, backslashes kept), each once.
  std::vector<std::string> damaged_entries;
};

// Packs the files into pack_path (replaced only once the new pack is complete). Each name is
// opened as given (a relative one from current_folder when that is not empty) and its text
// becomes the stored name, converted to code page 1250 with backslashes. after_each_block is
// told the index of the name being packed of the names' count, so that the caller can show it
// and keep its window responsive.
PackResult ZbalSubory(const std::vector<std::string>& names, const std::string& pack_path,
                      const ProgressStep& after_each_block = {},
                      const std::filesystem::path& current_folder = {});

struct UnpackLimits {
  // A pack of a few hundred kilobytes can declare gigabytes; unpacking stops as for a damaged
  // pack once this much has been written.
  uint64_t max_total_bytes = uint64_t{256} << 20;
  // When not empty: the one folder of the root (a name, matched without regard to letter case)
  // that entries may be written into; every other entry is skipped. Skin packs keep to "Skin".
  std::string only_inside;
};

// Unpacks every entry of the pack. Relative names resolve against current_folder; no entry is
// ever written outside root (for the program: the program folder), and no symbolic link inside
// it is followed. Existing files are replaced once their entry is complete; missing folders
// below the root are created. A damaged pack stops the job: the entries read whole so far stay,
// and the entry it stopped in leaves no file, or the old one as it was. after_each_block is told
// the bytes of the pack read so far of its size.
PackResult RozbalArchiv(const std::string& pack_path, const std::filesystem::path& current_folder,
                        const std::filesystem::path& root,
                        const ProgressStep& after_each_block = {}, const UnpackLimits& limits = {});

// What a pack holds, read without writing anything.
struct PackEntryInfo {
  std::string name;  // the stored name as UTF-8, backslashes kept
  uint64_t size = 0;
  uint32_t blocks = 0;
  std::vector<uint8_t> methods;  // the method codes used, in ascending order
};
struct PackListing {
  std::vector<PackEntryInfo> entries;
  PackResult result;
};
PackListing ListPack(const std::string& pack_path);

}  // namespace zorna
