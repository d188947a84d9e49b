#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// A gallery picture file (".iko") keeps a bitmap file without its first three bytes as one block
// of the block codec (support/block_codec_file.h). Every 24-bit bitmap of 32 x 32, 64 x 64 or
// 128 x 128 pixels starts with "BM6" (0x36 is the low byte of its file size), so those three bytes
// are not stored and come back on decoding; and one block holds at most 65 025 bytes.
namespace zorna {

// The longest .iko file that means anything: the method code, an escape pair, an entry count and
// one block of payload. Readers read no more.
inline constexpr size_t kGalleryPictureFileLimit = 4 + 255 * 255;

// The .iko bytes of a bitmap file's bytes. A file that does not start with "BM6" or is longer
// than 65 025 bytes would not come back as it was: it is refused with an Error naming shown_name.
std::vector<uint8_t> EncodeGalleryPictureBytes(std::span<const uint8_t> bitmap_file,
                                               const std::string& shown_name);

struct GalleryPictureContents {
  // "BM6" and the decoded block.
  std::vector<uint8_t> bitmap_file;
  // False for a damaged picture (cut header, unknown method, bad payload); bitmap_file then holds
  // "BM6" and what could be decoded.
  bool complete = true;
};
// Decodes .iko bytes; at most one block of payload is read, whatever follows it.
GalleryPictureContents DecodeGalleryPictureBytes(std::span<const uint8_t> iko_file);

// File to file, as a picture is added to the gallery: reads the bitmap file, writes the .iko
// file (atomically: an old one stays whole when anything fails) and then deletes the bitmap
// file. Throws Error for a file that cannot be read, written or kept (see above); the bitmap
// file is left where it was.
void EncodeGalleryPicture(const std::filesystem::path& bmp_path,
                          const std::filesystem::path& iko_path);
// Reads an .iko file and writes the bitmap file (atomically) with what could be decoded; false
// when the picture was damaged. Throws Error for a file that cannot be read or written.
bool DecodeGalleryPicture(const std::filesystem::path& iko_path,
                          const std::filesystem::path& bmp_path);

}  // namespace zorna
