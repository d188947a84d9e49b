#pragma once
#include <cassert>
#include <cstring>
#include <memory>
#include <span>

#include "pack/block_codec.h"

namespace zorna {

// The decoders expand records in place, each expansion moving the rest of the block. To keep
// that linear, the block lives in two fixed buffers split at the point being worked on: the
// bytes before it at the start of `front` (the caller's output), the bytes after it at the end
// of `back`. Moving the split copies only the bytes that cross it.
class GapBuffer {
 public:
  // content (at most kBlockSize bytes) may overlap front, never back.
  GapBuffer(std::span<const uint8_t> content, uint8_t* front, uint8_t* back)
      : front_(front), back_(back), back_start_(kBlockSize - content.size()) {
    assert(content.size() <= kBlockSize);
    if (!content.empty()) std::memmove(back_ + back_start_, content.data(), content.size());
  }

  size_t Length() const { return front_length_ + BackLength(); }
  size_t FrontLength() const { return front_length_; }
  size_t BackLength() const { return kBlockSize - back_start_; }
  const uint8_t* Back() const { return back_ + back_start_; }
  uint8_t At(size_t position) const {
    return position < front_length_ ? front_[position]
                                    : back_[back_start_ + (position - front_length_)];
  }

  // Moves count bytes from the start of the back part to the end of the front part.
  void Advance(size_t count) {
    assert(count <= BackLength());
    std::memcpy(front_ + front_length_, back_ + back_start_, count);
    front_length_ += count;
    back_start_ += count;
  }
  void MoveSplitTo(size_t position) {
    if (position >= front_length_) {
      Advance(position - front_length_);
    } else {
      const size_t count = front_length_ - position;
      back_start_ -= count;
      std::memcpy(back_ + back_start_, front_ + position, count);
      front_length_ = position;
    }
  }
  void DropBack(size_t count) {
    assert(count <= BackLength());
    back_start_ += count;
  }
  // Room for count new bytes in front of the back part, or at the end of the front part. The
  // caller checks first that the block stays within kBlockSize.
  uint8_t* GrowBack(size_t count) {
    assert(Length() + count <= kBlockSize);
    back_start_ -= count;
    return back_ + back_start_;
  }
  uint8_t* GrowFront(size_t count) {
    assert(Length() + count <= kBlockSize);
    uint8_t* at = front_ + front_length_;
    front_length_ += count;
    return at;
  }
  // Ends the work: the whole block, or only the bytes before the split, stays in front.
  size_t FinishWhole() {
    Advance(BackLength());
    return front_length_;
  }
  size_t FinishAtSplit() const { return front_length_; }

 private:
  uint8_t* front_;
  uint8_t* back_;
  size_t front_length_ = 0;
  size_t back_start_;
};

// Writes count bytes of pattern[0..period) (period 1, 2 or 3) repeated from its first byte.
inline void FillPattern(uint8_t* out, size_t count, const uint8_t* pattern, size_t period) {
  if (period == 1) {
    std::memset(out, pattern[0], count);
    return;
  }
  // 24 bytes hold a whole number of periods, so copies of this unit keep the phase.
  constexpr size_t kUnit = 24;
  uint8_t unit[kUnit];
  const uint8_t first = pattern[0];
  const uint8_t second = pattern[1];
  const uint8_t third = period == 3 ? pattern[2] : first;
  for (size_t m = 0; m < kUnit; m += period) {
    unit[m] = first;
    unit[m + 1] = second;
    if (period == 3) unit[m + 2] = third;
  }
  if (count >= 256) {
    std::memcpy(out, unit, kUnit);
    size_t done = kUnit;
    while (done < count) {  // doubling; every copied length is a multiple of the unit
      size_t step = done - done % kUnit;
      if (step > count - done) step = count - done;
      std::memcpy(out + done, out, step);
      done += step;
    }
    return;
  }
  for (; count >= kUnit; count -= kUnit, out += kUnit) std::memcpy(out, unit, kUnit);
  for (size_t m = 0; m < count; ++m) out[m] = unit[m];
}

// Per-thread work buffers of the codec; allocated once, reused by every block.
template <typename T>
T& ThreadScratch() {
  thread_local std::unique_ptr<T> scratch = std::make_unique<T>();
  return *scratch;
}

}  // namespace zorna
