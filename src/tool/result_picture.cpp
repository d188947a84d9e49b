#include "result_picture.h"

#include <iostream>

#include "picture/picture_file.h"

namespace zornatool {

std::optional<zorna::Bitmap> ReadResultPicture(const std::string& path) {
  zorna::Bitmap picture = zorna::ReadPictureFile(path);
  if (picture.Width() != picture.Height()) {
    std::cerr << "zornatool: " << path << " is " << picture.Width() << " x " << picture.Height()
              << " pixels; the result picture must be square\n";
    return std::nullopt;
  }
  return picture;
}

}  // namespace zornatool
