#include "gallery/gallery_files.h"

#include <sys/stat.h>

#include <algorithm>
#include <system_error>

#include "support/error.h"
#include "support/file_names.h"
#include "support/files.h"

namespace zorna {
namespace fs = std::filesystem;

fs::path GalleryFolder(const fs::path& program_folder) {
  return FindPathIgnoringCase(program_folder / kGalleryFolder);
}

fs::path TreeFilePath(const fs::path& program_folder) {
  return FindPathIgnoringCase(program_folder / "strom.trv");
}

std::string GalleryFileName(int category, int picture, std::string_view extension) {
  std::string number = std::to_string(picture);
  if (number.size() < 3) number.insert(0, 3 - number.size(), '0');
  return std::to_string(category) + number + std::string(extension);
}

int GalleryPictureSide(int picture) {
  return picture < kFirstLargePicture ? kSmallPictureSide : kLargePictureSide;
}

std::optional<fs::path> FindGalleryPicture(const fs::path& data_folder, int category, int picture) {
  // A plain stat for the names that are there: a category of 175 pictures is looked up without
  // reading a folder that may hold thousands of other files.
  const fs::path exact = data_folder / GalleryFileName(category, picture);
  struct stat st {};
  if (::stat(exact.c_str(), &st) == 0) {
    if (S_ISREG(st.st_mode)) return exact;
    return std::nullopt;
  }
  const fs::path found = FindPathIgnoringCase(exact);
  std::error_code ec;
  if (found != exact && fs::is_regular_file(found, ec)) return found;
  return std::nullopt;
}

std::vector<int> CategoryPictureNumbers(const fs::path& data_folder, int category) {
  std::vector<int> numbers;
  for (int first : {0, kFirstLargePicture}) {
    const int last = first == 0 ? kFirstLargePicture - 1 : kLastPictureNumber;
    for (int p = first; p <= last && FindGalleryPicture(data_folder, category, p); ++p) {
      numbers.push_back(p);
    }
  }
  return numbers;
}

int NextFreePictureNumber(const fs::path& data_folder, int category, int side) {
  if (side != kSmallPictureSide && side != kLargePictureSide) {
    const std::string size = std::to_string(side) + " x " + std::to_string(side);
    throw Error("The gallery keeps pictures of 32 x 32 or 64 x 64 pixels, not " + size,
                "Galéria uchováva obrázky s rozmerom 32 x 32 alebo 64 x 64 bodov, nie " + size);
  }
  const int first = side == kSmallPictureSide ? 0 : kFirstLargePicture;
  const int last = side == kSmallPictureSide ? kFirstLargePicture - 1 : kLastPictureNumber;
  // One pass over the folder: every name "<stem>" or "<stem>.<anything>" takes its number.
  std::vector<bool> taken(static_cast<size_t>(last - first + 1), false);
  const std::string prefix = std::to_string(category);
  std::error_code ec;
  for (fs::directory_iterator it(data_folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() < prefix.size() + 3 || name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string_view digits = std::string_view(name).substr(prefix.size(), 3);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      continue;
    }
    if (name.size() > prefix.size() + 3 && name[prefix.size() + 3] != '.') continue;
    const int number = std::stoi(std::string(digits));
    if (number >= first && number <= last) taken[static_cast<size_t>(number - first)] = true;
  }
  // A folder that cannot be read must not pass for an empty one.
  if (ec && ec != std::errc::no_such_file_or_directory) {
    throw CannotOpenFile(data_folder.string(), ec.value());
  }
  const auto free = std::find(taken.begin(), taken.end(), false);
  if (free == taken.end()) {
    const bool small = side == kSmallPictureSide;
    throw Error("Category " + std::to_string(category) + " has no free number for another " +
                    (small ? "small" : "large") + " picture",
                "Kategória " + std::to_string(category) + " nemá voľné číslo pre ďalší " +
                    (small ? "malý" : "veľký") + " obrázok");
  }
  return first + static_cast<int>(free - taken.begin());
}

int CountGalleryFiles(const fs::path& data_folder, const std::function<bool(int)>& progress) {
  int count = 0;
  std::error_code ec;
  for (fs::directory_iterator it(data_folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code kind;
    if (!name.empty() && name[0] >= '0' && name[0] <= '9' && it->is_regular_file(kind)) ++count;
    if (count % kGalleryCountStep == 0 && !progress(count)) break;
  }
  return count;
}

}  // namespace zorna
