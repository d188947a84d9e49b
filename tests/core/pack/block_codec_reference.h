#pragma once
// Slow, literal versions of the codec's transforms: the block is one vector that every record
// edits in place, positions move exactly as the rules say. The fast codec must give the same
// bytes for every input, valid or damaged.
#include <cstdint>
#include <vector>

#include "pack/block_codec.h"

namespace zorna::reference {

using Bytes = std::vector<uint8_t>;

struct Decoded {
  Bytes bytes;
  bool complete = true;
  friend bool operator==(const Decoded&, const Decoded&) = default;
};

// Tries every pair in order and looks for it anywhere in the block.
inline EscapePair FindFreePair(const Bytes& b) {
  for (int i = 0; i < 256; ++i) {
    for (int j = 0; j < 256; ++j) {
      bool occurs = false;
      for (size_t k = 0; k + 1 < b.size() && !occurs; ++k) occurs = b[k] == i && b[k + 1] == j;
      if (!occurs) return {static_cast<uint8_t>(i), static_cast<uint8_t>(j)};
    }
  }
  return {255, 255};
}

inline size_t Stretch(const Bytes& b, size_t i, size_t period) {
  size_t end = i + period;
  if (end > b.size()) return b.size() - i;
  while (end < b.size() && b[end] == b[end - period]) ++end;
  return end - i;
}

inline void Replace(Bytes& b, size_t at, size_t count, const Bytes& with) {
  b.erase(b.begin() + static_cast<std::ptrdiff_t>(at),
          b.begin() + static_cast<std::ptrdiff_t>(at + count));
  b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), with.begin(), with.end());
}

inline Bytes Head(EscapePair e, size_t n) {
  return {e.first, e.second, static_cast<uint8_t>(n % 255), static_cast<uint8_t>(n / 255)};
}

inline Bytes RunPack(Bytes b, EscapePair e) {
  const size_t visits = b.size() <= 5 ? 0 : b.size() - 5;  // fixed, although the block shrinks
  for (size_t i = 0; i < visits; ++i) {
    if (i >= b.size()) continue;
    const size_t r = Stretch(b, i, 1);
    if (r < 6) continue;
    Bytes record = Head(e, r);
    record.push_back(b[i]);
    Replace(b, i, r, record);
  }
  return b;
}

inline Bytes PatternPack(Bytes b, EscapePair e) {
  size_t i = 0;
  while (i + 7 <= b.size()) {
    bool done = false;
    for (size_t k = 1; k <= 3 && !done; ++k) {
      const size_t r = Stretch(b, i, k);
      if (r < 6 + k) continue;
      Bytes record = Head(e, r);
      record.push_back(static_cast<uint8_t>(k));
      record.insert(record.end(), b.begin() + static_cast<std::ptrdiff_t>(i),
                    b.begin() + static_cast<std::ptrdiff_t>(i + k));
      Replace(b, i, r, record);
      i += 5 + k;
      done = true;
    }
    if (!done) ++i;
  }
  return b;
}

inline Bytes Truncated(const Bytes& b, size_t at) {
  return Bytes(b.begin(), b.begin() + at);
}

// pattern_records: E0 E1 n n k P..; otherwise run records E0 E1 n n X.
inline Decoded Unpack(Bytes b, EscapePair e, bool pattern_records) {
  bool complete = true;
  if (b.size() > kBlockSize) {
    b.resize(kBlockSize);
    complete = false;
  }
  size_t s = 0;
  for (;;) {
    size_t k = s;
    while (k + 1 < b.size() && !(b[k] == e.first && b[k + 1] == e.second)) ++k;
    if (k + 1 >= b.size()) return {b, complete};
    if (k + 5 > b.size()) return {Truncated(b, k), false};
    const size_t n = b[k + 2] + 255u * b[k + 3];
    size_t period = 1;
    Bytes pattern{b[k + 4]};
    if (pattern_records) {
      period = b[k + 4];
      if (period < 1 || period > 3 || k + 5 + period > b.size()) return {Truncated(b, k), false};
      pattern.assign(b.begin() + static_cast<std::ptrdiff_t>(k + 5),
                     b.begin() + static_cast<std::ptrdiff_t>(k + 5 + period));
    }
    const size_t length = pattern_records ? 5 + period : 5;
    if (b.size() - length + n > kBlockSize) return {Truncated(b, k), false};
    Bytes fill(n);
    for (size_t m = 0; m < n; ++m) fill[m] = pattern[m % period];
    Replace(b, k, length, fill);
    s = k + (pattern_records ? period : 1);
  }
}

