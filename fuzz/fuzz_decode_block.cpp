// DecodeBlock on any method, escape pair, entry count and payload must stay inside its
// 65 025-byte buffer and end; EncodeBlock of any block must decode back to it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "pack/block_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  // Methods 0 to 7 mostly, now and then one that does not exist.
  const uint8_t method = data[0] % 10;
  const zorna::EscapePair pair{data[1], data[2]};
  const uint8_t entry_count = data[3];
  const std::span<const uint8_t> payload(data + 4, size - 4);

  // Exactly one block of room, so that any write past it is caught.
  const std::unique_ptr<uint8_t[]> block(new uint8_t[zorna::kBlockSize]);
  const zorna::DecodedBlock decoded =
      zorna::DecodeBlock(method, pair, entry_count, payload, block.get());
  if (decoded.length > zorna::kBlockSize) std::abort();

  if (payload.size() <= zorna::kBlockSize) {
    const std::unique_ptr<uint8_t[]> encoded(new uint8_t[zorna::kBlockSize]);
    const zorna::EncodedBlock e = zorna::EncodeBlock(payload, encoded.get());
    if (e.length > payload.size()) std::abort();
    const zorna::DecodedBlock back =
        zorna::DecodeBlock(e.method, e.pair, 0, {encoded.get(), e.length}, block.get());
    if (!back.complete || back.length != payload.size() ||
        (back.length > 0 && std::memcmp(block.get(), payload.data(), back.length) != 0)) {
      std::abort();
    }
  }
  return 0;
}
