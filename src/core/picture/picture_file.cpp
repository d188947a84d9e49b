#include "picture/picture_file.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "picture/bmp_file.h"
#include "picture/jpeg_file.h"
#include "picture/png_file.h"
#include "support/error.h"
#include "support/files.h"
#include "text/text_helpers.h"

namespace zorna {

namespace {

bool StartsWith(const std::vector<uint8_t>& bytes, std::initializer_list<uint8_t> magic) {
  if (bytes.size() < magic.size()) return false;
  size_t i = 0;
  for (uint8_t b : magic)
    if (bytes[i++] != b) return false;
  return true;
}

bool StartsAsPicture(const std::vector<uint8_t>& bytes) {
  return StartsWith(bytes, {'B', 'M'}) || StartsWith(bytes, {0xFF, 0xD8}) ||
         LooksLikePng(bytes.data(), bytes.size());
}

Bitmap DecodeByKind(const std::vector<uint8_t>& bytes, const std::filesystem::path& path) {
  if (StartsWith(bytes, {'B', 'M'})) return DecodeBmp(bytes.data(), bytes.size());
  if (StartsWith(bytes, {0xFF, 0xD8})) return DecodeJpeg(bytes.data(), bytes.size());
  if (LooksLikePng(bytes.data(), bytes.size())) return DecodePng(bytes.data(), bytes.size());
  std::string extension = path.extension().string();
  if (!extension.empty()) extension.erase(0, 1);  // the dot
  const std::string lower = LowerAscii(extension);
  if (lower == "bmp" || lower == "dib") return DecodeBmp(bytes.data(), bytes.size());
  if (lower == "jpg" || lower == "jpeg" || lower == "jpe" || lower == "jfif")
    return DecodeJpeg(bytes.data(), bytes.size());
  if (lower == "png") return DecodePng(bytes.data(), bytes.size());
  if (lower == "ico" || lower == "emf" || lower == "wmf")
    throw Error("Can only modify an image if it contains a bitmap",
                "Obrázok sa dá upraviť, len ak je to bitmapa");
  throw Error("Unknown picture file extension (." + extension + ")",
              "Neznáma prípona súboru s obrázkom (." + extension + ")");
}

// Errors of the contents, and a picture too large for memory, name the file.
template <typename Read>
Bitmap NamingTheFile(const std::filesystem::path& path, Read read) {
  try {
    return read();
  } catch (const Error& e) {
    throw InFile(path.string(), e);
  } catch (const std::bad_alloc&) {
    throw InFile(path.string(), Error("There is not enough memory for the picture",
                                      "Na obrázok nie je dosť pamäte"));
  }
}

}  // namespace

Bitmap ReadPictureFile(const std::filesystem::path& path) {
  return DecodePictureFile(ReadWholeFile(path, kPictureFileLimit), path);
}

Bitmap ReadPictureRegion(const std::filesystem::path& path, int max_width, int max_height) {
  uint64_t size = 0;
  const int fd = OpenRegularFile(path, size);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(::fdopen(fd, "rb"), &std::fclose);
  if (!file) {
    const int error_number = errno;
    ::close(fd);
    throw CannotOpenFile(path.string(), error_number);
  }
  std::vector<uint8_t> start(8);
  start.resize(std::fread(start.data(), 1, start.size(), file.get()));
  std::rewind(file.get());
  // PNG and JPEG files are read as far as the corner needs; a bitmap is read whole.
  if (LooksLikePng(start.data(), start.size())) {
    return NamingTheFile(path, [&] { return ReadPngRegion(file.get(), max_width, max_height); });
  }
  if (StartsWith(start, {0xFF, 0xD8})) {
    return NamingTheFile(path, [&] { return ReadJpegRegion(file.get(), max_width, max_height); });
  }
  Bitmap picture = DecodePictureFile(ReadWholeFile(path, kPictureFileLimit), path);
  picture.SetSize(std::min(picture.Width(), std::max(1, max_width)),
                  std::min(picture.Height(), std::max(1, max_height)));
  return picture;
}

bool LooksLikePictureFile(const std::filesystem::path& path) {
  try {
    return StartsAsPicture(ReadFileStart(path, 8));
  } catch (const Error&) {
    return false;
  }
}

Bitmap DecodePictureFile(const std::vector<uint8_t>& bytes, const std::filesystem::path& path) {
  return NamingTheFile(path, [&] { return DecodeByKind(bytes, path); });
}

void WriteBmpFile(const std::filesystem::path& path, const Bitmap& picture) {
  WriteFileAtomically(path, EncodeBmp24(picture));
}

void WriteJpegFile(const std::filesystem::path& path, const Bitmap& picture, int quality) {
  WriteFileAtomically(path, EncodeJpeg(picture, quality));
}

void WritePngFile(const std::filesystem::path& path, const AlphaPicture& picture) {
  WriteFileAtomically(path, EncodePng(picture));
}

}  // namespace zorna
