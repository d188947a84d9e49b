#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Where the entries of a pack may be written. A pack comes from elsewhere, so no entry may land
// outside the folder that the caller names as the root (for the program: the program folder).
namespace zorna {

// The name stored in a pack (code page 1250, backslashes) as the program's own text: UTF-8 with
// "/".
std::string StoredNameToPath(std::string_view stored_name);
// The reverse, for the pack writer; nullopt when the text has characters that code page 1250
// cannot hold.
std::optional<std::string> PathToStoredName(std::string_view path);

// The destination of an entry as folder and file names below the root, or nullopt when the entry
// must be skipped. Relative names resolve against the current folder ("..\strom.trv" from
// "Data" reaches the program folder). An absolute name (drive letter or leading backslash) that
// passes through a "Skin" folder goes below the root's "Skin" from that folder on, since packs
// made on another computer store full paths; any other name that leaves the root is skipped.
// current_folder and root are absolute and free of "." and "..". With only_inside, a name must
// also land inside that folder of the root (matched without regard to letter case, and then
// spelled as only_inside is).
std::optional<std::vector<std::string>> PackEntryDestination(
    std::string_view stored_name, const std::filesystem::path& current_folder,
    const std::filesystem::path& root, std::string_view only_inside = {});

// An open folder or file, closed when it goes.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.Release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept;
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor();
  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_ = -1;
};

// The file an entry is unpacked into. It is written under a temporary name in its folder and
// takes its own name only on Commit, once it is complete, so that an entry cut short leaves the
// file that was there as it was. Dropped without Commit, it removes its temporary file.
class PendingFile {
 public:
  PendingFile() = default;
  PendingFile(FileDescriptor folder, FileDescriptor file, std::string temp_name, std::string name,
              bool replacing);
  PendingFile(PendingFile&& other) noexcept = default;
  PendingFile& operator=(PendingFile&& other) noexcept;
  ~PendingFile();
  int Get() const { return file_.Get(); }
  bool IsOpen() const { return file_.IsOpen(); }
  // Renames the file into place (replacing the old file, whose permissions it keeps); false
  // when that fails, and the temporary file is then removed.
  bool Commit();

 private:
  void Discard();
  FileDescriptor folder_;
  FileDescriptor file_;
  std::string temp_name_;
  std::string name_;
  bool replacing_ = false;
};

// The names of the folders that one unpacking job writes into, each folder read once: a pack of
// thousands of files would otherwise read its folder again for every entry (a gallery update of
// 2 000 pictures would read four million names).
class FolderListings {
 public:
  // The folder's entry whose name differs from `wanted` only in letter case (SameFileName), or
  // `wanted` itself when there is none. The exact name is the caller's to try first.
  std::string Match(int folder, const std::string& wanted);
  // Records a name the job has created in the folder.
  void Added(int folder, const std::string& name);

 private:
  using Listing = std::map<std::u32string, std::string>;  // folded name -> name on disk
  Listing* Find(int folder, bool read_if_missing);
  std::map<std::pair<uint64_t, uint64_t>, Listing> listings_;  // by device and inode
};

// Creates the file components below the open root folder as a PendingFile, creating missing
// folders on the way. Names are matched without regard to case (SameFileName) where the exact
// one is missing. A symbolic link or anything but a folder or plain file on the way is never
// followed; an existing read-only file is not replaced.
struct CreatedFile {
  enum class Outcome { kCreated, kSkipped, kFailed };
  Outcome outcome = Outcome::kFailed;
  PendingFile file;
  std::string reason;  // for kSkipped and kFailed
};
// One job passes the same listings to every call; without them, each call reads afresh.
CreatedFile CreateFileBelowRoot(int root_folder, const std::vector<std::string>& components,
                                FolderListings* listings = nullptr);

}  // namespace zorna
