#include "pack/block_codec.h"

#include <gtest/gtest.h>

#include <random>

#include "core/pack/block_codec_reference.h"
#include "core/pack/block_codec_samples.h"
#include "pack/block_codec_transforms.h"

namespace zorna {
namespace {

using reference::Bytes;

Bytes Pack(size_t (*pack)(std::span<const uint8_t>, EscapePair, uint8_t*), const Bytes& block,
           EscapePair pair) {
  Bytes out(kBlockSize);
  out.resize(pack(block, pair, out.data()));
  return out;
}

Bytes Repeat(uint8_t byte, size_t count) {
  return Bytes(count, byte);
}

TEST(BlockCodec, ShortBlocksAreNeverRunPackedAndSixEqualBytesAreStored) {
  const EscapePair e{0, 0};
  for (size_t n = 0; n <= 5; ++n) {
    EXPECT_EQ(Pack(RunPack, Repeat('x', n), e), Repeat('x', n));
    const BlockPayload encoded = EncodeBlock(Repeat('x', n));
    EXPECT_EQ(encoded.method, 0);
    EXPECT_EQ(encoded.payload, Repeat('x', n));
  }
  EXPECT_EQ(Pack(RunPack, Repeat('x', 6), e), (Bytes{0, 0, 6, 0, 'x'}));
  const BlockPayload six = EncodeBlock(Repeat('x', 6));
  EXPECT_EQ(six.method, 0);  // one byte saved is not enough
  EXPECT_EQ(six.payload, Repeat('x', 6));
}

TEST(BlockCodec, PatternRecordNeedsEightBytesOfPeriodTwo) {
  const Bytes eight{'A', 'B', 'A', 'B', 'A', 'B', 'A', 'B'};
  const Bytes seven(eight.begin(), eight.end() - 1);
  const EscapePair e{1, 2};
  EXPECT_EQ(Pack(PatternPack, eight, e), (Bytes{1, 2, 8, 0, 2, 'A', 'B'}));
  EXPECT_EQ(Pack(PatternPack, seven, e), seven);
  EXPECT_EQ(EncodeBlock(eight).method, 0);
  // Period three needs nine bytes; a run takes period one before the others are tried.
  EXPECT_EQ(Pack(PatternPack, Bytes({'a', 'b', 'c', 'a', 'b', 'c', 'a', 'b', 'c'}), e),
            (Bytes{1, 2, 9, 0, 3, 'a', 'b', 'c'}));
  EXPECT_EQ(Pack(PatternPack, Repeat('q', 7), e), (Bytes{1, 2, 7, 0, 1, 'q'}));
}

TEST(BlockCodec, IncompressibleDataIsStoredAsItIs) {
  const Bytes noise = samples::Random(kBlockSize, 11);
  const BlockPayload encoded = EncodeBlock(noise);
  EXPECT_EQ(encoded.method, 0);
  EXPECT_EQ(encoded.payload, noise);
  EXPECT_EQ(DecodeBlock(0, {}, 0, encoded.payload), noise);
}

TEST(BlockCodec, RunsThenAPeriodGiveMethodSix) {
  // Runs of six save more with the run transform than the period-two stretch saves with the
  // pattern one, so the runs go first and a pattern pass over their output takes the stretch.
  Bytes block;
  for (int i = 0; i < 30; ++i) block.insert(block.end(), 6, static_cast<uint8_t>('a' + i % 3));
  for (int i = 0; i < 10; ++i) block.insert(block.end(), {'x', 'y'});
  const BlockPayload encoded = EncodeBlock(block);
  EXPECT_EQ(encoded.method, 6);
  EXPECT_EQ(encoded.payload.size(), block.size() - 30 - 13 + 2);
  EXPECT_EQ(DecodeBlock(6, encoded.pair, 0, encoded.payload), block);
}

TEST(BlockCodec, EqualEscapeBytesFallBackToATransformThatDecodes) {
  // No two zeros in a row, so the pair is (0, 0); the zero in front of each run would be read
  // as the start of its record. Runs of six only shrink by one each; the period-two stretch is
  // what the pattern transform takes.
  Bytes block{0};
  for (uint8_t b : {'p', 'q', 'r', 's', 't'}) block.insert(block.end(), 6, b);
  block.push_back('-');
  for (int i = 0; i < 10; ++i) block.insert(block.end(), {'x', 'y'});
  const Bytes run_output = Pack(RunPack, block, {0, 0});
  EXPECT_NE(reference::RunUnpack(run_output, {0, 0}).bytes, block);  // the misreading itself

  const BlockPayload encoded = EncodeBlock(block);
  EXPECT_EQ(encoded.pair, (EscapePair{0, 0}));
  EXPECT_EQ(encoded.method, 2);
  EXPECT_EQ(DecodeBlock(encoded.method, encoded.pair, 0, encoded.payload), block);

  // Without a pattern to fall back on, the block is stored.
  const Bytes runs_only{0, 'k', 'k', 'k', 'k', 'k', 'k', 'k', 'k', 'k', 'k', 'k', 'k'};
  EXPECT_EQ(EncodeBlock(runs_only).method, 0);
}

TEST(BlockCodec, FreePairIsTheFirstAbsentOneInOrder) {
  EXPECT_EQ(FindFreePair(Bytes{}), (EscapePair{0, 0}));
  EXPECT_EQ(FindFreePair(Bytes{0}), (EscapePair{0, 0}));
  // Every pair starting with 0 and 1 occurs, and (2, 0) to (2, 3); runs of all lengths inside.
  Bytes dense;
  for (int first = 0; first < 2; ++first) {
    for (int second = 0; second < 256; ++second) {
      dense.insert(dense.end(), 1 + second % 4, static_cast<uint8_t>(first));
      dense.push_back(static_cast<uint8_t>(second));
    }
  }
  dense.insert(dense.end(), {2, 0, 2, 1, 2, 2, 2, 3, 200});
  EXPECT_EQ(FindFreePair(dense), reference::FindFreePair(dense));
  EXPECT_EQ(FindFreePair(dense), (EscapePair{2, 4}));
  // Every pair starting with 0 to 9 occurs: past the few first bytes that are looked at alone.
  Bytes denser;
  for (int first = 0; first < 10; ++first) {
    for (int second = 0; second < 256; ++second) {
      denser.insert(denser.end(), 1 + second % 3, static_cast<uint8_t>(first));
      denser.push_back(static_cast<uint8_t>(second));
    }
  }
  EXPECT_EQ(FindFreePair(denser), reference::FindFreePair(denser));
  EXPECT_EQ(FindFreePair(denser).first, 10);
  for (uint64_t seed = 0; seed < 30; ++seed) {
    const Bytes block = samples::SmallAlphabet(50 + seed * 37, 3 + seed % 5, seed);
    EXPECT_EQ(FindFreePair(block), reference::FindFreePair(block)) << "seed " << seed;
  }
  EXPECT_THROW(FindFreePair(Bytes(kBlockSize + 1)), std::length_error);
}

TEST(BlockCodec, OverflowingRecordsEndTheBlockWithTheBytesBeforeThem) {
  // A run past the block's end, a cut record and period 4 are examples in docs/formats.
  bool complete = true;
  EXPECT_EQ(DecodeBlock(2, {1, 1}, 0, Bytes{'a', 1, 1, 3, 0, 0, 'z'}, &complete), Bytes{'a'});
  EXPECT_FALSE(complete);
  // Records that keep expanding into themselves stop at the limit instead of growing on.
  Bytes self(40, 1);
  const Bytes grown = DecodeBlock(1, {1, 1}, 0, self, &complete);
  EXPECT_LE(grown.size(), kBlockSize);
  EXPECT_FALSE(complete);
  // A stored payload longer than a block is cut to one.
  EXPECT_EQ(DecodeBlock(0, {}, 0, Bytes(kBlockSize + 10, 3), &complete).size(), kBlockSize);
  EXPECT_FALSE(complete);
  EXPECT_TRUE(DecodeBlock(9, {}, 0, Bytes{1, 2, 3}, &complete).empty());
  EXPECT_FALSE(complete);
}

TEST(BlockCodec, DictionaryLimitsAreRefused) {
  bool complete = true;
  Bytes many;
  for (int i = 0; i < 21; ++i) many.insert(many.end(), {static_cast<uint8_t>(i), 'z', 1, 0, 'q'});
  many.push_back('z');
  EXPECT_TRUE(DecodeBlock(3, {}, 21, many, &complete).empty());
  EXPECT_FALSE(complete);
  EXPECT_FALSE(DecodeBlock(3, {}, 20, many, &complete).empty());
  EXPECT_TRUE(complete);

  // An entry of 101 bytes and a table cut short: tests/data/iko/invalid and docs/formats.

  // A string holding its own code grows the block until the limit stops it.
  Bytes self{'a', 'b', 100, 0};
  for (int i = 0; i < 50; ++i) self.insert(self.end(), {'a', 'b'});
  for (int i = 0; i < 700; ++i) self.insert(self.end(), {'a', 'b'});
  const Bytes grown = DecodeBlock(3, {}, 1, self, &complete);
  EXPECT_FALSE(complete);
  EXPECT_EQ(grown, reference::DictionaryUnpack(self, 1).bytes);
  EXPECT_LE(grown.size(), kBlockSize);
}

}  // namespace
}  // namespace zorna
