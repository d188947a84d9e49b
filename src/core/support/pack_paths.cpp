#include "support/pack_paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "support/cp1250.h"
#include "support/error.h"
#include "support/file_names.h"

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
std::string MatchName(int folder, const std::string& wanted) {
  struct stat st {};
  if (::fstatat(folder, wanted.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) return wanted;
  const int listing_fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing_fd < 0) return wanted;
  DIR* listing = ::fdopendir(listing_fd);
  if (listing == nullptr) {
    ::close(listing_fd);
    return wanted;
  }
  std::string found = wanted;
  while (const dirent* entry = ::readdir(listing)) {
    if (SameFileName(entry->d_name, wanted)) {
      found = entry->d_name;
      break;
    }
  }
  ::closedir(listing);
  return found;
}

CreatedFile Skipped(std::string reason) {
  return {CreatedFile::Outcome::kSkipped, FileDescriptor(), std::move(reason)};
}

CreatedFile Failed(const std::vector<std::string>& components) {
  return {CreatedFile::Outcome::kFailed, FileDescriptor(),
          CannotCreateFile(JoinPath(components, components.size())).what()};
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
    const std::filesystem::path& root) {
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
  return BelowRoot(full, root_parts);
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

CreatedFile CreateFileBelowRoot(int root_folder, const std::vector<std::string>& components) {
  if (components.empty()) return Failed(components);
  FileDescriptor folder(::fcntl(root_folder, F_DUPFD_CLOEXEC, 0));
  if (!folder.IsOpen()) return Failed(components);
  for (size_t i = 0; i + 1 < components.size(); ++i) {
    const std::string name = MatchName(folder.Get(), components[i]);
    struct stat st {};
    if (::fstatat(folder.Get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
      if (S_ISLNK(st.st_mode))
        return Skipped("the folder " + JoinPath(components, i + 1) + " is a symbolic link");
      if (!S_ISDIR(st.st_mode)) return Failed(components);
    } else if (errno != ENOENT ||
               (::mkdirat(folder.Get(), name.c_str(), 0777) != 0 && errno != EEXIST)) {
      return Failed(components);
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
  const std::string name = MatchName(folder.Get(), components.back());
  const std::string shown = JoinPath(components, components.size());
  struct stat st {};
  if (::fstatat(folder.Get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISLNK(st.st_mode)) return Skipped(shown + " is a symbolic link");
    if (S_ISDIR(st.st_mode)) return Failed(components);
    if (!S_ISREG(st.st_mode)) return Skipped(shown + " is not a plain file");
  }
  FileDescriptor file(::openat(folder.Get(), name.c_str(),
                               O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                               0666));
  if (!file.IsOpen()) {
    if (errno == ELOOP) return Skipped(shown + " is a symbolic link");
    return Failed(components);
  }
  if (::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    return Skipped(shown + " is not a plain file");
  }
  return {CreatedFile::Outcome::kCreated, std::move(file), {}};
}

}  // namespace zorna
