#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

#include "picture/alpha_picture.h"
#include "picture/bitmap.h"

namespace zorna {

// Reads a BMP, JPEG or PNG file, told apart by its first bytes. A file that is none of them is
// judged by its extension: ".bmp" gives "Bitmap image is not valid", ".jpg"/".jpeg" the JPEG
// decoder's error, ".png" "PNG image is not valid: ...", an icon or metafile "Can only modify
// an image if it contains a bitmap", anything else "Unknown picture file extension (.ext)".
// A file that cannot be read gives "Cannot open file".
Bitmap ReadPictureFile(const std::filesystem::path& path);
// The same for a file's bytes already read; `path` gives the extension and nothing is read.
Bitmap DecodePictureFile(const std::vector<uint8_t>& bytes, const std::filesystem::path& path);
// The top-left corner of the picture file, at most max_width x max_height pixels (at least
// 1 x 1): the pixels ReadPictureFile gives there, with its errors. Only the corner is held, and
// a PNG or JPEG file is decoded and read only as far as the corner needs.
Bitmap ReadPictureRegion(const std::filesystem::path& path, int max_width, int max_height);

// Write a 24-bit BMP, a JPEG of the given quality or a 32-bit PNG with the picture's alpha;
// the file is replaced only when complete.
void WriteBmpFile(const std::filesystem::path& path, const Bitmap& picture);
void WriteJpegFile(const std::filesystem::path& path, const Bitmap& picture, int quality);
void WritePngFile(const std::filesystem::path& path, const AlphaPicture& picture);

}  // namespace zorna
