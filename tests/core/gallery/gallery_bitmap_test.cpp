// Gallery pictures decoded in memory and the result picture added as a new one.
#include "gallery/gallery_bitmap.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>

#include "core/fixtures.h"
#include "core/test_folder.h"
#include "gallery/gallery_files.h"
#include "gallery/gallery_picture.h"
#include "picture/bmp_file.h"

namespace zorna {
namespace {

using namespace testing;
namespace fs = std::filesystem;

// Every method, 0 to 7, through the reader the window fills its picture lists with; a damaged
// file gives the bitmap reader's error.
TEST(GalleryBitmap, EveryMethodDecodesToItsPictureAndDamageIsTheBitmapError) {
  for (const auto& file : FixtureFiles("iko", "valid", ".iko")) {
    const Bitmap want = ReadPpm(Sidecar(file, ".ppm"));
    Bitmap got;
    ASSERT_NO_THROW(got = ReadGalleryPicture(file, want.Width())) << file.filename();
    ExpectSamePicture(got, want, 0, file.filename().string());
  }
  for (const auto& file : FixtureFiles("iko", "invalid", ".iko")) {
    try {
      ReadGalleryPicture(file, 32);
      ADD_FAILURE() << file.filename() << " was accepted";
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), "Bitmap image is not valid") << file.filename();
    }
  }
}

// Stored size, button side, the rows the fitted picture takes there (white above and below).
TEST(GalleryBitmap, APictureOfAnotherSizeIsFittedToItsButton) {
  for (const auto [w, h, side, top, bottom] :
       {std::array{128, 128, 64, 0, 64}, {16, 16, 32, 0, 32}, {64, 32, 32, 8, 24}}) {
    Bitmap halves(w / 2, h, Rgb(255, 0, 0));  // red left, white right
    halves.SetSize(w, h);
    const Bitmap f = DecodeGalleryBitmap(EncodeGalleryPictureBytes(EncodeBmp24(halves), ""), side);
    ASSERT_EQ(std::pair(f.Width(), f.Height()), std::pair(side, side));
    for (int y = 0; y < side; ++y) {
      for (const int x : {0, side / 2 - 1, side / 2, side - 1}) {
        EXPECT_EQ(f.Pixel(x, y), y < top || y >= bottom ? kWhite : halves.Pixel(x * w / side, 0))
            << w << " x " << h << " at " << x << ", " << y;
      }
    }
  }
  EXPECT_THROW(ReadGalleryPicture(fs::path(ZORNA_TEST_DATA) / "iko/missing.iko", 64), Error);
}

TEST(GalleryBitmap, AddedPictureIsA24BitBitmapThatReadsBack) {
  TestFolder program;
  const fs::path data = program / "Data";  // made by the first picture
  Bitmap picture(64, 64, Rgb(10, 200, 30));
  picture.SetPixel(3, 60, Rgb(255, 0, 0));
  const fs::path written = WriteGalleryPicture(data, 12, 504, picture);
  EXPECT_EQ(written, data / "12504.iko");
  EXPECT_EQ(ReadGalleryPicture(written, 64), picture);
  const GalleryPictureContents contents = DecodeGalleryPictureBytes(ReadWholeFile(written));
  EXPECT_EQ(contents.bitmap_file, EncodeBmp24(picture));
  EXPECT_EQ(NextFreePictureNumber(data, 12, 64), 500);

  EXPECT_THROW(WriteGalleryPicture(data, 12, 504, picture), Error);       // exists
  EXPECT_THROW(WriteGalleryPicture(data, 12, 5, picture), Error);         // small number
  EXPECT_THROW(WriteGalleryPicture(data, 12, 1000, picture), Error);      // no such number
  EXPECT_THROW(WriteGalleryPicture(data, 12, 6, Bitmap(16, 16)), Error);  // size 16
  EXPECT_EQ(std::distance(fs::directory_iterator(data), {}), 1);
}

void ExpectNotWritable(const fs::path& data) {
  try {
    WriteGalleryPicture(data, 12, 0, Bitmap(32, 32));
    ADD_FAILURE() << "a picture was added to " << data;
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("cannot be written"), std::string::npos) << e.what();
  }
}

TEST(GalleryBitmap, AGalleryFolderThatCannotBeWrittenIsSaidSo) {
  TestFolder program;
  WriteFileAtomically(program / "Data", std::string("in the way"));
  ExpectNotWritable(program / "Data");
  if (::geteuid() == 0) return;  // root writes into read-only folders
  fs::create_directory(program / "ro");
  fs::permissions(program / "ro", fs::perms::owner_write, fs::perm_options::remove);
  ExpectNotWritable(program / "ro");
  fs::permissions(program / "ro", fs::perms::owner_write, fs::perm_options::add);
  EXPECT_TRUE(fs::is_empty(program / "ro"));
}

}  // namespace
}  // namespace zorna
