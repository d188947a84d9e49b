#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#include "pack/block_codec.h"

// The reversible transforms behind EncodeBlock and DecodeBlock. Output buffers hold kBlockSize
// bytes; inputs hold at most kBlockSize bytes.
namespace zorna {

// Replaces every run of 6 or more equal bytes by the 5-byte record E0 E1 n-low n-high X.
// Blocks of 5 bytes or fewer stay as they are.
size_t RunPack(std::span<const uint8_t> block, EscapePair pair, uint8_t* out);

// Replaces, from left to right, a run of 7 or more equal bytes, else a stretch of 8 or more bytes
// with period 2, else one of 9 or more with period 3, by the record
// E0 E1 n-low n-high k P1..Pk.
size_t PatternPack(std::span<const uint8_t> block, EscapePair pair, uint8_t* out);

// The decoders. Each scans for the escape pair (or the dictionary codes) and expands in place;
// a record that is cut short, has an unknown period, or would grow the block past kBlockSize ends
// the decoding with the bytes before it.
DecodedBlock RunUnpack(std::span<const uint8_t> payload, EscapePair pair, uint8_t* out);
DecodedBlock PatternUnpack(std::span<const uint8_t> payload, EscapePair pair, uint8_t* out);
// Reads entry_count entries (code, base-255 length, string) in front of the data and replaces
// the codes in the data. More than 20 entries, an entry longer than 100 bytes or a table cut
// short is refused: the result is empty and incomplete.
DecodedBlock DictionaryUnpack(std::span<const uint8_t> payload, uint8_t entry_count, uint8_t* out);

constexpr size_t kMaxDictionaryEntries = 20;
constexpr size_t kMaxDictionaryString = 100;

}  // namespace zorna
