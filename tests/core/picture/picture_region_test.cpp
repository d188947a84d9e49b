// The top-left corner of a picture file read alone: the same pixels as a whole reading's, and no
// more of a PNG or JPEG file read than the corner needs.
#include <gtest/gtest.h>

#include "core/fixtures.h"
#include "core/test_folder.h"
#include "picture/picture_file.h"
#include "picture/png_file.h"

namespace zorna {
namespace {

namespace fs = std::filesystem;

Bitmap Corner(Bitmap picture, int w, int h) {
  picture.SetSize(std::min(w, picture.Width()), std::min(h, picture.Height()));
  return picture;
}

TEST(PictureRegion, TheCornerIsTheWholeReadingsAndTheFileIsReadNoFurther) {
  testing::TestFolder folder;
  // Noise in one channel, so that the rows are spread over the whole file.
  Bitmap photo(400, 400);
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 400; ++x)
      photo.SetPixel(x, y, Rgb(x * 3, y * 5, (x * 73856093u ^ y * 19349663u) * 0x5bd1e995u >> 24));
  WritePngFile(folder / "photo.png", {photo, std::vector<uint8_t>(400 * 400, 0xFF)});
  WriteJpegFile(folder / "photo.jpg", photo, 90);
  WriteBmpFile(folder / "photo.bmp", photo);
  for (const char* name : {"photo.png", "photo.jpg", "photo.bmp"}) {
    const fs::path file = folder / name;
    const Bitmap whole = ReadPictureFile(file);
    EXPECT_EQ(ReadPictureRegion(file, 40, 50), Corner(whole, 40, 50)) << name;
    if (file.extension() == ".bmp") continue;  // a bitmap keeps its top rows at its end
    // Cut well below the corner's rows: the whole picture is not there, the corner is.
    fs::resize_file(file, fs::file_size(file) * 3 / 5);
    EXPECT_THROW(ReadPictureFile(file), Error) << name;
    EXPECT_EQ(ReadPictureRegion(file, 40, 50), Corner(whole, 40, 50)) << name;
  }
  // Every kind of PNG and JPEG, interlaced and progressive among them; a corner larger than
  // the picture is all of it.
  for (const auto& [format, extension] : {std::pair{"png", ".png"}, {"jpeg", ".jpg"}}) {
    for (const fs::path& file : testing::FixtureFiles(format, "valid", extension)) {
      const Bitmap whole = ReadPictureFile(file);
      EXPECT_EQ(ReadPictureRegion(file, 5, 7), Corner(whole, 5, 7)) << file;
      EXPECT_EQ(ReadPictureRegion(file, 100, 100), whole) << file;
    }
  }
}

}  // namespace
}  // namespace zorna
