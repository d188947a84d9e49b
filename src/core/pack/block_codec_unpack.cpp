// The three decoders of the block codec. Their scanning rules are those of the files already in
// circulation, including the rescans after each expansion, so every old payload reads as before;
// the guards only stop payloads that would otherwise run past the block.
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "pack/base255.h"
#include "pack/block_codec_buffer.h"
#include "pack/block_codec_transforms.h"

namespace zorna {
namespace {

struct BackBuffer {
  uint8_t bytes[kBlockSize];
};

// A run record (E0 E1 n-low n-high X) or a pattern record (E0 E1 n-low n-high k P1..Pk).
struct Record {
  size_t length = 0;  // bytes of the record itself
  size_t count = 0;   // bytes it stands for
  uint8_t pattern[3] = {};
  size_t period = 1;
  size_t resume = 1;  // the scan goes on this many bytes after the record's start
};

bool ReadRunRecord(const uint8_t* at, size_t available, Record& record) {
  if (available < 5) return false;
  record.length = 5;
  record.count = ReadBase255(at[2], at[3]);
  record.pattern[0] = at[4];
  record.period = 1;
  record.resume = 1;
  return true;
}

bool ReadPatternRecord(const uint8_t* at, size_t available, Record& record) {
  if (available < 5) return false;
  const size_t period = at[4];
  if (period < 1 || period > 3 || available < 5 + period) return false;
  record.length = 5 + period;
  record.count = ReadBase255(at[2], at[3]);
  std::memcpy(record.pattern, at + 5, period);
  record.period = period;
  record.resume = period;
  return true;
}

const uint8_t* FindPair(const uint8_t* from, size_t available, EscapePair pair) {
  if (available < 2) return nullptr;
  const uint8_t* p = from;
  const uint8_t* const last = from + available - 1;  // a pair must start before the last byte
#if defined(__SSE2__)
  const __m128i first = _mm_set1_epi8(static_cast<char>(pair.first));
  const __m128i second = _mm_set1_epi8(static_cast<char>(pair.second));
  auto load = [](const uint8_t* at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
  };
  for (; last - p >= 16; p += 16) {
    const int hits = _mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi8(load(p), first), _mm_cmpeq_epi8(load(p + 1), second)));
    if (hits != 0) return p + std::countr_zero(static_cast<unsigned>(hits));
  }
#endif
  for (; p < last; ++p) {
    if (p[0] == pair.first && p[1] == pair.second) return p;
  }
  return nullptr;
}

// Whether the scan, going on at record.resume inside the expansion, would meet the escape pair
// before it reaches the bytes after the record (next is the first of them, or null). The scan
// resumes at a multiple of the period, so the pairs to look at are the period's own.
bool PairInsideExpansion(const Record& record, EscapePair pair, const uint8_t* next) {
  const size_t n = record.count;
  const size_t period = record.period;
  const uint8_t* pattern = record.pattern;
  for (size_t t = 0; t < period && record.resume + t + 1 < n; ++t) {
    const uint8_t following = pattern[t + 1 == period ? 0 : t + 1];
    if (pattern[t] == pair.first && following == pair.second) return true;
  }
  if (next == nullptr || n < 1 || n - 1 < record.resume) return false;
  const size_t phase = period == 1 ? 0 : period == 2 ? (n - 1) & 1 : (n - 1) % 3;
  return pattern[phase] == pair.first && *next == pair.second;
}

// read_record(at, available, record) reads the record at `at`; false when it is cut short or
// invalid.
template <typename RecordReader>
DecodedBlock ExpandRecords(std::span<const uint8_t> payload, EscapePair pair, uint8_t* out,
                           RecordReader read_record) {
  bool complete = true;
  if (payload.size() > kBlockSize) {
    payload = payload.first(kBlockSize);
    complete = false;
  }
  GapBuffer block(payload, out, ThreadScratch<BackBuffer>().bytes);
  for (;;) {
    const uint8_t* found = FindPair(block.Back(), block.BackLength(), pair);
    if (found == nullptr) return {block.FinishWhole(), complete};
    block.Advance(static_cast<size_t>(found - block.Back()));
    Record record;
    if (!read_record(block.Back(), block.BackLength(), record) ||
        block.Length() - record.length + record.count > kBlockSize) {
      return {block.FinishAtSplit(), false};
    }
    const uint8_t* next =
        block.BackLength() > record.length ? block.Back() + record.length : nullptr;
    const bool rescan_needed =
        record.count < record.resume || PairInsideExpansion(record, pair, next);
    block.DropBack(record.length);
    if (!rescan_needed) {
      // Nothing inside the expansion can start a record: it is final at once.
      FillPattern(block.GrowFront(record.count), record.count, record.pattern, record.period);
    } else {
      FillPattern(block.GrowBack(record.count), record.count, record.pattern, record.period);
      block.Advance(std::min(record.resume, block.BackLength()));
    }
  }
}

