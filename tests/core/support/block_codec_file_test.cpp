#include "support/block_codec_file.h"

#include <gtest/gtest.h>

#include "core/support/block_codec_samples.h"
#include "support/block_codec.h"

namespace zorna {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(BlockCodecFile, HeaderHoldsTheMethodAndItsParametersOnly) {
  EXPECT_EQ(EncodeBlockFile(Bytes{1, 2, 3}), (Bytes{0, 1, 2, 3}));
  EXPECT_EQ(EncodeBlockFile(Bytes(100, 0)), (Bytes{1, 0, 1, 0, 1, 100, 0, 0}));
  Bytes picture = samples::Bitmap24(64, 64, 3);
  picture.erase(picture.begin(), picture.begin() + 3);
  const Bytes file = EncodeBlockFile(picture);
  EXPECT_LT(file.size(), picture.size() / 2);
  const BlockFileContents back = DecodeBlockFile(file);
  EXPECT_TRUE(back.complete);
  EXPECT_EQ(back.block, picture);
}

TEST(BlockCodecFile, ReadsAtMostOneBlockOfPayloadAndReportsDamage) {
  Bytes stored{0};
  stored.insert(stored.end(), kBlockSize + 50, 'x');
  const BlockFileContents first = DecodeBlockFile(stored);
  EXPECT_TRUE(first.complete);
  EXPECT_EQ(first.block.size(), kBlockSize);
  EXPECT_FALSE(DecodeBlockFile(Bytes{}).complete);
  EXPECT_FALSE(DecodeBlockFile(Bytes{6, 1}).complete);        // cut inside the escape pair
  EXPECT_FALSE(DecodeBlockFile(Bytes{4, 1, 1}).complete);     // no entry count
  EXPECT_FALSE(DecodeBlockFile(Bytes{8, 1, 2, 3}).complete);  // no such method
  const BlockFileContents words = DecodeBlockFile(Bytes{3, 0, 'o', 'k'});  // no entries
  EXPECT_TRUE(words.complete);
  EXPECT_EQ(words.block, (Bytes{'o', 'k'}));
}

}  // namespace
}  // namespace zorna
