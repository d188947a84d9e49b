#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The maintenance panel's list of the numbered files of the gallery folder. Each file is shown
// with zeros in front up to 10 characters (at most three are added), so that a gallery picture
// reads as three digits of category and three of picture ("5007.iko" shows as "005007.iko") and
// the sorted list runs by category and picture.
namespace zorna {

// The padding of a shown name: up to this length, with at most this many zeros.
inline constexpr size_t kShownNameLength = 10;
inline constexpr size_t kMostPaddingZeros = 3;

struct GalleryFileEntry {
  std::string shown;  // "005007.iko"
  std::string file;   // the name in the gallery folder: "5007.iko"
  // The file name's leading number split as the gallery names pictures: 5007 is category 5,
  // picture 7. Reading the number rather than the first three shown characters keeps odd names
  // ("5007.jpeg", "5007", a category above 999) in their own category.
  int64_t category = 0;
  int picture = 0;
  std::string rest;  // what follows the digits: ".iko"
};

// "005007.iko" for "5007.iko".
std::string PadGalleryFileName(std::string_view name);

// The entry of a file name, or nullopt when the name does not begin with a digit.
std::optional<GalleryFileEntry> ReadGalleryFileName(const std::string& name);

// The plain files of the gallery folder whose names begin with a digit and whose category lies
// in from..to, sorted by shown name (letter case aside). Links are left out: the jobs that
// follow write and rename, and must not reach outside the folder. A folder that is missing or
// cannot be read lists nothing.
std::vector<GalleryFileEntry> ListGalleryFiles(const std::filesystem::path& data_folder,
                                               int64_t from, int64_t to);

}  // namespace zorna
