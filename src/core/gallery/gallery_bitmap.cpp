#include "gallery/gallery_bitmap.h"

#include <unistd.h>

#include <system_error>
#include <vector>

#include "gallery/gallery_files.h"
#include "gallery/gallery_picture.h"
#include "picture/bmp_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace fs = std::filesystem;
namespace {

std::string SizeText(int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

Bitmap DecodeGalleryBitmap(std::span<const uint8_t> iko_file, int side,
                           const std::string& shown_name) {
  const GalleryPictureContents contents = DecodeGalleryPictureBytes(iko_file);
  // What a damaged file decodes to is a cut or garbled bitmap; it is refused as the bitmap
  // reader refuses one, even where its header would still read.
  if (!contents.complete) {
    throw Error("Bitmap image is not valid",
                "Súbor " + shown_name + " sa nedá prečítať: obrázok BMP nie je platný");
  }
  Bitmap picture;
  try {
    picture = DecodeBmp(contents.bitmap_file.data(), contents.bitmap_file.size());
  } catch (const Error& e) {
    throw Error(e.what(), InFile(shown_name, e).Slovak());
  }
  if (picture.Width() != side || picture.Height() != side) {
    const std::string size = SizeText(picture.Width(), picture.Height());
    throw Error(shown_name + " is a picture of " + size + " pixels, not of " + SizeText(side, side),
                "Súbor " + shown_name + " je obrázok s rozmerom " + size + " bodov, nie " +
                    SizeText(side, side));
  }
  return picture;
}

Bitmap ReadGalleryPicture(const fs::path& iko_path, int side) {
  return DecodeGalleryBitmap(ReadFileStart(iko_path, kGalleryPictureFileLimit), side,
                             iko_path.string());
}

fs::path WriteGalleryPicture(const fs::path& data_folder, int category, int picture,
                             const Bitmap& bitmap) {
  if (picture < 0 || picture > kLastPictureNumber || category < 0) {
    throw Error("There is no gallery picture number " + std::to_string(picture) + " of category " +
                    std::to_string(category),
                "V galérii nie je obrázok číslo " + std::to_string(picture) + " kategórie " +
                    std::to_string(category));
  }
  const int side = GalleryPictureSide(picture);
  if (bitmap.Width() != side || bitmap.Height() != side) {
    const std::string size = SizeText(bitmap.Width(), bitmap.Height());
    throw Error("Picture " + std::to_string(picture) + " of the gallery must have " +
                    SizeText(side, side) + " pixels, not " + size,
                "Obrázok " + std::to_string(picture) + " galérie musí mať rozmer " +
                    SizeText(side, side) + " bodov, nie " + size);
  }
  std::error_code ec;
  if (!fs::exists(data_folder, ec)) fs::create_directory(data_folder, ec);
  if (!fs::is_directory(data_folder, ec) || ::access(data_folder.c_str(), W_OK | X_OK) != 0) {
    throw Error("The gallery folder " + data_folder.string() +
                    " cannot be written; the picture was not added",
                "Do priečinka galérie " + data_folder.string() +
                    " sa nedá zapisovať; obrázok nebol pridaný");
  }
  const fs::path target = data_folder / GalleryFileName(category, picture);
  if (fs::exists(fs::symlink_status(target, ec))) {
    throw Error(target.string() + " exists already; the picture was not added",
                "Súbor " + target.string() + " už existuje; obrázok nebol pridaný");
  }
  WriteFileAtomically(target, EncodeGalleryPictureBytes(EncodeBmp24(bitmap), target.string()));
  return target;
}

}  // namespace zorna
