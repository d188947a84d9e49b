// The encoding side of the run and pattern transforms and the escape-pair search. Both
// transforms make one left-to-right pass; the part of the block not yet visited is still the
// input, so they write to a separate buffer instead of moving bytes in place.
#include <bit>
#include <cstring>
#include <stdexcept>

#include "support/base255.h"
#include "support/block_codec_buffer.h"
#include "support/block_codec_transforms.h"

namespace zorna {
namespace {

static_assert(std::endian::native == std::endian::little, "the word compares read bytes in order");

uint64_t Load64(const uint8_t* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// Length of the stretch from `from` in which every byte equals the one `period` places before
// it (for period 1, the run of equal bytes), counting the first `period` bytes.
size_t PeriodicLength(const uint8_t* from, const uint8_t* end, size_t period) {
  const size_t available = static_cast<size_t>(end - from);
  if (available <= period) return available;
  const uint8_t* p = from + period;
  while (end - p >= 8) {
    const uint64_t differ = Load64(p) ^ Load64(p - period);
    if (differ != 0) {
      return static_cast<size_t>(p - from) + static_cast<size_t>(std::countr_zero(differ) / 8);
    }
    p += 8;
  }
  while (p < end && *p == *(p - period)) ++p;
  return static_cast<size_t>(p - from);
}

uint8_t* WriteRecordHead(uint8_t* out, EscapePair pair, size_t count) {
  out[0] = pair.first;
  out[1] = pair.second;
  WriteBase255(out + 2, static_cast<uint32_t>(count));
  return out + 4;
}

struct PairTable {
  uint8_t seen[65536];
};

}  // namespace

EscapePair FindFreePair(std::span<const uint8_t> block) {
  if (block.size() > kBlockSize) throw std::length_error("block longer than 65025 bytes");
  uint8_t* seen = ThreadScratch<PairTable>().seen;
  std::memset(seen, 0, 65536);
  const uint8_t* p = block.data();
  const uint8_t* const last = p + (block.empty() ? 0 : block.size() - 1);
  while (p < last) {
    if (p[0] == p[1]) {
      // Inside a run every pair is the same; go on from the run's last byte.
      seen[p[0] * 257] = 1;
      p += PeriodicLength(p, last + 1, 1) - 1;
      continue;
    }
    seen[p[0] << 8 | p[1]] = 1;
    ++p;
  }
  const void* free_slot = std::memchr(seen, 0, 65536);
  // At most 65 024 pairs occur, so a free one exists for every block accepted above.
  const size_t index = static_cast<size_t>(static_cast<const uint8_t*>(free_slot) - seen);
  return {static_cast<uint8_t>(index >> 8), static_cast<uint8_t>(index & 0xFF)};
}

size_t RunPack(std::span<const uint8_t> block, EscapePair pair, uint8_t* out) {
  const uint8_t* in = block.data();
  const uint8_t* const end = in + block.size();
  uint8_t* o = out;
  // A block of at most 5 bytes is never visited; elsewhere every run of 6 or more is replaced,
  // and the record's bytes never start a new run since the byte after a run differs from it.
  if (block.size() <= 5) {
    if (!block.empty()) std::memcpy(out, in, block.size());
    return block.size();
  }
  const uint8_t* literal = in;
  while (in < end) {
    const size_t run = PeriodicLength(in, end, 1);
    if (run >= 6) {
      std::memcpy(o, literal, static_cast<size_t>(in - literal));
      o += in - literal;
      o = WriteRecordHead(o, pair, run);
      *o++ = *in;
      in += run;
      literal = in;
    } else {
      in += run;
    }
  }
  std::memcpy(o, literal, static_cast<size_t>(end - literal));
  o += end - literal;
  return static_cast<size_t>(o - out);
}

size_t PatternPack(std::span<const uint8_t> block, EscapePair pair, uint8_t* out) {
  const uint8_t* in = block.data();
  const uint8_t* const end = in + block.size();
  uint8_t* o = out;
  const uint8_t* literal = in;
  // At each position: a run of at least 7, else period 2 over at least 8, else period 3 over at
  // least 9 bytes; the record is one byte shorter than the stretch it needs.
  while (end - in >= 7) {
    size_t period = 1;
    size_t stretch = PeriodicLength(in, end, 1);
    if (stretch < 7) {
      period = 2;
      stretch = PeriodicLength(in, end, 2);
      if (stretch < 8) {
        period = 3;
        stretch = PeriodicLength(in, end, 3);
        if (stretch < 9) {
          ++in;
          continue;
        }
      }
    }
    std::memcpy(o, literal, static_cast<size_t>(in - literal));
    o += in - literal;
    o = WriteRecordHead(o, pair, stretch);
    *o++ = static_cast<uint8_t>(period);
    std::memcpy(o, in, period);
    o += period;
    in += stretch;
    literal = in;
  }
  std::memcpy(o, literal, static_cast<size_t>(end - literal));
  o += end - literal;
  return static_cast<size_t>(o - out);
}

}  // namespace zorna
