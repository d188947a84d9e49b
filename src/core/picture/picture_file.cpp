#include "picture/picture_file.h"

#include <new>
#include <string>
#include <vector>

#include "picture/bmp_file.h"
#include "picture/jpeg_file.h"
#include "picture/png_file.h"
#include "support/error.h"
#include "support/files.h"
#include "support/text_helpers.h"

namespace zorna {

namespace {

bool StartsWith(const std::vector<uint8_t>& bytes, std::initializer_list<uint8_t> magic) {
  if (bytes.size() < magic.size()) return false;
  size_t i = 0;
  for (uint8_t b : magic)
    if (bytes[i++] != b) return false;
  return true;
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

}  // namespace

Bitmap ReadPictureFile(const std::filesystem::path& path) {
  return DecodePictureFile(ReadWholeFile(path, kPictureFileLimit), path);
}

Bitmap DecodePictureFile(const std::vector<uint8_t>& bytes, const std::filesystem::path& path) {
  try {
    return DecodeByKind(bytes, path);
  } catch (const Error& e) {
    throw InFile(path.string(), e);
  } catch (const std::bad_alloc&) {
    throw InFile(path.string(), Error("There is not enough memory for the picture",
                                      "Na obrázok nie je dosť pamäte"));
  }
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
