#pragma once
// Scratch folders and hand-made packs for the pack tests.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/fixtures.h"
#include "pack/base255.h"
#include "pack/block_codec.h"
#include "pack/pack_paths.h"
#include "text/cp1250.h"

namespace zorna::testing {

using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

// A fresh folder that is removed with everything in it; the process works inside it while the
// object lives, since packs store the names they were given.
class ScratchFolder {
 public:
  ScratchFolder() : previous_(fs::current_path()) {
    std::string pattern = (fs::temp_directory_path() / "zorna-pack-XXXXXX").string();
    path_ = fs::path(::mkdtemp(pattern.data())).lexically_normal();
    fs::current_path(path_);
  }
  ~ScratchFolder() {
    fs::current_path(previous_);
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path previous_;
  fs::path path_;
};

inline void WriteFile(const fs::path& path, const Bytes& bytes) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Every file below root, by its path relative to root, with its bytes.
inline std::map<std::string, Bytes> FilesWithContents(const fs::path& root) {
  std::map<std::string, Bytes> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) {
      files[entry.path().lexically_relative(root).string()] = ReadFile(entry.path());
    }
  }
  return files;
}

// Where the entries (stored names as UTF-8) land when unpacked from current below root, with
// their bytes; entries that the reader skips are left out.
inline std::map<std::string, Bytes> Destinations(const Entries& entries, const fs::path& current,
                                                 const fs::path& root) {
  std::map<std::string, Bytes> files;
  for (const auto& [name, bytes] : entries) {
    const auto parts = PackEntryDestination(Utf8ToCp1250(name), current, root);
    if (!parts) continue;
    fs::path path;
    for (const std::string& part : *parts) path /= part;
    files[path.string()] = bytes;
  }
  return files;
}

inline void ExpectSameFiles(const std::map<std::string, Bytes>& got,
                            const std::map<std::string, Bytes>& want, const std::string& what) {
  std::string got_names, want_names;
  for (const auto& file : got) got_names += file.first + "; ";
  for (const auto& file : want) want_names += file.first + "; ";
  ASSERT_EQ(got_names, want_names) << what;
  for (const auto& [name, bytes] : want) ExpectSameBytes(got.at(name), bytes, what + ": " + name);
}

// Builds pack bytes entry by entry, block by block, exactly as the layout gives them.
class PackBuilder {
 public:
  PackBuilder& Entry(const std::string& stored_name, uint32_t block_count) {
    bytes_.insert(bytes_.end(), stored_name.begin(), stored_name.end());
    bytes_.push_back(0);
    Number(block_count);
    return *this;
  }
  PackBuilder& Block(uint8_t method, const Bytes& data, EscapePair pair = {}, uint8_t count = 0) {
    bytes_.push_back(method);
    Number(static_cast<uint32_t>(data.size()));
    if (MethodStoresEscapePair(method)) bytes_.insert(bytes_.end(), {pair.first, pair.second});
    if (MethodStoresEntryCount(method)) bytes_.push_back(count);
    bytes_.insert(bytes_.end(), data.begin(), data.end());
    return *this;
  }
  PackBuilder& Stored(const std::string& stored_name, const Bytes& content) {
    Entry(stored_name, content.empty() ? 0 : 1);
    if (!content.empty()) Block(0, content);
    return *this;
  }
  const testing::Bytes& Build() const { return bytes_; }

 private:
  void Number(uint32_t value) {
    uint8_t two[2];
    WriteBase255(two, value);
    bytes_.insert(bytes_.end(), two, two + 2);
  }
  testing::Bytes bytes_;
};

}  // namespace zorna::testing