inline Decoded RunUnpack(const Bytes& b, EscapePair e) {
  return Unpack(b, e, false);
}
inline Decoded PatternUnpack(const Bytes& b, EscapePair e) {
  return Unpack(b, e, true);
}

inline Decoded DictionaryUnpack(const Bytes& payload, size_t n_entries) {
  if (n_entries > 20) return {{}, false};
  struct Entry {
    uint8_t c0, c1;
    Bytes text;
  };
  std::vector<Entry> entries;
  size_t a = 0;
  for (size_t i = 0; i < n_entries; ++i) {
    if (a + 4 > payload.size()) return {{}, false};
    const size_t n = payload[a + 2] + 255u * payload[a + 3];
    if (n > 100 || a + 4 + n > payload.size()) return {{}, false};
    entries.push_back({payload[a], payload[a + 1],
                       Bytes(payload.begin() + static_cast<std::ptrdiff_t>(a + 4),
                             payload.begin() + static_cast<std::ptrdiff_t>(a + 4 + n))});
    a += 4 + n;
  }
  Bytes b(payload.begin() + static_cast<std::ptrdiff_t>(a), payload.end());
  bool complete = true;
  if (b.size() > kBlockSize) {
    b.resize(kBlockSize);
    complete = false;
  }
  if (n_entries == 0) return {b, complete};
  long s = 0;
  for (;;) {
    const Entry* hit = nullptr;
    size_t k = s < 0 ? 0 : static_cast<size_t>(s);
    for (; k + 1 < b.size() && hit == nullptr; ++k) {
      for (const Entry& entry : entries) {
        if (b[k] == entry.c0 && b[k + 1] == entry.c1) {
          hit = &entry;
          break;
        }
      }
      if (hit != nullptr) break;
    }
    if (hit == nullptr) return {b, complete};
    if (b.size() - 2 + hit->text.size() > kBlockSize) return {Truncated(b, k), false};
    Replace(b, k, 2, hit->text);
    s += static_cast<long>(hit->text.size()) - 1;
  }
}

inline Decoded DecodeRunThenPattern(const Bytes& data, EscapePair run_pair) {
  if (data.size() < 2) return {{}, false};
  Decoded runs = PatternUnpack(Bytes(data.begin() + 2, data.end()), {data[0], data[1]});
  if (!runs.complete) return runs;
  return RunUnpack(runs.bytes, run_pair);
}

inline Decoded DecodeBlock(uint8_t method, EscapePair e, uint8_t n, const Bytes& payload) {
  switch (method) {
    case 0:
      if (payload.size() > kBlockSize) return {Truncated(payload, kBlockSize), false};
      return {payload, true};
    case 1:
      return RunUnpack(payload, e);
    case 2:
      return PatternUnpack(payload, e);
    case 6:
      return DecodeRunThenPattern(payload, e);
    case 3:
    case 4:
    case 5:
    case 7: {
      Decoded words = DictionaryUnpack(payload, n);
      if (!words.complete || method == 3) return words;
      if (method == 4) return RunUnpack(words.bytes, e);
      if (method == 5) return PatternUnpack(words.bytes, e);
      return DecodeRunThenPattern(words.bytes, e);
    }
    default:
      return {{}, false};
  }
}

struct Encoded {
  uint8_t method = 0;
  EscapePair pair;
  Bytes payload;
};

// The method choice as the rules give it, with each transform used only when decoding it gives
// back its input.
inline Encoded EncodeBlock(const Bytes& block) {
  const EscapePair e = FindFreePair(block);
  const Bytes a = RunPack(block, e);
  const Bytes b = PatternPack(block, e);
  const size_t L = block.size();
  const bool run_ok = RunUnpack(a, e) == Decoded{block, true};
  const bool pattern_ok = PatternUnpack(b, e) == Decoded{block, true};
  uint8_t method = 0;
  if (a.size() + 2 < L || b.size() + 2 < L) {
    if (a.size() < b.size() && run_ok) {
      method = 1;
    } else if (a.size() + 2 >= L) {
      method = pattern_ok ? 2 : 0;
    } else {
      method = run_ok ? 1 : (b.size() + 2 < L && pattern_ok ? 2 : 0);
    }
  }
  if (method == 1) {
    const EscapePair e2 = FindFreePair(a);
    const Bytes c = PatternPack(a, e2);
    if (c.size() + 2 < a.size() && PatternUnpack(c, e2) == Decoded{a, true}) {
      Bytes payload{e2.first, e2.second};
      payload.insert(payload.end(), c.begin(), c.end());
      return {6, e, payload};
    }
    return {1, e, a};
  }
  if (method == 2) return {2, e, b};
  return {0, e, block};
}

}  // namespace zorna::reference
