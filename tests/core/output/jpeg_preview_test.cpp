#include "output/jpeg_preview.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "picture/jpeg_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace {

namespace fs = std::filesystem;

Bitmap Gradient(int side) {
  Bitmap b(side, side);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) b.SetPixel(x, y, Rgb(x * 2, y * 2, (x * y) & 0xFF));
  }
  return b;
}

class JpegPreviewTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("zorna_jpeg_preview_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string Folder() const { return folder_.string() + "/"; }
  fs::path folder_;
};

TEST_F(JpegPreviewTest, ShowsTheDecodedPictureAndTheFileSizeAndLeavesNoTrialFile) {
  const Bitmap picture = Gradient(64);
  const JpegPreview best = MakeJpegPreview(picture, 100, Folder());
  EXPECT_EQ(best.picture.Width(), 64);
  EXPECT_EQ(best.picture.Height(), 64);
  EXPECT_EQ(best.file_size, static_cast<int64_t>(EncodeJpeg(picture, 100).size()));
  EXPECT_FALSE(fs::exists(folder_ / "Trap.jpg"));
  // Close to the original at the best quality.
  const Colorref a = best.picture.Pixel(40, 20), b = picture.Pixel(40, 20);
  EXPECT_NEAR(RedOf(a), RedOf(b), 12);
  EXPECT_NEAR(GreenOf(a), GreenOf(b), 12);
}

TEST_F(JpegPreviewTest, QualityZeroReachesTheEncoderAsTheLowestQuality) {
  const Bitmap picture = Gradient(64);
  const JpegPreview worst = MakeJpegPreview(picture, 0, Folder());
  EXPECT_EQ(worst.file_size, static_cast<int64_t>(EncodeJpeg(picture, 1).size()));
  EXPECT_LT(worst.file_size, MakeJpegPreview(picture, 100, Folder()).file_size);
  EXPECT_EQ(worst.picture.Width(), 64);
}

TEST_F(JpegPreviewTest, SizeTextUsesBytesUpToAThousandThenKilobytes) {
  const JpegPreview small = MakeJpegPreview(Bitmap(8, 8), 50, Folder());
  ASSERT_LE(small.file_size, 1000);
  EXPECT_EQ(small.size_text, std::to_string(small.file_size) + " bajtov");
  const JpegPreview large = MakeJpegPreview(Gradient(128), 100, Folder());
  ASSERT_GT(large.file_size, 1000);
  EXPECT_NE(large.size_text.find(" KB"), std::string::npos) << large.size_text;
  EXPECT_NE(large.size_text.find(','), std::string::npos) << large.size_text;
}

TEST_F(JpegPreviewTest, AnUnwritableFolderFailsWithTheFileName) {
  const std::string missing = Folder() + "missing/";
  try {
    MakeJpegPreview(Gradient(16), 80, missing);
    ADD_FAILURE() << "a trial file was written into a missing folder";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file " + missing + "Trap.jpg");
  }
  // A "Trap.jpg" that cannot be written over is reported as such and left where it is.
  fs::create_directories(folder_ / "Trap.jpg" / "inner");
  try {
    MakeJpegPreview(Gradient(16), 80, Folder());
    ADD_FAILURE() << "a trial file was written over a folder";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file " + Folder() + "Trap.jpg");
  }
  EXPECT_TRUE(fs::is_directory(folder_ / "Trap.jpg" / "inner"));
}

}  // namespace
}  // namespace zorna
