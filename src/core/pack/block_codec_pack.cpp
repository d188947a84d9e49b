// The encoding side of the run and pattern transforms and the escape-pair search. Both
// transforms make one left-to-right pass; the part of the block not yet visited is still the
// input, so they write to a separate buffer instead of moving bytes in place.
#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "pack/base255.h"
#include "pack/block_codec_buffer.h"
#include "pack/block_codec_transforms.h"

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

// Bit j is set when from[j] equals from[j + distance], for j = 0 .. 31. Reads 32 + distance
// bytes.
uint32_t EqualityMask(const uint8_t* from, size_t distance) {
#if defined(__SSE2__)
  auto load = [](const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
  const auto low =
      static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(load(from), load(from + distance))));
  const auto high = static_cast<uint32_t>(
      _mm_movemask_epi8(_mm_cmpeq_epi8(load(from + 16), load(from + 16 + distance))));
  return low | high << 16;
#else
  uint32_t mask = 0;
  for (size_t j = 0; j < 32; ++j) mask |= static_cast<uint32_t>(from[j] == from[j + distance]) << j;
  return mask;
#endif
}

// Bit j is set when bits j .. j + count - 1 of mask are all set.
constexpr uint32_t SetStretches(uint32_t mask, int count) {
  uint32_t all = mask;
  for (int shift = 1; shift < count; ++shift) all &= mask >> shift;
  return all;
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

// Marks every pair of the block in a table of all 65 536 pairs and takes the first one left.
EscapePair FindFreePairInTable(const uint8_t* p, size_t pairs) {
  uint8_t* seen = ThreadScratch<PairTable>().seen;
  std::memset(seen, 0, 65536);
  auto mark = [&](size_t k) { seen[p[k] << 8 | p[k + 1]] = 1; };
  size_t k = 0;
  // Eight pairs at a time. Where the nine bytes behind them repeat the nine bytes one, two or
  // three places earlier, their pairs are ones already marked: runs and short periods cost
  // almost nothing.
  while (k + 8 <= pairs) {
    const uint64_t word = Load64(p + k);
    bool repeated = false;
    for (size_t distance = 1; distance <= 3 && distance <= k && !repeated; ++distance) {
      repeated = word == Load64(p + k - distance) && p[k + 8] == p[k + 8 - distance];
    }
    if (!repeated) {
      for (size_t j = k; j < k + 8; ++j) mark(j);
    }
    k += 8;
  }
  for (; k < pairs; ++k) mark(k);
  const void* free_slot = std::memchr(seen, 0, 65536);
  // At most 65 024 pairs occur, so a free one exists for every block accepted above.
  const size_t index = static_cast<size_t>(static_cast<const uint8_t*>(free_slot) - seen);
  return {static_cast<uint8_t>(index >> 8), static_cast<uint8_t>(index & 0xFF)};
}

// Marks in seen[] the bytes that follow `first` anywhere among the first `pairs` positions.
void MarkFollowers(const uint8_t* p, size_t pairs, uint8_t first, uint8_t* seen) {
  size_t k = 0;
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi8(static_cast<char>(first));
  for (; k + 16 <= pairs; k += 16) {
    auto hits = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k)), wanted)));
    while (hits != 0) {
      seen[p[k + static_cast<size_t>(std::countr_zero(hits)) + 1]] = 1;
      hits &= hits - 1;
    }
  }
#endif
  for (; k < pairs; ++k) {
    if (p[k] == first) seen[p[k + 1]] = 1;
  }
}

}  // namespace

EscapePair FindFreePair(std::span<const uint8_t> block) {
  if (block.size() > kBlockSize) throw std::length_error("block longer than 65025 bytes");
  const uint8_t* const p = block.data();
  const size_t pairs = block.empty() ? 0 : block.size() - 1;
  // The free pair nearly always starts with one of the first few byte values: looking only at
  // what follows each of them costs one quick pass per value instead of a table of all pairs.
  constexpr int kQuickFirsts = 8;
  for (int first = 0; first < kQuickFirsts; ++first) {
    uint8_t seen[256] = {};
    MarkFollowers(p, pairs, static_cast<uint8_t>(first), seen);
    if (const void* free_second = std::memchr(seen, 0, sizeof seen)) {
      return {static_cast<uint8_t>(first),
              static_cast<uint8_t>(static_cast<const uint8_t*>(free_second) - seen)};
    }
  }
  return FindFreePairInTable(p, pairs);
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
    if (end - in >= 33) {
      // Skip the stretch in which no run of six starts.
      const uint32_t starts = SetStretches(EqualityMask(in, 1), 5) & ((1u << 28) - 1);
      if (starts == 0) {
        in += 28;
        continue;
      }
      in += std::countr_zero(starts);
    }
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
  if (end != literal)
    std::memcpy(o, literal, static_cast<size_t>(end - literal));  // empty blocks have no data
  o += end - literal;
  return static_cast<size_t>(o - out);
}

size_t PatternPack(std::span<const uint8_t> block, EscapePair pair, uint8_t* out) {
  const uint8_t* in = block.data();
  const uint8_t* const end = in + block.size();
  uint8_t* o = out;
  const uint8_t* literal = in;
  // At each position: a run of at least 7, else period 2 over at least 8, else period 3 over at
  // least 9 bytes; the record is one byte shorter than the stretch it needs. Each test needs six
  // bytes in a row equal to the ones its period before them, which word compares find for 27
  // positions at once; the tests depend on the input alone, so a window's answers hold until
  // the pass leaves it.
  constexpr size_t kWindow = 27;
  const uint8_t* window = nullptr;
  uint32_t qualifies[3] = {};  // bit j: the test of period 1, 2, 3 holds at window + j
  while (end - in >= 7) {
    size_t period = 0;
    if (window != nullptr && in >= window + kWindow) window = nullptr;
    if (window == nullptr && end - in >= 35) {
      window = in;
      for (size_t d = 1; d <= 3; ++d) {
        qualifies[d - 1] = SetStretches(EqualityMask(in, d), 6) & ((1u << kWindow) - 1);
      }
    }
    if (window != nullptr) {
      const auto offset = static_cast<unsigned>(in - window);
      const uint32_t any = (qualifies[0] | qualifies[1] | qualifies[2]) >> offset;
      if (any == 0) {
        in = window + kWindow;
        continue;
      }
      in += std::countr_zero(any);
      const auto bit = static_cast<unsigned>(in - window);
      period = (qualifies[0] >> bit & 1) ? 1 : (qualifies[1] >> bit & 1) ? 2 : 3;
    } else {
      for (size_t d = 1; d <= 3 && period == 0; ++d) {
        if (PeriodicLength(in, std::min(end, in + 6 + d), d) == 6 + d) period = d;
      }
      if (period == 0) {
        ++in;
        continue;
      }
    }
    const size_t stretch = PeriodicLength(in, end, period);
    std::memcpy(o, literal, static_cast<size_t>(in - literal));
    o += in - literal;
    o = WriteRecordHead(o, pair, stretch);
    *o++ = static_cast<uint8_t>(period);
    std::memcpy(o, in, period);
    o += period;
    in += stretch;
    literal = in;
  }
  if (end != literal)
    std::memcpy(o, literal, static_cast<size_t>(end - literal));  // empty blocks have no data
  o += end - literal;
  return static_cast<size_t>(o - out);
}

}  // namespace zorna
