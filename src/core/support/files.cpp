#include "support/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>

#include "support/error.h"
#include "support/file_names.h"

namespace zorna {
namespace fs = std::filesystem;

int OpenRegularFile(const fs::path& path, uint64_t& size) {
  // Without O_NONBLOCK a pipe with no writer would hold the program here for good.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) throw CannotOpenFile(path.string(), errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int error_number = errno;
    ::close(fd);
    throw CannotOpenFile(path.string(), error_number);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    throw NotARegularFile(path.string(), S_ISDIR(st.st_mode));
  }
  // Reads of a regular file never wait; the flag only served the opening.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  size = static_cast<uint64_t>(st.st_size);
  return fd;
}

namespace {

// Up to max_bytes bytes from the start of an open file; fewer only at its end.
std::vector<uint8_t> ReadUpTo(int fd, uint64_t expected, uint64_t max_bytes, const fs::path& path) {
  std::vector<uint8_t> bytes;
  bytes.reserve(static_cast<size_t>(std::min(expected, max_bytes)));
  constexpr size_t kPiece = 64 * 1024;
  while (bytes.size() < max_bytes) {
    const size_t at = bytes.size();
    bytes.resize(at + static_cast<size_t>(std::min<uint64_t>(kPiece, max_bytes - at)));
    const ssize_t n = ::read(fd, bytes.data() + at, bytes.size() - at);
    if (n < 0 && errno == EINTR) {
      bytes.resize(at);
      continue;
    }
    if (n < 0) {
      const int error_number = errno;
      ::close(fd);
      throw CannotReadFile(path.string(), error_number);
    }
    bytes.resize(at + static_cast<size_t>(n));
    if (n == 0) break;
  }
  ::close(fd);
  return bytes;
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const fs::path& path, uint64_t max_bytes) {
  uint64_t size = 0;
  const int fd = OpenRegularFile(path, size);
  if (size > max_bytes) {
    ::close(fd);
    throw FileTooLarge(path.string(), max_bytes);
  }
  // One byte more than allowed tells a file that grew while it was read.
  std::vector<uint8_t> bytes = ReadUpTo(fd, size, max_bytes + 1, path);
  if (bytes.size() > max_bytes) throw FileTooLarge(path.string(), max_bytes);
  return bytes;
}

std::vector<uint8_t> ReadFileStart(const fs::path& path, size_t max_bytes) {
  uint64_t size = 0;
  const int fd = OpenRegularFile(path, size);
  return ReadUpTo(fd, size, max_bytes, path);
}

std::string ReadWholeFileText(const fs::path& path, uint64_t max_bytes) {
  const auto bytes = ReadWholeFile(path, max_bytes);
  return std::string(bytes.begin(), bytes.end());
}

void WriteAll(int fd, const void* data, size_t size, const std::string& shown_name) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  while (size > 0) {
    const ssize_t n = ::write(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw CannotCreateFile(shown_name, n < 0 ? errno : ENOSPC);
    bytes += n;
    size -= static_cast<size_t>(n);
  }
}

namespace {

// A link to the file is kept: its target is what gets replaced.
fs::path FileBehindLinks(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
  const fs::path resolved = fs::weakly_canonical(path, ec);
  return ec ? path : resolved;
}

}  // namespace

std::string TemporaryFileName() {
  static thread_local std::mt19937 random(std::random_device{}());
  return ".zorna-" + std::to_string(random()) + ".tmp";
}

AtomicFileWriter::AtomicFileWriter(const fs::path& target)
    : target_(target), destination_(FileBehindLinks(target)) {
  std::error_code ec;
  if (fs::is_directory(destination_, ec)) throw CannotCreateFile(target.string(), EISDIR);
  if (fs::exists(destination_, ec) && IsReadOnly(destination_)) {
    throw CannotCreateFile(target.string(), EACCES);
  }
  const fs::path folder =
      destination_.has_parent_path() ? destination_.parent_path() : fs::path(".");
  temp_ = folder / TemporaryFileName();
  fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd_ < 0) throw CannotCreateFile(target.string(), errno);
  buffer_.reserve(kBufferSize);
}

