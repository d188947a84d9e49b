#include "gallery/maintenance_jobs.h"

#include <sys/stat.h>

#include <algorithm>
#include <map>

#include "gallery/gallery_files.h"
#include "gallery/gallery_picture.h"
#include "gallery/gallery_update.h"
#include "pack/packs_folder.h"
#include "support/error.h"
#include "support/files.h"
#include "support/rename_no_replace.h"
#include "text/cp1250.h"
#include "text/text_helpers.h"

namespace zorna {
namespace fs = std::filesystem;
namespace {

// A bitmap longer than a gallery picture can hold is refused before it is read whole.
constexpr uintmax_t kLongestGalleryBitmap = 255 * 255;

bool IsLink(const fs::path& path) {
  std::error_code ec;
  return fs::is_symlink(fs::symlink_status(path, ec));
}

std::string Line(std::string text) {
  return text + "\r\n";
}

// The gallery folder's names, read once for a whole job: looking up each listed file's bitmap
// afresh would read the folder once per file, and most files have no bitmap to be found.
class FolderNames {
 public:
  explicit FolderNames(const fs::path& folder) : folder_(folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      names_.emplace(FoldCaseCp1250(name), name);  // twins stay in the folder's order
    }
  }

  // As FindPathIgnoringCase(folder / name): the exact name when it exists, else the first
  // entry that differs only in letter case and is still there, else the name as given.
  fs::path Find(const std::string& name) const {
    const fs::path exact = folder_ / name;
    std::error_code ec;
    if (fs::exists(fs::symlink_status(exact, ec))) return exact;
    const auto [first, last] = names_.equal_range(FoldCaseCp1250(name));
    for (auto it = first; it != last; ++it) {
      const fs::path twin = folder_ / it->second;
      if (fs::exists(fs::symlink_status(twin, ec))) return twin;
    }
    return exact;
  }

 private:
  fs::path folder_;
  std::multimap<std::u32string, std::string> names_;  // folded name -> name on disk
};

}  // namespace

ShiftPlan PlanShift(const std::vector<GalleryFileEntry>& entries, int64_t by) {
  ShiftPlan plan;
  if (by == 0) return plan;
  std::vector<const GalleryFileEntry*> order;
  for (const GalleryFileEntry& entry : entries) order.push_back(&entry);
  std::stable_sort(order.begin(), order.end(),
                   [](const auto* a, const auto* b) { return a->category < b->category; });
  if (by > 0) std::reverse(order.begin(), order.end());
  for (const GalleryFileEntry* entry : order) {
    // Categories come from at most 15 digits, so this cannot overflow for any shift in reach.
    const int64_t category = entry->category + std::clamp<int64_t>(by, -INT32_MAX, INT32_MAX);
    if (category < 0) {
      plan.refused.push_back(entry->file);
      continue;
    }
    plan.steps.push_back(
        {entry->file, IntText(category) + ZeroPad(entry->picture, 3) + entry->rest});
  }
  return plan;
}

ShiftResult ShiftGalleryFiles(const fs::path& data_folder,
                              const std::vector<GalleryFileEntry>& entries, int64_t by) {
  ShiftPlan plan = PlanShift(entries, by);
  ShiftResult result;
  result.refused = std::move(plan.refused);
  for (const ShiftStep& step : plan.steps) {
    switch (RenameWithoutReplacing(data_folder / step.from, data_folder / step.to)) {
      case RenameOutcome::kRenamed:
        ++result.moved;
        break;
      case RenameOutcome::kTaken:
        result.taken.push_back(step.from);
        break;
      case RenameOutcome::kFailed:
        result.failed.push_back(step.from);
        break;
    }
  }
  return result;
}

EncodeResult EncodeGalleryFiles(const fs::path& data_folder,
                                const std::vector<GalleryFileEntry>& entries,
                                const std::function<void(size_t index)>& before_each) {
  EncodeResult result;
  const FolderNames names(data_folder);
  for (size_t i = 0; i < entries.size(); ++i) {
    if (before_each) before_each(i);
    const std::string base = BezPripony(entries[i].file);
    const fs::path bmp = names.Find(base + ".bmp");
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(bmp, ec))) continue;
    const fs::path iko = names.Find(base + ".iko");
    const std::string shown = bmp.filename().string();
    if (IsLink(iko)) {
      result.failed.push_back(shown + ": " + iko.filename().string() + " is a link");
      continue;
    }
    if (fs::file_size(bmp, ec) > kLongestGalleryBitmap) {
      result.failed.push_back(shown + ": longer than a gallery picture holds (65025 bytes)");
      continue;
    }
    try {
      EncodeGalleryPicture(bmp, iko);
      ++result.encoded;
    } catch (const std::exception& e) {
      result.failed.push_back(shown + ": " + e.what());
    }
  }
  return result;
}

std::string DateTimeText(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  return std::to_string(local.tm_mday) + "." + std::to_string(local.tm_mon + 1) + "." +
         std::to_string(local.tm_year + 1900) + " " + std::to_string(local.tm_hour) + ":" +
         ZeroPad(local.tm_min, 2) + ":" + ZeroPad(local.tm_sec, 2);
}

std::string FormatGalleryInfo(const std::vector<GalleryInfoLine>& lines) {
  std::string text = RepeatText("\r\n", 5) + Line(std::to_string(lines.size()));
  for (const GalleryInfoLine& line : lines) text += Line(IntText(line.number)) + Line(line.time);
  return text;
}

std::string GalleryInfoText(const fs::path& data_folder,
                            const std::vector<GalleryFileEntry>& entries) {
  std::vector<GalleryInfoLine> lines;
  lines.reserve(entries.size());
  for (const GalleryFileEntry& entry : entries) {
    struct stat st {};
    const bool found = ::lstat((data_folder / entry.file).c_str(), &st) == 0;
    lines.push_back(
        {entry.category * 1000 + entry.picture, found ? DateTimeText(st.st_mtime) : ""});
  }
  return FormatGalleryInfo(lines);
}

fs::path WriteGalleryInfo(const fs::path& data_folder,
                          const std::vector<GalleryFileEntry>& entries) {
  const fs::path path = FindPathIgnoringCase(data_folder / kGalleryInfoFile);
  if (IsLink(path)) throw CannotCreateFile(path.string());
  WriteFileAtomically(path, GalleryInfoText(data_folder, entries));
  return path;
}

std::vector<std::string> GalleryPackNames(const fs::path& program_folder,
                                          const std::vector<GalleryFileEntry>& entries) {
  std::vector<std::string> names;
  names.reserve(entries.size() + 1);
  for (const GalleryFileEntry& entry : entries) names.push_back(entry.file);
  names.push_back("../" + TreeFilePath(program_folder).filename().string());
  return names;
}

GalleryPackResult PackGallery(const fs::path& program_folder,
                              const std::vector<GalleryFileEntry>& entries,
                              const ProgressStep& after_each_block, const fs::path& target) {
  const std::vector<std::string> names = GalleryPackNames(program_folder, entries);
  GalleryPackResult result;
  try {
    result.written =
        target.empty() ? PacksFolder(program_folder) / kGalleryUpdatePack : fs::absolute(target);
  } catch (const Error& e) {
    result.pack = {false, e.what(), e.Slovak()};
    return result;
  }
  // The pack takes its name only once it is complete.
  result.pack =
      ZbalSubory(names, result.written.string(), after_each_block, GalleryFolder(program_folder));
  if (!result.pack.completed) result.written.clear();
  result.files = result.pack.completed ? names.size() : 0;
  return result;
}

}  // namespace zorna
