#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zorna {

// Whole-file reads and writes used by every reader and writer of the program's files.
// Only a regular file is read: a folder, a device or a pipe is refused with its name (a pipe is
// opened without waiting for a writer), so a wrong name never blocks or reads without end.
// Sizes are checked before anything is read. Every failure throws zorna::Error naming the file
// and the reason. WriteFileAtomically writes a temporary file in the same folder and renames it
// over the target only when complete, so a failed write keeps the file that was there before;
// it throws CannotCreateFile.

// The most a reader that has no limit of its own reads.
inline constexpr uint64_t kDefaultReadLimit = uint64_t{256} << 20;

// Opens a regular file for reading and gives its descriptor (the caller closes it) and size.
int OpenRegularFile(const std::filesystem::path& path, uint64_t& size);
// The whole file; a file larger than max_bytes is refused before it is read.
std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path,
                                   uint64_t max_bytes = kDefaultReadLimit);
std::string ReadWholeFileText(const std::filesystem::path& path,
                              uint64_t max_bytes = kDefaultReadLimit);
// The first max_bytes bytes of a file (all of a shorter one), for readers that never need more:
// a huge file costs them no more memory than a file of their own size.
std::vector<uint8_t> ReadFileStart(const std::filesystem::path& path, size_t max_bytes);

// Writes all bytes to an open file descriptor, retrying short writes; throws CannotCreateFile
// naming shown_name.
void WriteAll(int fd, const void* data, size_t size, const std::string& shown_name);

// A short name of the program's own for a temporary file beside its target (".zorna-….tmp"),
// different on each call; short, so that a target name near the length limit still has room.
std::string TemporaryFileName();

// Writes a file under a temporary name beside the target and renames it over the target on
// Commit; a writer destroyed without Commit removes its temporary file and leaves the target
// as it was. A read-only target is refused; a link is kept and the file behind it replaced.
// Every failure throws CannotCreateFile with the target's name.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const std::filesystem::path& target);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  void Write(const void* data, size_t size);
  void Commit();

 private:
  static constexpr size_t kBufferSize = 64 * 1024;
  void Flush();

  std::filesystem::path target_;
  std::filesystem::path destination_;
  std::filesystem::path temp_;
  int fd_ = -1;
  bool committed_ = false;
  std::vector<uint8_t> buffer_;
};

void WriteFileAtomically(const std::filesystem::path& path, const void* data, size_t size);
inline void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  WriteFileAtomically(path, bytes.data(), bytes.size());
}
inline void WriteFileAtomically(const std::filesystem::path& path,
                                const std::vector<uint8_t>& bytes) {
  WriteFileAtomically(path, bytes.data(), bytes.size());
}

// Paths of the program's own files use "/" and are looked up component by component without
// regard to case (SameFileName) when the exact spelling is missing ("Skin" and "skin").
// Components that exist nowhere are kept as given, so the result can name a file to create.
std::filesystem::path FindPathIgnoringCase(const std::filesystem::path& path);

// The read-only attribute of the program is the owner's write permission.
bool IsReadOnly(const std::filesystem::path& path);
void SetReadOnly(const std::filesystem::path& path, bool read_only);

// Appends "/" when the last character is not already a path delimiter.
std::string PridajLomitko(const std::string& path);
// The system's temporary folder, ending in "/".
std::string DocasnyPriecinok();
// Deletes a file, also a read-only one; true when the file is gone.
bool ZmazSubor(const std::string& path);
// Deletes every file (not folder) of folder matching mask (MatchesMask).
void ZmazSuboryMaskou(std::string folder, const std::string& mask);
// Size of the file in bytes; -1 when it cannot be opened.
int64_t VelkostSuboru(const std::string& path);

}  // namespace zorna