struct DictionaryEntry {
  size_t length = 0;
  uint8_t bytes[kMaxDictionaryString] = {};
};

// Code pair -> index of the first entry with that code, or -1. Kept all -1 between calls.
struct CodeTable {
  std::array<int8_t, 65536> first_entry;
  CodeTable() { first_entry.fill(-1); }
};

class CodeTableUse {
 public:
  explicit CodeTableUse(CodeTable& table) : table_(table) {}
  ~CodeTableUse() {
    for (size_t i = 0; i < used_count_; ++i) table_.first_entry[used_[i]] = -1;
  }
  void Add(uint16_t code, int8_t entry) {
    if (table_.first_entry[code] >= 0) return;  // an earlier entry with this code wins
    table_.first_entry[code] = entry;
    used_[used_count_++] = code;
  }
  int Find(uint8_t first, uint8_t second) const {
    return table_.first_entry[static_cast<size_t>(first) << 8 | second];
  }

 private:
  CodeTable& table_;
  uint16_t used_[kMaxDictionaryEntries] = {};
  size_t used_count_ = 0;
};

}  // namespace

DecodedBlock RunUnpack(std::span<const uint8_t> payload, EscapePair pair, uint8_t* out) {
  return ExpandRecords(payload, pair, out, [](const uint8_t* at, size_t available, Record& record) {
    return ReadRunRecord(at, available, record);
  });
}

DecodedBlock PatternUnpack(std::span<const uint8_t> payload, EscapePair pair, uint8_t* out) {
  return ExpandRecords(payload, pair, out, [](const uint8_t* at, size_t available, Record& record) {
    return ReadPatternRecord(at, available, record);
  });
}

DecodedBlock DictionaryUnpack(std::span<const uint8_t> payload, uint8_t entry_count, uint8_t* out) {
  bool complete = true;
  if (entry_count > kMaxDictionaryEntries) return {0, false};
  std::array<DictionaryEntry, kMaxDictionaryEntries> entries;
  CodeTableUse codes(ThreadScratch<CodeTable>());
  size_t position = 0;
  for (size_t i = 0; i < entry_count; ++i) {
    if (payload.size() - position < 4) return {0, false};
    const uint8_t* at = payload.data() + position;
    const size_t length = ReadBase255(at[2], at[3]);
    if (length > kMaxDictionaryString || payload.size() - position - 4 < length) return {0, false};
    entries[i].length = length;
    std::memcpy(entries[i].bytes, at + 4, length);
    codes.Add(static_cast<uint16_t>(at[0] << 8 | at[1]), static_cast<int8_t>(i));
    position += 4 + length;
  }
  std::span<const uint8_t> data = payload.subspan(position);
  if (data.size() > kBlockSize) {
    data = data.first(kBlockSize);
    complete = false;
  }
  GapBuffer block(data, out, ThreadScratch<BackBuffer>().bytes);
  if (entry_count == 0) return {block.FinishWhole(), complete};

  // The scan start moves on by the string length minus one from the previous start (not from
  // the code found), so it can fall behind the codes and even below the block's start. What the
  // earlier scans found free of codes is remembered so that it is not searched again.
  std::ptrdiff_t scan_start = 0;
  size_t clean_begin = 0;
  size_t clean_end = 0;
  for (;;) {
    const size_t length = block.Length();
    const size_t start = scan_start < 0 ? 0 : static_cast<size_t>(scan_start);
    auto code_at = [&](size_t k) { return codes.Find(block.At(k), block.At(k + 1)); };
    size_t found = length;
    int entry = -1;
    size_t k = start;
    for (; k < clean_begin && k + 1 < length; ++k) {
      if ((entry = code_at(k)) >= 0) break;
    }
    if (entry < 0) {
      for (k = std::max(k, clean_end); k + 1 < length; ++k) {
        if ((entry = code_at(k)) >= 0) break;
      }
    }
    if (entry < 0) return {block.FinishWhole(), complete};
    found = k;
    const DictionaryEntry& chosen = entries[static_cast<size_t>(entry)];
    block.MoveSplitTo(found);
    if (length - 2 + chosen.length > kBlockSize) return {block.FinishAtSplit(), false};
    block.DropBack(2);
    std::memcpy(block.GrowBack(chosen.length), chosen.bytes, chosen.length);
    // The pair before the code now reads the string's first byte.
    clean_begin = start;
    clean_end = std::max(start, found == 0 ? 0 : found - 1);
    scan_start += static_cast<std::ptrdiff_t>(chosen.length) - 1;
  }
}

}  // namespace zorna
