// Gallery pictures over tests/data/iko: every valid file, whatever its method, gives back the
// bitmap beside it; every damaged one is reported and stays within one block.
#include <gtest/gtest.h>

#include "core/fixtures.h"
#include "pack/block_codec.h"
#include "pack/block_codec_file.h"
#include "picture/bmp_file.h"

namespace zorna {
namespace {

using namespace testing;

TEST(IkoFixtures, ValidFilesDecodeToTheirBitmaps) {
  ExpectValidFilesShowTheirPictures(
      "iko", ".iko",
      [](const std::vector<uint8_t>& file) {
        const BlockFileContents contents = DecodeBlockFile(file);
        if (!contents.complete) throw Error("reported as damaged");
        // A gallery picture is its bitmap file without the first three bytes, always "BM6".
        std::vector<uint8_t> bitmap = {'B', 'M', '6'};
        bitmap.insert(bitmap.end(), contents.block.begin(), contents.block.end());
        return DecodeBmp(bitmap.data(), bitmap.size());
      },
      0);
}

TEST(IkoFixtures, DamagedFilesAreReportedAndStayWithinABlock) {
  for (const auto& file : FixtureFiles("iko", "invalid", ".iko")) {
    const BlockFileContents contents = DecodeBlockFile(ReadWholeFile(file));
    EXPECT_FALSE(contents.complete) << file.filename();
    EXPECT_LE(contents.block.size(), kBlockSize) << file.filename();
  }
}

}  // namespace
}  // namespace zorna
