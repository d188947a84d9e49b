#include "pack/pack_paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "support/error.h"
#include "support/file_names.h"
#include "support/files.h"
#include "text/cp1250.h"

namespace zorna {
namespace {

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

bool IsSkinFolder(const std::string& name) {
  return SameFileName(name, "skin");
}

// Applies names to the folder `at`, "." staying and ".." going up (never above the top).
void Walk(std::vector<std::string>& at, const std::vector<std::string>& names, size_t first) {
  for (size_t i = first; i < names.size(); ++i) {
    if (names[i] == ".") continue;
    if (names[i] == "..") {
      if (!at.empty()) at.pop_back();
      continue;
    }
    at.push_back(names[i]);
  }
}

std::optional<std::vector<std::string>> BelowRoot(const std::vector<std::string>& full,
                                                  const std::vector<std::string>& root) {
  if (full.size() <= root.size() || !std::equal(root.begin(), root.end(), full.begin())) {
    return std::nullopt;
  }
  return std::vector<std::string>(full.begin() + static_cast<std::ptrdiff_t>(root.size()),
                                  full.end());
}

std::string JoinPath(const std::vector<std::string>& components, size_t count) {
  std::string path;
  for (size_t i = 0; i < count && i < components.size(); ++i) {
    if (i > 0) path += '/';
    path += components[i];
  }
  return path;
}

// The folder entry to use for `wanted`: itself when it exists, else an entry that differs only
// in letter case, else `wanted` (to be created).
std::string MatchName(int folder, const std::string& wanted, FolderListings& listings) {
  struct stat st {};
  if (::fstatat(folder, wanted.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) return wanted;
  return listings.Match(folder, wanted);
}

CreatedFile Skipped(std::string reason) {
  return {CreatedFile::Outcome::kSkipped, PendingFile(), std::move(reason)};
}

CreatedFile Failed(const std::vector<std::string>& components) {
  return {CreatedFile::Outcome::kFailed, PendingFile(),
          CannotCreateFile(JoinPath(components, components.size())).what()};
}

// A new file of a name of its own in the folder, never an existing one.
FileDescriptor CreateTemporary(int folder, std::string& temp_name) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    temp_name = TemporaryFileName();
    FileDescriptor file(::openat(folder, temp_name.c_str(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (file.IsOpen() || errno != EEXIST) return file;
  }
  return FileDescriptor();
}

}  // namespace

std::string StoredNameToPath(std::string_view stored_name) {
  std::string path = Cp1250ToUtf8(stored_name);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::optional<std::string> PathToStoredName(std::string_view path) {
  if (!IsValidUtf8(path)) return std::nullopt;
  std::string stored = Utf8ToCp1250(path);
  if (Cp1250ToUtf8(stored) != path) return std::nullopt;
  std::replace(stored.begin(), stored.end(), '/', '\\');
  return stored;
}

std::optional<std::vector<std::string>> PackEntryDestination(
    std::string_view stored_name, const std::filesystem::path& current_folder,
    const std::filesystem::path& root, std::string_view only_inside) {
  const std::string name = StoredNameToPath(stored_name);
  std::string_view rest = name;
  bool absolute = false;
  if (rest.size() >= 2 && rest[1] == ':' &&
      ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= 'a' && rest[0] <= 'z'))) {
    absolute = true;
    rest.remove_prefix(2);
  } else if (!rest.empty() && rest[0] == '/') {
    absolute = true;
  }
  const std::vector<std::string> names = SplitPath(rest);
  // A name must end in a file, not in the folder it starts from or one above it.
  if (names.empty() || names.back() == "." || names.back() == "..") return std::nullopt;
  const std::vector<std::string> root_parts = SplitPath(root.generic_string());
  std::vector<std::string> full;
  if (absolute) {
    // The last folder called "Skin"; the file name itself does not count.
    size_t skin = names.size();
    for (size_t i = names.size() >= 1 ? names.size() - 1 : 0; i-- > 0;) {
      if (IsSkinFolder(names[i])) {
        skin = i;
        break;
      }
    }
    if (skin == names.size()) return std::nullopt;
    full = root_parts;
    full.push_back("Skin");
    Walk(full, names, skin + 1);
  } else {
    full = SplitPath(current_folder.generic_string());
    Walk(full, names, 0);
  }
  std::optional<std::vector<std::string>> below = BelowRoot(full, root_parts);
  if (!below || only_inside.empty()) return below;
  if (below->size() < 2 || !SameFileName((*below)[0], only_inside)) return std::nullopt;
  (*below)[0] = only_inside;
  return below;
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.Release();
  }
  return *this;
}

FileDescriptor::~FileDescriptor() {
  if (fd_ >= 0) ::close(fd_);
}

FolderListings::Listing* FolderListings::Find(int folder, bool read_if_missing) {
  struct stat st {};
  if (::fstat(folder, &st) != 0) return nullptr;
  const std::pair<uint64_t, uint64_t> key{st.st_dev, st.st_ino};
  const auto found = listings_.find(key);
  if (found != listings_.end()) return &found->second;
  if (!read_if_missing) return nullptr;
  const int listing_fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing_fd < 0) return nullptr;
  DIR* listing = ::fdopendir(listing_fd);
  if (listing == nullptr) {
    ::close(listing_fd);
    return nullptr;
  }
  Listing& names = listings_[key];
  while (const dirent* entry = ::readdir(listing)) {
    names.emplace(FoldCaseCp1250(entry->d_name), entry->d_name);  // the first of twins stays
  }
  ::closedir(listing);
  return &names;
}

