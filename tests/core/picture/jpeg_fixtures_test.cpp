// The JPEG reader over tests/data/jpeg: every valid file reads as Pillow reads it (both use
// libjpeg, so only rounding may differ), every invalid one is refused with libjpeg's error
// number, lying frame sizes included, without decoding what is not there.
#include <gtest/gtest.h>

#include <chrono>

#include "core/fixtures.h"
#include "picture/jpeg_file.h"

namespace zorna {
namespace {

using namespace testing;

Bitmap DecodeFile(const std::filesystem::path& file) {
  const std::vector<uint8_t> bytes = ReadWholeFile(file);
  return DecodeJpeg(bytes.data(), bytes.size());
}

TEST(JpegFixtures, ValidFilesReadAsPillowReadsThem) {
  for (const auto& file : FixtureFiles("jpeg", "valid", ".jpg")) {
    Bitmap picture;
    ASSERT_NO_THROW(picture = DecodeFile(file)) << file.filename();
    ExpectSamePicture(picture, ReadPpm(Sidecar(file, ".ppm")), 2, file.filename().string());
  }
}

TEST(JpegFixtures, InvalidFilesAreRefusedQuicklyWithLibjpegsNumber) {
  const auto start = std::chrono::steady_clock::now();
  for (const auto& file : FixtureFiles("jpeg", "invalid", ".jpg")) {
    EXPECT_EQ(ErrorOf([&] { DecodeFile(file); }).rfind("JPEG error #", 0), 0u) << file.filename();
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 500);
}

}  // namespace
}  // namespace zorna
