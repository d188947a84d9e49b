#pragma once
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "gallery/maintenance_list.h"
#include "pack/pack_file.h"

// The maintenance panel's batch jobs over a list of gallery files (maintenance_list.h): moving
// them to other categories, encoding bitmaps into gallery pictures, the list of pictures with
// their dates, and the gallery update pack. The window and zornatool run the same jobs.
namespace zorna {

// --- Moving files to other categories ---

struct ShiftStep {
  std::string from;  // file names in the gallery folder
  std::string to;
};
struct ShiftPlan {
  // In the order to rename: by category, the highest first for a shift up, the lowest first for
  // a shift down, so that no file is moved onto a name that a later step frees.
  std::vector<ShiftStep> steps;
  // Files left where they are because their category would fall below 0.
  std::vector<std::string> refused;
};
// Every file keeps its picture number and extension and gets category + by. A shift of 0 plans
// nothing.
ShiftPlan PlanShift(const std::vector<GalleryFileEntry>& entries, int64_t by);

struct ShiftResult {
  size_t moved = 0;
  // Not moved, by reason; a file is never renamed onto a name in use.
  std::vector<std::string> taken;    // the new name was in use
  std::vector<std::string> refused;  // see ShiftPlan
  std::vector<std::string> failed;   // gone, or the folder cannot be written
  size_t NotMoved() const { return taken.size() + refused.size() + failed.size(); }
};
ShiftResult ShiftGalleryFiles(const std::filesystem::path& data_folder,
                              const std::vector<GalleryFileEntry>& entries, int64_t by);

// --- Encoding bitmaps into gallery pictures ---

struct EncodeResult {
  size_t encoded = 0;
  // "5007.bmp: why", for bitmaps that stay as they were.
  std::vector<std::string> failed;
};
// For each entry, the bitmap of its base name ("5007.bmp" for "5007.iko" or "5007.bmp") is
// encoded into the gallery picture of that name and then deleted; an entry without one is
// passed over. before_each is called with the entry's index before it is looked at.
EncodeResult EncodeGalleryFiles(const std::filesystem::path& data_folder,
                                const std::vector<GalleryFileEntry>& entries,
                                const std::function<void(size_t index)>& before_each = {});

// --- The list of pictures for downloading ("info.txt") ---

inline constexpr std::string_view kGalleryInfoFile = "info.txt";

// A file time as the desktop writes it in Slovak: "7.3.2024 9:05:03".
std::string DateTimeText(std::time_t time);
struct GalleryInfoLine {
  int64_t number = 0;  // the file name's leading number: 5007
  std::string time;    // DateTimeText of its file, or empty
};
// Five empty lines, the number of entries, then for each its number and time; lines end in
// CR LF (docs/formats/gallery-info.md).
std::string FormatGalleryInfo(const std::vector<GalleryInfoLine>& lines);
// The text for the listed files, with the modification time of each; a file that has gone since
// it was listed gets an empty time.
std::string GalleryInfoText(const std::filesystem::path& data_folder,
                            const std::vector<GalleryFileEntry>& entries);
// Writes the text into the gallery folder's "info.txt" in one step; throws CannotCreateFile.
std::filesystem::path WriteGalleryInfo(const std::filesystem::path& data_folder,
                                       const std::vector<GalleryFileEntry>& entries);

// --- The gallery update pack ---

// The names stored in the pack, relative to the gallery folder: the listed files and the tree
// as "../strom.trv", where the update import puts it back.
std::vector<std::string> GalleryPackNames(const std::filesystem::path& program_folder,
                                          const std::vector<GalleryFileEntry>& entries);
struct GalleryPackResult {
  PackResult pack;
  std::filesystem::path written;  // the pack, when complete
  size_t files = 0;               // names stored
};
// Packs GalleryPackNames into target, by default "zorna.mk" of the packs folder (PacksFolder):
// a pack for others, which the program does not install itself. A job that fails leaves the
// pack that was there before, whole.
GalleryPackResult PackGallery(const std::filesystem::path& program_folder,
                              const std::vector<GalleryFileEntry>& entries,
                              const ProgressStep& after_each_block = {},
                              const std::filesystem::path& target = {});

}  // namespace zorna
