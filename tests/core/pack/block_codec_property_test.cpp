// The fast codec against the literal rules, over many blocks and damaged payloads.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "core/pack/block_codec_reference.h"
#include "core/pack/block_codec_samples.h"
#include "pack/block_codec.h"
#include "pack/block_codec_transforms.h"

namespace zorna {
namespace {

using reference::Bytes;

struct Kind {
  const char* name;
  std::function<Bytes(size_t, uint64_t)> make;
};

const std::vector<Kind>& Kinds() {
  static const std::vector<Kind> kinds = {
      {"random", samples::Random},
      {"runs", samples::Runs},
      {"periodic", samples::Periodic},
      {"no double zero", samples::WithoutDoubleZero},
      {"two letters", [](size_t n, uint64_t s) { return samples::SmallAlphabet(n, 2, s); }},
      {"bitmap",
       [](size_t n, uint64_t s) {
         Bytes b = samples::Bitmap24(64, 64, s);
         b.resize(std::min(n, b.size()));
         return b;
       }},
  };
  return kinds;
}

void ExpectRoundTrip(const Bytes& block, const std::string& what) {
  const BlockPayload encoded = EncodeBlock(block);
  ASSERT_LE(encoded.payload.size(), block.size()) << what;
  bool complete = false;
  const Bytes decoded = DecodeBlock(encoded.method, encoded.pair, 0, encoded.payload, &complete);
  ASSERT_TRUE(complete) << what;
  ASSERT_EQ(decoded, block) << what << " method " << int(encoded.method);
}

TEST(BlockCodecProperty, EveryEncodedBlockDecodesToItself) {
  const size_t sizes[] = {0, 1, 5, 6, 7, 8, 9, 17, 300, 4096, 12339, kBlockSize};
  for (const Kind& kind : Kinds()) {
    for (size_t size : sizes) {
      for (uint64_t seed = 0; seed < (size > 5000 ? 3 : 25); ++seed) {
        ExpectRoundTrip(kind.make(size, seed),
                        std::string(kind.name) + " size " + std::to_string(size));
      }
    }
  }
  Bytes long_periods(kBlockSize);
  for (size_t i = 0; i < kBlockSize; ++i) {
    long_periods[i] = i < 30000 ? "\x12\x80\xF1"[i % 3] : (i < 31000 ? "ab"[i % 2] : i % 7);
  }
  ExpectRoundTrip(long_periods, "long periods");
  ExpectRoundTrip(Bytes(kBlockSize, 0), "zeros");
  ExpectRoundTrip(Bytes(kBlockSize, 255), "ones");
}

TEST(BlockCodecProperty, TransformsAndMethodChoiceMatchTheLiteralRules) {
  for (const Kind& kind : Kinds()) {
    for (uint64_t seed = 0; seed < 40; ++seed) {
      const Bytes block = kind.make(1 + seed * 53 % 2500, seed);
      const std::string what = std::string(kind.name) + " seed " + std::to_string(seed);
      const EscapePair pair = reference::FindFreePair(block);
      ASSERT_EQ(FindFreePair(block), pair) << what;
      Bytes out(kBlockSize);
      out.resize(RunPack(block, pair, out.data()));
      ASSERT_EQ(out, reference::RunPack(block, pair)) << what;
      out.resize(kBlockSize);
      out.resize(PatternPack(block, pair, out.data()));
      ASSERT_EQ(out, reference::PatternPack(block, pair)) << what;

      const reference::Encoded expected = reference::EncodeBlock(block);
      const BlockPayload encoded = EncodeBlock(block);
      ASSERT_EQ(encoded.method, expected.method) << what;
      ASSERT_EQ(encoded.payload, expected.payload) << what;
      if (encoded.method != 0) {
        ASSERT_EQ(encoded.pair, expected.pair) << what;
      }
    }
  }
}

// Payloads as a damaged or hostile file may hold them: encodings with bytes changed, cut or
// escape pairs planted, and plain noise over a few values.
Bytes DamagedPayload(std::mt19937_64& rng, uint8_t method, EscapePair pair, uint8_t entries) {
  Bytes payload;
  if (rng() % 2 == 0) {
    const Kind& kind = Kinds()[rng() % Kinds().size()];
    payload = EncodeBlock(kind.make(1 + rng() % 3000, rng())).payload;
  } else {
    payload = samples::SmallAlphabet(rng() % 600, 4, rng());
  }
  if (MethodStoresEntryCount(method)) {
    Bytes table;
    for (uint8_t i = 0; i < entries; ++i) {
      const size_t length = rng() % 8 == 0 ? rng() % 102 : rng() % 6;
      table.insert(table.end(),
                   {static_cast<uint8_t>(rng() % 4), static_cast<uint8_t>(rng() % 4),
                    static_cast<uint8_t>(length % 255), static_cast<uint8_t>(length / 255)});
      for (size_t m = 0; m < length; ++m) table.push_back(static_cast<uint8_t>(rng() % 4));
    }
    payload.insert(payload.begin(), table.begin(), table.end());
  }
  for (size_t edits = rng() % 6; edits > 0 && !payload.empty(); --edits) {
    const size_t at = rng() % payload.size();
    switch (rng() % 4) {
      case 0:
        payload[at] = static_cast<uint8_t>(rng());
        break;
      case 1:
        payload.insert(payload.begin() + static_cast<std::ptrdiff_t>(at),
                       {pair.first, pair.second, static_cast<uint8_t>(rng()),
                        static_cast<uint8_t>(rng() % 4), static_cast<uint8_t>(rng() % 5)});
        break;
      case 2:
        payload.resize(at);
        break;
      default:
        payload[at] = pair.first;
        break;
    }
  }
  return payload;
}

TEST(BlockCodecProperty, DecodersMatchTheLiteralRulesOnDamagedPayloads) {
  std::mt19937_64 rng(2024);
  Bytes out(kBlockSize);
  for (int trial = 0; trial < 6000; ++trial) {
    const uint8_t method = static_cast<uint8_t>(trial % 9);
    const EscapePair pair{static_cast<uint8_t>(rng() % 4), static_cast<uint8_t>(rng() % 4)};
    const uint8_t entries = static_cast<uint8_t>(rng() % 8 == 0 ? 19 + rng() % 4 : rng() % 5);
    const Bytes payload = DamagedPayload(rng, method, pair, entries);
    const reference::Decoded expected = reference::DecodeBlock(method, pair, entries, payload);
    const DecodedBlock decoded = DecodeBlock(method, pair, entries, payload, out.data());
    ASSERT_EQ(decoded.complete, expected.complete) << "trial " << trial;
    ASSERT_EQ(Bytes(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(decoded.length)),
              expected.bytes)
        << "trial " << trial << " method " << int(method);
  }
}

}  // namespace
}  // namespace zorna
