#pragma once
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the gallery keeps its pictures: the folder "Data" in the program folder, one file per
// picture named by the category number in decimal and the picture number in three digits, with
// the extension ".iko" ("12007.iko" is small picture 7 of category 12). Numbers 0 to 499 are
// small pictures (32 x 32), 500 to 999 large ones (64 x 64). A category's pictures are numbered
// without gaps from 0 and from 500; the first missing number ends each run.
namespace zorna {

inline constexpr std::string_view kGalleryFolder = "Data";
inline constexpr std::string_view kGalleryPictureExtension = ".iko";
inline constexpr int kFirstLargePicture = 500;
// A four-digit number would make the name of another category's picture (category 1,
// picture 1000 would be "11000", picture 0 of category 11).
inline constexpr int kLastPictureNumber = 999;
inline constexpr int kSmallPictureSide = 32;
inline constexpr int kLargePictureSide = 64;
// The library panel's buttons: more pictures of a category than this are never seen.
inline constexpr size_t kSmallPicturesShown = 135;
inline constexpr size_t kLargePicturesShown = 40;

// The program folder's "Data" and "strom.trv", found without regard to letter case ("data"
// serves as well); the names as given when neither exists.
std::filesystem::path GalleryFolder(const std::filesystem::path& program_folder);
std::filesystem::path TreeFilePath(const std::filesystem::path& program_folder);

// "12007.iko" for category 12, picture 7; another extension (with its dot) for the other files
// of the same picture.
std::string GalleryFileName(int category, int picture,
                            std::string_view extension = kGalleryPictureExtension);

// 32 for the small picture numbers (below 500), 64 for the large ones.
int GalleryPictureSide(int picture);

// The picture's file in the gallery folder, or nullopt when there is none. The exact name is
// tried first; only when it is missing is a name differing in letter case looked for.
std::optional<std::filesystem::path> FindGalleryPicture(const std::filesystem::path& data_folder,
                                                        int category, int picture);

// The picture numbers that choosing the category loads, in loading order: 0, 1, ... and then
// 500, 501, ..., each run ending at the first number without a file.
std::vector<int> CategoryPictureNumbers(const std::filesystem::path& data_folder, int category);

// The number a new picture of that side (32 or 64) gets: the first from 0 (or 500) for which the
// gallery folder holds no file of that name with any extension (or none at all), whatever the
// letter case. Throws Error for another side, or when the category's numbers of that size are
// all taken. A missing gallery folder gives 0 or 500.
int NextFreePictureNumber(const std::filesystem::path& data_folder, int category, int side);

// The gallery's pictures as the about box counts them: the files (folders do not count) of the
// gallery folder whose names start with a digit. After every entry looked at, while the count
// so far is a multiple of kGalleryCountStep (0 too), progress is told the count; it returns false
// to stop early, and the count so far is returned. A missing or unreadable folder counts what
// could be read, 0 when nothing.
inline constexpr int kGalleryCountStep = 50;
int CountGalleryFiles(const std::filesystem::path& data_folder,
                      const std::function<bool(int count)>& progress);

}  // namespace zorna
