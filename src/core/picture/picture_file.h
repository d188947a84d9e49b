#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

#include "picture/alpha_picture.h"
#include "picture/bitmap.h"

namespace zorna {

// The largest picture file read: a picture is placed from its top-left corner (at most
// 128 x 128 pixels), and a larger file would cost seconds and its own size in memory.
inline constexpr uint64_t kPictureFileLimit = uint64_t{256} << 20;

// Reads a BMP, JPEG or PNG file, told apart by its first bytes. A file that is none of them is
// judged by its extension: ".bmp" gives "Bitmap image is not valid", ".jpg"/".jpeg" the JPEG
// decoder's error, ".png" "PNG image is not valid: ...", an icon or metafile "Can only modify
// an image if it contains a bitmap", anything else "Unknown picture file extension (.ext)";
// each after the file's name ("NAME: ..."). A file that cannot be read, is not a regular file
// or is larger than kPictureFileLimit gives "Cannot open file" or "Cannot read file".
Bitmap ReadPictureFile(const std::filesystem::path& path);
// The same for a file's bytes already read; `path` gives the extension and nothing is read.
Bitmap DecodePictureFile(const std::vector<uint8_t>& bytes, const std::filesystem::path& path);
// The top-left corner of the picture file, at most max_width x max_height pixels (at least
// 1 x 1): the pixels ReadPictureFile gives there, with its errors. Only the corner is held, and
// a PNG or JPEG file is decoded and read only as far as the corner needs.
Bitmap ReadPictureRegion(const std::filesystem::path& path, int max_width, int max_height);

// Whether the file begins as a BMP, JPEG or PNG picture does (the first bytes that
// ReadPictureFile tells them apart by); false also for a file that cannot be read.
bool LooksLikePictureFile(const std::filesystem::path& path);

// Write a 24-bit BMP, a JPEG of the given quality or a 32-bit PNG with the picture's alpha;
// the file is replaced only when complete.
void WriteBmpFile(const std::filesystem::path& path, const Bitmap& picture);
void WriteJpegFile(const std::filesystem::path& path, const Bitmap& picture, int quality);
void WritePngFile(const std::filesystem::path& path, const AlphaPicture& picture);

}  // namespace zorna
