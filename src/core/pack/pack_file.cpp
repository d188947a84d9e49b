#include "pack/pack_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "pack/base255.h"
#include "pack/block_codec.h"
#include "pack/pack_paths.h"
#include "support/error.h"
#include "support/files.h"
#include "text/cp1250.h"

namespace zorna {

namespace {

// Longer than any path the desktop allows; a "name" this long means the file is not a pack.
constexpr size_t kMaxStoredName = 4096;

void LetMessagesThrough(const ProgressStep& after_each_block, const Progress& progress) {
  if (after_each_block) after_each_block(progress);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// A plain file opened for reading; folders and other kinds are refused as the desktop does.
FilePointer OpenForReading(const std::string& path, uint64_t& size) {
  const int fd = OpenRegularFile(path, size);
  FilePointer file(::fdopen(fd, "rb"));
  if (!file) {
    const int error_number = errno;
    ::close(fd);
    throw CannotOpenFile(path, error_number);
  }
  return file;
}

class PackInput {
 public:
  explicit PackInput(const std::string& path) : path_(path), file_(OpenForReading(path, size_)) {}
  uint64_t Size() const { return size_; }
  uint64_t Position() const { return position_; }
  // -1 at the end of the file.
  int ReadByte() {
    const int byte = std::getc(file_.get());
    if (byte == EOF) {
      CheckError();
      return -1;
    }
    ++position_;
    return byte;
  }
  bool ReadExact(uint8_t* out, size_t count) {
    const size_t got = std::fread(out, 1, count, file_.get());
    position_ += got;
    if (got < count) CheckError();
    return got == count;
  }

 private:
  void CheckError() const {
    if (std::ferror(file_.get())) throw CannotReadFile(path_, errno);
  }
  std::string path_;
  uint64_t size_ = 0;
  FilePointer file_;
  uint64_t position_ = 0;
};

struct PackBlock {
  uint8_t method = 0;
  EscapePair pair;
  uint8_t entry_count = 0;
  std::span<const uint8_t> data;
};

// Walks the entries and blocks of a pack. After each block, one byte is read ahead: the next
// block's method, or the first byte of the next entry's name, or nothing at the pack's end.
class PackReader {
 public:
  explicit PackReader(PackInput& input, const std::string& pack_path)
      : input_(input), pack_path_(pack_path), data_(std::make_unique<uint8_t[]>(kBlockSize)) {}

  // False at the normal end of the pack. The very first entry is always read.
  bool NextEntry(std::string& stored_name, uint32_t& block_count) {
    if (!first_ && look_ahead_ < 0) return false;
    if (first_ && input_.Size() == 0) {
      throw Error(pack_path_ + " is empty, not a pack",
                  "Súbor " + pack_path_ + " je prázdny, nie je to balík");
    }
    first_ = false;
    stored_name.clear();
    if (look_ahead_ >= 0) stored_name += static_cast<char>(look_ahead_);
    if (look_ahead_ != 0) {
      for (;;) {
        const int byte = input_.ReadByte();
        if (byte < 0) Damaged("it ends inside an entry name", "končí sa uprostred názvu položky");
        if (byte == 0) break;
        stored_name += static_cast<char>(byte);
        if (stored_name.size() > kMaxStoredName)
          Damaged("an entry name has no end", "názov položky nemá koniec");
      }
    }
    name_ = Cp1250ToUtf8(stored_name);
    if (stored_name.empty() || stored_name[0] == '\0')
      Damaged("an entry has no name", "položka nemá názov");
    uint8_t count[2];
    if (!input_.ReadExact(count, 2))
      Damaged("it ends inside the block count of " + name_,
              "končí sa uprostred počtu blokov položky " + name_);
    block_count = ReadBase255(count[0], count[1]);
    look_ahead_ = input_.ReadByte();
    return true;
  }

  PackBlock NextBlock() {
    if (look_ahead_ < 0)
      Damaged("it ends before the last block of " + name_,
              "končí sa pred posledným blokom položky " + name_);
    PackBlock block;
    block.method = static_cast<uint8_t>(look_ahead_);
    if (block.method > kLastMethod) {
      const std::string method = std::to_string(block.method);
      Damaged("a block of " + name_ + " has the unknown method " + method,
              "blok položky " + name_ + " má neznámu metódu " + method);
    }
    uint8_t header[5];
    const size_t parameters = (MethodStoresEscapePair(block.method) ? 2 : 0) +
                              (MethodStoresEntryCount(block.method) ? 1 : 0);
    if (!input_.ReadExact(header, 2 + parameters)) {
      Damaged("it ends inside a block header of " + name_,
              "končí sa uprostred hlavičky bloku položky " + name_);
    }
    const size_t length = ReadBase255(header[0], header[1]);
    if (length > kBlockSize)
      Damaged("a block of " + name_ + " is longer than 65025 bytes",
              "blok položky " + name_ + " je dlhší ako 65025 bajtov");
    size_t at = 2;
    if (MethodStoresEscapePair(block.method)) {
      block.pair = {header[at], header[at + 1]};
      at += 2;
    }
    if (MethodStoresEntryCount(block.method)) block.entry_count = header[at];
    if (!input_.ReadExact(data_.get(), length))
      Damaged("it ends inside a block of " + name_, "končí sa uprostred bloku položky " + name_);
    block.data = {data_.get(), length};
    look_ahead_ = input_.ReadByte();
    return block;
  }

  const std::string& EntryName() const { return name_; }

 private:
  [[noreturn]] void Damaged(const std::string& what, const std::string& what_slovak) const {
    throw Error(pack_path_ + " is damaged: " + what,
                "Balík " + pack_path_ + " je poškodený: " + what_slovak);
  }
  PackInput& input_;
  std::string pack_path_;
  std::unique_ptr<uint8_t[]> data_;
  std::string name_;
  bool first_ = true;
  int look_ahead_ = -1;
};

template <typename Job>
PackResult RunSilently(Job job) {
  PackResult result;
  try {
    job(result);
  } catch (const std::exception& e) {
    result.completed = false;
    result.problem = e.what();
    result.problem_slovak = SlovakMessage(e);
  }
  return result;
}

// Names the entry when one of its blocks was damaged since `damaged_before` was counted.
void NoteDamagedEntry(PackResult& result, size_t damaged_before, const std::string& entry) {
  if (result.damaged_blocks > damaged_before) result.damaged_entries.push_back(entry);
}

std::filesystem::path NormalFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::path normal = std::filesystem::weakly_canonical(
      std::filesystem::absolute(folder.empty() ? "." : folder), ec);
  if (ec) normal = std::filesystem::absolute(folder).lexically_normal();
  return normal;
}

std::string JoinBelow(const std::filesystem::path& root, const std::vector<std::string>& parts) {
  std::filesystem::path path = root;
  for (const std::string& part : parts) path /= part;
  return path.string();
}

}  // namespace

PackResult ZbalSubory(const std::vector<std::string>& names, const std::string& pack_path,
                      const ProgressStep& after_each_block,
                      const std::filesystem::path& current_folder) {
  Progress progress{0, ProgressValue(names.size())};
  return RunSilently([&](PackResult&) {
    // A failed job never leaves a cut pack under the target's name.
    AtomicFileWriter output(pack_path);
    std::vector<uint8_t> block(kBlockSize);
    std::vector<uint8_t> payload(kBlockSize);
    for (size_t i = 0; i < names.size(); ++i) {
      progress.position = ProgressValue(i);
      const std::string& name = names[i];
      const std::optional<std::string> stored = PathToStoredName(name);
      if (!stored || stored->empty()) {
        throw Error("The name " + name + " cannot be stored in a pack (code page 1250)",
                    "Názov " + name + " sa nedá uložiť do balíka (kódová stránka 1250)");
      }
      uint64_t size = 0;
      const std::filesystem::path source =
          std::filesystem::path(name).is_relative() && !current_folder.empty()
              ? current_folder / name
              : std::filesystem::path(name);
      FilePointer input = OpenForReading(source.string(), size);
      const uint64_t block_count = (size + kBlockSize - 1) / kBlockSize;
      if (block_count > kBase255Max) {
        throw Error(name + " is too large for a pack",
                    "Súbor " + name + " je príliš veľký na balík");
      }
      uint8_t count[2];
      WriteBase255(count, static_cast<uint32_t>(block_count));
      output.Write(stored->data(), stored->size());
      output.Write("", 1);
      output.Write(count, 2);
      LetMessagesThrough(after_each_block, progress);
      for (uint64_t left = size; left > 0;) {
        const size_t piece = static_cast<size_t>(std::min<uint64_t>(left, kBlockSize));
        if (std::fread(block.data(), 1, piece, input.get()) != piece) {
          throw CannotReadFile(name, std::ferror(input.get()) ? errno : 0);
        }
        left -= piece;
        const EncodedBlock encoded = EncodeBlock({block.data(), piece}, payload.data());
        uint8_t header[5] = {encoded.method};
        size_t header_length = 1;
        WriteBase255(header + 1, static_cast<uint32_t>(encoded.length));
        header_length += 2;
        if (MethodStoresEscapePair(encoded.method)) {
          header[header_length++] = encoded.pair.first;
          header[header_length++] = encoded.pair.second;
        }
        if (MethodStoresEntryCount(encoded.method)) header[header_length++] = 0;
        output.Write(header, header_length);
        output.Write(payload.data(), encoded.length);
        LetMessagesThrough(after_each_block, progress);
      }
    }
    output.Commit();
  });
}

PackResult RozbalArchiv(const std::string& pack_path, const std::filesystem::path& current_folder,
                        const std::filesystem::path& root, const ProgressStep& after_each_block,
                        const UnpackLimits& limits) {
  return RunSilently([&](PackResult& result) {
    PackInput input(pack_path);
    Progress progress{0, ProgressValue(input.Size())};
    LetMessagesThrough(after_each_block, progress);
    const std::filesystem::path root_folder = NormalFolder(root);
    const std::filesystem::path allowed =
        limits.only_inside.empty() ? root_folder : root_folder / limits.only_inside;
    const std::filesystem::path current = NormalFolder(current_folder);
    const FileDescriptor root_fd(::open(root_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!root_fd.IsOpen()) throw CannotOpenFile(root_folder.string(), errno);

    PackReader reader(input, pack_path);
    FolderListings listings;
    std::vector<uint8_t> decoded(kBlockSize);
    uint64_t written = 0;
    std::string stored_name;
    uint32_t block_count = 0;
    while (reader.NextEntry(stored_name, block_count)) {
      const std::optional<std::vector<std::string>> destination =
          PackEntryDestination(stored_name, current, root_folder, limits.only_inside);
      bool skip = !destination;
      auto skipped = [&](const std::string& why) {
        skip = true;
        result.skipped.push_back(reader.EntryName() + " (" + why + ")");
        result.skipped_names.push_back(reader.EntryName());
      };
      if (skip) skipped("it would leave " + allowed.string());
      PendingFile output;
      // Created once its first block has been read whole, so that a file that is not a pack
      // leaves no stray file behind; put in place once its last block is written, so that a cut
      // entry leaves the file it would have replaced as it was.
      auto create_output = [&] {
        if (skip || output.IsOpen()) return;
        CreatedFile created = CreateFileBelowRoot(root_fd.Get(), *destination, &listings);
        if (created.outcome == CreatedFile::Outcome::kFailed) {
          throw CannotCreateFile(JoinBelow(root_folder, *destination));
        }
        if (created.outcome == CreatedFile::Outcome::kSkipped) return skipped(created.reason);
        output = std::move(created.file);
      };
      if (block_count == 0) create_output();
      const size_t damaged_before = result.damaged_blocks;
      for (uint32_t b = 0; b < block_count; ++b) {
        const PackBlock block = reader.NextBlock();
        create_output();
        if (!skip) {
          const DecodedBlock result_block =
              DecodeBlock(block.method, block.pair, block.entry_count, block.data, decoded.data());
          if (!result_block.complete) ++result.damaged_blocks;
          if (written + result_block.length > limits.max_total_bytes) {
            const std::string mebibytes = std::to_string(limits.max_total_bytes >> 20);
            throw Error(
                pack_path + " is damaged: it would write more than " + mebibytes + " MiB",
                "Balík " + pack_path + " je poškodený: zapísal by viac ako " + mebibytes + " MiB");
          }
          WriteAll(output.Get(), decoded.data(), result_block.length,
                   JoinBelow(root_folder, *destination));
          written += result_block.length;
        }
        progress.position = ProgressValue(input.Position());
        LetMessagesThrough(after_each_block, progress);
      }
      NoteDamagedEntry(result, damaged_before, reader.EntryName());
      if (!skip && !output.Commit()) throw CannotCreateFile(JoinBelow(root_folder, *destination));
    }
  });
}

PackListing ListPack(const std::string& pack_path) {
  PackListing listing;
  listing.result = RunSilently([&](PackResult& result) {
    PackInput input(pack_path);
    PackReader reader(input, pack_path);
    std::vector<uint8_t> decoded(kBlockSize);
    std::string stored_name;
    uint32_t block_count = 0;
    while (reader.NextEntry(stored_name, block_count)) {
      PackEntryInfo& entry = listing.entries.emplace_back();
      entry.name = reader.EntryName();
      entry.blocks = block_count;
      const size_t damaged_before = result.damaged_blocks;
      for (uint32_t b = 0; b < block_count; ++b) {
        const PackBlock block = reader.NextBlock();
        const DecodedBlock result_block =
            DecodeBlock(block.method, block.pair, block.entry_count, block.data, decoded.data());
        if (!result_block.complete) ++result.damaged_blocks;
        entry.size += result_block.length;
        if (std::find(entry.methods.begin(), entry.methods.end(), block.method) ==
            entry.methods.end()) {
          entry.methods.insert(
              std::upper_bound(entry.methods.begin(), entry.methods.end(), block.method),
              block.method);
        }
      }
      NoteDamagedEntry(result, damaged_before, entry.name);
    }
  });
  return listing;
}

}  // namespace zorna
