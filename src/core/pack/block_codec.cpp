#include "pack/block_codec.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <stdexcept>

#include "pack/block_codec_buffer.h"
#include "pack/block_codec_transforms.h"

namespace zorna {
namespace {

struct EncoderBuffers {
  uint8_t run[kBlockSize];
  uint8_t pattern[kBlockSize];
  uint8_t run_then_pattern[kBlockSize];
  uint8_t check[kBlockSize];
};

bool SameBytes(const DecodedBlock& decoded, const uint8_t* bytes,
               std::span<const uint8_t> expected) {
  return decoded.complete && decoded.length == expected.size() &&
         (expected.empty() || std::memcmp(bytes, expected.data(), expected.size()) == 0);
}

// Caches whether a transform's output decodes back to what it was made from.
class Verified {
 public:
  template <typename Decode>
  bool Get(Decode decode) {
    if (!known_) known_ = decode();
    return *known_;
  }

 private:
  std::optional<bool> known_;
};

// Method 6 and 7 payloads start with the pattern pair; the run decoding follows the pattern one.
DecodedBlock DecodeRunThenPattern(std::span<const uint8_t> data, EscapePair run_pair,
                                  uint8_t* block) {
  if (data.size() < 2) return {0, false};
  const EscapePair pattern_pair{data[0], data[1]};
  const DecodedBlock runs = PatternUnpack(data.subspan(2), pattern_pair, block);
  if (!runs.complete) return runs;
  return RunUnpack({block, runs.length}, run_pair, block);
}

}  // namespace

EncodedBlock EncodeBlock(std::span<const uint8_t> block, uint8_t* payload) {
  if (block.size() > kBlockSize) throw std::length_error("block longer than 65025 bytes");
  EncoderBuffers& buffers = ThreadScratch<EncoderBuffers>();
  const size_t length = block.size();
  const EscapePair pair = FindFreePair(block);
  const size_t run_length = RunPack(block, pair, buffers.run);
  const size_t pattern_length = PatternPack(block, pair, buffers.pattern);
  const std::span<const uint8_t> run_output{buffers.run, run_length};
  const std::span<const uint8_t> pattern_output{buffers.pattern, pattern_length};

  // A transform is used only when its decoder gives the block back: with an escape pair of two
  // equal bytes a record right after that byte would be found one place early.
  Verified run_ok;
  Verified pattern_ok;
  auto run_decodes = [&] {
    return SameBytes(RunUnpack(run_output, pair, buffers.check), buffers.check, block);
  };
  auto pattern_decodes = [&] {
    return SameBytes(PatternUnpack(pattern_output, pair, buffers.check), buffers.check, block);
  };
  const bool run_saves = run_length + 2 < length;
  const bool pattern_saves = pattern_length + 2 < length;
  uint8_t method = 0;
  if (run_saves || pattern_saves) {
    if (run_length < pattern_length && run_ok.Get(run_decodes)) {
      method = 1;
    } else if (!run_saves) {
      method = pattern_ok.Get(pattern_decodes) ? 2 : 0;
    } else if (run_ok.Get(run_decodes)) {
      method = 1;
    } else {
      method = pattern_saves && pattern_ok.Get(pattern_decodes) ? 2 : 0;
    }
  }

  if (method == 1) {
    // A second, pattern pass over the run output, with its own pair stored in the payload.
    const EscapePair second_pair = FindFreePair(run_output);
    const size_t second_length = PatternPack(run_output, second_pair, buffers.run_then_pattern);
    if (second_length + 2 < run_length &&
        SameBytes(
            PatternUnpack({buffers.run_then_pattern, second_length}, second_pair, buffers.check),
            buffers.check, run_output)) {
      payload[0] = second_pair.first;
      payload[1] = second_pair.second;
      std::memcpy(payload + 2, buffers.run_then_pattern, second_length);
      return {6, pair, second_length + 2};
    }
    std::memcpy(payload, buffers.run, run_length);
    return {1, pair, run_length};
  }
  if (method == 2) {
    std::memcpy(payload, buffers.pattern, pattern_length);
    return {2, pair, pattern_length};
  }
  if (length > 0) std::memcpy(payload, block.data(), length);
  return {0, pair, length};
}

DecodedBlock DecodeBlock(uint8_t method, EscapePair pair, uint8_t entry_count,
                         std::span<const uint8_t> payload, uint8_t* block) {
  switch (method) {
    case 0: {
      const size_t length = std::min(payload.size(), kBlockSize);
      if (length > 0) std::memmove(block, payload.data(), length);
      return {length, payload.size() <= kBlockSize};
    }
    case 1:
      return RunUnpack(payload, pair, block);
    case 2:
      return PatternUnpack(payload, pair, block);
    case 6:
      return DecodeRunThenPattern(payload, pair, block);
    case 3:
    case 4:
    case 5:
    case 7: {
      const DecodedBlock words = DictionaryUnpack(payload, entry_count, block);
      if (!words.complete || method == 3) return words;
      const std::span<const uint8_t> rest{block, words.length};
      if (method == 4) return RunUnpack(rest, pair, block);
      if (method == 5) return PatternUnpack(rest, pair, block);
      return DecodeRunThenPattern(rest, pair, block);
    }
    default:
      return {0, false};
  }
}

BlockPayload EncodeBlock(std::span<const uint8_t> block) {
  std::vector<uint8_t> payload(kBlockSize);
  const EncodedBlock encoded = EncodeBlock(block, payload.data());
  payload.resize(encoded.length);
  return {encoded.method, encoded.pair, std::move(payload)};
}

std::vector<uint8_t> DecodeBlock(uint8_t method, EscapePair pair, uint8_t entry_count,
                                 std::span<const uint8_t> payload, bool* complete) {
  std::vector<uint8_t> block(kBlockSize);
  const DecodedBlock decoded = DecodeBlock(method, pair, entry_count, payload, block.data());
  block.resize(decoded.length);
  if (complete != nullptr) *complete = decoded.complete;
  return block;
}

}  // namespace zorna
