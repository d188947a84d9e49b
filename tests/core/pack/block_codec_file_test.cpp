#include "pack/block_codec_file.h"

#include <gtest/gtest.h>

#include "core/pack/block_codec_samples.h"
#include "pack/block_codec.h"

namespace zorna {
namespace {

using Bytes = std::vector<uint8_t>;

// The header's layout, one block of payload at most and the damaged files are examples in
// docs/formats and files in tests/data/iko.
TEST(BlockCodecFile, DrawnPictureShrinksAndComesBack) {
  Bytes picture = samples::Bitmap24(64, 64, 3);
  picture.erase(picture.begin(), picture.begin() + 3);
  const Bytes file = EncodeBlockFile(picture);
  EXPECT_LT(file.size(), picture.size() / 2);
  const BlockFileContents back = DecodeBlockFile(file);
  EXPECT_TRUE(back.complete);
  EXPECT_EQ(back.block, picture);
}

}  // namespace
}  // namespace zorna
