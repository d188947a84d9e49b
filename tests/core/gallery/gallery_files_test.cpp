#include "gallery/gallery_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/test_folder.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& path) {
  WriteFileAtomically(path, std::string("x"));
}

TEST(GalleryFiles, NamesPadThePictureNumberToThreeDigits) {
  EXPECT_EQ(GalleryFileName(12, 7), "12007.iko");
  EXPECT_EQ(GalleryFileName(4, 500), "4500.iko");
  EXPECT_EQ(GalleryFileName(5, 3, ".bmp"), "5003.bmp");
  EXPECT_EQ(GalleryPictureSide(499), 32);
  EXPECT_EQ(GalleryPictureSide(500), 64);
}

TEST(GalleryFiles, EachRunStopsAtItsFirstMissingNumber) {
  testing::TestFolder data;
  for (const char* name : {"5000.iko", "5001.iko", "5003.iko", "5500.IKO", "5501.iko", "5503.iko",
                           "50000.iko", "6000.iko", "5002.bmp"}) {
    Touch(data / name);
  }
  fs::create_directory(data / "5502.iko");  // a folder is no picture
  EXPECT_EQ(CategoryPictureNumbers(data.Path(), 5), (std::vector<int>{0, 1, 500, 501}));
  EXPECT_EQ(*FindGalleryPicture(data.Path(), 5, 500), data / "5500.IKO");
  EXPECT_TRUE(CategoryPictureNumbers(data.Path(), 7).empty());
  EXPECT_TRUE(CategoryPictureNumbers(data / "missing", 5).empty());
}

TEST(GalleryFiles, NextFreeNumberCountsAFileOfTheNameWithAnyExtension) {
  testing::TestFolder data;
  for (const char* name : {"12500.iko", "12501.iko", "12502.bmp", "12503", "12504x.iko",
                           "125040.iko", "1250.iko", "12000.iko.tmp"}) {
    Touch(data / name);
  }
  EXPECT_EQ(NextFreePictureNumber(data.Path(), 12, 64), 504);
  EXPECT_EQ(NextFreePictureNumber(data.Path(), 12, 32), 1);
  EXPECT_EQ(NextFreePictureNumber(data.Path(), 3, 64), 500);
  EXPECT_EQ(NextFreePictureNumber(data / "missing", 3, 32), 0);
  EXPECT_THROW(NextFreePictureNumber(data.Path(), 12, 16), Error);
  for (int p = 0; p < 500; ++p) Touch(data / GalleryFileName(9, p));
  // Number 500 would be a large picture: the small ones are full.
  EXPECT_THROW(NextFreePictureNumber(data.Path(), 9, 32), Error);
}

TEST(GalleryFiles, CountsFilesStartingWithADigitAndTellsEveryFiftieth) {
  testing::TestFolder data;
  for (int i = 0; i < 120; ++i) Touch(data / (std::to_string(i) + "000.iko"));
  for (const char* name : {"info.txt", "zorna.mk", "a1000.iko", "_5000.iko"}) Touch(data / name);
  fs::create_directory(data / "7000");  // a folder is no picture
  std::vector<int> told;
  EXPECT_EQ(CountGalleryFiles(data.Path(), [&](int n) { return told.push_back(n), true; }), 120);
  // Told after every entry while the count stands at a multiple of 50.
  for (int n : told) EXPECT_EQ(n % kGalleryCountStep, 0);
  EXPECT_NE(std::find(told.begin(), told.end(), 100), told.end());
  EXPECT_EQ(CountGalleryFiles(data.Path(), [](int n) { return n < 50; }), 50);
  EXPECT_EQ(CountGalleryFiles(data / "missing", [](int) { return true; }), 0);
}

}  // namespace
}  // namespace zorna
