#include "gallery/maintenance_list.h"

#include <algorithm>

#include "text/text_helpers.h"

namespace zorna {
namespace fs = std::filesystem;
namespace {

// Beyond any category the panel reaches; more digits are not read, so no name overflows.
constexpr size_t kMostDigits = 15;

bool ShownBefore(const GalleryFileEntry& a, const GalleryFileEntry& b) {
  const std::string la = LowerAscii(a.shown);
  const std::string lb = LowerAscii(b.shown);
  if (la != lb) return la < lb;
  if (a.shown != b.shown) return a.shown < b.shown;
  return a.file < b.file;
}

}  // namespace

std::string PadGalleryFileName(std::string_view name) {
  const size_t zeros = name.size() >= kShownNameLength
                           ? 0
                           : std::min(kMostPaddingZeros, kShownNameLength - name.size());
  return std::string(zeros, '0') + std::string(name);
}

std::optional<GalleryFileEntry> ReadGalleryFileName(const std::string& name) {
  if (name.empty() || !IsDigit(name.front())) return std::nullopt;
  size_t digits = 0;
  int64_t number = 0;
  while (digits < name.size() && IsDigit(name[digits])) {
    if (digits < kMostDigits) number = number * 10 + (name[digits] - '0');
    ++digits;
  }
  if (digits > kMostDigits) number = INT64_MAX;  // far outside every range
  GalleryFileEntry entry;
  entry.shown = PadGalleryFileName(name);
  entry.file = name;
  entry.category = number / 1000;
  entry.picture = static_cast<int>(number % 1000);
  entry.rest = name.substr(digits);
  return entry;
}

std::vector<GalleryFileEntry> ListGalleryFiles(const fs::path& data_folder, int64_t from,
                                               int64_t to) {
  std::vector<GalleryFileEntry> entries;
  std::error_code ec;
  for (fs::directory_iterator it(data_folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::optional<GalleryFileEntry> entry = ReadGalleryFileName(it->path().filename().string());
    if (!entry || entry->category < from || entry->category > to) continue;
    std::error_code kind;
    if (!it->is_regular_file(kind) || it->is_symlink(kind)) continue;
    entries.push_back(std::move(*entry));
  }
  std::sort(entries.begin(), entries.end(), ShownBefore);
  return entries;
}

}  // namespace zorna
