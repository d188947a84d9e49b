#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zorna {

// The program's own lossless codec for blocks of at most 65 025 bytes, used by the pack files
// and the gallery pictures. A block is stored as a method code, the parameter bytes of that
// method and a payload:
//   0 stored; 1 run; 2 pattern; 3 dictionary; 4 run + dictionary; 5 pattern + dictionary;
//   6 run + pattern; 7 run + pattern + dictionary.
// The encoder writes methods 0, 1, 2 and 6 only; the decoder reads all eight.
constexpr size_t kBlockSize = 255 * 255;
constexpr uint8_t kLastMethod = 7;

struct EscapePair {
  uint8_t first = 0;
  uint8_t second = 0;
  friend bool operator==(const EscapePair&, const EscapePair&) = default;
};

// Which parameter bytes travel with a block of the given method (the escape pair first, then
// the dictionary entry count).
constexpr bool MethodStoresEscapePair(uint8_t method) {
  return method == 1 || method == 2 || method == 4 || method == 5 || method == 6 || method == 7;
}
constexpr bool MethodStoresEntryCount(uint8_t method) {
  return method == 3 || method == 4 || method == 5 || method == 7;
}

struct EncodedBlock {
  uint8_t method = 0;
  EscapePair pair;  // meaningful for methods 1, 2 and 6
  size_t length = 0;
};

// Encodes a block of at most kBlockSize bytes into payload, which must hold kBlockSize bytes.
// Every payload it returns decodes back to the block: a transform whose output would be misread
// by its decoder is not used for that block. Throws std::length_error for a longer block.
EncodedBlock EncodeBlock(std::span<const uint8_t> block, uint8_t* payload);

struct DecodedBlock {
  size_t length = 0;
  // False when the payload was damaged: a record or dictionary string that would overflow the
  // block, a record cut short, a refused dictionary, an unknown method or a payload longer than
  // a block. The bytes decoded up to that point are the result.
  bool complete = true;
};

// Decodes a payload into block, which must hold kBlockSize bytes. Never writes past it and always
// ends, whatever the payload.
DecodedBlock DecodeBlock(uint8_t method, EscapePair pair, uint8_t entry_count,
                         std::span<const uint8_t> payload, uint8_t* block);

// The first pair (i, j) in the order (0,0), (0,1), ... (255,255) that does not occur as two
// adjacent bytes of the block. A block of at most 65 025 bytes always leaves one free.
EscapePair FindFreePair(std::span<const uint8_t> block);

// Conveniences over the buffer forms for callers that keep blocks in vectors.
struct BlockPayload {
  uint8_t method = 0;
  EscapePair pair;
  std::vector<uint8_t> payload;
};
BlockPayload EncodeBlock(std::span<const uint8_t> block);
std::vector<uint8_t> DecodeBlock(uint8_t method, EscapePair pair, uint8_t entry_count,
                                 std::span<const uint8_t> payload, bool* complete = nullptr);

}  // namespace zorna
