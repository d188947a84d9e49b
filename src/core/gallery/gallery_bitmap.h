#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "picture/bitmap.h"

// Gallery pictures as pictures: decoded in memory for the picture lists (browsing never writes
// into the program folder), and the result picture added as a new gallery file.
namespace zorna {

// The picture of a gallery file's bytes as a side x side picture for its button. A bitmap of
// another size (a large picture stored among the small ones, one made elsewhere) is fitted to
// the square keeping its proportions, centred on white, which the picture lists show as
// transparent. A damaged file (one the block codec cannot decode whole) or bytes that are not a
// valid bitmap throw Error("Bitmap image is not valid"), as loading the picture would.
Bitmap DecodeGalleryBitmap(std::span<const uint8_t> iko_file, int side);

// Reads and decodes a gallery file; at most one block is read, however long the file is.
// A file that cannot be read throws CannotOpenFile; the rest as DecodeGalleryBitmap.
Bitmap ReadGalleryPicture(const std::filesystem::path& iko_path, int side);

// Writes the picture as picture number `picture` of the category: saved as a 24-bit bitmap and
// encoded into "<category><picture>.iko" in the gallery folder, in one step (the file appears
// whole or not at all), and returns its path. The picture must be square with the side of its
// number (GalleryPictureSide). A missing gallery folder is created (not its parents). Throws
// Error, having written nothing, for a picture of the wrong size, a number outside 0..999, a
// file of that name that exists already, or a gallery folder that cannot be written.
std::filesystem::path WriteGalleryPicture(const std::filesystem::path& data_folder, int category,
                                          int picture, const Bitmap& bitmap);

}  // namespace zorna