AtomicFileWriter::~AtomicFileWriter() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_) ::unlink(temp_.c_str());
}

void AtomicFileWriter::Write(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  if (buffer_.size() + size <= kBufferSize) {
    buffer_.insert(buffer_.end(), bytes, bytes + size);
    return;
  }
  Flush();
  WriteAll(fd_, bytes, size, target_.string());
}

void AtomicFileWriter::Flush() {
  WriteAll(fd_, buffer_.data(), buffer_.size(), target_.string());
  buffer_.clear();
}

void AtomicFileWriter::Commit() {
  Flush();
  // A file that is replaced must never be lost: its successor reaches the disk before the
  // rename. A new name has nothing to lose, and skipping the flush keeps saving quick.
  struct stat old_stat {};
  const bool replacing = ::stat(destination_.c_str(), &old_stat) == 0;
  const bool durable = !replacing || ::fdatasync(fd_) == 0;
  const int sync_error = errno;
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (!durable || !closed) throw CannotCreateFile(target_.string(), durable ? errno : sync_error);
  // Keep the permissions of the file being replaced.
  if (replacing) ::chmod(temp_.c_str(), old_stat.st_mode & 07777);
  if (::rename(temp_.c_str(), destination_.c_str()) != 0) {
    throw CannotCreateFile(target_.string(), errno);
  }
  committed_ = true;
}

void WriteFileAtomically(const fs::path& path, const void* data, size_t size) {
  AtomicFileWriter file(path);
  file.Write(data, size);
  file.Commit();
}

fs::path FindPathIgnoringCase(const fs::path& path) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(path, ec))) return path;
  fs::path resolved = path.root_path();
  bool searching = true;
  for (const auto& part : path.relative_path()) {
    fs::path candidate = resolved / part;
    if (searching && !fs::exists(fs::symlink_status(candidate, ec))) {
      bool found = false;
      const fs::path folder = resolved.empty() ? fs::path(".") : resolved;
      for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (SameFileName(name, part.string())) {
          candidate = resolved / name;
          found = true;
          break;
        }
      }
      if (!found) searching = false;
    }
    resolved = candidate;
  }
  return resolved;
}

bool IsReadOnly(const fs::path& path) {
  std::error_code ec;
  const auto st = fs::status(path, ec);
  if (ec) return false;
  return (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

void SetReadOnly(const fs::path& path, bool read_only) {
  std::error_code ec;
  fs::permissions(path, fs::perms::owner_write,
                  read_only ? fs::perm_options::remove : fs::perm_options::add, ec);
}

std::string PridajLomitko(const std::string& path) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) return path;
  return path + "/";
}

std::string DocasnyPriecinok() {
  std::error_code ec;
  const fs::path temp = fs::temp_directory_path(ec);
  return PridajLomitko(ec ? std::string("/tmp") : temp.string());
}

bool ZmazSubor(const std::string& path) {
  if (::unlink(path.c_str()) == 0) return true;
  if (errno == ENOENT) return false;
  // A read-only file: clear the bit, make sure the file can be opened, then delete again.
  const bool was_read_only = IsReadOnly(path);
  if (was_read_only) SetReadOnly(path, false);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    if (::unlink(path.c_str()) != 0) {
      const int deletion_error = errno;  // putting the bit back may set errno again
      if (was_read_only) SetReadOnly(path, true);
      throw CannotDeleteFile(path, deletion_error);
    }
    return true;
  }
  if (was_read_only) SetReadOnly(path, true);
  return false;
}

void ZmazSuboryMaskou(std::string folder, const std::string& mask) {
  if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  std::error_code ec;
  const fs::path dir = FindPathIgnoringCase(folder.empty() ? fs::path("/") : fs::path(folder));
  std::vector<std::string> names;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (MatchesMask(name, mask)) names.push_back(name);
  }
  for (const auto& name : names) {
    const fs::path file = dir / name;
    if (fs::is_regular_file(file, ec)) {
      try {
        ZmazSubor(file.string());
      } catch (const Error&) {
        // ignored: the enumeration goes on
      }
    }
  }
}

int64_t VelkostSuboru(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  return static_cast<int64_t>(st.st_size);
}

}  // namespace zorna
