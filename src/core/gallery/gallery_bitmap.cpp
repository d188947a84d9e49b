#include "gallery/gallery_bitmap.h"

#include <unistd.h>

#include <algorithm>
#include <system_error>
#include <vector>

#include "gallery/gallery_files.h"
#include "gallery/gallery_picture.h"
#include "picture/alpha_picture.h"
#include "picture/bmp_file.h"
#include "picture/raster.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace fs = std::filesystem;
namespace {

std::string SizeText(int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

// The longer side becomes `side`, the shorter one follows in proportion (at least one pixel). A
// picture larger than that is reduced by area averaging, so that thin lines do not drop out; a
// smaller one is enlarged pixel by pixel, as the program enlarges a picked square.
Bitmap FitToSide(const Bitmap& picture, int side) {
  const int64_t w = picture.Width(), h = picture.Height(), longer = std::max(w, h);
  const int fit_w = static_cast<int>(std::max<int64_t>(1, (w * side + longer / 2) / longer));
  const int fit_h = static_cast<int>(std::max<int64_t>(1, (h * side + longer / 2) / longer));
  Bitmap fitted(fit_w, fit_h);
  if (longer > side) {
    const AlphaPicture opaque{picture, std::vector<uint8_t>(static_cast<size_t>(w * h), 255)};
    fitted = ReduceByAreaAverage(opaque, fit_w, fit_h).color;
  } else {
    StretchBlt(fitted, Rect{0, 0, fit_w, fit_h}, picture,
               Rect{0, 0, picture.Width(), picture.Height()}, SRCCOPY);
  }
  Bitmap square(side, side, kWhite);
  BitBlt(square, (side - fit_w) / 2, (side - fit_h) / 2, fit_w, fit_h, fitted, 0, 0, SRCCOPY);
  return square;
}

}  // namespace

Bitmap DecodeGalleryBitmap(std::span<const uint8_t> iko_file, int side) {
  const GalleryPictureContents contents = DecodeGalleryPictureBytes(iko_file);
  // What a damaged file decodes to is a cut or garbled bitmap; it is refused as the bitmap
  // reader refuses one, even where its header would still read.
  if (!contents.complete) throw Error("Bitmap image is not valid");
  Bitmap picture = DecodeBmp(contents.bitmap_file.data(), contents.bitmap_file.size());
  if (picture.Width() == side && picture.Height() == side) return picture;
  return FitToSide(picture, side);
}

Bitmap ReadGalleryPicture(const fs::path& iko_path, int side) {
  return DecodeGalleryBitmap(ReadFileStart(iko_path, kGalleryPictureFileLimit), side);
}

fs::path WriteGalleryPicture(const fs::path& data_folder, int category, int picture,
                             const Bitmap& bitmap) {
  if (picture < 0 || picture > kLastPictureNumber || category < 0) {
    throw Error("There is no gallery picture number " + std::to_string(picture) + " of category " +
                std::to_string(category));
  }
  const int side = GalleryPictureSide(picture);
  if (bitmap.Width() != side || bitmap.Height() != side) {
    throw Error("Picture " + std::to_string(picture) + " of the gallery must have " +
                SizeText(side, side) + " pixels, not " + SizeText(bitmap.Width(), bitmap.Height()));
  }
  std::error_code ec;
  if (!fs::exists(data_folder, ec)) fs::create_directory(data_folder, ec);
  if (!fs::is_directory(data_folder, ec) || ::access(data_folder.c_str(), W_OK | X_OK) != 0) {
    throw Error("The gallery folder " + data_folder.string() +
                " cannot be written; the picture was not added");
  }
  const fs::path target = data_folder / GalleryFileName(category, picture);
  if (fs::exists(fs::symlink_status(target, ec))) {
    throw Error(target.string() + " exists already; the picture was not added");
  }
  WriteFileAtomically(target, EncodeGalleryPictureBytes(EncodeBmp24(bitmap), target.string()));
  return target;
}

}  // namespace zorna
