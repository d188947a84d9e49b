// The BMP reader over tests/data/bmp: every valid file reads as the picture beside it, every
// invalid one is refused at once with the framework's message.
#include <gtest/gtest.h>

#include <chrono>

#include "core/fixtures.h"
#include "picture/bmp_file.h"

namespace zorna {
namespace {

using namespace testing;

Bitmap DecodeFile(const std::filesystem::path& file) {
  const std::vector<uint8_t> bytes = ReadWholeFile(file);
  return DecodeBmp(bytes.data(), bytes.size());
}

TEST(BmpFixtures, ValidFilesReadAsTheirPictures) {
  for (const auto& file : FixtureFiles("bmp", "valid", ".bmp")) {
    Bitmap picture;
    ASSERT_NO_THROW(picture = DecodeFile(file)) << file.filename();
    ExpectSamePicture(picture, ReadPpm(Sidecar(file, ".ppm")), 0, file.filename().string());
  }
}

TEST(BmpFixtures, InvalidFilesAreRefusedBeforeTakingMemory) {
  const auto start = std::chrono::steady_clock::now();
  for (const auto& file : FixtureFiles("bmp", "invalid", ".bmp")) {
    EXPECT_EQ(ErrorOf([&] { DecodeFile(file); }), "Bitmap image is not valid") << file.filename();
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 200);
}

}  // namespace
}  // namespace zorna