std::string FolderListings::Match(int folder, const std::string& wanted) {
  const Listing* names = Find(folder, true);
  if (names == nullptr) return wanted;
  const auto found = names->find(FoldCaseCp1250(wanted));
  return found == names->end() ? wanted : found->second;
}

void FolderListings::Added(int folder, const std::string& name) {
  if (Listing* names = Find(folder, false)) names->emplace(FoldCaseCp1250(name), name);
}

CreatedFile CreateFileBelowRoot(int root_folder, const std::vector<std::string>& components,
                                FolderListings* shared_listings) {
  FolderListings own_listings;
  FolderListings& listings = shared_listings ? *shared_listings : own_listings;
  if (components.empty()) return Failed(components);
  FileDescriptor folder(::fcntl(root_folder, F_DUPFD_CLOEXEC, 0));
  if (!folder.IsOpen()) return Failed(components);
  for (size_t i = 0; i + 1 < components.size(); ++i) {
    const std::string name = MatchName(folder.Get(), components[i], listings);
    struct stat st {};
    if (::fstatat(folder.Get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
      if (S_ISLNK(st.st_mode))
        return Skipped("the folder " + JoinPath(components, i + 1) + " is a symbolic link");
      if (!S_ISDIR(st.st_mode)) return Failed(components);
    } else if (errno != ENOENT ||
               (::mkdirat(folder.Get(), name.c_str(), 0777) != 0 && errno != EEXIST)) {
      return Failed(components);
    } else {
      listings.Added(folder.Get(), name);
    }
    FileDescriptor next(
        ::openat(folder.Get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!next.IsOpen()) {
      if (errno == ELOOP || errno == ENOTDIR) {
        return Skipped("the folder " + JoinPath(components, i + 1) + " is a symbolic link");
      }
      return Failed(components);
    }
    folder = std::move(next);
  }
  const std::string name = MatchName(folder.Get(), components.back(), listings);
  const std::string shown = JoinPath(components, components.size());
  struct stat st {};
  const bool replacing = ::fstatat(folder.Get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
  if (replacing) {
    if (S_ISLNK(st.st_mode)) return Skipped(shown + " is a symbolic link");
    if (S_ISDIR(st.st_mode)) return Failed(components);
    if (!S_ISREG(st.st_mode)) return Skipped(shown + " is not a plain file");
    if ((st.st_mode & S_IWUSR) == 0)
      return Failed(components);  // read-only, as the desktop keeps it
  }
  std::string temp_name;
  FileDescriptor file = CreateTemporary(folder.Get(), temp_name);
  if (!file.IsOpen()) return Failed(components);
  // The file that is replaced keeps its permissions.
  if (replacing) ::fchmod(file.Get(), st.st_mode & 07777);
  if (!replacing) listings.Added(folder.Get(), name);
  return {CreatedFile::Outcome::kCreated,
          PendingFile(std::move(folder), std::move(file), std::move(temp_name), name, replacing),
          {}};
}

PendingFile::PendingFile(FileDescriptor folder, FileDescriptor file, std::string temp_name,
                         std::string name, bool replacing)
    : folder_(std::move(folder)),
      file_(std::move(file)),
      temp_name_(std::move(temp_name)),
      name_(std::move(name)),
      replacing_(replacing) {}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
  if (this != &other) {
    Discard();
    folder_ = std::move(other.folder_);
    file_ = std::move(other.file_);
    temp_name_ = std::move(other.temp_name_);
    name_ = std::move(other.name_);
    replacing_ = other.replacing_;
  }
  return *this;
}

PendingFile::~PendingFile() {
  Discard();
}

void PendingFile::Discard() {
  if (!file_.IsOpen()) return;
  file_ = FileDescriptor();
  ::unlinkat(folder_.Get(), temp_name_.c_str(), 0);
}

bool PendingFile::Commit() {
  if (!file_.IsOpen()) return false;
  // A file that is replaced must never be lost: its successor reaches the disk first.
  const bool durable = !replacing_ || ::fdatasync(file_.Get()) == 0;
  const bool closed = ::close(file_.Release()) == 0;
  if (durable && closed &&
      ::renameat(folder_.Get(), temp_name_.c_str(), folder_.Get(), name_.c_str()) == 0) {
    return true;
  }
  ::unlinkat(folder_.Get(), temp_name_.c_str(), 0);
  return false;
}

}  // namespace zorna
