#pragma once
#include <cassert>
#include <cstring>
#include <memory>
#include <span>

#include "support/block_codec.h"

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

// Writes count bytes of pattern[0..period) repeated from its first byte.
inline void FillPattern(uint8_t* out, size_t count, const uint8_t* pattern, size_t period) {
  if (period == 1) {
    std::memset(out, pattern[0], count);
    return;
  }
  if (count <= 64) {  // most records are short; a loop beats the calls below
    for (size_t m = 0, phase = 0; m < count; ++m) {
      out[m] = pattern[phase];
      phase = phase + 1 == period ? 0 : phase + 1;
    }
    return;
  }
  std::memcpy(out, pattern, period);
  size_t done = period;
  // Doubling copies keep the phase, since every copied length is a multiple of the period.
  while (done < count) {
    size_t step = done - done % period;
    if (step > count - done) step = count - done;
    std::memcpy(out + done, out, step);
    done += step;
  }
}

// Per-thread work buffers of the codec; allocated once, reused by every block.
template <typename T>
T& ThreadScratch() {
  thread_local std::unique_ptr<T> scratch = std::make_unique<T>();
  return *scratch;
}

}  // namespace zorna
